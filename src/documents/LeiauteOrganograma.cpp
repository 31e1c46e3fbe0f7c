#include "documents/LeiauteOrganograma.h"

#include "documents/DadosOrganograma.h"
#include "documents/QuebraLinhas.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace {

constexpr int secaoRevisao = 5;
const ValorCor corDaCausa = valorRgb(128, 128, 128);

QString numerado(const QString &prefixo, int numero, const QString &texto)
{
    return prefixo + QString::number(numero) + QStringLiteral(": ") + texto;
}

ValorCor corOperacao(int coluna)
{
    // More than three columns only come from a damaged plan; their colours repeat.
    return coresOperacoes[static_cast<size_t>(coluna) % coresOperacoes.size()];
}

// The text of operation `op` in section row `secao`.
QString textoDaOperacao(int secao, const QStringList &op, int numero)
{
    using Campo = DadosOrganograma;
    switch (secao) {
    case 0:
        return numerado(QStringLiteral("O"), numero,
                        QStringLiteral("(QUEM) ") + op[Campo::Quem] + QStringLiteral(" (O QUE) ") +
                            op[Campo::OQue]);
    case 1:
        return numerado(QStringLiteral("R"), numero,
                        QStringLiteral("(Físicos) ") + op[Campo::Fisico] +
                            QStringLiteral(" (Humanos) ") + op[Campo::Humano] +
                            QStringLiteral(" (Financeiros) ") + op[Campo::Financeiro]);
    case 2:
        return QStringLiteral("Prazo: ") + op[Campo::Prazo];
    case 3:
        return QStringLiteral("Resultados: ") + op[Campo::Resultado];
    default:
        return QStringLiteral("Avaliação: ") + op[Campo::Avaliacao];
    }
}

// The texts of section row `secao` for the operations of the cause, followed by its label.
QStringList textosDaSecao(int secao, const DadosOrganograma &dados)
{
    static const QString rotulos[] = {QStringLiteral("Operações >"), QStringLiteral("Recursos >"),
                                      QStringLiteral("Prazo Exec. >"),
                                      QStringLiteral("Resultados >"),
                                      QStringLiteral("Avaliação >")};
    QStringList textos;
    for (int i = 0; i < dados.operacoes.size(); ++i)
        textos.append(textoDaOperacao(secao, dados.operacoes[i], i + 1));
    textos.append(rotulos[secao]);
    return textos;
}

// A column of text inside a block: its box, its colour and its lines, already broken.
struct Coluna {
    int x = 0;
    int largura = 0;
    ValorCor cor = corPreta;
    QStringList linhas;
};

// One block of the chart, measured before it is placed: a text box with its label, the
// indicators (one box of many texts), or a section row of side-by-side columns with their bars.
struct Bloco {
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

// The blocks of one chart, broken into lines on the layout's surface.
class Blocos {
public:
    Blocos(const MedidasOrganograma &medidas, QuebraLinhas &linhas) : m(medidas), linhas(linhas) {}

    QVector<Bloco> montar(const DadosOrganograma &dados);

private:
    // Full-width boxes run from the label column to the usable width and one column gap beyond.
    int larguraCaixa() const { return m.larguraUtil - m.colunaRotulos + m.espacoHorizontal; }
    Bloco caixa(Bloco::Tipo tipo, int x, int largura, ValorCor cor, QStringList linhasCaixa,
                const QString &rotulo, int espacoAntes) const;
    QStringList quebrar(const QString &texto, int largura)
    {
        return linhas.quebrar(texto, largura - 2 * m.recuo);
    }
    Bloco linhaDeSecao(const QStringList &textos);

