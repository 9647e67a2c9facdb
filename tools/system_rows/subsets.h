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

} // namespace kb::reihen
