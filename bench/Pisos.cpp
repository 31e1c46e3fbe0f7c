#include "Pisos.h"

#include "problems/TfrProblema.h"
#include "widgets/CaixaRolagem.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <stdexcept>

namespace pisos {

namespace {

constexpr unsigned opcoesLeitura = pugi::parse_default | pugi::parse_ws_pcdata_single;
constexpr unsigned opcoesEscrita = pugi::format_indent | pugi::format_no_declaration;

// Every LF becomes CR LF as the bytes stream out, with no pass over the buffer after.
class EscritorArquivo : public pugi::xml_writer {
public:
    QByteArray bytes;
    void write(const void *dados, size_t tamanho) override
    {
        const char *trecho = static_cast<const char *>(dados);
        const char *const fim = trecho + tamanho;
        while (trecho < fim) {
            const char *quebra = std::find(trecho, fim, '\n');
            bytes.append(trecho, quebra - trecho);
            if (quebra == fim)
                break;
            bytes.append("\r\n", 2);
            trecho = quebra + 1;
        }
    }
};

QByteArray lerBytes(const QString &arquivo)
{
    QFile entrada(arquivo);
    if (!entrada.open(QIODevice::ReadOnly))
        throw std::runtime_error("piso: arquivo ilegível");
    return entrada.readAll();
}

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
    analisar(lerBytes(arquivo));
}

void salvarXml(const pugi::xml_document &documento, const QString &arquivo)
{
    EscritorArquivo escritor;
    escritor.bytes.reserve(1 << 20);
    documento.save(escritor, "    ", opcoesEscrita, pugi::encoding_utf8);
    QSaveFile saida(arquivo);
    if (!saida.open(QIODevice::WriteOnly) || saida.write(escritor.bytes) != escritor.bytes.size() ||
        !saida.commit())
        throw std::runtime_error("piso: gravação falhou");
}

PlanoNaTela::PlanoNaTela(QSize tamanho) : janela(std::make_unique<QWidget>())
{
    janela->resize(tamanho);
    caixa = new CaixaRolagem(janela.get());
    auto *layout = new QVBoxLayout(janela.get());
    layout->addWidget(caixa);
    janela->show();
    QCoreApplication::processEvents();
}

PlanoNaTela::~PlanoNaTela() = default;

void PlanoNaTela::esvaziar()
{
    qDeleteAll(caixa->conteudo()->findChildren<TfrProblema *>(Qt::FindDirectChildrenOnly));
    QCoreApplication::processEvents();
}

void PlanoNaTela::abrir(const QString &arquivo)
{
    const QByteArray bytes = lerBytes(arquivo);
    pugi::xml_document documento;
    if (!documento.load_buffer(bytes.constData(), static_cast<size_t>(bytes.size()), opcoesLeitura,
                               pugi::encoding_utf8))
        throw std::runtime_error("piso: XML inválido");
    int posicao = 0;
    int y = 0;
    for (const pugi::xml_node problema :
         documento.document_element().child("problemas").children()) {
        auto *quadro = new TfrProblema(caixa->conteudo());
        quadro->definirNome(QString::fromUtf8(problema.attribute("nome").value()));
        quadro->definirCor(problema.attribute("cor").as_int());
        quadro->definirPosicao(posicao);
        quadro->destacar(posicao == 0);
        quadro->move(0, y);
        quadro->show();
        y += quadro->height();
        ++posicao;
    }
    caixa->definirAlturaConteudo(y);
    QCoreApplication::processEvents();
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
