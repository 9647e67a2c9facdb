#pragma once

// Rows made without search: the rows given for two slip systems, evenly spread rows for systems
// without guarantee and as fillers, and the algebraic designs (Steiner systems and their kin).

#include "rows_file.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kb::reihen {

struct Konstruktion {
    std::vector<Maske> reihen; // points 1..v
    std::string name;
};

// Appends rows of k of the points 1..v to the given ones until there are anzahl, each new row
// distinct from all others, using the least used points first (and, among those, avoiding
// pairs that already stand together), so that every point occurs about equally often.
std::vector<Maske> verteilteReihen(int v, int k, int anzahl, std::vector<Maske> vorhanden,
                                   std::uint64_t seed);

// Rows that a catalogue position carries exactly: the two slip systems whose rows are fixed, and
// the smallest system, whose rows serve as the documented example.
std::optional<Konstruktion> vorgegebeneReihen(int position);

// An algebraic covering C(v, k, t) with at most b blocks, if one is known to the generator.
std::optional<Konstruktion> algebraischeKonstruktion(int v, int k, int t, int b);

// Rows sorted lexicographically by their ascending position numbers, duplicates replaced by
// evenly spread new rows: the form stored in the data file.
std::vector<Maske> normalisieren(int v, int k, int anzahl, std::vector<Maske> reihen, std::uint64_t seed);

} // namespace kb::reihen
