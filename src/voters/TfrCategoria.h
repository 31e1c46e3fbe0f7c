#pragma once

// One voter category of the "Votantes" tab: title, number of voters, identifier, colour and
// the grid of the voters' names, which can be shown or folded. The category is held as data,
// which its controls, once built, show and follow as the user edits them. A title keeps its
// quotes and apostrophes ("Sant'Ana"): the plan file's writer escapes them.

#include "app/Cores.h"
#include "app/QuadroSobDemanda.h"
#include "widgets/EditLimitado.h"

#include <array>

class CaixaCor;
class QComboBox;
class QLabel;
class QTableWidget;
class QToolButton;

class TfrCategoria : public QuadroSobDemanda {
    Q_OBJECT
public:
    static constexpr int alturaFechada = 39;
    static constexpr int alturaNomes = 108;
    static constexpr int limiteTitulo = 32;
    static constexpr int limiteIdentificador = 3;
    static constexpr int maximoVotantes = 12;

    explicit TfrCategoria(QWidget *pai = nullptr);

    QString titulo() const { return textoTitulo; }
    void definirTitulo(const QString &texto);
    QString identificador() const { return textoIdentificador; }
    void definirIdentificador(const QString &texto);
    ValorCor corCategoria() const { return cor; }
    void definirCor(ValorCor valor); // the chooser and the title's colour follow
    // 0 … 12 voters; 0 only comes from a file and leaves the chooser without a choice.
    void definirQuantidade(int quantidade);
    QString nomeVotante(int j) const; // "" outside the grid
    void definirNomeVotante(int j, const QString &nome);
    void destacar(bool selecionado);
    void definirPosicao(int valor); // and the controls' names, which carry the number
    void focar();

    int posicao = 0;
    int quantidadeVotantes = 1;
    bool nomesVisiveis = false;

    QFrame *painel = nullptr;
    QLabel *lblCategoria = nullptr;
    EditLimitado *edCategoria = nullptr;
    QToolButton *sbBtnNomes = nullptr;
    QLabel *lblQuantidade = nullptr;
    QComboBox *cbQuantidade = nullptr;
    QLabel *lblIdentificador = nullptr;
    EditLimitado *edIdentificador = nullptr;
    CaixaCor *clBoxVotantes = nullptr;
    QTableWidget *sgVotantes = nullptr;

public Q_SLOTS:
    void painelEnter();
    void painelClick();
    void painelDblClick();
    void cbQuantidadeChange();
    void clBoxVotantesChange(ValorCor valor);

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;
    void criarControles() override;

private:
    void criarGrade();
    void linhaMovida();
    void mostrarQuantidade();
    void mostrarLinhasDosNomes();
    void mostrarDestaque();
    void mostrarCorDoTitulo();
    void nomearControles();
    void nomearGrade();

    QString textoTitulo;
    QString textoIdentificador;
    std::array<QString, maximoVotantes> nomes;
    ValorCor cor = corPreta;
    bool selecionado = false;
};
