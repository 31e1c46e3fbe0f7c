#include "documents/PaginacaoTexto.h"

#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <limits>

namespace paginacaoTexto {

namespace {

// Half a device pixel absorbs rounding in the positions of the lines.
constexpr qreal tolerancia = 0.5;

struct Linha {
    qreal topo = 0;
    qreal base = 0;
    bool iniciaParte = false;
};

QVector<Linha> linhasDoTexto(const QTextDocument &texto)
{
    texto.size(); // the layout runs on demand: the whole of it, now
    QVector<Linha> linhas;
    for (QTextBlock bloco = texto.begin(); bloco.isValid(); bloco = bloco.next()) {
        const QTextLayout *layout = bloco.layout();
        const qreal origem = layout->position().y();
        const bool parte = bloco.blockFormat().boolProperty(inicioDeParte);
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine linha = layout->lineAt(i);
            linhas.append(
                {origem + linha.y(), origem + linha.y() + linha.height(), parte && i == 0});
        }
    }
    return linhas;
}

} // namespace

void usarTextosDoPapel(QTextDocument &copia)
{
    QTextCursor cursor(&copia);
    cursor.beginEditBlock();
    for (QTextBlock bloco = copia.begin(); bloco.isValid(); bloco = bloco.next()) {
        const QVariant papel = bloco.blockFormat().property(textoNoPapel);
        if (!papel.isValid())
            continue;
        cursor.setPosition(bloco.position());
        cursor.setPosition(bloco.position() + bloco.length() - 1, QTextCursor::KeepAnchor);
        cursor.insertText(papel.toString(), cursor.charFormat());
    }
    cursor.endEditBlock();
}

QVector<qreal> iniciosDePagina(const QTextDocument &texto, qreal alturaPagina)
{
    const QVector<Linha> linhas = linhasDoTexto(texto);
    // The bottom of each part, for the line that starts it.
    QVector<qreal> fimDaParte(linhas.size(), 0);
    qreal fim = linhas.isEmpty() ? 0 : linhas.last().base;
    for (qsizetype i = linhas.size() - 1; i >= 0; --i) {
        if (!linhas[i].iniciaParte)
            continue;
        fimDaParte[i] = fim;
        fim = i > 0 ? linhas[i - 1].base : 0;
    }

    QVector<qreal> inicios{0};
    for (qsizetype i = 0; i < linhas.size(); ++i) {
        const Linha &linha = linhas[i];
        const qreal inicio = inicios.last();
        // A page that holds nothing yet keeps what comes, even what is taller than the page.
        if (linha.topo <= inicio + tolerancia)
            continue;
        const qreal ate = linha.iniciaParte ? fimDaParte[i] : linha.base;
        if (ate - inicio > alturaPagina + tolerancia)
            inicios.append(linha.topo);
    }
    return inicios;
}

void desenharPagina(QPainter &pintor, const QTextDocument &texto, const QVector<qreal> &inicios,
                    int indice, const QRect &area)
{
    const qreal inicio = inicios[indice];
    const qreal fim =
        indice + 1 < inicios.size() ? inicios[indice + 1] : std::numeric_limits<qreal>::max();
    pintor.save();
    pintor.translate(area.left(), area.top() - inicio);
    pintor.setClipRect(QRectF(0, inicio, area.width(), area.height()));
    pintor.setPen(Qt::black);
    // Each line is drawn on its own page only: a paragraph drawn whole on every page it touches
    // would be hidden by the clip yet still in the file, where searching and copying find it.
    for (QTextBlock bloco = texto.begin(); bloco.isValid(); bloco = bloco.next()) {
        const QTextLayout *layout = bloco.layout();
        const QPointF origem = layout->position();
        if (origem.y() + layout->boundingRect().height() + tolerancia < inicio)
            continue;
        if (origem.y() + tolerancia >= fim)
            break;
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine linha = layout->lineAt(i);
            const qreal topo = origem.y() + linha.y() + tolerancia;
            if (topo >= inicio && topo < fim)
                linha.draw(&pintor, origem);
        }
    }
    pintor.restore();
}

} // namespace paginacaoTexto
