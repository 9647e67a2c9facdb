#pragma once

#include "core/lotto.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace kb {

// A set of the numbers 0..63 as a bit mask (bit n = number n), the compact form of the
// number sets of rows and subsets; lottery numbers and system positions all fit.
using Zahlenmaske = std::uint64_t;

ZahlenMenge MaskeZuMenge(Zahlenmaske m);

// n over k, exact whenever the result fits into signed 64 bits (every n up to 66);
// 0 for k < 0 or k > n, -1 when the result is too large (use BinomialBreit then).
std::int64_t Binomial(int n, int k);

// n over k with 128-bit arithmetic; empty when even that overflows (n beyond about 130).
std::optional<unsigned __int128> BinomialBreit(int n, int k);

// Decimal digits of a 128-bit number, without grouping.
QString DezimalText(unsigned __int128 zahl);

// Visits all k-element subsets of 1..n in lexicographic order as bit masks, without allocating.
// The visitor returns false to stop early. Requires 0 < k <= n <= 63.
template <class Besucher> void KombinationenDurchlaufen(int n, int k, Besucher&& besuch) {
    if (k <= 0 || k > n || n > 63)
        return;
    int c[64];
    Zahlenmaske m = 0;
    for (int i = 0; i < k; ++i) {
        c[i] = i + 1;
        m |= Zahlenmaske{1} << (i + 1);
    }
    for (;;) {
        if (!besuch(m))
            return;
        // The rightmost place that can still rise; the places after it restart right behind it.
        int i = k - 1;
        while (i >= 0 && c[i] == n - k + i + 1)
            --i;
        if (i < 0)
            return;
        for (int j = i; j < k; ++j)
            m &= ~(Zahlenmaske{1} << c[j]);
        ++c[i];
        m |= Zahlenmaske{1} << c[i];
        for (int j = i + 1; j < k; ++j) {
            c[j] = c[j - 1] + 1;
            m |= Zahlenmaske{1} << c[j];
        }
    }
}

// All k-element subsets of 1..n in lexicographic order (first by the smallest element, then by
// the second, ...), one bit mask each; empty outside 2 <= k <= 9, k <= n <= 63.
std::vector<Zahlenmaske> KombinationenBilden(int n, int k);

} // namespace kb
