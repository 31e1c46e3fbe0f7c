// The least a Qt Widgets program does to put a dialog on screen: the application object and one
// dialog, with a line of text and a button as any dialog has, shown modally; the process ends
// as the real program's start-up switch ends it, once the dialog has been painted.
// scripts/medir-inicio compares the two.

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
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
    QDialog dialogo;
    dialogo.resize(374, 183);
    auto *layout = new QVBoxLayout(&dialogo);
    layout->addWidget(new QLabel(QStringLiteral("Nome da escola:")));
    layout->addWidget(new QPushButton(QStringLiteral("Ok")));
    SaidaNoDialogo saida;
    dialogo.installEventFilter(&saida);
    return dialogo.exec() == QDialog::Accepted ? 1 : 0;
}
