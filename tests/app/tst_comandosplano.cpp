#include "app/TfmPrincipal.h"
#include "data/TdmDados.h"
#include "data/TfmDadosEscola.h"
#include "grading/ControleNotas.h"
#include "problems/ControleProblemas.h"
#include "problems/TfrProblema.h"
#include "support/Componentes.h"
#include "support/Programa.h"
#include "support/SemPrivilegioDeArquivos.h"
#include "support/Teste.h"
#include "support/data/ApoioPlano.h"
#include "voters/ControleVotantes.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <memory>

using apoio::linhas;

// The plan commands of the main window: New, Open and Save, and what each leaves on screen
// and on disk when the user stops half-way or the file is bad.
class TesteComandosPlano : public QObject {
    Q_OBJECT

private:
    QString pastaInicial;
    std::unique_ptr<Programa> programa;

    // Everything the user sees of the plan, to tell whether a command changed anything.
    struct Retrato {
        QStringList problemas;
        QString escola, diretor, nomePlano;
        QDate data;
        QString cabecalhoEscola, cabecalhoDiretor, cabecalhoArquivo, arquivoPlano;
        bool operator==(const Retrato &) const = default;
    };

    static Retrato retratar()
    {
        Retrato r;
        for (int i = 0; i < controleProblemas->total(); ++i)
            r.problemas.append(controleProblemas->nomeProblema(i));
        r.escola = fmDadosEscola->nomeEscola();
        r.diretor = fmDadosEscola->nomeDiretor();
        r.nomePlano = fmDadosEscola->nomePlano();
        r.data = fmDadosEscola->dataPlano();
        r.cabecalhoEscola = apoio::rotuloCabecalho("lblNomeEscola")->text();
        r.cabecalhoDiretor = apoio::rotuloCabecalho("lblNomeDiretor")->text();
        r.cabecalhoArquivo = fmPrincipal->nomeArquivoMostrado();
        r.arquivoPlano = dmDados->arquivoPlano;
        return r;
    }

    // A running program with plan "atual.xml": school A, two named problems.
    void iniciarComPlano()
    {
        programa = std::make_unique<Programa>();
        QVERIFY(programa->iniciar(
            apoio::pressionarOk({QStringLiteral("Escola A"), QStringLiteral("Diretor A"),
                                 QStringLiteral("10/10/2024"), QStringLiteral("atual.xml")})));
        controleProblemas->quadro(0)->definirNome(QStringLiteral("Evasão"));
        controleProblemas->adicionar();
        controleProblemas->quadro(1)->definirNome(QStringLiteral("Merenda"));
        programa->interacao.limpar();
    }

private Q_SLOTS:
    void initTestCase() { pastaInicial = QDir::currentPath(); }

    void init()
    {
        QVERIFY(apoio::entrarEmPastaDoCaso(pastaInicial));
        iniciarComPlano();
    }

    void cleanup()
    {
        programa.reset();
        QDir::setCurrent(pastaInicial);
    }

    void perguntaAntesDeDeixarOPlano_data()
    {
        QTest::addColumn<int>("comando"); // "Novo plano", "Abrir plano", "Sair", closing
        QTest::addColumn<bool>("alterado");
        QTest::addColumn<Resposta>("resposta");
        QTest::addColumn<QString>("salvarComo"); // the save dialog's answer after Yes
        QTest::addColumn<bool>("segue");
        const Resposta sim = Resposta::Sim, nao = Resposta::Nao, abortar = Resposta::Abortar;
        QTest::newRow("Novo, Abortar") << 0 << false << abortar << "" << false;
        QTest::newRow("Novo, Sim e gravação cancelada") << 0 << false << sim << "" << false;
        QTest::newRow("Novo, Sim e gravação que falha") << 0 << false << sim << "x/y.xml" << false;
        QTest::newRow("Abrir sem mudanças") << 1 << false << nao << "" << true;
        QTest::newRow("Abrir, Abortar") << 1 << true << abortar << "" << false;
        QTest::newRow("Abrir, Sim e gravado") << 1 << true << sim << "salvo.xml" << true;
        QTest::newRow("Sair sem mudanças") << 2 << false << nao << "" << true;
        QTest::newRow("Sair, Não") << 2 << true << nao << "" << true;
        QTest::newRow("Sair, Sim e gravação cancelada") << 2 << true << sim << "" << false;
        QTest::newRow("fechar sem mudanças") << 3 << false << nao << "" << true;
        QTest::newRow("fechar, Abortar") << 3 << true << abortar << "" << false;
    }

