#include "widgets/CaixaCor.h"

#include "widgets/RodaComFoco.h"

#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <memory>
#include <vector>

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

// The standard entries, made once: each chooser's items are copies of them, which share their
// name, swatch and value instead of setting the three anew in every chooser.
class Prototipo : public QStandardItem {
public:
    explicit Prototipo(const CorNomeada &cor) : QStandardItem(amostra(cor.valor), cor.nome)
    {
        setData(QVariant::fromValue<qint32>(cor.valor), Qt::UserRole);
    }
    QStandardItem *copia() const { return new Prototipo(*this); }

private:
    Prototipo(const Prototipo &outro) = default;
};

const std::vector<std::unique_ptr<Prototipo>> &prototipos()
{
    static const std::vector<std::unique_ptr<Prototipo>> itens = [] {
        std::vector<std::unique_ptr<Prototipo>> feitos;
        feitos.reserve(static_cast<size_t>(coresPadrao().size()));
        for (const CorNomeada &cor : coresPadrao())
            feitos.push_back(std::make_unique<Prototipo>(cor));
        return feitos;
    }();
    return itens;
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
    itens.reserve(static_cast<qsizetype>(prototipos().size()));
    for (const auto &prototipo : prototipos())
        itens.append(prototipo->copia());
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
    // The standard entries come first, in the table's order; a search through the box's list
    // compared the value with each of them as variants.
    int posicao = -1;
    const QVector<CorNomeada> &cores = coresPadrao();
    for (int i = 0; i < cores.size() && posicao < 0; ++i) {
        if (cores.at(i).valor == valor)
            posicao = i;
    }
    if (posicao < 0 && posicaoPersonalizada >= 0 &&
        itemData(posicaoPersonalizada).value<qint32>() == valor)
        posicao = posicaoPersonalizada;
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

void CaixaCor::reiniciar()
{
    const QSignalBlocker bloqueio(this);
    if (posicaoPersonalizada >= 0) {
        removeItem(posicaoPersonalizada);
        posicaoPersonalizada = -1;
        medirDeNovo();
    }
    setCurrentIndex(0);
}
