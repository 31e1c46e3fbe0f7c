#include "app/TfmPrincipal.h"
#include "data/Erros.h"
#include "data/Regional.h"
#include "data/TdmDados.h"
#include "data/TfmDadosEscola.h"
#include "documents/TfmCedula.h"
#include "documents/TfmRelatorio.h"
#include "problems/ControleProblemas.h"
#include "problems/TfrProblema.h"
#include "support/Componentes.h"
#include "support/PlanoMaximo.h"
#include "support/Programa.h"
#include "support/Teste.h"
#include "support/data/ApoioPlano.h"
#include "voters/ControleVotantes.h"

#include <QDir>
#include <QLabel>
#include <memory>

using apoio::linhas;

// The data module: config.ini, the plan file's exact form, save and load in their fixed order,
// and what a failed save or load leaves behind.
class TesteDmDados : public QObject {
    Q_OBJECT

private:
    QString pastaInicial;
    std::unique_ptr<Programa> programa;

    void abrirPrograma() { programa = std::make_unique<Programa>(); }
    void fecharPrograma() { programa.reset(); }

    // A plan with accents, quotes and two coloured problems, as if typed on the screens.
    static void preencherPlano()
    {
        dmDados->limpar(true);
        controleProblemas->adicionar();
        controleProblemas->quadro(0)->definirNome(QStringLiteral("Evasão escolar"));
        controleProblemas->quadro(0)->definirCor(0x0000FF);
        controleProblemas->quadro(1)->definirNome(QStringLiteral("Falta de \"merenda\" & água"));
        controleProblemas->quadro(1)->definirCor(-16777201);
        fmDadosEscola->definirEscola(QStringLiteral("Escola Estadual São João"));
        fmDadosEscola->definirDiretor(QStringLiteral("Conceição Araújo"));
        fmDadosEscola->definirData(QStringLiteral("07/12/2026"));
    }

    // Each list writes its own section; a new section is one more piece, in the file's order.
    static QByteArray planoEsperado(const QList<QByteArray> &secoes)
    {
        QByteArray texto = "<planejamento xmlns=\"xmlns\">\r\n";
        for (const QByteArray &secao : secoes)
            texto += secao;
        return texto + "</planejamento>\r\n";
    }

    static QByteArray secaoEscolaEsperada()
    {
        return linhas({"    <escola nome=\"Escola Estadual S\xC3\xA3o Jo\xC3\xA3o\" "
                       "diretor=\"Concei\xC3\xA7\xC3\xA3o Ara\xC3\xBAjo\" data=\"07/12/2026\" />"});
    }

    static QByteArray secaoProblemasEsperada()
    {
        return linhas({
            "    <problemas maximo=\"10\" total=\"2\">",
            "        <problema nome=\"Evas\xC3\xA3o escolar\" cor=\"255\">descri\xC3\xA7\xC3\xA3o"
            "</problema>",
            "        <problema nome=\"Falta de &quot;merenda&quot; &amp; \xC3\xA1gua\" "
            "cor=\"-16777201\">descri\xC3\xA7\xC3\xA3o</problema>",
            "    </problemas>",
        });
    }

    // The category a new plan starts with: the default title, no identifier, one voter
    // without a name.
    static QByteArray secaoCategoriasEsperada()
    {
        return linhas({
            "    <categorias maximo=\"12\" total=\"1\">",
            "        <categoria titulo=\"Descri\xC3\xA7\xC3\xA3o da categoria\" id=\"\" cor=\"0\">",
            "            <votante />",
            "        </categoria>",
            "    </categorias>",
        });
    }

