#pragma once

// The text form of the built-in system rows (data/system_rows.txt), shared by the generator and
// by the build step that packs the rows into the program. Plain C++: no Qt, no program code.
//
//   system <pos> RG <k> WZ <v> GA <t> TR <b> luecken <uncovered t-subsets> herkunft <free text>
//   <k position numbers of row 1>
//   ...
//
// Lines starting with '#' and empty lines are comments.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kb::reihen {

using Maske = std::uint64_t; // bit p = position number p (1..v)

struct Eintrag {
    int position = -1;
    int RG = 0;
    int WZ = 0;
    int GA = 0;
    int TR = 0;
    long luecken = 0;     // t-subsets the rows leave uncovered, as claimed by the generator
    std::string herkunft; // how the rows were made (construction, seed, moves)
    std::vector<Maske> reihen;
};

// Reads the whole file; on a malformed file returns nothing and sets fehler (with the line number).
std::optional<std::vector<Eintrag>> lesen(const std::string& pfad, std::string& fehler);

// Writes all entries through a temporary file renamed over the target.
bool schreiben(const std::string& pfad, const std::vector<Eintrag>& eintraege, std::string& fehler);

// Number of t-subsets of 1..v that lie in no row (independent of the program's own check).
long fehlend(const std::vector<Maske>& reihen, int v, int t);

} // namespace kb::reihen
