#pragma once

// The program's one printer (600 dpi, so the same pixel metrics mean the same on paper), the
// single print path that "Imprimir" and "Salvar PDF" share for the text documents, and the one
// "Salvar PDF" road of all three document windows: the name is asked with a ".pdf" suggestion
// (which makes the dialog offer the "*.pdf" filter), a bare name gets ".pdf", replacing a file
// is asked first, the open plan's file and config.ini are never written over, and the PDF is
// drawn in memory and written whole or not at all, so a failure keeps the file that was there.

#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;
class QTextDocument;

class ServicoImpressao {
public:
    static constexpr int resolucao = 600;
    // Each margin is this fraction of the page width, on all four sides.
    static constexpr int divisorMargem = 20;

    static const QString textoSemImpressora;
    static const QString textoFalhaImpressao;

    static ServicoImpressao &instancia();

    QPrinter &impressora();
    int quantidadeImpressoras() const;
    bool configurar(); // the printer dialog; false when cancelled

    // The page, in device pixels, of the current printer; of an A4 page at 600 dpi when no
    // printer is installed, so documents can still be built and saved as PDF.
    int larguraPagina();
    int alturaPagina();

    // A PDF printer for `arquivo`, A4 at 600 dpi, without margins of its own.
    static std::unique_ptr<QPrinter> impressoraPdf(const QString &arquivo);

    // The printable page of `destino` in its device pixels, and the part of a page that text
    // may use: a margin of one twentieth of the page width on every side.
    static QSize tamanhoPagina(const QPagedPaintDevice &destino);
    static QRect areaComMargens(const QSize &pagina);

    // The print job's name on a printer, the document's title in a PDF.
    static void definirTitulo(QPagedPaintDevice &destino, const QString &titulo);

    // Prints the whole text inside `pagina` (device pixels) on every page, under `titulo`.
    static bool imprimirTexto(QPagedPaintDevice &destino, const QTextDocument &texto,
                              const QRect &pagina, const QString &titulo);

    // "Imprimir" of a text document: on the current printer, inside the margins. Without a
    // printer, or when printing fails, the user is told and false comes back.
    bool imprimirDocumento(const QTextDocument &texto, const QString &titulo);
    // "Salvar PDF": asks for the file name (`sugestao` first), has `imprimir` draw the document
    // on an A4 PDF at 600 dpi, and tells the user, with the reason, when the file cannot be
    // written. False when nothing was written.
    static bool salvarPdf(const QString &sugestao,
                          const std::function<bool(QPagedPaintDevice &)> &imprimir);
    // The same for a text document, through the print path of "Imprimir".
    static bool salvarPdf(const QTextDocument &texto, const QString &titulo,
                          const QString &sugestao);

    // For tests only: pretend that this many printers are installed (nothing: ask the system).
    // With a printer simulated, tests point `impressora()` at a PDF file to see what it prints.
    void simularImpressorasParaTestes(std::optional<int> quantidade);

private:
    ServicoImpressao();
    std::unique_ptr<QPrinter> principal;
    std::optional<int> impressorasSimuladas;
};
