#include "support/analysis/SecoesAnalise.h"

#include "analysis/TfmICProblema.h"
#include "data/Erros.h"

namespace analise {

DocumentoXml documentoVazio()
{
    DocumentoXml documento;
    ElementoXml raiz = documento.criarRaiz(QStringLiteral("planejamento"), QStringLiteral("xmlns"));
    raiz.adicionarFilho(QStringLiteral("indicadores"));
    raiz.adicionarFilho(QStringLiteral("causas"));
    raiz.adicionarFilho(QStringLiteral("operacoes"));
    return documento;
}

QByteArray gravar(const std::vector<const TfmICProblema *> &janelas)
{
    DocumentoXml documento = documentoVazio();
    const ListaNos secoes = documento.secoes();
    for (const TfmICProblema *janela : janelas) {
        const AnaliseProblema analise = janela->analise();
        analise.gravarIndicadores(secoes.porNome(QStringLiteral("indicadores")));
        analise.gravarCausas(secoes.porNome(QStringLiteral("causas")),
                             secoes.porNome(QStringLiteral("operacoes")));
    }
    return documento.paraBytes();
}

bool ler(const QByteArray &bytes, const std::vector<TfmICProblema *> &janelas)
{
    DocumentoXml documento;
    documento.carregarBytes(bytes);
    const ListaNos secoes = documento.secoes();
    const ListaNos indicadores = secoes.porNome(QStringLiteral("indicadores")).filhos();
    // As a ranking row does: read into the analysis, which the window then takes whole.
    for (int i = 0; i < indicadores.quantidade() && i < static_cast<int>(janelas.size()); ++i) {
        TfmICProblema *janela = janelas[static_cast<size_t>(i)];
        AnaliseProblema lida = janela->analise();
        lida.carregarIndicadores(indicadores.item(i));
        janela->assumir(lida);
    }
    try {
        const ListaNos causas = secoes.porNome(QStringLiteral("causas")).filhos();
        const ListaNos operacoes = secoes.porNome(QStringLiteral("operacoes")).filhos();
        for (int i = 0; i < causas.quantidade() && i < static_cast<int>(janelas.size()); ++i) {
            TfmICProblema *janela = janelas[static_cast<size_t>(i)];
            AnaliseProblema lida = janela->analise();
            lida.carregarCausas(causas.item(i));
            try {
                lida.carregarOperacoes(operacoes.item(i).filhos());
            } catch (const ErroSorvane &) {
                janela->assumir(lida); // what was read before the damage stays
                throw;
            }
            janela->assumir(lida);
        }
    } catch (const ErroSorvane &) {
        return false;
    }
    return true;
}

QStringList nomesDosFilhos(const QByteArray &bytes, const QString &secao, int problema)
{
    DocumentoXml documento;
    documento.carregarBytes(bytes);
    QStringList nomes;
    for (const ElementoXml &filho :
         documento.secoes().porNome(secao).filhos().item(problema).filhos())
        nomes.append(filho.nome());
    return nomes;
}

} // namespace analise
