#include "support/Teste.h"
#include "support/data/ApoioPlano.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

// An installation into a scratch prefix, made from the build folder this test was built in:
// the program, its guide, its icon in the freedesktop theme and a valid menu entry.
class TesteInstalacao : public QObject {
    Q_OBJECT

private:
    QTemporaryDir prefixo;
    QString pastaBuild;
    QString saidaInstalacao;

    QString instalado(const QString &relativo) const
    {
        return QDir(prefixo.path()).filePath(relativo);
    }

    // The menu entry as key → value, from its main group.
    QHash<QString, QString> entradaDoMenu() const
    {
        QHash<QString, QString> chaves;
        QFile arquivo(instalado(QStringLiteral("share/applications/sorvane.desktop")));
        if (!arquivo.open(QIODevice::ReadOnly))
            return chaves;
        for (const QString &linha : QString::fromUtf8(arquivo.readAll()).split(QLatin1Char('\n'))) {
            const qsizetype igual = linha.indexOf(QLatin1Char('='));
            if (igual > 0)
                chaves.insert(linha.left(igual), linha.mid(igual + 1));
        }
        return chaves;
    }

private Q_SLOTS:
    void initTestCase()
    {
        // Tests are built into <build>/tests.
        pastaBuild =
            QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));
        if (!QFile::exists(QDir(pastaBuild).filePath(QStringLiteral("CMakeCache.txt"))))
            QSKIP("este teste não está dentro de uma pasta de compilação do CMake");
        if (!QFile::exists(QDir(pastaBuild).filePath(QStringLiteral("sorvane"))))
            QSKIP("o executável sorvane ainda não foi compilado nesta pasta");
        const QString cmake = QStandardPaths::findExecutable(QStringLiteral("cmake"));
        QVERIFY2(!cmake.isEmpty(), "cmake não encontrado");
        QVERIFY(prefixo.isValid());

        QProcess instalacao;
        instalacao.setProcessChannelMode(QProcess::MergedChannels);
        instalacao.start(cmake, {QStringLiteral("--install"), pastaBuild,
                                 QStringLiteral("--prefix"), prefixo.path()});
        QVERIFY(instalacao.waitForFinished(120000));
        saidaInstalacao = QString::fromLocal8Bit(instalacao.readAll());
        QVERIFY2(instalacao.exitStatus() == QProcess::NormalExit && instalacao.exitCode() == 0,
                 qPrintable(saidaInstalacao));
    }

    void executavel()
    {
        const QFileInfo programa(instalado(QStringLiteral("bin/sorvane")));
        QVERIFY2(programa.isFile(), qPrintable(saidaInstalacao));
        QVERIFY(programa.isExecutable());
    }

    void guiaIgualAoDistribuido()
    {
        QFile instalada(instalado(QStringLiteral("share/sorvane/ajuda.txt")));
        QFile fonte(QStringLiteral(SORVANE_DIR_FONTES "/resources/ajuda.txt"));
        QVERIFY2(instalada.open(QIODevice::ReadOnly), qPrintable(saidaInstalacao));
        QVERIFY(fonte.open(QIODevice::ReadOnly));
        QCOMPARE(instalada.readAll(), fonte.readAll());
    }

    void iconesNoTemaComOTamanhoDaPasta_data()
    {
        QTest::addColumn<int>("lado");
        for (int lado : {16, 24, 32, 48, 64, 128, 256})
            QTest::newRow(qPrintable(QStringLiteral("%1x%1").arg(lado))) << lado;
    }

    void iconesNoTemaComOTamanhoDaPasta()
    {
        QFETCH(int, lado);
        const QString caminho =
            instalado(QStringLiteral("share/icons/hicolor/%1x%1/apps/sorvane.png").arg(lado));
        const QImage icone(caminho);
        QVERIFY2(!icone.isNull(), qPrintable(caminho));
        QCOMPARE(icone.size(), QSize(lado, lado));
        QVERIFY(icone.hasAlphaChannel());
    }

    void entradaDoMenuAceitaPeloValidador()
    {
        const QString arquivo = instalado(QStringLiteral("share/applications/sorvane.desktop"));
        QVERIFY2(QFile::exists(arquivo), qPrintable(saidaInstalacao));
        const QString validador =
            QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (validador.isEmpty())
            QSKIP("desktop-file-validate não está instalado (pacote desktop-file-utils)");
        QProcess validacao;
        validacao.setProcessChannelMode(QProcess::MergedChannels);
        validacao.start(validador, {arquivo});
        QVERIFY(validacao.waitForFinished(30000));
        const QString saida = QString::fromLocal8Bit(validacao.readAll());
        QVERIFY2(validacao.exitCode() == 0, qPrintable(saida));
        QVERIFY2(!saida.contains(QStringLiteral("error")) &&
                     !saida.contains(QStringLiteral("warning")),
                 qPrintable(saida));
    }

    // The entry starts the installed program and names an icon the theme has.
    void entradaDoMenuApontaParaOProgramaEOIcone()
    {
        const QHash<QString, QString> chaves = entradaDoMenu();
        QCOMPARE(chaves.value(QStringLiteral("Type")), QStringLiteral("Application"));
        QCOMPARE(chaves.value(QStringLiteral("Exec")).section(QLatin1Char(' '), 0, 0),
                 QStringLiteral("sorvane"));
        QCOMPARE(chaves.value(QStringLiteral("Icon")), QStringLiteral("sorvane"));
        QCOMPARE(chaves.value(QStringLiteral("Terminal")), QStringLiteral("false"));
        QVERIFY(chaves.value(QStringLiteral("Name")).contains(QStringLiteral("Planejamento")));
        QVERIFY(chaves.value(QStringLiteral("Comment")).contains(QStringLiteral("escola")));
    }

    void tipoDoPlanoPeloConteudo_data()
    {
        QTest::addColumn<QByteArray>("conteudo");
        QTest::addColumn<bool>("plano");
        QTest::newRow("plano") << QByteArray("<planejamento xmlns=\"xmlns\">\r\n</planejamento>")
                               << true;
        QTest::newRow("outro XML") << QByteArray("<project><planejamento/></project>") << false;
    }

    // Told by its content, as a plan saved without an extension is ("entre com o nome do
    // plano"), once the database is updated as `make install` and Debian's triggers do.
    void tipoDoPlanoPeloConteudo()
    {
        QFETCH(QByteArray, conteudo);
        QFETCH(bool, plano);
        const QString atualizador = QStandardPaths::findExecutable("update-mime-database");
        if (atualizador.isEmpty())
            QSKIP("update-mime-database não está instalado (pacote shared-mime-info)");
        QCOMPARE(QProcess::execute(atualizador, {instalado(QStringLiteral("share/mime"))}), 0);
        // Read before the first lookup, which is this one.
        qputenv("XDG_DATA_DIRS",
                QFile::encodeName(instalado(QStringLiteral("share"))) + ":/usr/share");
        const QString arquivo = QDir::current().filePath(QStringLiteral("sem extensao"));
        apoio::gravarBytes(arquivo, conteudo);
        QCOMPARE(QMimeDatabase().mimeTypeForFile(arquivo).name() ==
                     QLatin1String("application/x-sorvane-plano+xml"),
                 plano);
    }

    void nadaForaDasPastasPadrao()
    {
        QStringList fora;
        QDirIterator arquivos(prefixo.path(), QDir::Files, QDirIterator::Subdirectories);
        while (arquivos.hasNext()) {
            const QString relativo = QDir(prefixo.path()).relativeFilePath(arquivos.next());
            if (!relativo.startsWith(QStringLiteral("bin/")) &&
                !relativo.startsWith(QStringLiteral("share/")))
                fora.append(relativo);
        }
        QVERIFY2(fora.isEmpty(), qPrintable(fora.join(QLatin1Char(' '))));
    }
};

SORVANE_TESTE_MAIN(TesteInstalacao)
#include "tst_instalacao.moc"