    const MedidasOrganograma &m;
    QuebraLinhas &linhas;
};

QVector<Bloco> Blocos::montar(const DadosOrganograma &dados)
{
    const int x = m.colunaRotulos;
    const int largura = larguraCaixa();
    QVector<Bloco> blocos;
    blocos.append(caixa(Bloco::Tipo::Caixa, x, largura, dados.cor,
                        quebrar(dados.nomeProblema, largura), QStringLiteral("Problema >"), 0));
    QStringList indicadores;
    for (int j = 0; j < dados.indicadores.size(); ++j)
        indicadores += quebrar(numerado(QStringLiteral("I"), j + 1, dados.indicadores[j]), largura);
    blocos.append(caixa(Bloco::Tipo::Indicadores, x, largura, dados.cor, indicadores,
                        QStringLiteral("Indicadores >"), m.espessura));
    const int larguraCausa = largura - 2 * m.espacoHorizontal;
    const QString causa = numerado(QStringLiteral("C"), dados.indiceCausa + 1, dados.causa);
    blocos.append(caixa(Bloco::Tipo::Caixa, x + m.espacoHorizontal, larguraCausa, corDaCausa,
                        quebrar(causa, larguraCausa), QStringLiteral("Causas >"),
                        m.espacoVertical));

    // The gap below the cause box goes to whatever is placed next.
    int espaco = m.espacoVertical;
    for (int secao = 0; secao < secaoRevisao; ++secao) {
        Bloco linha = linhaDeSecao(textosDaSecao(secao, dados));
        linha.secao = secao;
        if (!linha.colunas.isEmpty())
            linha.espacoAntes = std::exchange(espaco, 0);
        blocos.append(std::move(linha));
    }
    Bloco revisao = caixa(Bloco::Tipo::Caixa, x, largura, dados.cor,
                          quebrar(QStringLiteral("Revisão Geral: ") + dados.revisao, largura),
                          QString(), espaco);
    revisao.secao = secaoRevisao;
    blocos.append(std::move(revisao));
    return blocos;
}

Bloco Blocos::caixa(Bloco::Tipo tipo, int x, int largura, ValorCor cor, QStringList linhasCaixa,
                    const QString &rotulo, int espacoAntes) const
{
    Bloco bloco;
    bloco.tipo = tipo;
    bloco.colunas = {Coluna{x, largura, cor, std::move(linhasCaixa)}};
    bloco.rotulo = rotulo;
    bloco.espacoAntes = espacoAntes;
    return bloco;
}

// One column per operation, sharing the usable width right of the label column, a column gap
// apart; no operations, no row.
Bloco Blocos::linhaDeSecao(const QStringList &textos)
{
    Bloco linha;
    linha.tipo = Bloco::Tipo::Secao;
    const int n = static_cast<int>(textos.size()) - 1;
    if (n <= 0)
        return linha;
    linha.rotulo = textos[n];
    const int x = m.colunaRotulos;
    const int largura = (m.larguraUtil - x) / n;
    for (int i = 0; i < n; ++i) {
        const int coluna = x + i * (largura + m.espacoHorizontal);
        linha.colunas.append(Coluna{coluna, largura, corOperacao(i),
                                    linhas.quebrar(textos[i], largura - 2 * m.recuo)});
    }
    return linha;
}

// A piece of a block: lines [primeira, primeira + linhas) of every column, placed at one top.
struct Pedaco {
    int primeira = 0;
    int linhas = 0;
    bool inicio = true; // the block's first piece carries its label
    bool fim = true;    // the last piece of a row carries its bars and the gap below
};

// Places the blocks page by page, as pieces on pages.
class Montagem {
public:
    Montagem(const MedidasOrganograma &medidas, QuebraLinhas &linhas)
        : m(medidas), passo(linhas.passoLinha()), alturaTexto(linhas.alturaTexto()),
          alturaPagina(medidas.alturaUtil + 2 * medidas.margem)
    {
    }

    void colocarTitulo(const QStringList &linhasTitulo);
    void colocar(const Bloco &bloco);
    LeiauteOrganograma resultado() { return std::move(leiaute); }

private:
    void novaPagina(bool comTitulo);
    void colocarPedaco(const Bloco &bloco, const Pedaco &pedaco);
    int colocarColuna(const Bloco &bloco, const Coluna &coluna, const Pedaco &pedaco);
    void colocarBarras(const Bloco &bloco, const QVector<int> &bases, int base);
    std::optional<Pedaco> proximoPedaco(const Bloco &bloco, int primeira) const;
    int alturaPedaco(const Bloco &bloco, int linhas, bool fim) const;
    int alcancePedaco(const Bloco &bloco, int linhas) const;
    void texto(int x, int y, const QString &texto, qsizetype ordem = -1);
    void peca(PecaOrganograma::Tipo tipo, ValorCor cor, const Retangulo &area);
    void marcarSecao(const Bloco &bloco);
    PaginaOrganograma &pagina() { return leiaute.paginas.last(); }

