#pragma once

// Reading a plan for its documents. The documents are built from a plan saved a moment
// earlier, but a plan file edited by hand may lack sections, children or attributes; the
// documents then show what is there, with a missing value as empty text, instead of stopping.

#include "data/ElementoXml.h"
#include "data/ListaNos.h"

#include <QString>

// The first section of that name, or an invalid element when there is none.
ElementoXml secaoOuNada(const ListaNos &secoes, const QString &nome);
// The child at `posicao`, or an invalid element outside the list.
ElementoXml filhoOuNada(const ListaNos &filhos, int posicao);
// The attribute's text; empty when the attribute or the element is missing.
QString atributoOuVazio(const ElementoXml &elemento, const QString &nome);
