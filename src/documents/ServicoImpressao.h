#pragma once

// The program's one printer (600 dpi, so the same pixel metrics mean the same on paper), and
// the single print path that printing and "Salvar PDF" share.

#include <QRect>
#include <QString>
#include <memory>

class QPrinter;
class QTextDocument;

class ServicoImpressao {
public:
    static constexpr int resolucao = 600;

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

    // Prints the whole text inside `pagina` (device pixels) on every page, under `titulo`.
    static bool imprimirTexto(QPrinter &destino, const QTextDocument &texto, const QRect &pagina,
                              const QString &titulo);

private:
    ServicoImpressao();
    std::unique_ptr<QPrinter> principal;
};
