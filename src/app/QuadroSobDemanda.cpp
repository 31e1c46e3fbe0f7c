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

bool montagemMarcada = false;

void montarProximo();

// Building a frame's controls changes nothing the plan holds, so these calls need not wait for
// what must come before an edit.
QObject *contextoDaMontagem()
{
    static QPointer<QObject> contexto;
    if (!contexto) {
        contexto = new QObject(QCoreApplication::instance());
        Aplicacao::declararSoExibicao(contexto);
    }
    return contexto;
}

void marcarMontagem()
{
    if (montagemMarcada || fila().empty() || !QCoreApplication::instance())
        return;
    montagemMarcada = true;
    QTimer::singleShot(0, contextoDaMontagem(), montarProximo);
}

void montarProximo()
{
    montagemMarcada = false;
    if (!fila().empty())
        fila().front()->montar();
    marcarMontagem();
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
    marcarMontagem();
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
