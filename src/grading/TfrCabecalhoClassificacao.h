#pragma once

// The header of the "Classificação" tab: "Problema", "Total" and one column per voter
// category, headed by its identifier in its colour with its title as hint. It stays above the
// ranking rows and follows their horizontal scrolling.

#include <QFrame>
#include <array>

class QLabel;

class TfrCabecalhoClassificacao : public QFrame {
    Q_OBJECT
public:
    static constexpr int altura = 40;
    static constexpr int colunas = 13; // the total and twelve categories
    static constexpr int topoRotulo = 14;
    static constexpr int esquerdaRotulo = 262;
    static constexpr int esquerdaTotal = 256;
    static constexpr int passoColuna = 56;
    // Wide enough for the last column's label: 262 + 56 · 12, and its text.
    static constexpr int larguraPainel = 990;

    explicit TfrCabecalhoClassificacao(QWidget *pai = nullptr);

    void atualizarColunas();
    void deslocar(int x); // the rows' horizontal scroll position

    QFrame *painel = nullptr;
    QLabel *lblProblema = nullptr;
    std::array<QLabel *, colunas> rotulosColunas{};
};
