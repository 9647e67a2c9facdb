#pragma once

// A catalogue of permutation groups for the orbit model, beyond the cyclic ones: the groups under
// which many covering records were found. Affine groups x -> a x^s + b over GF(q) (a from a
// subgroup of the units, s from a subgroup of the field automorphisms) and their translation
// subgroups, the same maps with a multiplier acting alike on several copies of GF(q), the groups
// PSL, PGL, PSigmaL and PGammaL(2, q) on the projective line, direct products of two cyclic
// groups, the affine and projective groups of the higher geometries (AGL(n, q), PGL(n, q), with
// field automorphisms) and subgroups drawn from the large ones; each also with a few fixed points.

#include "orbit_search.h"

#include <optional>
#include <vector>

namespace kb::reihen {

// The finite field GF(p^m) by discrete logarithms; elements are 0..q-1, read as base-p digit
// strings (so addition is digit-wise), exp[i] = w^i for a primitive element w.
struct Feld {
    int q = 0, p = 0, m = 0;
    std::vector<int> exp, log;

    int add(int x, int y) const;
    int neg(int x) const;
    int mul(int x, int y) const;
    int inv(int x) const;              // x != 0
    int frobenius(int x, int j) const; // x^(p^j)
};

// Nothing when q is not a prime power.
std::optional<Feld> feldBauen(int q);

// All catalogue groups on v points (at most maxFest of them fixed), each checked against its
// known order and without repeats, largest first.
std::vector<Gruppe> gruppenKatalog(int v, int maxFest = 2);

// The catalogue groups for C(v, k, t) with b blocks whose orbit model has at most maxBahnen
// orbits of k-subsets (judged by C(v, k) / order), largest group (smallest model) first.
std::vector<GruppenWahl> katalogFuer(int v, int k, int t, int b, long maxBahnen, int maxFest = 2);

} // namespace kb::reihen
