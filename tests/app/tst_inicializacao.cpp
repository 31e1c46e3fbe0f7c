#include "analysis/TfmICProblema.h"
#include "app/Inicializacao.h"
#include "app/TfmPrincipal.h"
#include "data/Regional.h"
#include "data/TdmDados.h"
#include "data/TfmDadosEscola.h"
#include "grading/ControleNotas.h"
#include "grading/TfrClassificacao.h"
#include "grading/TfrNotas.h"
#include "problems/ControleProblemas.h"
#include "support/Componentes.h"
#include "support/Programa.h"
#include "support/Teste.h"
#include "support/data/ApoioPlano.h"
#include "voters/ControleVotantes.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <stdexcept>

using apoio::linhas;

// Start-up: the school data dialog's first Ok opens or creates the plan, Cancel ends the
// program, and every way out writes config.ini.
class TesteInicializacao : public QObject {
    Q_OBJECT

private:
    QString pastaInicial;

    static QByteArray planoNovoEsperado()
    {
        const QByteArray data = formatarData(QDate::currentDate()).toUtf8();
        return "<planejamento xmlns=\"xmlns\">\r\n" +
               linhas({qPrintable("    <escola nome=\"\" diretor=\"\" data=\"" + data + "\" />"),
                       "    <problemas maximo=\"10\" total=\"1\">",
                       "        <problema nome=\"Problema\" cor=\"0\">descri\xC3\xA7\xC3\xA3o"
                       "</problema>",
                       "    </problemas>",
                       "    <categorias maximo=\"12\" total=\"1\">",
                       "        <categoria titulo=\"Descri\xC3\xA7\xC3\xA3o da categoria\" id=\"\" "
                       "cor=\"0\">",
                       "            <votante />",
                       "        </categoria>",
                       "    </categorias>",
                       "    <notas>",
                       "        <problema nome=\"Problema\">",
                       "            <categoria nome=\"Descri\xC3\xA7\xC3\xA3o da categoria\">",
                       "                <nota>0</nota>",
                       "            </categoria>",
                       "        </problema>",
                       "    </notas>",
                       "    <indicadores>",
                       "        <problema>",
                       "            <indicador />",
                       "        </problema>",
                       "    </indicadores>",
                       "    <causas>",
                       "        <problema>",
                       "            <causa operacoes=\"0\" />",
                       "        </problema>",
                       "    </causas>",
                       "    <operacoes>",
                       "        <problema>",
                       "            <revisao />",
                       "        </problema>",
                       "    </operacoes>"}) +
               "</planejamento>\r\n";
    }

    static QString textoConfiguracao()
    {
        return QString::fromUtf8(apoio::lerBytes(QStringLiteral("config.ini")))
            .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }

private Q_SLOTS:
    void initTestCase() { pastaInicial = QDir::currentPath(); }

    void init() { QVERIFY(apoio::entrarEmPastaDoCaso(pastaInicial)); }

    void cleanup() { QDir::setCurrent(pastaInicial); }

    void okComNomeNovoCriaOPlano_data()
    {
        QTest::addColumn<QString>("digitado"); // null: the prompt is left as it is
        QTest::addColumn<QString>("arquivo");
        QTest::newRow("nome digitado")
            << QStringLiteral("Plano de Ação 2026.xml") << QStringLiteral("Plano de Ação 2026.xml");
        QTest::newRow("convite deixado como está")
            << QString() << QStringLiteral("entre com o nome do plano");
    }

    void okComNomeNovoCriaOPlano()
    {
        QFETCH(QString, digitado);
        QFETCH(QString, arquivo);
        Programa programa;
        QVERIFY(programa.iniciar(apoio::pressionarOk({{}, {}, {}, digitado})));
        QCOMPARE(apoio::lerBytes(arquivo), planoNovoEsperado());
        QCOMPARE(dmDados->arquivoPlano, arquivo);
        QCOMPARE(fmPrincipal->nomeArquivoMostrado(), arquivo);
        QVERIFY(!apoio::rotuloCabecalho("lblNomeEscola")->isHidden());
        QVERIFY(!apoio::rotuloCabecalho("lblNomePlanejamento")->isHidden());
        QCOMPARE(controleProblemas->total(), 1);
        QCOMPARE(controleVotantes->total(), 1);
        QVERIFY(!fmDadosEscola->parteDoPlanoHabilitada());
        QVERIFY(programa.interacao.mensagens.isEmpty());
    }

