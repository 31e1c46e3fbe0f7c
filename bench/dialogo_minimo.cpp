// The least a Qt Widgets program does to put a dialog on screen: the application object, one
// dialog shown modally, and the same exit as the real program's start-up switch (the dialog
// closes once it has been painted). scripts/medir-inicio compares the two.

#include <QApplication>
#include <QDialog>
#include <QEvent>

namespace {

class SaidaNoDialogo : public QObject {
public:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (evento->type() == QEvent::Paint) {
            if (auto *dialogo = qobject_cast<QDialog *>(objeto))
                QMetaObject::invokeMethod(dialogo, &QDialog::reject, Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication aplicacao(argc, argv);
    QDialog dialogo;
    dialogo.resize(374, 183);
    SaidaNoDialogo saida;
    dialogo.installEventFilter(&saida);
    return dialogo.exec() == QDialog::Accepted ? 1 : 0;
}
