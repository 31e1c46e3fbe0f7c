#include "documents/Organograma.h"

#include "documents/DadosOrganograma.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <QScopeGuard>
#include <QtMath>
#include <algorithm>

std::array<int, secoesOrganograma> paginaDaSecao = {1, 1, 1, 1, 1, 1};

namespace {

constexpr int secaoRevisao = 5;
constexpr double polegadaEmMetros = 0.0254;
constexpr double fatorPassoLinha = 1.2;
constexpr int divisorMargemTela = 40;
constexpr int divisorMargemImpressora = 20;
const QString colunaDeRotulos = QStringLiteral("XXXXXXXXXXXX");
const QString delimitadores = QStringLiteral(" .!;:/-");

const QColor corFundo = Qt::white;
const QColor corTexto = Qt::black;

struct MedidasFixas {
    int espessura, espacoVertical, espacoHorizontal, recuo;
};
constexpr MedidasFixas fixasTela{2, 10, 10, 4};
constexpr MedidasFixas fixasImpressora{16, 60, 80, 32};

bool continuaCaractere(QChar caractere)
{
    return caractere.isLowSurrogate() || caractere.isMark();
}

QString numerado(const QString &prefixo, int numero, const QString &texto)
{
    return prefixo + QString::number(numero) + QStringLiteral(": ") + texto;
}

ValorCor corOperacao(int coluna)
{
    // More than three columns only come from a damaged plan; their colours repeat.
    return coresOperacoes[static_cast<size_t>(coluna) % coresOperacoes.size()];
}

// The texts of section row `secao` for the operations of the cause, followed by its label.
QStringList textosDaSecao(int secao, const DadosOrganograma &dados)
{
    using D = DadosOrganograma;
    static const QString rotulos[] = {QStringLiteral("Operações >"), QStringLiteral("Recursos >"),
                                      QStringLiteral("Prazo Exec. >"),
                                      QStringLiteral("Resultados >"),
                                      QStringLiteral("Avaliação >")};
    QStringList textos;
    for (int i = 0; i < dados.operacoes.size(); ++i) {
        const QStringList &op = dados.operacoes[i];
        const int n = i + 1;
        switch (secao) {
        case 0:
            textos.append(numerado(QStringLiteral("O"), n,
                                   QStringLiteral("(QUEM) ") + op[D::Quem] +
                                       QStringLiteral(" (O QUE) ") + op[D::OQue]));
            break;
        case 1:
            textos.append(numerado(QStringLiteral("R"), n,
                                   QStringLiteral("(Físicos) ") + op[D::Fisico] +
                                       QStringLiteral(" (Humanos) ") + op[D::Humano] +
                                       QStringLiteral(" (Financeiros) ") + op[D::Financeiro]));
            break;
        case 2:
            textos.append(QStringLiteral("Prazo: ") + op[D::Prazo]);
            break;
        case 3:
            textos.append(QStringLiteral("Resultados: ") + op[D::Resultado]);
            break;
        default:
            textos.append(QStringLiteral("Avaliação: ") + op[D::Avaliacao]);
            break;
        }
    }
    textos.append(rotulos[secao]);
    return textos;
}

} // namespace

// Keeps a painter open on the surface for the duration of one call, unless a pass or a print
// run already holds one.
class Organograma::Pintura {
public:
    explicit Pintura(Organograma &organograma) : dono(organograma)
    {
        if (dono.pintor != nullptr || dono.soMedir)
            return;
        QPaintDevice *dispositivo = dono.superficie != nullptr
                                        ? dono.superficie
                                        : static_cast<QPaintDevice *>(&dono.quadro);
        if (dispositivo->paintingActive() || !local.begin(dispositivo))
            return;
        dono.prepararPintor(local);
        dono.pintor = &local;
        propria = true;
    }
    ~Pintura()
    {
        if (!propria)
            return;
        local.end();
        dono.pintor = nullptr;
    }
    Pintura(const Pintura &) = delete;
    Pintura &operator=(const Pintura &) = delete;

private:
    Organograma &dono;
    QPainter local;
    bool propria = false;
};

// A column of text inside a block: its box, its colour and its lines, already broken.
struct Organograma::Coluna {
    int x = 0;
    int largura = 0;
    ValorCor cor = corPreta;
    QStringList linhas;
};

