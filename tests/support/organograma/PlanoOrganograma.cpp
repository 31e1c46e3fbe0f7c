#include "support/organograma/PlanoOrganograma.h"

namespace planoOrganograma {

namespace {

const char *const camposOperacao[] = {"quem",       "oque",  "fisico",    "humano",
                                      "financeiro", "prazo", "resultado", "avaliacao"};

void filhoComTexto(ElementoXml &pai, const QString &nome, const QString &texto)
{
    pai.adicionarFilho(nome).definirTexto(texto);
}

} // namespace

QStringList operacao(const QString &prefixo)
{
    QStringList textos;
    for (int i = 1; i <= 8; ++i)
        textos.append(prefixo + QString::number(i));
    return textos;
}

DocumentoXml montar(const QVector<Problema> &problemas, const QString &data)
{
    DocumentoXml documento;
    ElementoXml raiz = documento.criarRaiz(QStringLiteral("planejamento"), QStringLiteral("xmlns"));
    ElementoXml escola = raiz.adicionarFilho(QStringLiteral("escola"));
    escola.definirAtributo(QStringLiteral("nome"), QStringLiteral("Escola"));
    escola.definirAtributo(QStringLiteral("diretor"), QStringLiteral("Diretor"));
    escola.definirAtributo(QStringLiteral("data"), data);

    ElementoXml secaoProblemas = raiz.adicionarFilho(QStringLiteral("problemas"));
    secaoProblemas.definirAtributo(QStringLiteral("maximo"), QStringLiteral("10"));
    secaoProblemas.definirAtributo(QStringLiteral("total"), QString::number(problemas.size()));
    raiz.adicionarFilho(QStringLiteral("categorias"));
    raiz.adicionarFilho(QStringLiteral("notas"));
    ElementoXml indicadores = raiz.adicionarFilho(QStringLiteral("indicadores"));
    ElementoXml causas = raiz.adicionarFilho(QStringLiteral("causas"));
    ElementoXml operacoes = raiz.adicionarFilho(QStringLiteral("operacoes"));

    for (const Problema &problema : problemas) {
        ElementoXml elemento = secaoProblemas.adicionarFilho(QStringLiteral("problema"));
        elemento.definirAtributo(QStringLiteral("nome"), problema.nome);
        elemento.definirAtributo(QStringLiteral("cor"), QString::number(problema.cor));
        elemento.definirTexto(QStringLiteral("descrição"));

        ElementoXml seusIndicadores = indicadores.adicionarFilho(QStringLiteral("problema"));
        for (const QString &indicador : problema.indicadores)
            filhoComTexto(seusIndicadores, QStringLiteral("indicador"), indicador);

        ElementoXml suasCausas = causas.adicionarFilho(QStringLiteral("problema"));
        ElementoXml suasOperacoes = operacoes.adicionarFilho(QStringLiteral("problema"));
        for (int c = 0; c < problema.causas.size(); ++c) {
            const Causa &causa = problema.causas[c];
            ElementoXml elementoCausa = suasCausas.adicionarFilho(QStringLiteral("causa"));
            elementoCausa.definirTexto(causa.texto);
            elementoCausa.definirAtributo(QStringLiteral("operacoes"),
                                          causa.anunciadas.isNull()
                                              ? QString::number(causa.operacoes.size())
                                              : causa.anunciadas);
            for (int j = 0; j < causa.operacoes.size(); ++j) {
                ElementoXml op =
                    suasOperacoes.adicionarFilho(QStringLiteral("op%1c%2").arg(c + 1).arg(j + 1));
                const QStringList &textos = causa.operacoes[j];
                for (int k = 0; k < textos.size() && k < 8; ++k)
                    filhoComTexto(op, QString::fromLatin1(camposOperacao[k]), textos[k]);
            }
        }
        filhoComTexto(suasOperacoes, QStringLiteral("revisao"), problema.revisao);
    }
    return documento;
}

} // namespace planoOrganograma
