#include "app/TfmPrincipal.h"
#include "data/TdmDados.h"
#include "documents/ServicoImpressao.h"
#include "problems/ControleProblemas.h"
#include "problems/TfrProblema.h"
#include "support/PlanoMaximo.h"
#include "support/Programa.h"
#include "support/SemPrivilegioDeArquivos.h"
#include "support/Teste.h"
#include "support/data/ApoioPlano.h"
#include "voters/ControleVotantes.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTextDocument>
#include <QThread>
#include <cerrno>
#include <cstdio>
#include <memory>

#ifdef __linux__
#include "CalcoFalhas.h"
#include <dlfcn.h>
#endif

namespace {

// Set in a copy of this executable that saves the largest plan in a loop until it is killed.
const char *const variavelLaco = "SORVANE_GRAVAR_EM_LACO";

// A file system mounted for one test and unmounted when it ends. Mounting needs root and a
// machine that allows it; where it cannot, the test says why and is skipped.
class Montagem {
public:
    static bool executar(const QStringList &argumentos, QString *erro = nullptr)
    {
        QProcess processo;
        processo.setProcessChannelMode(QProcess::MergedChannels);
        processo.start(QStringLiteral("mount"), argumentos);
        const bool ok = processo.waitForFinished(30000) &&
                        processo.exitStatus() == QProcess::NormalExit && processo.exitCode() == 0;
        if (!ok && erro)
            *erro = QString::fromLocal8Bit(processo.readAll()).trimmed() + processo.errorString();
        return ok;
    }

    explicit Montagem(const QString &ponto) : ponto(QDir::current().absoluteFilePath(ponto)) {}
    ~Montagem()
    {
        if (!montado)
            return;
        QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), ponto});
    }

    bool montar(const QStringList &argumentos, QString *erro)
    {
        montado = executar(argumentos + QStringList{ponto}, erro);
        return montado;
    }

    const QString ponto;
    bool montado = false;
};

QStringList conteudoDaPasta(const QString &pasta)
{
    return QDir(pasta).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                 QDir::Name);
}

// The child's side of the interrupted-save test: writes the two versions it alternates
// between, says it is ready, then saves plano.xml again and again until it is killed.
// The controls of the preloaded fault-injection shim; null where it is not loaded.
struct Calco {
#ifdef __linux__
    decltype(&sorvane_falha_armar) armar =
        reinterpret_cast<decltype(armar)>(dlsym(RTLD_DEFAULT, "sorvane_falha_armar"));
    decltype(&sorvane_falha_disparos) disparos =
        reinterpret_cast<decltype(disparos)>(dlsym(RTLD_DEFAULT, "sorvane_falha_disparos"));
    decltype(&sorvane_falha_desarmar) desarmar =
        reinterpret_cast<decltype(desarmar)>(dlsym(RTLD_DEFAULT, "sorvane_falha_desarmar"));
#endif
    bool carregado() const
    {
#ifdef __linux__
        return armar && disparos && desarmar;
#else
        return false;
#endif
    }
};

enum class Alvo { planoPequeno, planoGrande, configuracao, pdf };

void recriarPasta(const QString &pasta)
{
    QDir(pasta).removeRecursively();
    QDir().mkpath(pasta);
}

[[noreturn]] void gravarEmLaco(const QString &pasta)
{
    QDir::setCurrent(pasta);
    Programa programa;
    programa.iniciar(apoio::pressionarOk({{}, {}, {}, QStringLiteral("origem.xml")}));
    const QStringList versoes = {QStringLiteral("A"), QStringLiteral("B")};
    for (const QString &versao : versoes) {
        controleProblemas->quadro(0)->definirNome(versao);
        dmDados->salvar(QStringLiteral("versao%1.xml").arg(versao));
    }
    std::fputs("pronto\n", stdout);
    std::fflush(stdout);
    for (int i = 0;; ++i) {
        controleProblemas->quadro(0)->definirNome(versoes[i % 2]);
        dmDados->salvar(QStringLiteral("plano.xml"));
    }
}

} // namespace

Q_DECLARE_METATYPE(Alvo)

// Saving where it cannot be done: the message, and the file that was there kept byte for byte.
class TesteFalhasGravacao : public QObject {
    Q_OBJECT

public:
    TesteFalhasGravacao()
    {
        if (qEnvironmentVariableIsSet(variavelLaco))
            gravarEmLaco(qEnvironmentVariable(variavelLaco));
    }

private:
    std::unique_ptr<Programa> programa;
    const QByteArray anterior = "<planejamento xmlns=\"xmlns\">\r\n"
                                "    <escola nome=\"Versão anterior\" diretor=\"\" "
                                "data=\"01/02/2026\" />\r\n</planejamento>\r\n";

private Q_SLOTS:
    void initTestCase()
    {
        // The screens hold the largest plan, more than a small disk takes.
        gravarPlanoMaximo(QStringLiteral("maximo.xml"));
        programa = std::make_unique<Programa>();
        QVERIFY(programa->iniciar(apoio::pressionarOk({{}, {}, {}, QStringLiteral("maximo.xml")})));
        QCOMPARE(controleProblemas->total(), 10);
        programa->interacao.arquivos.enqueue(QStringLiteral("referencia.xml"));
        fmPrincipal->mItemSalvarClick();
        QVERIFY(programa->interacao.mensagens.isEmpty());
    }

