#pragma once

// Exact search under a prescribed group (Kramer–Mesner): one 0/1 unknown per orbit of k-subsets,
// one covering constraint per orbit of t-subsets, at most b blocks in all; solved by the
// branch-and-cut program cbc (Debian package coinor-cbc), run as a separate process.

#include "annealer.h"
#include "orbit_search.h"

#include <optional>
#include <string>
#include <vector>

namespace kb::reihen {

struct IlpErgebnis {
    std::vector<Maske> reihen; // points 1..v; empty when no design was found
    std::string bericht;       // cbc's verdict, orbit counts and time
};

// Writes the model to <verzeichnis>/<name>.lp, runs cbc for at most sekunden and reads its answer.
// Returns nothing when the problem is too large to enumerate (more than maxBahnen k-orbits).
std::optional<IlpErgebnis> ilpSuchen(const Aufgabe& a, const Gruppe& g, int sekunden,
                                     const std::string& verzeichnis, long maxBahnen = 400'000);

// The same model as a SAT problem (a sequential counter for the number of blocks), solved by
// cadical (Debian package cadical); usually far quicker than cbc at finding some design. With
// frei > 0 up to that many blocks may lie outside the orbits (any k-subset; small v only).
std::optional<IlpErgebnis> satSuchen(const Aufgabe& a, const Gruppe& g, int sekunden,
                                     const std::string& verzeichnis, int frei = 0, long maxBahnen = 400'000);

// Pair coverings whose pairs are held exactly once except some held more often, under the group
// (orbit model as above). The number of blocks fixes how many pairs each point holds more than
// once; each attempt spreads the degrees over the point orbits at random, draws pair orbits with
// multiplicities that make up exactly that excess at every point, and asks cadical (at most
// sekunden) for block orbits holding every pair orbit exactly that often. Attempts that repeat a
// drawn excess are skipped; after five models out of time the group is given up.
std::optional<IlpErgebnis> ueberschussSuchen(const Aufgabe& a, const Gruppe& g, std::uint64_t seed, int versuche,
                                             int sekunden, const std::string& verzeichnis,
                                             long maxBahnen = 400'000);

// Pair coverings under the group by a depth-first search over block orbits (no solver): every
// pair orbit held at least once, the blocks at most b, and the pairs held more than once at each
// point bounded by the degrees the block count leaves (each way of sharing them over the point
// orbits in turn). At most knoten search nodes per share and sekunden for the group; the report
// says how many shares were searched through without a covering, which refutes the group for them.
std::optional<IlpErgebnis> tiefensucheSuchen(const Aufgabe& a, const Gruppe& g, std::uint64_t seed, long knoten,
                                             int sekunden, long maxBahnen = 400'000);

// Clauses that allow at most K units among the literals vars[i] of weight w[i] (a sequential
// counter; naechste is the last variable in use and grows by the counter's variables).
void hoechstens(std::vector<std::vector<int>>& klauseln, int& naechste, const std::vector<int>& vars,
                const std::vector<int>& w, int K);

// Clauses that demand at least K units among the literals vars[i] of weight w[i], as a sequential
// counter of size vars * K (counting the literals left out instead costs vars * their total weight).
void mindestens(std::vector<std::vector<int>>& klauseln, int& naechste, const std::vector<int>& vars,
                const std::vector<int>& w, int K);

// Clauses for exactly K units among the literals vars[i] of weight w[i]; false (and no clauses)
// when all of them together weigh less than K.
bool genau(std::vector<std::vector<int>>& klauseln, int& naechste, const std::vector<int>& vars,
           const std::vector<int>& w, int K);

struct SatAntwort {
    bool erfuellbar = false;
    bool entschieden = false; // satisfiable or refuted, not out of time
    std::vector<int> wahr; // the variables set true
    std::string antwort = "ohne Antwort";
};

// Writes the clauses to <basis>.cnf and runs cadical on them for at most sekunden.
SatAntwort cadicalRufen(const std::vector<std::vector<int>>& klauseln, int variablen, int sekunden,
                        const std::string& basis);

// Completes fixed blocks (over 1..v) to a covering with a.b blocks by SAT: the new blocks are
// chosen among the k-subsets that waste little room. Nothing when more blocks are fixed than a.b.
std::optional<IlpErgebnis> satErgaenzen(const Aufgabe& a, const std::vector<Maske>& fest, int sekunden,
                                        const std::string& verzeichnis);

} // namespace kb::reihen
