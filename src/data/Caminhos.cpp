#include "data/Caminhos.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

// The drive part of an absolute name ("C:", "//servidor/pasta"); empty for a relative name.
// Every absolute name on a host without drives shares the one drive "/".
QString unidade(const QString &nome)
{
#ifdef Q_OS_WIN
    if (nome.size() >= 2 && nome[1] == u':' && nome[0].isLetter())
        return nome.left(2);
    if (nome.startsWith(QStringLiteral("//"))) {
        const QStringList partes = nome.mid(2).split(u'/');
        if (partes.size() >= 2)
            return QStringLiteral("//") + partes[0] + u'/' + partes[1];
    }
    return QString();
#else
    return nome.startsWith(u'/') ? QStringLiteral("/") : QString();
#endif
}

QStringList diretorios(const QString &caminho, const QString &unidadeDoCaminho)
{
    return caminho.mid(unidadeDoCaminho.size()).split(u'/', Qt::SkipEmptyParts);
}

} // namespace

QString nomeRelativo(const QString &nome, const QString &base, Qt::CaseSensitivity caixa)
{
    const QString limpo = QDir::fromNativeSeparators(nome);
    const QString baseLimpa = QDir::fromNativeSeparators(base);
    const QString unidadeNome = unidade(limpo);
    if (unidadeNome.isEmpty() ||
        unidadeNome.compare(unidade(baseLimpa), Qt::CaseInsensitive) != 0) {
        return nome;
    }

    // "a/b/../c" is "a/c": the name's own ".." steps must not count as shared levels.
    const QString absoluto = QDir::cleanPath(limpo);
    QStringList pastasNome = diretorios(absoluto, unidadeNome);
    const QString arquivo = pastasNome.isEmpty() ? QString() : pastasNome.takeLast();
    const QStringList pastasBase = diretorios(QDir::cleanPath(baseLimpa), unidadeNome);

    qsizetype comuns = 0;
    while (comuns < pastasNome.size() && comuns < pastasBase.size() &&
           pastasNome[comuns].compare(pastasBase[comuns], caixa) == 0) {
        ++comuns;
    }
    QString resultado;
    for (qsizetype i = comuns; i < pastasBase.size(); ++i)
        resultado += QStringLiteral("../");
    for (qsizetype i = comuns; i < pastasNome.size(); ++i)
        resultado += pastasNome[i] + u'/';
    return resultado + arquivo;
}

bool arquivoExiste(const QString &nome)
{
    return !nome.isEmpty() && QFileInfo(nome).isFile();
}

QString diretorioAtual()
{
    return QDir::currentPath() + u'/';
}

bool mesmoArquivo(const QString &um, const QString &outro)
{
    const QFileInfo a(um);
    const QFileInfo b(outro);
    if (a.exists() && b.exists())
        return a.canonicalFilePath().compare(b.canonicalFilePath(), caixaDosNomes) == 0;
    return QDir::cleanPath(a.absoluteFilePath())
               .compare(QDir::cleanPath(b.absoluteFilePath()), caixaDosNomes) == 0;
}
