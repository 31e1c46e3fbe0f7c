#include "app/TfmPrincipal.h"
#include "data/TdmDados.h"
#include "data/TravaPlano.h"
#include "problems/ControleProblemas.h"
#include "problems/TfrProblema.h"
#include "support/Programa.h"
#include "support/SemPrivilegioDeArquivos.h"
#include "support/Teste.h"
#include "support/data/ApoioPlano.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QThread>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

// Set in a copy of this executable that holds a plan's lock until it is killed.
const char *const variavelTrava = "SORVANE_TRAVAR";

[[noreturn]] void segurarTrava(const QString &plano)
{
    const TravaPlano trava(plano);
    std::fputs(trava.estado() == TravaPlano::Estado::tomada ? "pronto\n" : "falhou\n", stdout);
    std::fflush(stdout);
    for (;;)
        QThread::sleep(60);
}

// Another running copy of the program, as far as the plan's lock can tell.
class OutraCopia {
public:
    explicit OutraCopia(const QString &plano)
    {
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QString::fromLatin1(variavelTrava), QFileInfo(plano).absoluteFilePath());
        processo.setProcessEnvironment(ambiente);
        processo.start(QCoreApplication::applicationFilePath(), {});
        while (processo.waitForStarted(30000) && !processo.canReadLine() &&
               processo.state() == QProcess::Running)
            processo.waitForReadyRead(1000);
        pronta = processo.readLine().trimmed() == "pronto";
    }
    ~OutraCopia() { cair(); }
    void cair() // as a crash or a power cut would
    {
        processo.kill();
        processo.waitForFinished(30000);
    }

    QProcess processo;
    bool pronta = false;
};

InteracaoRoteirizada::AcaoModal pressionar(const QString &botao)
{
    return [botao](QDialog &janela) {
        janela.findChild<QPushButton *>(botao)->click();
        return janela.result();
    };
}

} // namespace

Q_DECLARE_METATYPE(Resposta)

// A plan open in two copies of the program, and a plan file changed by another program: nothing
// either of them wrote is written over without the user saying so.
class TesteConcorrencia : public QObject {
    Q_OBJECT

public:
    TesteConcorrencia()
    {
        if (qEnvironmentVariableIsSet(variavelTrava))
            segurarTrava(qEnvironmentVariable(variavelTrava));
    }

private:
    QString pastaInicial;
    std::unique_ptr<Programa> programa;
    const QString outro = QStringLiteral("compartilhada/outro.xml");

    // The program with plan "atual.xml", a change on screen, and another plan "outro.xml".
    void iniciar()
    {
        QVERIFY(apoio::entrarEmPastaDoCaso(pastaInicial));
        programa = std::make_unique<Programa>();
        QVERIFY(programa->iniciar(apoio::pressionarOk({{}, {}, {}, QStringLiteral("atual.xml")})));
        QDir().mkpath(QStringLiteral("compartilhada"));
        QByteArray bytes = apoio::lerBytes(QStringLiteral("atual.xml"));
        apoio::gravarBytes(outro, bytes.replace("Problema", "Do outro"));
        controleProblemas->quadro(0)->definirNome(QStringLiteral("Na tela"));
        programa->interacao.limpar();
    }

private Q_SLOTS:
    void initTestCase() { pastaInicial = QDir::currentPath(); }
    void cleanup() { programa.reset(); }

    // Opening a plan another copy holds asks who holds it; a copy opens without a file and
    // never writes over the holder's; a holder that crashed, or a folder without locks, does
    // not stand in the way.
    void umEditorPorPlano_data()
    {
        QTest::addColumn<QString>("dono");     // viva | caiu | pasta somente leitura
        QTest::addColumn<QString>("resposta"); // the button pressed, when asked
        QTest::newRow("outra cópia aberta, Cancelar") << "viva"
                                                      << "btnCancelar";
        QTest::newRow("outra cópia aberta, Abrir uma cópia") << "viva"
                                                             << "btnAbrirCopia";
        QTest::newRow("a outra cópia caiu") << "caiu"
                                            << "";
        QTest::newRow("pasta somente leitura") << "pasta somente leitura"
                                               << "";
    }

