#pragma once

#include <QImage>

namespace apoio {

// Whether two pictures are the same drawing, pixel for pixel. A pixmap holds half-transparent
// pixels premultiplied, and the way back to straight alpha rounds differently from one
// processor's instruction set to another's; compared premultiplied, both sides took the same
// one-way conversion, so the comparison means the same on every machine and still tells a
// scaled copy from the drawing.
inline bool mesmoDesenho(const QImage &a, const QImage &b)
{
    constexpr auto formato = QImage::Format_ARGB32_Premultiplied;
    return a.convertToFormat(formato) == b.convertToFormat(formato);
}

} // namespace apoio
