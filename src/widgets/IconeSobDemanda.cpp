#include "widgets/IconeSobDemanda.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>

IconeSobDemanda::IconeSobDemanda(QList<Desenho> desenhos) : desenhos(std::move(desenhos))
{
    std::sort(this->desenhos.begin(), this->desenhos.end());
}

const IconeSobDemanda::Desenho &IconeSobDemanda::escolher(const QSize &tamanho) const
{
    const int lado = std::max(tamanho.width(), tamanho.height());
    for (const Desenho &desenho : desenhos) {
        if (desenho.first >= lado)
            return desenho;
    }
    return desenhos.constLast();
}

QSize IconeSobDemanda::actualSize(const QSize &tamanho, QIcon::Mode, QIcon::State)
{
    if (desenhos.isEmpty())
        return {};
    const int lado = escolher(tamanho).first;
    // Never larger than asked for, as with any icon.
    return QSize(lado, lado).boundedTo(tamanho);
}

QPixmap IconeSobDemanda::pixmap(const QSize &tamanho, QIcon::Mode modo, QIcon::State estado)
{
    if (desenhos.isEmpty() || tamanho.isEmpty())
        return {};
    const Desenho &desenho = escolher(tamanho);
    auto lido = lidos.find(desenho.first);
    if (lido == lidos.end())
        lido = lidos.insert(desenho.first, QPixmap(desenho.second));
    QPixmap imagem = *lido;
    const QSize real = actualSize(tamanho, modo, estado);
    if (!imagem.isNull() && imagem.size() != real)
        imagem = imagem.scaled(real, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (modo == QIcon::Disabled || modo == QIcon::Selected) {
        QStyleOption opcao;
        opcao.palette = QApplication::palette();
        imagem = QApplication::style()->generatedIconPixmap(modo, imagem, &opcao);
    }
    return imagem;
}

void IconeSobDemanda::paint(QPainter *pintor, const QRect &retangulo, QIcon::Mode modo,
                            QIcon::State estado)
{
    const qreal razao = pintor->device() ? pintor->device()->devicePixelRatioF() : 1.0;
    QPixmap imagem = pixmap(retangulo.size() * razao, modo, estado);
    imagem.setDevicePixelRatio(razao);
    pintor->drawPixmap(retangulo, imagem);
}

QList<QSize> IconeSobDemanda::availableSizes(QIcon::Mode, QIcon::State)
{
    QList<QSize> tamanhos;
    for (const Desenho &desenho : desenhos)
        tamanhos.append(QSize(desenho.first, desenho.first));
    return tamanhos;
}

QIconEngine *IconeSobDemanda::clone() const
{
    return new IconeSobDemanda(*this);
}

QString IconeSobDemanda::key() const
{
    return QStringLiteral("IconeSobDemanda");
}
