#include "widgets/AjusteTela.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

namespace {

QMargins molduraConhecida(const QWidget *janela)
{
    const QWindow *nativa = janela ? janela->windowHandle() : nullptr;
    return nativa ? nativa->frameMargins() : QMargins();
}

} // namespace

AjusteTela::AjusteTela(QWidget *janela, QWidget *conteudo)
    : QObject(janela), janela(janela), area(conteudo)
{
    janela->installEventFilter(this);
}

QWidget *AjusteTela::conteudo(QWidget *janela)
{
    auto *rolagem = new QScrollArea(janela);
    rolagem->setObjectName(QStringLiteral("rolagemJanela"));
    rolagem->setFrameShape(QFrame::NoFrame);
    // Not a stop of its own for Tab; it still scrolls to the control Tab reaches.
    rolagem->setFocusPolicy(Qt::NoFocus);
    rolagem->setWidgetResizable(true);
    auto *area = new QWidget;
    area->setObjectName(QStringLiteral("conteudoJanela"));
    rolagem->setWidget(area);
    if (auto *principal = qobject_cast<QMainWindow *>(janela)) {
        principal->setCentralWidget(rolagem);
    } else {
        auto *layout = new QVBoxLayout(janela);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(rolagem);
    }
    new AjusteTela(janela, area);
    return area;
}

QRect AjusteTela::caberNaTela(const QRect &moldura, const QRect &area)
{
    QRect cabe(QPoint(), moldura.size().boundedTo(area.size()));
    cabe.moveCenter(moldura.center());
    cabe.moveLeft(std::clamp(cabe.left(), area.left(), area.left() + area.width() - cabe.width()));
    cabe.moveTop(std::clamp(cabe.top(), area.top(), area.top() + area.height() - cabe.height()));
    return cabe;
}

bool AjusteTela::eventFilter(QObject *objeto, QEvent *evento)
{
    // Before the window reaches the screen, and before a dialog centres itself on its parent.
    if (objeto == janela && evento->type() == QEvent::Show && !evento->spontaneous())
        ajustar();
    return QObject::eventFilter(objeto, evento);
}

void AjusteTela::lerProjeto()
{
    minimoProjetado = janela->minimumSize();
    maximoProjetado = janela->maximumSize();
    // The content keeps the design whatever the window's size; a main window's menu bar stays
    // out of the scrolling.
    QSize bordas;
    if (const auto *principal = qobject_cast<QMainWindow *>(janela);
        principal && principal->menuWidget())
        bordas.setHeight(principal->menuWidget()->sizeHint().height());
    const bool fixo = minimoProjetado == maximoProjetado;
    area->setMinimumSize(((fixo ? maximoProjetado : minimoProjetado) - bordas).expandedTo({0, 0}));
    projetoLido = true;
}

void AjusteTela::ajustar()
{
    if (!projetoLido)
        lerProjeto();
    const QMargins margens = moldura();
    const QRect disponivel = areaDisponivel();
    if (disponivel.isEmpty())
        return;
    const QSize espaco = disponivel.size().shrunkBy(margens);
    if (minimoProjetado == maximoProjetado)
        janela->setFixedSize(maximoProjetado.boundedTo(espaco));
    else
        janela->setMinimumSize(minimoProjetado.boundedTo(espaco));

    const QRect cabe =
        caberNaTela(QRect(janela->pos(), janela->size().grownBy(margens)), disponivel);
    janela->resize(cabe.size().shrunkBy(margens));
    // A dialog nobody placed centres itself on its parent as it shows, within the screen.
    if (janela->testAttribute(Qt::WA_Moved))
        janela->move(cabe.topLeft());
}

QRect AjusteTela::areaDisponivel() const
{
    const QWidget *pai = janela->parentWidget();
    QScreen *tela = pai && !janela->testAttribute(Qt::WA_Moved)
                        ? pai->window()->screen()
                        : QGuiApplication::screenAt(QRect(janela->pos(), janela->size()).center());
    if (!tela)
        tela = janela->screen();
    return tela ? tela->availableGeometry() : QRect();
}

// Known once a window has been on screen: this one, its parent or the active one share the
// window manager's frame.
QMargins AjusteTela::moldura() const
{
    const QWidget *pai = janela->parentWidget();
    const std::initializer_list<const QWidget *> janelas = {janela, pai ? pai->window() : nullptr,
                                                            QApplication::activeWindow()};
    for (const QWidget *outra : janelas) {
        const QMargins margens = molduraConhecida(outra);
        if (!margens.isNull())
            return margens;
    }
    return molduraEstimada;
}
