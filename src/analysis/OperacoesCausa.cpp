#include "analysis/OperacoesCausa.h"

#include "data/ElementoXml.h"
#include "data/ListaNos.h"
#include "data/NomesPlano.h"
#include "data/Texto.h"

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
    operacoes[static_cast<size_t>(numOperacoes)] = Operacao{};
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
    operacoes[static_cast<size_t>(indice)] = Operacao{campos, {}, {}};
    ++numOperacoes;
}

const OperacoesCausa::Textos &OperacoesCausa::textos(int indice) const
{
    Operacao &operacao = operacoes.at(static_cast<size_t>(indice));
    for (size_t campo = 0; operacao.porDecodificar.any(); ++campo) {
        if (operacao.porDecodificar.test(campo)) {
            operacao.textos[campo] = utf8ParaTexto(operacao.lidos[campo]);
            operacao.porDecodificar.reset(campo);
        }
    }
    return operacao.textos;
}

void OperacoesCausa::definirTexto(int indice, int campo, const QString &texto)
{
    if (indice < 0 || indice >= numOperacoes)
        return;
    Operacao &operacao = operacoes[static_cast<size_t>(indice)];
    operacao.textos.at(static_cast<size_t>(campo)) = texto;
    operacao.lidos[static_cast<size_t>(campo)] = QByteArray();
    operacao.porDecodificar.reset(static_cast<size_t>(campo));
}

void OperacoesCausa::definirTextos(int indice, const Textos &campos)
{
    if (indice >= 0 && indice < numOperacoes)
        operacoes[static_cast<size_t>(indice)] = Operacao{campos, {}, {}};
}

void OperacoesCausa::ler(const ListaNos &filhos, int indice)
{
    if (indice < 0 || indice >= numOperacoes)
        return;
    Operacao &operacao = operacoes[static_cast<size_t>(indice)];
    // Field names are not looked at; a missing field stops the reading where it is.
    for (int campo = 0; campo < numCampos; ++campo) {
        const ElementoXml elemento = filhos.item(campo);
        QByteArray bytes = elemento.textoUtf8();
        // Bytes are kept only where writing their text would give them back.
        if (bytes.contains('\r') || !(elemento.textosBemFormados() || ehUtf8Valido(bytes))) {
            definirTexto(indice, campo, utf8ParaTexto(bytes));
            continue;
        }
        operacao.lidos[static_cast<size_t>(campo)] = std::move(bytes);
        operacao.porDecodificar.set(static_cast<size_t>(campo));
    }
}

int OperacoesCausa::gravar(ElementoXml problema, int causa) const
{
    for (int j = 0; j < numOperacoes; ++j) {
        ElementoXml elemento = problema.adicionarFilho(nomeOperacao(causa, j + 1));
        const Operacao &operacao = operacoes[static_cast<size_t>(j)];
        for (size_t campo = 0; campo < numCampos; ++campo) {
            ElementoXml filho = elemento.adicionarFilho(nomeElemento(static_cast<int>(campo)));
            if (operacao.lidos[campo].isNull())
                filho.definirTexto(operacao.textos[campo]);
            else
                filho.definirTextoUtf8(operacao.lidos[campo]);
        }
    }
    return numOperacoes;
}
