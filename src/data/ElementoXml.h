#pragma once

// One element of a plan document. Copies share the document they come from, so an element or
// a child list stays valid after the document object moves on to another file.

#include "data/ValorAtributo.h"

#include <QString>
#include <memory>
#include <pugixml.hpp>

class ListaNos;

class ElementoXml {
public:
    ElementoXml() = default;
    ElementoXml(std::shared_ptr<pugi::xml_document> documento, pugi::xml_node no);

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

private:
    std::shared_ptr<pugi::xml_document> documento;
    pugi::xml_node no;
};
