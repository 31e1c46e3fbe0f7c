// The chart's layout. The first bytes choose what the chart window chooses (screen or paper,
// their sizes and resolutions, the problem and the cause, the plan's folder) and where an
// earlier chart left the pages of its parts; the rest is a plan file. The chart
// is laid out as the window does it, on its picture, and recorded page by page on a surface of
// the same size; every text it wraps is also drawn alone on a surface tall enough for all of it.

#include "alvos/Alvos.h"
#include "alvos/Apoio.h"

#include "documents/DadosOrganograma.h"
#include "documents/Organograma.h"
#include "support/organograma/SuperficieGravadora.h"

#include <QFontMetrics>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <array>
#include <limits>

namespace alvos {

namespace {

constexpr qsizetype tamanhoCabecalho = 8;
// The window's page buttons lead this far; later pages are drawn as the earlier ones.
constexpr int paginasVistas = 6;

// Ordinary paper, portrait, in inches × 10 (A5, A4, Letter, Legal, A3), at printer resolutions.
constexpr std::array<QSize, 5> papeis = {QSize(58, 83), QSize(83, 117), QSize(85, 110),
                                         QSize(85, 140), QSize(117, 165)};
constexpr std::array<int, 3> resolucoesImpressora = {300, 600, 1200};

struct Escolha {
    bool papel = false;
    int paginaAnterior = 1; // where an earlier chart left every part (they share it)
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
    escolha.paginaAnterior = 1 + ((byte(0) >> 3) & 7);
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

// Where every drawing must end: the usable height, unless one line of text with its insets and
// the gap below a row is taller than the room below the title, which lets that line pass it.
int pe(const Organograma &organograma)
{
    const MedidasOrganograma &m = organograma.medidas();
    const int umaLinha = organograma.passoLinha() + 2 * m.recuo + m.espacoVertical + m.espessura;
    return m.alturaUtil - organograma.inicioDaPrimeiraPagina() < umaLinha
               ? std::numeric_limits<int>::max()
               : m.alturaUtil;
}

// Every drawing of every page stays inside the page, across and from the top, and ends at its
// foot. A wrapped line may pass its box by its last character: a line is the shortest run that
// reaches the box's width.
QString verificarDentro(const SuperficieGravadora &gravadora, const Organograma &organograma)
{
    const int largura = gravadora.tamanho.width();
    const int base = pe(organograma);
    const auto dentro = [&](int esquerda, int topo, int direita, int fim) {
        return esquerda >= 0 && topo >= 0 && direita <= largura && fim <= base;
    };
    const QFontMetrics medidor(organograma.fonte(), &gravadora);
    for (const TextoGravado &texto : gravadora.textos) {
        if (QString erro = verificarTexto(texto.texto); !erro.isEmpty())
            return erro;
        const int direita = texto.canto.x() + medidor.horizontalAdvance(texto.texto) -
                            medidor.horizontalAdvance(ultimoCaractere(texto.texto));
        if (!dentro(texto.canto.x(), texto.canto.y(), direita,
                    texto.canto.y() + organograma.alturaTexto()))
            return falha("a text leaves the page", texto.texto);
    }
    for (const RetanguloGravado &retangulo : gravadora.retangulos) {
        const QRect &r = retangulo.area;
        if (r.top() <= organograma.medidas().espessura) // the page's background, its frame
            continue;
        if (!dentro(r.left(), r.top(), r.left() + r.width(), r.top() + r.height()))
            return falha("a bar leaves the page");
    }
    for (const LinhaGravada &linha : gravadora.linhas) {
        const QRect r = linha.pontos.boundingRect();
        if (!dentro(r.left(), r.top(), r.right(), r.bottom()))
            return falha("a box leaves the page");
    }
    return {};
}

bool cabeNaLargura(const DadosOrganograma &dados)
{
    // Only a damaged plan has more than three operations, which the program never saves.
    return dados.operacoes.size() <= static_cast<int>(coresOperacoes.size());
}

// The window: its picture counted and page 1 painted, then its pages recorded one by one.
QString verificarTela(Organograma &organograma, const Escolha &escolha,
                      const DadosOrganograma &dados)
{
    organograma.medidasTela(escolha.tela);
    organograma.desenharOrganograma(escolha.problema, escolha.causa, Organograma::paginaContagem);
    organograma.desenharOrganograma(escolha.problema, escolha.causa, 1);

    const QImage &imagem = organograma.imagem();
    const int resolucao = qRound(imagem.dotsPerMeterY() * 0.0254);
    SuperficieGravadora gravadora(imagem.size(), resolucao);
    organograma.definirMedidas(organograma.medidas(), &gravadora);
    organograma.desenharOrganograma(escolha.problema, escolha.causa, Organograma::paginaContagem);
    const int total = organograma.totalPaginas;
    // Without a problem nothing but the title is drawn, on the one page there is.
    for (int secao : paginaDaSecao) {
        if (dados.existeProblema && (secao < 1 || secao > total))
            return falha("a part of the chart is on a page the buttons never reach");
    }
    for (int pagina = 1; pagina <= std::min(total, paginasVistas); ++pagina) {
        gravadora.limpar();
        organograma.desenharOrganograma(escolha.problema, escolha.causa, pagina);
        if (organograma.paginaAtual != pagina || organograma.totalPaginas != total)
            return falha("showing a page changes the pages");
        if (cabeNaLargura(dados)) {
            if (QString erro = verificarDentro(gravadora, organograma); !erro.isEmpty())
                return erro + QStringLiteral(" (screen page %1)").arg(pagina);
        }
    }
    return {};
}

// Paper: one print run, as many pages begun as the count found.
QString verificarPapel(Organograma &organograma, const Escolha &escolha,
                       const DadosOrganograma &dados)
{
    organograma.medidasTela(escolha.tela);
    SuperficieGravadora gravadora(escolha.pagina, escolha.resolucaoPagina);
    organograma.medidasImpressora(gravadora, [&gravadora] { return gravadora.novaPagina(); });
    if (!organograma.iniciarImpressao())
        return falha("a print run does not start");
    organograma.desenharOrganograma(escolha.problema, escolha.causa, Organograma::paginaContagem);
    organograma.concluirImpressao();
    if (gravadora.pagina != organograma.totalPaginas)
        return falha("the pages printed are not the pages counted");
    return cabeNaLargura(dados) ? verificarDentro(gravadora, organograma) : QString();
}

// Each text of the chart wrapped alone: every character drawn once, none cut in two.
QString verificarQuebras(Organograma &organograma, const DadosOrganograma &dados, int largura)
{
    QStringList textos = dados.indicadores;
    textos << dados.nomeProblema << dados.causa << dados.revisao;
    for (const QStringList &operacao : dados.operacoes)
        textos << operacao;
    SuperficieGravadora gravadora(QSize(largura + 1, 1 << 24), 96);
    organograma.definirMedidas(organograma.medidas(), &gravadora);
    for (const QString &texto : textos) {
        gravadora.limpar();
        organograma.desenharTexto(0, 0, largura, texto);
        QString desenhado;
        for (const TextoGravado &trecho : gravadora.textos) {
            if (QString erro = verificarTexto(trecho.texto); !erro.isEmpty())
                return erro;
            // A run of one script starts with a mark only where a line does.
            if (!trecho.texto.isEmpty() && trecho.texto.front().isMark() && !texto.front().isMark())
                return falha("a line starts with a mark cut from its letter", texto);
            desenhado += trecho.texto;
        }
        // Blanks are no ink, and the painter shows a tab as a space.
        const auto tinta = [](QString caracteres) {
            caracteres.removeIf([](QChar c) { return c.isSpace(); });
            std::sort(caracteres.begin(), caracteres.end());
            return caracteres;
        };
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
    paginaDaSecao.fill(escolha.paginaAnterior);

    Organograma desenho;
    desenho.definirPlano(secoes, escolha.nomePlano);
    const QString erro = escolha.papel ? verificarPapel(desenho, escolha, dados)
                                       : verificarTela(desenho, escolha, dados);
    if (!erro.isEmpty())
        return erro;
    return verificarQuebras(desenho, dados, escolha.largura);
}

} // namespace alvos
