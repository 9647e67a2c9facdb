#include "money.h"

#include <limits>

namespace kb {

std::int64_t rundeHalbGerade(std::int64_t zaehler, std::int64_t nenner) {
    if (nenner < 0) {
        zaehler = -zaehler;
        nenner = -nenner;
    }
    std::int64_t q = zaehler / nenner;
    std::int64_t r = zaehler % nenner;
    if (r < 0) {
        r += nenner;
        --q;
    }
    // r in [0, nenner): round up when past the half, or exactly half and q odd.
    const std::int64_t doppelt = 2 * r;
    if (doppelt > nenner || (doppelt == nenner && (q & 1) != 0))
        ++q;
    return q;
}

QString ZahlText(std::int64_t n, const QLocale& locale) { return locale.toString(static_cast<qlonglong>(n)); }

QString GeldText(Geld betrag, const QLocale& locale) {
    const std::int64_t cent = rundeHalbGerade(betrag, 100);
    const bool negativ = cent < 0;
    const std::uint64_t betragCent =
        negativ ? static_cast<std::uint64_t>(-(cent + 1)) + 1 : static_cast<std::uint64_t>(cent);
    const std::uint64_t euro = betragCent / 100;
    const unsigned rest = static_cast<unsigned>(betragCent % 100);
    QString text = locale.toString(static_cast<qulonglong>(euro)) + locale.decimalPoint() +
                   QStringLiteral("%1").arg(rest, 2, 10, QLatin1Char('0'));
    if (negativ)
        text.prepend(locale.negativeSign());
    return text;
}

QString GeldWaehrungText(Geld betrag, const QLocale& locale) {
    const QString zahl = GeldText(betrag, locale);
    const QString symbol = locale.currencySymbol();
    if (locale.language() == QLocale::C || symbol.isEmpty())
        return zahl + QStringLiteral(" €");
    // The locale knows where its symbol goes; our exact digits replace Qt's double-based ones.
    QString muster = locale.toCurrencyString(1.0, symbol, 2);
    const QString eins = locale.toString(1.0, 'f', 2);
    const qsizetype pos = muster.indexOf(eins);
    if (pos < 0)
        return zahl + QLatin1Char(' ') + symbol;
    return muster.replace(pos, eins.size(), zahl);
}

std::optional<Geld> GeldAusText(const QString& text, const QLocale& locale) {
    QString t = text.trimmed();
    const QString symbol = locale.currencySymbol();
    if (!symbol.isEmpty())
        t.remove(symbol);
    t.remove(QStringLiteral("€"));
    t.remove(QChar(0x00A0));
    t.remove(QChar(0x202F));
    t = t.trimmed();
    bool negativ = false;
    if (t.startsWith(locale.negativeSign()) || t.startsWith(QLatin1Char('-'))) {
        negativ = true;
        t = t.mid(1).trimmed();
    }
    const QString gruppe = locale.groupSeparator();
    const QString komma = locale.decimalPoint();
    const qsizetype kommaPos = t.lastIndexOf(komma);
    QString ganz = kommaPos >= 0 ? t.left(kommaPos) : t;
    const QString bruch = kommaPos >= 0 ? t.mid(kommaPos + komma.size()) : QString();
    if (!gruppe.isEmpty())
        ganz.remove(gruppe);
    if (ganz.isEmpty() && bruch.isEmpty())
        return std::nullopt;
    if (bruch.size() > 4)
        return std::nullopt;
    std::int64_t wert = 0;
    constexpr std::int64_t grenze = std::numeric_limits<std::int64_t>::max() / 10 - 10;
    for (QChar c : ganz) {
        if (!c.isDigit() || c.unicode() > 127)
            return std::nullopt;
        if (wert > grenze / GeldProEuro)
            return std::nullopt;
        wert = wert * 10 + (c.unicode() - '0');
    }
    wert *= GeldProEuro;
    std::int64_t stelle = GeldProEuro / 10;
    for (QChar c : bruch) {
        if (!c.isDigit() || c.unicode() > 127)
            return std::nullopt;
        wert += (c.unicode() - '0') * stelle;
        stelle /= 10;
    }
    return negativ ? -wert : wert;
}

} // namespace kb