    // New always asks; the others only when the screens hold what was not saved. Any answer but
    // Yes and No, and a save that does not happen, leave the plan and its file as they were.
    void perguntaAntesDeDeixarOPlano()
    {
        QFETCH(int, comando);
        QFETCH(bool, alterado);
        QFETCH(Resposta, resposta);
        QFETCH(QString, salvarComo);
        QFETCH(bool, segue);
        InteracaoRoteirizada &roteiro = programa->interacao;
        roteiro.arquivos.enqueue(QStringLiteral("atual.xml"));
        fmPrincipal->mItemSalvarClick();
        const QByteArray salvo = apoio::lerBytes(QStringLiteral("atual.xml"));
        apoio::gravarBytes(QStringLiteral("outro.xml"), salvo);
        if (alterado)
            controleProblemas->quadro(1)->definirNome(QStringLiteral("Transporte"));
        const Retrato antes = retratar();
        roteiro.limpar();
        roteiro.respostas.enqueue(resposta);
        if (resposta == Resposta::Sim)
            roteiro.arquivos.enqueue(salvarComo);
        roteiro.arquivos.enqueue(QStringLiteral("outro.xml"));
        bool seguiu = false;
        if (comando == 0) {
            fmPrincipal->mItemNovoClick();
            seguiu = !roteiro.janelasModais.isEmpty();
        } else if (comando == 1) {
            fmPrincipal->mItemAbrirClick();
            seguiu = dmDados->arquivoPlano == QStringLiteral("outro.xml");
        } else if (comando == 2) {
            // In the event loop, as the user quits. Posted from within, the second call runs
            // only on a loop that "Sair" did not end.
            QMetaObject::invokeMethod(
                qApp,
                [] {
                    fmPrincipal->mItemSairClick();
                    QMetaObject::invokeMethod(
                        qApp, [] { QCoreApplication::exit(1); }, Qt::QueuedConnection);
                },
                Qt::QueuedConnection);
            seguiu = QApplication::exec() == 0;
            QCoreApplication::removePostedEvents(qApp, QEvent::MetaCall);
        } else {
            seguiu = fmPrincipal->close();
        }
        QCOMPARE(roteiro.perguntas.size(), alterado || comando == 0 ? 1 : 0);
        QCOMPARE(seguiu, segue);
        Retrato depois = retratar();
        depois.arquivoPlano = antes.arquivoPlano; // a failed save keeps the name it was given
        QVERIFY(segue || depois == antes);
        QCOMPARE(apoio::lerBytes(QStringLiteral("atual.xml")), salvo);
        if (salvarComo == QStringLiteral("salvo.xml"))
            QVERIFY(apoio::lerBytes(salvarComo).contains("Transporte"));
    }

    void novoLimpaOPlano_data()
    {
        QTest::addColumn<Resposta>("resposta");
        QTest::addColumn<QString>("salvarComo"); // empty: the save dialog is cancelled
        QTest::newRow("Não") << Resposta::Nao << QString();
        QTest::newRow("Sim e gravado") << Resposta::Sim << QStringLiteral("guardado.xml");
    }

    void novoLimpaOPlano()
    {
        QFETCH(Resposta, resposta);
        QFETCH(QString, salvarComo);
        const Retrato antes = retratar();
        programa->interacao.respostas.enqueue(resposta);
        if (!salvarComo.isEmpty())
            programa->interacao.arquivos.enqueue(salvarComo);
        fmPrincipal->mItemNovoClick();

        QCOMPARE(programa->interacao.sugestoesArquivo.size(), resposta == Resposta::Sim ? 1 : 0);
        if (!salvarComo.isEmpty()) {
            const QByteArray salvo = apoio::lerBytes(salvarComo);
            QVERIFY(salvo.contains("nome=\"Merenda\""));
            QVERIFY(salvo.contains("nome=\"Escola A\""));
        }
        const Retrato depois = retratar();
        QCOMPARE(depois.problemas, QStringList{QStringLiteral("Problema")});
        QCOMPARE(depois.escola, QString());
        QCOMPARE(depois.diretor, QString());
        QCOMPARE(depois.data, QDate::currentDate());
        QCOMPARE(programa->interacao.janelasModais, QStringList{QStringLiteral("fmDadosEscola")});
        // The dialog was closed without Ok: the new plan has no file, and the header shows
        // nothing of the old one.
        QVERIFY(apoio::rotuloCabecalho("lblNomeEscola")->isHidden());
        QVERIFY(apoio::rotuloCabecalho("lblNomePlanejamento")->isHidden());
        QCOMPARE(depois.arquivoPlano, QString());
        QVERIFY(!fmDadosEscola->parteDoPlanoHabilitada());
    }

