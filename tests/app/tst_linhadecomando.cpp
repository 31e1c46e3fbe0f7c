#include "app/Inicializacao.h"
#include "app/LinhaDeComando.h"
#include "data/TdmDados.h"
#include "data/TfmDadosEscola.h"
#include "support/Programa.h"
#include "support/Teste.h"
#include "support/data/ApoioPlano.h"

#include <QProcess>

using Pedido = LinhaDeComando::Pedido;

// `sorvane [PLANO]`: the plan named is the one the school data dialog opens; --help and
// --version answer in the terminal.
class TesteLinhaDeComando : public QObject {
    Q_OBJECT

private:
    QString pastaInicial = QDir::currentPath();

private Q_SLOTS:
    void leitura_data()
    {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<Pedido>("pedido");
        QTest::addColumn<QString>("plano");
        QTest::newRow("nada") << QStringList() << Pedido::iniciar << QString();
        QTest::newRow("um plano") << QStringList{"a.xml"} << Pedido::iniciar << "a.xml";
        QTest::newRow("nome com hífen após --")
            << QStringList{"--", "-a.xml"} << Pedido::iniciar << "-a.xml";
        QTest::newRow("ajuda entre opções do Qt")
            << QStringList{"-platform", "xcb", "--help"} << Pedido::ajuda << QString();
        QTest::newRow("versão") << QStringList{"a.xml", "--version"} << Pedido::versao << QString();
        QTest::newRow("opção desconhecida") << QStringList{"--abrir"} << Pedido::erro << QString();
        QTest::newRow("dois planos") << QStringList{"a.xml", "b.xml"} << Pedido::erro << QString();
    }

    void leitura()
    {
        QFETCH(QStringList, argumentos);
        QFETCH(Pedido, pedido);
        QFETCH(QString, plano);
        const LinhaDeComando linha = lerLinhaDeComando(argumentos);
        QCOMPARE(linha.pedido, pedido);
        QCOMPARE(linha.plano, plano);
    }

    void respostaSemJanela_data()
    {
        QTest::addColumn<QString>("argumento");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("plataforma");
        // xcb with no display: the answer comes before any window, or the program aborts.
        QTest::newRow("--help") << "--help" << 0 << "Uso: sorvane [PLANO]"
                                << "xcb";
        QTest::newRow("--version") << "--version" << 0 << "Sorvane " SORVANE_VERSAO << "xcb";
        // Only Qt knows its own options: an unknown one is refused once Qt has taken them.
        QTest::newRow("opção desconhecida") << "--x" << 2 << "opção desconhecida: --x"
                                            << "offscreen";
    }

    void respostaSemJanela()
    {
        QFETCH(QString, argumento);
        QFETCH(int, status);
        QFETCH(QString, texto);
        QFETCH(QString, plataforma);
        const QString programa =
            QCoreApplication::applicationDirPath() + QStringLiteral("/../sorvane");
        if (!QFileInfo::exists(programa))
            QSKIP("O programa não foi compilado.");
        QProcess processo;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), plataforma);
        ambiente.insert(QStringLiteral("SORVANE_SAIR_NO_DIALOGO"), QStringLiteral("1"));
        ambiente.remove(QStringLiteral("DISPLAY"));
        processo.setProcessEnvironment(ambiente);
        processo.start(programa, {argumento});
        QVERIFY(processo.waitForFinished(60000));
        QCOMPARE(processo.exitStatus(), QProcess::NormalExit);
        QCOMPARE(processo.exitCode(), status);
        const QString saida = QString::fromLocal8Bit(status == 0 ? processo.readAllStandardOutput()
                                                                 : processo.readAllStandardError());
        QVERIFY2(saida.contains(texto), qPrintable(saida));
    }

    void planoDadoEhOQueOkAbre_data()
    {
        QTest::addColumn<QString>("dado");
        QTest::addColumn<bool>("absoluto"); // as a file manager gives it
        QTest::addColumn<QString>("caixa");
        QTest::newRow("nome simples") << "plano.xml" << false << "plano.xml";
        QTest::newRow("caminho absoluto") << "sub/./plano.xml" << true << "sub/plano.xml";
        QTest::newRow("pasta vizinha") << "../vizinha/plano.xml" << false << "../vizinha/plano.xml";
    }

    void planoDadoEhOQueOkAbre()
    {
        QFETCH(QString, dado);
        QFETCH(bool, absoluto);
        QFETCH(QString, caixa);
        QVERIFY(apoio::entrarEmPastaDoCaso(pastaInicial));
        if (absoluto)
            dado = QDir::current().absoluteFilePath(dado);
        QDir().mkpath(QFileInfo(dado).path());
        apoio::gravarBytes(dado, "<planejamento xmlns=\"xmlns\"><escola nome=\"Escola do Plano\" "
                                 "diretor=\"D\" data=\"01/02/2025\"/></planejamento>");
        Programa programa;
        QString mostrado;
        QVERIFY(programa.iniciar(
            [&](QDialog &janela) {
                mostrado = fmDadosEscola->nomePlano();
                return apoio::pressionarOk()(janela);
            },
            dado));
        QCOMPARE(mostrado, caixa);
        QCOMPARE(dmDados->arquivoPlano, caixa);
        QCOMPARE(fmDadosEscola->nomeEscola(), QStringLiteral("Escola do Plano"));
        QDir::setCurrent(pastaInicial);
    }
};

SORVANE_TESTE_MAIN(TesteLinhaDeComando)
#include "tst_linhadecomando.moc"