    const MedidasOrganograma &m;
    const int passo;
    const int alturaTexto;
    const int alturaPagina;
    QStringList titulo;
    LeiauteOrganograma leiaute;
    int y = 0;
    bool paginaVazia = true; // nothing below the title yet
};

void Montagem::colocarTitulo(const QStringList &linhasTitulo)
{
    titulo = linhasTitulo;
    const int linhas = std::max(1, static_cast<int>(titulo.size()));
    // The title and one empty line; a title of several lines pushes the chart down.
    leiaute.inicioDoGrafico = m.margem + 2 * alturaTexto + (linhas - 1) * passo;
    novaPagina(true);
}

// On screen every page repeats the title; on paper only the first has it.
void Montagem::novaPagina(bool comTitulo)
{
    leiaute.paginas.append(PaginaOrganograma{});
    y = m.margem;
    if (comTitulo) {
        for (int i = 0; i < titulo.size(); ++i)
            texto(m.margem, m.margem + i * passo, titulo[i]);
        y = leiaute.inicioDoGrafico;
    }
    paginaVazia = true;
}

void Montagem::marcarSecao(const Bloco &bloco)
{
    if (bloco.secao >= 0)
        leiaute.paginaDaSecao[static_cast<size_t>(bloco.secao)] =
            static_cast<int>(leiaute.paginas.size());
}

void Montagem::colocar(const Bloco &bloco)
{
    if (bloco.colunas.isEmpty()) { // a row of a cause without operations
        marcarSecao(bloco);
        return;
    }
    if (!paginaVazia)
        y += bloco.espacoAntes;
    for (int primeira = 0;;) {
        const std::optional<Pedaco> cabe = proximoPedaco(bloco, primeira);
        if (!cabe) { // not here: at the top of the next page
            novaPagina(m.tela);
            continue;
        }
        const Pedaco &pedaco = *cabe;
        if (pedaco.inicio)
            marcarSecao(bloco);
        colocarPedaco(bloco, pedaco);
        y += alturaPedaco(bloco, pedaco.linhas, pedaco.fim);
        paginaVazia = false;
        if (pedaco.fim)
            return;
        primeira += pedaco.linhas;
        novaPagina(m.tela);
    }
}

// What of the block from line `primeira` on fits at y: all of it, or, on a page with nothing
// else below the title, the lines that fit (at least one, however small the page). Nothing:
// the block goes to the next page.
std::optional<Pedaco> Montagem::proximoPedaco(const Bloco &bloco, int primeira) const
{
    const int resto = bloco.linhas() - primeira;
    Pedaco pedaco{primeira, resto, primeira == 0, true};
    if (y + alcancePedaco(bloco, resto) <= m.alturaUtil)
        return pedaco;
    if (!paginaVazia)
        return std::nullopt;
    if (resto > 1) {
        const int cabem = (m.alturaUtil - y - 2 * m.recuo) / passo;
        pedaco.linhas = std::clamp(cabem, 1, resto - 1);
        pedaco.fim = false;
    }
    return pedaco;
}

// The height of `linhas` lines of a block; `fim` closes it (a row's gap below its boxes).
int Montagem::alturaPedaco(const Bloco &bloco, int linhas, bool fim) const
{
    // No indicators: a flat outline that ends at the problem box, a pen width above where it
    // starts.
    if (bloco.tipo == Bloco::Tipo::Indicadores && bloco.linhas() == 0)
        return -m.espessura;
    const int caixas = linhas * passo + 2 * m.recuo;
    return bloco.tipo == Bloco::Tipo::Secao && fim ? caixas + m.espacoVertical : caixas;
}

// How far below its top a block's piece reaches: its boxes, or the label centred on a box
// shorter than a line of text (an empty box, the flat outline of no indicators).
int Montagem::alcancePedaco(const Bloco &bloco, int linhas) const
{
    const int altura = alturaPedaco(bloco, linhas, true);
    if (bloco.tipo == Bloco::Tipo::Secao || bloco.rotulo.isEmpty())
        return altura;
    return std::max(altura, (altura - alturaTexto) / 2 + alturaTexto);
}

// Every column's lines in a box of its own; the first piece carries the label, the last piece
// of a row the bars from each box down to the row's base.
void Montagem::colocarPedaco(const Bloco &bloco, const Pedaco &pedaco)
{
    const bool secao = bloco.tipo == Bloco::Tipo::Secao;
    const qsizetype ordemRotulo = pagina().textos.size(); // the label is read before its boxes
    QVector<int> bases; // each column's box bottom in this piece, y for a box already closed
    for (const Coluna &coluna : bloco.colunas)
        bases.append(colocarColuna(bloco, coluna, pedaco));
    int base = y + alturaPedaco(bloco, pedaco.linhas, false);
    if (secao) {
        base =
            *std::max_element(bases.cbegin(), bases.cend()) + (pedaco.fim ? m.espacoVertical : 0);
        if (pedaco.fim)
            colocarBarras(bloco, bases, base);
    }
    if (pedaco.inicio && !bloco.rotulo.isEmpty()) {
        const int topo =
            secao ? y + (base - y) / 2 - alturaTexto : y + (base - y - alturaTexto) / 2;
        texto(m.margem, topo, bloco.rotulo, ordemRotulo);
    }
}

// The column's lines of the piece and their outline; the box's bottom.
int Montagem::colocarColuna(const Bloco &bloco, const Coluna &coluna, const Pedaco &pedaco)
{
    const int quantidade =
        std::clamp(static_cast<int>(coluna.linhas.size()) - pedaco.primeira, 0, pedaco.linhas);
    // An empty text still has its empty box, where the block starts.
    if (quantidade == 0 && !(pedaco.inicio && coluna.linhas.isEmpty()))
        return y;
    for (int i = 0; i < quantidade; ++i)
        texto(coluna.x + m.recuo, y + m.recuo + i * passo, coluna.linhas[pedaco.primeira + i]);
    const int fundo = bloco.tipo == Bloco::Tipo::Indicadores && coluna.linhas.isEmpty()
                          ? y - m.espessura
                          : y + quantidade * passo + 2 * m.recuo;
    peca(PecaOrganograma::Tipo::Moldura, coluna.cor,
         {coluna.x, y, coluna.x + coluna.largura, fundo});
    return fundo;
}

// Each column hangs a bar as wide as the pen, in its colour, from the middle of its box to the
// row's base.
void Montagem::colocarBarras(const Bloco &bloco, const QVector<int> &bases, int base)
{
    for (int i = 0; i < bloco.colunas.size(); ++i) {
        const Coluna &coluna = bloco.colunas[i];
        const int x = coluna.x + coluna.largura / 2;
        if (m.espessura > 0 && base > bases[i])
            peca(PecaOrganograma::Tipo::Barra, coluna.cor, {x, bases[i], x + m.espessura, base});
    }
}

void Montagem::texto(int x, int topo, const QString &texto, qsizetype ordem)
{
    // A line that starts a whole line below the page cannot show.
    if (texto.isEmpty() || topo >= alturaPagina + alturaTexto)
        return;
    PaginaOrganograma &atual = pagina();
    atual.pecas.append({PecaOrganograma::Tipo::Texto, {x, topo, x, topo}, corPreta, texto});
    atual.textos.insert(ordem < 0 ? atual.textos.size() : ordem, texto);
}

void Montagem::peca(PecaOrganograma::Tipo tipo, ValorCor cor, const Retangulo &area)
{
    pagina().pecas.append({tipo, area, cor, QString()});
}

} // namespace

namespace leiauteOrganograma {

LeiauteOrganograma montar(const DadosOrganograma &dados, const QString &nomePlano,
                          const MedidasOrganograma &medidas, QuebraLinhas &linhas)
{
    // A position out of the plan's problems has no chart; a plan without problems its title.
    if (!dados.existeProblema && dados.quantidadeProblemas > 0)
        return {};
    Montagem montagem(medidas, linhas);
    montagem.colocarTitulo(linhas.quebrar(QStringLiteral("Plano: ") + nomePlano +
                                              QStringLiteral(" - Data: ") + dados.data,
                                          medidas.larguraUtil));
    if (dados.existeProblema) {
        for (const Bloco &bloco : Blocos(medidas, linhas).montar(dados))
            montagem.colocar(bloco);
    }
    return montagem.resultado();
}

} // namespace leiauteOrganograma
