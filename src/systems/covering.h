#pragma once

// Checks of the guarantee of a system's rows: which GA-subsets of the positions 1..WZ lie in no row.

#include "combinatorics.h"

#include <cstdint>
#include <span>
#include <vector>

namespace kb {

// Colex rank of a t-subset of 1..v among all t-subsets (0 .. Binomial(v, t) - 1).
std::int64_t TeilmengenRang(Zahlenmaske teilmenge);

// Marks, per colex rank, which t-subsets of 1..v lie in at least one row.
// Work is rows x (RG over t), not subsets x rows.
std::vector<bool> GedeckteTeilmengen(std::span<const Zahlenmaske> reihen, int v, int t);

// Number of t-subsets of 1..v that lie in no row; 0 means the rows realise guarantee t.
std::int64_t FehlendeTeilmengen(std::span<const Zahlenmaske> reihen, int v, int t);

// One line of the coverage report of the built-in systems.
struct AbdeckungsZeile {
    int position = 0;
    int RG = 0;
    int WZ = 0;
    int GA = 0;
    int TR = 0;
    std::int64_t ungedeckt = 0; // GA-subsets of 1..WZ in no row
};
struct AbdeckungsBericht {
    std::vector<AbdeckungsZeile> zeilen; // every built-in system, by position
    int erfuellt = 0;                    // systems with a guarantee whose rows realise it
    int garantiert = 0;                  // systems with a guarantee (GA > 0)
};
// Checks every built-in system's rows against its guarantee.
AbdeckungsBericht SystemAbdeckung();

// The rows of a system given as RG bytes per row (position numbers 1..WZ), as bit masks.
std::vector<Zahlenmaske> ReihenAlsMasken(std::span<const std::uint8_t> bytes, int rg);

} // namespace kb
