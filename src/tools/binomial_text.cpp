#include "binomial_text.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace kb {

namespace {

// Little-endian limbs of base 10^9.
using Zahl = std::vector<std::uint32_t>;
constexpr std::uint32_t Basis = 1000000000u;

void mal(Zahl& z, std::uint32_t f) {
    std::uint64_t uebertrag = 0;
    for (std::uint32_t& limb : z) {
        const std::uint64_t p = static_cast<std::uint64_t>(limb) * f + uebertrag;
        limb = static_cast<std::uint32_t>(p % Basis);
        uebertrag = p / Basis;
    }
    while (uebertrag != 0) {
        z.push_back(static_cast<std::uint32_t>(uebertrag % Basis));
        uebertrag /= Basis;
    }
}

// Exact division: the caller guarantees d divides z.
void durch(Zahl& z, std::uint32_t d) {
    std::uint64_t rest = 0;
    for (auto it = z.rbegin(); it != z.rend(); ++it) {
        const std::uint64_t cur = *it + rest * Basis;
        *it = static_cast<std::uint32_t>(cur / d);
        rest = cur % d;
    }
    while (z.size() > 1 && z.back() == 0)
        z.pop_back();
}

} // namespace

QString BinomialDezimal(int n, int k) {
    if (k < 0 || n < 0 || k > n)
        return QStringLiteral("0");
    k = std::min(k, n - k);
    Zahl z{1};
    // C(n-k+i, i) = C(n-k+i-1, i-1) * (n-k+i) / i is a whole number at every step.
    for (int i = 1; i <= k; ++i) {
        mal(z, static_cast<std::uint32_t>(n - k + i));
        durch(z, static_cast<std::uint32_t>(i));
    }
    QString text = QString::number(z.back());
    for (auto it = z.rbegin() + 1; it != z.rend(); ++it)
        text += QStringLiteral("%1").arg(*it, 9, 10, QLatin1Char('0'));
    return text;
}

Result<QString> NueberKBerechnen(const QString& nText, const QString& kText, const QLocale& locale) {
    bool ok = false;
    // Beyond int range a text is unreadable and counts as 0, like an empty field.
    int n = nText.trimmed().toInt(&ok);
    if (!ok)
        n = 0;
    int k = kText.trimmed().toInt(&ok);
    if (!ok)
        k = 0;
    if (n <= 0 || k <= 0)
        return Fehler{QStringLiteral("Sie müssen für \"n\" und \"k\" eine Zahl größer Null eingeben.\r\r"
                                     "Ich breche erst einmal ab.")};
    if (k > n)
        return Fehler{QStringLiteral("Die Zahl für \"n\" muss größer als die für \"k\" sein.\r\r"
                                     "Ich breche erst einmal ab.")};
    if (n > NueberKMaxN)
        return Fehler{QStringLiteral("Für \"n\" größer als %1 ist das Ergebnis zu groß, um es anzuzeigen.\r\r"
                                     "Ich breche erst einmal ab.")
                          .arg(locale.toString(NueberKMaxN))};
    const QString ziffern = BinomialDezimal(n, k);
    // Group from the right with the locale's separator, pattern "#,".
    const QString trenner = locale.groupSeparator();
    QString text;
    const qsizetype laenge = ziffern.size();
    for (qsizetype i = 0; i < laenge; ++i) {
        if (i > 0 && (laenge - i) % 3 == 0)
            text += trenner;
        text += ziffern.at(i);
    }
    return text;
}

} // namespace kb
