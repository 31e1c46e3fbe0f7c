#include "widgets/IconeSinal.h"

#include <QPainter>
#include <QPixmap>

QIcon iconeSinal(bool mais, int lado, int margem)
{
    constexpr int espessura = 4;
    const int meio = (lado - espessura) / 2;
    QPixmap imagem(lado, lado);
    imagem.fill(Qt::transparent);
    QPainter pintor(&imagem);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setPen(Qt::NoPen);
    pintor.setBrush(mais ? QColor(0, 128, 0) : QColor(192, 0, 0));
    pintor.drawRect(margem, meio, lado - 2 * margem, espessura);
    if (mais)
        pintor.drawRect(meio, margem, espessura, lado - 2 * margem);
    return QIcon(imagem);
}
