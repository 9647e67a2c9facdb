#include "combinatorics.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace kb {

ZahlenMenge MaskeZuMenge(Zahlenmaske m) {
    ZahlenMenge z;
    while (m != 0) {
        z.hinzu(std::countr_zero(m));
        m &= m - 1;
    }
    return z;
}

std::optional<unsigned __int128> BinomialBreit(int n, int k) {
    if (k < 0 || n < 0 || k > n)
        return 0;
    k = std::min(k, n - k);
    constexpr unsigned __int128 grenze = ~static_cast<unsigned __int128>(0);
    // r * (n - i) / (i + 1) is whole at every step; dividing r and i + 1 by their common factor
    // first keeps the intermediate product as small as the result allows.
    unsigned __int128 r = 1;
    for (int i = 0; i < k; ++i) {
        const unsigned __int128 f = static_cast<unsigned>(n - i);
        const unsigned __int128 d = static_cast<unsigned>(i + 1);
        unsigned __int128 a = r, b = d;
        while (b != 0) {
            const unsigned __int128 t = a % b;
            a = b;
            b = t;
        }
        const unsigned __int128 rg = r / a;
        const unsigned __int128 fg = f / (d / a); // d / a divides f, being coprime to r / a
        if (rg > grenze / fg)
            return std::nullopt;
        r = rg * fg;
    }
    return r;
}

std::int64_t Binomial(int n, int k) {
    const auto r = BinomialBreit(n, k);
    if (!r || *r > static_cast<unsigned __int128>(std::numeric_limits<std::int64_t>::max()))
        return -1;
    return static_cast<std::int64_t>(*r);
}

QString DezimalText(unsigned __int128 zahl) {
    if (zahl == 0)
        return QStringLiteral("0");
    QString s;
    while (zahl != 0) {
        s.prepend(QChar(u'0' + static_cast<char16_t>(zahl % 10)));
        zahl /= 10;
    }
    return s;
}

std::vector<Zahlenmaske> KombinationenBilden(int n, int k) {
    std::vector<Zahlenmaske> r;
    if (k < 2 || k > 9 || k > n || n > 63)
        return r;
    const std::int64_t anzahl = Binomial(n, k);
    if (anzahl > 0)
        r.reserve(static_cast<std::size_t>(anzahl));
    KombinationenDurchlaufen(n, k, [&r](Zahlenmaske m) {
        r.push_back(m);
        return true;
    });
    return r;
}

} // namespace kb
