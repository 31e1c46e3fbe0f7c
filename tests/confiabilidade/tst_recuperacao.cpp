#include "app/TfmPrincipal.h"
#include "data/CopiaRecuperacao.h"
#include "data/TdmDados.h"
#include "grading/ControleNotas.h"
#include "grading/TfrNotas.h"
#include "problems/ControleProblemas.h"
#include "problems/TfrProblema.h"
#include "support/Programa.h"
#include "support/Teste.h"
#include "support/data/ApoioPlano.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <cstdio>

namespace {

// Set in a copy of this executable that works on a plan until it is killed.
const char *const variavelPasta = "SORVANE_TRABALHAR";
const char *const variavelDados = "SORVANE_DADOS";

// The child's side: opens plano.xml, adds two problems, sets a grade and types their names,
// says when the recovery copy holds it all, and waits to be killed.
[[noreturn]] void trabalharAteCair()
{
    QDir::setCurrent(qEnvironmentVariable(variavelPasta));
    qputenv("XDG_DATA_HOME", qgetenv(variavelDados));
    Programa programa;
    programa.iniciar(apoio::pressionarOk({{}, {}, {}, QStringLiteral("plano.xml")}));
    controleProblemas->adicionar();
    controleProblemas->adicionar();
    controleProblemas->atualizar(true);
    controleNotas->linhaNotas(2)->tabela.definirNota(0, 0, 7);
    // The keys, last, are what the program sees of the user.
    for (int i : {1, 2}) {
        TfrProblema *quadro = controleProblemas->quadro(i);
        quadro->edProblema->clear();
        QTest::keyClicks(quadro->edProblema,
                         QString::fromLatin1(i == 1 ? "Evasao escolar" : "Merenda"));
    }
    const QString copia = CopiaRecuperacao::pasta() + u'/' +
                          dmDados->copiaRecuperacao().chaveAtual() + QStringLiteral(".xml");
    const bool pronta =
        QTest::qWaitFor([&] { return apoio::lerBytes(copia).contains("<nota>7</nota>"); }, 30000);
    std::fputs(pronta ? "pronto\n" : "sem copia\n", stdout);
    std::fflush(stdout);
    for (;;)
        QThread::sleep(60);
}

} // namespace

// Work typed and never saved survives the program's crash: the next start offers it back.
class TesteRecuperacao : public QObject {
    Q_OBJECT

public:
    TesteRecuperacao()
    {
        if (qEnvironmentVariableIsSet(variavelPasta))
            trabalharAteCair();
    }

private:
    QString pastaInicial;

private Q_SLOTS:
    void initTestCase() { pastaInicial = QDir::currentPath(); }

    // Sim brings the plan back on screen, changed and under its own name, and the next save
    // writes it there and retires the copy; Não keeps the copy for the next start.
    void trabalhoVoltaDepoisDaQueda_data()
    {
        QTest::addColumn<bool>("recuperar");
        QTest::newRow("Sim") << true;
        QTest::newRow("Não") << false;
    }

    void trabalhoVoltaDepoisDaQueda()
    {
        QFETCH(bool, recuperar);
        QVERIFY(apoio::entrarEmPastaDoCaso(pastaInicial));
        QProcess filho;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QString::fromLatin1(variavelPasta), QDir::currentPath());
        ambiente.insert(QString::fromLatin1(variavelDados), qEnvironmentVariable("XDG_DATA_HOME"));
        filho.setProcessEnvironment(ambiente);
        filho.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(filho.waitForStarted(30000));
        while (!filho.canReadLine() && filho.state() == QProcess::Running)
            filho.waitForReadyRead(1000);
        QCOMPARE(filho.readLine().trimmed(), QByteArray("pronto"));
        filho.kill(); // as a crash or a power cut would
        QVERIFY(filho.waitForFinished(30000));
        // The plan in use was remembered when it was opened, not only at a normal exit.
        QVERIFY(apoio::lerBytes(QStringLiteral("config.ini")).contains("planejamento=plano.xml"));

        auto programa = std::make_unique<Programa>();
        programa->manterRecuperacao = true;
        InteracaoRoteirizada &roteiro = programa->interacao;
        roteiro.respostas.enqueue(recuperar ? Resposta::Sim : Resposta::Nao);
        QVERIFY(programa->iniciar(apoio::pressionarOk({{}, {}, {}, QStringLiteral("plano.xml")})));
        QCOMPARE(roteiro.perguntas.size(), 1);
        const QString inicio =
            TdmDados::perguntaRecuperar.section(u'%', 0, 0) + QStringLiteral("plano.xml, de ");
        QVERIFY2(roteiro.perguntas[0].startsWith(inicio) &&
                     roteiro.perguntas[0].endsWith(QStringLiteral(". Deseja recuperá-lo?")),
                 qPrintable(roteiro.perguntas[0]));
        QCOMPARE(roteiro.janelasModais.isEmpty(), recuperar); // the school dialog
        QCOMPARE(controleProblemas->total(), recuperar ? 3 : 1);
        if (!recuperar) {
            // The copy is kept aside: the next start asks again.
            programa.reset();
            programa = std::make_unique<Programa>();
            programa->interacao.respostas.enqueue(Resposta::Nao);
            QVERIFY(programa->iniciar(apoio::pressionarOk()));
            QCOMPARE(programa->interacao.perguntas.size(), 1);
            return;
        }
        QCOMPARE(controleProblemas->nomeProblema(1), QStringLiteral("Evasao escolar"));
        QCOMPARE(dmDados->arquivoPlano, QStringLiteral("plano.xml"));
        QVERIFY(dmDados->planoAlterado());
        roteiro.limpar();
        roteiro.arquivos.enqueue(QStringLiteral("plano.xml"));
        fmPrincipal->mItemSalvarClick();
        QVERIFY(roteiro.perguntas.isEmpty() && roteiro.mensagens.isEmpty());
        const QByteArray salvo = apoio::lerBytes(QStringLiteral("plano.xml"));
        QVERIFY(salvo.contains("Merenda") && salvo.contains("<nota>7</nota>"));
        dmDados->copiaRecuperacao().aguardarGravacoes();
        QVERIFY(QDir(CopiaRecuperacao::pasta()).entryList({QStringLiteral("*.xml")}).isEmpty());
    }
};

SORVANE_TESTE_MAIN(TesteRecuperacao)
#include "tst_recuperacao.moc"
