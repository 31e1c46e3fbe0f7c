#include "documents/ServicoImpressao.h"

#include "app/Interacao.h"
#include "data/Caminhos.h"
#include "data/Gravacao.h"
#include "data/TdmDados.h"
#include "documents/PaginacaoTexto.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <QTextFrame>

const QString ServicoImpressao::textoSemImpressora =
    QStringLiteral("O sistema não possui nenhuma impressora configurada!\nInstale e configure "
                   "uma impressora e tente novamente.");
const QString ServicoImpressao::textoFalhaImpressao =
    QStringLiteral("Não foi possível imprimir o documento.\nVerifique a impressora e tente "
                   "novamente.");

namespace {

const QString extensaoPdf = QStringLiteral("pdf");
const QString perguntaSubstituir =
    QStringLiteral("O arquivo \"%1\" já existe.\nDeseja substituí-lo?");
const QString recusaPlano =
    QStringLiteral("\"%1\" é o arquivo do plano aberto; o PDF não pode ser gravado sobre ele.\n"
                   "Escolha outro nome.");
const QString recusaConfiguracao =
    QStringLiteral("\"%1\" guarda a configuração do programa; o PDF não pode ser gravado sobre "
                   "ele.\nEscolha outro nome.");

// Why a PDF may not be written over `arquivo`; empty when it may.
QString recusaDoArquivo(const QString &arquivo)
{
    if (!dmDados)
        return {};
    const QString nativo = QDir::toNativeSeparators(arquivo);
    if (dmDados->temArquivo() && mesmoArquivo(arquivo, dmDados->arquivoPlano))
        return recusaPlano.arg(nativo);
    if (mesmoArquivo(arquivo, dmDados->diretorioInicial + TdmDados::arquivoConfiguracao))
        return recusaConfiguracao.arg(nativo);
    return {};
}

QString comExtensaoPdf(const QString &arquivo)
{
    return QFileInfo(arquivo).suffix().isEmpty() ? arquivo + u'.' + extensaoPdf : arquivo;
}

// The PDF's file name as the user settles it; empty when the user gives up. "No" to replacing
// a file, or a name refused, brings the dialog back for another name.
QString escolherArquivoPdf(const QString &sugestao)
{
    QString proposta = comExtensaoPdf(sugestao);
    for (;;) {
        const QString escolhido = interacao().arquivoParaSalvar(proposta);
        if (escolhido.isEmpty())
            return {};
        const QString arquivo = comExtensaoPdf(escolhido);
        if (const QString recusa = recusaDoArquivo(arquivo); !recusa.isEmpty()) {
            interacao().mensagem(Icone::Informacao, recusa);
            continue;
        }
        const QFileInfo informacao(arquivo);
        if (!informacao.exists() || informacao.isDir())
            return arquivo;
        switch (interacao().perguntar(perguntaSubstituir.arg(QDir::toNativeSeparators(arquivo)))) {
        case Resposta::Sim:
            return arquivo;
        case Resposta::Nao:
            proposta = arquivo;
            continue;
        case Resposta::Abortar:
            return {};
        }
    }
}

// `sistema`: the system's own reason, when the file itself could not be written.
QString mensagemFalhaPdf(const QString &arquivo, const QString &sistema)
{
    const QFileInfo informacao(arquivo);
    QString motivo = QStringLiteral("A pasta \"%1\" não existe.")
                         .arg(QDir::toNativeSeparators(informacao.absolutePath()));
    if (informacao.absoluteDir().exists()) {
        motivo = QStringLiteral("Verifique se há espaço no disco, se a pasta permite gravação e "
                                "se o arquivo não está protegido ou em uso.");
        if (!sistema.isEmpty())
            motivo = sistema + u'\n' + motivo;
    }
    return QStringLiteral("Não foi possível salvar o PDF \"%1\".\n%2")
        .arg(QDir::toNativeSeparators(arquivo), motivo);
}

void prepararPagina(QPdfWriter &pdf)
{
    pdf.setResolution(ServicoImpressao::resolucao);
    pdf.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
}

// Draws page `indice` of a text with tables or frames, paged by Qt's own layout, inside `area`.
void desenharPaginaComQuadros(QPainter &pintor, QTextDocument &texto, int indice, const QRect &area)
{
    const qreal altura = area.height();
    const QRectF trecho(0, indice * altura, area.width(), altura);
    pintor.save();
    pintor.translate(area.left(), area.top() - trecho.top());
    pintor.setClipRect(trecho);
    QAbstractTextDocumentLayout::PaintContext contexto;
    contexto.clip = trecho;
    texto.documentLayout()->draw(&pintor, contexto);
    pintor.restore();
}

} // namespace

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
    if (impressorasSimuladas)
        return *impressorasSimuladas;
    return static_cast<int>(QPrinterInfo::availablePrinterNames().size());
}

bool ServicoImpressao::configurar()
{
    return interacao().configurarImpressora(*principal);
}

