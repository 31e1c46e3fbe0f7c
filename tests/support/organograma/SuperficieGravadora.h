#pragma once

// A paint device that draws nothing and remembers what was painted on it, page by page:
// texts with their top-left corner, filled rectangles with their colour and polylines with
// their pen. Its size and resolution are chosen by the test, so layouts come out in exact,
// known pixels.

#include <QColor>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <QVector>
#include <memory>

struct TextoGravado {
    int pagina;
    QPoint canto; // top-left corner of the line
    QString texto;
};

struct RetanguloGravado {
    int pagina;
    QRect area;
    QColor cor;
};

struct LinhaGravada {
    int pagina;
    QPolygon pontos;
    QColor cor;
    int largura;
};

class SuperficieGravadora : public QPaintDevice {
public:
    SuperficieGravadora(QSize tamanho, int pontosPorPolegada);
    ~SuperficieGravadora() override;

    QPaintEngine *paintEngine() const override;
    bool novaPagina(); // what a printer's new page does here

    QSize tamanho;
    int pontosPorPolegada;
    int pagina = 1;
    QVector<TextoGravado> textos;
    QVector<RetanguloGravado> retangulos;
    QVector<LinhaGravada> linhas;

    QStringList textosDaPagina(int numero) const;
    const TextoGravado *procurar(const QString &texto) const; // the first one drawn, or nullptr
    void limpar();

protected:
    int metric(PaintDeviceMetric metrica) const override;

private:
    std::unique_ptr<QPaintEngine> motor;
};
