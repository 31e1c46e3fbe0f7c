#pragma once

// Plan documents in memory, laid out as the plan file holds them, for the document builders.

#include "data/DocumentoXml.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace amostra {

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

} // namespace amostra
