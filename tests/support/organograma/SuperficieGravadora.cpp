#include "support/organograma/SuperficieGravadora.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextItem>
#include <cmath>

namespace {

class MotorGravador : public QPaintEngine {
public:
    explicit MotorGravador(SuperficieGravadora &destino)
        : QPaintEngine(QPaintEngine::AllFeatures), destino(destino)
    {
    }

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    Type type() const override { return QPaintEngine::User; }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}

    void drawRects(const QRect *retangulos, int quantidade) override
    {
        for (int i = 0; i < quantidade; ++i)
            gravar(QRectF(retangulos[i]));
    }
    void drawRects(const QRectF *retangulos, int quantidade) override
    {
        for (int i = 0; i < quantidade; ++i)
            gravar(retangulos[i]);
    }

    void drawPolygon(const QPoint *pontos, int quantidade, PolygonDrawMode modo) override
    {
        QPolygonF poligono;
        for (int i = 0; i < quantidade; ++i)
            poligono.append(pontos[i]);
        drawPolygon(poligono.constData(), quantidade, modo);
    }
    void drawPolygon(const QPointF *pontos, int quantidade, PolygonDrawMode) override
    {
        QPolygon poligono;
        for (int i = 0; i < quantidade; ++i)
            poligono.append(pontos[i].toPoint());
        const QPen caneta = painter()->pen();
        destino.linhas.append({destino.pagina, poligono, caneta.color(), caneta.width()});
    }

    void drawTextItem(const QPointF &base, const QTextItem &item) override
    {
        const QFontMetrics medidor(item.font(), &destino);
        const QPoint canto(qRound(base.x()), qRound(base.y()) - medidor.ascent());
        destino.textos.append({destino.pagina, canto, item.text()});
    }

private:
    void gravar(const QRectF &area)
    {
        destino.retangulos.append({destino.pagina, area.toRect(), painter()->brush().color()});
    }

    SuperficieGravadora &destino;
};

} // namespace

SuperficieGravadora::SuperficieGravadora(QSize tamanho, int pontosPorPolegada)
    : tamanho(tamanho), pontosPorPolegada(pontosPorPolegada),
      motor(std::make_unique<MotorGravador>(*this))
{
}

SuperficieGravadora::~SuperficieGravadora() = default;

QPaintEngine *SuperficieGravadora::paintEngine() const
{
    return motor.get();
}

bool SuperficieGravadora::novaPagina()
{
    ++pagina;
    return true;
}

QStringList SuperficieGravadora::textosDaPagina(int numero) const
{
    QStringList lista;
    for (const TextoGravado &gravado : textos) {
        if (gravado.pagina == numero)
            lista.append(gravado.texto);
    }
    return lista;
}

const TextoGravado *SuperficieGravadora::procurar(const QString &texto) const
{
    for (const TextoGravado &gravado : textos) {
        if (gravado.texto == texto)
            return &gravado;
    }
    return nullptr;
}

void SuperficieGravadora::limpar()
{
    pagina = 1;
    textos.clear();
    retangulos.clear();
    linhas.clear();
}

int SuperficieGravadora::metric(PaintDeviceMetric metrica) const
{
    constexpr double milimetrosPorPolegada = 25.4;
    switch (metrica) {
    case PdmWidth:
        return tamanho.width();
    case PdmHeight:
        return tamanho.height();
    case PdmWidthMM:
        return qRound(tamanho.width() * milimetrosPorPolegada / pontosPorPolegada);
    case PdmHeightMM:
        return qRound(tamanho.height() * milimetrosPorPolegada / pontosPorPolegada);
    case PdmNumColors:
        return 0x7fffffff;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return pontosPorPolegada;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
    default:
        return 0;
    }
}
