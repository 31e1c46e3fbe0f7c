#pragma once

// A drop-down whose items are the same in every box of its class (the colours, the grades, a
// category's count of voters). QComboBox measures the text of every item for each of its two
// size hints, in every box, and again when the box is first shown; on the largest plan that
// was a fifth of opening it. Here the first box of a class with a given font and style measures,
// through QComboBox itself, and every other box takes the same figures. A box whose items are
// not its class's own at that moment (a custom colour) measures its own, as before.

#include <QComboBox>

class CaixaItensFixos : public QComboBox {
    Q_OBJECT
public:
    explicit CaixaItensFixos(QWidget *pai = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    // False while the box holds items the other boxes of its class do not.
    virtual bool itensComuns() const { return true; }
    void showEvent(QShowEvent *evento) override;
    void changeEvent(QEvent *evento) override;

private:
    enum class Dica { tamanho, minimo };
    QSize medir(Dica dica) const;

    // As QComboBox keeps them: measured when first asked, again at the first showing and after
    // a change of font or style.
    mutable QSize dicaTamanho;
    mutable QSize dicaMinima;
    bool mostrada = false;
};
