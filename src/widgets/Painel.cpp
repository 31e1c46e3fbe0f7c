#include "widgets/Painel.h"

#include <QFrame>
#include <QVBoxLayout>

QFrame *criarPainel(QWidget *quadro)
{
    auto *painel = new QFrame(quadro);
    painel->setObjectName(QStringLiteral("painel"));
    painel->setFrameShape(QFrame::Panel);
    painel->setFrameShadow(QFrame::Raised);
    return painel;
}

QFrame *criarPainelQuePreenche(QWidget *quadro)
{
    QFrame *painel = criarPainel(quadro);
    auto *moldura = new QVBoxLayout(quadro);
    moldura->setContentsMargins(0, 0, 0, 0);
    moldura->addWidget(painel);
    return painel;
}
