#include "grading/ControleNotas.h"

#include "app/Fila.h"
#include "app/Interacao.h"
#include "data/DocumentoXml.h"
#include "data/Erros.h"
#include "data/NomesPlano.h"
#include "grading/OrdemClassificacao.h"
#include "grading/TabelaNotas.h"
#include "grading/TfrCabecalhoClassificacao.h"
#include "grading/TfrClassificacao.h"
#include "grading/TfrNotas.h"
#include "problems/ControleProblemas.h"
#include "voters/ControleVotantes.h"
#include "voters/TfrCabecalhoVotacao.h"
#include "widgets/CaixaRolagem.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <span>
#include <utility>

ControleNotas *controleNotas = nullptr;

namespace {

const QString mensagemSelecione = QStringLiteral("Selecione um painel para exclusão!");
const QString avisoNotas = QStringLiteral("Problemas durante a leitura da matriz de notas dos "
                                          "problemas!\nO arquivo de dados xml pode estar "
                                          "corrompido.");
const QString avisoIndicadores = QStringLiteral("Problemas durante a leitura dos indicadores dos "
                                                "problemas!\nO arquivo de dados xml pode estar "
                                                "corrompido.");
const QString avisoCausas = QStringLiteral("Problemas durante a leitura das causas dos "
                                           "problemas!\nO arquivo de dados xml pode estar "
                                           "corrompido.");

// Puts a header frame on the tab page above its scroll box, and keeps it level with the rows
// when they scroll sideways.
template <typename Cabecalho> Cabecalho *criarCabecalho(CaixaRolagem *caixa)
{
    auto *cabecalho = new Cabecalho;
    if (auto *layout = qobject_cast<QBoxLayout *>(caixa->parentWidget()->layout()))
        layout->insertWidget(0, cabecalho);
    else
        cabecalho->setParent(caixa->parentWidget());
    QObject::connect(caixa->horizontalScrollBar(), &QScrollBar::valueChanged, cabecalho,
                     &Cabecalho::deslocar);
    return cabecalho;
}

} // namespace

ControleNotas::ControleNotas(CaixaRolagem *sbNotas, CaixaRolagem *sbClassificacao)
    : Lista(maximoLinhas), sbNotas(sbNotas), sbClassificacao(sbClassificacao)
{
    cabecalhoNotas = criarCabecalho<TfrCabecalhoVotacao>(sbNotas);
    cabecalhoRanking = criarCabecalho<TfrCabecalhoClassificacao>(sbClassificacao);
}

// The frames belong to the widgets they live in.
ControleNotas::~ControleNotas() = default;

TfrNotas *ControleNotas::linhaNotas(int i) const
{
    return i >= 0 && i < quantidade ? linhas[static_cast<size_t>(i)].notas : nullptr;
}

TfrClassificacao *ControleNotas::linhaClassificacao(int i) const
{
    return i >= 0 && i < quantidade ? linhas[static_cast<size_t>(i)].classificacao : nullptr;
}

float ControleNotas::totalProblema(int i) const
{
    return i >= 0 && i < quantidade ? linhas[static_cast<size_t>(i)].total : 0.0f;
}

void ControleNotas::atualizar(bool)
{
    atualizarNotas();
    classificar();
}

ControleNotas::Adiamento::Adiamento()
{
    if (controleNotas)
        ++controleNotas->adiamentos;
}

ControleNotas::Adiamento::~Adiamento()
{
    if (controleNotas && --controleNotas->adiamentos == 0)
        controleNotas->retomar();
}

// The chooser is filled before the header reads it, so the refresh starts from the category
// asked for, as it would have after the refreshes that waited.
void ControleNotas::retomar()
{
    const bool pendente = std::exchange(atualizacaoPendente, false);
    const std::optional<int> pedida = std::exchange(categoriaPedida, std::nullopt);
    if (pendente) {
        preencherEscolha(pedida.value_or(cabecalhoNotas->cbCategoria->currentIndex()));
        atualizarNotas();
        classificar();
    } else if (pedida) {
        mostrarCategoria(*pedida);
    }
}

void ControleNotas::preencherEscolha(int categoria)
{
    QComboBox *escolha = cabecalhoNotas->cbCategoria;
    const QSignalBlocker bloqueio(escolha);
    escolha->clear();
    quantidadeCategorias = controleVotantes->total();
    for (int c = 0; c < quantidadeCategorias; ++c)
        escolha->addItem(controleVotantes->tituloCategoria(c));
    escolha->setCurrentIndex(categoria >= 0 && categoria < quantidadeCategorias ? categoria : -1);
}

