#include "documents/PinturaOrganograma.h"

#include <QFont>
#include <QPainter>
#include <QPen>
#include <QPolygon>

namespace {

const QColor corFundo = Qt::white;
const QColor corTexto = Qt::black;

// Filled as a canvas fills a rectangle with its pen `espessura` wide and a white brush: the
// pen's colour along the inside of the edges, white within.
void retanguloComBorda(QPainter &pintor, const QColor &cor, const QRect &area, int espessura)
{
    pintor.fillRect(area, cor);
    if (cor != corFundo && area.width() > 2 * espessura && area.height() > 2 * espessura)
        pintor.fillRect(area.adjusted(espessura, espessura, -espessura, -espessura), corFundo);
}

void pintarTexto(QPainter &pintor, const PecaOrganograma &peca)
{
    const QPen caneta = pintor.pen();
    pintor.setPen(corTexto);
    pintor.drawText(QPoint(peca.area.esquerda, peca.area.topo + pintor.fontMetrics().ascent()),
                    peca.texto);
    pintor.setPen(caneta);
}

void pintarMoldura(QPainter &pintor, const PecaOrganograma &peca)
{
    QPen caneta = pintor.pen();
    caneta.setColor(paraQColor(peca.cor));
    pintor.setPen(caneta);
    const Retangulo &r = peca.area;
    pintor.drawPolyline(
        QPolygon({QPoint(r.esquerda, r.topo), QPoint(r.direita, r.topo), QPoint(r.direita, r.base),
                  QPoint(r.esquerda, r.base), QPoint(r.esquerda, r.topo)}));
}

void pintarBarra(QPainter &pintor, const PecaOrganograma &peca)
{
    const Retangulo &r = peca.area;
    pintor.fillRect(QRect(r.esquerda, r.topo, r.direita - r.esquerda, r.base - r.topo),
                    paraQColor(peca.cor));
}

} // namespace

namespace pinturaOrganograma {

void pintar(QPainter &pintor, const PaginaOrganograma &pagina, const MedidasOrganograma &medidas,
            const QFont &fonte, bool limpar)
{
    const int espessura = medidas.espessura;
    pintor.setFont(fonte);
    pintor.setPen(QPen(corTexto, espessura, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    pintor.setBrush(corFundo);
    const QRect area(0, 0, medidas.larguraUtil + 2 * medidas.margem,
                     medidas.alturaUtil + 2 * medidas.margem);
    if (limpar && !area.isEmpty())
        retanguloComBorda(pintor, medidas.tela ? corTexto : corFundo, area, espessura);
    for (const PecaOrganograma &peca : pagina.pecas) {
        switch (peca.tipo) {
        case PecaOrganograma::Tipo::Texto:
            pintarTexto(pintor, peca);
            break;
        case PecaOrganograma::Tipo::Moldura:
            pintarMoldura(pintor, peca);
            break;
        case PecaOrganograma::Tipo::Barra:
            pintarBarra(pintor, peca);
            break;
        }
    }
}

} // namespace pinturaOrganograma
