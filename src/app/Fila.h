#pragma once

// What every list of rows does over its fixed array in display order: a row removed lets the
// later ones move forward one place, a row put back at its place moves them back, and rows
// are stacked one under the other from the top of
// their scroll box. The problem list, the voter categories and the grade and ranking rows share
// it.

#include <algorithm>
#include <array>
#include <cstddef>

// Removes place p of the first `quantidade` items; the freed last place holds a new Item.
template <typename Item, std::size_t N>
void retirarDaFila(std::array<Item, N> &itens, int &quantidade, int p)
{
    std::move(itens.begin() + p + 1, itens.begin() + quantidade, itens.begin() + p);
    --quantidade;
    itens[static_cast<std::size_t>(quantidade)] = Item{};
}

// The last of the first `quantidade` items goes to place p (a removed item coming back); those
// from p on move one place back.
template <typename Item, std::size_t N>
void moverUltimoPara(std::array<Item, N> &itens, int quantidade, int p)
{
    if (p >= 0 && p < quantidade)
        std::rotate(itens.begin() + p, itens.begin() + quantidade - 1, itens.begin() + quantidade);
}

// Places each frame under the one before, from the top, and shows it; the height they fill.
template <typename Quadros> int empilharQuadros(const Quadros &quadros)
{
    int y = 0;
    for (auto *quadro : quadros) {
        quadro->move(0, y);
        quadro->show();
        y += quadro->height();
    }
    return y;
}
