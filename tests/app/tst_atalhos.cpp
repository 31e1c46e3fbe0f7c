#include "app/TfmPrincipal.h"
#include "support/Componentes.h"
#include "support/Programa.h"
#include "support/Teste.h"
#include "support/data/ApoioPlano.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <memory>

// The keys every desktop program shares, pressed on the active window as a user presses them:
// each reaches its menu item, and "Imprimir" in every document window; the guide lists them.
class TesteAtalhos : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Programa> programa;

    static bool ativar(QWidget *janela)
    {
        janela->show();
        QApplication::setActiveWindow(janela);
        return QTest::qWaitForWindowActive(janela);
    }

private Q_SLOTS:
    void init()
    {
        programa = std::make_unique<Programa>();
        QVERIFY(programa->iniciar(apoio::pressionarOk()));
    }

    void cleanup() { programa.reset(); }

    void teclasAlcancamOComando_data()
    {
        // `documento`: the menu item whose window holds the button `alvo`; none for the main
        // window, where `alvo` is a menu item. `mostrado`: the keys as menus and the guide show
        // them.
        QTest::addColumn<QString>("documento");
        QTest::addColumn<QString>("alvo");
        QTest::addColumn<QKeySequence>("teclas");
        QTest::addColumn<QString>("mostrado");
        const QKeySequence ctrlP(Qt::CTRL | Qt::Key_P);
        QTest::newRow("novo") << ""
                              << "mItemNovo" << QKeySequence(Qt::CTRL | Qt::Key_N) << "Ctrl+N";
        QTest::newRow("abrir") << ""
                               << "mItemAbrir" << QKeySequence(Qt::CTRL | Qt::Key_O) << "Ctrl+O";
        QTest::newRow("salvar") << ""
                                << "mItemSalvar" << QKeySequence(Qt::CTRL | Qt::Key_S) << "Ctrl+S";
        QTest::newRow("ajuda") << ""
                               << "mItemAjuda" << QKeySequence(Qt::Key_F1) << "F1";
        QTest::newRow("cédula") << "mItemGerarCedula"
                                << "Button1" << ctrlP << "Ctrl+P";
        QTest::newRow("ata") << "mItemGerarAta"
                             << "btnImprimir" << ctrlP << "Ctrl+P";
        QTest::newRow("organograma") << "mItemGerarOrganograma"
                                     << "btnImprimir" << ctrlP << "Ctrl+P";
        // Last: quitting ends the event loops of whatever runs after it.
        QTest::newRow("sair") << ""
                              << "mItemSair" << QKeySequence(Qt::CTRL | Qt::Key_Q) << "Ctrl+Q";
    }

    void teclasAlcancamOComando()
    {
        QFETCH(QString, documento);
        QFETCH(QString, alvo);
        QFETCH(QKeySequence, teclas);
        QFETCH(QString, mostrado);
        QFile guia(QStringLiteral(SORVANE_DIR_FONTES "/resources/ajuda.txt"));
        QVERIFY(guia.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(guia.readAll()).contains(mostrado + QStringLiteral("   ")));

        if (documento.isEmpty()) {
            QAction *item = apoio::achar<QAction>(alvo);
            QVERIFY(item);
            QCOMPARE(item->shortcut().toString(QKeySequence::NativeText), mostrado);
            QSignalSpy disparos(item, &QAction::triggered);
            QVERIFY(ativar(fmPrincipal));
            QTest::keySequence(fmPrincipal, teclas);
            QCOMPARE(disparos.count(), 1);
            return;
        }

        int cliques = -1;
        programa->interacao.modais.enqueue([&](QDialog &janela) {
            auto *botao = janela.findChild<QPushButton *>(alvo);
            if (botao && ativar(&janela)) {
                QSignalSpy espiao(botao, &QPushButton::clicked);
                QTest::keySequence(&janela, teclas);
                // A button's shortcut presses it visibly: the click comes a moment later.
                if (!QTest::qWaitFor([&espiao] { return !espiao.isEmpty(); }))
                    return int(QDialog::Rejected);
                cliques = int(espiao.count());
            }
            return int(QDialog::Rejected);
        });
        QAction *item = apoio::achar<QAction>(documento);
        QVERIFY(item);
        item->trigger();
        QCOMPARE(cliques, 1);
    }
};

SORVANE_TESTE_MAIN(TesteAtalhos)
#include "tst_atalhos.moc"