    void okComArquivoExistenteCarregaOPlano()
    {
        apoio::gravarBytes(
            QStringLiteral("existente.xml"),
            linhas({"<planejamento xmlns=\"xmlns\">",
                    "    <escola nome=\"Escola do Arquivo\" diretor=\"Diretora do Arquivo\" "
                    "data=\"15/03/2025\" />",
                    "    <problemas maximo=\"10\" total=\"2\">",
                    "        <problema nome=\"Um\" cor=\"255\">descri\xC3\xA7\xC3\xA3o</problema>",
                    "        <problema nome=\"Dois\" cor=\"0\">descri\xC3\xA7\xC3\xA3o</problema>",
                    "    </problemas>",
                    "    <categorias maximo=\"12\" total=\"1\">",
                    "        <categoria titulo=\"Pais\" id=\"PAI\" cor=\"32768\">",
                    "            <votante>Ana</votante>",
                    "            <votante>Rui</votante>",
                    "        </categoria>",
                    "    </categorias>",
                    "    <notas>",
                    "        <problema nome=\"Um\">",
                    "            <categoria nome=\"Pais\">",
                    "                <nota>3</nota>",
                    "                <nota>9</nota>",
                    "            </categoria>",
                    "        </problema>",
                    "        <problema nome=\"Dois\">",
                    "            <categoria nome=\"Pais\">",
                    "                <nota>10</nota>",
                    "                <nota>4</nota>",
                    "            </categoria>",
                    "        </problema>",
                    "    </notas>",
                    "    <indicadores>",
                    "        <problema>",
                    "            <indicador>Faltas</indicador>",
                    "        </problema>",
                    "        <problema>",
                    "            <indicador />",
                    "        </problema>",
                    "    </indicadores>",
                    "    <causas>",
                    "        <problema>",
                    "            <causa operacoes=\"0\">Transporte</causa>",
                    "        </problema>",
                    "        <problema>",
                    "            <causa operacoes=\"0\" />",
                    "        </problema>",
                    "    </causas>",
                    "    <operacoes>",
                    "        <problema>",
                    "            <revisao>Rever</revisao>",
                    "        </problema>",
                    "        <problema>",
                    "            <revisao />",
                    "        </problema>",
                    "    </operacoes>",
                    "</planejamento>"}));
        const QByteArray antes = apoio::lerBytes(QStringLiteral("existente.xml"));
        Programa programa;
        QVERIFY(programa.iniciar(apoio::pressionarOk(
            {QStringLiteral("Digitada"), QStringLiteral("Digitado"), QStringLiteral("01/01/2020"),
             QDir::current().absoluteFilePath(QStringLiteral("existente.xml"))})));
        QCOMPARE(fmDadosEscola->nomeEscola(), QStringLiteral("Escola do Arquivo"));
        QCOMPARE(fmDadosEscola->nomeDiretor(), QStringLiteral("Diretora do Arquivo"));
        QCOMPARE(fmDadosEscola->dataPlano(), QDate(2025, 3, 15));
        QCOMPARE(apoio::rotuloCabecalho("lblNomeEscola")->text(),
                 QStringLiteral("Escola do Arquivo"));
        QCOMPARE(apoio::rotuloCabecalho("lblNomeDiretor")->text(),
                 QStringLiteral("Diretora do Arquivo"));
        QCOMPARE(fmPrincipal->nomeArquivoMostrado(), QStringLiteral("existente.xml"));
        QCOMPARE(controleProblemas->total(), 2);
        QCOMPARE(controleProblemas->nomeProblema(1), QStringLiteral("Dois"));
        QCOMPARE(controleVotantes->total(), 1);
        QCOMPARE(controleVotantes->rotuloVotante(0, 1), QStringLiteral("PAI2"));
        QCOMPARE(controleNotas->linhaNotas(1)->tabela.nota(0, 0), 10.0f);
        const TfmICProblema *janela = controleNotas->linhaClassificacao(0)->janelaIC();
        QCOMPARE(janela->indicador(1), QStringLiteral("Faltas"));
        QCOMPARE(janela->causa(1), QStringLiteral("Transporte"));
        QCOMPARE(janela->revisaoGeral(), QStringLiteral("Rever"));
        QVERIFY(programa.interacao.mensagens.isEmpty());
        QVERIFY(!fmDadosEscola->parteDoPlanoHabilitada());
        // Opening does not write.
        QCOMPARE(apoio::lerBytes(QStringLiteral("existente.xml")), antes);
    }

