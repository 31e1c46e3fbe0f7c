#include "data/Caminhos.h"
#include "support/Teste.h"

#include <QDir>
#include <QFile>

// Plan file names kept relative to the start-up directory.
class TesteCaminhos : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void nomeRelativoAoDiretorioInicial_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("esperado");

        const QString base = QStringLiteral("/home/ana/planos/y/");
        QTest::newRow("no próprio diretório") << QStringLiteral("/home/ana/planos/y/plano.xml")
                                              << base << QStringLiteral("plano.xml");
        QTest::newRow("diretório irmão") << QStringLiteral("/home/ana/planos/x/plano.xml") << base
                                         << QStringLiteral("../x/plano.xml");
        QTest::newRow("subdiretório")
            << QStringLiteral("/home/ana/planos/y/2026/março/plano escolar.xml") << base
            << QStringLiteral("2026/março/plano escolar.xml");
        QTest::newRow("diretório acima")
            << QStringLiteral("/home/ana/plano.xml") << base << QStringLiteral("../../plano.xml");
        QTest::newRow("nada em comum além da raiz")
            << QStringLiteral("/mnt/pen/plano.xml") << base
            << QStringLiteral("../../../../mnt/pen/plano.xml");
        QTest::newRow("base sem barra final")
            << QStringLiteral("/home/ana/planos/x/plano.xml")
            << QStringLiteral("/home/ana/planos/y") << QStringLiteral("../x/plano.xml");
        QTest::newRow("já relativo")
            << QStringLiteral("plano.xml") << base << QStringLiteral("plano.xml");
        QTest::newRow("já relativo com ponto")
            << QStringLiteral("./plano.xml") << base << QStringLiteral("./plano.xml");
        QTest::newRow("já relativo com ..")
            << QStringLiteral("../x/plano.xml") << base << QStringLiteral("../x/plano.xml");
        QTest::newRow(".. no meio de um nome absoluto")
            << QStringLiteral("/home/ana/planos/x/../y/plano.xml") << base
            << QStringLiteral("plano.xml");
        QTest::newRow(".. que sai e volta por outro caminho")
            << QStringLiteral("/home/ana/outros/../planos/x/plano.xml") << base
            << QStringLiteral("../x/plano.xml");
        QTest::newRow("ponto no meio") << QStringLiteral("/home/ana/./planos/y/./plano.xml") << base
                                       << QStringLiteral("plano.xml");
        QTest::newRow("prefixo de nome não é diretório comum")
            << QStringLiteral("/home/ana/planos/yy/plano.xml") << base
            << QStringLiteral("../yy/plano.xml");
        QTest::newRow("vazio") << QString() << base << QString();
    }

    void nomeRelativoAoDiretorioInicial()
    {
        QFETCH(QString, nome);
        QFETCH(QString, base);
        QFETCH(QString, esperado);
        QCOMPARE(nomeRelativo(nome, base), esperado);
    }

    void caixaDosDiretorios_data()
    {
        QTest::addColumn<int>("caixa");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("sensível") << int(Qt::CaseSensitive)
                                  << QStringLiteral("../../Planos/Y/p.xml");
        QTest::newRow("indiferente") << int(Qt::CaseInsensitive) << QStringLiteral("p.xml");
    }

    void caixaDosDiretorios()
    {
        QFETCH(int, caixa);
        QFETCH(QString, esperado);
        QCOMPARE(nomeRelativo(QStringLiteral("/home/Planos/Y/p.xml"),
                              QStringLiteral("/home/planos/y/"),
                              static_cast<Qt::CaseSensitivity>(caixa)),
                 esperado);
    }

    void nomeRelativoResolveParaOMesmoArquivo()
    {
        // The relative name, resolved from the base, must reach the very file that was chosen.
        QVERIFY(QDir().mkpath(QStringLiteral("y")));
        QVERIFY(QDir().mkpath(QStringLiteral("x")));
        QFile arquivo(QStringLiteral("x/plano.xml"));
        QVERIFY(arquivo.open(QIODevice::WriteOnly));
        arquivo.close();
        const QString base = QDir::current().absoluteFilePath(QStringLiteral("y")) + u'/';
        const QString escolhido = QDir::current().absoluteFilePath(QStringLiteral("x/plano.xml"));
        const QString relativo = nomeRelativo(escolhido, base);
        QCOMPARE(relativo, QStringLiteral("../x/plano.xml"));
        QVERIFY(QFile::exists(QDir(base).filePath(relativo)));
    }

    void arquivoExisteSoParaArquivos()
    {
        QFile arquivo(QStringLiteral("existe.xml"));
        QVERIFY(arquivo.open(QIODevice::WriteOnly));
        arquivo.close();
        QVERIFY(QDir().mkpath(QStringLiteral("pasta.xml")));
        QVERIFY(arquivoExiste(QStringLiteral("existe.xml")));
        QVERIFY(arquivoExiste(QDir::current().absoluteFilePath(QStringLiteral("existe.xml"))));
        QVERIFY(!arquivoExiste(QStringLiteral("pasta.xml")));
        QVERIFY(!arquivoExiste(QStringLiteral("não existe.xml")));
        QVERIFY(!arquivoExiste(QString()));
    }
};

SORVANE_TESTE_MAIN(TesteCaminhos)
#include "tst_caminhos.moc"
