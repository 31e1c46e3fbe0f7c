#include "help/ArquivoAjuda.h"

#include "data/Texto.h"

#include <QCoreApplication>
#include <QDir>

namespace {

// The guide is a few pages; a larger file is not it.
constexpr qint64 tamanhoMaximoAjuda = 8 * 1024 * 1024;

} // namespace

QString pastaAjudaInstalada()
{
    return QStringLiteral(SORVANE_DIR_DADOS);
}

QStringList pastasAjuda()
{
    const QString pastaPrograma = QCoreApplication::applicationDirPath();
    QStringList pastas{QDir::currentPath(), pastaPrograma};
    const QString relocada =
        QDir::cleanPath(QDir(pastaPrograma).filePath(QStringLiteral(SORVANE_DIR_DADOS_RELATIVA)));
    pastas.append(relocada);
    if (QDir::cleanPath(pastaAjudaInstalada()) != relocada)
        pastas.append(pastaAjudaInstalada());
    return pastas;
}

std::optional<QString> lerAjuda(const QStringList &pastas)
{
    for (const QString &pasta : pastas) {
        const ArquivoLido lido =
            lerArquivoComum(QDir(pasta).filePath(nomeArquivoAjuda), tamanhoMaximoAjuda);
        if (!lido.lido())
            continue;
        QString texto = decodificarTexto(lido.bytes);
        texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        texto.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        return texto;
    }
    return std::nullopt;
}