    void novoNuncaGravaNoArquivoAnterior_data()
    {
        QTest::addColumn<QString>("noDialogo");   // empty: the dialog is cancelled
        QTest::addColumn<QString>("noDocumento"); // then asked by the minutes; empty: cancelled
        QTest::newRow("Ok com o nome do anterior: abre-o") << "atual.xml"
                                                           << "";
        QTest::newRow("Cancelar: o documento pede o nome") << ""
                                                           << "novo.xml";
        QTest::newRow("Cancelar e desistir do nome") << ""
                                                     << "";
    }

    void novoNuncaGravaNoArquivoAnterior()
    {
        QFETCH(QString, noDialogo);
        QFETCH(QString, noDocumento);
        const QString arquivo = noDialogo + noDocumento; // the plan's file at the end
        const QByteArray anterior = apoio::lerBytes(QStringLiteral("atual.xml"));
        programa->interacao.respostas.enqueue(Resposta::Nao);
        if (!noDialogo.isEmpty())
            programa->interacao.modais.enqueue(apoio::pressionarOk({{}, {}, {}, noDialogo}));
        fmPrincipal->mItemNovoClick();
        QCOMPARE(apoio::rotuloCabecalho("lblNomePlanejamento")->isHidden(), noDialogo.isEmpty());
        programa->interacao.arquivos.enqueue(noDocumento);
        fmPrincipal->mItemGerarAtaClick();
        QCOMPARE(programa->interacao.janelasModais.contains(QStringLiteral("fmRelatorio")),
                 !arquivo.isEmpty());
        QCOMPARE(dmDados->arquivoPlano, arquivo);
        QCOMPARE(apoio::lerBytes(QStringLiteral("atual.xml")), anterior);
        QCOMPARE(QFile::exists(QStringLiteral("novo.xml")), !noDocumento.isEmpty());
    }

