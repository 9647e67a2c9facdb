#pragma once

// Algebraic block designs. All return blocks over the points 1..v as bit masks.

#include "rows_file.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace kb::reihen {

// Base blocks of a difference family in Z_a x Z_b (points 0..ab-1, element (i, j) = i*b + j;
// b = 1 for a cyclic group) developed into a 2-(v, k, 1) design. fix = 1 adds the point ab
// (infinity, fixed by the group). kurz are given base blocks with short orbits: each with the
// order of its stabiliser. The search finds anzahl further base blocks with full orbits;
// nothing when the node budget runs out.
struct KurzeBahn {
    std::vector<int> block; // may hold the fixed point ab
    int stabilisator = 1;
};
std::optional<std::vector<Maske>> differenzFamilie(int a, int b, int fix, int k,
                                                   const std::vector<KurzeBahn>& kurz, int anzahl,
                                                   std::uint64_t knotenGrenze = 50'000'000);

// Steiner quadruple system on 2^n points: the 4-sets with XOR zero (planes of AG(n, 2)).
std::vector<Maske> sqsZweierpotenz(int v);

// SQS(2v) from an SQS(v) by doubling.
std::vector<Maske> sqsVerdoppeln(const std::vector<Maske>& sqs, int v);

// A t-(v, k, 1) design by exact cover search (small cases only); nothing when the budget runs out.
std::optional<std::vector<Maske>> exakteUeberdeckung(int v, int k, int t, std::uint64_t knotenGrenze);

// The orbit of a set of points of the projective line over GF(q) (points 0..q-1 for the field
// elements, q for infinity) under PGL(2, q), or PSL(2, q) when nurSpeziell is set.
std::vector<Maske> projektiveBahn(int q, const std::vector<int>& basis, bool nurSpeziell);

// The subfield GF(q0) of GF(q) as point numbers of projektiveBahn (field elements as its tables).
std::vector<int> teilkoerper(int q, int q0);

// S(3, 6, 22): octads of the extended binary Golay code through two fixed coordinates.
std::vector<Maske> steinerSystem3622();

// The Hermitian unital in PG(2, q^2): its q^3 + 1 points and the secant lines, an S(2, q + 1, q^3 + 1).
std::vector<Maske> hermiteschesUnital(int q);

// Blocks through point p with p removed, the points above p moved down by one.
std::vector<Maske> abgeleitet(const std::vector<Maske>& design, int p);

} // namespace kb::reihen
