#pragma once

// Small helpers of the searches: binomials, colex ranks of point sets, the next set of equal size.

#include "rows_file.h"

#include <bit>

namespace kb::reihen {

struct Binom {
    long c[64][8]{};
    constexpr Binom() {
        for (int n = 0; n < 64; ++n) {
            c[n][0] = 1;
            for (int k = 1; k < 8; ++k)
                c[n][k] = n == 0 ? 0 : c[n - 1][k - 1] + c[n - 1][k];
        }
    }
};
inline constexpr Binom binom;

// Colex rank of a set of points 0..v-1 among the sets of its size.
inline int rang(Maske m) {
    int r = 0;
    for (int i = 1; m != 0; ++i, m &= m - 1)
        r += static_cast<int>(binom.c[std::countr_zero(m)][i]);
    return r;
}

// The next mask with as many bits, in colex order (Gosper); m must not be 0.
inline Maske naechsteMaske(Maske m) {
    const Maske u = m & (~m + 1), w = m + u;
    return w | (((w ^ m) >> 2) / u);
}

// Lexicographic order of the ascending point lists: the set holding the smallest point in which
// two sets differ comes first.
inline bool lexVor(Maske a, Maske b) {
    const Maske d = a ^ b;
    return d != 0 && (a & d & (~d + 1)) != 0;
}

// Calls f with the colex rank of every t-subset of the set m.
template <typename F> void teilmengenRaenge(Maske m, int t, F&& f) {
    int p[64], k = 0;
    for (; m != 0; m &= m - 1)
        p[k++] = std::countr_zero(m);
    for (Maske w = (Maske{1} << t) - 1; w < (Maske{1} << k); w = naechsteMaske(w)) {
        Maske s = 0;
        for (Maske z = w; z != 0; z &= z - 1)
            s |= Maske{1} << p[std::countr_zero(z)];
        f(rang(s));
    }
}

// The Schönheim bound: no covering C(v, k, t) has fewer blocks.
inline long schoenheim(int v, int k, int t) {
    if (t <= 0)
        return v >= 0 ? 1 : 0;
    if (v <= 0)
        return 0;
    return (static_cast<long>(v) * schoenheim(v - 1, k - 1, t - 1) + k - 1) / k;
}

} // namespace kb::reihen