    // Per problem: the untouched grade of the one voter, one empty indicator, one empty cause
    // whose sheet was never opened, and an empty review.
    static QByteArray secoesDaAnaliseEsperadas()
    {
        return linhas({
            "    <notas>",
            "        <problema nome=\"Evas\xC3\xA3o escolar\">",
            "            <categoria nome=\"Descri\xC3\xA7\xC3\xA3o da categoria\">",
            "                <nota>0</nota>",
            "            </categoria>",
            "        </problema>",
            "        <problema nome=\"Falta de &quot;merenda&quot; &amp; \xC3\xA1gua\">",
            "            <categoria nome=\"Descri\xC3\xA7\xC3\xA3o da categoria\">",
            "                <nota>0</nota>",
            "            </categoria>",
            "        </problema>",
            "    </notas>",
            "    <indicadores>",
            "        <problema>",
            "            <indicador />",
            "        </problema>",
            "        <problema>",
            "            <indicador />",
            "        </problema>",
            "    </indicadores>",
            "    <causas>",
            "        <problema>",
            "            <causa operacoes=\"0\" />",
            "        </problema>",
            "        <problema>",
            "            <causa operacoes=\"0\" />",
            "        </problema>",
            "    </causas>",
            "    <operacoes>",
            "        <problema>",
            "            <revisao />",
            "        </problema>",
            "        <problema>",
            "            <revisao />",
            "        </problema>",
            "    </operacoes>",
        });
    }

private Q_SLOTS:
    void initTestCase() { pastaInicial = QDir::currentPath(); }

    void init() { QVERIFY(apoio::entrarEmPastaDoCaso(pastaInicial)); }

    void cleanup()
    {
        fecharPrograma();
        QDir::setCurrent(pastaInicial);
    }

    void primeiraExecucaoSemConfiguracao()
    {
        abrirPrograma();
        QCOMPARE(dmDados->arquivoPlano, QString());
        QCOMPARE(dmDados->nomeArquivoOuPadrao(), QStringLiteral("plano.xml"));
        QCOMPARE(dmDados->diretorioInicial, QDir::currentPath() + u'/');
        fecharPrograma();
        QVERIFY(QFile::exists(QStringLiteral("config.ini")));
        QCOMPARE(ArquivoIniTexto(), QStringLiteral("[arquivos]\nplanejamento=\n"));
    }

    void nomeLembradoNaConfiguracao_data()
    {
        QTest::addColumn<QByteArray>("conteudo");
        QTest::addColumn<QString>("lembrado");
        QTest::newRow("sem a chave") << QByteArray("[arquivos]\n") << QStringLiteral("./plano.xml");
        QTest::newRow("com espaços e acentos")
            << QByteArray("[arquivos]\nplanejamento=../Dire\xC3\xA7\xC3\xA3o/plano de a\xC3\xA7"
                          "\xC3\xA3o.xml\n")
            << QStringLiteral("../Direção/plano de ação.xml");
        QTest::newRow("valor vazio") << QByteArray("[arquivos]\nplanejamento=\n") << QString();
    }

    void nomeLembradoNaConfiguracao()
    {
        QFETCH(QByteArray, conteudo);
        QFETCH(QString, lembrado);
        apoio::gravarBytes(QStringLiteral("config.ini"), conteudo);
        abrirPrograma();
        QCOMPARE(dmDados->arquivoPlano, lembrado);
        QCOMPARE(dmDados->nomeArquivoOuPadrao(),
                 lembrado.isEmpty() ? QStringLiteral("plano.xml") : lembrado);
        fecharPrograma();
        // Written back plainly, as it was read.
        QCOMPARE(ArquivoIniTexto(), QStringLiteral("[arquivos]\nplanejamento=") + lembrado + u'\n');
    }

    void configuracaoVaiParaODiretorioInicial()
    {
        abrirPrograma();
        QVERIFY(QDir().mkpath(QStringLiteral("outra")));
        QVERIFY(QDir::setCurrent(QStringLiteral("outra")));
        dmDados->salvar(QStringLiteral("Plano de Ação.xml"));
        fecharPrograma();
        QVERIFY(!QFile::exists(QStringLiteral("config.ini")));
        QVERIFY(QDir::setCurrent(QStringLiteral("..")));
        QCOMPARE(ArquivoIniTexto(), QStringLiteral("[arquivos]\nplanejamento=Plano de Ação.xml\n"));
    }

