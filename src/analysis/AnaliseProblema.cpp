#include "analysis/AnaliseProblema.h"

#include "data/ElementoXml.h"
#include "data/Erros.h"
#include "data/ListaNos.h"
#include "data/NomesPlano.h"

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

void AnaliseProblema::definirIndicador(int indice, const QString &texto)
{
    if (indice >= 0 && indice < textosIndicadores.size())
        textosIndicadores[indice] = texto;
}

void AnaliseProblema::definirCausa(int indice, const QString &texto)
{
    if (indice >= 0 && indice < textosCausas.size())
        textosCausas[indice] = texto;
}

const OperacoesCausa &AnaliseProblema::operacoes(int causa) const
{
    return operacoesCausas.at(static_cast<size_t>(causa));
}

OperacoesCausa &AnaliseProblema::operacoes(int causa)
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
    // Causes beyond the third are dropped, but their counts still place the operations.
    QStringList lidas;
    QList<int> anunciadas;
    for (const ElementoXml &causa : problema.filhos()) {
        if (lidas.size() < maximoCausas)
            lidas.append(causa.texto());
        anunciadas.append(operacoesAnunciadas(causa));
    }
    operacoesCausas = {};
    definirCausas(lidas);
    anunciadasLidas = anunciadas;
}

void AnaliseProblema::carregarOperacoes(const ListaNos &filhos)
{
    QList<int> anunciadas;
    anunciadas.swap(anunciadasLidas);
    if (anunciadas.isEmpty()) {
        for (int c = 0; c < textosCausas.size(); ++c)
            anunciadas.append(operacoesCausas[static_cast<size_t>(c)].quantidade());
    }
    // The review is always the last child; the operations come before it, cause by cause.
    bool completa = filhos.quantidade() > 0;
    if (completa)
        definirRevisao(filhos.item(filhos.quantidade() - 1).texto());
    const QVector<Faixa> faixas =
        localizarOperacoes(anunciadas, std::max(0, filhos.quantidade() - 1));
    for (int c = 0; c < textosCausas.size(); ++c) {
        OperacoesCausa &operacoes = operacoesCausas[static_cast<size_t>(c)];
        operacoes.limpar();
        const Faixa faixa = faixas.value(c);
        completa = completa && faixa.completa;
        for (int j = 0; j < faixa.quantidade; ++j) {
            operacoes.adicionar();
            try {
                operacoes.ler(filhos.item(faixa.inicio + j).filhos(), j);
            } catch (const ErroSorvane &) {
                completa = false; // the fields before the missing one stay
            }
        }
    }
    if (!completa)
        throw ErroXml(QStringLiteral("Faltam operações ou campos de operações no arquivo."));
}

int AnaliseProblema::operacoesAnunciadas(const ElementoXml &causa)
{
    try {
        const int contagem = causa.atributo(nomesPlano::atributoOperacoes).inteiro();
        return contagem < 0 ? contagemIlegivel : contagem;
    } catch (const ErroSorvane &) {
        return contagemIlegivel;
    }
}

QVector<AnaliseProblema::Faixa> AnaliseProblema::localizarOperacoes(const QList<int> &anunciadas,
                                                                    int guardadas)
{
    qint64 conhecidas = 0;
    for (const int contagem : anunciadas)
        conhecidas += std::max(contagem, 0);
    const auto ilegiveis = std::count(anunciadas.begin(), anunciadas.end(), contagemIlegivel);
    const qint64 sobra = ilegiveis == 1 ? std::max<qint64>(0, guardadas - conhecidas) : 0;

    QVector<Faixa> faixas;
    qint64 inicio = 0;
    for (const int anunciada : anunciadas) {
        const qint64 contagem = anunciada == contagemIlegivel ? sobra : anunciada;
        const qint64 desejadas = std::min<qint64>(contagem, OperacoesCausa::maximo);
        Faixa faixa;
        faixa.inicio = static_cast<int>(std::min<qint64>(inicio, guardadas));
        faixa.quantidade = static_cast<int>(std::min<qint64>(desejadas, guardadas - faixa.inicio));
        faixa.completa = faixa.quantidade == desejadas;
        faixas.append(faixa);
        inicio += contagem;
    }
    return faixas;
}

void AnaliseProblema::gravarIndicadores(ElementoXml secao) const
{
    ElementoXml problema = secao.adicionarFilho(nomesPlano::problema);
    for (const QString &indicador : textosIndicadores)
        problema.adicionarFilho(nomesPlano::indicador).definirTexto(indicador);
}

