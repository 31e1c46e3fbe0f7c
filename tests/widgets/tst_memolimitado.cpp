#include "support/Teste.h"
#include "widgets/MemoLimitado.h"

#include <QClipboard>

// The memo's limit stops typing and pasting only; its text goes in and out unchanged.
class TesteMemoLimitado : public QObject {
    Q_OBJECT

private:
    static void selecionar(MemoLimitado &memo, int inicio, int fim)
    {
        QTextCursor cursor = memo.textCursor();
        cursor.setPosition(inicio);
        cursor.setPosition(fim, QTextCursor::KeepAnchor);
        memo.setTextCursor(cursor);
    }

    // '\n' is Enter and '\r' Shift+Enter; other characters go as key events with their text,
    // accents included.
    static void digitar(QWidget *alvo, const QString &texto)
    {
        for (const QChar letra : texto) {
            if (letra == u'\n' || letra == u'\r') {
                QTest::keyClick(alvo, Qt::Key_Return,
                                letra == u'\r' ? Qt::ShiftModifier : Qt::NoModifier);
            } else {
                QTest::sendKeyEvent(QTest::Click, alvo, Qt::Key_unknown, QString(letra),
                                    Qt::NoModifier);
            }
        }
    }

private Q_SLOTS:
    void digitacaoParaNoLimite_data()
    {
        QTest::addColumn<int>("limite");
        QTest::addColumn<QString>("inicial");
        QTest::addColumn<int>("inicioSelecao");
        QTest::addColumn<int>("fimSelecao");
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("memo vazio") << 5 << "" << 0 << 0 << "abcdefgh"
                                    << "abcde";
        QTest::newRow("acentos contam um") << 4 << "çã" << 2 << 2 << "éíó"
                                           << "çãéí";
        QTest::newRow("sem limite") << 0 << "" << 0 << 0 << "abcdefgh"
                                    << "abcdefgh";
        QTest::newRow("Enter conta um") << 3 << "ab" << 2 << 2 << "\n\nc"
                                        << "ab\n";
        QTest::newRow("Shift+Enter quebra a linha") << 0 << "a" << 1 << 1 << "\rb"
                                                    << "a\nb";
        QTest::newRow("seleção substituída") << 4 << "abcd" << 1 << 3 << "XYZ"
                                             << "aXYd";
    }

    void digitacaoParaNoLimite()
    {
        QFETCH(int, limite);
        QFETCH(QString, inicial);
        QFETCH(int, inicioSelecao);
        QFETCH(int, fimSelecao);
        QFETCH(QString, digitado);
        QFETCH(QString, esperado);
        MemoLimitado memo;
        memo.definirLimite(limite);
        memo.definirTexto(inicial);
        selecionar(memo, inicioSelecao, fimSelecao);
        digitar(&memo, digitado);
        QCOMPARE(memo.texto(), esperado);
    }

    void colagemCortadaAoEspacoLivre_data()
    {
        QTest::addColumn<QString>("inicial");
        QTest::addColumn<int>("inicioSelecao");
        QTest::addColumn<int>("fimSelecao");
        QTest::addColumn<QString>("colado");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("cortado no fim") << "ab" << 2 << 2 << "cdefgh"
                                        << "abcdef";
        QTest::newRow("sem espaço") << "abcdef" << 3 << 3 << "x"
                                    << "abcdef";
        QTest::newRow("seleção substituída") << "abcdef" << 1 << 5 << "123456"
                                             << "a1234f";
        QTest::newRow("CR LF conta um") << "" << 0 << 0 << "ab\r\ncd\r\nef"
                                        << "ab\ncd\n";
        QTest::newRow("texto longo só encurta") << "abcdefgh" << 1 << 5 << "123456"
                                                << "a1234fgh";
    }

    void colagemCortadaAoEspacoLivre()
    {
        QFETCH(QString, inicial);
        QFETCH(int, inicioSelecao);
        QFETCH(int, fimSelecao);
        QFETCH(QString, colado);
        QFETCH(QString, esperado);
        MemoLimitado memo;
        memo.definirLimite(6);
        memo.definirTexto(inicial);
        selecionar(memo, inicioSelecao, fimSelecao);
        QGuiApplication::clipboard()->setText(colado);
        if (QGuiApplication::clipboard()->text() != colado)
            QSKIP("Sem área de transferência nesta plataforma.");
        memo.paste();
        QCOMPARE(memo.texto(), esperado);
    }

    void textoDefinidoEmCodigoFicaInteiro()
    {
        MemoLimitado memo;
        memo.definirLimite(512);
        const QString longo = QString(600, u'x');
        memo.definirTexto(longo);
        QCOMPARE(memo.texto(), longo);
        memo.moveCursor(QTextCursor::End);
        digitar(&memo, QStringLiteral("y"));
        QCOMPARE(memo.texto(), longo);

        // Deleting is always allowed; typing comes back only below the limit.
        selecionar(memo, 0, 90);
        QTest::keyClick(&memo, Qt::Key_Delete);
        digitar(&memo, QStringLiteral("yzw"));
        QCOMPARE(memo.texto(), QStringLiteral("yz") + QString(510, u'x'));
    }

    void textoVoltaExato_data()
    {
        QTest::addColumn<QString>("definido");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("CR LF") << "uma\r\nduas"
                               << "uma\nduas";
        QTest::newRow("linhas vazias e quebra final") << "\n\nfim\n"
                                                      << "\n\nfim\n";
        QTest::newRow("espaço não separável") << "R$\u00A010,00"
                                              << "R$\u00A010,00";
        QTest::newRow("só espaços") << "   "
                                    << "   ";
    }

    void textoVoltaExato()
    {
        QFETCH(QString, definido);
        QFETCH(QString, esperado);
        MemoLimitado memo;
        memo.definirLimite(4);
        memo.definirTexto(definido);
        QCOMPARE(memo.texto(), esperado);
    }
};

SORVANE_TESTE_MAIN(TesteMemoLimitado)
#include "tst_memolimitado.moc"
