#include "support/documents/PlanoAmostra.h"

namespace amostra {

DocumentoXml novoPlano()
{
    DocumentoXml plano;
    plano.criarRaiz(QStringLiteral("planejamento"), QStringLiteral("xmlns"));
    return plano;
}

void adicionarEscola(DocumentoXml &plano, const QString &nome, const QString &diretor,
                     const QString &data)
{
    ElementoXml escola = plano.raiz().adicionarFilho(QStringLiteral("escola"));
    escola.definirAtributo(QStringLiteral("nome"), nome);
    escola.definirAtributo(QStringLiteral("diretor"), diretor);
    escola.definirAtributo(QStringLiteral("data"), data);
}

void adicionarProblemas(DocumentoXml &plano, const QStringList &nomes)
{
    ElementoXml problemas = plano.raiz().adicionarFilho(QStringLiteral("problemas"));
    problemas.definirAtributo(QStringLiteral("maximo"), QStringLiteral("10"));
    problemas.definirAtributo(QStringLiteral("total"), QString::number(nomes.size()));
    for (const QString &nome : nomes) {
        ElementoXml problema = problemas.adicionarFilho(QStringLiteral("problema"));
        problema.definirAtributo(QStringLiteral("nome"), nome);
        problema.definirAtributo(QStringLiteral("cor"), QStringLiteral("0"));
        problema.definirTexto(QStringLiteral("descrição"));
    }
}

void adicionarCategorias(DocumentoXml &plano, const QList<Categoria> &categorias)
{
    ElementoXml secao = plano.raiz().adicionarFilho(QStringLiteral("categorias"));
    secao.definirAtributo(QStringLiteral("maximo"), QStringLiteral("12"));
    secao.definirAtributo(QStringLiteral("total"), QString::number(categorias.size()));
    for (const Categoria &categoria : categorias) {
        ElementoXml elemento = secao.adicionarFilho(QStringLiteral("categoria"));
        elemento.definirAtributo(QStringLiteral("titulo"), categoria.titulo);
        elemento.definirAtributo(QStringLiteral("id"), categoria.id);
        elemento.definirAtributo(QStringLiteral("cor"), QStringLiteral("255"));
        for (const QString &votante : categoria.votantes)
            elemento.adicionarFilho(QStringLiteral("votante")).definirTexto(votante);
    }
}

void adicionarNotas(DocumentoXml &plano, const QList<QList<BlocoNotas>> &problemas)
{
    ElementoXml notas = plano.raiz().adicionarFilho(QStringLiteral("notas"));
    for (const QList<BlocoNotas> &blocos : problemas) {
        ElementoXml problema = notas.adicionarFilho(QStringLiteral("problema"));
        problema.definirAtributo(QStringLiteral("nome"), QStringLiteral("p"));
        for (const BlocoNotas &bloco : blocos) {
            ElementoXml categoria = problema.adicionarFilho(QStringLiteral("categoria"));
            categoria.definirAtributo(QStringLiteral("nome"), bloco.nome);
            for (const QString &nota : bloco.notas)
                categoria.adicionarFilho(QStringLiteral("nota")).definirTexto(nota);
        }
    }
}

DocumentoXml planoPadrao()
{
    DocumentoXml plano = novoPlano();
    adicionarEscola(plano, QStringLiteral("E. E. São Jorge"), QStringLiteral("Ana Lúcia"),
                    QStringLiteral("05/03/2026"));
    adicionarProblemas(plano, {QStringLiteral("Evasão escolar"), QStringLiteral("Indisciplina"),
                               nomeLongo, QStringLiteral("Merenda")});
    adicionarCategorias(
        plano, {{QStringLiteral("Professores"),
                 QStringLiteral("PRO"),
                 {QStringLiteral("Carla"), QStringLiteral("João"), QStringLiteral("Márcia")}},
                {QStringLiteral("Pais"),
                 QStringLiteral("PAI"),
                 {QStringLiteral("Pedro"), QStringLiteral("Rita")}},
                {QStringLiteral("Visitantes"), QStringLiteral("VIS"), {}}});
    adicionarNotas(plano, {{{QStringLiteral("Professores"), {"10", "7", "0"}},
                            {QStringLiteral("Pais"), {"5", "6"}},
                            {QStringLiteral("Visitantes"), {}}},
                           {{QStringLiteral("Professores"), {"1", "2", "3"}},
                            {QStringLiteral("Pais"), {"4", "5"}},
                            {QStringLiteral("Visitantes"), {}}},
                           {{QStringLiteral("Professores"), {"9", "9", "9"}},
                            {QStringLiteral("Pais"), {"0", "0"}},
                            {QStringLiteral("Visitantes"), {}}},
                           {}});
    return plano;
}

} // namespace amostra
