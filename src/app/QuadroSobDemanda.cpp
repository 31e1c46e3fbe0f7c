#include "app/QuadroSobDemanda.h"

#include "app/Aplicacao.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <vector>

namespace {

// In the order they were made, which is the order of their lists.
std::vector<QuadroSobDemanda *> &fila()
{
    static std::vector<QuadroSobDemanda *> quadros;
    return quadros;
}

void montarProximo();

// Idle time starts a moment after the last frame was made, so that the command that made them
// reaches the screen first; from then on one frame is built per turn of the event loop.
constexpr int esperaAposCriarMs = 50;

// Building a frame's controls changes nothing the plan holds, so its turns need not wait for
// what must come before an edit.
QTimer *temporizador()
{
    static QPointer<QTimer> temporizador;
    if (!temporizador) {
        temporizador = new QTimer(QCoreApplication::instance());
        temporizador->setSingleShot(true);
        QObject::connect(temporizador, &QTimer::timeout, montarProximo);
        Aplicacao::declararSoExibicao(temporizador);
    }
    return temporizador;
}

void marcarMontagem(int esperaMs)
{
    if (fila().empty() || !QCoreApplication::instance())
        return;
    temporizador()->start(esperaMs);
}

void montarProximo()
{
    if (!fila().empty())
        fila().front()->montar();
    marcarMontagem(0);
}

void sairDaFila(QuadroSobDemanda *quadro)
{
    std::vector<QuadroSobDemanda *> &quadros = fila();
    quadros.erase(std::remove(quadros.begin(), quadros.end(), quadro), quadros.end());
}

} // namespace

QuadroSobDemanda::QuadroSobDemanda(QWidget *pai) : QFrame(pai)
{
    fila().push_back(this);
    marcarMontagem(esperaAposCriarMs);
}

QuadroSobDemanda::~QuadroSobDemanda()
{
    if (!controlesCriados)
        sairDaFila(this);
}

void QuadroSobDemanda::montar()
{
    if (controlesCriados)
        return;
    controlesCriados = true;
    sairDaFila(this);
    criarControles();
    // Controls made after the frame became visible wait for their own show.
    if (isVisible()) {
        for (QWidget *filho : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!filho->testAttribute(Qt::WA_WState_ExplicitShowHide))
                filho->show();
        }
    }
}

void QuadroSobDemanda::showEvent(QShowEvent *evento)
{
    montar();
    QFrame::showEvent(evento);
}
