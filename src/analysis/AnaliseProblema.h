#pragma once

// The analysis of one problem as plain data: its indicators, its causes with their operations,
// and the general review, with the readers and writers of their part of the plan file. The
// indicators and causes window shows and edits it; a problem whose window was never opened keeps
// it here, which spares building ten windows for a plan that is only opened and saved.

#include "analysis/OperacoesCausa.h"

#include <QString>
#include <QStringList>
#include <array>

class ElementoXml;
class ListaNos;

class AnaliseProblema {
public:
    static constexpr int maximoIndicadores = 5;
    static constexpr int maximoCausas = 3;

    // One empty indicator and one empty cause without operations, as a new window shows.
    AnaliseProblema();

    const QStringList &indicadores() const { return textosIndicadores; } // 1 … 5
    void definirIndicadores(const QStringList &textos);
    const QStringList &causas() const { return textosCausas; } // 1 … 3
    void definirCausas(const QStringList &textos);             // keeps the operations by position
    const OperacoesCausa &operacoes(int causa) const; // causa in 0 … causas().size() − 1
    void definirOperacoes(int causa, const OperacoesCausa &operacoes);
    const QString &revisao() const { return textoRevisao; }
    void definirRevisao(const QString &texto) { textoRevisao = texto; }

    // Readers fall back as the window always did: a damaged indicators or causes element leaves
    // one empty line; causes read before a damaged one are dropped with their operations.
    void carregarIndicadores(const ElementoXml &problema);
    void carregarCausas(const ElementoXml &problema);
    // The review, then each cause's operations by position; raises on a damaged operations
    // element, keeping what was read before it.
    void carregarOperacoes(const ListaNos &filhos);

    void gravarIndicadores(ElementoXml secao) const;
    void gravarCausas(ElementoXml secaoCausas, ElementoXml secaoOperacoes) const;

private:
    QStringList textosIndicadores;
    QStringList textosCausas;
    std::array<OperacoesCausa, maximoCausas> operacoesCausas;
    QString textoRevisao;
};