    void umEditorPorPlano()
    {
        QFETCH(QString, dono);
        QFETCH(QString, resposta);
        iniciar();
        InteracaoRoteirizada &roteiro = programa->interacao;
        const QByteArray doOutro = apoio::lerBytes(outro);
        OutraCopia copia(outro);
        QVERIFY(copia.pronta);
        if (dono != QStringLiteral("viva"))
            copia.cair();
        std::optional<apoio::SemPrivilegioDeArquivos> semPrivilegio;
        if (dono == QStringLiteral("pasta somente leitura")) {
            QFile::remove(TravaPlano::arquivoDaTrava(outro));
            QFile::setPermissions(QStringLiteral("compartilhada"),
                                  QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            semPrivilegio.emplace();
        }
        if (!resposta.isEmpty())
            roteiro.modais.enqueue(pressionar(resposta));
        roteiro.respostas.enqueue(Resposta::Nao); // to saving the plan on screen first
        roteiro.arquivos.enqueue(outro);
        fmPrincipal->mItemAbrirClick();
        semPrivilegio.reset();
        QFile::setPermissions(QStringLiteral("compartilhada"), QFileDevice::ReadOwner |
                                                                   QFileDevice::WriteOwner |
                                                                   QFileDevice::ExeOwner);

        QCOMPARE(roteiro.janelasModais.size(), resposta.isEmpty() ? 0 : 1);
        QVERIFY(roteiro.mensagens.isEmpty());
        if (resposta == QStringLiteral("btnCancelar")) {
            QCOMPARE(controleProblemas->nomeProblema(0), QStringLiteral("Na tela"));
            QCOMPARE(dmDados->arquivoPlano, QStringLiteral("atual.xml"));
            return;
        }
        QCOMPARE(controleProblemas->nomeProblema(0), QStringLiteral("Do outro"));
        if (resposta.isEmpty()) {
            QCOMPARE(dmDados->arquivoPlano, outro);
            return;
        }
        // The copy has no file; saving it over the holder's file is refused.
        QVERIFY(!dmDados->temArquivo());
        QCOMPARE(fmPrincipal->nomeArquivoMostrado(), QStringLiteral("[]"));
        QVERIFY(!dmDados->planoAlterado());
        roteiro.arquivos.enqueue(outro);
        fmPrincipal->mItemSalvarClick();
        QCOMPARE(roteiro.mensagens.size(), 1);
        QVERIFY(roteiro.mensagens[0].texto.startsWith(
            QStringLiteral("O plano %1 está aberto por ")
                .arg(QDir::toNativeSeparators(QFileInfo(outro).absoluteFilePath()))));
        QCOMPARE(apoio::lerBytes(outro), doOutro);
    }

    // A save over the plan's own file after another program replaced it asks first: Sim
    // replaces it, Não saves under another name, Cancelar stops the command. Saving, the three
    // documents and quitting with Sim all ask.
    void alteradoNoDiscoPergunta_data()
    {
        QTest::addColumn<QString>("comando");
        QTest::addColumn<Resposta>("resposta");
        for (const char *comando : {"Salvar", "Cédula", "Ata", "Organograma", "Sair"}) {
            QTest::addRow("%s, Sim", comando) << QString::fromUtf8(comando) << Resposta::Sim;
            QTest::addRow("%s, Não", comando) << QString::fromUtf8(comando) << Resposta::Nao;
            QTest::addRow("%s, Cancelar", comando)
                << QString::fromUtf8(comando) << Resposta::Abortar;
        }
        QTest::addRow("Salvar, só a data mudou") << "Salvar" << Resposta::Abortar;
    }

    void alteradoNoDiscoPergunta()
    {
        QFETCH(QString, comando);
        QFETCH(Resposta, resposta);
        iniciar();
        InteracaoRoteirizada &roteiro = programa->interacao;
        const bool soAData = QString::fromUtf8(QTest::currentDataTag()).contains(u"data");
        const QString atual = QStringLiteral("atual.xml");
        QByteArray noDisco = apoio::lerBytes(atual);
        if (!soAData)
            noDisco = apoio::lerBytes(outro); // another plan copied over it
        apoio::gravarBytes(atual, noDisco);
        QFile(atual).setFileTime(QDateTime::currentDateTime().addSecs(60),
                                 QFileDevice::FileModificationTime);

        if (comando == QStringLiteral("Sair"))
            roteiro.respostas.enqueue(Resposta::Sim); // to saving the plan
        if (comando == QStringLiteral("Salvar") || comando == QStringLiteral("Sair"))
            roteiro.arquivos.enqueue(atual);
        roteiro.respostas.enqueue(resposta);
        roteiro.arquivos.enqueue(QStringLiteral("outro nome.xml"));
        bool concluido = true;
        if (comando == QStringLiteral("Salvar"))
            fmPrincipal->mItemSalvarClick();
        else if (comando == QStringLiteral("Cédula"))
            fmPrincipal->mItemGerarCedulaClick();
        else if (comando == QStringLiteral("Ata"))
            fmPrincipal->mItemGerarAtaClick();
        else if (comando == QStringLiteral("Organograma"))
            fmPrincipal->mItemGerarOrganogramaClick();
        else
            concluido = fmPrincipal->close();

        const QString pergunta = TdmDados::perguntaAlteradoNoDisco.arg(atual);
        if (soAData) {
            QVERIFY(!roteiro.perguntas.contains(pergunta));
            QVERIFY(apoio::lerBytes(atual).contains("Na tela"));
            return;
        }
        QVERIFY(roteiro.perguntas.contains(pergunta));
        QCOMPARE(apoio::lerBytes(atual).contains("Na tela"), resposta == Resposta::Sim);
        QCOMPARE(apoio::lerBytes(QStringLiteral("outro nome.xml")).contains("Na tela"),
                 resposta == Resposta::Nao);
        if (resposta == Resposta::Abortar)
            QCOMPARE(apoio::lerBytes(atual), noDisco);
        const bool documento =
            comando != QStringLiteral("Salvar") && comando != QStringLiteral("Sair");
        QCOMPARE(!roteiro.janelasModais.isEmpty(), documento && resposta != Resposta::Abortar);
        if (comando == QStringLiteral("Sair"))
            QCOMPARE(concluido, resposta != Resposta::Abortar);
    }
};

SORVANE_TESTE_MAIN(TesteConcorrencia)
#include "tst_concorrencia.moc"
