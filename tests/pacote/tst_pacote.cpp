#include "app/Versao.h"
#include "support/Teste.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

// The Debian package made by CPack from the build folder this test was built in, as `make deb`
// makes it: its files, the dependencies it declares, and a menu entry and software
// centre metadata that point at what the package holds.
class TestePacote : public QObject {
    Q_OBJECT

private:
    QTemporaryDir saida;
    QString pacote;   // the .deb
    QString extraido; // its files, unpacked

    struct Resultado {
        bool ok = false;
        QString saida;
    };

    static Resultado rodar(const QString &programa, const QStringList &argumentos)
    {
        QProcess processo;
        processo.setProcessChannelMode(QProcess::MergedChannels);
        processo.start(programa, argumentos);
        const bool terminou = processo.waitForFinished(240000);
        Resultado resultado;
        resultado.saida = QString::fromUtf8(processo.readAll());
        resultado.ok =
            terminou && processo.exitStatus() == QProcess::NormalExit && processo.exitCode() == 0;
        return resultado;
    }

    QString campo(const QString &nome) const
    {
        return rodar(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), pacote, nome})
            .saida.trimmed();
    }

    QString emPacote(const QString &relativo) const { return extraido + u'/' + relativo; }

    QString chaveDoMenu(const QString &chave) const
    {
        QFile arquivo(emPacote(QStringLiteral("usr/share/applications/sorvane.desktop")));
        if (!arquivo.open(QIODevice::ReadOnly))
            return {};
        const QRegularExpression linha(QStringLiteral("^%1=(.*)$").arg(chave),
                                       QRegularExpression::MultilineOption);
        return linha.match(QString::fromUtf8(arquivo.readAll())).captured(1).trimmed();
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QString pastaBuild =
            QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));
        if (!QFile::exists(pastaBuild + QStringLiteral("/CMakeCache.txt")))
            QSKIP("este teste não está dentro de uma pasta de compilação do CMake");
        const QList<std::pair<const char *, const char *>> ferramentas = {
            {"dpkg-deb", "dpkg"}, {"dpkg-shlibdeps", "dpkg-dev"}, {"file", "file"}};
        for (const auto &[ferramenta, pacoteDebian] : ferramentas) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(ferramenta)).isEmpty())
                QSKIP(qPrintable(QStringLiteral("%1 não está instalado (pacote %2): sem ele não "
                                                "se monta um pacote Debian")
                                     .arg(QLatin1String(ferramenta), QLatin1String(pacoteDebian))));
        }
        QVERIFY2(QFile::exists(pastaBuild + QStringLiteral("/CPackConfig.cmake")),
                 "o projeto não configura o CPack");
        const QString cpack = QStandardPaths::findExecutable(QStringLiteral("cpack"));
        QVERIFY2(!cpack.isEmpty(), "cpack não encontrado");
        QVERIFY(saida.isValid());

        const Resultado montagem =
            rodar(cpack, {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                          pastaBuild + QStringLiteral("/CPackConfig.cmake"), QStringLiteral("-B"),
                          saida.path()});
        QVERIFY2(montagem.ok, qPrintable(montagem.saida));
        const QStringList pacotes = QDir(saida.path()).entryList({QStringLiteral("*.deb")});
        QCOMPARE(pacotes.size(), 1);
        pacote = saida.filePath(pacotes.first());
        extraido = saida.filePath(QStringLiteral("arvore"));
        const Resultado extracao = rodar(QStringLiteral("dpkg-deb"), {"-x", pacote, extraido});
        QVERIFY2(extracao.ok, qPrintable(extracao.saida));
    }

    void arquivos_data()
    {
        QTest::addColumn<QString>("caminho");
        for (const char *caminho :
             {"usr/bin/sorvane", "usr/share/sorvane/ajuda.txt",
              "usr/share/applications/sorvane.desktop", "usr/share/mime/packages/sorvane.xml",
              "usr/share/metainfo/org.example.sorvane.metainfo.xml",
              "usr/share/man/man1/sorvane.1.gz", "usr/share/doc/sorvane/copyright",
              "usr/share/doc/sorvane/changelog.gz"})
            QTest::newRow(caminho) << QString::fromLatin1(caminho);
        for (int lado : {16, 24, 32, 48, 64, 128, 256}) {
            const QString icone =
                QStringLiteral("usr/share/icons/hicolor/%1x%1/apps/sorvane.png").arg(lado);
            QTest::newRow(qPrintable(icone)) << icone;
        }
    }

    void arquivos()
    {
        QFETCH(QString, caminho);
        QVERIFY2(QFileInfo(emPacote(caminho)).isFile(), qPrintable(caminho));
    }

    void dependencias_data()
    {
        QTest::addColumn<QString>("dependencia");
        // From the executable's libraries, then the two it loads at run time.
        for (const char *nome :
             {"libc6", "libstdc++6", "libqt6core6", "libqt6gui6", "libqt6widgets6",
              "libqt6printsupport6", "libpugixml1v5", "qt6-qpa-plugins", "qt6-translations-l10n"})
            QTest::newRow(nome) << QString::fromLatin1(nome);
    }

    void dependencias()
    {
        QFETCH(QString, dependencia);
        QStringList nomes;
        for (const QString &item : campo(QStringLiteral("Depends")).split(QLatin1Char(',')))
            nomes.append(item.trimmed().section(QLatin1Char(' '), 0, 0));
        QVERIFY2(nomes.contains(dependencia), qPrintable(nomes.join(QLatin1Char(' '))));
    }

    // A plan the user double-clicks reaches the program: the entry takes a file and opens the
    // plans' type, which the package defines and the software centres' metadata lists.
    void planosAbremComOPrograma()
    {
        const QString tipo = QStringLiteral("application/x-sorvane-plano+xml");
        QCOMPARE(chaveDoMenu("Exec"), QStringLiteral("sorvane %f"));
        QVERIFY(chaveDoMenu("MimeType").split(u';').contains(tipo));
        QFile definicao(emPacote(QStringLiteral("usr/share/mime/packages/sorvane.xml")));
        QVERIFY(definicao.open(QIODevice::ReadOnly));
        QVERIFY(definicao.readAll().contains("<mime-type type=\"" + tipo.toUtf8() + "\">"));
        QFile metadados(
            emPacote(QStringLiteral("usr/share/metainfo/org.example.sorvane.metainfo.xml")));
        QVERIFY(metadados.open(QIODevice::ReadOnly));
        QVERIFY(metadados.readAll().contains("<mediatype>" + tipo.toUtf8() + "</mediatype>"));
    }

    // Only project(VERSION) is edited for a new version; the software centres' newest release
    // (listed first) and the changelog's newest entry are written by hand beside it, with their
    // dates, and must name the same version.
    void versaoDoProjeto_data()
    {
        QTest::addColumn<QString>("arquivo");
        QTest::addColumn<QString>("padrao");
        QTest::newRow("metadados")
            << QStringLiteral("usr/share/metainfo/org.example.sorvane.metainfo.xml")
            << QStringLiteral("<release version=\"([^\"]*)\"");
        QTest::newRow("changelog") << QStringLiteral("usr/share/doc/sorvane/changelog.gz")
                                   << QStringLiteral("^sorvane \\(([^)]*)\\)");
    }

    void versaoDoProjeto()
    {
        QFETCH(QString, arquivo);
        QFETCH(QString, padrao);
        // gzip -dcf passes a file that is not compressed through unchanged.
        const Resultado texto =
            rodar(QStringLiteral("gzip"), {QStringLiteral("-dcf"), emPacote(arquivo)});
        QVERIFY2(texto.ok, qPrintable(texto.saida));
        const QRegularExpressionMatch versao = QRegularExpression(padrao).match(texto.saida);
        QVERIFY2(versao.hasMatch(), qPrintable(arquivo));
        QCOMPARE(versao.captured(1), QStringLiteral(SORVANE_VERSAO));
    }

    // The menu entry starts a program the package installs, with an icon it installs; the
    // software centres' metadata names that entry and shows pictures the project has.
    void menuEMetadadosApontamParaOPacote()
    {
        const QFileInfo programa(
            emPacote(QStringLiteral("usr/bin/") + chaveDoMenu("Exec").section(u' ', 0, 0)));
        QVERIFY2(programa.isFile() && programa.isExecutable(), qPrintable(programa.filePath()));
        QVERIFY(QFile::exists(emPacote(
            QStringLiteral("usr/share/icons/hicolor/48x48/apps/%1.png").arg(chaveDoMenu("Icon")))));

        QFile metadados(
            emPacote(QStringLiteral("usr/share/metainfo/org.example.sorvane.metainfo.xml")));
        QVERIFY(metadados.open(QIODevice::ReadOnly));
        const QString texto = QString::fromUtf8(metadados.readAll());
        QVERIFY(texto.contains(QStringLiteral("<launchable type=\"desktop-id\">sorvane.desktop<")));
        const QRegularExpression imagem(QStringLiteral("<image>[^<]*/([^/<]+)</image>"));
        int imagens = 0;
        for (const QRegularExpressionMatch &achada : imagem.globalMatch(texto)) {
            ++imagens;
            QVERIFY2(QFile::exists(QStringLiteral(SORVANE_DIR_FONTES "/docs/telas/") +
                                   achada.captured(1)),
                     qPrintable(achada.captured(1)));
        }
        QVERIFY(imagens > 0);

        const QString validador = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
        if (validador.isEmpty())
            QSKIP("appstreamcli não está instalado (pacote appstream)");
        const Resultado validacao = rodar(
            validador, {QStringLiteral("validate-tree"), QStringLiteral("--no-net"), extraido});
        QVERIFY2(validacao.ok, qPrintable(validacao.saida));
    }
};

SORVANE_TESTE_MAIN(TestePacote)
#include "tst_pacote.moc"
