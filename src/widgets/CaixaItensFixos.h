#pragma once

// A drop-down whose boxes, in one class, hold the same texts whenever they hold as many items
// (the colours, with or without the one custom entry "Personalizada"; the grades; a category's
// count of voters). QComboBox measures the text of every item for each of its two size hints,
// in every box, and again when the box is first shown; on the largest plan that was a fifth of
// opening it. Here the first box of a class with a given font, style and number of items
// measures, through QComboBox itself, and every other such box takes the same figures.

#include <QComboBox>

class CaixaItensFixos : public QComboBox {
    Q_OBJECT
public:
    explicit CaixaItensFixos(QWidget *pai = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    // After items were taken out: the sizes measured for the old ones no longer hold.
    void medirDeNovo();
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
