#pragma once

// The voter categories of the "Votantes" tab: up to twelve category frames, the `categorias`
// section of the plan file, and the answers by position that the grades and ranking use.

#include "app/Cores.h"
#include "app/ListaDeQuadros.h"
#include "voters/TfrCategoria.h"

#include <QString>

class DocumentoXml;
class ListaNos;

constexpr int maximoCategorias = 12;

class ControleVotantes : public ListaDeQuadros<TfrCategoria, maximoCategorias> {
public:
    explicit ControleVotantes(CaixaRolagem *sbVotantes);

    bool adicionar() override;
    bool remover() override;
    bool selecionar(int indice) override;
    // A new default category at place c, selected; its grades are the grade matrix's to put
    // back. False after the list's message when it is full.
    bool inserir(int c);

    void gravarCategorias(DocumentoXml &documento) const;
    void lerCategorias(const ListaNos &secoes);

    QString tituloCategoria(int c) const;
    int quantidadeVotantes(int c) const;
    ValorCor corCategoria(int c) const;
    QString rotuloVotante(int c, int j) const;
    QString nomeVotante(int c, int j) const;
};

extern ControleVotantes *controleVotantes;
