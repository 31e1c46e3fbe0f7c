#include "alvos/Apoio.h"

#include "data/Erros.h"

#include <QStringView>
#include <algorithm>

namespace alvos {

std::optional<DocumentoXml> lerDocumento(const QByteArray &bytes)
{
    DocumentoXml documento;
    try {
        documento.carregarBytes(bytes);
    } catch (const ErroXml &) {
        return std::nullopt;
    }
    return documento;
}

bool textoValido(const QString &texto)
{
    return QStringView(texto).isValidUtf16();
}

QString quebrasLf(QString texto)
{
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texto.replace(u'\r', u'\n');
    return texto;
}

QString ondeDiferem(const QString &esperado, const QString &obtido)
{
    qsizetype i = 0;
    while (i < esperado.size() && i < obtido.size() && esperado[i] == obtido[i])
        ++i;
    const auto codigos = [i](const QString &texto) {
        QString lista;
        for (qsizetype j = i; j < std::min(texto.size(), i + 4); ++j)
            lista += QStringLiteral(" U+%1").arg(texto[j].unicode(), 4, 16, QChar(u'0'));
        return lista.isEmpty() ? QStringLiteral(" (end)") : lista;
    };
    const qsizetype antes = std::max<qsizetype>(0, i - 24);
    return QStringLiteral("at %1 of %2, after \"%3\", expected%4, got%5")
        .arg(i)
        .arg(esperado.size())
        .arg(esperado.mid(antes, i - antes), codigos(esperado), codigos(obtido));
}

QString falha(const char *promessa, const QString &detalhe)
{
    const QString texto = QString::fromUtf8(promessa);
    return detalhe.isEmpty() ? texto : texto + QStringLiteral(": ") + detalhe;
}

} // namespace alvos
