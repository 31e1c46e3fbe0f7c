#pragma once

// Dates and numbers as the user's regional settings write them (QLocale()).

#include <QDate>
#include <QDateTime>
#include <QString>

// The locale's short date format, always with a four-digit year (07/12/2026).
QString formatoDataCurta();
QString formatarData(const QDate &data);
// The short date (four-digit year) and the locale's short time: 07/12/2026 14:05.
QString formatarDataHora(const QDateTime &momento);

// A date, with an optional time after it, in the short formats; an invalid QDate when the text
// is not a real date (31/02/2026, letters, empty).
QDate lerData(const QString &texto);

// "0.0": at least one digit before the locale's decimal separator and exactly one after.
QString formatarUmaDecimal(double valor);
