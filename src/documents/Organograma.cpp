#include "documents/Organograma.h"

#include "documents/DadosOrganograma.h"
#include "documents/PinturaOrganograma.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QtMath>
#include <algorithm>

namespace {

constexpr float proporcaoSemImpressora = 0.69679f;
constexpr float fatorTela = 0.9f;
constexpr double polegadaEmMetros = 0.0254;
constexpr int divisorMargemTela = 40;
constexpr int divisorMargemImpressora = 20;
const QString colunaDeRotulos = QStringLiteral("XXXXXXXXXXXX");

struct MedidasFixas {
    int espessura, espacoVertical, espacoHorizontal, recuo;
};
constexpr MedidasFixas fixasTela{2, 10, 10, 4};
constexpr MedidasFixas fixasImpressora{16, 60, 80, 32};

MedidasOrganograma comFixas(const MedidasFixas &fixas)
{
    MedidasOrganograma m;
    m.espessura = fixas.espessura;
    m.espacoVertical = fixas.espacoVertical;
    m.espacoHorizontal = fixas.espacoHorizontal;
    m.recuo = fixas.recuo;
    return m;
}

float proporcaoDaTela(const TelaOrganograma &tela)
{
    if (tela.impressoras > 0 && tela.pagina.width() > 0 && tela.pagina.height() > 0)
        return static_cast<float>(static_cast<double>(tela.pagina.width()) /
                                  static_cast<double>(tela.pagina.height()));
    return proporcaoSemImpressora;
}

// The picture's size: 0.9 of the screen along the page's longer side. The factor is the
// single-precision 0.9 and the products are taken in double, so that a screen 1000 pixels high
// gives 899, not 900.
QSize tamanhoDaImagem(const TelaOrganograma &tela, float proporcao)
{
    const double fator = static_cast<double>(fatorTela);
    const double razao = static_cast<double>(proporcao);
    if (proporcao >= 1) {
        const int largura = static_cast<int>(tela.tela.width() * fator);
        return {largura, static_cast<int>(largura / razao)};
    }
    const int altura = static_cast<int>(tela.tela.height() * fator);
    return {static_cast<int>(altura * razao), altura};
}

void definirResolucao(QImage &imagem, int pontosPorPolegada)
{
    const int pontosPorMetro = qRound(pontosPorPolegada / polegadaEmMetros);
    imagem.setDotsPerMeterX(pontosPorMetro);
    imagem.setDotsPerMeterY(pontosPorMetro);
}

} // namespace

MedidasOrganograma medidasDaTela(const TelaOrganograma &tela, const QuebraLinhas &linhas)
{
    MedidasOrganograma m = comFixas(fixasTela);
    m.proporcao = proporcaoDaTela(tela);
    m.margem = tela.tela.height() / divisorMargemTela;
    const QSize imagem = tamanhoDaImagem(tela, m.proporcao);
    m.larguraUtil = imagem.width() - 2 * m.margem;
    m.alturaUtil = imagem.height() - 2 * m.margem;
    m.colunaRotulos = linhas.largura(colunaDeRotulos) + m.margem;
    m.tela = true;
    return m;
}

MedidasOrganograma medidasDoPapel(QSize pagina, const QuebraLinhas &linhas)
{
    // Pages of any size get these metrics: at 600 dpi no ordinary page reaches the size at which
    // the chart used to give up on the printer.
    MedidasOrganograma m = comFixas(fixasImpressora);
    m.proporcao =
        static_cast<float>(pagina.width()) / static_cast<float>(std::max(1, pagina.height()));
    m.margem = pagina.height() / divisorMargemImpressora;
    m.larguraUtil = pagina.width() - 2 * m.margem;
    m.alturaUtil = pagina.height() - 2 * m.margem;
    m.colunaRotulos = linhas.largura(colunaDeRotulos) + m.margem;
    m.tela = false;
    return m;
}

void Organograma::definirPlano(const ListaNos &secoes, const QString &nome)
{
    secoesPlano = secoes;
    nomePlano = nome;
    linhas.esquecer();
}

void Organograma::medidasTela(const TelaOrganograma &tela)
{
    // The text is measured at the screen's resolution, which the picture takes as well.
    QImage resolucao(1, 1, QImage::Format_RGB32);
    definirResolucao(resolucao, tela.pontosPorPolegada);
    linhas = QuebraLinhas(&resolucao);
    metricas = medidasDaTela(tela, linhas);

    tamanhoQuadro = QSize(std::max(1, metricas.larguraUtil + 2 * metricas.margem),
                          std::max(1, metricas.alturaUtil + 2 * metricas.margem));
    const qreal razao = tela.razaoPixels > 0 ? tela.razaoPixels : 1;
    quadro = QImage(qCeil(tamanhoQuadro.width() * razao), qCeil(tamanhoQuadro.height() * razao),
                    QImage::Format_RGB32);
    quadro.setDevicePixelRatio(razao);
    definirResolucao(quadro, tela.pontosPorPolegada);
    quadro.fill(Qt::white);
}

void Organograma::medidasImpressora(const QPaintDevice &pagina)
{
    linhas = QuebraLinhas(&pagina);
    metricas = medidasDoPapel(QSize(pagina.width(), pagina.height()), linhas);
}

const LeiauteOrganograma &Organograma::montar(int indiceProblema, int indiceCausa)
{
    if (indiceProblema < 0) {
        ultimo = {};
        return ultimo;
    }
    // A problem without causes shows one empty cause, as the analysis window does.
    const DadosOrganograma dados =
        DadosOrganograma::ler(secoesPlano, indiceProblema, std::max(0, indiceCausa));
    ultimo = leiauteOrganograma::montar(dados, nomePlano, metricas, linhas);
    return ultimo;
}

QStringList Organograma::textosDaPagina(int pagina) const
{
    return pagina >= 1 && pagina <= totalPaginas() ? ultimo.paginas[pagina - 1].textos
                                                   : QStringList();
}

void Organograma::pintarPagina(int pagina)
{
    if (pagina < 1 || pagina > totalPaginas())
        return;
    QPainter pintor(&quadro);
    pinturaOrganograma::pintar(pintor, ultimo.paginas[pagina - 1], metricas, linhas.fonte());
}

bool Organograma::imprimir(QPagedPaintDevice &destino) const
{
    QPainter pintor;
    if (!pintor.begin(&destino))
        return false;
    for (qsizetype i = 0; i < ultimo.paginas.size(); ++i) {
        if (i > 0 && !destino.newPage()) {
            pintor.end();
            return false;
        }
        pinturaOrganograma::pintar(pintor, ultimo.paginas[i], metricas, linhas.fonte(), i == 0);
    }
    const auto *impressora = dynamic_cast<const QPrinter *>(&destino);
    return pintor.end() && (!impressora || impressora->printerState() != QPrinter::Error);
}
