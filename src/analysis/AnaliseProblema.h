#pragma once

// The analysis of one problem as plain data: its indicators, its causes with their operations,
// and the general review, with the readers and writers of their part of the plan file. The
// indicators and causes window shows and edits it; a problem whose window was never opened keeps
// it here, which spares building ten windows for a plan that is only opened and saved.

#include "analysis/OperacoesCausa.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <optional>

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
    void definirIndicador(int indice, const QString &texto);   // from 0; nothing outside the list
    const QStringList &causas() const { return textosCausas; } // 1 … 3
    void definirCausas(const QStringList &textos);             // keeps the operations by position
    void definirCausa(int indice, const QString &texto);       // from 0; nothing outside the list
    const OperacoesCausa &operacoes(int causa) const; // causa in 0 … causas().size() − 1
    OperacoesCausa &operacoes(int causa); // a sheet edits them in place; same place for life
    void definirOperacoes(int causa, const OperacoesCausa &operacoes);
    const QString &revisao() const { return textoRevisao; }
    void definirRevisao(const QString &texto) { textoRevisao = texto; }

    // A damaged indicators element leaves one empty line. Every cause keeps its text, whatever
    // its `operacoes` attribute says; its operations come with the operations element.
    void carregarIndicadores(const ElementoXml &problema);
    void carregarCausas(const ElementoXml &problema);
    // The review, then each cause's operations, placed by the counts the causes just read
    // announced (or, without such a reading, by the causes' own counts). Reads all that is
    // there, then raises when anything the causes announced was missing.
    void carregarOperacoes(const ListaNos &filhos);

    // Where one cause's operations stand among its problem's operation elements.
    struct Faixa {
        int inicio = 0;       // position of its first operation element
        int quantidade = 0;   // operations it keeps
        bool completa = true; // every operation it should keep is there
    };
    static constexpr int contagemIlegivel = -1;
    // The count a cause element announces in its `operacoes` attribute, or contagemIlegivel.
    static int operacoesAnunciadas(const ElementoXml &causa);
    // The places of all causes' operations among `guardadas` operation elements (the review
    // not counted), from the counts the causes announce: each cause holds as many elements as
    // it announces, and the one cause whose count is unreadable holds those the others leave
    // over. A cause keeps at most three operations, and only those whose elements are there.
    // The analysis and the chart both read by it, so they agree on any file.
    static QVector<Faixa> localizarOperacoes(const QList<int> &anunciadas, int guardadas);

    void gravarIndicadores(ElementoXml secao) const;
    void gravarCausas(ElementoXml secaoCausas, ElementoXml secaoOperacoes) const;

    // What one removal took, enough to put it back where it was.
    struct Remocao {
        enum class Tipo { indicador, causa, operacao };
        Tipo tipo = Tipo::indicador;
        int causa = 0;      // the operation's cause, from 0
        int indice = 0;     // of the indicator, the cause or the operation, from 0
        bool unica = false; // the only indicator or cause, emptied rather than removed
        QString texto;
        OperacoesCausa operacoes;        // a cause's
        OperacoesCausa::Textos campos{}; // an operation's
    };
    // As the window's remove buttons do: the only indicator or cause is emptied (the only cause
    // keeps one empty operation) and an only operation stays. Nothing when nothing would change.
    std::optional<Remocao> remover(Remocao::Tipo tipo, int causa, int indice);
    // Back at its place, or in the emptied only line; false when the list has no room left.
    bool restaurar(const Remocao &remocao);

private:
    QStringList textosIndicadores;
    QStringList textosCausas;
    std::array<OperacoesCausa, maximoCausas> operacoesCausas;
    QString textoRevisao;
    QList<int> anunciadasLidas; // by carregarCausas, for the next carregarOperacoes
};
