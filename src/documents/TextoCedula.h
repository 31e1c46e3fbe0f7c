#pragma once

// The text of the voting ballots: one ballot per voter of every category, in category order and
// voter order, each listing every problem with grade blanks from 1 to 10. Each ballot is a part
// that printing keeps on one page: ballots are cut apart and handed out.

#include <QDate>
#include <QFont>
#include <QString>

class ListaNos;
class QTextDocument;

namespace textoCedula {

inline constexpr int tamanhoFontePontos = 9;
// A ballot's title stands this much above its body.
inline constexpr int acrescimoTituloPixels = 2;
inline constexpr int larguraNomeProblema = 32;
inline constexpr int larguraSeparador = 103;

// "N) name", padded with spaces to 32 characters (a longer one stays whole), the colon and the
// grade blanks.
QString linhaProblema(int numero, const QString &nome);
// The same line on paper. A longer name puts its blanks on a line of their own, where the blanks
// of a short name stand (under "Nota"): in one column on every line, and never split by the
// page's edge.
QString linhaProblemaNoPapel(int numero, const QString &nome);

// The ballots are laid out with tabs that assume a stop every half inch (36 points). Qt takes
// tab stops in pixels at its default resolution and scales them for each device.
inline constexpr qreal tabulacaoPontos = 36;
qreal distanciaTabulacao();

// The face of the ballots: the system's fixed-pitch font at 9 points.
QFont fonte();

// Replaces the document's content with the ballots of `secoes` (the plan root's children),
// dated `hoje`.
void montar(QTextDocument &documento, const ListaNos &secoes, const QDate &hoje);

} // namespace textoCedula
