// The text builders of the minutes and the ballots: the bytes as a plan file, its section list
// handed to each builder as the document windows hand it.

#include "alvos/Alvos.h"
#include "alvos/Apoio.h"

#include "documents/LeituraSecoes.h"
#include "documents/TextoAta.h"
#include "documents/TextoCedula.h"

#include <QDate>
#include <QLocale>
#include <QTextBlock>
#include <QTextDocument>
#include <cmath>

namespace alvos {

namespace {

const QString prefixoTotal = QStringLiteral("Total de pontos: ");
const QString tituloCedula = QStringLiteral("- Cédula de Votação -");

// The ballots are built from a saved plan: at most 144 voters, each ballot listing at most 10
// problems. Larger plans only make the builder slower, and the fuzzer with it.
constexpr qsizetype limiteCedulas = 144 * (10 + 1);

QString verificarBlocos(const QTextDocument &documento)
{
    for (QTextBlock bloco = documento.begin(); bloco.isValid(); bloco = bloco.next()) {
        if (!textoValido(bloco.text()))
            return falha("a document holds invalid UTF-16");
    }
    return {};
}

qsizetype quantidadeFilhos(const ListaNos &secoes, const char *secao)
{
    return secaoOuNada(secoes, QString::fromLatin1(secao)).filhos().quantidade();
}

// Every problem gets one total, a number a person reads, and it reads back as itself. A plan
// whose own texts hold the total's caption could fake a line, so those are not counted.
QString verificarTotais(const QTextDocument &ata, const ListaNos &secoes, bool textosLivres)
{
    qsizetype totais = 0;
    for (QTextBlock bloco = ata.begin(); bloco.isValid(); bloco = bloco.next()) {
        const QString texto = bloco.text();
        if (!texto.startsWith(prefixoTotal) || !textosLivres)
            continue;
        ++totais;
        const QString numero = texto.mid(prefixoTotal.size());
        bool ok = false;
        const double valor = QLocale::c().toDouble(numero, &ok);
        if (!ok || !std::isfinite(valor))
            return falha("the minutes show a total that is no number", numero);
        if (textoAta::formatarPontos(valor) != numero)
            return falha("a total does not read back as itself", numero);
    }
    if (textosLivres && totais != quantidadeFilhos(secoes, "problemas"))
        return falha("the minutes show other than one total per problem");
    return {};
}

QString verificarCedulas(const ListaNos &secoes)
{
    qsizetype votantes = 0;
    for (const ElementoXml &categoria : secaoOuNada(secoes, QStringLiteral("categorias")).filhos())
        votantes += categoria.filhos().quantidade();
    if (votantes * (quantidadeFilhos(secoes, "problemas") + 1) > limiteCedulas)
        return {};
    QTextDocument cedulas;
    textoCedula::montar(cedulas, secoes, QDate(2024, 2, 29));
    if (QString erro = verificarBlocos(cedulas); !erro.isEmpty())
        return erro;
    // Titles are the only centred lines, so the texts of the plan cannot fake one.
    qsizetype titulos = 0;
    for (QTextBlock bloco = cedulas.begin(); bloco.isValid(); bloco = bloco.next()) {
        if (bloco.text() == tituloCedula && bloco.blockFormat().alignment() == Qt::AlignHCenter)
            ++titulos;
    }
    if (titulos != votantes)
        return falha("other than one ballot per voter");
    return {};
}

} // namespace

QString documentos(const QByteArray &bytes)
{
    const std::optional<DocumentoXml> documento = lerDocumento(bytes);
    if (!documento)
        return {};
    const ListaNos secoes = documento->secoes();

    QTextDocument ata;
    textoAta::montar(ata, secoes);
    if (QString erro = verificarBlocos(ata); !erro.isEmpty())
        return erro;
    // Saved, a text keeps the caption's characters as they are: nothing in it needs escaping.
    const bool textosLivres = !documento->paraBytes().contains(prefixoTotal.trimmed().toUtf8());
    if (QString erro = verificarTotais(ata, secoes, textosLivres); !erro.isEmpty())
        return erro;
    return verificarCedulas(secoes);
}

} // namespace alvos
