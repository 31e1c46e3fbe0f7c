#include "analysis/OperacoesCausa.h"

#include "data/ElementoXml.h"
#include "data/ListaNos.h"
#include "data/NomesPlano.h"

#include <algorithm>

static_assert(nomesPlano::camposOperacao.size() == OperacoesCausa::numCampos);

QString OperacoesCausa::nomeElemento(int campo)
{
    return nomesPlano::camposOperacao.at(static_cast<size_t>(campo));
}

QString OperacoesCausa::nomeOperacao(int causa, int operacao)
{
    return nomesPlano::modeloOperacao.arg(causa).arg(operacao);
}

void OperacoesCausa::adicionar()
{
    if (numOperacoes >= maximo)
        return;
    operacoes[static_cast<size_t>(numOperacoes)] = Textos{};
    ++numOperacoes;
}

void OperacoesCausa::limpar()
{
    numOperacoes = 0;
}

void OperacoesCausa::remover(int indice)
{
    if (indice < 0 || indice >= numOperacoes)
        return;
    std::move(operacoes.begin() + indice + 1, operacoes.begin() + numOperacoes,
              operacoes.begin() + indice);
    --numOperacoes;
}

void OperacoesCausa::inserir(int indice, const Textos &campos)
{
    if (numOperacoes >= maximo || indice < 0 || indice > numOperacoes)
        return;
    std::move_backward(operacoes.begin() + indice, operacoes.begin() + numOperacoes,
                       operacoes.begin() + numOperacoes + 1);
    operacoes[static_cast<size_t>(indice)] = campos;
    ++numOperacoes;
}

const OperacoesCausa::Textos &OperacoesCausa::textos(int indice) const
{
    return operacoes.at(static_cast<size_t>(indice));
}

void OperacoesCausa::definirTexto(int indice, int campo, const QString &texto)
{
    if (indice >= 0 && indice < numOperacoes)
        operacoes[static_cast<size_t>(indice)].at(static_cast<size_t>(campo)) = texto;
}

void OperacoesCausa::definirTextos(int indice, const Textos &campos)
{
    if (indice >= 0 && indice < numOperacoes)
        operacoes[static_cast<size_t>(indice)] = campos;
}

void OperacoesCausa::ler(const ListaNos &filhos, int indice)
{
    // Field names are not looked at; a missing field stops the reading where it is.
    for (int campo = 0; campo < numCampos; ++campo)
        definirTexto(indice, campo, filhos.item(campo).texto());
}

int OperacoesCausa::gravar(ElementoXml problema, int causa) const
{
    for (int j = 0; j < numOperacoes; ++j) {
        ElementoXml elemento = problema.adicionarFilho(nomeOperacao(causa, j + 1));
        const Textos &campos = operacoes[static_cast<size_t>(j)];
        for (int campo = 0; campo < numCampos; ++campo)
            elemento.adicionarFilho(nomeElemento(campo))
                .definirTexto(campos[static_cast<size_t>(campo)]);
    }
    return numOperacoes;
}
