#pragma once

// Search for covering designs under a prescribed automorphism group, in the manner of
// Kramer and Mesner: the design is a union of full orbits of base blocks under the group, plus a
// few free blocks. The unknowns are the base blocks (orbits of k-sets), the constraints are the
// orbits of t-sets: an orbit of base blocks covers a whole t-orbit as soon as the base block holds
// one of its members. So a move costs C(k, t) counter updates, whatever the group's order.

#include "annealer.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kb::reihen {

// A permutation group on the points 0..v-1, all elements listed, the identity first.
struct Gruppe {
    int v = 0;
    std::vector<std::vector<std::uint8_t>> elemente;
    std::vector<std::vector<std::uint8_t>> erzeuger; // orbits are traced along these
    std::string name;
};

// The closure of the generators (each a permutation of 0..v-1). Past hoechstens elements it stops
// early with more than that many: a group too large for the caller, not the whole closure.
Gruppe gruppeErzeugen(int v, const std::vector<std::vector<std::uint8_t>>& erzeuger, std::string name,
                      std::size_t hoechstens = SIZE_MAX);

// Z_m acting on c = (v - fest) / m cycles of m points each, each cycle also multiplied by mu
// (a unit mod m; mu = 1 for none), the last fest points fixed.
Gruppe zyklischMitMultiplikator(int v, int m, int fest, int mu);

// Candidate groups for C(v, k, t) with b blocks: cyclic groups with up to maxFest fixed points and
// their extensions by multipliers, each with as many full orbits as fit and at most maxFrei free
// blocks, and enough blocks for the orbits of t-subsets; fewest free blocks first.
struct GruppenWahl {
    Gruppe gruppe;
    int bahnen = 0; // full orbits of base blocks
    int frei = 0;   // free blocks
};
std::vector<GruppenWahl> gruppenFuer(int v, int k, int t, int b, int maxFrei, int maxFest);

// Annealing at the constant temperature p.startTemperatur over such designs. The start may give
// base blocks (first) and free blocks (after them); missing ones are drawn at random. Returns all
// blocks (orbits developed) over the points 1..v.
GluehErgebnis bahnenSuchen(const Aufgabe& a, const GruppenWahl& g, const GluehParameter& p);

} // namespace kb::reihen
