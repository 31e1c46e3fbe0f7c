#include "documents/RedatorRico.h"
#include "support/Teste.h"
#include "support/documents/FormatoTexto.h"

#include <QTextBlock>
#include <QTextDocument>

// The rich-text writer under the documents: paragraphs per line feed, and sizes in points that
// survive printing at another resolution.
class TesteRedatorRico : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cadaQuebraDeLinhaAbreUmParagrafo_data()
    {
        QTest::addColumn<QStringList>("chamadas");
        QTest::addColumn<QStringList>("paragrafos");
        QTest::newRow("primeira linha ocupa o parágrafo do documento limpo")
            << QStringList{QStringLiteral("a")} << QStringList{QStringLiteral("a")};
        QTest::newRow("quebra final deixa uma linha vazia")
            << QStringList{QStringLiteral("título\n"), QStringLiteral("b")}
            << QStringList{QStringLiteral("título"), QString(), QStringLiteral("b")};
        QTest::newRow("só a quebra: duas linhas vazias")
            << QStringList{QStringLiteral("a"), QStringLiteral("\n"), QStringLiteral("b")}
            << QStringList{QStringLiteral("a"), QString(), QString(), QStringLiteral("b")};
    }

    void cadaQuebraDeLinhaAbreUmParagrafo()
    {
        QFETCH(QStringList, chamadas);
        QFETCH(QStringList, paragrafos);
        QTextDocument documento;
        documento.setPlainText(QStringLiteral("resto de outra montagem"));
        RedatorRico redator(documento);
        for (const QString &chamada : chamadas)
            redator.adicionarLinha(chamada);
        QCOMPARE(linhas(documento), paragrafos);
    }

    void formatoSoValeParaAsLinhasSeguintes()
    {
        QTextDocument documento;
        RedatorRico redator(documento);
        QFont fonte(QStringLiteral("DejaVu Sans"));
        fonte.setPixelSize(13);
        redator.definirFonte(fonte);
        redator.adicionarLinha(QStringLiteral("antes"));
        redator.acrescentarNegrito();
        redator.definirAlturaPixels(redator.alturaPixels() + 7);
        redator.alinhar(Qt::AlignHCenter);
        redator.adicionarLinha(QStringLiteral("depois"));

        const QList<ParagrafoFormatado> todos = paragrafos(documento);
        QCOMPARE(todos.size(), 2);
        // A font given in pixels is written in points: 13 and 20 pixels at 96 per inch.
        QCOMPARE(todos[0].pontos, 9.75);
        QCOMPARE(todos[1].pontos, 15.0);
        QVERIFY(!todos[0].negrito && todos[1].negrito);
        QVERIFY(!todos[0].centralizado && todos[1].centralizado);
        QCOMPARE(documento.begin().next().charFormat().hasProperty(QTextFormat::FontPixelSize),
                 false);
    }
};

SORVANE_TESTE_MAIN(TesteRedatorRico)
#include "tst_redatorrico.moc"