    void cleanupTestCase() { programa.reset(); }

    void gravacaoQueFalhaGuardaOArquivoAnterior_data()
    {
        QTest::addColumn<QString>("destino");
        QTest::addColumn<QString>("montagem"); // what is mounted where, before the save
        QTest::newRow("pasta inexistente") << "nao/existe/plano.xml"
                                           << "";
        QTest::newRow("caminho é uma pasta") << "uma-pasta"
                                             << "";
        QTest::newRow("pasta somente leitura") << "ro/plano.xml"
                                               << "pasta ro";
        QTest::newRow("arquivo somente leitura") << "arquivo-ro.xml"
                                                 << "arquivo ro";
        QTest::newRow("disco cheio") << "cheio/plano.xml"
                                     << "disco pequeno";
    }

    void gravacaoQueFalhaGuardaOArquivoAnterior()
    {
        QFETCH(QString, destino);
        QFETCH(QString, montagem);
        const QString pasta = QFileInfo(destino).path();
        QDir().mkpath(QStringLiteral("uma-pasta"));
        apoio::gravarBytes(QStringLiteral("uma-pasta/dentro.xml"), anterior);

        std::unique_ptr<Montagem> montada;
        QString erro;
        if (montagem == QStringLiteral("pasta ro") || montagem == QStringLiteral("disco pequeno")) {
            QDir().mkpath(pasta);
            const QString tamanho = montagem == QStringLiteral("pasta ro") ? QStringLiteral("1m")
                                                                           : QStringLiteral("64k");
            montada = std::make_unique<Montagem>(pasta);
            if (!montada->montar({QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                  QStringLiteral("-o"), QStringLiteral("size=") + tamanho,
                                  QStringLiteral("tmpfs")},
                                 &erro))
                QSKIP(qPrintable(QStringLiteral("sem permissão para montar um tmpfs: ") + erro));
            apoio::gravarBytes(destino, anterior);
            if (montagem == QStringLiteral("pasta ro"))
                QVERIFY(Montagem::executar(
                    {QStringLiteral("-o"), QStringLiteral("remount,ro"), montada->ponto}));
        } else if (montagem == QStringLiteral("arquivo ro")) {
            apoio::gravarBytes(destino, anterior);
            montada = std::make_unique<Montagem>(destino);
            if (!montada->montar({QStringLiteral("--bind"), montada->ponto}, &erro))
                QSKIP(qPrintable(QStringLiteral("sem permissão para montar um arquivo: ") + erro));
            QVERIFY(Montagem::executar(
                {QStringLiteral("-o"), QStringLiteral("remount,bind,ro"), montada->ponto}));
        }

        const QStringList antes = conteudoDaPasta(pasta);
        const QString cabecalho = fmPrincipal->nomeArquivoMostrado();
        programa->interacao.limpar();
        programa->interacao.arquivos.enqueue(destino);
        fmPrincipal->mItemSalvarClick();

        QCOMPARE(programa->interacao.mensagens.size(), 1);
        QCOMPARE(programa->interacao.mensagens[0].icone, Icone::Informacao);
        QVERIFY(programa->interacao.mensagens[0].texto.startsWith(TdmDados::mensagemErroGravacao));
        QCOMPARE(fmPrincipal->nomeArquivoMostrado(), cabecalho);
        QCOMPARE(conteudoDaPasta(pasta), antes); // no temporary file left behind
        if (QFileInfo(destino).isDir())
            QCOMPARE(apoio::lerBytes(destino + QStringLiteral("/dentro.xml")), anterior);
        else if (!montagem.isEmpty())
            QCOMPARE(apoio::lerBytes(destino), anterior);
        else
            QVERIFY(!QFileInfo::exists(destino) && !QFileInfo::exists(QStringLiteral("nao")));
        // The plan on screen is untouched and saves where it can.
        programa->interacao.arquivos.enqueue(QStringLiteral("outro.xml"));
        fmPrincipal->mItemSalvarClick();
        QCOMPARE(apoio::lerBytes(QStringLiteral("outro.xml")),
                 apoio::lerBytes(QStringLiteral("referencia.xml")));
    }