    void abrirQueFalhaNaoMudaNada_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QByteArray>("conteudo"); // null: no file is made
        QTest::newRow("XML mal formado")
            << QStringLiteral("danificado.xml") << QByteArray("<planejamento><escola nome=\"x\">");
        QTest::newRow("sem elemento raiz") << QStringLiteral("vazio.xml") << QByteArray("");
        QTest::newRow("nome que não existe") << QStringLiteral("sumiu.xml") << QByteArray();
        QTest::newRow("uma pasta") << QStringLiteral("pasta.xml") << QByteArray();
        QTest::newRow("dispositivo sem fim") << QStringLiteral("/dev/zero") << QByteArray();
    }

    void abrirQueFalhaNaoMudaNada()
    {
        QFETCH(QString, nome);
        QFETCH(QByteArray, conteudo);
        if (!conteudo.isNull())
            apoio::gravarBytes(nome, conteudo);
        if (nome == QStringLiteral("pasta.xml"))
            QVERIFY(QDir().mkpath(nome));
        const Retrato antes = retratar();
        const QByteArray planoAtual = apoio::lerBytes(QStringLiteral("atual.xml"));

        programa->interacao.arquivos.enqueue(nome);
        fmPrincipal->mItemAbrirClick();
        QCOMPARE(programa->interacao.sugestoesArquivo, QStringList{QStringLiteral("atual.xml")});
        QCOMPARE(programa->interacao.mensagens.size(), 1);
        QCOMPARE(programa->interacao.mensagens[0].icone, Icone::Informacao);
        QCOMPARE(programa->interacao.mensagens[0].texto,
                 QStringLiteral("Problemas durante leitura de dados do arquivo:\n") + nome);
        QVERIFY(retratar() == antes);
        if (!conteudo.isNull())
            QCOMPARE(apoio::lerBytes(nome), conteudo);
        // A later document is still generated into the plan that was current.
        dmDados->prepararOrganograma();
        QVERIFY(apoio::lerBytes(QStringLiteral("atual.xml")).contains("Merenda"));
        QVERIFY(apoio::lerBytes(QStringLiteral("atual.xml")).size() > planoAtual.size());
    }

    void abrirCanceladoNaoFazNada()
    {
        const Retrato antes = retratar();
        fmPrincipal->mItemAbrirClick();
        QVERIFY(retratar() == antes);
        QVERIFY(programa->interacao.mensagens.isEmpty());
    }

    void abrirSubstituiOPlano()
    {
        QVERIFY(QDir().mkpath(QStringLiteral("outros")));
        apoio::gravarBytes(
            QStringLiteral("outros/outro.xml"),
            linhas({"<planejamento xmlns=\"xmlns\">",
                    "    <escola nome=\"Escola B\" diretor=\"Diretor B\" data=\"02/03/2021\" />",
                    "    <problemas maximo=\"10\" total=\"1\">",
                    "        <problema nome=\"Único\" cor=\"0\">descri\xC3\xA7\xC3\xA3o</problema>",
                    "    </problemas>",
                    "    <categorias maximo=\"12\" total=\"1\">",
                    "        <categoria titulo=\"Alunos\" id=\"ALU\" cor=\"0\">",
                    "            <votante>Bia</votante>",
                    "            <votante>Caio</votante>",
                    "            <votante>Davi</votante>",
                    "        </categoria>",
                    "    </categorias>",
                    "    <notas>",
                    "        <problema nome=\"Único\">",
                    "            <categoria nome=\"Alunos\">",
                    "                <nota>1</nota>",
                    "                <nota>2</nota>",
                    "                <nota>3</nota>",
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
                    "    </operacoes>",
                    "</planejamento>"}));
        programa->interacao.arquivos.enqueue(
            QDir::current().absoluteFilePath(QStringLiteral("outros/outro.xml")));
        fmPrincipal->mItemAbrirClick();
        const Retrato depois = retratar();
        QCOMPARE(depois.problemas, QStringList{QStringLiteral("Único")});
        QCOMPARE(depois.escola, QStringLiteral("Escola B"));
        QCOMPARE(depois.data, QDate(2021, 3, 2));
        QCOMPARE(depois.cabecalhoEscola, QStringLiteral("Escola B"));
        QCOMPARE(depois.cabecalhoDiretor, QStringLiteral("Diretor B"));
        QCOMPARE(depois.arquivoPlano, QStringLiteral("outros/outro.xml"));
        QCOMPARE(depois.cabecalhoArquivo, QStringLiteral("outros/outro.xml"));
        // The categories on screen before were removed, not kept beside the file's.
        QCOMPARE(controleVotantes->total(), 1);
        QCOMPARE(controleVotantes->tituloCategoria(0), QStringLiteral("Alunos"));
        QCOMPARE(controleVotantes->nomeVotante(0, 2), QStringLiteral("Davi"));
        QCOMPARE(controleNotas->total(), 1);
        QVERIFY(programa->interacao.mensagens.isEmpty());
    }

    void salvarPdfNuncaGravaPorCimaSemPerguntar_data()
    {
        QTest::addColumn<int>("documento");     // ballot, minutes, chart
        QTest::addColumn<QStringList>("nomes"); // the file dialog's answers, in turn
        QTest::addColumn<Resposta>("resposta"); // to "replace the file?"
        QTest::addColumn<QString>("gravado");   // the PDF written; empty: none
        QTest::addColumn<int>("recusas");
        const Resposta nao = Resposta::Nao;
        QTest::newRow("cédula sobre o plano") << 0 << QStringList{"atual.xml"} << nao << "" << 1;
        QTest::newRow("ata sobre config.ini, depois sem extensão")
            << 1 << QStringList{"config.ini", "ata"} << nao << "ata.pdf" << 1;
        QTest::newRow("organograma sem extensão")
            << 2 << QStringList{"org"} << nao << "org.pdf" << 0;
        QTest::newRow("organograma, Sim")
            << 2 << QStringList{"velho.pdf"} << Resposta::Sim << "velho.pdf" << 0;
        QTest::newRow("ata, Não e outro nome")
            << 1 << QStringList{"velho.pdf", "novo.pdf"} << nao << "novo.pdf" << 0;
        QTest::newRow("cédula, Abortar")
            << 0 << QStringList{"velho.pdf"} << Resposta::Abortar << "" << 0;
    }

    void salvarPdfNuncaGravaPorCimaSemPerguntar()
    {
        QFETCH(int, documento);
        QFETCH(QStringList, nomes);
        QFETCH(Resposta, resposta);
        QFETCH(QString, gravado);
        QFETCH(int, recusas);
        const QByteArray configuracao = "[arquivos]\nplanejamento=atual.xml\n";
        apoio::gravarBytes(QStringLiteral("config.ini"), configuracao);
        apoio::gravarBytes(QStringLiteral("velho.pdf"), "antigo");
        QByteArray plano;
        programa->interacao.modais.enqueue([&](QDialog &janela) {
            plano = apoio::lerBytes(QStringLiteral("atual.xml"));
            programa->interacao.arquivos.append(nomes);
            programa->interacao.respostas.enqueue(resposta);
            janela.findChild<QPushButton *>(QStringLiteral("btnSalvarPdf"))->click();
            return int(QDialog::Rejected);
        });
        const decltype(&TfmPrincipal::mItemGerarAtaClick) comandos[] = {
            &TfmPrincipal::mItemGerarCedulaClick, &TfmPrincipal::mItemGerarAtaClick,
            &TfmPrincipal::mItemGerarOrganogramaClick};
        (fmPrincipal->*comandos[documento])();
        QCOMPARE(programa->interacao.mensagens.size(), recusas);
        QCOMPARE(programa->interacao.perguntas.size(), nomes.contains("velho.pdf") ? 1 : 0);
        QCOMPARE(apoio::lerBytes(QStringLiteral("atual.xml")), plano);
        QCOMPARE(apoio::lerBytes(QStringLiteral("config.ini")), configuracao);
        QCOMPARE(apoio::lerBytes(QStringLiteral("velho.pdf")) == "antigo", gravado != "velho.pdf");
        QVERIFY(gravado.isEmpty() || apoio::lerBytes(gravado).startsWith("%PDF"));
    }

    // Without a temporary file beside it, a writable plan (and config.ini) is written in place; a
    // file that cannot be written either is reported and left as it was.
    void pastaSomenteLeituraGravaNoProprioArquivo_data()
    {
        QTest::addColumn<bool>("gravaveis");
        QTest::newRow("plano e config.ini graváveis") << true;
        QTest::newRow("plano e config.ini somente leitura") << false;
    }

    void pastaSomenteLeituraGravaNoProprioArquivo()
    {
        QFETCH(bool, gravaveis);
        const QByteArray anterior = apoio::lerBytes(QStringLiteral("atual.xml"));
        apoio::gravarBytes(QStringLiteral("config.ini"), "[arquivos]\nplanejamento=velho.xml\n");
        const auto leitura = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
        for (const QString &nome : {QStringLiteral("atual.xml"), QStringLiteral("config.ini")})
            QFile::setPermissions(nome, gravaveis ? leitura | QFileDevice::WriteOwner : leitura);
        QFile::setPermissions(QDir::currentPath(), leitura);
        {
            apoio::SemPrivilegioDeArquivos semPrivilegio;
            programa->interacao.arquivos.enqueue(QStringLiteral("atual.xml"));
            fmPrincipal->mItemSalvarClick();
            QCOMPARE(programa->interacao.mensagens.size(), gravaveis ? 0 : 1);
            programa.reset(); // the exit writes config.ini
        }
        QFile::setPermissions(QDir::currentPath(), leitura | QFileDevice::WriteOwner);
        const QByteArray plano = apoio::lerBytes(QStringLiteral("atual.xml"));
        QVERIFY(gravaveis ? plano.contains("Merenda") : plano == anterior);
        QCOMPARE(apoio::lerBytes(QStringLiteral("config.ini")).contains("=atual.xml"), gravaveis);
    }

    void salvarSemprePedeONome()
    {
        fmPrincipal->mItemSalvarClick();
        // The dialog opens in the plan's folder, with no name in its box.
        QCOMPARE(programa->interacao.sugestoesArquivo, QStringList{QDir::currentPath() + u'/'});
        QCOMPARE(dmDados->arquivoPlano, QStringLiteral("atual.xml"));

        programa->interacao.arquivos.enqueue(
            QDir::current().absoluteFilePath(QStringLiteral("copia.xml")));
        fmPrincipal->mItemSalvarClick();
        QCOMPARE(dmDados->arquivoPlano, QStringLiteral("copia.xml"));
        QCOMPARE(fmPrincipal->nomeArquivoMostrado(), QStringLiteral("copia.xml"));
        QVERIFY(apoio::lerBytes(QStringLiteral("copia.xml")).contains("nome=\"Merenda\""));
    }

    // A plan opened from another folder: the save dialog starts there, so typing the plan's own
    // name replaces it instead of leaving a copy in the start-up folder.
    void salvarAbreNaPastaDoPlano()
    {
        QDir().mkdir(QStringLiteral("outra"));
        QFile::copy(QStringLiteral("atual.xml"), QStringLiteral("outra/visitado.xml"));
        programa->interacao.arquivos.enqueue(QStringLiteral("outra/visitado.xml"));
        fmPrincipal->mItemAbrirClick();
        QCOMPARE(dmDados->arquivoPlano, QStringLiteral("outra/visitado.xml"));
        fmPrincipal->mItemSalvarClick();
        QCOMPARE(programa->interacao.sugestoesArquivo.last(),
                 QDir::current().absoluteFilePath(QStringLiteral("outra")) + u'/');
    }
};

SORVANE_TESTE_MAIN(TesteComandosPlano)
#include "tst_comandosplano.moc"
