#include "app/Desfazer.h"

#include "app/Interacao.h"
#include "app/TfmPrincipal.h"
#include "grading/ControleNotas.h"
#include "grading/TfrClassificacao.h"
#include "grading/TfrNotas.h"
#include "problems/ControleProblemas.h"
#include "voters/ControleVotantes.h"

#include <algorithm>

namespace {

const QString mensagemSemLugar =
    QStringLiteral("Não é possível desfazer a remoção: a lista já está completa.");

bool semLugar()
{
    interacao().mensagem(Icone::Informacao, mensagemSemLugar);
    return false;
}

ProblemaRemovido capturarProblema(int p)
{
    ProblemaRemovido problema;
    const TfrProblema *quadro = controleProblemas->quadro(p);
    problema.nome = quadro->nome();
    problema.cor = quadro->corProblema();
    problema.notas = controleNotas->linhaNotas(p)->tabela;
    problema.analise = controleNotas->linhaClassificacao(p)->analiseAtual();
    return problema;
}

CategoriaRemovida capturarCategoria(int c)
{
    CategoriaRemovida categoria;
    const TfrCategoria *quadro = controleVotantes->quadro(c);
    categoria.titulo = quadro->titulo();
    categoria.identificador = quadro->identificador();
    categoria.cor = quadro->corCategoria();
    categoria.quantidade = quadro->quantidadeVotantes;
    for (int j = 0; j < CategoriaRemovida::maximoVotantes; ++j)
        categoria.nomes[static_cast<size_t>(j)] = quadro->nomeVotante(j);
    categoria.nomesVisiveis = quadro->nomesVisiveis;
    for (int i = 0; i < controleNotas->total(); ++i)
        categoria.notas.append(controleNotas->linhaNotas(i)->tabela.linha(c));
    return categoria;
}

bool restaurarProblema(int p, const ProblemaRemovido &problema)
{
    if (controleProblemas->total() >= maximoProblemas)
        return semLugar();
    controleProblemas->inserir(p);
    TfrProblema *quadro = controleProblemas->quadro(p);
    quadro->definirNome(problema.nome);
    quadro->definirCor(problema.cor);
    controleNotas->linhaNotas(p)->tabela = problema.notas;
    controleNotas->linhaClassificacao(p)->definirAnalise(problema.analise);
    return true;
}

bool restaurarCategoria(int c, const CategoriaRemovida &categoria)
{
    if (controleVotantes->total() >= maximoCategorias)
        return semLugar();
    controleVotantes->inserir(c);
    TfrCategoria *quadro = controleVotantes->quadro(c);
    quadro->definirTitulo(categoria.titulo);
    quadro->definirIdentificador(categoria.identificador);
    quadro->definirCor(categoria.cor);
    quadro->definirQuantidade(categoria.quantidade);
    for (int j = 0; j < CategoriaRemovida::maximoVotantes; ++j)
        quadro->definirNomeVotante(j, categoria.nomes[static_cast<size_t>(j)]);
    if (quadro->nomesVisiveis != categoria.nomesVisiveis)
        quadro->painelDblClick();
    controleNotas->inserirCategoria(c, categoria.notas);
    return true;
}

// An operation changes only its cause's sheet, which may be on screen; the rest rebuilds.
void aplicar(TfrClassificacao &linha, const AnaliseProblema &analise,
             const AnaliseProblema::Remocao &remocao)
{
    if (remocao.tipo == AnaliseProblema::Remocao::Tipo::operacao)
        linha.definirOperacoes(remocao.causa, analise.operacoes(remocao.causa));
    else
        linha.definirAnalise(analise);
}

} // namespace

Remocao removerProblema(int p)
{
    Remocao remocao{p, capturarProblema(p)};
    controleProblemas->selecionar(p);
    controleProblemas->remover();
    return remocao;
}

Remocao removerCategoria(int c)
{
    Remocao remocao{c, capturarCategoria(c)};
    controleVotantes->selecionar(c);
    controleVotantes->remover();
    return remocao;
}

bool restaurarRemocao(const Remocao &remocao)
{
    if (const auto *problema = std::get_if<ProblemaRemovido>(&remocao.item))
        return restaurarProblema(std::min(remocao.posicao, controleProblemas->total()), *problema);
    if (const auto *categoria = std::get_if<CategoriaRemovida>(&remocao.item))
        return restaurarCategoria(std::min(remocao.posicao, controleVotantes->total()), *categoria);
    TfrClassificacao *linha = controleNotas->linhaClassificacao(remocao.posicao);
    if (!linha)
        return false;
    const auto &removida = std::get<AnaliseProblema::Remocao>(remocao.item);
    AnaliseProblema analise = linha->analiseAtual();
    if (!analise.restaurar(removida))
        return semLugar();
    aplicar(*linha, analise, removida);
    return true;
}

std::optional<Remocao> refazerRemocao(const Remocao &remocao)
{
    const int p = remocao.posicao;
    if (std::holds_alternative<ProblemaRemovido>(remocao.item)) {
        if (p >= controleProblemas->total() || controleProblemas->total() <= 1)
            return std::nullopt;
        return removerProblema(p);
    }
    if (std::holds_alternative<CategoriaRemovida>(remocao.item)) {
        if (p >= controleVotantes->total() || controleVotantes->total() <= 1)
            return std::nullopt;
        return removerCategoria(p);
    }
    TfrClassificacao *linha = controleNotas->linhaClassificacao(p);
    if (!linha)
        return std::nullopt;
    const auto &antes = std::get<AnaliseProblema::Remocao>(remocao.item);
    AnaliseProblema analise = linha->analiseAtual();
    const auto removida = analise.remover(antes.tipo, antes.causa, antes.indice);
    if (!removida)
        return std::nullopt;
    aplicar(*linha, analise, *removida);
    return Remocao{p, *removida};
}

namespace {

int posicaoDaLinha(const TfrClassificacao *linha)
{
    for (int p = 0; controleNotas && p < controleNotas->total(); ++p) {
        if (controleNotas->linhaClassificacao(p) == linha)
            return p;
    }
    return -1;
}

} // namespace

void registrarRemocaoNaAnalise(const TfrClassificacao *linha,
                               const AnaliseProblema::Remocao &remocao)
{
    const int p = posicaoDaLinha(linha);
    if (fmPrincipal && p >= 0)
        fmPrincipal->registrarRemocao(Remocao{p, remocao});
}

void desfazerNaAnalise(const TfrClassificacao *linha, bool refazer, int ficha)
{
    if (!fmPrincipal)
        return;
    const HistoricoRemocoes &historico = fmPrincipal->historicoRemocoes();
    if (refazer ? !historico.podeRefazer() : !historico.podeDesfazer())
        return;
    const Remocao &proxima = refazer ? historico.aRefazer() : historico.aDesfazer();
    const auto *analise = std::get_if<AnaliseProblema::Remocao>(&proxima.item);
    if (!analise || proxima.posicao != posicaoDaLinha(linha))
        return;
    if (ficha >= 0 &&
        (analise->tipo != AnaliseProblema::Remocao::Tipo::operacao || analise->causa != ficha))
        return;
    if (refazer)
        fmPrincipal->mItemRefazerClick();
    else
        fmPrincipal->mItemDesfazerClick();
}
