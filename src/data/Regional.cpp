#include "data/Regional.h"

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>

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

QDate lerData(const QString &texto)
{
    const QLocale local;
    const QString limpo = texto.trimmed();
    QDate data = local.toDate(limpo, formatoDataCurta());
    if (data.isValid())
        return data;
    data = local.toDate(limpo, local.dateFormat(QLocale::ShortFormat));
    if (data.isValid())
        return data;
    // The date may be followed by a time.
    const QString formatoComHora =
        formatoDataCurta() + u' ' + local.timeFormat(QLocale::ShortFormat);
    QDateTime momento = local.toDateTime(limpo, formatoComHora);
    if (momento.isValid())
        return momento.date();
    momento =
        local.toDateTime(limpo, formatoDataCurta() + u' ' + local.timeFormat(QLocale::LongFormat));
    return momento.isValid() ? momento.date() : QDate();
}

QString formatarUmaDecimal(double valor)
{
    QLocale local;
    local.setNumberOptions(QLocale::OmitGroupSeparator);
    return local.toString(valor, 'f', 1);
}
