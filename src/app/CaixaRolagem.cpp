#include "app/CaixaRolagem.h"

#include <QScrollBar>

CaixaRolagem::CaixaRolagem(QWidget *pai) : QScrollArea(pai)
{
    setWidget(new QWidget);
    setWidgetResizable(false);
    setFrameShape(QFrame::NoFrame);
    widget()->setObjectName(QStringLiteral("conteudo"));
    widget()->setAutoFillBackground(false);
    // Scroll bars track while dragged, as the rows should follow the thumb.
    verticalScrollBar()->setTracking(true);
    horizontalScrollBar()->setTracking(true);
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
