#pragma once

// The drawing of the organisation chart, apart from any window: it lays the chart out with
// integer pixel metrics on one surface at a time (the on-screen picture, a printer page or any
// other paint device) and cuts it into pages. Every pass reads the plan's sections again.
//
// A pass first breaks every box into lines and only then paints, so page breaks are known before
// anything is drawn and nothing is painted over. The chart is a column of blocks: the problem
// box, the indicators, the cause box, the five section rows and the general review. A block that
// does not fit on what is left of a page starts the next page; one taller than a page is cut
// between its lines and continues on as many pages as it needs. So every text of the problem and
// cause is drawn once, in order, and a chart whose blocks fit lies where it always did.
//
// Invariants of every layout: each page holds something below the title; each piece of a block
// ends at or above the usable height H, unless a single line of text with its insets (and, at the
// end of a row, the gap below it) is taller than the room below the title; the title is broken
// into lines within the usable width, so it is never cut.

#include "app/Cores.h"
#include "data/ListaNos.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <functional>
#include <memory>

class QPaintDevice;
class QPagedPaintDevice;
class QFontMetrics;
class QPainter;
struct DadosOrganograma;

// A rectangle as the chart computes it: right and bottom are edges, not the last pixel inside.
struct Retangulo {
    int esquerda = 0;
    int topo = 0;
    int direita = 0;
    int base = 0;
    friend bool operator==(const Retangulo &, const Retangulo &) = default;
};

struct MedidasOrganograma {
    float proporcao = 0;      // page width ÷ page height
    int espessura = 0;        // pen width, connector bar width, gap below the problem box
    int recuo = 0;            // inset of the text inside a box
    int espacoVertical = 0;   // gap after a block
    int espacoHorizontal = 0; // gap between columns, inset of the cause box
    int colunaRotulos = 0;    // x at which every box starts
    int margem = 0;           // page margin; x of the labels, y of the title
    int larguraUtil = 0;
    int alturaUtil = 0;
};

// What the screen metrics depend on.
struct TelaOrganograma {
    QSize tela;                 // screen size in logical pixels
    int pontosPorPolegada = 96; // the screen's logical resolution
    int impressoras = 0;        // installed printers
    QSize pagina;               // the current printer's page, used when a printer is installed
    qreal razaoPixels = 1;      // the screen's device pixels per logical pixel
};

// The page each part of the chart ended up on at the last count pass, shared by every chart:
// operations, resources, deadline, results, evaluation, general review.
constexpr int secoesOrganograma = 6;
extern std::array<int, secoesOrganograma> paginaDaSecao;

// Outline and bar colours of operation columns 1, 2 and 3: blue, green, grey.
inline constexpr std::array<ValorCor, 3> coresOperacoes = {0xFF0000, 0x008000, 0x808080};

class Organograma {
public:
    static constexpr int tamanhoFonte = 10; // points
    static constexpr float proporcaoSemImpressora = 0.69679f;
    static constexpr float fatorTela = 0.9f;
    static constexpr int paginaContagem = -1;

    Organograma();
    ~Organograma();

    void definirPlano(const ListaNos &secoes, const QString &nomePlano);
    const ListaNos &secoes() const { return secoesPlano; }

    // Metrics for the on-screen picture, which they size and make the surface. The chart is laid
    // out in logical pixels and the picture holds the screen's device pixels, so it is shown at
    // its logical size and stays sharp at any scale.
    void medidasTela(const TelaOrganograma &tela);
    // Metrics for a printer page; `novaPagina` starts the next page while printing.
    void medidasImpressora(QPaintDevice &pagina, std::function<bool()> novaPagina);
    void medidasImpressora(QPagedPaintDevice &impressora);
    // Known metrics on any surface (nullptr: the picture).
    void definirMedidas(const MedidasOrganograma &medidas, QPaintDevice *superficie = nullptr,
                        std::function<bool()> novaPagina = {});

    // A print run on the current surface: every page break starts a new page.
    bool iniciarImpressao();
    bool concluirImpressao();

    Retangulo desenharTexto(int x, int y, int largura, const QString &texto);
    void desenharMoldura(ValorCor corLinha, const Retangulo &retangulo);
    Retangulo desenharSecao(int x, int y, const QStringList &textos);
    // The page-break check after a block from y to `base`: `base` when it fits, otherwise the
    // next page is started (on paper too) and its top comes back. It paints nothing.
    int verificarPagina(int y, int base);
    // On the screen picture the count pass only lays out: the window shows page 1 right after.
    void desenharOrganograma(int indiceProblema, int indiceCausa, int pagina);

    const MedidasOrganograma &medidas() const { return metricas; }
    const QImage &imagem() const { return quadro; }
    // The texts the last pass painted, in reading order: each label before its boxes.
    const QStringList &textosDaPagina() const { return textosPintados; }
    QSize tamanhoImagem() const { return tamanhoQuadro; } // in logical pixels
    int paginaAtual = 1;
    int totalPaginas = 1;
    bool imprimindo() const { return emImpressao; }

    int alturaFontePixels() const; // the font's height, from 10 points and the surface's resolution
    int passoLinha() const;        // the distance between two lines of a text box
    int alturaTexto() const;       // the height of "X"
    int larguraTexto(const QString &texto) const;
    QFont fonte() const;                // the chart font at the surface's resolution
    int inicioDaPrimeiraPagina() const; // where the chart starts, below the title

private:
    class Pintura;
    struct Coluna;
    struct Bloco;

    void prepararPintor(QPainter &novo) const;
    void definirCorCaneta(const QColor &cor);
    // `ordem`: the text's place among those painted, at the end when negative.
    void escreverTexto(int x, int y, const QString &texto, qsizetype ordem = -1);
    void retangulo(const QColor &cor, const Retangulo &r);
    int larguraCaixa() const;
    QSize tamanhoSuperficie() const; // in the painter's (logical) pixels
    int topoDePagina() const;
    void avancarPagina();
    void desenharPassagem(const DadosOrganograma &dados, int causa, int pagina);
    QVector<Bloco> montarBlocos(const DadosOrganograma &dados, int causa);
    Bloco linhaDeSecao(int x, const QStringList &textos);
    int alturaPedaco(const Bloco &bloco, int linhas, bool fim) const;
    int alcancePedaco(const Bloco &bloco, int linhas) const;
    int desenharPedaco(const Bloco &bloco, int y, int primeira, int linhas, bool inicio, bool fim);
    // The lines of `texto` in boxes whose text may be `disponivel` pixels wide.
    QStringList quebrarTexto(const QString &texto, int disponivel);
    int larguraCaractere(const QFontMetrics &medidor, QChar caractere);
    void esquecerQuebras(); // the surface, its metrics or the plan changed

    ListaNos secoesPlano;
    QString nomePlano = QStringLiteral("plano.xml");
    MedidasOrganograma metricas;
    QImage quadro;
    QSize tamanhoQuadro;  // the picture's logical size
    int linhasTitulo = 1; // lines of the title at the last pass
    QPaintDevice *superficie = nullptr;
    std::function<bool()> novaPagina;
    std::unique_ptr<QPainter> pintorImpressao;
    QPainter *pintor = nullptr; // the painter of the pass or call under way
    bool emImpressao = false;
    bool soMedir = false; // a pass that lays out without painting
    QColor corCaneta = Qt::black;
    QStringList textosPintados;
    // Line breaks already found on the current surface; cleared when it or the plan changes.
    QHash<QPair<QString, int>, QStringList> quebras;
    // Each character's own width on the current surface, -1 while unknown.
    std::array<int, 256> larguraLatin1;
    QHash<char16_t, int> larguraOutros;
};
