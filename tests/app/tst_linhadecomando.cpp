#include "app/Versao.h"
#include "data/TdmDados.h"
#include "data/TfmDadosEscola.h"
#include "support/Programa.h"
#include "support/Teste.h"
#include "support/data/ApoioPlano.h"

#include <QProcess>

// `sorvane [PLANO]`: the plan named is the one the school data dialog opens; --help and
// --version answer in the terminal.
class TesteLinhaDeComando : public QObject {
    Q_OBJECT

private:
    QString pastaInicial = QDir::currentPath();

private Q_SLOTS:
    void respostaSemJanela_data()
    {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("texto");
        // xcb with no display: the answer comes before any window, or the program aborts.
        QTest::newRow("--help entre opções do Qt")
            << QStringList{"-style", "fusion", "--help"} << 0 << "Uso: sorvane [PLANO]";
        QTest::newRow("--version") << QStringList{"--version"} << 0 << "Sorvane " SORVANE_VERSAO;
        // Only Qt knows its own options: what is left is refused once Qt has taken them.
        QTest::newRow("opção desconhecida") << QStringList{"--x"} << 2 << "opção desconhecida: --x";
        QTest::newRow("dois planos")
            << QStringList{"a.xml", "b.xml"} << 2 << "um plano de cada vez";
    }

    void respostaSemJanela()
    {
        QFETCH(QStringList, argumentos);
        QFETCH(int, status);
        QFETCH(QString, texto);
        const QString programa =
            QCoreApplication::applicationDirPath() + QStringLiteral("/../sorvane");
        if (!QFileInfo::exists(programa))
            QSKIP("O programa não foi compilado.");
        QProcess processo;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"),
                        status == 0 ? QStringLiteral("xcb") : QStringLiteral("offscreen"));
        ambiente.insert(QStringLiteral("SORVANE_SAIR_NO_DIALOGO"), QStringLiteral("1"));
        ambiente.remove(QStringLiteral("DISPLAY"));
        processo.setProcessEnvironment(ambiente);
        processo.start(programa, argumentos);
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
