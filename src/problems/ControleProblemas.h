#pragma once

// The problem list of the "Problemas" tab: up to ten problem rows stacked in its scroll box,
// kept in step with the grade matrix, and the `problemas` section of the plan file.

#include "app/Lista.h"

#include <QString>
#include <array>

class CaixaRolagem;
class DocumentoXml;
class ListaNos;
class TfrProblema;

class ControleProblemas : public Lista {
public:
    static constexpr int maximoProblemas = 10;

    explicit ControleProblemas(CaixaRolagem *sbProblemas);

    bool adicionar() override;
    bool remover() override;
    bool selecionar(int indice) override;
    void atualizar(bool foco) override;
    int total() const override { return quantidade; }

    void esvaziar();
    void gravarProblemas(DocumentoXml &documento) const;
    void lerProblemas(const ListaNos &secoes);
    QString nomeProblema(int i) const;

    int posicaoSelecionada() const { return selecionado; }
    TfrProblema *quadro(int i) const; // nullptr outside the list

private:
    CaixaRolagem *sbProblemas;
    std::array<TfrProblema *, maximoProblemas> quadros{};
    int quantidade = 0;
    int contadorNomes = 0;
    int selecionado = -1;
};

extern ControleProblemas *controleProblemas;
