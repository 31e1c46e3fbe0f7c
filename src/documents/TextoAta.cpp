#include "documents/TextoAta.h"

#include "data/ListaNos.h"
#include "data/NomesPlano.h"
#include "documents/LeituraSecoes.h"
#include "documents/RedatorRico.h"

#include <QApplication>
#include <QLocale>
#include <QTextDocument>
#include <cmath>
#include <limits>

namespace textoAta {

namespace {

const QString linhaEspaco = QStringLiteral(" ");
const QString linhaVazia = QStringLiteral("\n");

// Points never reach infinity: a sum past the largest double stays at it.
double somarPontos(double total, double nota)
{
    const double soma = total + nota;
    if (std::isinf(soma))
        return std::copysign(std::numeric_limits<double>::max(), soma);
    return soma;
}

void escreverEscola(RedatorRico &redator, const ListaNos &secoes)
{
    const ElementoXml escola = secaoOuNada(secoes, nomesPlano::secaoEscola);
    redator.adicionarLinha(QStringLiteral("Escola:") +
                           atributoOuVazio(escola, nomesPlano::atributoNome));
    redator.adicionarLinha(QStringLiteral("Diretor: ") +
                           atributoOuVazio(escola, nomesPlano::atributoDiretor));
    redator.adicionarLinha(QStringLiteral("Data do plano: ") +
                           atributoOuVazio(escola, nomesPlano::atributoData));
    redator.adicionarLinha(linhaVazia);
}

void escreverProblemas(RedatorRico &redator, const ElementoXml &problemas)
{
    redator.adicionarLinha(QStringLiteral("Total de problemas apontados: ") +
                           atributoOuVazio(problemas, nomesPlano::atributoTotal));
    redator.adicionarLinha(linhaEspaco);
    int numero = 1;
    for (const ElementoXml &problema : problemas.filhos()) {
        redator.adicionarLinha(QStringLiteral("Problema %1: ").arg(numero++) +
                               atributoOuVazio(problema, nomesPlano::atributoNome));
        redator.adicionarLinha(QStringLiteral("Descrição: ") + problema.texto());
        redator.adicionarLinha(linhaVazia);
    }
    redator.adicionarLinha(linhaEspaco);
}

void escreverVotantes(RedatorRico &redator, const ListaNos &categorias)
{
    redator.acrescentarNegrito();
    redator.adicionarLinha(QStringLiteral("Votantes:"));
    int numero = 1;
    for (const ElementoXml &categoria : categorias) {
        const QString id = atributoOuVazio(categoria, nomesPlano::atributoId);
        redator.adicionarLinha(QStringLiteral("%1. ").arg(numero++) +
                               atributoOuVazio(categoria, nomesPlano::atributoTitulo) +
                               QStringLiteral("  ( ") + id + QStringLiteral(" )"));
        int posicao = 1;
        for (const ElementoXml &votante : categoria.filhos())
            redator.adicionarLinha(id + QString::number(posicao++) + QStringLiteral(": ") +
                                   votante.texto());
        redator.adicionarLinha(linhaEspaco);
    }
    redator.adicionarLinha(linhaEspaco);
}

void escreverNotas(RedatorRico &redator, const ListaNos &problemas, const ListaNos &notas,
                   const ListaNos &categorias)
{
    redator.acrescentarNegrito();
    redator.acrescentarItalico();
    redator.definirAlturaPixels(redator.alturaPixels() + acrescimoNotasPixels);
    redator.alinhar(Qt::AlignHCenter);
    redator.adicionarLinha(QStringLiteral("- Notas dos problemas -\n"));
    redator.alinhar(Qt::AlignLeft);

    for (int i = 0; i < problemas.quantidade(); ++i) {
        redator.acrescentarNegrito();
        redator.adicionarLinha(QStringLiteral("Problema %1: ").arg(i + 1) +
                               atributoOuVazio(problemas.item(i), nomesPlano::atributoNome));
        double total = 0;
        // A problem without its child under the grades gets no category blocks and a total
        // of 0; a category block without its category gets no identifier.
        const ListaNos blocos = filhoOuNada(notas, i).filhos();
        for (int j = 0; j < blocos.quantidade(); ++j) {
            const ElementoXml bloco = blocos.item(j);
            const QString id = atributoOuVazio(filhoOuNada(categorias, j), nomesPlano::atributoId);
            redator.acrescentarItalico();
            redator.adicionarLinha(atributoOuVazio(bloco, nomesPlano::atributoNome) +
                                   QStringLiteral(" :"));
            int posicao = 1;
            for (const ElementoXml &nota : bloco.filhos()) {
                const QString texto = nota.texto();
                total = somarPontos(total, valorNota(texto).value_or(0));
                redator.adicionarLinha(id + QString::number(posicao++) +
                                       QStringLiteral(" - Nota: ") + texto);
            }
            redator.adicionarLinha(linhaEspaco);
        }
        redator.adicionarLinha(QStringLiteral("Total de pontos: ") + formatarPontos(total));
        redator.adicionarLinha(linhaEspaco);
    }
}

} // namespace

QFont fonte()
{
    QFont interface = QApplication::font();
    interface.setPointSize(tamanhoFontePontos);
    return interface;
}

std::optional<double> valorNota(const QString &texto)
{
    const QString limpo = texto.trimmed();
    // A grade is written with a point; a file from elsewhere may use the regional separator.
    // Thousands separators are never part of a grade, so "7.5" is never read as 75.
    for (QLocale local : {QLocale::c(), QLocale()}) {
        local.setNumberOptions(QLocale::RejectGroupSeparator);
        bool ok = false;
        const double valor = local.toDouble(limpo, &ok);
        if (ok && std::isfinite(valor))
            return valor;
    }
    return std::nullopt;
}

QString formatarPontos(double pontos)
{
    constexpr double limiteInteiro = 1e15;
    if (std::floor(pontos) == pontos && std::fabs(pontos) < limiteInteiro)
        return QString::number(static_cast<qint64>(pontos));
    return QString::number(pontos, 'g', 15);
}

void montar(QTextDocument &documento, const ListaNos &secoes)
{
    RedatorRico redator(documento);
    redator.definirFonte(fonte());

    redator.acrescentarNegrito();
    redator.acrescentarItalico();
    redator.definirAlturaPixels(redator.alturaPixels() + acrescimoTituloPixels);
    redator.alinhar(Qt::AlignHCenter);
    redator.adicionarLinha(QStringLiteral("- Ata de Reunião -\n"));
    redator.alinhar(Qt::AlignLeft);
    redator.acrescentarNegrito();

    const ElementoXml problemas = secaoOuNada(secoes, nomesPlano::secaoProblemas);
    const ListaNos categorias = secaoOuNada(secoes, nomesPlano::secaoCategorias).filhos();
    escreverEscola(redator, secoes);
    escreverProblemas(redator, problemas);
    escreverVotantes(redator, categorias);
    escreverNotas(redator, problemas.filhos(), secaoOuNada(secoes, nomesPlano::secaoNotas).filhos(),
                  categorias);
}

} // namespace textoAta
