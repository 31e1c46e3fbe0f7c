// The plain-data readers and writers of the analysis: the bytes as a plan file, its problems'
// indicators, causes and operations read as the program reads them when it opens a plan, then
// written, read back and written again; and the chart's reader on the same bytes and on what
// was written.

#include "alvos/Alvos.h"
#include "alvos/Apoio.h"

#include "analysis/AnaliseProblema.h"
#include "data/Erros.h"
#include "documents/DadosOrganograma.h"
#include "problems/ControleProblemas.h"

#include <algorithm>
#include <array>

namespace alvos {

namespace {

using Analises = std::array<AnaliseProblema, maximoProblemas>;

// By position, as many problems as the program holds; a damaged section stops its reading and
// keeps what was read before, as the grades tab's reading does.
Analises lerAnalises(const ListaNos &secoes)
{
    Analises analises;
    try {
        const ListaNos problemas = secoes.porNome(QStringLiteral("indicadores")).filhos();
        for (int i = 0; i < std::min(problemas.quantidade(), maximoProblemas); ++i)
            analises[static_cast<size_t>(i)].carregarIndicadores(problemas.item(i));
    } catch (const ErroSorvane &) {
    }
    try {
        const ListaNos causas = secoes.porNome(QStringLiteral("causas")).filhos();
        const ListaNos operacoes = secoes.porNome(QStringLiteral("operacoes")).filhos();
        for (int i = 0; i < std::min(causas.quantidade(), maximoProblemas); ++i) {
            AnaliseProblema &analise = analises[static_cast<size_t>(i)];
            analise.carregarCausas(causas.item(i));
            analise.carregarOperacoes(operacoes.item(i).filhos());
        }
    } catch (const ErroSorvane &) {
    }
    return analises;
}

QByteArray gravarAnalises(const Analises &analises)
{
    DocumentoXml documento;
    ElementoXml raiz = documento.criarRaiz(QStringLiteral("planejamento"), QStringLiteral("xmlns"));
    ElementoXml problemas = raiz.adicionarFilho(QStringLiteral("problemas"));
    ElementoXml indicadores = raiz.adicionarFilho(QStringLiteral("indicadores"));
    ElementoXml causas = raiz.adicionarFilho(QStringLiteral("causas"));
    ElementoXml operacoes = raiz.adicionarFilho(QStringLiteral("operacoes"));
    for (const AnaliseProblema &analise : analises) {
        problemas.adicionarFilho(QStringLiteral("problema"));
        analise.gravarIndicadores(indicadores);
        analise.gravarCausas(causas, operacoes);
    }
    return documento.paraBytes();
}

QString verificarLimites(const AnaliseProblema &analise)
{
    const auto indicadores = analise.indicadores().size();
    const auto causas = analise.causas().size();
    if (indicadores < 1 || indicadores > AnaliseProblema::maximoIndicadores || causas < 1 ||
        causas > AnaliseProblema::maximoCausas)
        return falha("an analysis holds indicators or causes beyond its limits");
    for (int c = 0; c < causas; ++c) {
        const int n = analise.operacoes(c).quantidade();
        if (n < 0 || n > OperacoesCausa::maximo)
            return falha("a cause holds operations beyond its limit");
    }
    return {};
}

bool iguaisComQuebrasLf(const QStringList &lidos, const QStringList &relidos)
{
    if (lidos.size() != relidos.size())
        return false;
    for (qsizetype i = 0; i < lidos.size(); ++i) {
        if (quebrasLf(lidos[i]) != relidos[i])
            return false;
    }
    return true;
}

QStringList comoLista(const OperacoesCausa::Textos &textos)
{
    return QStringList(textos.begin(), textos.end());
}

// `relida` must be `lida` with LF line ends, which is all that writing changes.
QString diferenca(const AnaliseProblema &lida, const AnaliseProblema &relida)
{
    if (!iguaisComQuebrasLf(lida.indicadores(), relida.indicadores()))
        return falha("indicators read back differently");
    if (!iguaisComQuebrasLf(lida.causas(), relida.causas()))
        return falha("causes read back differently");
    for (int c = 0; c < lida.causas().size(); ++c) {
        const OperacoesCausa &antes = lida.operacoes(c);
        const OperacoesCausa &depois = relida.operacoes(c);
        if (antes.quantidade() != depois.quantidade())
            return falha("a cause's operations read back in another number");
        for (int j = 0; j < antes.quantidade(); ++j) {
            if (!iguaisComQuebrasLf(comoLista(antes.textos(j)), comoLista(depois.textos(j))))
                return falha("an operation reads back differently");
        }
    }
    if (quebrasLf(lida.revisao()) != relida.revisao())
        return falha("the review reads back differently");
    return {};
}

// The chart shows of a written plan what the analysis holds.
QString verificarOrganograma(const ListaNos &secoes, const Analises &analises)
{
    for (int i = 0; i < maximoProblemas; ++i) {
        const AnaliseProblema &analise = analises[static_cast<size_t>(i)];
        for (int c = 0; c < analise.causas().size(); ++c) {
            const DadosOrganograma dados = DadosOrganograma::ler(secoes, i, c);
            const OperacoesCausa &operacoes = analise.operacoes(c);
            bool iguais = dados.existeProblema && dados.indicadores == analise.indicadores() &&
                          dados.causa == analise.causas()[c] &&
                          dados.revisao == analise.revisao() &&
                          dados.operacoes.size() == operacoes.quantidade();
            for (int j = 0; iguais && j < operacoes.quantidade(); ++j)
                iguais = dados.operacoes[j] == comoLista(operacoes.textos(j));
            if (!iguais)
                return falha("the chart reads a written plan other than the analysis",
                             QStringLiteral("problem %1, cause %2").arg(i).arg(c));
        }
    }
    return {};
}

// The chart's reader never fails, whatever the plan: every position asked of it gives whole
// operations, and what the choosers list is what the chart shows.
QString verificarLeituraOrganograma(const ListaNos &secoes)
{
    const QStringList nomes = DadosOrganograma::nomesProblemas(secoes);
    for (int p = -1; p <= std::min(static_cast<int>(nomes.size()), maximoProblemas); ++p) {
        const QStringList causas = DadosOrganograma::textosCausas(secoes, p);
        for (int c = -1; c <= std::min(static_cast<int>(causas.size()), 4); ++c) {
            DadosOrganograma dados;
            try {
                dados = DadosOrganograma::ler(secoes, p, c);
            } catch (const ErroSorvane &erro) {
                return falha("the chart's reader raised", erro.mensagem());
            }
            if (dados.quantidadeProblemas != nomes.size())
                return falha("the chart counts other problems than the chooser lists");
            if (dados.existeProblema && c >= 0 && c < causas.size() && dados.causa != causas[c])
                return falha("the chart shows another cause than the chooser lists");
            for (const QStringList &operacao : dados.operacoes) {
                if (operacao.size() != DadosOrganograma::camposOperacao)
                    return falha("the chart reads an operation of other than eight texts");
            }
        }
    }
    return {};
}

} // namespace

QString analise(const QByteArray &bytes)
{
    const std::optional<DocumentoXml> documento = lerDocumento(bytes);
    if (!documento)
        return {};
    const ListaNos secoes = documento->secoes();
    if (QString erro = verificarLeituraOrganograma(secoes); !erro.isEmpty())
        return erro;

    const Analises lidas = lerAnalises(secoes);
    for (const AnaliseProblema &lida : lidas) {
        if (QString erro = verificarLimites(lida); !erro.isEmpty())
            return erro;
    }
    const QByteArray gravado = gravarAnalises(lidas);
    const std::optional<DocumentoXml> relido = lerDocumento(gravado);
    if (!relido)
        return falha("a written analysis is refused");
    const Analises relidas = lerAnalises(relido->secoes());
    for (size_t i = 0; i < lidas.size(); ++i) {
        if (QString erro = diferenca(lidas[i], relidas[i]); !erro.isEmpty())
            return erro + QStringLiteral(" (problem %1)").arg(i);
    }
    if (gravarAnalises(relidas) != gravado)
        return falha("an analysis written, read and written again changed");
    return verificarOrganograma(relido->secoes(), relidas);
}

} // namespace alvos