bool ControleNotas::adicionarLinha()
{
    if (quantidade >= maximoLinhas)
        return false;
    auto *notas = new TfrNotas(sbNotas->conteudo());
    notas->setObjectName(QStringLiteral("Nota%1").arg(contadorNomes));
    ++contadorNomes;
    auto *classificacao = new TfrClassificacao(sbClassificacao->conteudo());
    classificacao->setObjectName(QStringLiteral("Classificacao%1").arg(contadorNomes));
    linhas[static_cast<size_t>(quantidade)] = {notas, classificacao, 0.0f};
    ++quantidade;
    atualizarNotas();
    classificar();
    return true;
}

int ControleNotas::linhaSelecionada() const
{
    return quantidade > 0 ? controleProblemas->posicaoSelecionada() : -1;
}

bool ControleNotas::removerLinha(int p)
{
    if (quantidade == 0) {
        interacao().mensagem(Icone::Informacao, mensagemSelecione);
        return false;
    }
    const int i = std::clamp(p, 0, quantidade - 1);
    delete linhas[static_cast<size_t>(i)].notas;
    delete linhas[static_cast<size_t>(i)].classificacao;
    retirarDaFila(linhas, quantidade, i);
    atualizarNotas();
    classificar();
    return true;
}

void ControleNotas::moverUltimaLinhaPara(int p)
{
    moverUltimoPara(linhas, quantidade, p);
}

void ControleNotas::atualizarNotas()
{
    if (adiamentos > 0) {
        atualizacaoPendente = true;
        return;
    }
    sbNotas->rolarParaTopo();
    cabecalhoNotas->cbCategoriaChange();
    std::array<TfrNotas *, maximoLinhas> ordem{};
    for (int i = 0; i < quantidade; ++i) {
        TfrNotas *linha = linhas[static_cast<size_t>(i)].notas;
        linha->definirTitulo(controleProblemas->nomeProblema(i));
        ordem[static_cast<size_t>(i)] = linha;
    }
    sbNotas->definirAlturaConteudo(
        empilharQuadros(std::span(ordem.data(), static_cast<size_t>(quantidade))));

    const int k = cabecalhoNotas->cbCategoria->currentIndex();
    preencherEscolha(-1);
    mostrarCategoria(k);
}

bool ControleNotas::mostrarCategoria(int categoria)
{
    if (adiamentos > 0) {
        categoriaPedida = categoria;
        return categoria >= 0 && categoria < controleVotantes->total();
    }
    QComboBox *escolha = cabecalhoNotas->cbCategoria;
    const QSignalBlocker bloqueio(escolha);
    if (categoria < 0 || categoria >= quantidadeCategorias) {
        escolha->setCurrentIndex(-1);
        return false;
    }
    escolha->setCurrentIndex(categoria);
    for (int i = 0; i < quantidade; ++i)
        linhas[static_cast<size_t>(i)].notas->exibirCategoria(categoria);
    return true;
}

void ControleNotas::removerCategoria(int categoria)
{
    for (int i = 0; i < quantidade; ++i) {
        TfrNotas *linha = linhas[static_cast<size_t>(i)].notas;
        linha->exibirCategoria(categoria);
        linha->descartarCategoriaAtual();
    }
    mostrarCategoria(0);
}

void ControleNotas::inserirCategoria(int categoria, const QVector<TabelaNotas::Linha> &notas)
{
    for (int i = 0; i < quantidade; ++i)
        linhas[static_cast<size_t>(i)].notas->tabela.inserirLinha(
            categoria, i < notas.size() ? notas.at(i) : TabelaNotas::Linha{});
}

