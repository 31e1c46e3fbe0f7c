#include "documents/Organograma.h"

#include "documents/DadosOrganograma.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <QScopeGuard>
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

    quadro = QImage(std::max(1, m.larguraUtil + 2 * m.margem),
                    std::max(1, m.alturaUtil + 2 * m.margem), QImage::Format_RGB32);
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

void Organograma::escreverTexto(int x, int y, const QString &texto)
{
    if (pintor == nullptr || texto.isEmpty())
        return;
    // (x, y) is the top of the text line, as on the original canvas.
    const QFontMetrics medidor = pintor->fontMetrics();
    // A row taller than a page runs past its bottom; a line that starts a whole line below
    // cannot show, and shaping it would be wasted.
    if (y >= pintor->device()->height() + medidor.height())
        return;
    const QPen caneta = pintor->pen();
    pintor->setPen(corTexto);
    pintor->drawText(QPoint(x, y + medidor.ascent()), texto);
    pintor->setPen(caneta);
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
    const MedidasOrganograma &m = metricas;
    const int n = static_cast<int>(textos.size()) - 1;
    if (n <= 0)
        return {x, y, m.larguraUtil - x, y};

    const int coluna = (m.larguraUtil - x) / n;
    int cx = x;
    int b = 0;
    QVector<Retangulo> caixas;
    for (int i = 0; i < n; ++i) {
        const Retangulo r = desenharTexto(cx, y, coluna, textos[i]);
        desenharMoldura(corOperacao(i), r);
        caixas.append(r);
        cx += coluna + m.espacoHorizontal;
        b = std::max(b, r.base);
    }
    b += m.espacoVertical;

    int bx = x + coluna / 2;
    for (int i = 0; i < n; ++i) {
        retangulo(paraQColor(corOperacao(i)), {bx, caixas[i].base, bx + m.espessura, b});
        bx += coluna + m.espacoHorizontal;
    }

    escreverTexto(m.margem, y + (b - y) / 2 - alturaTexto(), textos[n]);
    return {x, y, caixas.last().direita, b};
}

int Organograma::verificarPagina(int y, int base)
{
    const MedidasOrganograma &m = metricas;
    if (base <= m.alturaUtil)
        return base;
    Pintura pintura(*this);
    retangulo(corFundo, {2, y, m.larguraUtil + 2 * m.margem, m.alturaUtil + 2 * m.margem});
    if (emImpressao && novaPagina)
        novaPagina();
    ++totalPaginas;
    ++paginaAtual;
    return topoDePagina();
}

int Organograma::topoDePagina() const
{
    // On paper only the first page has the title; on screen every page has it, so the count
    // pass goes on below it and the page passes find each section where it was counted.
    return emImpressao ? metricas.margem : metricas.margem + 2 * alturaTexto();
}

// --- the pass --------------------------------------------------------------------------------

void Organograma::desenharOrganograma(int indiceProblema, int indiceCausa, int pagina)
{
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
    // A page pass shows the page asked for: a row taller than a page is blanked as in the count
    // pass, but the page shown and the number of pages stay as the count pass left them, so the
    // page buttons always lead back and forth.
    const int totalContado = totalPaginas;
    paginaAtual = pagina;
    desenharPassagem(dados, causa, pagina);
    paginaAtual = pagina;
    totalPaginas = totalContado;
}

void Organograma::desenharPassagem(const DadosOrganograma &dados, int causa, int pagina)
{
    Pintura pintura(*this);
    const MedidasOrganograma &m = metricas;
    const int h = alturaTexto();
    const int y0 = m.margem + 2 * h;
    int y = y0;

    const QSize area =
        superficie != nullptr ? QSize(superficie->width(), superficie->height()) : quadro.size();
    retangulo(emImpressao ? corFundo : corTexto, {0, 0, area.width(), area.height()});
    // A long plan name (its folders) gives way in the middle, so the title stays on the page
    // with its date; the margins on both sides leave the useful width.
    const QString titulo =
        QStringLiteral("Plano: ") + nomePlano + QStringLiteral(" - Data: ") + dados.data;
    escreverTexto(
        m.margem, m.margem,
        QFontMetrics(fonte(), superficie).elidedText(titulo, Qt::ElideMiddle, m.larguraUtil));
    if (!dados.existeProblema)
        return;

    if (pagina <= 1)
        desenharCabecalho(dados, causa, y0, y);

    for (int secao = 0; secao < secaoRevisao; ++secao) {
        if (pagina >= 0 && paginaDaSecao[static_cast<size_t>(secao)] != pagina)
            continue;
        const QStringList textos = textosDaSecao(secao, dados);
        const int paginaDaLinha = paginaAtual;
        Retangulo r = desenharSecao(m.colunaRotulos, y, textos);
        y = verificarPagina(y, r.base);
        if (paginaAtual != paginaDaLinha) {
            r = desenharSecao(m.colunaRotulos, y, textos);
            y = verificarPagina(y, r.base);
        }
        if (pagina < 0)
            paginaDaSecao[static_cast<size_t>(secao)] = paginaAtual;
    }

    if (pagina < 0 || paginaDaSecao[secaoRevisao] == pagina) {
        const Retangulo r = desenharTexto(m.colunaRotulos, y, larguraCaixa(),
                                          QStringLiteral("Revisão Geral: ") + dados.revisao);
        desenharMoldura(dados.cor, r);
        if (pagina < 0)
            paginaDaSecao[secaoRevisao] = paginaAtual;
    }
}

int Organograma::larguraCaixa() const
{
    // Full-width boxes run from L to W + G.
    return metricas.larguraUtil - metricas.colunaRotulos + metricas.espacoHorizontal;
}

void Organograma::desenharCabecalho(const DadosOrganograma &dados, int causa, int y0, int &y)
{
    const MedidasOrganograma &m = metricas;
    const int h = alturaTexto();
    const int l = m.colunaRotulos;
    const int largura = larguraCaixa();

    Retangulo r = desenharTexto(l, y0, largura, dados.nomeProblema);
    desenharMoldura(dados.cor, r);
    escreverTexto(m.margem, y0 + (r.base - r.topo - h) / 2, QStringLiteral("Problema >"));

    const int y1 = r.base + m.espessura;
    int t = y1;
    for (int j = 0; j < dados.indicadores.size(); ++j) {
        r = desenharTexto(l, t, largura,
                          numerado(QStringLiteral("I"), j + 1, dados.indicadores[j]));
        t += (r.base - r.topo) - 2 * m.recuo;
    }
    desenharMoldura(dados.cor, {r.esquerda, y1, r.direita, r.base});
    escreverTexto(m.margem, y1 + (r.base - y1 - h) / 2, QStringLiteral("Indicadores >"));

    const int y2 = r.base + m.espacoVertical;
    r = desenharTexto(l + m.espacoHorizontal, y2, largura - 2 * m.espacoHorizontal,
                      numerado(QStringLiteral("C"), causa + 1, dados.causa));
    desenharMoldura(valorRgb(128, 128, 128), r);
    escreverTexto(m.margem, y2 + (r.base - r.topo - h) / 2, QStringLiteral("Causas >"));

    y = r.base + m.espacoVertical;
}
