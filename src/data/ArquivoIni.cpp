#include "data/ArquivoIni.h"

#include "data/Gravacao.h"
#include "data/Texto.h"

namespace {

// Far more than any configuration; a larger file, or one that is not a regular file, reads as
// empty.
constexpr qint64 tamanhoMaximo = 1024 * 1024;

#ifdef Q_OS_WIN
const QString fimDeLinha = QStringLiteral("\r\n");
#else
const QString fimDeLinha = QStringLiteral("\n");
#endif

bool ehSecao(const QString &linha)
{
    const QString limpa = linha.trimmed();
    return limpa.startsWith(u'[') && limpa.endsWith(u']');
}

QString nomeDaSecao(const QString &linha)
{
    const QString limpa = linha.trimmed();
    return limpa.mid(1, limpa.size() - 2).trimmed();
}

} // namespace

ArquivoIni::ArquivoIni(const QString &arquivo) : arquivo(arquivo)
{
    const ArquivoLido lido = lerArquivoComum(arquivo, tamanhoMaximo);
    if (!lido.lido())
        return;
    QString texto = decodificarTexto(lido.bytes);
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    linhas = texto.split(u'\n');
    // The text's last line end leaves one empty piece that is not a line.
    if (!linhas.isEmpty() && linhas.last().isEmpty())
        linhas.removeLast();
}

qsizetype ArquivoIni::linhaDaSecao(const QString &secao) const
{
    for (qsizetype i = 0; i < linhas.size(); ++i) {
        if (ehSecao(linhas[i]) && nomeDaSecao(linhas[i]).compare(secao, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

qsizetype ArquivoIni::linhaDaChave(qsizetype secao, const QString &chave) const
{
    for (qsizetype i = secao + 1; i < linhas.size() && !ehSecao(linhas[i]); ++i) {
        const qsizetype igual = linhas[i].indexOf(u'=');
        if (igual > 0 && linhas[i].left(igual).trimmed().compare(chave, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString ArquivoIni::ler(const QString &secao, const QString &chave, const QString &padrao) const
{
    const qsizetype s = linhaDaSecao(secao);
    if (s < 0)
        return padrao;
    const qsizetype k = linhaDaChave(s, chave);
    if (k < 0)
        return padrao;
    return linhas[k].mid(linhas[k].indexOf(u'=') + 1).trimmed();
}

void ArquivoIni::escrever(const QString &secao, const QString &chave, const QString &valor)
{
    const QString nova = chave + u'=' + valor;
    qsizetype s = linhaDaSecao(secao);
    if (s < 0) {
        linhas.append(u'[' + secao + u']');
        linhas.append(nova);
        return;
    }
    const qsizetype k = linhaDaChave(s, chave);
    if (k >= 0) {
        linhas[k] = nova;
        return;
    }
    // After the section's last key, before any blank lines that separate it from the next.
    qsizetype fim = s + 1;
    while (fim < linhas.size() && !ehSecao(linhas[fim]))
        ++fim;
    while (fim > s + 1 && linhas[fim - 1].trimmed().isEmpty())
        --fim;
    linhas.insert(fim, nova);
}

QString ArquivoIni::conteudo() const
{
    QString texto;
    for (const QString &linha : linhas)
        texto += linha + fimDeLinha;
    return texto;
}

bool ArquivoIni::gravar()
{
    ultimoErro.clear();
    return gravarArquivoInteiro(arquivo, conteudo().toUtf8(), &ultimoErro);
}
