#include "documents/DadosOrganograma.h"

#include "analysis/AnaliseProblema.h"
#include "data/Erros.h"
#include "data/ListaNos.h"
#include "data/NomesPlano.h"

#include <algorithm>

namespace {

ElementoXml secao(const ListaNos &secoes, const QString &nome)
{
    try {
        return secoes.porNome(nome);
    } catch (const ErroSorvane &) {
        return {};
    }
}

// An element with no node stands for anything missing: its children, texts and attributes
// all read as empty.
ElementoXml filho(const ElementoXml &pai, int posicao)
{
    const ListaNos filhos = pai.filhos();
    if (posicao < 0 || posicao >= filhos.quantidade())
        return {};
    return filhos.item(posicao);
}

QString textoAtributo(const ElementoXml &elemento, const QString &nome)
{
    const ValorAtributo valor = elemento.atributo(nome);
    return valor.nulo() ? QString() : valor.texto();
}

int inteiroAtributo(const ElementoXml &elemento, const QString &nome, int padrao)
{
    try {
        return elemento.atributo(nome).inteiro();
    } catch (const ErroSorvane &) {
        return padrao;
    }
}

QStringList textosFilhos(const ElementoXml &pai)
{
    QStringList textos;
    for (const ElementoXml &elemento : pai.filhos())
        textos.append(elemento.texto());
    return textos;
}

ElementoXml problemaDaSecao(const ListaNos &secoes, const QString &nome, int indiceProblema)
{
    return filho(secao(secoes, nome), indiceProblema);
}

// The operations of cause `indiceCausa`, placed as the analysis places them, so both show the
// same ones; eight texts each.
QVector<QStringList> operacoesDaCausa(const ElementoXml &causas, const ListaNos &operacoes,
                                      int indiceCausa)
{
    QList<int> anunciadas;
    for (const ElementoXml &causa : causas.filhos())
        anunciadas.append(AnaliseProblema::operacoesAnunciadas(causa));
    const AnaliseProblema::Faixa faixa =
        AnaliseProblema::localizarOperacoes(anunciadas, std::max(0, operacoes.quantidade() - 1))
            .value(indiceCausa);
    QVector<QStringList> lidas;
    for (int i = 0; i < faixa.quantidade; ++i) {
        QStringList campos = textosFilhos(operacoes.item(faixa.inicio + i));
        while (campos.size() < DadosOrganograma::camposOperacao)
            campos.append(QString());
        lidas.append(campos.mid(0, DadosOrganograma::camposOperacao));
    }
    return lidas;
}

} // namespace

DadosOrganograma DadosOrganograma::ler(const ListaNos &secoes, int indiceProblema, int indiceCausa)
{
    DadosOrganograma dados;
    dados.data = textoAtributo(secao(secoes, nomesPlano::secaoEscola), nomesPlano::atributoData);

    const ElementoXml problemas = secao(secoes, nomesPlano::secaoProblemas);
    dados.quantidadeProblemas = problemas.filhos().quantidade();
    const ElementoXml problema = filho(problemas, indiceProblema);
    dados.existeProblema = problema.valido();
    if (!dados.existeProblema)
        return dados;
    dados.nomeProblema = textoAtributo(problema, nomesPlano::atributoNome);
    dados.cor = inteiroAtributo(problema, nomesPlano::atributoCor, corPreta);

    dados.indicadores =
        textosFilhos(problemaDaSecao(secoes, nomesPlano::secaoIndicadores, indiceProblema));

    const ElementoXml causas = problemaDaSecao(secoes, nomesPlano::secaoCausas, indiceProblema);
    dados.indiceCausa = indiceCausa;
    dados.causa = filho(causas, indiceCausa).texto();

    const ElementoXml operacoes =
        problemaDaSecao(secoes, nomesPlano::secaoOperacoes, indiceProblema);
    const ListaNos filhosOperacoes = operacoes.filhos();
    if (filhosOperacoes.quantidade() > 0)
        dados.revisao = filhosOperacoes.item(filhosOperacoes.quantidade() - 1).texto();

    dados.operacoes = operacoesDaCausa(causas, filhosOperacoes, indiceCausa);
    return dados;
}

QStringList DadosOrganograma::nomesProblemas(const ListaNos &secoes)
{
    QStringList nomes;
    for (const ElementoXml &problema : secao(secoes, nomesPlano::secaoProblemas).filhos())
        nomes.append(textoAtributo(problema, nomesPlano::atributoNome));
    return nomes;
}

QStringList DadosOrganograma::textosCausas(const ListaNos &secoes, int indiceProblema)
{
    return textosFilhos(problemaDaSecao(secoes, nomesPlano::secaoCausas, indiceProblema));
}
