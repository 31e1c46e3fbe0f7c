#pragma once

// The voter categories of the "Votantes" tab: up to twelve category frames, the `categorias`
// section of the plan file, and the answers by position that the grades and ranking use.

#include "app/Cores.h"
#include "app/Lista.h"

#include <QString>
#include <array>

class CaixaRolagem;
class DocumentoXml;
class ListaNos;
class TfrCategoria;

class ControleVotantes : public Lista {
public:
    static constexpr int maximoCategorias = 12;

    explicit ControleVotantes(CaixaRolagem *sbVotantes);

    bool adicionar() override;
    bool remover() override;
    bool selecionar(int indice) override;
    void atualizar(bool foco) override;
    int total() const override { return quantidade; }

    void esvaziar();
    void gravarCategorias(DocumentoXml &documento) const;
    void lerCategorias(const ListaNos &secoes);

    QString tituloCategoria(int c) const;
    int quantidadeVotantes(int c) const;
    ValorCor corCategoria(int c) const;
    QString rotuloVotante(int c, int j) const;
    QString nomeVotante(int c, int j) const;

    int posicaoSelecionada() const { return selecionado; }
    TfrCategoria *quadro(int c) const; // nullptr outside the list

private:
    CaixaRolagem *sbVotantes;
    std::array<TfrCategoria *, maximoCategorias> quadros{};
    int quantidade = 0;
    int contadorNomes = 0;
    int selecionado = -1;
};

extern ControleVotantes *controleVotantes;
