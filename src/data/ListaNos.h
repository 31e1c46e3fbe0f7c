#pragma once

// The element children of one element, in document order. Positions count elements only.
// Lookups that miss raise ErroXml; nothing is ever created by a lookup.

#include "data/ElementoXml.h"

#include <QString>
#include <memory>
#include <pugixml.hpp>
#include <vector>

class ListaNos {
public:
    ListaNos() = default;
    ListaNos(std::shared_ptr<ArvoreXml> documento, pugi::xml_node pai);

    int quantidade() const { return static_cast<int>(nos.size()); }
    ElementoXml item(int posicao) const;            // raises outside 0 … quantidade() − 1
    ElementoXml porNome(const QString &nome) const; // the first of that name, or raises
    void removerTodos();

    std::vector<ElementoXml>::const_iterator begin() const { return nos.begin(); }
    std::vector<ElementoXml>::const_iterator end() const { return nos.end(); }

private:
    std::shared_ptr<ArvoreXml> documento;
    pugi::xml_node pai;
    std::vector<ElementoXml> nos;
};