void ControleNotas::classificar()
{
    if (adiamentos > 0) {
        atualizacaoPendente = true;
        return;
    }
    sbClassificacao->rolarParaTopo();
    const int m = controleVotantes->total();
    cabecalhoRanking->atualizarColunas();
    std::array<float, maximoLinhas> totais{};
    for (int i = 0; i < quantidade; ++i) {
        Linha &atual = linhas[static_cast<size_t>(i)];
        TfrClassificacao *linha = atual.classificacao;
        linha->definirTitulo(controleProblemas->nomeProblema(i));
        float total = 0.0f;
        for (int c = 0; c < m; ++c) {
            const float soma = atual.notas->somaCategoria(c);
            linha->definirValor(c + 1, soma);
            total = somarPontos(total, soma);
        }
        atual.total = total;
        totais[static_cast<size_t>(i)] = total;
        linha->definirValor(0, total);
        linha->posicionarRotulos();
    }
    std::array<TfrClassificacao *, maximoLinhas> ordem{};
    int lugar = 0;
    for (const int p : ordemClassificacao(
             std::span<const float>(totais.data(), static_cast<size_t>(quantidade)))) {
        TfrClassificacao *linha = linhas[static_cast<size_t>(p)].classificacao;
        ordem[static_cast<size_t>(lugar)] = linha;
        linha->definirLugar(++lugar);
    }
    const std::span linhasEmOrdem(ordem.data(), static_cast<size_t>(lugar));
    // Shown, the rows of a tab on screen build their buttons, which then take their turns.
    sbClassificacao->definirAlturaConteudo(empilharQuadros(linhasEmOrdem));
    QWidget *anterior = nullptr; // Tab goes through the rows in the order of the ranking
    for (TfrClassificacao *linha : linhasEmOrdem) {
        if (!linha->montado())
            continue;
        if (anterior)
            QWidget::setTabOrder(anterior, linha->btnProblema);
        anterior = linha->btnProblema;
    }
}

void ControleNotas::gravarNotas(DocumentoXml &documento) const
{
    ElementoXml raiz = documento.raiz();
    ElementoXml notas = raiz.adicionarFilho(nomesPlano::secaoNotas);
    ElementoXml indicadores = raiz.adicionarFilho(nomesPlano::secaoIndicadores);
    ElementoXml causas = raiz.adicionarFilho(nomesPlano::secaoCausas);
    ElementoXml operacoes = raiz.adicionarFilho(nomesPlano::secaoOperacoes);
    for (int i = 0; i < quantidade; ++i) {
        ElementoXml problema = notas.adicionarFilho(nomesPlano::problema);
        problema.definirAtributo(nomesPlano::atributoNome, controleProblemas->nomeProblema(i));
        const Linha &atual = linhas[static_cast<size_t>(i)];
        atual.notas->gravarLinha(problema);
        atual.classificacao->gravarAnalise(indicadores, causas, operacoes);
    }
}

void ControleNotas::lerNotas(const ListaNos &secoes)
{
    try {
        const ListaNos problemas = secoes.porNome(nomesPlano::secaoNotas).filhos();
        const int n = std::min(problemas.quantidade(), quantidade);
        for (int i = 0; i < n; ++i)
            linhas[static_cast<size_t>(i)].notas->lerLinha(problemas.item(i));
    } catch (const ErroSorvane &) {
        interacao().mensagem(Icone::Aviso, avisoNotas);
    }
}

void ControleNotas::lerIndicadores(const ListaNos &secoes)
{
    try {
        const ListaNos problemas = secoes.porNome(nomesPlano::secaoIndicadores).filhos();
        const int n = std::min(problemas.quantidade(), quantidade);
        for (int i = 0; i < n; ++i)
            linhas[static_cast<size_t>(i)].classificacao->carregarIndicadores(problemas.item(i));
    } catch (const ErroSorvane &) {
        interacao().mensagem(Icone::Aviso, avisoIndicadores);
    }
}

// A damaged problem loses only what cannot be read: its causes keep their texts, the problems
// after it are read as well (a save would otherwise write them empty), and one warning tells.
void ControleNotas::lerCausas(const ListaNos &secoes)
{
    ListaNos causas;
    ListaNos operacoes;
    bool danificada = false;
    try {
        causas = secoes.porNome(nomesPlano::secaoCausas).filhos();
        operacoes = secoes.porNome(nomesPlano::secaoOperacoes).filhos();
    } catch (const ErroSorvane &) {
        danificada = true;
    }
    const int n = std::min(causas.quantidade(), quantidade);
    for (int i = 0; i < n; ++i) {
        TfrClassificacao &linha = *linhas[static_cast<size_t>(i)].classificacao;
        try {
            linha.carregarCausas(causas.item(i));
            linha.carregarOperacoes(i < operacoes.quantidade() ? operacoes.item(i).filhos()
                                                               : ListaNos());
        } catch (const ErroSorvane &) {
            danificada = true;
        }
    }
    if (danificada)
        interacao().mensagem(Icone::Aviso, avisoCausas);
}
