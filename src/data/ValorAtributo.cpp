#include "data/ValorAtributo.h"

#include "data/Erros.h"

#include <algorithm>
#include <cstdint>

ValorAtributo::ValorAtributo(const QString &nome, std::optional<QString> valor)
    : nome(nome), valor(std::move(valor))
{
}

QString ValorAtributo::texto() const
{
    if (!valor)
        throw ErroXml(QStringLiteral("Atributo \"%1\" não encontrado.").arg(nome));
    return *valor;
}

int ValorAtributo::inteiro() const
{
    return converterInteiro(texto());
}

int converterInteiro(const QString &texto)
{
    const QString limpo = texto.trimmed();
    bool ok = false;
    const qlonglong numero = limpo.toLongLong(&ok, 10);
    const bool soDigitos =
        !limpo.isEmpty() &&
        std::all_of(limpo.begin() + ((limpo[0] == u'-' || limpo[0] == u'+') ? 1 : 0), limpo.end(),
                    [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!ok || !soDigitos || numero < INT32_MIN || numero > INT32_MAX)
        throw ErroConversao(QStringLiteral("\"%1\" não é um número inteiro válido.").arg(texto));
    return static_cast<int>(numero);
}
