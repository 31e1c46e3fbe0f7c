#include "support/documents/FormatoTexto.h"

#include <QTextBlock>
#include <QTextDocument>

QList<ParagrafoFormatado> paragrafos(const QTextDocument &documento)
{
    QList<ParagrafoFormatado> resultado;
    for (QTextBlock bloco = documento.begin(); bloco.isValid(); bloco = bloco.next()) {
        // An empty paragraph shows its own character format; a written one that of its text.
        QTextCharFormat formato = bloco.charFormat();
        if (bloco.begin() != bloco.end())
            formato = bloco.begin().fragment().charFormat();
        const QFont fonte = formato.font();
        ParagrafoFormatado paragrafo;
        paragrafo.texto = bloco.text();
        paragrafo.negrito = fonte.bold();
        paragrafo.italico = fonte.italic();
        paragrafo.pontos = fonte.pointSizeF();
        paragrafo.centralizado = bloco.blockFormat().alignment() & Qt::AlignHCenter;
        resultado.append(paragrafo);
    }
    return resultado;
}

QStringList linhas(const QTextDocument &documento)
{
    QStringList resultado;
    for (QTextBlock bloco = documento.begin(); bloco.isValid(); bloco = bloco.next())
        resultado.append(bloco.text());
    return resultado;
}
