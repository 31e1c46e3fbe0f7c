#include "widgets/CaixaItensFixos.h"

#include <QEvent>
#include <QHash>
#include <QStyle>

namespace {

struct Chave {
    QString tipo;
    QString fonte;
    QString estilo;
    QSize icone;
    int itens = 0;
    int comprimentoMinimo = 0;
    int politica = 0;
    int dica = 0;
    bool operator==(const Chave &outra) const = default;
};

size_t qHash(const Chave &chave, size_t semente = 0)
{
    return qHashMulti(semente, chave.tipo, chave.fonte, chave.estilo, chave.icone.width(),
                      chave.icone.height(), chave.itens, chave.comprimentoMinimo, chave.politica,
                      chave.dica);
}

QHash<Chave, QSize> &medidas()
{
    static QHash<Chave, QSize> conhecidas;
    return conhecidas;
}

} // namespace

CaixaItensFixos::CaixaItensFixos(QWidget *pai) : QComboBox(pai) {}

QSize CaixaItensFixos::medir(Dica dica) const
{
    const auto propria = [this, dica] {
        return dica == Dica::tamanho ? QComboBox::sizeHint() : QComboBox::minimumSizeHint();
    };
    const Chave chave{QString::fromLatin1(metaObject()->className()),
                      font().key(),
                      style()->name(),
                      iconSize(),
                      count(),
                      minimumContentsLength(),
                      static_cast<int>(sizeAdjustPolicy()),
                      static_cast<int>(dica)};
    auto conhecida = medidas().constFind(chave);
    if (conhecida != medidas().constEnd())
        return *conhecida;
    return *medidas().insert(chave, propria());
}

QSize CaixaItensFixos::sizeHint() const
{
    if (!dicaTamanho.isValid())
        dicaTamanho = medir(Dica::tamanho);
    return dicaTamanho;
}

QSize CaixaItensFixos::minimumSizeHint() const
{
    if (!dicaMinima.isValid())
        dicaMinima = medir(Dica::minimo);
    return dicaMinima;
}

void CaixaItensFixos::medirDeNovo()
{
    dicaTamanho = QSize();
    dicaMinima = QSize();
    updateGeometry();
}

void CaixaItensFixos::showEvent(QShowEvent *evento)
{
    if (!mostrada && sizeAdjustPolicy() == AdjustToContentsOnFirstShow) {
        dicaTamanho = QSize();
        updateGeometry();
    }
    mostrada = true;
    QComboBox::showEvent(evento);
}

void CaixaItensFixos::changeEvent(QEvent *evento)
{
    switch (evento->type()) {
    case QEvent::StyleChange:
    case QEvent::FontChange:
    case QEvent::MacSizeChange:
        dicaTamanho = QSize();
        dicaMinima = QSize();
        break;
    default:
        break;
    }
    QComboBox::changeEvent(evento);
}
