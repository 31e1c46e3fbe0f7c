#pragma once

// Paints one page of a laid-out chart with a QPainter on any device: the on-screen picture, a
// printer page, a PDF. `limpar` clears the page first, on screen with a black border as wide
// as the pen; a printer's new page needs none. Pen and brush work as on a plain canvas: outlines
// are polylines of the pen's width, bars are filled rectangles, texts are black lines whose
// top-left corner is given.

#include "documents/LeiauteOrganograma.h"

class QFont;
class QPainter;

namespace pinturaOrganograma {

void pintar(QPainter &pintor, const PaginaOrganograma &pagina, const MedidasOrganograma &medidas,
            const QFont &fonte, bool limpar = true);

} // namespace pinturaOrganograma
