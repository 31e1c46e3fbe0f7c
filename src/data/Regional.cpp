#include "data/Regional.h"

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>

namespace {

// Day and month fields that also accept one digit, as people type them.
QString formatoFlexivel(QString formato)
{
    static const QRegularExpression dia(QStringLiteral("(?<!d)dd(?!d)"));
    static const QRegularExpression mes(QStringLiteral("(?<!M)MM(?!M)"));
    formato.replace(dia, QStringLiteral("d"));
    formato.replace(mes, QStringLiteral("M"));
    return formato;
}

bool temAnoDeDoisDigitos(const QString &formato)
{
    return formato.contains(QStringLiteral("yy")) && !formato.contains(QStringLiteral("yyyy"));
}

// A two-digit year lands within fifty years of today, as the classic date conversion did:
// "26" is 2026, not 1926.
QDate corrigirSeculo(const QDate &data)
{
    const int inicioJanela = QDate::currentDate().year() - 50;
    int ano = inicioJanela / 100 * 100 + data.year() % 100;
    if (ano < inicioJanela)
        ano += 100;
    return QDate(ano, data.month(), data.day());
}

} // namespace

QString formatoDataCurta()
{
    QString formato = QLocale().dateFormat(QLocale::ShortFormat);
    // "dd/MM/yy" and friends: widen any year field to four digits.
    static const QRegularExpression ano(QStringLiteral("y+"));
    formato.replace(ano, QStringLiteral("yyyy"));
    return formato;
}

QString formatarData(const QDate &data)
{
    return QLocale().toString(data, formatoDataCurta());
}

QString formatarDataHora(const QDateTime &momento)
{
    const QLocale local;
    return local.toString(momento.date(), formatoDataCurta()) + u' ' +
           local.toString(momento.time(), QLocale::ShortFormat);
}

QDate lerData(const QString &texto)
{
    const QLocale local;
    const QString limpo = texto.trimmed();
    if (limpo.isEmpty())
        return {};

    // Four-digit years first, then the same fields with two.
    const QString formatoQuatro = formatoFlexivel(formatoDataCurta());
    QString formatoDois = formatoQuatro;
    formatoDois.replace(QStringLiteral("yyyy"), QStringLiteral("yy"));
    const QStringList formatosData{formatoQuatro, formatoDois};
    // The date may be followed by a time, which is read and dropped.
    const QStringList formatosHora{QString(), local.timeFormat(QLocale::ShortFormat),
                                   local.timeFormat(QLocale::LongFormat), QStringLiteral("H:mm"),
                                   QStringLiteral("H:mm:ss")};

    for (const QString &formatoData : formatosData) {
        for (const QString &formatoHora : formatosHora) {
            const QDate data =
                formatoHora.isEmpty()
                    ? local.toDate(limpo, formatoData)
                    : local.toDateTime(limpo, formatoData + u' ' + formatoHora).date();
            if (data.isValid())
                return temAnoDeDoisDigitos(formatoData) ? corrigirSeculo(data) : data;
        }
    }
    return {};
}

QString formatarUmaDecimal(double valor)
{
    QLocale local;
    local.setNumberOptions(QLocale::OmitGroupSeparator);
    return local.toString(valor, 'f', 1);
}
