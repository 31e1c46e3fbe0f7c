#include "widgets/Leiaute.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace {

constexpr int alturaFonteFormulario = 13;

// Lives as a child of the anchored widget, so it goes away with it.
class Ancora : public QObject {
public:
    Ancora(QWidget *filho, const QRect &posicao, const QSize &tamanhoPai, Qt::Edges bordas)
        : QObject(filho), filho(filho), posicao(posicao), bordas(bordas),
          margemDireita(tamanhoPai.width() - posicao.x() - posicao.width()),
          margemInferior(tamanhoPai.height() - posicao.y() - posicao.height())
    {
        filho->setGeometry(posicao);
        filho->parentWidget()->installEventFilter(this);
    }

    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (evento->type() == QEvent::Resize && objeto == filho->parentWidget())
            aplicar(filho->parentWidget()->size());
        return false;
    }

private:
    void aplicar(const QSize &tamanho)
    {
        QRect novo = posicao;
        if (bordas.testFlag(Qt::RightEdge)) {
            if (bordas.testFlag(Qt::LeftEdge))
                novo.setWidth(std::max(0, tamanho.width() - posicao.x() - margemDireita));
            else
                novo.moveLeft(tamanho.width() - margemDireita - posicao.width());
        }
        if (bordas.testFlag(Qt::BottomEdge)) {
            if (bordas.testFlag(Qt::TopEdge))
                novo.setHeight(std::max(0, tamanho.height() - posicao.y() - margemInferior));
            else
                novo.moveTop(tamanho.height() - margemInferior - posicao.height());
        }
        filho->setGeometry(novo);
    }

    QWidget *filho;
    QRect posicao;
    Qt::Edges bordas;
    int margemDireita;
    int margemInferior;
};

} // namespace

void ancorar(QWidget *filho, const QRect &posicao, const QSize &tamanhoPai, Qt::Edges bordas)
{
    new Ancora(filho, posicao, tamanhoPai, bordas);
}

QFont fonteFormulario()
{
    QFont fonte = QApplication::font();
    fonte.setPixelSize(alturaFonteFormulario);
    return fonte;
}
