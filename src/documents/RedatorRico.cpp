#include "documents/RedatorRico.h"

#include <QTextBlockFormat>
#include <QTextDocument>
#include <cmath>

RedatorRico::RedatorRico(QTextDocument &documento) : documento(documento), edicao(&documento)
{
    limpar();
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

void RedatorRico::adicionarLinha(const QString &texto)
{
    QTextBlockFormat bloco;
    bloco.setAlignment(alinhamento);
    const QStringList linhas = texto.split(u'\n');
    for (const QString &linha : linhas) {
        cursor.movePosition(QTextCursor::End);
        if (semLinhas) {
            // A cleared document still holds one empty paragraph: the first line goes there.
            cursor.setBlockFormat(bloco);
            cursor.setBlockCharFormat(formato);
            semLinhas = false;
        } else {
            cursor.insertBlock(bloco, formato);
        }
        cursor.insertText(linha, formato);
    }
}
