#pragma once

// The removals the user can take back ("Desfazer") and those taken back that can be made again
// ("Refazer"), newest last. Each removal keeps all its item held: a problem with its grades and
// analysis, a category with its voters and its grades in every problem, or what an analysis
// window's remove button took. A new removal forgets what was taken back; beyond the limit the
// oldest removal is forgotten.

#include "analysis/AnaliseProblema.h"
#include "app/Cores.h"
#include "grading/TabelaNotas.h"

#include <QString>
#include <QVector>
#include <array>
#include <deque>
#include <optional>
#include <variant>

struct ProblemaRemovido {
    QString nome;
    ValorCor cor = corPreta;
    TabelaNotas notas;
    AnaliseProblema analise;
};

struct CategoriaRemovida {
    static constexpr int maximoVotantes = 12;
    QString titulo;
    QString identificador;
    ValorCor cor = corPreta;
    int quantidade = 1;
    std::array<QString, maximoVotantes> nomes; // every row of the grid, hidden ones too
    bool nomesVisiveis = false;
    QVector<TabelaNotas::Linha> notas; // the category's grades in each problem, in order
};

struct Remocao {
    int posicao = 0; // of the problem or the category; of the problem for its analysis
    std::variant<ProblemaRemovido, CategoriaRemovida, AnaliseProblema::Remocao> item;
};

class HistoricoRemocoes {
public:
    static constexpr int limite = 50;

    void registrar(Remocao remocao);
    bool podeDesfazer() const { return !remocoes.empty(); }
    bool podeRefazer() const { return !desfeitas.empty(); }
    const Remocao &aDesfazer() const { return remocoes.back(); } // only when podeDesfazer()
    const Remocao &aRefazer() const { return desfeitas.back(); } // only when podeRefazer()
    void desfeita();                                             // aDesfazer() was taken back
    // aRefazer() was removed again, holding `comoAgora` this time; or it was no longer there
    // to remove, and is forgotten.
    void refeita(std::optional<Remocao> comoAgora);
    void limpar();

private:
    std::deque<Remocao> remocoes;
    std::deque<Remocao> desfeitas;
};
