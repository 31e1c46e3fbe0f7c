#pragma once

// The grades and the ranking: one grade row ("Notas") and one ranking row ("Classificação")
// per problem, in problem order; the category chooser of the grades tab; the totals and the
// order of the ranking; and the `notas`, `indicadores`, `causas` and `operacoes` sections.

#include "app/Lista.h"
#include "grading/TabelaNotas.h"

#include <QVector>
#include <array>
#include <optional>

class CaixaRolagem;
class DocumentoXml;
class ListaNos;
class TfrCabecalhoClassificacao;
class TfrCabecalhoVotacao;
class TfrClassificacao;
class TfrNotas;

class ControleNotas : public Lista {
public:
    static constexpr int maximoLinhas = 10;

    // The two header frames go on the tab pages, above the scroll boxes; the widgets own them.
    ControleNotas(CaixaRolagem *sbNotas, CaixaRolagem *sbClassificacao);
    ~ControleNotas() override;

    // Rows come and go only with the problem list.
    bool adicionar() override { return true; }
    bool remover() override { return true; }
    bool selecionar(int) override { return true; }
    void atualizar(bool foco) override;
    int total() const override { return quantidade; }

    // The rows of a problem added at the end of the list, or of the problem at place p removed
    // (by default the problem selected, which is also the row selected).
    bool adicionarLinha();
    bool removerLinha(int p);
    bool removerLinha() { return removerLinha(linhaSelecionada()); }
    void moverUltimaLinhaPara(int p); // a removed problem's rows come back at place p
    int linhaSelecionada() const;

    bool mostrarCategoria(int categoria);
    void removerCategoria(int categoria);
    // A removed category's grades come back, `notas[i]` to problem i; later categories move up.
    void inserirCategoria(int categoria, const QVector<TabelaNotas::Linha> &notas);
    void atualizarNotas();
    void classificar();

    void gravarNotas(DocumentoXml &documento) const;
    void lerNotas(const ListaNos &secoes);
    void lerIndicadores(const ListaNos &secoes);
    void lerCausas(const ListaNos &secoes);

    TfrNotas *linhaNotas(int i) const;                 // nullptr outside the list
    TfrClassificacao *linhaClassificacao(int i) const; // nullptr outside the list
    float totalProblema(int i) const;                  // from the last ranking pass
    TfrCabecalhoVotacao *cabecalhoVotacao() const { return cabecalhoNotas; }
    TfrCabecalhoClassificacao *cabecalhoClassificacao() const { return cabecalhoRanking; }

    // While a plan is emptied or read, the refreshes of the grades and the ranking that the
    // lists ask for, and the category to show, wait; when the last of these scopes ends, one
    // refresh shows the result. Reading the largest plan asked for 45.
    class Adiamento {
    public:
        Adiamento();
        ~Adiamento();
        Adiamento(const Adiamento &) = delete;
        Adiamento &operator=(const Adiamento &) = delete;
    };

private:
    void retomar();
    void preencherEscolha(int categoria);

    CaixaRolagem *sbNotas;
    CaixaRolagem *sbClassificacao;
    TfrCabecalhoVotacao *cabecalhoNotas = nullptr;
    TfrCabecalhoClassificacao *cabecalhoRanking = nullptr;
    // One problem's rows on both tabs, and its total from the last ranking pass.
    struct Linha {
        TfrNotas *notas = nullptr;
        TfrClassificacao *classificacao = nullptr;
        float total = 0.0f;
    };
    std::array<Linha, maximoLinhas> linhas{};
    int quantidade = 0;
    int quantidadeCategorias = 0;
    int contadorNomes = 1;
    int adiamentos = 0;
    bool atualizacaoPendente = false;
    std::optional<int> categoriaPedida;
};

extern ControleNotas *controleNotas;
