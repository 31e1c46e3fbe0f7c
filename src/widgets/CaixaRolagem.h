#pragma once

// A scroll box whose rows are placed by hand: each controller moves its frames to top = y and
// then sets the content height, which is the vertical scroll range. Rows stretch to the
// visible width, or to the widest row's minimum width when that is larger. A control of a row
// that takes the focus is scrolled into view, however the focus came to it.

#include <QScrollArea>

class CaixaRolagem : public QScrollArea {
    Q_OBJECT
public:
    explicit CaixaRolagem(QWidget *pai = nullptr);
    ~CaixaRolagem() override;

    QWidget *conteudo() const { return widget(); }
    void rolarParaTopo();
    void definirAlturaConteudo(int altura);
    int alturaConteudo() const { return altura; }
    void ajustarLarguras();

protected:
    void resizeEvent(QResizeEvent *evento) override;

private Q_SLOTS:
    void mostrarFoco(QWidget *antigo, QWidget *novo);

private:
    int altura = 0;
};
