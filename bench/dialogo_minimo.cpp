// The least a Qt Widgets program does to show what the real one shows first: a main window of
// the same size with a menu bar and four tabs, and in front of it a dialog with a line of text
// and a button, shown modally; the process ends as the real program's start-up switch ends it,
// once the dialog has been painted. scripts/medir-inicio compares the two.

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cstdlib>

namespace {

class SaidaNoDialogo : public QObject {
public:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        // Queued, so the painting ends and reaches the screen first.
        if (evento->type() == QEvent::Paint)
            QMetaObject::invokeMethod(
                objeto, [] { std::_Exit(0); }, Qt::QueuedConnection);
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication aplicacao(argc, argv);
    QMainWindow janela;
    janela.resize(780, 572);
    for (const char *titulo : {"&Arquivo", "Dados", "A&juda"})
        janela.menuBar()->addMenu(QString::fromLatin1(titulo));
    auto *abas = new QTabWidget;
    for (const char *titulo : {"Problemas", "Votantes", "Notas", "Classificação"})
        abas->addTab(new QWidget, QString::fromUtf8(titulo));
    janela.setCentralWidget(abas);
    janela.show();
    QDialog dialogo(&janela);
    dialogo.resize(374, 183);
    auto *layout = new QVBoxLayout(&dialogo);
    layout->addWidget(new QLabel(QStringLiteral("Nome da escola:")));
    layout->addWidget(new QPushButton(QStringLiteral("Ok")));
    SaidaNoDialogo saida;
    dialogo.installEventFilter(&saida);
    return dialogo.exec() == QDialog::Accepted ? 1 : 0;
}
