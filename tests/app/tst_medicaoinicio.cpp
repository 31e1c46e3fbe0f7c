#include "support/Teste.h"

#include <QFileInfo>
#include <QProcess>

// The switch the start-up timing relies on: the real program, headless, ends by itself once its
// school data dialog is on screen, with status 0 and before any teardown.
class TesteMedicaoInicio : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void programaTerminaComODialogoNaTela()
    {
        const QString programa =
            QCoreApplication::applicationDirPath() + QStringLiteral("/../sorvane");
        if (!QFileInfo::exists(programa))
            QSKIP("O programa não foi compilado.");
        QProcess processo;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        ambiente.insert(QStringLiteral("SORVANE_SAIR_NO_DIALOGO"), QStringLiteral("1"));
        processo.setProcessEnvironment(ambiente);
        processo.setWorkingDirectory(QDir::currentPath());
        processo.start(programa, {});
        QVERIFY(processo.waitForFinished(60000));
        QCOMPARE(processo.exitStatus(), QProcess::NormalExit);
        QCOMPARE(processo.exitCode(), 0);
        // It ended at the dialog: the teardown, which writes config.ini, never ran.
        QVERIFY(!QFileInfo::exists(QStringLiteral("config.ini")));
    }
};

SORVANE_TESTE_MAIN(TesteMedicaoInicio)
#include "tst_medicaoinicio.moc"
