#include "widgets/CaixaRolagem.h"

#include <QApplication>
#include <QScrollBar>

CaixaRolagem::CaixaRolagem(QWidget *pai) : QScrollArea(pai)
{
    // The rows' controls are the stops: the box itself, unnamed and drawn without a focus
    // frame, would be a stop the user cannot see. The page follows the focus instead.
    setFocusPolicy(Qt::NoFocus);
    connect(qApp, &QApplication::focusChanged, this, &CaixaRolagem::mostrarFoco);
    setWidget(new QWidget);
    setWidgetResizable(false);
    setFrameShape(QFrame::NoFrame);
    widget()->setObjectName(QStringLiteral("conteudo"));
    widget()->setAutoFillBackground(false);
    // Scroll bars track while dragged, as the rows should follow the thumb.
    verticalScrollBar()->setTracking(true);
    horizontalScrollBar()->setTracking(true);
}

// The rows go before the box is gone, and the focus leaving them must not reach it half
// destroyed.
CaixaRolagem::~CaixaRolagem()
{
    disconnect(qApp, &QApplication::focusChanged, this, &CaixaRolagem::mostrarFoco);
}

void CaixaRolagem::rolarParaTopo()
{
    verticalScrollBar()->setValue(0);
}

void CaixaRolagem::definirAlturaConteudo(int novaAltura)
{
    altura = novaAltura;
    ajustarLarguras();
}

void CaixaRolagem::ajustarLarguras()
{
    int largura = viewport()->width();
    const QObjectList filhos = widget()->children();
    for (QObject *filho : filhos) {
        if (auto *quadro = qobject_cast<QWidget *>(filho))
            largura = std::max(largura, quadro->minimumWidth());
    }
    widget()->resize(largura, altura);
    for (QObject *filho : filhos) {
        if (auto *quadro = qobject_cast<QWidget *>(filho))
            quadro->resize(largura, quadro->height());
    }
}

void CaixaRolagem::resizeEvent(QResizeEvent *evento)
{
    QScrollArea::resizeEvent(evento);
    ajustarLarguras();
}

void CaixaRolagem::mostrarFoco(QWidget *, QWidget *novo)
{
    if (novo && widget()->isAncestorOf(novo))
        ensureWidgetVisible(novo);
}
