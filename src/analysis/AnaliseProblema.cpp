#include "analysis/AnaliseProblema.h"

#include "data/ElementoXml.h"
#include "data/Erros.h"
#include "data/ListaNos.h"

#include <algorithm>

AnaliseProblema::AnaliseProblema() : textosIndicadores{QString()}, textosCausas{QString()} {}

void AnaliseProblema::definirIndicadores(const QStringList &textos)
{
    textosIndicadores = textos.mid(0, maximoIndicadores);
    if (textosIndicadores.isEmpty())
        textosIndicadores.append(QString());
}

void AnaliseProblema::definirCausas(const QStringList &textos)
{
    textosCausas = textos.mid(0, maximoCausas);
    if (textosCausas.isEmpty())
        textosCausas.append(QString());
    for (auto i = static_cast<size_t>(textosCausas.size()); i < operacoesCausas.size(); ++i)
        operacoesCausas[i].limpar();
}

const OperacoesCausa &AnaliseProblema::operacoes(int causa) const
{
    return operacoesCausas.at(static_cast<size_t>(causa));
}

void AnaliseProblema::definirOperacoes(int causa, const OperacoesCausa &operacoes)
{
    if (causa >= 0 && causa < textosCausas.size())
        operacoesCausas[static_cast<size_t>(causa)] = operacoes;
}

void AnaliseProblema::carregarIndicadores(const ElementoXml &problema)
{
    QStringList lidos;
    try {
        // Positions count, names do not; indicators beyond the fifth are dropped.
        const ListaNos filhos = problema.filhos();
        const int n = std::min(filhos.quantidade(), maximoIndicadores);
        for (int i = 0; i < n; ++i)
            lidos.append(filhos.item(i).texto());
    } catch (const ErroSorvane &) {
        lidos.clear();
    }
    definirIndicadores(lidos);
}

void AnaliseProblema::carregarCausas(const ElementoXml &problema)
{
    QStringList lidas;
    std::array<OperacoesCausa, maximoCausas> lidasOperacoes;
    try {
        const ListaNos filhos = problema.filhos();
        const int n = std::min(filhos.quantidade(), maximoCausas);
        for (int i = 0; i < n; ++i) {
            const ElementoXml elemento = filhos.item(i);
            const int operacoes = elemento.atributo(QStringLiteral("operacoes")).inteiro();
            for (int j = 0; j < operacoes && j < OperacoesCausa::maximo; ++j)
                lidasOperacoes[static_cast<size_t>(i)].adicionar();
            lidas.append(elemento.texto());
        }
    } catch (const ErroSorvane &) {
        lidas.clear();
        lidasOperacoes = {};
    }
    operacoesCausas = lidasOperacoes;
    definirCausas(lidas);
}

void AnaliseProblema::carregarOperacoes(const ListaNos &filhos)
{
    // The review is always the last child; the operations come before it, cause by cause, as
    // many for each cause as the causes section gave it.
    definirRevisao(filhos.item(filhos.quantidade() - 1).texto());
    int k = 0;
    for (int c = 0; c < textosCausas.size(); ++c) {
        OperacoesCausa &operacoes = operacoesCausas[static_cast<size_t>(c)];
        for (int j = 0; j < operacoes.quantidade(); ++j) {
            operacoes.ler(filhos.item(k).filhos(), j);
            ++k;
        }
    }
}

void AnaliseProblema::gravarIndicadores(ElementoXml secao) const
{
    ElementoXml problema = secao.adicionarFilho(QStringLiteral("problema"));
    for (const QString &indicador : textosIndicadores)
        problema.adicionarFilho(QStringLiteral("indicador")).definirTexto(indicador);
}

void AnaliseProblema::gravarCausas(ElementoXml secaoCausas, ElementoXml secaoOperacoes) const
{
    ElementoXml problemaCausas = secaoCausas.adicionarFilho(QStringLiteral("problema"));
    ElementoXml problemaOperacoes = secaoOperacoes.adicionarFilho(QStringLiteral("problema"));
    for (int k = 1; k <= textosCausas.size(); ++k) {
        ElementoXml elemento = problemaCausas.adicionarFilho(QStringLiteral("causa"));
        elemento.definirTexto(textosCausas.at(k - 1));
        const int n = operacoesCausas[static_cast<size_t>(k - 1)].gravar(problemaOperacoes, k);
        elemento.definirAtributo(QStringLiteral("operacoes"), QString::number(n));
    }
    problemaOperacoes.adicionarFilho(QStringLiteral("revisao")).definirTexto(textoRevisao);
}