    void okComArquivoDanificadoMantemODialogoAberto()
    {
        const QByteArray danificado = "<planejamento xmlns=\"xmlns\"><escola nome=\"x\">";
        apoio::gravarBytes(QStringLiteral("danificado.xml"), danificado);
        apoio::gravarBytes(QStringLiteral("config.ini"), "[arquivos]\nplanejamento=lembrado.xml\n");
        Programa programa;
        bool primeiraTentativaFicouAberta = false;
        programa.interacao.modais.enqueue([&](QDialog &janela) {
            auto &dialogo = static_cast<TfmDadosEscola &>(janela);
            dialogo.definirNomePlano(QStringLiteral("danificado.xml"));
            dialogo.setResult(QDialog::Rejected);
            dialogo.btnOk->click();
            primeiraTentativaFicouAberta = dialogo.result() != QDialog::Accepted &&
                                           dialogo.parteDoPlanoHabilitada() &&
                                           dmDados->arquivoPlano == QStringLiteral("lembrado.xml");
            dialogo.definirNomePlano(QStringLiteral("outro.xml"));
            dialogo.btnOk->click();
            return dialogo.result();
        });
        QVERIFY(iniciarPlano());
        QVERIFY(primeiraTentativaFicouAberta);
        QCOMPARE(programa.interacao.mensagens.size(), 1);
        QCOMPARE(programa.interacao.mensagens[0].icone, Icone::Erro);
        QVERIFY(programa.interacao.mensagens[0].texto.contains(QStringLiteral("danificado.xml")));
        QCOMPARE(apoio::lerBytes(QStringLiteral("danificado.xml")), danificado);
        QCOMPARE(dmDados->arquivoPlano, QStringLiteral("outro.xml"));
        QCOMPARE(controleProblemas->total(), 1);
        QVERIFY(QFile::exists(QStringLiteral("outro.xml")));
    }

    void okComGravacaoQueFalhaSegueComOPlanoNaTela()
    {
        Programa programa;
        QVERIFY(programa.iniciar(
            apoio::pressionarOk({{}, {}, {}, QStringLiteral("pasta inexistente/plano.xml")})));
        QCOMPARE(programa.interacao.mensagens.size(), 1);
        QVERIFY(programa.interacao.mensagens[0].texto.startsWith(TdmDados::mensagemErroGravacao));
        QVERIFY(!fmDadosEscola->parteDoPlanoHabilitada());
        QCOMPARE(controleProblemas->total(), 1);
        QCOMPARE(apoio::rotuloCabecalho("lblNomePlanejamento")->text(), QStringLiteral("[]"));
    }

    void saidasDoProgramaGravamAConfiguracao_data()
    {
        QTest::addColumn<int>("saida");
        QTest::newRow("Cancelar na abertura") << 0;
        QTest::newRow("Sair") << 1;
        QTest::newRow("fechar a janela principal") << 2;
    }

    void saidasDoProgramaGravamAConfiguracao()
    {
        QFETCH(int, saida);
        apoio::gravarBytes(QStringLiteral("config.ini"),
                           "[arquivos]\nplanejamento=Plano da Direção.xml\n");
        InteracaoRoteirizada interacao;
        interacao.modais.enqueue([saida](QDialog &janela) {
            if (saida == 0)
                return int(QDialog::Rejected);
            const int resultado =
                apoio::pressionarOk({{}, {}, {}, QStringLiteral("novo.xml")})(janela);
            // Runs once the event loop has started.
            if (saida == 1)
                QMetaObject::invokeMethod(fmPrincipal, &TfmPrincipal::mItemSairClick,
                                          Qt::QueuedConnection);
            else
                QMetaObject::invokeMethod(fmPrincipal, &QWidget::close, Qt::QueuedConnection);
            return resultado;
        });
        QCOMPARE(rodarPrograma(), 0);
        QCOMPARE(fmPrincipal, nullptr);
        QCOMPARE(dmDados, nullptr);
        QCOMPARE(textosConfiguracaoEsperado(saida), textoConfiguracao());
        QVERIFY(interacao.mensagens.isEmpty());
    }

    void excecaoNaAberturaMostraErroETerminaComFalha()
    {
        InteracaoRoteirizada interacao;
        interacao.modais.enqueue(
            [](QDialog &) -> int { throw std::runtime_error("falha simulada na abertura"); });
        const int status = rodarPrograma();
        QVERIFY(status != 0);
        QCOMPARE(interacao.mensagens.size(), 1);
        QCOMPARE(interacao.mensagens[0].icone, Icone::Erro);
        QCOMPARE(interacao.mensagens[0].texto, QStringLiteral("falha simulada na abertura"));
        QCOMPARE(fmPrincipal, nullptr);
        QVERIFY(QFile::exists(QStringLiteral("config.ini")));
    }

private:
    static QString textosConfiguracaoEsperado(int saida)
    {
        return QStringLiteral("[arquivos]\nplanejamento=") +
               (saida == 0 ? QStringLiteral("Plano da Direção.xml") : QStringLiteral("novo.xml")) +
               u'\n';
    }
};

SORVANE_TESTE_MAIN(TesteInicializacao)
#include "tst_inicializacao.moc"
