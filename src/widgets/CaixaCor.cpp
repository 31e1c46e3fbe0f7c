#include "widgets/CaixaCor.h"

#include "widgets/RodaComFoco.h"

#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>
#include <QStandardItemModel>

namespace {

constexpr int ladoAmostra = 14;

QIcon desenharAmostra(ValorCor valor)
{
    QPixmap imagem(ladoAmostra, ladoAmostra);
    imagem.fill(paraQColor(valor));
    QPainter pintor(&imagem);
    pintor.setPen(Qt::black);
    pintor.drawRect(0, 0, ladoAmostra - 1, ladoAmostra - 1);
    return QIcon(imagem);
}

// Every row of every list carries a chooser; the swatches are drawn once for all of them.
QIcon amostra(ValorCor valor)
{
    static QHash<ValorCor, QIcon> desenhadas;
    auto existente = desenhadas.constFind(valor);
    if (existente != desenhadas.constEnd())
        return *existente;
    return *desenhadas.insert(valor, desenharAmostra(valor));
}

} // namespace

CaixaCor::CaixaCor(QWidget *pai) : CaixaItensFixos(pai)
{
    setEditable(false);
    setMaxVisibleItems(20);
    rodaSoComFoco(this);
    // Handed to the box's own list in one insertion: one by one, each item paid the box's
    // bookkeeping of an insertion.
    QList<QStandardItem *> itens;
    for (const CorNomeada &cor : coresPadrao()) {
        auto *item = new QStandardItem(amostra(cor.valor), cor.nome);
        item->setData(QVariant::fromValue<qint32>(cor.valor), Qt::UserRole);
        itens.append(item);
    }
    qobject_cast<QStandardItemModel *>(model())->invisibleRootItem()->appendRows(itens);
    setCurrentIndex(0);
    connect(this, &QComboBox::currentIndexChanged, this, [this](int posicao) {
        if (posicao >= 0)
            Q_EMIT corAlterada(corSelecionada());
    });
}

void CaixaCor::adicionarItem(ValorCor valor, const QString &nome)
{
    addItem(amostra(valor), nome, QVariant::fromValue<qint32>(valor));
}

ValorCor CaixaCor::corSelecionada() const
{
    if (currentIndex() < 0)
        return corPreta;
    return currentData().value<qint32>();
}

void CaixaCor::definirCor(ValorCor valor)
{
    const QSignalBlocker bloqueio(this);
    int posicao = findData(QVariant::fromValue<qint32>(valor));
    if (posicao < 0) {
        if (posicaoPersonalizada >= 0) {
            setItemIcon(posicaoPersonalizada, amostra(valor));
            setItemData(posicaoPersonalizada, QVariant::fromValue<qint32>(valor));
        } else {
            posicaoPersonalizada = count();
            adicionarItem(valor, QStringLiteral("Personalizada"));
        }
        posicao = posicaoPersonalizada;
    }
    setCurrentIndex(posicao);
}
