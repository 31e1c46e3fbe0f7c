#pragma once

// What the organisation chart reads from a saved plan for one problem and one cause. Reading
// never fails: a missing section, element or attribute reads as empty text (or black, or no
// items), and counts stored in the plan are trusted only as far as the stored elements go. A
// cause's operations are the ones the analysis reads for it, however damaged the counts.

#include "app/Cores.h"

#include <QString>
#include <QStringList>
#include <QVector>

class ListaNos;

struct DadosOrganograma {
    // The eight texts of one operation, in the plan's order.
    enum Campo { Quem, OQue, Fisico, Humano, Financeiro, Prazo, Resultado, Avaliacao };
    static constexpr int camposOperacao = 8;

    int quantidadeProblemas = 0;
    bool existeProblema = false;
    QString data;
    QString nomeProblema;
    ValorCor cor = corPreta;
    QStringList indicadores;
    int indiceCausa = 0; // the cause's position, which numbers it
    QString causa;
    QVector<QStringList> operacoes; // each with exactly camposOperacao texts
    QString revisao;

    static DadosOrganograma ler(const ListaNos &secoes, int indiceProblema, int indiceCausa);

    // What the choosers list.
    static QStringList nomesProblemas(const ListaNos &secoes);
    static QStringList textosCausas(const ListaNos &secoes, int indiceProblema);
};
