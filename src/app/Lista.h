#pragma once

// The common face of the three list controllers, through which the main window's add and
// remove buttons and tab changes act on whichever list the visible tab shows.

class Lista {
public:
    explicit Lista(int maximo) : maximo(maximo) {}
    virtual ~Lista() = default;

    virtual bool adicionar() = 0;            // false when full, after the list's own message
    virtual bool remover() = 0;              // false when empty, after the list's own message
    virtual bool selecionar(int indice) = 0; // invalid indice keeps the selection
    virtual void atualizar(bool foco) = 0;   // lays out, renumbers, optionally focuses
    virtual int total() const = 0;

    const int maximo;
};
