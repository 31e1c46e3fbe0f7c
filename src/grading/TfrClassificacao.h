#pragma once

// The ranking line of one problem: a button bearing the problem's name, which opens the
// problem's indicators and causes window, the problem's total and its points per category.
// The row owns that window (a window of the application, hidden between showings) and the
// problem's analysis, which the window edits in place. The window is built when it is first
// needed, and the row's own controls when they are first shown; until then the row keeps its
// values as data.

#include "analysis/AnaliseProblema.h"
#include "app/QuadroSobDemanda.h"

#include <array>

class ElementoXml;
class ListaNos;
class QLabel;
class QPushButton;
class TfmICProblema;

class TfrClassificacao : public QuadroSobDemanda {
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
    // The row's place in the ranking, from 1, as a screen reader hears it with the values shown.
    void definirLugar(int lugar);
    TfmICProblema *janelaIC(); // built on first use, editing the analysis in place
    bool janelaConstruida() const { return janela != nullptr; }

    // The problem's part of the indicators, causes and operations sections, read into and
    // written from the row's analysis.
    void carregarIndicadores(const ElementoXml &problema);
    void carregarCausas(const ElementoXml &problema);
    void carregarOperacoes(const ListaNos &filhos); // raises when something announced is missing
    void gravarAnalise(ElementoXml indicadores, ElementoXml causas, ElementoXml operacoes) const;
    // The problem's analysis as it stands, and replaced whole (a removal taken back).
    const AnaliseProblema &analiseAtual() const { return analise; }
    void definirAnalise(const AnaliseProblema &nova);
    void definirOperacoes(int causa, const OperacoesCausa &operacoes); // sheets stay

    QFrame *painel = nullptr;
    QPushButton *btnProblema = nullptr;
    std::array<QLabel *, colunas> rotulosValores{};

public Q_SLOTS:
    void btnProblemaClick();

protected:
    void criarControles() override;

private:
    void mostrarNaJanela();
    void mostrarTitulo();
    void mostrarLugar();

    QString tituloProblema;
    bool tituloDefinido = false;
    std::array<float, colunas> valores{};
    int lugarNaClassificacao = 0;
    AnaliseProblema analise;
    TfmICProblema *janela = nullptr;
};
