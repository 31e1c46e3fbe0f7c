// The chart's layout. The first bytes choose what the chart window chooses (screen or paper,
// their sizes and resolutions, the problem and the cause, the plan's folder); the rest is a plan
// file. The chart is laid out as the window lays it out, for its picture or for a printer page,
// and the first pages are painted on the picture; every text it wraps is also wrapped alone.

#include "alvos/Alvos.h"
#include "alvos/Apoio.h"

#include "documents/DadosOrganograma.h"
#include "documents/Organograma.h"

#include <QTextBoundaryFinder>
#include <algorithm>
#include <array>
#include <limits>

namespace alvos {

namespace {

constexpr qsizetype tamanhoCabecalho = 8;
// The window's page buttons lead this far; later pages are painted as the earlier ones.
constexpr int paginasPintadas = 6;

// Ordinary paper, portrait, in inches × 10 (A5, A4, Letter, Legal, A3), at printer resolutions.
constexpr std::array<QSize, 5> papeis = {QSize(58, 83), QSize(83, 117), QSize(85, 110),
                                         QSize(85, 140), QSize(117, 165)};
constexpr std::array<int, 3> resolucoesImpressora = {300, 600, 1200};

struct Escolha {
    bool papel = false;
    TelaOrganograma tela;
    QSize pagina;
    int resolucaoPagina = 600;
    int problema = 0;
    int causa = 0;
    int largura = 0; // of the boxes in which each text is wrapped alone
    QString nomePlano;
};

// The plan's name as the title shows it: relative to the folder the program started in, so as
// long as the folders between.
QString nomePlano(unsigned char pastas)
{
    QString nome;
    for (int i = 0; i < pastas % 16; ++i)
        nome += QStringLiteral("Escola Estadual Professora Conceição/");
    return nome + QStringLiteral("plano.xml");
}

int entre(unsigned char byte, int minimo, int maximo)
{
    return minimo + byte * (maximo - minimo) / 255;
}

Escolha escolher(const QByteArray &bytes, const ListaNos &secoes)
{
    const auto byte = [&](int i) { return static_cast<unsigned char>(bytes[i]); };
    Escolha escolha;
    escolha.papel = (byte(0) & 1) != 0;
    // Screens from 640 × 480 to 4K, at 72 to 288 dots per inch.
    escolha.tela.tela = QSize(entre(byte(1), 640, 3840), entre(byte(2), 480, 2160));
    escolha.tela.pontosPorPolegada = entre(byte(3), 72, 288);
    escolha.tela.impressoras = (byte(0) >> 1) & 1;
    const QSize papel = papeis[static_cast<size_t>(byte(1) % papeis.size())];
    escolha.resolucaoPagina = resolucoesImpressora[byte(2) % resolucoesImpressora.size()];
    escolha.pagina = papel * escolha.resolucaoPagina / 10;
    if ((byte(0) >> 2) & 1)
        escolha.pagina.transpose();
    escolha.tela.pagina = escolha.pagina;
    // What the choosers offer; an empty one stands for position 0.
    const int problemas = static_cast<int>(DadosOrganograma::nomesProblemas(secoes).size());
    escolha.problema = byte(4) % std::max(1, problemas);
    const int causas =
        static_cast<int>(DadosOrganograma::textosCausas(secoes, escolha.problema).size());
    escolha.causa = byte(5) % std::max(1, causas);
    escolha.largura = entre(byte(6), 1, 1200);
    escolha.nomePlano = nomePlano(byte(7));
    return escolha;
}

// A surface of `pontosPorPolegada` to measure text on: the text's measures need nothing else.
QuebraLinhas linhasEm(int pontosPorPolegada)
{
    QImage resolucao(1, 1, QImage::Format_RGB32);
    resolucao.setDotsPerMeterX(qRound(pontosPorPolegada / 0.0254));
    resolucao.setDotsPerMeterY(qRound(pontosPorPolegada / 0.0254));
    return QuebraLinhas(&resolucao);
}

QString verificarTexto(const QString &texto)
{
    return textoValido(texto) ? QString() : falha("the chart draws invalid UTF-16", texto);
}

// The last character as the eye sees it, accents and pairs included.
QString ultimoCaractere(const QString &texto)
{
    QTextBoundaryFinder limites(QTextBoundaryFinder::Grapheme, texto);
    limites.toEnd();
    const qsizetype inicio = std::max<qsizetype>(0, limites.toPreviousBoundary());
    return texto.mid(inicio);
}

// Where every piece must end: the usable height, unless one line of text with its insets and
// the gap below a row is taller than the room below the title, which lets that line pass it.
int pe(const MedidasOrganograma &m, const QuebraLinhas &linhas, const LeiauteOrganograma &leiaute)
{
    const int umaLinha = linhas.passoLinha() + 2 * m.recuo + m.espacoVertical + m.espessura;
    return m.alturaUtil - leiaute.inicioDoGrafico < umaLinha ? std::numeric_limits<int>::max()
                                                             : m.alturaUtil;
}

// Every piece of a page starts on the page, across and from the top, and ends at its foot. A
// wrapped line may pass its box by its last character: a line is the shortest run that reaches
// the box's width.
QString verificarDentro(const PaginaOrganograma &pagina, const MedidasOrganograma &m,
                        const QuebraLinhas &linhas, int base)
{
    const int largura = m.larguraUtil + 2 * m.margem;
    for (const PecaOrganograma &peca : pagina.pecas) {
        const Retangulo &r = peca.area;
        int direita = std::max(r.esquerda, r.direita);
        int fim = std::max(r.topo, r.base);
        if (peca.tipo == PecaOrganograma::Tipo::Texto) {
            if (QString erro = verificarTexto(peca.texto); !erro.isEmpty())
                return erro;
            direita = r.esquerda + linhas.largura(peca.texto) -
                      linhas.largura(ultimoCaractere(peca.texto));
            fim = r.topo + linhas.alturaTexto();
        }
        if (std::min(r.esquerda, r.direita) < 0 || std::min(r.topo, r.base) < 0 ||
            direita > largura || fim > base)
            return falha("a piece leaves the page", peca.texto);
    }
    return {};
}

bool cabeNaLargura(const DadosOrganograma &dados)
{
    // Only a damaged plan has more than three operations, which the program never saves.
    return dados.operacoes.size() <= static_cast<int>(coresOperacoes.size());
}

// Every part of the chart on a page the buttons reach, every page inside its bounds.
QString verificarPaginas(const LeiauteOrganograma &leiaute, const DadosOrganograma &dados,
                         const MedidasOrganograma &m, const QuebraLinhas &linhas)
{
    const int total = static_cast<int>(leiaute.paginas.size());
    if (total < 1)
        return falha("a chart the choosers offer has no page");
    // Without a problem nothing but the title is drawn, on the one page there is.
    for (int secao : leiaute.paginaDaSecao) {
        if (dados.existeProblema && (secao < 1 || secao > total))
            return falha("a part of the chart is on a page the buttons never reach");
    }
    if (!cabeNaLargura(dados))
        return {};
    for (int pagina = 0; pagina < total; ++pagina) {
        const QString erro =
            verificarDentro(leiaute.paginas[pagina], m, linhas, pe(m, linhas, leiaute));
        if (!erro.isEmpty())
            return erro + QStringLiteral(" (page %1)").arg(pagina + 1);
    }
    return {};
}

// The window: the picture's chart, its first pages painted as the buttons show them.
QString verificarTela(Organograma &desenho, const Escolha &escolha, const DadosOrganograma &dados)
{
    desenho.medidasTela(escolha.tela);
    const LeiauteOrganograma &leiaute = desenho.montar(escolha.problema, escolha.causa);
    for (int pagina = 1; pagina <= std::min(desenho.totalPaginas(), paginasPintadas); ++pagina)
        desenho.pintarPagina(pagina);
    const QuebraLinhas linhas = linhasEm(escolha.tela.pontosPorPolegada);
    return verificarPaginas(leiaute, dados, desenho.medidas(), linhas);
}

// Paper: the chart laid out for a printer page.
QString verificarPapel(const Escolha &escolha, const DadosOrganograma &dados)
{
    QuebraLinhas linhas = linhasEm(escolha.resolucaoPagina);
    const MedidasOrganograma medidas = medidasDoPapel(escolha.pagina, linhas);
    const LeiauteOrganograma leiaute =
        leiauteOrganograma::montar(dados, escolha.nomePlano, medidas, linhas);
    return verificarPaginas(leiaute, dados, medidas, linhas);
}

// A wrapped text's characters, but blanks, which are no ink (the painter shows a tab as a space).
QString tinta(QString caracteres)
{
    caracteres.removeIf([](QChar c) { return c.isSpace(); });
    std::sort(caracteres.begin(), caracteres.end());
    return caracteres;
}

// Each text of the chart wrapped alone: every character drawn once, none cut in two.
QString verificarQuebras(const DadosOrganograma &dados, int largura)
{
    QStringList textos = dados.indicadores;
    textos << dados.nomeProblema << dados.causa << dados.revisao;
    for (const QStringList &operacao : dados.operacoes)
        textos << operacao;
    QuebraLinhas linhas = linhasEm(96);
    for (const QString &texto : textos) {
        QString desenhado;
        for (const QString &linha : linhas.quebrar(texto, largura)) {
            if (QString erro = verificarTexto(linha); !erro.isEmpty())
                return erro;
            // A run of one script starts with a mark only where a line does.
            if (linha.front().isMark() && !texto.front().isMark())
                return falha("a line starts with a mark cut from its letter", texto);
            desenhado += linha;
        }
        if (tinta(desenhado) != tinta(texto))
            return falha("a wrapped text is not drawn whole and once",
                         ondeDiferem(tinta(texto), tinta(desenhado)));
    }
    return {};
}

} // namespace

QString organograma(const QByteArray &bytes)
{
    if (bytes.size() < tamanhoCabecalho)
        return {};
    const std::optional<DocumentoXml> documento = lerDocumento(bytes.mid(tamanhoCabecalho));
    if (!documento)
        return {};
    const ListaNos secoes = documento->secoes();
    const Escolha escolha = escolher(bytes, secoes);
    const DadosOrganograma dados = DadosOrganograma::ler(secoes, escolha.problema, escolha.causa);

    Organograma desenho;
    desenho.definirPlano(secoes, escolha.nomePlano);
    const QString erro =
        escolha.papel ? verificarPapel(escolha, dados) : verificarTela(desenho, escolha, dados);
    if (!erro.isEmpty())
        return erro;
    return verificarQuebras(dados, escolha.largura);
}

} // namespace alvos
