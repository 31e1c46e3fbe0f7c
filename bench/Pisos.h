#pragma once

// The floors: for each measured operation, the least work it cannot avoid, done with the same
// data and the same library the program uses.

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QVector>
#include <memory>
#include <pugixml.hpp>

class QTextDocument;

namespace pisos {

// Loading: the file's bytes read and parsed by pugixml, with the program's parse options.
void carregarXml(const QString &arquivo);

// Saving: the same tree written by pugixml in the file's layout, written safely (temporary file,
// then rename) and parsed back, as the program keeps in memory what the file holds.
void salvarXml(const pugi::xml_document &documento, const QString &arquivo);

// The final text of a document window: its paragraphs with their formats.
struct TextoFinal {
    struct Trecho {
        QString texto;
        QTextCharFormat formato;
    };
    struct Paragrafo {
        QTextBlockFormat formato;
        QTextCharFormat formatoCaractere;
        QVector<Trecho> trechos;
    };
    QFont fonte;
    QVector<Paragrafo> paragrafos;
};
TextoFinal capturarTexto(const QTextDocument &documento);
// The same text built into a new document in one edit block.
std::unique_ptr<QTextDocument> construirTexto(const TextoFinal &texto);
// True when both documents hold the same paragraphs with the same text.
bool mesmoTexto(const QTextDocument &a, const QTextDocument &b);

// The chart: what its first showing cannot avoid. The page breaks depend on every line of every
// page, so each line of the chart is measured once, in the same font on the same image; then
// the lines of page 1 are painted at the same positions.
struct TextosDesenho {
    struct Texto {
        QPoint canto; // top-left corner of the line
        QString texto;
    };
    QImage imagem;
    QFont fonte;
    QVector<QString> linhas; // every line of the chart
    QVector<Texto> textos;   // the lines of page 1 that land on the image
};
void pintarTextos(TextosDesenho &desenho);

} // namespace pisos
