#include "support/confiabilidade/PercursoPlano.h"

#include "app/TfmPrincipal.h"
#include "data/DocumentoXml.h"
#include "data/Erros.h"
#include "data/TdmDados.h"
#include "documents/TfmCedula.h"
#include "documents/TfmDiagrama.h"
#include "documents/TfmRelatorio.h"
#include "grading/ControleNotas.h"
#include "problems/ControleProblemas.h"
#include "voters/ControleVotantes.h"

#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
#include <QTextEdit>
#include <cmath>

namespace {

const QString arquivoEntrada = QStringLiteral("entrada.xml");
const QString arquivoSaida = QStringLiteral("saida.xml");
const QString arquivoSegundaSaida = QStringLiteral("saida2.xml");

QByteArray lerArquivo(const QString &nome)
{
    QFile arquivo(nome);
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
}

template <typename Acao> void aceitarRecusa(Acao acao)
{
    try {
        acao();
    } catch (const ErroSorvane &) {
        // A damaged plan may be refused with a message; that is not a fault.
    }
}

void abrirESalvar(const QString &nome, const QString &destino)
{
    controleProblemas->esvaziar();
    controleVotantes->esvaziar();
    aceitarRecusa([&] { dmDados->carregar(nome); });
    controleProblemas->atualizar(false);
    controleVotantes->atualizar(false);
    controleNotas->atualizar(false);
    QFile::remove(destino);
    dmDados->salvar(destino);
}

bool finito(const QString &numero)
{
    bool ok = false;
    const double valor = QLocale().toDouble(numero, &ok);
    return ok && std::isfinite(valor);
}

// Points on the ranking tab and in the minutes are numbers a person can read.
QString pontosNaoFinitos(const QString &ata)
{
    const QList<QLabel *> rotulos = fmPrincipal->findChildren<QLabel *>(
        QRegularExpression(QStringLiteral("^rotuloValor\\d+$")));
    for (const QLabel *rotulo : rotulos) {
        if (!finito(rotulo->text()))
            return QStringLiteral("ranking shows \"%1\"").arg(rotulo->text());
    }
    static const QRegularExpression total(QStringLiteral("^Total de pontos: (\\S+)$"),
                                          QRegularExpression::MultilineOption);
    for (auto achado = total.globalMatch(ata); achado.hasNext();) {
        const QString pontos = achado.next().captured(1);
        bool ok = false;
        if (!std::isfinite(QLocale::c().toDouble(pontos, &ok)) || !ok)
            return QStringLiteral("minutes show \"%1\" points").arg(pontos);
    }
    return {};
}

} // namespace

QString percorrerPlano(const QByteArray &bytes)
{
    {
        QFile entrada(arquivoEntrada);
        if (!entrada.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            entrada.write(bytes) != bytes.size())
            return QStringLiteral("the input could not be written");
    }

    abrirESalvar(arquivoEntrada, arquivoSaida);
    const QByteArray salvo = lerArquivo(arquivoSaida);
    if (salvo.isEmpty())
        return QStringLiteral("the plan on screen was not saved");
    abrirESalvar(arquivoSaida, arquivoSegundaSaida);
    if (lerArquivo(arquivoSegundaSaida) != salvo)
        return QStringLiteral("opening and saving a saved plan changed it");

    // The documents as the program builds them: from the plan just saved.
    const ListaNos salvas = dmDados->xmlDoc.secoes();
    QString ata;
    {
        TfmRelatorio relatorio;
        relatorio.montarAta(salvas);
        ata = relatorio.findChild<QTextEdit *>(QStringLiteral("relatorio"))->toPlainText();
    }
    if (const QString erro = pontosNaoFinitos(ata); !erro.isEmpty())
        return erro;
    {
        TfmCedula cedula;
        cedula.gerarCedula(salvas);
    }
    {
        TfmDiagrama diagrama;
        diagrama.montarOrganograma(salvas, dmDados->arquivoPlano);
    }

    // The minutes and the chart also from the bytes as they came, which no save has tamed.
    // (Not the ballots: one per voter for every problem is quadratic in a file without limits,
    // and the program only ever builds them from a saved plan, at most 144 of 10 problems.)
    DocumentoXml documento;
    try {
        documento.carregarBytes(bytes);
    } catch (const ErroSorvane &) {
        return {};
    }
    const ListaNos secoes = documento.secoes();
    aceitarRecusa([&] {
        TfmRelatorio relatorio;
        relatorio.montarAta(secoes);
        ata = relatorio.findChild<QTextEdit *>(QStringLiteral("relatorio"))->toPlainText();
    });
    aceitarRecusa([&] {
        TfmDiagrama diagrama;
        diagrama.montarOrganograma(secoes, QStringLiteral("plano.xml"));
    });
    return pontosNaoFinitos(ata);
}
