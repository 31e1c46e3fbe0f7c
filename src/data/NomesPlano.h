#pragma once

// The names of the plan file's elements and attributes, for every reader and writer of it. A
// plan written by an older copy of the program must still open, so these never change.

#include <QString>
#include <array>

namespace nomesPlano {

inline const QString raiz = QStringLiteral("planejamento");
inline const QString espacoNomes = QStringLiteral("xmlns");

// The sections under the root, in the order the file holds them.
inline const QString secaoEscola = QStringLiteral("escola");
inline const QString secaoProblemas = QStringLiteral("problemas");
inline const QString secaoCategorias = QStringLiteral("categorias");
inline const QString secaoNotas = QStringLiteral("notas");
inline const QString secaoIndicadores = QStringLiteral("indicadores");
inline const QString secaoCausas = QStringLiteral("causas");
inline const QString secaoOperacoes = QStringLiteral("operacoes");

// The elements inside them. Every section but the school's and the categories' holds one
// `problema` per problem.
inline const QString problema = QStringLiteral("problema");
inline const QString categoria = QStringLiteral("categoria");
inline const QString votante = QStringLiteral("votante");
inline const QString nota = QStringLiteral("nota");
inline const QString indicador = QStringLiteral("indicador");
inline const QString causa = QStringLiteral("causa");
inline const QString revisao = QStringLiteral("revisao");
// An operation's element, "op<causa>c<operacao>" counted from 1, and its fields in file order.
inline const QString modeloOperacao = QStringLiteral("op%1c%2");
inline const std::array<QString, 8> camposOperacao = {
    QStringLiteral("quem"),      QStringLiteral("oque"),       QStringLiteral("fisico"),
    QStringLiteral("humano"),    QStringLiteral("financeiro"), QStringLiteral("prazo"),
    QStringLiteral("resultado"), QStringLiteral("avaliacao")};

inline const QString atributoNome = QStringLiteral("nome");
inline const QString atributoDiretor = QStringLiteral("diretor");
inline const QString atributoData = QStringLiteral("data");
inline const QString atributoMaximo = QStringLiteral("maximo");
inline const QString atributoTotal = QStringLiteral("total");
inline const QString atributoTitulo = QStringLiteral("titulo");
inline const QString atributoId = QStringLiteral("id");
inline const QString atributoCor = QStringLiteral("cor");
inline const QString atributoOperacoes = QStringLiteral("operacoes"); // of a cause: how many

} // namespace nomesPlano
