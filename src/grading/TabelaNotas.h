#pragma once

// The grades one problem received: 12 × 12 floats indexed [category position][voter position],
// all 0 at first. Only the first n entries of a line count, n being the category's current
// number of voters; the others are kept, so they count again if the category grows back.

#include <QString>
#include <array>
#include <optional>

class TabelaNotas {
public:
    static constexpr int maximoCategorias = 12;
    static constexpr int maximoVotantes = 12;
    using Linha = std::array<float, maximoVotantes>;

    float nota(int categoria, int votante) const;              // 0 outside the table
    void definirNota(int categoria, int votante, float valor); // ignored outside the table

    // Grades 0 … n − 1 of one line, added in that order in 32-bit floats; 0 outside the table.
    float soma(int categoria, int quantidadeVotantes) const;

    // A category was removed: `linha` goes, lines linha + 1 … ultima move down one place and
    // line `ultima` (the count of categories left) starts again at 0. Nothing happens when
    // `linha` is not a line or `ultima` is 12 or more.
    void descartarLinha(int linha, int ultima);
    // The category comes back: lines linha … 10 move up one place, `notas` takes its place.
    void inserirLinha(int linha, const Linha &notas);
    const Linha &linha(int categoria) const; // categoria in 0 … 11

private:
    std::array<Linha, maximoCategorias> linhas{};
};

// a + b, held at the largest float of its sign where it would overflow: a file may bring grades
// near the float limit, and points are never shown or ranked as infinite.
float somarPontos(float a, float b);

// A grade as the plan file writes it, so that it reads back exactly: whole numbers as plain
// digits ("0", "7", "10", "1234567"), others with a point and six significant digits, or as
// many more as the value needs ("7.5", "1.234567").
QString formatarNota(float valor);

// A grade as a plan file brings it, with a point or the locale's decimal separator. Nothing
// when the text is not a finite 32-bit number.
std::optional<float> lerNota(const QString &texto);