// One block of the chart, measured before it is placed: a text box with its label, the
// indicators (one box of many texts), or a section row of side-by-side columns with their bars.
struct Organograma::Bloco {
    enum class Tipo { Caixa, Indicadores, Secao };
    Tipo tipo = Tipo::Caixa;
    QVector<Coluna> colunas;
    QString rotulo;
    int espacoAntes = 0; // after the block above, on the same page
    int secao = -1;      // its entry in paginaDaSecao, -1 for the header

    int linhas() const
    {
        qsizetype maior = 0;
        for (const Coluna &coluna : colunas)
            maior = std::max(maior, coluna.linhas.size());
        return static_cast<int>(maior);
    }
};

Organograma::Organograma()
{
    larguraLatin1.fill(-1);
}

Organograma::~Organograma()
{
    if (pintorImpressao && pintorImpressao->isActive())
        pintorImpressao->end();
}

void Organograma::definirPlano(const ListaNos &secoes, const QString &nome)
{
    secoesPlano = secoes;
    nomePlano = nome;
    esquecerQuebras();
}

// --- metrics -------------------------------------------------------------------------------

void Organograma::medidasTela(const TelaOrganograma &tela)
{
    MedidasOrganograma m;
    m.espessura = fixasTela.espessura;
    m.espacoVertical = fixasTela.espacoVertical;
    m.espacoHorizontal = fixasTela.espacoHorizontal;
    m.recuo = fixasTela.recuo;
    m.proporcao = proporcaoSemImpressora;
    if (tela.impressoras > 0 && tela.pagina.width() > 0 && tela.pagina.height() > 0)
        m.proporcao = static_cast<float>(static_cast<double>(tela.pagina.width()) /
                                         static_cast<double>(tela.pagina.height()));
    m.margem = tela.tela.height() / divisorMargemTela;

    // The factor is the single-precision 0.9 and the products are taken in double, so that a
    // screen 1000 pixels high gives 899, not 900.
    const double fator = static_cast<double>(fatorTela);
    const double proporcao = static_cast<double>(m.proporcao);
    int largura = 0;
    int altura = 0;
    if (m.proporcao >= 1) {
        largura = static_cast<int>(tela.tela.width() * fator);
        altura = static_cast<int>(largura / proporcao);
    } else {
        altura = static_cast<int>(tela.tela.height() * fator);
        largura = static_cast<int>(altura * proporcao);
    }
    m.larguraUtil = largura - 2 * m.margem;
    m.alturaUtil = altura - 2 * m.margem;

    // Laid out in logical pixels, painted in the screen's own: the painter scales by the ratio.
    tamanhoQuadro =
        QSize(std::max(1, m.larguraUtil + 2 * m.margem), std::max(1, m.alturaUtil + 2 * m.margem));
    const qreal razao = tela.razaoPixels > 0 ? tela.razaoPixels : 1;
    quadro = QImage(qCeil(tamanhoQuadro.width() * razao), qCeil(tamanhoQuadro.height() * razao),
                    QImage::Format_RGB32);
    quadro.setDevicePixelRatio(razao);
    const int pontosPorMetro = qRound(tela.pontosPorPolegada / polegadaEmMetros);
    quadro.setDotsPerMeterX(pontosPorMetro);
    quadro.setDotsPerMeterY(pontosPorMetro);
    quadro.fill(corFundo);

    superficie = &quadro;
    novaPagina = {};
    metricas = m;
    esquecerQuebras();
    metricas.colunaRotulos = larguraTexto(colunaDeRotulos) + m.margem;
}

void Organograma::medidasImpressora(QPaintDevice &pagina, std::function<bool()> proximaPagina)
{
    // Pages of any size get these metrics: at 600 dpi no ordinary page reaches the size at which
    // the chart used to give up on the printer.
    MedidasOrganograma m;
    m.proporcao = metricas.proporcao;
    m.espessura = fixasImpressora.espessura;
    m.espacoVertical = fixasImpressora.espacoVertical;
    m.espacoHorizontal = fixasImpressora.espacoHorizontal;
    m.recuo = fixasImpressora.recuo;
    m.margem = pagina.height() / divisorMargemImpressora;
    m.larguraUtil = pagina.width() - 2 * m.margem;
    m.alturaUtil = pagina.height() - 2 * m.margem;

    superficie = &pagina;
    novaPagina = std::move(proximaPagina);
    metricas = m;
    esquecerQuebras();
    metricas.colunaRotulos = larguraTexto(colunaDeRotulos) + m.margem;
}

