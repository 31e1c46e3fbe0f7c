#include "grading/TabelaNotas.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

bool dentro(int categoria, int votante)
{
    return categoria >= 0 && categoria < TabelaNotas::maximoCategorias && votante >= 0 &&
           votante < TabelaNotas::maximoVotantes;
}

} // namespace

float TabelaNotas::nota(int categoria, int votante) const
{
    if (!dentro(categoria, votante))
        return 0.0f;
    return linhas[static_cast<size_t>(categoria)][static_cast<size_t>(votante)];
}

void TabelaNotas::definirNota(int categoria, int votante, float valor)
{
    if (dentro(categoria, votante))
        linhas[static_cast<size_t>(categoria)][static_cast<size_t>(votante)] = valor;
}

float TabelaNotas::soma(int categoria, int quantidadeVotantes) const
{
    if (categoria < 0 || categoria >= maximoCategorias)
        return 0.0f;
    const int n = std::min(quantidadeVotantes, maximoVotantes);
    float total = 0.0f;
    for (int v = 0; v < n; ++v)
        total = somarPontos(total, linhas[static_cast<size_t>(categoria)][static_cast<size_t>(v)]);
    return total;
}

void TabelaNotas::descartarLinha(int linha, int ultima)
{
    if (ultima >= maximoCategorias || linha < 0 || linha > ultima)
        return;
    for (int c = linha; c < ultima; ++c)
        linhas[static_cast<size_t>(c)] = linhas[static_cast<size_t>(c + 1)];
    linhas[static_cast<size_t>(ultima)].fill(0.0f);
}

void TabelaNotas::inserirLinha(int linha, const Linha &notas)
{
    if (linha < 0 || linha >= maximoCategorias)
        return;
    std::move_backward(linhas.begin() + linha, linhas.end() - 1, linhas.end());
    linhas[static_cast<size_t>(linha)] = notas;
}

const TabelaNotas::Linha &TabelaNotas::linha(int categoria) const
{
    return linhas.at(static_cast<size_t>(categoria));
}

float somarPontos(float a, float b)
{
    const float soma = a + b;
    if (std::isinf(soma))
        return std::copysign(std::numeric_limits<float>::max(), soma);
    return soma;
}

QString formatarNota(float valor)
{
    if (valor == 0.0f)
        return QStringLiteral("0"); // also for −0
    const auto exato = static_cast<double>(valor);
    if (std::trunc(exato) == exato) {
        // Whole grades, nearly all of them, as integers: the same digits, written faster.
        if (std::fabs(exato) < 1e15)
            return QString::number(static_cast<qint64>(exato));
        return QString::number(exato, 'f', 0);
    }
    // A float needs at most nine digits to come back as itself.
    constexpr int digitosFloat = std::numeric_limits<float>::max_digits10;
    for (int digitos = 6; digitos < digitosFloat; ++digitos) {
        const QString texto = QString::number(exato, 'g', digitos);
        if (lerNota(texto) == valor)
            return texto;
    }
    return QString::number(exato, 'g', digitosFloat);
}

std::optional<float> lerNota(const QString &texto)
{
    // A few plain digits, as grades are written, read without the locale's parser.
    if (!texto.isEmpty() && texto.size() <= 6) {
        int valor = 0;
        qsizetype i = 0;
        for (; i < texto.size() && texto[i] >= u'0' && texto[i] <= u'9'; ++i)
            valor = valor * 10 + (texto[i].unicode() - u'0');
        if (i == texto.size())
            return static_cast<float>(valor);
    }
    QString limpo = texto.trimmed();
    const QString separador = QLocale().decimalPoint();
    if (separador != QStringLiteral("."))
        limpo.replace(separador, QStringLiteral("."));
    // Digits grouped by the locale ("1.000" or "1,000") would make another number: refused.
    QLocale neutro = QLocale::c();
    neutro.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double valor = neutro.toDouble(limpo, &ok);
    if (!ok || !std::isfinite(valor) || std::fabs(valor) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<float>(valor);
}