    // A process killed at any moment of a save leaves under the plan's name either nothing (no
    // save finished yet) or one whole version, never a piece of one.
    void gravacaoInterrompidaNuncaDeixaPlanoPelaMetade()
    {
        const QString pasta = QDir::current().absoluteFilePath(QStringLiteral("laco"));
        QDir().mkpath(pasta);
        gravarPlanoMaximo(pasta + QStringLiteral("/origem.xml"));
        QRandomGenerator gerador(8122026);
        constexpr int rodadas = 10;
        int inteiros = 0;
        for (int rodada = 0; rodada < rodadas; ++rodada) {
            QProcess filho;
            QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
            ambiente.insert(QString::fromLatin1(variavelLaco), pasta);
            ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            filho.setProcessEnvironment(ambiente);
            filho.setProcessChannelMode(QProcess::SeparateChannels);
            filho.start(QCoreApplication::applicationFilePath(), {});
            QVERIFY2(filho.waitForStarted(30000), qPrintable(filho.errorString()));
            while (!filho.canReadLine() && filho.state() == QProcess::Running)
                filho.waitForReadyRead(1000);
            QCOMPARE(filho.readLine().trimmed(), QByteArray("pronto"));
            // Anywhere from before the first save ends to several saves later.
            QThread::msleep(gerador.bounded(400u));
            filho.kill();
            QVERIFY(filho.waitForFinished(30000));

            const QString plano = pasta + QStringLiteral("/plano.xml");
            if (!QFileInfo::exists(plano))
                continue;
            const QByteArray bytes = apoio::lerBytes(plano);
            QVERIFY2(
                bytes == apoio::lerBytes(pasta + QStringLiteral("/versaoA.xml")) ||
                    bytes == apoio::lerBytes(pasta + QStringLiteral("/versaoB.xml")),
                qPrintable(QStringLiteral("rodada %1: %2 bytes").arg(rodada).arg(bytes.size())));
            ++inteiros;
        }
        // Most rounds must have reached a finished save, or nothing was tested.
        QVERIFY2(inteiros >= rodadas / 2, qPrintable(QString::number(inteiros)));
    }

    // Wherever a write fails (the first byte, the middle or the last byte of the data, the
    // flush of a small file's buffer, the sync to disk, the rename over the old file), the file
    // that was there stays byte for byte, the user is told why, and a plan on screen still
    // counts as changed. The plan, config.ini and PDFs, on a full disk, an I/O error and a
    // quota; a plan in a read-only folder is written in place and put back.
    void falhaInjetadaDeixaOArquivoAnterior_data()
    {
        QTest::addColumn<Alvo>("alvo");
        QTest::addColumn<int>("operacao");
        QTest::addColumn<int>("erro");
        QTest::addColumn<double>("fracao"); // where in the data a write fails: 0 … 1
        QTest::addColumn<bool>("pastaSomenteLeitura");
        const QList<QPair<Alvo, const char *>> alvos = {{Alvo::planoPequeno, "plano pequeno"},
                                                        {Alvo::planoGrande, "plano grande"},
                                                        {Alvo::configuracao, "config.ini"},
                                                        {Alvo::pdf, "PDF"}};
        const QList<QPair<int, const char *>> erros = {
            {ENOSPC, "ENOSPC"}, {EIO, "EIO"}, {EDQUOT, "EDQUOT"}};
        struct Ponto {
            int operacao;
            double fracao;
            const char *nome;
        };
        const QList<Ponto> pontos = {{sorvaneEscrita, 0.0, "primeiro byte"},
                                     {sorvaneEscrita, 0.5, "meio"},
                                     {sorvaneEscrita, 1.0, "último byte"},
                                     {sorvaneSincronia, 0.0, "fsync"},
                                     {sorvaneRenomeacao, 0.0, "rename"}};
        for (const auto &[alvo, nomeAlvo] : alvos)
            for (const auto &[erro, nomeErro] : erros)
                for (const Ponto &ponto : pontos)
                    QTest::addRow("%s, %s, %s", nomeAlvo, ponto.nome, nomeErro)
                        << alvo << ponto.operacao << erro << ponto.fracao << false;
        for (const auto &[alvo, nomeAlvo] : alvos.mid(0, 2))
            for (const Ponto &ponto : pontos.mid(1, 3))
                QTest::addRow("%s em pasta somente leitura, %s, ENOSPC", nomeAlvo, ponto.nome)
                    << alvo << ponto.operacao << ENOSPC << ponto.fracao << true;
    }

