#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>
#include <limits>
#include <optional>

namespace kb {

// Amounts in ten-thousandths of a euro (12.135,40 EUR = 121354000).
using Geld = std::int64_t;
inline constexpr Geld GeldProEuro = 10000;

// a + b held at the bounds of Geld: amounts from a broken quota file must not overflow a total.
inline Geld GeldSumme(Geld a, Geld b) {
    Geld summe = 0;
    if (__builtin_add_overflow(a, b, &summe))
        return b > 0 ? std::numeric_limits<Geld>::max() : std::numeric_limits<Geld>::min();
    return summe;
}

// Integer division rounded half to even.
std::int64_t rundeHalbGerade(std::int64_t zaehler, std::int64_t nenner);

// Number text with grouping, pattern "#,".
QString ZahlText(std::int64_t n, const QLocale& locale);
// Two decimals with grouping ("12.135,40").
QString GeldText(Geld betrag, const QLocale& locale);
// As GeldText, with the locale's currency symbol in its place ("12.135,40 €").
QString GeldWaehrungText(Geld betrag, const QLocale& locale);
// Parses "12.135,40", "12135,4", "-5" or with a currency symbol; exact, no binary floating point.
std::optional<Geld> GeldAusText(const QString& text, const QLocale& locale);

} // namespace kb
