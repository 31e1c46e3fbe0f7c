#include "documents/ServicoImpressao.h"

#include "app/Interacao.h"

#include <QAbstractTextDocumentLayout>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

ServicoImpressao::ServicoImpressao()
    : principal(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    principal->setResolution(resolucao);
}

ServicoImpressao &ServicoImpressao::instancia()
{
    static ServicoImpressao servico;
    return servico;
}

QPrinter &ServicoImpressao::impressora()
{
    return *principal;
}

int ServicoImpressao::quantidadeImpressoras() const
{
    return static_cast<int>(QPrinterInfo::availablePrinterNames().size());
}

bool ServicoImpressao::configurar()
{
    return interacao().configurarImpressora(*principal);
}

int ServicoImpressao::larguraPagina()
{
    if (quantidadeImpressoras() == 0)
        return impressoraPdf(QString())->pageLayout().paintRectPixels(resolucao).width();
    return principal->pageLayout().paintRectPixels(principal->resolution()).width();
}

int ServicoImpressao::alturaPagina()
{
    if (quantidadeImpressoras() == 0)
        return impressoraPdf(QString())->pageLayout().paintRectPixels(resolucao).height();
    return principal->pageLayout().paintRectPixels(principal->resolution()).height();
}

std::unique_ptr<QPrinter> ServicoImpressao::impressoraPdf(const QString &arquivo)
{
    auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
    pdf->setOutputFormat(QPrinter::PdfFormat);
    pdf->setResolution(resolucao);
    pdf->setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    pdf->setFullPage(true);
    if (!arquivo.isEmpty())
        pdf->setOutputFileName(arquivo);
    return pdf;
}

bool ServicoImpressao::imprimirTexto(QPrinter &destino, const QTextDocument &texto,
                                     const QRect &pagina, const QString &titulo)
{
    destino.setDocName(titulo);
    std::unique_ptr<QTextDocument> copia(texto.clone());
    copia->documentLayout()->setPaintDevice(&destino);
    copia->setPageSize(pagina.size());
    copia->setDocumentMargin(0);

    QPainter pintor;
    if (!pintor.begin(&destino))
        return false;
    const int paginas = copia->pageCount();
    for (int i = 0; i < paginas; ++i) {
        if (i > 0)
            destino.newPage();
        const QRectF trecho(0, i * pagina.height(), pagina.width(), pagina.height());
        pintor.save();
        pintor.translate(pagina.left(), pagina.top() - trecho.top());
        pintor.setClipRect(trecho);
        QAbstractTextDocumentLayout::PaintContext contexto;
        contexto.clip = trecho;
        copia->documentLayout()->draw(&pintor, contexto);
        pintor.restore();
    }
    return pintor.end();
}
