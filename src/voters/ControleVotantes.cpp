#include "voters/ControleVotantes.h"

#include "app/Interacao.h"
#include "data/DocumentoXml.h"
#include "data/Erros.h"
#include "data/NomesPlano.h"
#include "grading/ControleNotas.h"

#include <QLineEdit>
#include <algorithm>

ControleVotantes *controleVotantes = nullptr;

namespace {

const QString mensagemLimite = QStringLiteral("Número Máximo de Categorias de votantes atingido!");
const QString mensagemSelecione = QStringLiteral("Selecione uma categoria para exclusão!");
const QString naoDisponivel = QStringLiteral("(Não disponível)");
const QString semDado = QStringLiteral("N/D");

void atualizarNotas()
{
    if (controleNotas)
        controleNotas->atualizar(true);
}

} // namespace

ControleVotantes::ControleVotantes(CaixaRolagem *sbVotantes)
    : ListaDeQuadros(sbVotantes, QStringLiteral("Categoria"))
{
}

bool ControleVotantes::adicionar()
{
    if (cheia()) {
        interacao().mensagem(Icone::Informacao, mensagemLimite);
        return false;
    }
    acrescentarQuadro()->show();
    selecionar(quantidade - 1);
    atualizarNotas();
    return true;
}

bool ControleVotantes::remover()
{
    if (!selecionar(selecionado)) {
        interacao().mensagem(Icone::Informacao, mensagemSelecione);
        return false;
    }
    const int p = selecionado;
    descartarQuadro(p);
    if (quantidade > 0)
        selecionar(p < quantidade ? p : p - 1);
    if (controleNotas)
        controleNotas->removerCategoria(p);
    atualizarNotas();
    return true;
}

bool ControleVotantes::inserir(int c)
{
    if (!adicionar())
        return false;
    moverUltimoPara(c);
    selecionar(c);
    return true;
}

bool ControleVotantes::selecionar(int indice)
{
    if (!escolher(indice))
        return false;
    destacarSelecionado();
    return true;
}

void ControleVotantes::gravarCategorias(DocumentoXml &documento) const
{
    ElementoXml secao = documento.raiz().adicionarFilho(nomesPlano::secaoCategorias);
    secao.definirAtributo(nomesPlano::atributoMaximo, QString::number(maximo));
    secao.definirAtributo(nomesPlano::atributoTotal, QString::number(quantidade));
    for (int c = 0; c < quantidade; ++c) {
        const TfrCategoria *atual = quadros[static_cast<size_t>(c)];
        ElementoXml categoria = secao.adicionarFilho(nomesPlano::categoria);
        categoria.definirAtributo(nomesPlano::atributoTitulo, atual->titulo());
        categoria.definirAtributo(nomesPlano::atributoId, atual->identificador());
        categoria.definirAtributo(nomesPlano::atributoCor, QString::number(atual->corCategoria()));
        for (int j = 0; j < atual->quantidadeVotantes; ++j)
            categoria.adicionarFilho(nomesPlano::votante).definirTexto(atual->nomeVotante(j));
    }
}

void ControleVotantes::lerCategorias(const ListaNos &secoes)
{
    try {
        const ListaNos filhos = secoes.porNome(nomesPlano::secaoCategorias).filhos();
        int k = 0;
        for (const ElementoXml &filho : filhos) {
            // A thirteenth category is refused with the list's message, and reading ends.
            if (!adicionar())
                return;
            TfrCategoria *atual = quadros[static_cast<size_t>(k)];
            atual->definirTitulo(filho.atributo(nomesPlano::atributoTitulo).texto());
            atual->definirIdentificador(filho.atributo(nomesPlano::atributoId).texto());
            atual->definirCor(filho.atributo(nomesPlano::atributoCor).inteiro());
            // A category holds twelve voters at most; further ones are not read.
            const ListaNos votantes = filho.filhos();
            const int n = std::min(votantes.quantidade(), TfrCategoria::maximoVotantes);
            atual->definirQuantidade(n);
            for (int j = 0; j < n; ++j)
                atual->definirNomeVotante(j, votantes.item(j).texto());
            ++k;
        }
    } catch (const ErroSorvane &) {
        // What was read stays; one default category marks where the damaged section ended.
        adicionar();
    }
}

QString ControleVotantes::tituloCategoria(int c) const
{
    const TfrCategoria *atual = quadro(c);
    return atual ? atual->titulo() : naoDisponivel;
}

int ControleVotantes::quantidadeVotantes(int c) const
{
    const TfrCategoria *atual = quadro(c);
    return atual ? atual->quantidadeVotantes : 0;
}

ValorCor ControleVotantes::corCategoria(int c) const
{
    const TfrCategoria *atual = quadro(c);
    return atual ? atual->corCategoria() : corPreta;
}

QString ControleVotantes::rotuloVotante(int c, int j) const
{
    const TfrCategoria *atual = quadro(c);
    if (!atual)
        return semDado;
    if (j < 0 || j >= atual->quantidadeVotantes)
        return atual->identificador();
    return atual->identificador() + QString::number(j + 1);
}

QString ControleVotantes::nomeVotante(int c, int j) const
{
    const TfrCategoria *atual = quadro(c);
    if (!atual || j < 0 || j >= atual->quantidadeVotantes)
        return semDado;
    return atual->nomeVotante(j);
}
