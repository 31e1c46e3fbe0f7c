#pragma once

// The layout of the organisation chart: where every text, outline and bar of every page goes,
// as plain values, for one problem and one cause on one kind of surface. Nothing is painted
// here; PinturaOrganograma paints a page of it on any device.
//
// The chart is a column of blocks: the problem box, the indicators, the cause box, the five
// section rows and the general review. A block that does not fit on what is left of a page
// starts the next page; one taller than a page is cut between its lines and goes on over as
// many pages as it needs. So every text of the problem and cause is placed once, in order.
//
// Invariants of every layout: each page holds something below the title; each piece of a block
// ends at or above the usable height, unless a single line of text with its insets (and, at the
// end of a row, the gap below it) is taller than the room below the title; the title is broken
// into lines within the usable width, so it is never cut.

#include "app/Cores.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <array>

struct DadosOrganograma;
class QuebraLinhas;

// A rectangle as the chart computes it: right and bottom are edges, not the last pixel inside.
struct Retangulo {
    int esquerda = 0;
    int topo = 0;
    int direita = 0;
    int base = 0;
    friend bool operator==(const Retangulo &, const Retangulo &) = default;
};

// The pixel metrics of one surface. On screen every page carries the title and a black border;
// on paper the first page only carries the title, and later pages start at the top margin.
struct MedidasOrganograma {
    float proporcao = 0;      // page width ÷ page height
    int espessura = 0;        // pen width, connector bar width, gap below the problem box
    int recuo = 0;            // inset of the text inside a box
    int espacoVertical = 0;   // gap after a block
    int espacoHorizontal = 0; // gap between columns, inset of the cause box
    int colunaRotulos = 0;    // x at which every box starts
    int margem = 0;           // page margin; x of the labels, y of the title
    int larguraUtil = 0;      // the boxes end at larguraUtil + espacoHorizontal
    int alturaUtil = 0;       // a block must end at or above it
    bool tela = true;
};

// Outline and bar colours of operation columns 1, 2 and 3: blue, green, grey.
inline constexpr std::array<ValorCor, 3> coresOperacoes = {0xFF0000, 0x008000, 0x808080};

// One thing painted on a page. A text's rectangle holds the top-left corner of its line.
struct PecaOrganograma {
    enum class Tipo { Texto, Moldura, Barra };
    Tipo tipo = Tipo::Texto;
    Retangulo area;
    ValorCor cor = corPreta; // of an outline or a bar; texts are black
    QString texto;
    friend bool operator==(const PecaOrganograma &, const PecaOrganograma &) = default;
};

struct PaginaOrganograma {
    QVector<PecaOrganograma> pecas; // in painting order
    QStringList textos;             // in reading order: each label before its boxes
};

// The sections whose pages the layout records: operations, resources, deadline, results,
// evaluation, general review.
constexpr int secoesOrganograma = 6;

struct LeiauteOrganograma {
    QVector<PaginaOrganograma> paginas; // none: the problem is not in the plan
    std::array<int, secoesOrganograma> paginaDaSecao = {1, 1, 1, 1, 1, 1};
    int inicioDoGrafico = 0; // where page 1's chart starts, below the title
};

namespace leiauteOrganograma {

// The chart of `dados` (its problem and cause) under the title of `nomePlano`; a plan without
// problems gets a page with its title only.
LeiauteOrganograma montar(const DadosOrganograma &dados, const QString &nomePlano,
                          const MedidasOrganograma &medidas, QuebraLinhas &linhas);

} // namespace leiauteOrganograma