    void bytesExatosDoPlanoSalvo()
    {
        abrirPrograma();
        preencherPlano();
        dmDados->salvar(QStringLiteral("plano.xml"));
        QVERIFY(programa->interacao.mensagens.isEmpty());
        QCOMPARE(apoio::lerBytes(QStringLiteral("plano.xml")),
                 planoEsperado({secaoEscolaEsperada(), secaoProblemasEsperada(),
                                secaoCategoriasEsperada(), secoesDaAnaliseEsperadas()}));
    }

    void salvarCarregarESalvarDaOsMesmosBytes()
    {
        abrirPrograma();
        preencherPlano();
        dmDados->salvar(QStringLiteral("primeiro.xml"));
        const QByteArray primeiro = apoio::lerBytes(QStringLiteral("primeiro.xml"));
        fecharPrograma();

        abrirPrograma();
        dmDados->limpar(false);
        dmDados->carregar(QStringLiteral("primeiro.xml"));
        QCOMPARE(fmDadosEscola->nomeEscola(), QStringLiteral("Escola Estadual São João"));
        QCOMPARE(fmDadosEscola->dataPlano(), QDate(2026, 12, 7));
        QCOMPARE(controleProblemas->total(), 2);
        QCOMPARE(controleVotantes->total(), 1);
        // Every section was there to read: no reader had to warn.
        QVERIFY(programa->interacao.mensagens.isEmpty());
        dmDados->salvar(QStringLiteral("segundo.xml"));
        QCOMPARE(apoio::lerBytes(QStringLiteral("segundo.xml")), primeiro);
    }

    // The plan just read takes its baseline only when something could edit it: an edit that
    // comes first, typed or from a queued call, is still a change to save.
    void edicaoLogoAposLerEhAlteracao_data()
    {
        QTest::addColumn<bool>("pelaFila");
        QTest::newRow("tecla") << false;
        QTest::newRow("chamada na fila") << true;
    }

    void edicaoLogoAposLerEhAlteracao()
    {
        QFETCH(bool, pelaFila);
        abrirPrograma();
        preencherPlano();
        dmDados->salvar(QStringLiteral("plano.xml"));
        dmDados->carregar(QStringLiteral("plano.xml"));
        QVERIFY(!dmDados->planoAlterado());
        if (pelaFila) {
            QMetaObject::invokeMethod(
                qApp, [] { controleProblemas->quadro(0)->definirNome(QStringLiteral("x")); },
                Qt::QueuedConnection);
            QCoreApplication::processEvents();
        } else {
            QTest::keyClick(controleProblemas->quadro(0)->edProblema, Qt::Key_X);
        }
        QVERIFY(dmDados->planoAlterado());
    }

    void nomeGuardadoRelativoAoDiretorioInicial_data()
    {
        QTest::addColumn<QString>("destino");
        QTest::addColumn<QString>("guardado");
        QTest::newRow("no diretório inicial")
            << QStringLiteral("y/plano.xml") << QStringLiteral("plano.xml");
        QTest::newRow("em diretório irmão")
            << QStringLiteral("x/plano.xml") << QStringLiteral("../x/plano.xml");
        QTest::newRow("em subdiretório")
            << QStringLiteral("y/sub/plano.xml") << QStringLiteral("sub/plano.xml");
    }

