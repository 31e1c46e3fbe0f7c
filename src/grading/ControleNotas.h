#pragma once

// The grades and the ranking: one grade row ("Notas") and one ranking row ("Classificação")
// per problem, in problem order; the category chooser of the grades tab; the totals and the
// order of the ranking; and the `notas`, `indicadores`, `causas` and `operacoes` sections.

#include "app/Lista.h"

#include <array>

class CaixaRolagem;
class DocumentoXml;
class ListaNos;

class ControleNotas : public Lista {
public:
    static constexpr int maximoLinhas = 10;

    ControleNotas(CaixaRolagem *sbNotas, CaixaRolagem *sbClassificacao);
    ~ControleNotas() override;

    // Rows come and go only with the problem list.
    bool adicionar() override { return true; }
    bool remover() override { return true; }
    bool selecionar(int) override { return true; }
    void atualizar(bool foco) override;
    int total() const override { return quantidade; }

    bool adicionarLinha();
    bool removerLinha();
    bool selecionarLinha(int indice);
    int linhaSelecionada() const { return selecionado; }

    bool mostrarCategoria(int categoria);
    void removerCategoria(int categoria);
    void atualizarNotas();
    void classificar();

    void gravarNotas(DocumentoXml &documento) const;
    void lerNotas(const ListaNos &secoes);
    void lerIndicadores(const ListaNos &secoes);
    void lerCausas(const ListaNos &secoes);

private:
    CaixaRolagem *sbNotas;
    CaixaRolagem *sbClassificacao;
    int quantidade = 0;
    int selecionado = -1;
};

extern ControleNotas *controleNotas;
