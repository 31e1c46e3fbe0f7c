#pragma once

// The floors: for each measured operation, the least work it cannot avoid, done with the same
// data and the same library the program uses.

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QVector>
#include <memory>
#include <pugixml.hpp>

class CaixaRolagem;
class QTextDocument;
class QWidget;

namespace pisos {

// Loading: the file's bytes read and parsed by pugixml, with the program's parse options.
void carregarXml(const QString &arquivo);

// Saving: the same tree written by pugixml in the file's layout (CR LF put in as the bytes
// stream out) and written safely, to a temporary file then renamed.
void salvarXml(const pugi::xml_document &documento, const QString &arquivo);

// Opening: the least that puts a plan on screen. The file is parsed, and only the visible tab's
// frames, the problems, are built, filled from the tree, stacked in a scroll box and painted,
// in a window the main window's size.
class PlanoNaTela {
public:
    explicit PlanoNaTela(QSize tamanho);
    ~PlanoNaTela();
    void esvaziar(); // the frames of the last opening go, untimed
    void abrir(const QString &arquivo);

private:
    std::unique_ptr<QWidget> janela;
    CaixaRolagem *caixa = nullptr;
};

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