    void nomeGuardadoRelativoAoDiretorioInicial()
    {
        QFETCH(QString, destino);
        QFETCH(QString, guardado);
        const QString absoluto = QDir::current().absoluteFilePath(destino);
        QVERIFY(QDir().mkpath(QFileInfo(absoluto).path()));
        QVERIFY(QDir().mkpath(QStringLiteral("y")));
        QVERIFY(QDir::setCurrent(QStringLiteral("y")));
        abrirPrograma();
        dmDados->limpar(true);
        dmDados->salvar(absoluto);
        QCOMPARE(dmDados->arquivoPlano, guardado);
        QCOMPARE(fmPrincipal->nomeArquivoMostrado(), guardado);
        QVERIFY(QFile::exists(absoluto));
        fecharPrograma();
        QCOMPARE(ArquivoIniTexto(), QStringLiteral("[arquivos]\nplanejamento=") + guardado + u'\n');
    }

    void falhaDeGravacaoAvisaEPreservaOPlanoAnterior_data()
    {
        QTest::addColumn<QString>("destino");
        QTest::newRow("pasta que não existe") << QStringLiteral("não existe/plano.xml");
        QTest::newRow("nome de uma pasta") << QStringLiteral("pasta");
        QTest::newRow("nome vazio") << QString();
    }

