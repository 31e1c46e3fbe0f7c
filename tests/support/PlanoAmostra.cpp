#include "support/PlanoAmostra.h"

#include "data/TdmDados.h"
#include "grading/ControleNotas.h"
#include "grading/TfrNotas.h"
#include "problems/ControleProblemas.h"
#include "problems/TfrProblema.h"
#include "voters/ControleVotantes.h"
#include "voters/TfrCategoria.h"

#include <QComboBox>
#include <QLineEdit>

namespace amostra {

namespace {

const char *const camposOperacao[] = {"quem",       "oque",  "fisico",    "humano",
                                      "financeiro", "prazo", "resultado", "avaliacao"};

void filhoComTexto(ElementoXml &pai, const QString &nome, const QString &texto)
{
    pai.adicionarFilho(nome).definirTexto(texto);
}

ElementoXml secaoProblemas(DocumentoXml &plano, qsizetype total)
{
    ElementoXml problemas = plano.raiz().adicionarFilho(QStringLiteral("problemas"));
    problemas.definirAtributo(QStringLiteral("maximo"), QStringLiteral("10"));
    problemas.definirAtributo(QStringLiteral("total"), QString::number(total));
    return problemas;
}

void elementoProblema(ElementoXml &secao, const QString &nome, ValorCor cor)
{
    ElementoXml problema = secao.adicionarFilho(QStringLiteral("problema"));
    problema.definirAtributo(QStringLiteral("nome"), nome);
    problema.definirAtributo(QStringLiteral("cor"), QString::number(cor));
    problema.definirTexto(QStringLiteral("descrição"));
}

} // namespace

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
    ElementoXml problemas = secaoProblemas(plano, nomes.size());
    for (const QString &nome : nomes)
        elementoProblema(problemas, nome, 0);
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

QStringList operacao(const QString &prefixo)
{
    QStringList textos;
    for (int i = 1; i <= 8; ++i)
        textos.append(prefixo + QString::number(i));
    return textos;
}

DocumentoXml planoComAnalise(const QVector<Problema> &problemas, const QString &data)
{
    DocumentoXml documento = novoPlano();
    adicionarEscola(documento, QStringLiteral("Escola"), QStringLiteral("Diretor"), data);
    ElementoXml secao = secaoProblemas(documento, problemas.size());
    ElementoXml raiz = documento.raiz();
    raiz.adicionarFilho(QStringLiteral("categorias"));
    raiz.adicionarFilho(QStringLiteral("notas"));
    ElementoXml indicadores = raiz.adicionarFilho(QStringLiteral("indicadores"));
    ElementoXml causas = raiz.adicionarFilho(QStringLiteral("causas"));
    ElementoXml operacoes = raiz.adicionarFilho(QStringLiteral("operacoes"));

    for (const Problema &problema : problemas) {
        elementoProblema(secao, problema.nome, problema.cor);

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

void adicionarProblema(const QString &nome)
{
    controleProblemas->adicionar();
    controleProblemas->quadro(controleProblemas->total() - 1)->definirNome(nome);
}

TfrCategoria *adicionarCategoria(const QString &titulo, const QString &id, ValorCor cor,
                                 const QStringList &nomes)
{
    controleVotantes->adicionar();
    const int c = controleVotantes->total() - 1;
    TfrCategoria *quadro = controleVotantes->quadro(c);
    quadro->montar(); // typed as on its tab
    quadro->edCategoria->setText(titulo);
    quadro->edIdentificador->setText(id);
    quadro->definirCor(cor);
    escolherQuantidade(c, static_cast<int>(nomes.size()));
    for (int j = 0; j < nomes.size(); ++j)
        quadro->definirNomeVotante(j, nomes.at(j));
    return quadro;
}

void escolherQuantidade(int categoria, int votantes)
{
    TfrCategoria *quadro = controleVotantes->quadro(categoria);
    quadro->montar();
    quadro->cbQuantidade->setCurrentIndex(votantes - 1);
    Q_EMIT quadro->cbQuantidade->activated(votantes - 1);
}

void darNota(int p, int c, int v, int nota)
{
    controleNotas->mostrarCategoria(c);
    controleNotas->linhaNotas(p)->montar();
    auto *caixa =
        controleNotas->linhaNotas(p)->findChild<QComboBox *>(QStringLiteral("cbNota%1").arg(v));
    caixa->setCurrentIndex(nota);
    Q_EMIT caixa->activated(nota);
}

DocumentoXml salvarPlano()
{
    DocumentoXml documento = novoPlano();
    TdmDados::gravarListas(documento);
    return documento;
}

void abrirPlano(const DocumentoXml &documento)
{
    DocumentoXml copia;
    copia.carregarBytes(documento.paraBytes());
    controleProblemas->esvaziar();
    controleVotantes->esvaziar();
    TdmDados::lerListas(copia.secoes());
}

QByteArray bytesSecoes(DocumentoXml &documento)
{
    for (const ElementoXml &secao : documento.secoes()) {
        const QString nome = secao.nome();
        if (nome == QLatin1String("indicadores") || nome == QLatin1String("causas") ||
            nome == QLatin1String("operacoes")) {
            secao.filhos().removerTodos();
        }
    }
    return documento.paraBytes();
}

} // namespace amostra
