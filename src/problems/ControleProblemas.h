#pragma once

// The problem list of the "Problemas" tab: up to ten problem rows stacked in its scroll box,
// kept in step with the grade matrix, and the `problemas` section of the plan file.

#include "app/ListaDeQuadros.h"
#include "problems/TfrProblema.h"

#include <QString>

class DocumentoXml;
class ListaNos;

constexpr int maximoProblemas = 10;

class ControleProblemas : public ListaDeQuadros<TfrProblema, maximoProblemas> {
public:
    explicit ControleProblemas(CaixaRolagem *sbProblemas);

    bool adicionar() override;
    bool remover() override;
    bool selecionar(int indice) override;
    // A new default problem at place p, selected, with its grade and ranking rows; false after
    // the list's message when it is full.
    bool inserir(int p);

    void gravarProblemas(DocumentoXml &documento) const;
    void lerProblemas(const ListaNos &secoes);
    QString nomeProblema(int i) const;
};

extern ControleProblemas *controleProblemas;
