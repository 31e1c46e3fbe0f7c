#include "app/Cores.h"
#include "support/Teste.h"
#include "widgets/CaixaCor.h"

#include <QComboBox>
#include <QSignalSpy>

// Colour values in the plan file's encoding and the chooser that shows them.
class TesteCores : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void valoresPlanosViramRgb_data()
    {
        QTest::addColumn<int>("valor");
        QTest::addColumn<QColor>("cor");
        QTest::newRow("vermelho no byte baixo") << 0x0000FF << QColor(255, 0, 0);
        QTest::newRow("azul no terceiro byte") << 0xFF0000 << QColor(0, 0, 255);
        QTest::newRow("prata") << 12632256 << QColor(192, 192, 192);
        QTest::newRow("creme") << 0xF0FBFF << QColor(255, 251, 240);
    }

    void valoresPlanosViramRgb()
    {
        QFETCH(int, valor);
        QFETCH(QColor, cor);
        QCOMPARE(paraQColor(valor), cor);
    }

    void coresDeSistemaSeguemAPaleta()
    {
        QVERIFY(corFaceBotao < 0);
        QCOMPARE(paraQColor(corFaceBotao), QApplication::palette().color(QPalette::Button));
    }

    void listaComAsVinteCoresFixasNaOrdem()
    {
        const QList<int> esperadas = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000,
                                      0x800080, 0x808000, 0x808080, 0xC0C0C0, 0x0000FF,
                                      0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00,
                                      0xFFFFFF, 0xC0DCC0, 0xF0CAA6, 0xF0FBFF, 0xA4A0A0};
        for (int i = 0; i < esperadas.size(); ++i)
            QCOMPARE(coresPadrao()[i].valor, esperadas[i]);
        for (int i = esperadas.size(); i < coresPadrao().size(); ++i)
            QVERIFY(coresPadrao()[i].valor < 0);
    }

    void seletorGuardaQualquerValor_data()
    {
        QTest::addColumn<int>("valor");
        QTest::newRow("da lista") << 0x008000;
        QTest::newRow("fora da lista") << 0x010203;
        QTest::newRow("sistema") << static_cast<int>(0xFF000005);
        QTest::newRow("sistema desconhecido") << static_cast<int>(0xFF0000FE);
    }

    void seletorGuardaQualquerValor()
    {
        QFETCH(int, valor);
        CaixaCor caixa;
        QSignalSpy alteracoes(&caixa, &CaixaCor::corAlterada);
        caixa.definirCor(valor);
        QCOMPARE(caixa.corSelecionada(), valor);
        QCOMPARE(alteracoes.count(), 0);
    }

    void segundoValorPersonalizadoReusaAEntrada()
    {
        CaixaCor caixa;
        const int itens = caixa.count();
        caixa.definirCor(0x010203);
        caixa.definirCor(0x040506);
        QCOMPARE(caixa.count(), itens + 1);
        QCOMPARE(caixa.corSelecionada(), 0x040506);
    }

    void escolhaDoUsuarioAvisa()
    {
        CaixaCor caixa;
        QSignalSpy alteracoes(&caixa, &CaixaCor::corAlterada);
        caixa.setCurrentIndex(caixa.findText(QStringLiteral("Vermelho")));
        QCOMPARE(alteracoes.count(), 1);
        QCOMPARE(alteracoes[0][0].value<ValorCor>(), 0x0000FF);
    }

    // The boxes share what the first one of a font measured; each must still get exactly what
    // Qt measures for its own items and font.
    void tamanhoComoODoQt_data()
    {
        QTest::addColumn<int>("pixels"); // 0: the application's font
        QTest::addColumn<int>("personalizada");
        QTest::newRow("fonte comum") << 0 << -1;
        QTest::newRow("fonte maior") << 24 << -1;
        QTest::newRow("fonte menor") << 9 << -1;
        QTest::newRow("cor personalizada") << 0 << 0x010203;
        QTest::newRow("personalizada e fonte maior") << 24 << 0x010203;
    }

    void tamanhoComoODoQt()
    {
        QFETCH(int, pixels);
        QFETCH(int, personalizada);
        CaixaCor primeira; // measures for the application's font
        QVERIFY(primeira.sizeHint().isValid());
        QFont fonte = QApplication::font();
        if (pixels > 0)
            fonte.setPixelSize(pixels);
        CaixaCor caixa;
        caixa.setFont(fonte);
        if (personalizada >= 0)
            caixa.definirCor(personalizada);
        QComboBox referencia;
        referencia.setFont(fonte);
        for (int i = 0; i < caixa.count(); ++i)
            referencia.addItem(caixa.itemIcon(i), caixa.itemText(i));
        QCOMPARE(caixa.sizeHint(), referencia.sizeHint());
        QCOMPARE(caixa.minimumSizeHint(), referencia.minimumSizeHint());
    }
};

SORVANE_TESTE_MAIN(TesteCores)
#include "tst_cores.moc"
