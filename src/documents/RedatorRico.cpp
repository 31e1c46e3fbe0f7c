#include "documents/RedatorRico.h"

#include "documents/PaginacaoTexto.h"

#include <QTextBlockFormat>
#include <QTextDocument>
#include <QTextEdit>
#include <cmath>

RedatorRico::RedatorRico(QTextDocument &documento) : documento(documento), edicao(&documento)
{
    limpar();
    edicao = QTextCursor(&documento);
    edicao.beginEditBlock();
}

RedatorRico::~RedatorRico()
{
    edicao.endEditBlock();
}

void RedatorRico::limpar()
{
    documento.clear();
    cursor = QTextCursor(&documento);
    formato = QTextCharFormat();
    alinhamento = Qt::AlignLeft;
    semLinhas = true;
    proximaIniciaParte = false;
    definirFonte(documento.defaultFont());
}

void RedatorRico::definirFonte(const QFont &fonte)
{
    documento.setDefaultFont(fonte);
    // The format names the face and size itself, so the text keeps them wherever it goes
    // (a copy for printing, a view whose own font changes).
    formato.setFont(fonte, QTextCharFormat::FontPropertiesAll);
    if (fonte.pixelSize() > 0)
        definirAlturaPixels(fonte.pixelSize());
    else
        altura = static_cast<int>(std::lround(fonte.pointSizeF() / pontosPorPixel));
}

void RedatorRico::definirAlturaPixels(int pixels)
{
    altura = pixels;
    // A size in pixels would be device pixels on paper: at 600 dpi, a sixth of the size.
    formato.clearProperty(QTextFormat::FontPixelSize);
    formato.setFontPointSize(altura * pontosPorPixel);
}

void RedatorRico::acrescentarNegrito()
{
    formato.setFontWeight(QFont::Bold);
}

void RedatorRico::acrescentarItalico()
{
    formato.setFontItalic(true);
}

void RedatorRico::alinhar(Qt::Alignment novo)
{
    alinhamento = novo;
}

void RedatorRico::iniciarParte()
{
    proximaIniciaParte = true;
}

void RedatorRico::adicionarLinha(const QString &texto, const QString &textoNoPapel)
{
    QTextBlockFormat bloco;
    bloco.setAlignment(alinhamento);
    if (textoNoPapel != texto)
        bloco.setProperty(paginacaoTexto::textoNoPapel, textoNoPapel);
    if (!cursor.atEnd())
        cursor.movePosition(QTextCursor::End);
    acrescentarParagrafo(bloco, texto);
}

void RedatorRico::adicionarLinha(const QString &texto)
{
    QTextBlockFormat bloco;
    bloco.setAlignment(alinhamento);
    qsizetype inicio = 0;
    while (true) {
        const qsizetype quebra = texto.indexOf(u'\n', inicio);
        const QStringView linha =
            QStringView(texto).mid(inicio, quebra < 0 ? texto.size() - inicio : quebra - inicio);
        if (!cursor.atEnd())
            cursor.movePosition(QTextCursor::End);
        acrescentarParagrafo(bloco, linha);
        if (quebra < 0)
            break;
        inicio = quebra + 1;
    }
}

void RedatorRico::acrescentarParagrafo(QTextBlockFormat bloco, QStringView linha)
{
    if (proximaIniciaParte) {
        bloco.setProperty(paginacaoTexto::inicioDeParte, true);
        proximaIniciaParte = false;
    }
    if (semLinhas) {
        // A cleared document still holds one empty paragraph: the first line goes there.
        cursor.setBlockFormat(bloco);
        cursor.setBlockCharFormat(formato);
        semLinhas = false;
    } else {
        cursor.insertBlock(bloco, formato);
    }
    cursor.insertText(linha.toString(), formato);
}

QTextDocument *novoDocumento(QTextEdit &vista)
{
    auto *novo = new QTextDocument(&vista);
    const QTextDocument *atual = vista.document();
    novo->setDefaultFont(vista.font());
    // Already shaped as the view will shape it, so handing it over lays out no more than
    // the part on screen.
    novo->setDefaultTextOption(atual->defaultTextOption());
    novo->setPageSize(atual->pageSize());
    return novo;
}

void mostrarDocumento(QTextEdit &vista, QTextDocument *novo)
{
    QTextDocument *anterior = vista.document();
    if (anterior == novo)
        return;
    // The view deletes the document it made itself; one made here goes now.
    const bool feitoAqui = anterior->parent() == &vista;
    vista.setDocument(novo);
    if (feitoAqui)
        delete anterior;
}
