#pragma once

// The header of the "Notas" tab: the chooser of the category being graded and, above the
// grade boxes of the rows, one label per voter of that category (short label, name as hint,
// category colour). It stays above the rows while they scroll vertically and follows their
// horizontal scrolling, so every label stays over its column.

#include <QFrame>
#include <array>

class QComboBox;
class QLabel;

class TfrCabecalhoVotacao : public QFrame {
    Q_OBJECT
public:
    static constexpr int altura = 40;
    static constexpr int maximoVotantes = 12;
    static constexpr int larguraCategoria = 145;
    static constexpr int topoRotulo = 14;
    static constexpr int esquerdaRotulo = 262;
    static constexpr int passoColuna = 56;
    static constexpr int larguraRotulo = 48;
    static constexpr int larguraPainel = 936;

    explicit TfrCabecalhoVotacao(QWidget *pai = nullptr);

    void deslocar(int x); // the rows' horizontal scroll position

    QFrame *painel = nullptr;
    QLabel *lblCategoria = nullptr;
    QComboBox *cbCategoria = nullptr;
    std::array<QLabel *, maximoVotantes> rotulosVotantes{};

public Q_SLOTS:
    // The user's choice, and the refresh the grade matrix runs at each of its refreshes.
    void cbCategoriaChange();
};
