#pragma once

// An icon drawn in several sizes, one file each, read only when a size is first asked for.
// The program's icon is set at start-up, but only a window system asks for its pixmaps (a
// headless run never does), and decoding every size at once took a tenth of the time to the
// first dialog.

#include <QHash>
#include <QIconEngine>
#include <QList>
#include <QPixmap>
#include <QString>
#include <utility>

class IconeSobDemanda : public QIconEngine {
public:
    using Desenho = std::pair<int, QString>;           // side in pixels, file
    explicit IconeSobDemanda(QList<Desenho> desenhos); // any order

    QPixmap pixmap(const QSize &tamanho, QIcon::Mode modo, QIcon::State estado) override;
    void paint(QPainter *pintor, const QRect &retangulo, QIcon::Mode modo,
               QIcon::State estado) override;
    QSize actualSize(const QSize &tamanho, QIcon::Mode modo, QIcon::State estado) override;
    QList<QSize> availableSizes(QIcon::Mode modo, QIcon::State estado) override;
    QIconEngine *clone() const override;
    QString key() const override;

    int quantidadeLida() const { return static_cast<int>(lidos.size()); }

private:
    // The smallest drawing that covers the size asked for, or else the largest.
    const Desenho &escolher(const QSize &tamanho) const;

    QList<Desenho> desenhos;
    QHash<int, QPixmap> lidos; // by side
};
