#pragma once

// Writes a rich text the way the document windows build theirs: one paragraph per line, each
// taking the character format and alignment current when it is appended. Heights are kept in
// screen pixels, as the documents define them, and written as point sizes (pixels × 72 / 96),
// so a 600 dpi printer keeps the sizes seen on screen. The whole writing is one edit block, so
// the document is laid out once, when the writer goes, and not after each line.

#include <QFont>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

class QTextDocument;
class QTextEdit;

class RedatorRico {
public:
    static constexpr double pontosPorPixel = 72.0 / 96.0;

    // The whole writing is one edit of the document: a view showing it lays the text out once,
    // when the writer goes, not after every line (thousands of lines for the largest plan).
    explicit RedatorRico(QTextDocument &documento);
    ~RedatorRico();
    RedatorRico(const RedatorRico &) = delete;
    RedatorRico &operator=(const RedatorRico &) = delete;

    // Empties the document; the format goes back to the document's font, aligned left.
    void limpar();
    // The face and size of the whole text, also of lines appended later.
    void definirFonte(const QFont &fonte);

    int alturaPixels() const { return altura; }
    void definirAlturaPixels(int pixels);
    void acrescentarNegrito();
    void acrescentarItalico();
    void alinhar(Qt::Alignment novo);

    // Appends `texto` as a paragraph of its own; every line feed inside it starts one more.
    void adicionarLinha(const QString &texto);
    // A one-line paragraph that reads `textoNoPapel` on paper.
    void adicionarLinha(const QString &texto, const QString &textoNoPapel);
    // The next paragraph starts a part that printing keeps on one page (a ballot).
    void iniciarParte();

private:
    void acrescentarParagrafo(QTextBlockFormat bloco, QStringView linha);

    QTextDocument &documento;
    QTextCursor cursor;
    QTextCursor edicao; // holds the edit block open
    QTextCharFormat formato;
    Qt::Alignment alinhamento = Qt::AlignLeft;
    int altura = 0;
    bool semLinhas = true;
    bool proximaIniciaParte = false;
};

// A new, empty document for `vista`'s text, with its font; it belongs to the view.
QTextDocument *novoDocumento(QTextEdit &vista);
// Puts `novo` in the view in place of the text it showed. A long text written apart and then
// handed over is laid out a part at a time as the view shows it, not all of it at once.
void mostrarDocumento(QTextEdit &vista, QTextDocument *novo);
