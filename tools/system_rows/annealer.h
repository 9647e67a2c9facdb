#pragma once

// Local search for covering designs C(v, k, t) with a fixed number of blocks b: simulated annealing
// in the manner of Nurmela and Östergård. The cost is the number of uncovered t-subsets; a move
// takes a random uncovered t-subset T and a block meeting T in t - 1 points and swaps one of the
// block's other points for the missing point of T, so every move covers T.

#include "random.h"
#include "rows_file.h"

#include <cstdint>
#include <vector>

namespace kb::reihen {

struct Aufgabe {
    int v = 0; // points 1..v
    int k = 0; // points per block
    int t = 0; // size of the subsets to cover
    int b = 0; // number of blocks
};

// Tight coverings respond best to a long walk at a low, constant temperature (measured on
// C(22,4,2), C(30,4,2), C(30,5,2), C(34,5,2), C(13,4,3), C(16,5,3)); which temperature suits an
// instance varies, so the generator tries several.
struct GluehParameter {
    std::uint64_t seed = 1;
    std::uint64_t zuege = 50'000'000; // move budget; the result depends only on seed and budget
    double startTemperatur = 0.2;
    double kuehlFaktor = 1.0;
    std::uint64_t zuegeJeStufe = 1'000'000; // moves per temperature step; 0 = from the problem size
    int stufenOhneFortschritt = 20;         // steps without a new best before going back to the best
    int festeBloecke = 0;                   // the first blocks of the start never move (annealing only)
};

struct GluehErgebnis {
    std::vector<Maske> reihen; // points 1..v as bits 1..v
    long luecken = 0;
    std::uint64_t zuege = 0;
};

// Starts from start (blocks over 1..v; missing blocks are drawn at random) and anneals until the
// cost is 0 or the move budget is spent; returns the best state met.
GluehErgebnis ausgluehen(const Aufgabe& a, const std::vector<Maske>& start, const GluehParameter& p);

// Weighted local search with the same moves (see annealer.cpp); p.zuege counts its steps.
GluehErgebnis gewichtetSuchen(const Aufgabe& a, const std::vector<Maske>& start, const GluehParameter& p);

// A cyclic group of order m that shifts v - fest points in orbits of m and fixes fest points;
// the design is a union of orbits of base blocks plus frei free blocks.
struct Symmetrie {
    int m = 1;
    int fest = 0;
    int frei = 0;
};

// True when the points and blocks split as the symmetry asks.
bool symmetriePasst(const Aufgabe& a, const Symmetrie& s);

// Annealing at the constant temperature p.startTemperatur over designs with that symmetry.
GluehErgebnis symmetrischSuchen(const Aufgabe& a, const Symmetrie& s, const GluehParameter& p);

} // namespace kb::reihen
