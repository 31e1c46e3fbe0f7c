#pragma once

// The text of the meeting minutes: school data, problems, voters and every grade with each
// problem's total of points. The format only accumulates, as the minutes define it: bold and
// italic are added and never removed, the height only grows.

#include <QFont>
#include <QString>
#include <optional>

class ListaNos;
class QTextDocument;

namespace textoAta {

inline constexpr int tamanhoFontePontos = 10;
inline constexpr int acrescimoTituloPixels = 7;
inline constexpr int acrescimoNotasPixels = 4;

// The face of the minutes' view: the interface font at 10 points.
QFont fonte();

// A grade's value: a whole or decimal number (point or the locale's separator); nothing for
// any other text, which then adds nothing to the total.
std::optional<double> valorNota(const QString &texto);
// A total of points: whole numbers without decimals, others with a point.
QString formatarPontos(double pontos);

// Replaces the document's content with the minutes of `secoes` (the plan root's children).
void montar(QTextDocument &documento, const ListaNos &secoes);

} // namespace textoAta
