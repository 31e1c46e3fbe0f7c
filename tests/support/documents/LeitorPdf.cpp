#include "support/documents/LeitorPdf.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextDocumentFragment>

namespace leitorPdf {

namespace {

QString executar(const QString &programa, const QStringList &argumentos)
{
    QProcess processo;
    processo.start(programa, argumentos);
    if (!processo.waitForFinished(60000) || processo.exitCode() != 0)
        return {};
    return QString::fromUtf8(processo.readAllStandardOutput());
}

QString campoInfo(const QString &arquivo, const QString &campo)
{
    const QStringList saida = executar(QStringLiteral("pdfinfo"), {arquivo}).split(u'\n');
    for (const QString &linha : saida) {
        if (linha.startsWith(campo + u':'))
            return linha.mid(campo.size() + 1).trimmed();
    }
    return {};
}

} // namespace

bool disponivel()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

QString texto(const QString &arquivo)
{
    return executar(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                     arquivo, QStringLiteral("-")});
}

QString titulo(const QString &arquivo)
{
    return campoInfo(arquivo, QStringLiteral("Title"));
}

int paginas(const QString &arquivo)
{
    return campoInfo(arquivo, QStringLiteral("Pages")).toInt();
}

QList<Palavra> palavras(const QString &arquivo)
{
    const QString html = executar(QStringLiteral("pdftotext"),
                                  {QStringLiteral("-bbox"), QStringLiteral("-enc"),
                                   QStringLiteral("UTF-8"), arquivo, QStringLiteral("-")});
    static const QRegularExpression marca(
        QStringLiteral("<page |<word xMin=\"([-\\d.]+)\" yMin=\"([-\\d.]+)\" "
                       "xMax=\"([-\\d.]+)\" yMax=\"([-\\d.]+)\">([^<]*)</word>"));
    QList<Palavra> resultado;
    int pagina = 0;
    for (auto achado = marca.globalMatch(html); achado.hasNext();) {
        const QRegularExpressionMatch m = achado.next();
        if (m.captured(0).startsWith(QStringLiteral("<page"))) {
            ++pagina;
            continue;
        }
        Palavra palavra;
        palavra.pagina = pagina;
        palavra.caixa = QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                               QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
        palavra.texto = QTextDocumentFragment::fromHtml(m.captured(5)).toPlainText();
        resultado.append(palavra);
    }
    return resultado;
}

} // namespace leitorPdf
