#include "documents/TextoCedula.h"

#include "data/ListaNos.h"
#include "data/NomesPlano.h"
#include "data/Regional.h"
#include "documents/LeituraSecoes.h"
#include "documents/RedatorRico.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTextDocument>
#include <QTextOption>

namespace textoCedula {

namespace {

const QString titulo = QStringLiteral("- Cédula de Votação -\n");
const QString cabecalho = QStringLiteral("Problema \t\t\t\t Nota");
const QString espacos =
    QStringLiteral("\t 1__   2__   3__   4__   5__   6__   7__   8__   9__   10__");
const QString linhaEspaco = QStringLiteral(" ");

struct LinhaProblema {
    QString tela;
    QString papel;
};

void escreverCedula(RedatorRico &redator, const QString &cabecalhoVotante,
                    const QList<LinhaProblema> &linhasProblemas)
{
    const int alturaCorpo = redator.alturaPixels();
    redator.iniciarParte();
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
    for (const LinhaProblema &linha : linhasProblemas) {
        redator.adicionarLinha(linha.tela, linha.papel);
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

QString linhaProblemaNoPapel(int numero, const QString &nome)
{
    const QString linha = QString::number(numero) + QStringLiteral(") ") + nome;
    if (linha.size() <= larguraNomeProblema)
        return linhaProblema(numero, nome);
    // A line break inside the paragraph, then as many spaces as a padded name and its colon.
    return linha + u':' + QChar(QChar::LineSeparator) + QString(larguraNomeProblema + 1, u' ') +
           espacos;
}

qreal distanciaTabulacao()
{
    qreal pontosPorPolegada = 96;
    if (!QCoreApplication::testAttribute(Qt::AA_Use96Dpi)) {
        if (const QScreen *tela = QGuiApplication::primaryScreen())
            pontosPorPolegada = qRound(tela->logicalDotsPerInchY());
    }
    return tabulacaoPontos * pontosPorPolegada / 72;
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
    QTextOption opcao = documento.defaultTextOption();
    opcao.setTabStopDistance(distanciaTabulacao());
    documento.setDefaultTextOption(opcao);
    const ListaNos categorias = secaoOuNada(secoes, nomesPlano::secaoCategorias).filhos();
    // Every ballot lists the same problems.
    QList<LinhaProblema> linhasProblemas;
    int numero = 1;
    for (const ElementoXml &problema : secaoOuNada(secoes, nomesPlano::secaoProblemas).filhos()) {
        const QString nome = atributoOuVazio(problema, nomesPlano::atributoNome);
        linhasProblemas.append({linhaProblema(numero, nome), linhaProblemaNoPapel(numero, nome)});
        ++numero;
    }
    const QString data = formatarData(hoje);
    for (const ElementoXml &categoria : categorias) {
        const QString tituloCategoria = atributoOuVazio(categoria, nomesPlano::atributoTitulo);
        for (const ElementoXml &votante : categoria.filhos()) {
            escreverCedula(redator,
                           QStringLiteral("Data: ") + data + QStringLiteral("\t\tCategoria :") +
                               tituloCategoria + QStringLiteral("\t\tNome: ") + votante.texto(),
                           linhasProblemas);
        }
    }
}

} // namespace textoCedula
