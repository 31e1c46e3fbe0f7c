#include "app/TfmPrincipal.h"
#include "data/TdmDados.h"
#include "data/TfmDadosEscola.h"
#include "grading/ControleNotas.h"
#include "problems/ControleProblemas.h"
#include "problems/TfrProblema.h"
#include "support/Programa.h"
#include "support/Teste.h"
#include "support/data/ApoioPlano.h"
#include "voters/ControleVotantes.h"

#include <QDir>
#include <QLabel>
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

    static QLabel *rotuloCabecalho(const char *nome)
    {
        auto *painel = fmPrincipal->findChild<QFrame *>(QStringLiteral("painelPrincipal"));
        return painel->findChild<QLabel *>(QString::fromLatin1(nome));
    }

    static Retrato retratar()
    {
        Retrato r;
        for (int i = 0; i < controleProblemas->total(); ++i)
            r.problemas.append(controleProblemas->nomeProblema(i));
        r.escola = fmDadosEscola->nomeEscola();
        r.diretor = fmDadosEscola->nomeDiretor();
        r.nomePlano = fmDadosEscola->nomePlano();
        r.data = fmDadosEscola->dataPlano();
        r.cabecalhoEscola = rotuloCabecalho("lblNomeEscola")->text();
        r.cabecalhoDiretor = rotuloCabecalho("lblNomeDiretor")->text();
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

    void novoComAbortarNaoMudaNada()
    {
        const Retrato antes = retratar();
        programa->interacao.respostas.enqueue(Resposta::Abortar);
        fmPrincipal->mItemNovoClick();
        QCOMPARE(programa->interacao.perguntas,
                 QStringList{QStringLiteral("Deseja salvar o planejamento atual?")});
        QVERIFY(retratar() == antes);
        QVERIFY(programa->interacao.janelasModais.isEmpty());
        QVERIFY(programa->interacao.sugestoesArquivo.isEmpty());
    }

    void novoLimpaOPlano_data()
    {
        QTest::addColumn<Resposta>("resposta");
        QTest::addColumn<QString>("salvarComo"); // empty: the save dialog is cancelled
        QTest::newRow("Não") << Resposta::Nao << QString();
        QTest::newRow("Sim e gravação cancelada") << Resposta::Sim << QString();
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
        // The dialog was closed without Ok: the header keeps the old names, and New keeps the
        // plan file name.
        QCOMPARE(depois.cabecalhoEscola, antes.cabecalhoEscola);
        QCOMPARE(depois.arquivoPlano, salvarComo.isEmpty() ? antes.arquivoPlano : salvarComo);
        QVERIFY(!fmDadosEscola->parteDoPlanoHabilitada());
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

    void salvarSemprePedeONome()
    {
        fmPrincipal->mItemSalvarClick();
        QCOMPARE(programa->interacao.sugestoesArquivo, QStringList{QString()});
        QCOMPARE(dmDados->arquivoPlano, QStringLiteral("atual.xml"));

        programa->interacao.arquivos.enqueue(
            QDir::current().absoluteFilePath(QStringLiteral("copia.xml")));
        fmPrincipal->mItemSalvarClick();
        QCOMPARE(dmDados->arquivoPlano, QStringLiteral("copia.xml"));
        QCOMPARE(fmPrincipal->nomeArquivoMostrado(), QStringLiteral("copia.xml"));
        QVERIFY(apoio::lerBytes(QStringLiteral("copia.xml")).contains("nome=\"Merenda\""));
    }
};

SORVANE_TESTE_MAIN(TesteComandosPlano)
#include "tst_comandosplano.moc"
