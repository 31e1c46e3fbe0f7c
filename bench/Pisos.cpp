#include "Pisos.h"

#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <stdexcept>

namespace pisos {

namespace {

constexpr unsigned opcoesLeitura = pugi::parse_default | pugi::parse_ws_pcdata_single;
constexpr unsigned opcoesEscrita = pugi::format_indent | pugi::format_no_declaration;

class EscritorBytes : public pugi::xml_writer {
public:
    QByteArray bytes;
    void write(const void *dados, size_t tamanho) override
    {
        bytes.append(static_cast<const char *>(dados), static_cast<qsizetype>(tamanho));
    }
};

void analisar(const QByteArray &bytes)
{
    pugi::xml_document documento;
    if (!documento.load_buffer(bytes.constData(), static_cast<size_t>(bytes.size()), opcoesLeitura,
                               pugi::encoding_utf8))
        throw std::runtime_error("piso: XML inválido");
}

} // namespace

void carregarXml(const QString &arquivo)
{
    QFile entrada(arquivo);
    if (!entrada.open(QIODevice::ReadOnly))
        throw std::runtime_error("piso: arquivo ilegível");
    analisar(entrada.readAll());
}

void salvarXml(const pugi::xml_document &documento, const QString &arquivo)
{
    EscritorBytes escritor;
    documento.save(escritor, "    ", opcoesEscrita, pugi::encoding_utf8);
    escritor.bytes.replace("\n", "\r\n");
    QSaveFile saida(arquivo);
    if (!saida.open(QIODevice::WriteOnly) || saida.write(escritor.bytes) != escritor.bytes.size() ||
        !saida.commit())
        throw std::runtime_error("piso: gravação falhou");
    analisar(escritor.bytes);
}

TextoFinal capturarTexto(const QTextDocument &documento)
{
    TextoFinal texto;
    texto.fonte = documento.defaultFont();
    for (QTextBlock bloco = documento.begin(); bloco.isValid(); bloco = bloco.next()) {
        TextoFinal::Paragrafo paragrafo{bloco.blockFormat(), bloco.charFormat(), {}};
        for (auto trecho = bloco.begin(); !trecho.atEnd(); ++trecho) {
            const QTextFragment fragmento = trecho.fragment();
            paragrafo.trechos.append({fragmento.text(), fragmento.charFormat()});
        }
        texto.paragrafos.append(paragrafo);
    }
    return texto;
}

std::unique_ptr<QTextDocument> construirTexto(const TextoFinal &texto)
{
    auto documento = std::make_unique<QTextDocument>();
    documento->setDefaultFont(texto.fonte);
    QTextCursor cursor(documento.get());
    cursor.beginEditBlock();
    bool primeiro = true;
    for (const TextoFinal::Paragrafo &paragrafo : texto.paragrafos) {
        if (primeiro) {
            cursor.setBlockFormat(paragrafo.formato);
            cursor.setBlockCharFormat(paragrafo.formatoCaractere);
            primeiro = false;
        } else {
            cursor.insertBlock(paragrafo.formato, paragrafo.formatoCaractere);
        }
        for (const TextoFinal::Trecho &trecho : paragrafo.trechos)
            cursor.insertText(trecho.texto, trecho.formato);
    }
    cursor.endEditBlock();
    return documento;
}

bool mesmoTexto(const QTextDocument &a, const QTextDocument &b)
{
    return a.blockCount() == b.blockCount() && a.toPlainText() == b.toPlainText();
}

void pintarTextos(TextosDesenho &desenho)
{
    const QFontMetrics medidor(desenho.fonte, &desenho.imagem);
    int largura = 0;
    for (const QString &linha : desenho.linhas)
        largura = std::max(largura, medidor.horizontalAdvance(linha));
    benchmark::DoNotOptimize(largura);
    QPainter pintor(&desenho.imagem);
    pintor.setFont(desenho.fonte);
    pintor.setPen(Qt::black);
    const int ascendente = pintor.fontMetrics().ascent();
    for (const TextosDesenho::Texto &texto : desenho.textos)
        pintor.drawText(QPoint(texto.canto.x(), texto.canto.y() + ascendente), texto.texto);
}

} // namespace pisos
