#pragma once

// How a text document flows onto printed pages: line by line, each line whole on one page, and
// each part its writer marked (a ballot) kept on one page when it does not fit on what is left
// of the current one. Writers mark paragraphs with the block properties below; the view on
// screen ignores them.

#include <QTextFormat>
#include <QVector>

class QPainter;
class QRect;
class QTextDocument;

namespace paginacaoTexto {

// A paragraph that starts a part kept on one page; the part runs up to the next such paragraph.
inline constexpr int inicioDeParte = QTextFormat::UserProperty;
// The paragraph's text on paper, where it differs from its text on screen.
inline constexpr int textoNoPapel = QTextFormat::UserProperty + 1;

// Puts every paragraph's paper text in place of its text: for the copy that is printed.
void usarTextosDoPapel(QTextDocument &copia);

// Where each page starts, in the text's coordinates, for pages `alturaPagina` high. A line that
// does not fit on what is left of a page starts the next page, and so does a marked part that
// does not fit (a part taller than a page then runs on, line by line). The text must be laid
// out as one long page (no page height).
QVector<qreal> iniciosDePagina(const QTextDocument &texto, qreal alturaPagina);

// Draws page `indice` inside `area`: the lines from its start up to the next page's start.
void desenharPagina(QPainter &pintor, const QTextDocument &texto, const QVector<qreal> &inicios,
                    int indice, const QRect &area);

} // namespace paginacaoTexto