int ServicoImpressao::larguraPagina()
{
    if (quantidadeImpressoras() == 0)
        return tamanhoPagina(*impressoraPdf(QString())).width();
    return tamanhoPagina(*principal).width();
}

int ServicoImpressao::alturaPagina()
{
    if (quantidadeImpressoras() == 0)
        return tamanhoPagina(*impressoraPdf(QString())).height();
    return tamanhoPagina(*principal).height();
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

QSize ServicoImpressao::tamanhoPagina(const QPagedPaintDevice &destino)
{
    // A printer at high resolution, and a PDF writer, paint in dots of their resolution.
    return destino.pageLayout().paintRectPixels(destino.logicalDpiX()).size();
}

void ServicoImpressao::definirTitulo(QPagedPaintDevice &destino, const QString &titulo)
{
    if (auto *impressora = dynamic_cast<QPrinter *>(&destino))
        impressora->setDocName(titulo);
    else if (auto *pdf = dynamic_cast<QPdfWriter *>(&destino))
        pdf->setTitle(titulo);
}

QRect ServicoImpressao::areaComMargens(const QSize &pagina)
{
    const int margem = pagina.width() / divisorMargem;
    return QRect(margem, margem, pagina.width() - 2 * margem, pagina.height() - 2 * margem);
}

bool ServicoImpressao::imprimirTexto(QPagedPaintDevice &destino, const QTextDocument &texto,
                                     const QRect &pagina, const QString &titulo)
{
    if (pagina.width() <= 0 || pagina.height() <= 0)
        return false;
    definirTitulo(destino, titulo);
    // A copy laid out for the printer, so the view on screen keeps its own layout. On paper
    // every line breaks within the page, as the view's own setting may not.
    std::unique_ptr<QTextDocument> copia(texto.clone());
    copia->documentLayout()->setPaintDevice(&destino);
    QTextOption opcao = copia->defaultTextOption();
    opcao.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    copia->setDefaultTextOption(opcao);
    copia->setDocumentMargin(0);
    paginacaoTexto::usarTextosDoPapel(*copia);
    // A plain text flows line by line and keeps its marked parts whole; texts with tables or
    // frames (pasted into the minutes) are paged by Qt's layout.
    const bool comQuadros = !copia->rootFrame()->childFrames().isEmpty();
    QVector<qreal> inicios;
    if (comQuadros) {
        copia->setPageSize(pagina.size());
        inicios.resize(copia->pageCount());
    } else {
        copia->setTextWidth(pagina.width());
        inicios = paginacaoTexto::iniciosDePagina(*copia, pagina.height());
    }

    QPainter pintor;
    if (!pintor.begin(&destino))
        return false;
    for (int i = 0; i < inicios.size(); ++i) {
        if (i > 0 && !destino.newPage())
            break;
        if (comQuadros)
            desenharPaginaComQuadros(pintor, *copia, i, pagina);
        else
            paginacaoTexto::desenharPagina(pintor, *copia, inicios, i, pagina);
    }
    const auto *impressora = dynamic_cast<const QPrinter *>(&destino);
    return pintor.end() && (!impressora || impressora->printerState() != QPrinter::Error);
}

bool ServicoImpressao::imprimirDocumento(const QTextDocument &texto, const QString &titulo)
{
    if (quantidadeImpressoras() == 0) {
        interacao().mensagem(Icone::Informacao, textoSemImpressora);
        return false;
    }
    if (!imprimirTexto(*principal, texto, areaComMargens(tamanhoPagina(*principal)), titulo)) {
        interacao().mensagem(Icone::Informacao, textoFalhaImpressao);
        return false;
    }
    return true;
}

bool ServicoImpressao::salvarPdf(const QString &sugestao,
                                 const std::function<bool(QPagedPaintDevice &)> &imprimir)
{
    const QString arquivo = escolherArquivoPdf(sugestao);
    if (arquivo.isEmpty())
        return false;
    QBuffer memoria;
    memoria.open(QIODevice::WriteOnly);
    bool desenhado = false;
    {
        QPdfWriter pdf(&memoria);
        prepararPagina(pdf);
        desenhado = imprimir(pdf);
    }
    QString motivo;
    if (!desenhado || !gravarArquivoInteiro(arquivo, memoria.data(), &motivo)) {
        interacao().mensagem(Icone::Informacao, mensagemFalhaPdf(arquivo, motivo));
        return false;
    }
    return true;
}

bool ServicoImpressao::salvarPdf(const QTextDocument &texto, const QString &titulo,
                                 const QString &sugestao)
{
    return salvarPdf(sugestao, [&](QPagedPaintDevice &pdf) {
        return imprimirTexto(pdf, texto, areaComMargens(tamanhoPagina(pdf)), titulo);
    });
}

void ServicoImpressao::simularImpressorasParaTestes(std::optional<int> quantidade)
{
    impressorasSimuladas = quantidade;
}
