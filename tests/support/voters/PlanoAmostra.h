#pragma once

// Builds plans through the controllers and the frames' own handlers, as a user would, and
// saves and reads them back through the section writers and readers.

#include "app/Cores.h"
#include "data/DocumentoXml.h"

#include <QString>
#include <QStringList>

class TfrCategoria;

namespace amostra {

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

// Every section this area writes, as the data module writes them.
DocumentoXml salvarPlano();
// Empties the lists and reads the plan back as the data module does.
void abrirPlano(const DocumentoXml &documento);

// The bytes of a document with only the given sections; the analysis sections written by
// the indicators and causes windows are emptied, as they are not this area's.
QByteArray bytesSecoes(DocumentoXml &documento);

template <typename T> T *achar(const QString &nome);

} // namespace amostra

#include "app/TfmPrincipal.h"

template <typename T> T *amostra::achar(const QString &nome)
{
    return fmPrincipal->findChild<T *>(nome);
}