    void falhaInjetadaDeixaOArquivoAnterior()
    {
        QFETCH(Alvo, alvo);
        QFETCH(int, operacao);
        QFETCH(int, erro);
        QFETCH(double, fracao);
        QFETCH(bool, pastaSomenteLeitura);
        const Calco calco;
        if (!calco.carregado())
            QSKIP("o calço de falhas (LD_PRELOAD) não está carregado: rode pelo ctest");
        InteracaoRoteirizada &roteiro = programa->interacao;
        const bool ehPlano = alvo == Alvo::planoPequeno || alvo == Alvo::planoGrande;
        // The plan goes to its own folder; config.ini and the PDF are written where the program
        // started.
        const QString pasta =
            QFileInfo(ehPlano ? QStringLiteral("alvo") : QStringLiteral(".")).absoluteFilePath();
        const QString destino = ehPlano             ? pasta + QStringLiteral("/plano.xml")
                                : alvo == Alvo::pdf ? pasta + QStringLiteral("/documento.pdf")
                                                    : pasta + u'/' + TdmDados::arquivoConfiguracao;
        if (ehPlano)
            recriarPasta(pasta);
        // config.ini holds what a config.ini holds, so the new one is as long as measured.
        const QByteArray velho = alvo == Alvo::configuracao
                                     ? QByteArray("[arquivos]\r\nplanejamento=anterior.xml\r\n")
                                     : anterior;
        recriarPasta(QStringLiteral("planos"));
        const QString origem = QStringLiteral("planos/origem.xml");
        if (alvo == Alvo::planoGrande) {
            gravarPlanoMaximo(origem);
        } else {
            dmDados->limpar(true);
            QVERIFY(dmDados->salvar(origem));
        }
        dmDados->limpar(false);
        dmDados->carregar(origem);
        // Changes of the same length, so a save writes as many bytes as were measured.
        controleProblemas->quadro(0)->definirNome(QStringLiteral("Alterado"));

        // What a write that succeeds would write, to place the failure in it.
        QTextDocument texto(QStringLiteral("Ata de reunião"));
        const auto gravar = [&](const QString &nome) {
            roteiro.limpar();
            if (alvo == Alvo::pdf) {
                roteiro.arquivos.enqueue(nome);
                roteiro.respostas.enqueue(Resposta::Sim);
                ServicoImpressao::salvarPdf(texto, QStringLiteral("Ata"), nome);
            } else if (alvo == Alvo::configuracao) {
                roteiro.arquivos.enqueue(origem);
                fmPrincipal->mItemAbrirClick();
            } else {
                roteiro.arquivos.enqueue(nome);
                fmPrincipal->mItemSalvarClick();
            }
        };
        const QString medida =
            alvo == Alvo::pdf ? QStringLiteral("medida.pdf") : QStringLiteral("planos/medida.xml");
        gravar(medida);
        const qint64 tamanho = QFileInfo(alvo == Alvo::configuracao ? destino : medida).size();
        QVERIFY2(tamanho > 0 && roteiro.mensagens.isEmpty(),
                 qPrintable(roteiro.textosMensagens().join(u'\n')));
        if (ehPlano) // buffered by Qt below 16 KB, written at once above
            QCOMPARE(tamanho >= 16 * 1024, alvo == Alvo::planoGrande);
        controleProblemas->quadro(0)->definirNome(QStringLiteral("Alterada"));

        apoio::gravarBytes(destino, velho);
        const QStringList antes = conteudoDaPasta(pasta);
        std::optional<apoio::SemPrivilegioDeArquivos> semPrivilegio;
        if (pastaSomenteLeitura) {
            QFile::setPermissions(pasta, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            semPrivilegio.emplace();
        }
        const auto posicao = static_cast<long long>(fracao * static_cast<double>(tamanho - 1));
        calco.armar(operacao, erro, posicao,
                    QFile::encodeName(QFileInfo(pasta).canonicalFilePath()).constData());
        gravar(destino);
        const int disparos = calco.disparos();
        calco.desarmar();
        semPrivilegio.reset();
        QFile::setPermissions(pasta, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                         QFileDevice::ExeOwner);

        QVERIFY2(disparos == 1, qPrintable(roteiro.textosMensagens().join(u'\n')));
        QCOMPARE(apoio::lerBytes(destino), velho);
        QCOMPARE(conteudoDaPasta(pasta), antes); // no temporary file left behind
        QCOMPARE(roteiro.mensagens.size(), 1);
        const QString motivo = qt_error_string(erro);
        QVERIFY2(roteiro.mensagens[0].texto.contains(motivo),
                 qPrintable(roteiro.mensagens[0].texto));
        if (ehPlano) {
            QVERIFY(roteiro.mensagens[0].texto.startsWith(TdmDados::mensagemErroGravacao));
            QVERIFY(dmDados->planoAlterado());
        }
    }
};

SORVANE_TESTE_MAIN(TesteFalhasGravacao)
#include "tst_falhasgravacao.moc"