void Organograma::medidasImpressora(QPagedPaintDevice &impressora)
{
    medidasImpressora(impressora, [&impressora] { return impressora.newPage(); });
}

void Organograma::definirMedidas(const MedidasOrganograma &medidas, QPaintDevice *dispositivo,
                                 std::function<bool()> proximaPagina)
{
    metricas = medidas;
    superficie = dispositivo != nullptr ? dispositivo : &quadro;
    novaPagina = std::move(proximaPagina);
    esquecerQuebras();
}

bool Organograma::iniciarImpressao()
{
    if (superficie == nullptr)
        return false;
    pintorImpressao = std::make_unique<QPainter>();
    if (!pintorImpressao->begin(superficie)) {
        pintorImpressao.reset();
        return false;
    }
    prepararPintor(*pintorImpressao);
    pintor = pintorImpressao.get();
    emImpressao = true;
    return true;
}

bool Organograma::concluirImpressao()
{
    bool concluida = false;
    if (pintorImpressao) {
        concluida = pintorImpressao->end();
        pintorImpressao.reset();
    }
    pintor = nullptr;
    emImpressao = false;
    return concluida;
}

// --- text measures ---------------------------------------------------------------------------

int Organograma::alturaFontePixels() const
{
    const int pontosPorPolegada = superficie != nullptr ? superficie->logicalDpiY() : 96;
    return qRound(tamanhoFonte * pontosPorPolegada / 72.0);
}

int Organograma::passoLinha() const
{
    return static_cast<int>(alturaFontePixels() * fatorPassoLinha);
}

QFont Organograma::fonte() const
{
    QFont fonte = QGuiApplication::font();
    fonte.setPixelSize(std::max(1, alturaFontePixels()));
    return fonte;
}

int Organograma::larguraTexto(const QString &texto) const
{
    return QFontMetrics(fonte(), superficie).horizontalAdvance(texto);
}

int Organograma::alturaTexto() const
{
    return QFontMetrics(fonte(), superficie).height();
}

// --- primitives ------------------------------------------------------------------------------

