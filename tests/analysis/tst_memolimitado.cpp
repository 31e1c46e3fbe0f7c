#include "analysis/MemoLimitado.h"
#include "support/Teste.h"

#include <QClipboard>
#include <QMimeData>

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

    // keyClicks takes Latin-1 letters only; accents go as key events with their text.
    static void digitar(QWidget *alvo, const QString &texto)
    {
        for (const QChar letra : texto)
            QTest::sendKeyEvent(QTest::Click, alvo, Qt::Key_unknown, QString(letra),
                                Qt::NoModifier);
    }

    static void irParaOFim(MemoLimitado &memo) { memo.moveCursor(QTextCursor::End); }

private Q_SLOTS:
    void digitacaoParaNoLimite_data()
    {
        QTest::addColumn<int>("limite");
        QTest::addColumn<QString>("inicial");
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("memo vazio")
            << 5 << QString() << QStringLiteral("abcdefgh") << QStringLiteral("abcde");
        QTest::newRow("acentos contam um")
            << 4 << QStringLiteral("çã") << QStringLiteral("éíó") << QStringLiteral("çãéí");
        QTest::newRow("sem limite")
            << 0 << QString() << QStringLiteral("abcdefgh") << QStringLiteral("abcdefgh");
        QTest::newRow("já no limite")
            << 3 << QStringLiteral("abc") << QStringLiteral("d") << QStringLiteral("abc");
    }

    void digitacaoParaNoLimite()
    {
        QFETCH(int, limite);
        QFETCH(QString, inicial);
        QFETCH(QString, digitado);
        QFETCH(QString, esperado);
        MemoLimitado memo;
        memo.definirLimite(limite);
        memo.definirTexto(inicial);
        irParaOFim(memo);
        digitar(&memo, digitado);
        QCOMPARE(memo.texto(), esperado);
    }

    void enterContaComoUmCaractereEBloqueiaNoLimite()
    {
        MemoLimitado memo;
        memo.definirLimite(3);
        QTest::keyClicks(&memo, QStringLiteral("ab"));
        QTest::keyClick(&memo, Qt::Key_Return);
        QCOMPARE(memo.texto(), QStringLiteral("ab\n"));
        QTest::keyClick(&memo, Qt::Key_Return);
        QTest::keyClicks(&memo, QStringLiteral("c"));
        QCOMPARE(memo.texto(), QStringLiteral("ab\n"));
    }

    void shiftEnterQuebraALinhaComoEnter()
    {
        MemoLimitado memo;
        QTest::keyClicks(&memo, QStringLiteral("a"));
        QTest::keyClick(&memo, Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClicks(&memo, QStringLiteral("b"));
        QCOMPARE(memo.texto(), QStringLiteral("a\nb"));
    }

    void digitarSobreSelecaoNoLimiteSubstitui()
    {
        MemoLimitado memo;
        memo.definirLimite(4);
        memo.definirTexto(QStringLiteral("abcd"));
        selecionar(memo, 1, 3);
        QTest::keyClicks(&memo, QStringLiteral("XYZ"));
        QCOMPARE(memo.texto(), QStringLiteral("aXYd"));
    }

    void colagemCortadaAoEspacoLivre_data()
    {
        QTest::addColumn<QString>("inicial");
        QTest::addColumn<int>("inicioSelecao");
        QTest::addColumn<int>("fimSelecao");
        QTest::addColumn<QString>("colado");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("cabe inteiro")
            << QStringLiteral("ab") << 2 << 2 << QStringLiteral("cd") << QStringLiteral("abcd");
        QTest::newRow("cortado no fim") << QStringLiteral("ab") << 2 << 2
                                        << QStringLiteral("cdefgh") << QStringLiteral("abcdef");
        QTest::newRow("sem espaço") << QStringLiteral("abcdef") << 3 << 3 << QStringLiteral("x")
                                    << QStringLiteral("abcdef");
        QTest::newRow("seleção substituída")
            << QStringLiteral("abcdef") << 1 << 5 << QStringLiteral("123456")
            << QStringLiteral("a1234f");
        QTest::newRow("CR LF conta um") << QString() << 0 << 0 << QStringLiteral("ab\r\ncd\r\nef")
                                        << QStringLiteral("ab\ncd\n");
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

        irParaOFim(memo);
        QTest::keyClicks(&memo, QStringLiteral("y"));
        QCOMPARE(memo.texto(), longo);

        // Deleting is always allowed; typing comes back only below the limit.
        QTest::keyClick(&memo, Qt::Key_Backspace);
        QCOMPARE(memo.texto().size(), 599);
        selecionar(memo, 0, 90);
        QTest::keyClick(&memo, Qt::Key_Delete);
        QTest::keyClicks(&memo, QStringLiteral("yz"));
        QCOMPARE(memo.texto(), QStringLiteral("yz") + QString(509, u'x'));
        QTest::keyClicks(&memo, QStringLiteral("w"));
        QCOMPARE(memo.texto().size(), 512);
    }

    void textoVoltaExato_data()
    {
        QTest::addColumn<QString>("definido");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("LF") << QStringLiteral("uma\nduas") << QStringLiteral("uma\nduas");
        QTest::newRow("CR LF") << QStringLiteral("uma\r\nduas") << QStringLiteral("uma\nduas");
        QTest::newRow("linhas vazias e quebra final")
            << QStringLiteral("\n\nfim\n") << QStringLiteral("\n\nfim\n");
        QTest::newRow("espaço não separável")
            << QStringLiteral("R$\u00A010,00") << QStringLiteral("R$\u00A010,00");
        QTest::newRow("só espaços") << QStringLiteral("   ") << QStringLiteral("   ");
        QTest::newRow("acentos") << QStringLiteral("Avaliação é ótima")
                                 << QStringLiteral("Avaliação é ótima");
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
