#include "documents/TextoCedula.h"

#include "data/ListaNos.h"
#include "data/Regional.h"
#include "documents/LeituraSecoes.h"
#include "documents/RedatorRico.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace textoCedula {

namespace {

const QString titulo = QStringLiteral("- Cédula de Votação -\n");
const QString cabecalho = QStringLiteral("Problema \t\t\t\t Nota");
const QString espacos =
    QStringLiteral("\t 1__   2__   3__   4__   5__   6__   7__   8__   9__   10__");
const QString linhaEspaco = QStringLiteral(" ");

void escreverCedula(RedatorRico &redator, const QString &cabecalhoVotante,
                    const QStringList &linhasProblemas)
{
    const int alturaCorpo = redator.alturaPixels();
    redator.definirAlturaPixels(alturaCorpo + acrescimoTituloPixels);
    redator.alinhar(Qt::AlignHCenter);
    redator.adicionarLinha(titulo);
    redator.alinhar(Qt::AlignLeft);
    // The body goes back to its own size, so every ballot looks alike however many there are.
    redator.definirAlturaPixels(alturaCorpo);

    redator.adicionarLinha(cabecalhoVotante);
    redator.adicionarLinha(linhaEspaco);
    redator.adicionarLinha(cabecalho);
    redator.adicionarLinha(linhaEspaco);
    for (const QString &linha : linhasProblemas) {
        redator.adicionarLinha(linha);
        redator.adicionarLinha(linhaEspaco);
    }
    redator.adicionarLinha(QString(larguraSeparador, u'-'));
    redator.adicionarLinha(linhaEspaco);
}

} // namespace

QString linhaProblema(int numero, const QString &nome)
{
    const QString linha = QString::number(numero) + QStringLiteral(") ") + nome;
    return linha.leftJustified(larguraNomeProblema, u' ') + u':' + espacos;
}

QFont fonte()
{
    QFont fixa = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    // Names are padded with spaces to line the grades up, which only a fixed pitch does; some
    // systems offer as their fixed face one that Qt does not measure as fixed.
    if (!QFontInfo(fixa).fixedPitch())
        fixa = QFont(QStringLiteral("DejaVu Sans Mono"));
    fixa.setStyleHint(QFont::Monospace);
    fixa.setPointSize(tamanhoFontePontos);
    return fixa;
}

void montar(QTextDocument &documento, const ListaNos &secoes, const QDate &hoje)
{
    RedatorRico redator(documento);
    redator.definirFonte(fonte());
    const ListaNos categorias = secaoOuNada(secoes, QStringLiteral("categorias")).filhos();
    // Every ballot lists the same problems.
    QStringList linhasProblemas;
    int numero = 1;
    for (const ElementoXml &problema : secaoOuNada(secoes, QStringLiteral("problemas")).filhos())
        linhasProblemas.append(
            linhaProblema(numero++, atributoOuVazio(problema, QStringLiteral("nome"))));
    const QString data = formatarData(hoje);
    for (const ElementoXml &categoria : categorias) {
        const QString tituloCategoria = atributoOuVazio(categoria, QStringLiteral("titulo"));
        for (const ElementoXml &votante : categoria.filhos()) {
            escreverCedula(redator,
                           QStringLiteral("Data: ") + data + QStringLiteral("\t\tCategoria :") +
                               tituloCategoria + QStringLiteral("\t\tNome: ") + votante.texto(),
                           linhasProblemas);
        }
    }
}

} // namespace textoCedula
