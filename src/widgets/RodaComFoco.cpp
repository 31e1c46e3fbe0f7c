#include "widgets/RodaComFoco.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace {

class FiltroRoda : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (evento->type() != QEvent::Wheel || static_cast<QWidget *>(objeto)->hasFocus())
            return false;
        // Ignored, the event goes on to the parents, up to the page's scroll area.
        evento->ignore();
        return true;
    }
};

} // namespace

void rodaSoComFoco(QWidget *seletor)
{
    // A combo box's own policy lets the wheel itself give it the focus.
    seletor->setFocusPolicy(Qt::StrongFocus);
    static QPointer<FiltroRoda> filtro;
    if (!filtro)
        filtro = new FiltroRoda(QCoreApplication::instance());
    seletor->installEventFilter(filtro);
}