void AnaliseProblema::gravarCausas(ElementoXml secaoCausas, ElementoXml secaoOperacoes) const
{
    ElementoXml problemaCausas = secaoCausas.adicionarFilho(nomesPlano::problema);
    ElementoXml problemaOperacoes = secaoOperacoes.adicionarFilho(nomesPlano::problema);
    for (int k = 1; k <= textosCausas.size(); ++k) {
        ElementoXml elemento = problemaCausas.adicionarFilho(nomesPlano::causa);
        elemento.definirTexto(textosCausas.at(k - 1));
        const int n = operacoesCausas[static_cast<size_t>(k - 1)].gravar(problemaOperacoes, k);
        elemento.definirAtributo(nomesPlano::atributoOperacoes, QString::number(n));
    }
    problemaOperacoes.adicionarFilho(nomesPlano::revisao).definirTexto(textoRevisao);
}

namespace {

bool umaOperacaoVazia(const OperacoesCausa &operacoes)
{
    return operacoes.quantidade() == 1 && operacoes.textos(0) == OperacoesCausa::Textos{};
}

OperacoesCausa operacaoVazia()
{
    OperacoesCausa operacoes;
    operacoes.adicionar();
    return operacoes;
}

} // namespace

std::optional<AnaliseProblema::Remocao> AnaliseProblema::remover(Remocao::Tipo tipo, int causa,
                                                                 int indice)
{
    Remocao remocao;
    remocao.tipo = tipo;
    remocao.causa = causa;
    remocao.indice = indice;
    switch (tipo) {
    case Remocao::Tipo::indicador:
        if (indice < 0 || indice >= textosIndicadores.size())
            return std::nullopt;
        remocao.texto = textosIndicadores.at(indice);
        remocao.unica = textosIndicadores.size() == 1;
        if (!remocao.unica)
            textosIndicadores.removeAt(indice);
        else if (remocao.texto.isEmpty())
            return std::nullopt;
        else
            textosIndicadores[0].clear();
        return remocao;
    case Remocao::Tipo::causa: {
        if (indice < 0 || indice >= textosCausas.size())
            return std::nullopt;
        const auto i = static_cast<size_t>(indice);
        remocao.texto = textosCausas.at(indice);
        remocao.operacoes = operacoesCausas[i];
        remocao.unica = textosCausas.size() == 1;
        if (remocao.unica) {
            if (remocao.texto.isEmpty() && umaOperacaoVazia(remocao.operacoes))
                return std::nullopt;
            textosCausas[0].clear();
            operacoesCausas[0] = operacaoVazia();
            return remocao;
        }
        textosCausas.removeAt(indice);
        std::move(operacoesCausas.begin() + indice + 1, operacoesCausas.end(),
                  operacoesCausas.begin() + indice);
        operacoesCausas.back().limpar();
        return remocao;
    }
    case Remocao::Tipo::operacao: {
        if (causa < 0 || causa >= textosCausas.size())
            return std::nullopt;
        OperacoesCausa &operacoes = operacoesCausas[static_cast<size_t>(causa)];
        if (operacoes.quantidade() <= 1 || indice < 0 || indice >= operacoes.quantidade())
            return std::nullopt;
        remocao.campos = operacoes.textos(indice);
        operacoes.remover(indice);
        return remocao;
    }
    }
    return std::nullopt;
}

bool AnaliseProblema::restaurar(const Remocao &remocao)
{
    const bool soUmaVazia = [&] {
        if (remocao.tipo == Remocao::Tipo::indicador)
            return textosIndicadores == QStringList{QString()};
        return textosCausas == QStringList{QString()} && umaOperacaoVazia(operacoesCausas[0]);
    }();
    switch (remocao.tipo) {
    case Remocao::Tipo::indicador:
        if (remocao.unica && soUmaVazia) {
            textosIndicadores[0] = remocao.texto;
            return true;
        }
        if (textosIndicadores.size() >= maximoIndicadores)
            return false;
        textosIndicadores.insert(std::clamp(remocao.indice, 0, int(textosIndicadores.size())),
                                 remocao.texto);
        return true;
    case Remocao::Tipo::causa: {
        if (remocao.unica && soUmaVazia) {
            textosCausas[0] = remocao.texto;
            operacoesCausas[0] = remocao.operacoes;
            return true;
        }
        if (textosCausas.size() >= maximoCausas)
            return false;
        const int k = std::clamp(remocao.indice, 0, int(textosCausas.size()));
        std::move_backward(operacoesCausas.begin() + k, operacoesCausas.end() - 1,
                           operacoesCausas.end());
        operacoesCausas[static_cast<size_t>(k)] = remocao.operacoes;
        textosCausas.insert(k, remocao.texto);
        return true;
    }
    case Remocao::Tipo::operacao: {
        if (remocao.causa < 0 || remocao.causa >= textosCausas.size())
            return false;
        OperacoesCausa &operacoes = operacoesCausas[static_cast<size_t>(remocao.causa)];
        if (operacoes.quantidade() >= OperacoesCausa::maximo)
            return false;
        operacoes.inserir(std::clamp(remocao.indice, 0, operacoes.quantidade()), remocao.campos);
        return true;
    }
    }
    return false;
}
