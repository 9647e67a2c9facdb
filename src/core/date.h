#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

namespace kb {

// Days since 30.12.1899; draw dates are whole numbers.
using TDate = double;

inline constexpr int Sonntag = 1;
inline constexpr int Mittwoch = 4;
inline constexpr int Samstag = 7;

// German weekday names, index 1 = Sonntag ... 7 = Samstag (index 0 is empty).
extern const QStringList WochentagNamen;

QDate zuQDate(TDate d);
TDate ausQDate(const QDate& d);

// 1 = Sunday ... 7 = Saturday.
int Wochentag(TDate d);
int Wochentag(const QDate& d);

// The locale's short date format with a four-digit year (German: 30.03.2024).
QString kurzDatumFormat(const QLocale& locale);
QString DatumText(TDate d, const QLocale& locale);
QString DatumText(const QDate& d, const QLocale& locale);
std::optional<TDate> DatumAusText(const QString& text, const QLocale& locale);

} // namespace kb
