#include "grading/TfrClassificacao.h"

#include "widgets/Painel.h"

#include "analysis/TfmICProblema.h"
#include "app/Desfazer.h"
#include "app/Interacao.h"
#include "data/ElementoXml.h"
#include "data/ListaNos.h"
#include "data/Regional.h"
#include "voters/ControleVotantes.h"
#include "widgets/Acessibilidade.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int esquerdaBotao = 8;
constexpr int topoBotao = 12;
constexpr int larguraBotao = 217;
constexpr int alturaBotao = 25;
constexpr int margemBotao = 6;
constexpr int alturaFonte = 13;

} // namespace

TfrClassificacao::TfrClassificacao(QWidget *pai) : QuadroSobDemanda(pai)
{
    setFixedHeight(altura);
    setMinimumWidth(larguraPainel);
}

void TfrClassificacao::criarControles()
{
    painel = criarPainelQuePreenche(this);

    btnProblema = new QPushButton(QStringLiteral("Título do Problema"), painel);
    btnProblema->setObjectName(QStringLiteral("btnProblema"));
    btnProblema->setGeometry(esquerdaBotao, topoBotao, larguraBotao, alturaBotao);
    QFont fonte = btnProblema->font();
    fonte.setPixelSize(alturaFonte);
    btnProblema->setFont(fonte);
    btnProblema->setToolTip(
        QStringLiteral("Clique este botão para definir os Indicadores e as Causas do Problema"));
    connect(btnProblema, &QPushButton::clicked, this, &TfrClassificacao::btnProblemaClick);

    for (int k = 0; k < colunas; ++k) {
        auto *rotulo = new QLabel(painel);
        rotulo->setObjectName(QStringLiteral("rotuloValor%1").arg(k));
        rotulo->setVisible(false);
        rotulosValores[static_cast<size_t>(k)] = rotulo;
        definirValor(k, valores[static_cast<size_t>(k)]);
    }
    if (tituloDefinido)
        mostrarTitulo();
    posicionarRotulos();
    if (lugarNaClassificacao > 0)
        mostrarLugar();
}

TfrClassificacao::~TfrClassificacao()
{
    delete janela;
}

void TfrClassificacao::definirTitulo(const QString &texto)
{
    // Every ranking pass sets every title again: eliding an unchanged name is wasted work.
    if (tituloDefinido && texto == tituloProblema)
        return;
    tituloDefinido = true;
    tituloProblema = texto;
    if (janela)
        janela->setWindowTitle(texto);
    if (btnProblema)
        mostrarTitulo();
}

void TfrClassificacao::mostrarTitulo()
{
    // A long name ends in an ellipsis; an ampersand is shown as written, not taken as a
    // keyboard shortcut.
    const int espaco = larguraBotao - 2 * margemBotao;
    QString legenda = btnProblema->fontMetrics().elidedText(tituloProblema, Qt::ElideRight, espaco);
    legenda.replace(u'&', QStringLiteral("&&"));
    btnProblema->setText(legenda);
}

TfmICProblema *TfrClassificacao::janelaIC()
{
    if (!janela) {
        janela = new TfmICProblema;
        if (tituloDefinido)
            janela->setWindowTitle(tituloProblema);
        janela->usar(analise);
        // What the window's remove buttons take can be taken back from the main window.
        connect(janela, &TfmICProblema::removeu, janela,
                [this](const AnaliseProblema::Remocao &remocao) {
                    registrarRemocaoNaAnalise(this, remocao);
                });
        connect(janela, &TfmICProblema::desfazerPedido, janela,
                [this](bool refazer, int ficha) { desfazerNaAnalise(this, refazer, ficha); });
    }
    return janela;
}

// The row's analysis is the one home of the problem's analysis: the window, once built, edits
// it in place, and is only told to show again what changed from here.
void TfrClassificacao::definirAnalise(const AnaliseProblema &nova)
{
    analise = nova;
    mostrarNaJanela();
}

void TfrClassificacao::definirOperacoes(int causa, const OperacoesCausa &operacoes)
{
    analise.definirOperacoes(causa, operacoes);
    if (janela)
        janela->mostrarOperacoes(causa);
}

void TfrClassificacao::mostrarNaJanela()
{
    if (janela)
        janela->mostrarAnalise();
}

void TfrClassificacao::carregarIndicadores(const ElementoXml &problema)
{
    analise.carregarIndicadores(problema);
    mostrarNaJanela();
}

void TfrClassificacao::carregarCausas(const ElementoXml &problema)
{
    analise.carregarCausas(problema);
    mostrarNaJanela();
}

// After carregarCausas, whose counts, kept in the analysis, place the operations.
void TfrClassificacao::carregarOperacoes(const ListaNos &filhos)
{
    try {
        analise.carregarOperacoes(filhos);
    } catch (...) {
        mostrarNaJanela(); // what was read before the damage stays
        throw;
    }
    mostrarNaJanela();
}

void TfrClassificacao::gravarAnalise(ElementoXml indicadores, ElementoXml causas,
                                     ElementoXml operacoes) const
{
    analise.gravarIndicadores(indicadores);
    analise.gravarCausas(causas, operacoes);
}

// "1º lugar: Evasão escolar, 28,0 pontos", as the row's values show them; the points of each
// category, under their titles, in the description. The name holds the whole title, which the
// button may cut.
void TfrClassificacao::definirLugar(int lugar)
{
    lugarNaClassificacao = lugar;
    if (btnProblema)
        mostrarLugar();
}

void TfrClassificacao::mostrarLugar()
{
    QStringList somas;
    const int m = std::min(controleVotantes->total(), colunas - 1);
    for (int c = 0; c < m; ++c)
        somas.append(controleVotantes->tituloCategoria(c) + QStringLiteral(": ") +
                     rotulosValores[static_cast<size_t>(c + 1)]->text());
    nomear(btnProblema,
           QStringLiteral("%1º lugar: %2, %3 pontos")
               .arg(lugarNaClassificacao)
               .arg(tituloProblema, rotulosValores[0]->text()),
           somas.join(QStringLiteral("; ")) + QStringLiteral(". ") + btnProblema->toolTip());
}

void TfrClassificacao::definirValor(int coluna, float valor)
{
    if (coluna < 0 || coluna >= colunas)
        return;
    valores[static_cast<size_t>(coluna)] = valor;
    if (!painel)
        return;
    QLabel *rotulo = rotulosValores[static_cast<size_t>(coluna)];
    rotulo->setText(formatarUmaDecimal(static_cast<double>(valor)));
    rotulo->adjustSize();
}

void TfrClassificacao::posicionarRotulos()
{
    if (!painel)
        return;
    const int m = std::min(controleVotantes->total(), colunas - 1);
    for (int k = m + 1; k < colunas; ++k)
        rotulosValores[static_cast<size_t>(k)]->setVisible(false);
    for (int k = 0; k <= m; ++k) {
        QLabel *rotulo = rotulosValores[static_cast<size_t>(k)];
        rotulo->move(esquerdaRotulo + passoColuna * k, topoRotulo);
        rotulo->setVisible(true);
    }
}

void TfrClassificacao::btnProblemaClick()
{
    interacao().exibirModal(*janelaIC());
}
