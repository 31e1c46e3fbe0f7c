#pragma once

// The tests' plans, built two ways: as documents in memory, laid out as the plan file holds
// them (for the readers, the document builders and the chart), and through the controllers and
// the frames' own handlers, as a user would, saved and read back through the section writers
// and readers.

#include "app/Cores.h"
#include "data/DocumentoXml.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

class TfrCategoria;

namespace amostra {

// In memory.

struct Categoria {
    QString titulo;
    QString id;
    QStringList votantes;
};

// One category element under a problem's grades: its name and the grade texts.
struct BlocoNotas {
    QString nome;
    QStringList notas;
};

DocumentoXml novoPlano(); // the root only
void adicionarEscola(DocumentoXml &plano, const QString &nome, const QString &diretor,
                     const QString &data);
void adicionarProblemas(DocumentoXml &plano, const QStringList &nomes);
void adicionarCategorias(DocumentoXml &plano, const QList<Categoria> &categorias);
void adicionarNotas(DocumentoXml &plano, const QList<QList<BlocoNotas>> &problemas);

// The plan most tests use: school data; four problems, the third with a 40-character name;
// "Professores" (PRO, 3 voters), "Pais" (PAI, 2 voters) and "Visitantes" (VIS, no voters);
// grades for the first three problems, none for the fourth.
DocumentoXml planoPadrao();
inline const QString nomeLongo = QStringLiteral("Falta de manutenção nos banheiros e pias");

// The sections of a plan whose root holds `corpo`, ready for a section reader. The list shares
// its document, so it outlives this call.
inline ListaNos secoesDe(const QByteArray &corpo)
{
    DocumentoXml documento;
    documento.carregarBytes("<planejamento xmlns=\"xmlns\">" + corpo + "</planejamento>");
    return documento.secoes();
}

// The analysis of a problem, for the chart: `escola`, `problemas`, `indicadores`, `causas` and
// `operacoes`, one `problema` per problem in each, shaped as the program saves them.
struct Causa {
    QString texto;
    QVector<QStringList> operacoes; // eight texts each; fewer are padded with empty texts
    QString anunciadas;             // the `operacoes` attribute; empty: the stored count
};

struct Problema {
    QString nome;
    ValorCor cor = corPreta;
    QStringList indicadores;
    QVector<Causa> causas;
    QString revisao;
};

// One operation whose eight texts are `prefixo` followed by the field's number (1 … 8).
QStringList operacao(const QString &prefixo);

DocumentoXml planoComAnalise(const QVector<Problema> &problemas,
                             const QString &data = QStringLiteral("07/12/2026"));

// Through the screens.

constexpr ValorCor vermelho = 0x0000FF;
constexpr ValorCor azul = 0xFF0000;

void adicionarProblema(const QString &nome);

// A category with the given title, identifier and colour; its number of voters is chosen in
// its quantity box and the names typed into its grid.
TfrCategoria *adicionarCategoria(const QString &titulo, const QString &id, ValorCor cor,
                                 const QStringList &nomes);

// Picks a number of voters in a category's quantity box.
void escolherQuantidade(int categoria, int votantes);

// Picks a grade in problem p's box for voter v of category c, on the "Notas" tab.
void darNota(int p, int c, int v, int nota);

// Every list section, as the data module writes them.
DocumentoXml salvarPlano();
// Empties the lists and reads the plan back as the data module does.
void abrirPlano(const DocumentoXml &documento);

// The bytes of a document with only the given sections; the analysis sections written by
// the indicators and causes windows are emptied, as they are not the lists'.
QByteArray bytesSecoes(DocumentoXml &documento);

} // namespace amostra
