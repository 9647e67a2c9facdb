#pragma once

// Pair coverings from a group divisible design: the points split into groups, a design found under
// a cyclic group holds every pair from two different groups exactly once, and each group's own
// pairs are covered by a small covering of their own. Where no Steiner system exists this reaches
// the bound that local search misses, e.g. C(39,4,2) = 127: 108 blocks under Z36 on six groups of
// six and a hole of three points (every block meets a group at most once), 3 blocks for each group
// and 1 for the hole.
// For blocks of four and v = 7, 10 (mod 12) the bound leaves three pairs to spare, which it forces
// onto one pair of points held four times; those plans fix both points and hold every other pair
// exactly once (C(31,4,2) = 78 under Z3 with four fixed points).

#include "orbit_search.h"
#include "rows_file.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kb::reihen {

// The group shifts the points of c main cycles of length n by one and turns further cycles along
// (their lengths divide n, 1 is a fixed point). Each main cycle splits into the cosets of its
// subgroup of order s (s = 1: single points), or with quer the groups run across the cycles (the
// points at one place of every cycle). The points of the cycles in zyklen form one more group, the
// hole; the points of freieZyklen are single. The spitzen points come last and stay out of the
// design: they join every group in the blocks that cover its pairs, and groups small enough share
// such a block (the counts fit C(47,5,2) = 113 for type 2^20 6^1 and one point outside: 100 blocks
// of the design, 10 for the point with two groups of two each, 3 for it with the group of six).
struct GddPlan {
    int n = 0;
    int c = 1;
    std::vector<int> zyklen;
    std::vector<int> freieZyklen;
    int s = 1;
    bool quer = false;
    int bloecke = 0; // blocks in all: the orbits' (forced by the pair count) and the groups' bounds
    bool doppelpaar = false; // no groups; the pair of the first two fixed points held four times
    int spitzen = 0; // fixed points outside the design, covered together with every group

    std::string name() const;
};

// The plans for C(v, k, 2) whose counts fit b blocks, fewest blocks first.
std::vector<GddPlan> gddPlaene(int v, int k, int b);

// The smallest covering of the pairs of g points by k-sets the generator finds (a few blocks above
// the bound at most), over the points 0..g-1; one block of fewer than k points when g < k.
std::vector<Maske> paarUeberdeckung(int g, int k, std::uint64_t seed);

struct GddErgebnis {
    std::vector<Maske> reihen; // points 1..v
    std::string bericht;
};

// A transversal design TD(k, n) over GF(n) (n^2 blocks, k groups of n points, every pair from two
// groups exactly once) with a hole of v - k*n further points, each group together with the hole
// covered apart: C(49,6,2) = 82 from TD(6,8) and 6 coverings C(9,6,2) = 3. The smallest such
// covering over all prime powers n, if one fits b blocks.
std::optional<GddErgebnis> transversalUeberdeckung(int v, int k, int b, std::uint64_t seed);

// Blocks of six from TD(6, n) whose groups are not covered apart: two blocks in each group leave
// four pairs open (or one), and a few blocks across groups close them together. C(48,6,2) = 81
// from TD(6,8) and 17 blocks, C(47,6,2) = 79 from it without one point (the lines through the
// point take open pairs into their free place), C(43,6,2) = 65 from TD(6,7) and a hole point.
std::optional<GddErgebnis> transversalGeteilt(int v, int k, int b);

// Exact cover of the pair orbits by block orbits (dancing links, rows in an order drawn from the
// seed, at most knotenGrenze search nodes; beyond that cadical for at most satSekunden if > 0),
// then every group covered. Nothing when no cover was found or the groups need more blocks than
// b leaves.
std::optional<GddErgebnis> gddSuchen(int v, int k, int b, const GddPlan& plan, std::uint64_t seed,
                                     long knotenGrenze, int satSekunden = 0,
                                     const std::string& satVerzeichnis = "/tmp");

// The cyclic groups of these plans without groups or hole (c main cycles of length n, at most four
// shorter cycles of one length dividing n, up to festMax fixed points), largest order first, as long
// as the orbits of k-subsets stay few enough for the exact orbit model (about maxBahnen).
std::vector<Gruppe> zyklenGruppen(int v, int k, int festMax = 3, long maxBahnen = 400'000);

} // namespace kb::reihen
