#include "support/PlanoMaximo.h"

#include "data/DocumentoXml.h"

#include <QFile>

namespace {

constexpr int problemas = 10;
constexpr int categorias = 12;
constexpr int votantes = 12;
constexpr int indicadores = 5;
constexpr int causas = 3;
constexpr int operacoes = 3;

// A text of exactly `tamanho` characters, with accents and a line break every 60 characters.
QString texto(const QString &semente, int tamanho)
{
    QString resultado;
    resultado.reserve(tamanho);
    const QString base = semente + QStringLiteral(" ação é índice ");
    while (resultado.size() < tamanho) {
        if (resultado.size() % 60 == 59)
            resultado += u'\n';
        else
            resultado += base[resultado.size() % base.size()];
    }
    return resultado;
}

QString linha(const QString &semente, int tamanho)
{
    return texto(semente, tamanho).replace(u'\n', u' ');
}

} // namespace

QByteArray planoMaximo()
{
    DocumentoXml documento;
    ElementoXml raiz = documento.criarRaiz(QStringLiteral("planejamento"), QStringLiteral("xmlns"));

    ElementoXml escola = raiz.adicionarFilho(QStringLiteral("escola"));
    escola.definirAtributo(QStringLiteral("nome"), linha(QStringLiteral("Escola"), 64));
    escola.definirAtributo(QStringLiteral("diretor"), linha(QStringLiteral("Diretora"), 64));
    escola.definirAtributo(QStringLiteral("data"), QStringLiteral("07/12/2026"));

    ElementoXml secaoProblemas = raiz.adicionarFilho(QStringLiteral("problemas"));
    secaoProblemas.definirAtributo(QStringLiteral("maximo"), QStringLiteral("10"));
    secaoProblemas.definirAtributo(QStringLiteral("total"), QString::number(problemas));
    for (int p = 0; p < problemas; ++p) {
        ElementoXml problema = secaoProblemas.adicionarFilho(QStringLiteral("problema"));
        problema.definirAtributo(QStringLiteral("nome"),
                                 linha(QStringLiteral("Problema %1").arg(p), 128));
        problema.definirAtributo(QStringLiteral("cor"),
                                 QString::number(0x000080 * (p + 1) % 0xFFFFFF));
        problema.definirTexto(QStringLiteral("descrição"));
    }

    ElementoXml secaoCategorias = raiz.adicionarFilho(QStringLiteral("categorias"));
    secaoCategorias.definirAtributo(QStringLiteral("maximo"), QStringLiteral("12"));
    secaoCategorias.definirAtributo(QStringLiteral("total"), QString::number(categorias));
    for (int c = 0; c < categorias; ++c) {
        ElementoXml categoria = secaoCategorias.adicionarFilho(QStringLiteral("categoria"));
        categoria.definirAtributo(QStringLiteral("titulo"),
                                  linha(QStringLiteral("Categoria %1").arg(c), 32));
        categoria.definirAtributo(QStringLiteral("id"),
                                  QStringLiteral("CA") + QChar(u'A' + c)); // three capitals
        categoria.definirAtributo(QStringLiteral("cor"), QString::number(0x008000 + c));
        for (int v = 0; v < votantes; ++v) {
            categoria.adicionarFilho(QStringLiteral("votante"))
                .definirTexto(linha(QStringLiteral("Votante %1 %2").arg(c).arg(v), 40));
        }
    }

    ElementoXml notas = raiz.adicionarFilho(QStringLiteral("notas"));
    ElementoXml secaoIndicadores = raiz.adicionarFilho(QStringLiteral("indicadores"));
    ElementoXml secaoCausas = raiz.adicionarFilho(QStringLiteral("causas"));
    ElementoXml secaoOperacoes = raiz.adicionarFilho(QStringLiteral("operacoes"));
    const QStringList campos = {"quem",       "oque",  "fisico",    "humano",
                                "financeiro", "prazo", "resultado", "avaliacao"};
    for (int p = 0; p < problemas; ++p) {
        ElementoXml notasProblema = notas.adicionarFilho(QStringLiteral("problema"));
        notasProblema.definirAtributo(QStringLiteral("nome"),
                                      linha(QStringLiteral("Problema %1").arg(p), 128));
        for (int c = 0; c < categorias; ++c) {
            ElementoXml categoria = notasProblema.adicionarFilho(QStringLiteral("categoria"));
            categoria.definirAtributo(QStringLiteral("nome"),
                                      linha(QStringLiteral("Categoria %1").arg(c), 32));
            for (int v = 0; v < votantes; ++v)
                categoria.adicionarFilho(QStringLiteral("nota"))
                    .definirTexto(QString::number((p + c + v) % 11));
        }

        ElementoXml indicadoresProblema =
            secaoIndicadores.adicionarFilho(QStringLiteral("problema"));
        for (int i = 0; i < indicadores; ++i) {
            indicadoresProblema.adicionarFilho(QStringLiteral("indicador"))
                .definirTexto(linha(QStringLiteral("Indicador %1").arg(i), 200));
        }

        ElementoXml causasProblema = secaoCausas.adicionarFilho(QStringLiteral("problema"));
        ElementoXml operacoesProblema = secaoOperacoes.adicionarFilho(QStringLiteral("problema"));
        for (int c = 1; c <= causas; ++c) {
            ElementoXml causa = causasProblema.adicionarFilho(QStringLiteral("causa"));
            causa.definirTexto(linha(QStringLiteral("Causa %1").arg(c), 200));
            causa.definirAtributo(QStringLiteral("operacoes"), QString::number(operacoes));
            for (int o = 1; o <= operacoes; ++o) {
                ElementoXml operacao =
                    operacoesProblema.adicionarFilho(QStringLiteral("op%1c%2").arg(c).arg(o));
                for (const QString &campo : campos) {
                    const int limite = campo == QStringLiteral("prazo") ? 256 : 512;
                    operacao.adicionarFilho(campo).definirTexto(texto(campo, limite));
                }
            }
        }
        operacoesProblema.adicionarFilho(QStringLiteral("revisao"))
            .definirTexto(texto(QStringLiteral("Revisão geral"), 4000));
    }
    return documento.paraBytes();
}

void gravarPlanoMaximo(const QString &arquivo)
{
    QFile saida(arquivo);
    if (saida.open(QIODevice::WriteOnly | QIODevice::Truncate))
        saida.write(planoMaximo());
}
