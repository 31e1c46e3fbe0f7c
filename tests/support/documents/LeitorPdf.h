#pragma once

// Reads back a written PDF with poppler's command-line tools, when they are installed.

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace leitorPdf {

bool disponivel(); // pdftotext and pdfinfo are on the PATH

QString texto(const QString &arquivo); // pdftotext -layout, as UTF-8
QString titulo(const QString &arquivo);
int paginas(const QString &arquivo);

struct Palavra {
    int pagina = 0;
    QRectF caixa; // in points, from the page's top-left corner
    QString texto;
};
QList<Palavra> palavras(const QString &arquivo); // pdftotext -bbox

} // namespace leitorPdf

// Inside a test function: skips it, with the reason, when the tools are missing.
#define EXIGIR_LEITOR_PDF()                                                                        \
    do {                                                                                           \
        if (!leitorPdf::disponivel())                                                              \
            QSKIP("pdftotext/pdfinfo (poppler-utils) não estão instalados");                       \
    } while (false)
