#include "help/ArquivoAjuda.h"

#include "data/Texto.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

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
        QFile arquivo(QDir(pasta).filePath(nomeArquivoAjuda));
        if (!arquivo.open(QIODevice::ReadOnly))
            continue;
        QString texto = decodificarTexto(arquivo.readAll());
        if (arquivo.error() != QFileDevice::NoError)
            continue;
        texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        texto.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        return texto;
    }
    return std::nullopt;
}