void Organograma::prepararPintor(QPainter &novo) const
{
    novo.setFont(fonte());
    novo.setPen(QPen(corCaneta, metricas.espessura, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    novo.setBrush(corFundo);
}

void Organograma::escreverTexto(int x, int y, const QString &texto, qsizetype ordem)
{
    if (pintor == nullptr || texto.isEmpty())
        return;
    // (x, y) is the top of the text line, as on the original canvas.
    const QFontMetrics medidor = pintor->fontMetrics();
    // A line that starts a whole line below the surface cannot show, and shaping it is wasted.
    if (y >= tamanhoSuperficie().height() + medidor.height())
        return;
    const QPen caneta = pintor->pen();
    pintor->setPen(corTexto);
    pintor->drawText(QPoint(x, y + medidor.ascent()), texto);
    pintor->setPen(caneta);
    textosPintados.insert(ordem < 0 ? textosPintados.size() : ordem, texto);
}

// A rectangle outlined and filled as the original canvas does it: the pen, P wide, runs inside
// the edges, and right and bottom are excluded. A rectangle P wide is thus a solid bar.
void Organograma::retangulo(const QColor &cor, const Retangulo &r)
{
    definirCorCaneta(cor);
    const int largura = r.direita - r.esquerda;
    const int altura = r.base - r.topo;
    if (pintor == nullptr || largura <= 0 || altura <= 0)
        return;
    const int p = metricas.espessura;
    pintor->fillRect(QRect(r.esquerda, r.topo, largura, altura), cor);
    if (cor != pintor->brush().color() && largura > 2 * p && altura > 2 * p)
        pintor->fillRect(QRect(r.esquerda + p, r.topo + p, largura - 2 * p, altura - 2 * p),
                         pintor->brush().color());
}

void Organograma::definirCorCaneta(const QColor &cor)
{
    corCaneta = cor;
    if (pintor != nullptr) {
        QPen caneta = pintor->pen();
        caneta.setColor(cor);
        caneta.setWidth(metricas.espessura);
        pintor->setPen(caneta);
    }
}

Retangulo Organograma::desenharTexto(int x, int y, int largura, const QString &texto)
{
    Pintura pintura(*this);
    const int passo = passoLinha();
    const int d = metricas.recuo;
    int t = y;
    for (const QString &trecho : quebrarTexto(texto, largura - 2 * d)) {
        escreverTexto(x + d, t + d, trecho);
        t += passo;
    }
    return {x, y, x + largura, t + 2 * d};
}

QStringList Organograma::quebrarTexto(const QString &texto, int disponivel)
{
    // The page passes wrap the texts the count pass wrapped, on the same surface.
    const auto chave = qMakePair(texto, disponivel);
    const auto achado = quebras.constFind(chave);
    if (achado != quebras.constEnd())
        return *achado;

    const QFontMetrics medidor(fonte(), superficie);
    const int comprimento = static_cast<int>(texto.size());
    // A line is the shortest run whose width reaches the available width. Measuring every
    // longer run in turn costs a text shaping per character; the sum of the characters' own
    // widths (no kerning) points at the run instead, and the exact widths are then taken only
    // beside it. Widths only grow as characters are added, so the run found is the same.
    QVector<int> somaLarguras(comprimento + 1, 0);
    for (int i = 0; i < comprimento; ++i)
        somaLarguras[i + 1] = somaLarguras[i] + larguraCaractere(medidor, texto.at(i));
    auto larguraExata = [&](int p, int n) {
        return medidor.horizontalAdvance(texto.mid(p - 1, n));
    };

    QStringList linhas;
    int p = 1; // characters count from 1, as the wrapping rule is written
    while (p <= comprimento) {
        const int restantes = comprimento - p + 1;
        int n = 1;
        while (n < restantes && somaLarguras[p - 1 + n] - somaLarguras[p - 1] < disponivel)
            ++n;
        int w = larguraExata(p, n);
        if (w >= disponivel) {
            while (n > 1) {
                const int menor = larguraExata(p, n - 1);
                if (menor < disponivel)
                    break;
                --n;
                w = menor;
            }
        } else {
            while (n < restantes && w < disponivel)
                w = larguraExata(p, ++n);
        }
        QString trecho = texto.mid(p - 1, n);
        int k = 0;
        for (int i = static_cast<int>(trecho.size()); i >= 1; --i) {
            if (delimitadores.contains(trecho.at(i - 1))) {
                k = i;
                break;
            }
        }
        if (k > 0 && w >= disponivel)
            trecho.truncate(k);
        // A line never ends inside a character: between the halves of a surrogate pair, or
        // before a combining mark (an accent typed apart from its letter).
        for (int fim = p - 1 + static_cast<int>(trecho.size());
             fim < comprimento && continuaCaractere(texto.at(fim)); ++fim)
            trecho += texto.at(fim);
        p += static_cast<int>(trecho.size());
        linhas.append(trecho);
    }
    quebras.insert(chave, linhas);
    return linhas;
}

void Organograma::esquecerQuebras()
{
    quebras.clear();
    larguraLatin1.fill(-1);
    larguraOutros.clear();
}

int Organograma::larguraCaractere(const QFontMetrics &medidor, QChar caractere)
{
    // The same few characters come back in every text; measuring each once per surface keeps
    // the locating of the lines cheap.
    const char16_t codigo = caractere.unicode();
    if (codigo < larguraLatin1.size()) {
        int &largura = larguraLatin1[codigo];
        if (largura < 0)
            largura = medidor.horizontalAdvance(caractere);
        return largura;
    }
    const auto achado = larguraOutros.constFind(codigo);
    if (achado != larguraOutros.constEnd())
        return *achado;
    const int largura = medidor.horizontalAdvance(caractere);
    larguraOutros.insert(codigo, largura);
    return largura;
}

void Organograma::desenharMoldura(ValorCor corLinha, const Retangulo &r)
{
    Pintura pintura(*this);
    definirCorCaneta(paraQColor(corLinha));
    if (pintor == nullptr)
        return;
    const QPolygon contorno({QPoint(r.esquerda, r.topo), QPoint(r.direita, r.topo),
                             QPoint(r.direita, r.base), QPoint(r.esquerda, r.base),
                             QPoint(r.esquerda, r.topo)});
    pintor->drawPolyline(contorno);
}

Retangulo Organograma::desenharSecao(int x, int y, const QStringList &textos)
{
    Pintura pintura(*this);
    const Bloco linha = linhaDeSecao(x, textos);
    if (linha.colunas.isEmpty())
        return {x, y, metricas.larguraUtil - x, y};
    const int base = desenharPedaco(linha, y, 0, linha.linhas(), true, true);
    const Coluna &ultima = linha.colunas.last();
    return {x, y, ultima.x + ultima.largura, base};
}

int Organograma::verificarPagina(int y, int base)
{
    Q_UNUSED(y);
    if (base <= metricas.alturaUtil)
        return base;
    avancarPagina();
    return topoDePagina();
}

void Organograma::avancarPagina()
{
    if (emImpressao && novaPagina)
        novaPagina();
    ++totalPaginas;
    ++paginaAtual;
}

int Organograma::inicioDaPrimeiraPagina() const
{
    // The title and one empty line; a title of several lines pushes the chart down.
    return metricas.margem + 2 * alturaTexto() + (linhasTitulo - 1) * passoLinha();
}

int Organograma::topoDePagina() const
{
    // On paper only the first page has the title; on screen every page has it, so the count
    // pass goes on below it and the page passes find each block where it was counted.
    return emImpressao ? metricas.margem : inicioDaPrimeiraPagina();
}

QSize Organograma::tamanhoSuperficie() const
{
    if (superficie == nullptr || superficie == &quadro)
        return tamanhoQuadro;
    const qreal razao = superficie->devicePixelRatioF();
    return QSize(qRound(superficie->width() / razao), qRound(superficie->height() / razao));
}

// --- the pass --------------------------------------------------------------------------------

void Organograma::desenharOrganograma(int indiceProblema, int indiceCausa, int pagina)
{
    textosPintados.clear();
    if (indiceProblema < 0)
        return;
    // A problem without causes shows one empty cause, as the analysis window does.
    const int causa = std::max(0, indiceCausa);
    const DadosOrganograma dados = DadosOrganograma::ler(secoesPlano, indiceProblema, causa);
    // Out of range draws nothing; a plan without problems still gets its title.
    if (!dados.existeProblema && dados.quantidadeProblemas > 0)
        return;

    if (pagina < 0) {
        totalPaginas = 1;
        paginaAtual = 1;
        // On the screen picture the page-1 pass always follows and repaints all of it, so the
        // count pass there only lays the chart out. On paper it is the printing.
        soMedir = !emImpressao && superficie == &quadro;
        const auto pintar = qScopeGuard([this] { soMedir = false; });
        desenharPassagem(dados, causa, pagina);
        return;
    }
    // A page pass lays the chart out as the count pass did and paints only the page asked for;
    // the page shown and the number of pages stay as the count pass left them, so the page
    // buttons always lead back and forth.
    const int totalContado = totalPaginas;
    paginaAtual = 1;
    desenharPassagem(dados, causa, pagina);
    paginaAtual = pagina;
    totalPaginas = totalContado;
}

void Organograma::desenharPassagem(const DadosOrganograma &dados, int causa, int pagina)
{
    Pintura pintura(*this);
    const MedidasOrganograma &m = metricas;
    const QSize area = tamanhoSuperficie();
    retangulo(emImpressao ? corFundo : corTexto, {0, 0, area.width(), area.height()});
    const QStringList titulo = quebrarTexto(QStringLiteral("Plano: ") + nomePlano +
                                                QStringLiteral(" - Data: ") + dados.data,
                                            m.larguraUtil);
    linhasTitulo = std::max(1, static_cast<int>(titulo.size()));
    for (int i = 0; i < titulo.size(); ++i)
        escreverTexto(m.margem, m.margem + i * passoLinha(), titulo[i]);
    if (!dados.existeProblema)
        return;

    int y = inicioDaPrimeiraPagina();
    bool paginaVazia = true; // nothing below the title yet
    auto novaPaginaDaPassagem = [&] {
        avancarPagina();
        y = topoDePagina();
        paginaVazia = true;
    };
    for (const Bloco &bloco : montarBlocos(dados, causa)) {
        if (bloco.colunas.isEmpty()) { // a row of a cause without operations
            if (pagina < 0 && bloco.secao >= 0)
                paginaDaSecao[static_cast<size_t>(bloco.secao)] = paginaAtual;
            continue;
        }
        if (!paginaVazia)
            y += bloco.espacoAntes;
        const int total = bloco.linhas();
        int primeira = 0;
        while (true) {
            // A page pass has nothing more to paint once past its page.
            if (pagina >= 0 && paginaAtual > pagina)
                return;
            const int resto = total - primeira;
            int linhas = resto;
            bool fim = true;
            if (y + alcancePedaco(bloco, resto) > m.alturaUtil) {
                if (!paginaVazia) {
                    novaPaginaDaPassagem();
                    continue;
                }
                // Taller than a page: the lines that fit here, the rest on the next pages, and
                // at least one line per page however small the page is.
                if (resto > 1) {
                    const int cabem = (m.alturaUtil - y - 2 * m.recuo) / passoLinha();
                    linhas = std::clamp(cabem, 1, resto - 1);
                    fim = false;
                }
            }
            if (primeira == 0 && pagina < 0 && bloco.secao >= 0)
                paginaDaSecao[static_cast<size_t>(bloco.secao)] = paginaAtual;
            const bool pintar = pagina < 0 ? !soMedir : paginaAtual == pagina;
            if (pintar)
                desenharPedaco(bloco, y, primeira, linhas, primeira == 0, fim);
            y += alturaPedaco(bloco, linhas, fim);
            paginaVazia = false;
            if (fim)
                break;
            primeira += linhas;
            novaPaginaDaPassagem();
        }
    }
}

int Organograma::larguraCaixa() const
{
    // Full-width boxes run from L to W + G.
    return metricas.larguraUtil - metricas.colunaRotulos + metricas.espacoHorizontal;
}

QVector<Organograma::Bloco> Organograma::montarBlocos(const DadosOrganograma &dados, int causa)
{
    const MedidasOrganograma &m = metricas;
    const int l = m.colunaRotulos;
    const int largura = larguraCaixa();
    auto caixa = [](Bloco::Tipo tipo, int x, int largura, ValorCor cor, QStringList linhas,
                    const QString &rotulo, int espaco) {
        Bloco bloco;
        bloco.tipo = tipo;
        bloco.colunas = {Coluna{x, largura, cor, std::move(linhas)}};
        bloco.rotulo = rotulo;
        bloco.espacoAntes = espaco;
        return bloco;
    };
    auto quebrar = [this, &m](const QString &texto, int largura) {
        return quebrarTexto(texto, largura - 2 * m.recuo);
    };

    QVector<Bloco> blocos;
    blocos.append(caixa(Bloco::Tipo::Caixa, l, largura, dados.cor,
                        quebrar(dados.nomeProblema, largura), QStringLiteral("Problema >"), 0));
    QStringList indicadores;
    for (int j = 0; j < dados.indicadores.size(); ++j)
        indicadores += quebrar(numerado(QStringLiteral("I"), j + 1, dados.indicadores[j]), largura);
    blocos.append(caixa(Bloco::Tipo::Indicadores, l, largura, dados.cor, indicadores,
                        QStringLiteral("Indicadores >"), m.espessura));
    const int larguraCausa = largura - 2 * m.espacoHorizontal;
    blocos.append(
        caixa(Bloco::Tipo::Caixa, l + m.espacoHorizontal, larguraCausa, valorRgb(128, 128, 128),
              quebrar(numerado(QStringLiteral("C"), causa + 1, dados.causa), larguraCausa),
              QStringLiteral("Causas >"), m.espacoVertical));

    // The gap below the cause box goes to whatever is drawn next.
    int espaco = m.espacoVertical;
    for (int secao = 0; secao < secaoRevisao; ++secao) {
        Bloco linha = linhaDeSecao(l, textosDaSecao(secao, dados));
        linha.secao = secao;
        if (!linha.colunas.isEmpty()) {
            linha.espacoAntes = espaco;
            espaco = 0;
        }
        blocos.append(std::move(linha));
    }
    Bloco revisao = caixa(Bloco::Tipo::Caixa, l, largura, dados.cor,
                          quebrar(QStringLiteral("Revisão Geral: ") + dados.revisao, largura),
                          QString(), espaco);
    revisao.secao = secaoRevisao;
    blocos.append(std::move(revisao));
    return blocos;
}

Organograma::Bloco Organograma::linhaDeSecao(int x, const QStringList &textos)
{
    const MedidasOrganograma &m = metricas;
    Bloco linha;
    linha.tipo = Bloco::Tipo::Secao;
    const int n = static_cast<int>(textos.size()) - 1;
    if (n <= 0)
        return linha;
    linha.rotulo = textos[n];
    const int coluna = (m.larguraUtil - x) / n;
    int cx = x;
    for (int i = 0; i < n; ++i) {
        linha.colunas.append(
            Coluna{cx, coluna, corOperacao(i), quebrarTexto(textos[i], coluna - 2 * m.recuo)});
        cx += coluna + m.espacoHorizontal;
    }
    return linha;
}

// The height of `linhas` lines of a block; `fim` closes it (a row's gap below its boxes).
int Organograma::alturaPedaco(const Bloco &bloco, int linhas, bool fim) const
{
    const MedidasOrganograma &m = metricas;
    // No indicators: a flat outline that ends at the problem box, P above where it starts.
    if (bloco.tipo == Bloco::Tipo::Indicadores && bloco.linhas() == 0)
        return -m.espessura;
    const int caixas = linhas * passoLinha() + 2 * m.recuo;
    return bloco.tipo == Bloco::Tipo::Secao && fim ? caixas + m.espacoVertical : caixas;
}

// How far below its top a block's piece reaches: its boxes, or the label centred on a box
// shorter than a line of text (an empty box, the flat outline of no indicators).
int Organograma::alcancePedaco(const Bloco &bloco, int linhas) const
{
    const int altura = alturaPedaco(bloco, linhas, true);
    if (bloco.tipo == Bloco::Tipo::Secao || bloco.rotulo.isEmpty())
        return altura;
    const int h = alturaTexto();
    return std::max(altura, (altura - h) / 2 + h);
}

// Paints lines [primeira, primeira + linhas) of every column of the block with their top at y,
// each column in a box of its own. The first piece carries the label; the last, in a row, the
// bars from each box down to the row's base. Returns the piece's bottom.
int Organograma::desenharPedaco(const Bloco &bloco, int y, int primeira, int linhas, bool inicio,
                                bool fim)
{
    const MedidasOrganograma &m = metricas;
    const int passo = passoLinha();
    const int d = m.recuo;
    const bool secao = bloco.tipo == Bloco::Tipo::Secao;
    QVector<int> bases; // each column's box bottom in this piece, y for a box already closed
    const qsizetype ordemRotulo = textosPintados.size(); // the label is read before its boxes
    int base = y + alturaPedaco(bloco, linhas, false);
    for (const Coluna &coluna : bloco.colunas) {
        const int quantidade =
            std::clamp(static_cast<int>(coluna.linhas.size()) - primeira, 0, linhas);
        // An empty text still has its empty box, where the block starts.
        if (quantidade == 0 && !(inicio && coluna.linhas.isEmpty())) {
            bases.append(y);
            continue;
        }
        for (int i = 0; i < quantidade; ++i)
            escreverTexto(coluna.x + d, y + d + i * passo, coluna.linhas[primeira + i]);
        const int fundo = bloco.tipo == Bloco::Tipo::Indicadores && coluna.linhas.isEmpty()
                              ? y - m.espessura
                              : y + quantidade * passo + 2 * d;
        desenharMoldura(coluna.cor, {coluna.x, y, coluna.x + coluna.largura, fundo});
        bases.append(fundo);
    }
    if (secao) {
        base = *std::max_element(bases.cbegin(), bases.cend()) + (fim ? m.espacoVertical : 0);
        if (fim) {
            for (int i = 0; i < bloco.colunas.size(); ++i) {
                const Coluna &coluna = bloco.colunas[i];
                const int bx = coluna.x + coluna.largura / 2;
                retangulo(paraQColor(coluna.cor), {bx, bases[i], bx + m.espessura, base});
            }
        }
    }
    if (inicio && !bloco.rotulo.isEmpty()) {
        const int h = alturaTexto();
        escreverTexto(m.margem, secao ? y + (base - y) / 2 - h : y + (base - y - h) / 2,
                      bloco.rotulo, ordemRotulo);
    }
    return base;
}