    void falhaDeGravacaoAvisaEPreservaOPlanoAnterior()
    {
        QFETCH(QString, destino);
        QVERIFY(QDir().mkpath(QStringLiteral("pasta")));
        abrirPrograma();
        preencherPlano();
        dmDados->salvar(QStringLiteral("plano.xml"));
        const QByteArray antes = apoio::lerBytes(QStringLiteral("plano.xml"));

        fmDadosEscola->definirEscola(QStringLiteral("Outra escola"));
        dmDados->salvar(destino);
        QCOMPARE(programa->interacao.mensagens.size(), 1);
        QCOMPARE(programa->interacao.mensagens[0].icone, Icone::Informacao);
        // The message, then the system's reason.
        QVERIFY(programa->interacao.mensagens[0].texto.startsWith(
            QStringLiteral("Erro de gravação do arquivo de dados!\nTente salvar o arquivo em "
                           "outro local.\n")));
        QCOMPARE(apoio::lerBytes(QStringLiteral("plano.xml")), antes);
        QVERIFY(QFileInfo(QStringLiteral("pasta")).isDir());
        QCOMPARE(QDir(QStringLiteral("pasta")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList());
        QCOMPARE(fmPrincipal->nomeArquivoMostrado(), QStringLiteral("plano.xml"));
        // The screens still hold the plan, so a save elsewhere brings it all.
        dmDados->salvar(QStringLiteral("outro.xml"));
        QVERIFY(apoio::lerBytes(QStringLiteral("outro.xml")).contains("Outra escola"));
    }

    void salvarSubstituiTodasAsSecoes()
    {
        apoio::gravarBytes(QStringLiteral("antigo.xml"),
                           linhas({"<planejamento xmlns=\"xmlns\">", "  <antiga valor=\"1\"/>",
                                   "  <escola nome=\"E\" diretor=\"D\" data=\"01/02/2025\"/>",
                                   "</planejamento>"}));
        abrirPrograma();
        dmDados->carregar(QStringLiteral("antigo.xml"));
        dmDados->salvar(QStringLiteral("antigo.xml"));
        const QByteArray salvo = apoio::lerBytes(QStringLiteral("antigo.xml"));
        QVERIFY(!salvo.contains("antiga"));
        QVERIFY(salvo.contains("<escola nome=\"E\" diretor=\"D\" data=\"01/02/2025\" />"));
    }

    void raizEstranhaEhRecusada()
    {
        const QByteArray estranho =
            "<plano outro=\"1\"><escola nome=\"E\" diretor=\"D\" data=\"\"/></plano>";
        apoio::gravarBytes(QStringLiteral("estranho.xml"), estranho);
        abrirPrograma();
        QVERIFY_THROWS_EXCEPTION(ErroXml, dmDados->carregar(QStringLiteral("estranho.xml")));
        QVERIFY(dmDados->arquivoPlano != QStringLiteral("estranho.xml"));
        QCOMPARE(apoio::lerBytes(QStringLiteral("estranho.xml")), estranho);
    }

    void raizPeloNomeLocalEEspacoDeNomes_data()
    {
        QTest::addColumn<QByteArray>("declaracao"); // of the root, in place of xmlns="xmlns"
        QTest::addColumn<bool>("prefixo");          // every element as p:nome
        QTest::addColumn<bool>("plano");
        QTest::newRow("prefixo do espaço do plano")
            << QByteArray("xmlns:p=\"xmlns\"") << true << true;
        QTest::newRow("sem espaço de nomes") << QByteArray() << false << true;
        QTest::newRow("prefixo de outro espaço")
            << QByteArray("xmlns:p=\"urn:outro\"") << true << false;
        QTest::newRow("espaço padrão de outro programa")
            << QByteArray("xmlns=\"urn:outro\"") << false << false;
    }

    // The same plan opens, whole, however its namespace is written; another program's does not.
    void raizPeloNomeLocalEEspacoDeNomes()
    {
        QFETCH(QByteArray, declaracao);
        QFETCH(bool, prefixo);
        QFETCH(bool, plano);
        gravarPlanoMaximo(QStringLiteral("maximo.xml"));
        abrirPrograma();
        dmDados->carregar(QStringLiteral("maximo.xml"));
        dmDados->salvar(QStringLiteral("primeiro.xml"));
        const QByteArray primeiro = apoio::lerBytes(QStringLiteral("primeiro.xml"));
        QByteArray escrito = QByteArray(primeiro).replace("xmlns=\"xmlns\"", declaracao);
        if (prefixo)
            escrito.replace("</", "\x01").replace("<", "<p:").replace("\x01", "</p:");
        apoio::gravarBytes(QStringLiteral("escrito.xml"), escrito);
        dmDados->limpar(false);
        if (!plano) {
            QVERIFY_THROWS_EXCEPTION(ErroXml, dmDados->carregar(QStringLiteral("escrito.xml")));
            return;
        }
        dmDados->carregar(QStringLiteral("escrito.xml"));
        QVERIFY(programa->interacao.mensagens.isEmpty());
        dmDados->salvar(QStringLiteral("segundo.xml"));
        QCOMPARE(apoio::lerBytes(QStringLiteral("segundo.xml")), primeiro);
    }

    void documentoGravaOMesmoArquivoDuasVezes_data()
    {
        QTest::addColumn<int>("documento");
        QTest::newRow("cédula") << 0;
        QTest::newRow("ata") << 1;
        QTest::newRow("organograma") << 2;
    }

    void documentoGravaOMesmoArquivoDuasVezes()
    {
        QFETCH(int, documento);
        abrirPrograma();
        preencherPlano();
        dmDados->salvar(QStringLiteral("plano.xml"));
        const QByteArray salvo = apoio::lerBytes(QStringLiteral("plano.xml"));
        QVERIFY(QFile::remove(QStringLiteral("plano.xml")));

        TfmCedula cedula;
        TfmRelatorio relatorio;
        fmCedula = &cedula;
        fmRelatorio = &relatorio;
        if (documento == 0)
            dmDados->prepararCedula();
        else if (documento == 1)
            dmDados->prepararAta();
        else
            QCOMPARE(dmDados->prepararOrganograma().item(0).nome(), QStringLiteral("escola"));
        fmCedula = nullptr;
        fmRelatorio = nullptr;
        QCOMPARE(apoio::lerBytes(QStringLiteral("plano.xml")), salvo);
    }

    void secoesEntreguesAntesContinuamValidas()
    {
        abrirPrograma();
        preencherPlano();
        dmDados->salvar(QStringLiteral("plano.xml"));
        const ListaNos antigas = dmDados->prepararOrganograma();
        fmDadosEscola->definirEscola(QStringLiteral("Nova"));
        const ListaNos novas = dmDados->prepararOrganograma();
        QCOMPARE(antigas.porNome(QStringLiteral("escola")).atributo(QStringLiteral("nome")).texto(),
                 QStringLiteral("Escola Estadual São João"));
        QCOMPARE(novas.porNome(QStringLiteral("escola")).atributo(QStringLiteral("nome")).texto(),
                 QStringLiteral("Nova"));
    }

    void carregarRaizVaziaNaoMexeNaEscola()
    {
        apoio::gravarBytes(QStringLiteral("vazio.xml"), "<planejamento xmlns=\"xmlns\"/>");
        abrirPrograma();
        fmDadosEscola->definirEscola(QStringLiteral("Digitada"));
        fmDadosEscola->definirData(QStringLiteral("03/04/2025"));
        dmDados->carregar(QStringLiteral("vazio.xml"));
        QCOMPARE(fmDadosEscola->nomeEscola(), QStringLiteral("Digitada"));
        QCOMPARE(fmDadosEscola->dataPlano(), QDate(2025, 4, 3));
        QCOMPARE(apoio::rotuloCabecalho("lblNomeEscola")->text(), QStringLiteral("[]"));
        QVERIFY(apoio::rotuloCabecalho("lblNomeEscola")->isHidden());
        QCOMPARE(fmPrincipal->nomeArquivoMostrado(), QStringLiteral("vazio.xml"));
        QCOMPARE(dmDados->arquivoPlano, QStringLiteral("vazio.xml"));
        // The problem list answers a missing section with one default problem.
        QCOMPARE(controleProblemas->total(), 1);
    }

    void carregarArquivoDanificadoNaoMudaNada()
    {
        abrirPrograma();
        preencherPlano();
        dmDados->salvar(QStringLiteral("bom.xml"));
        apoio::gravarBytes(QStringLiteral("ruim.xml"), "<planejamento><escola></planejamento>");
        QVERIFY_THROWS_EXCEPTION(ErroXml, dmDados->carregar(QStringLiteral("ruim.xml")));
        QCOMPARE(dmDados->arquivoPlano, QStringLiteral("bom.xml"));
        QCOMPARE(fmPrincipal->nomeArquivoMostrado(), QStringLiteral("bom.xml"));
        QCOMPARE(dmDados->xmlDoc.secoes().quantidade(), 7);
        QCOMPARE(controleProblemas->total(), 2);
        QCOMPARE(controleVotantes->total(), 1);
    }

    void carregarNomeInexistenteMantemONome()
    {
        abrirPrograma();
        dmDados->limpar(true);
        dmDados->salvar(QStringLiteral("atual.xml"));
        fmPrincipal->mostrarNomeArquivo(QStringLiteral("outro texto"));
        dmDados->limpar(false);
        dmDados->carregar(QStringLiteral("não existe.xml"));
        QCOMPARE(dmDados->arquivoPlano, QStringLiteral("atual.xml"));
        QCOMPARE(fmPrincipal->nomeArquivoMostrado(), QStringLiteral("atual.xml"));
        QVERIFY(!QFile::exists(QStringLiteral("não existe.xml")));
    }

    void salvarSemDocumentoAtivoCriaARaiz()
    {
        // A failed load must not leave a document that saves without its root declaration.
        apoio::gravarBytes(QStringLiteral("ruim.xml"), "isto não é xml");
        abrirPrograma();
        QVERIFY_THROWS_EXCEPTION(ErroXml, dmDados->carregar(QStringLiteral("ruim.xml")));
        dmDados->salvar(QStringLiteral("novo.xml"));
        QVERIFY(apoio::lerBytes(QStringLiteral("novo.xml"))
                    .startsWith("<planejamento xmlns=\"xmlns\">\r\n    <escola "));
    }

private:
    static QString ArquivoIniTexto()
    {
        return QString::fromUtf8(apoio::lerBytes(QStringLiteral("config.ini")))
            .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }
};

SORVANE_TESTE_MAIN(TesteDmDados)
#include "tst_dmdados.moc"
