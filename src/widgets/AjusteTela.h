#pragma once

// Every window opens inside the screen it opens on, in the part the desktop's panels leave free
// (QScreen::availableGeometry), at 1.5 and 2 times scale as well, where a screen has fewer
// logical pixels. A window keeps the size it was designed with where that fits; otherwise it
// opens at the space there is, and its content, which never shrinks below its design, scrolls,
// so every button stays reachable with the mouse and with Tab.
//
// A window's constructor asks for its content area first and builds itself inside it; the size,
// minimum size or fixed size the constructor then gives the window is its design. Each time the
// window is shown it is fitted again, since it may open on another screen.

#include <QMargins>
#include <QObject>
#include <QRect>
#include <QSize>

class QWidget;

class AjusteTela : public QObject {
    Q_OBJECT
public:
    // A widget inside a frameless scroll area that fills `janela` (the central widget of a main
    // window). The scroll area takes no focus and shows bars only when it has to.
    static QWidget *conteudo(QWidget *janela);

    // A window whose outer frame is `moldura`, fitted inside `area`: no larger, its centre kept
    // where the area allows.
    static QRect caberNaTela(const QRect &moldura, const QRect &area);

    // The frame a window manager puts around a window, until the real one is known.
    static constexpr QMargins molduraEstimada{4, 32, 4, 4};

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    AjusteTela(QWidget *janela, QWidget *conteudo);
    void ajustar();
    void lerProjeto();
    QRect areaDisponivel() const;
    QMargins moldura() const;

    QWidget *janela;
    QWidget *area;
    bool projetoLido = false;
    QSize minimoProjetado;
    QSize maximoProjetado;
};
