#pragma once

// The ranking line of one problem: a button bearing the problem's name, which opens the
// problem's indicators and causes window, the problem's total and its points per category.
// The row owns that window (a window of the application, hidden between showings).

#include <QFrame>
#include <array>

class QLabel;
class QPushButton;
class TfmICProblema;

class TfrClassificacao : public QFrame {
    Q_OBJECT
public:
    static constexpr int altura = 48;
    static constexpr int colunas = 13; // the total and twelve categories
    static constexpr int topoRotulo = 14;
    static constexpr int esquerdaRotulo = 262;
    static constexpr int passoColuna = 56;
    static constexpr int larguraPainel = 990;

    explicit TfrClassificacao(QWidget *pai = nullptr);
    ~TfrClassificacao() override;

    void definirTitulo(const QString &texto);
    QString titulo() const { return tituloProblema; }
    void definirValor(int coluna, float valor); // column 0 is the total
    void posicionarRotulos();
    TfmICProblema *janelaIC() const { return janela; }

    QFrame *painel = nullptr;
    QPushButton *btnProblema = nullptr;
    std::array<QLabel *, colunas> rotulosValores{};

public Q_SLOTS:
    void btnProblemaClick();

private:
    QString tituloProblema;
    bool tituloDefinido = false;
    TfmICProblema *janela = nullptr;
};
