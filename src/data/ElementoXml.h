#pragma once

// One element of a plan document. Copies share the document they come from, so an element or
// a child list stays valid after the document object moves on to another file.

#include "data/ValorAtributo.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <pugixml.hpp>

class ListaNos;

// A document's tree, and whether all it holds (names, attributes, texts) is well-formed UTF-8:
// true for a tree made from the program's texts, and for a file that is well-formed and makes
// no ill-formed character with a reference (&#xD800;).
struct ArvoreXml : pugi::xml_document {
    bool textosBemFormados = true;
};

class ElementoXml {
public:
    ElementoXml() = default;
    ElementoXml(std::shared_ptr<ArvoreXml> documento, pugi::xml_node no);

    bool valido() const { return static_cast<bool>(no); }
    QString nome() const;        // as written, with its prefix if it has one
    QString nomeLocal() const;   // without the prefix
    QString espacoNomes() const; // what its prefix (or the default declaration) stands for
    ListaNos filhos() const;

    // Appends a new last child; it takes the parent's namespace, so it needs no prefix.
    ElementoXml adicionarFilho(const QString &nome);

    // Attributes keep the order in which they were first set.
    void definirAtributo(const QString &nome, const QString &valor);
    ValorAtributo atributo(const QString &nome) const;

    QString texto() const; // empty for an element without text
    void definirTexto(const QString &texto);
    // The same, as the UTF-8 bytes the document holds; what is set must be what definirTexto
    // would store: well-formed UTF-8 with neither CR nor NUL.
    QByteArray textoUtf8() const;
    bool textosBemFormados() const { return documento && documento->textosBemFormados; }
    void definirTextoUtf8(const QByteArray &bytes);

private:
    std::shared_ptr<ArvoreXml> documento;
    pugi::xml_node no;
};
