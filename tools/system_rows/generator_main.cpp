// kb_system_rows: makes the rows of the built-in play systems and stores them in data/system_rows.txt.
// Runs offline only. Per position it takes, in this order: the rows given for a slip system,
// evenly spread rows for a system without guarantee, an algebraic design, a design with one point
// added to an algebraic one, and otherwise local search (annealing and weighted search by turns).
// Deterministic for given seed and move budget; resumable: positions whose rows already realise
// their guarantee are left alone, others are searched again and replaced only when improved.

#include "annealer.h"
#include "constructions.h"
#include "gdd_search.h"
#include "group_catalogue.h"
#include "ilp_search.h"
#include "orbit_search.h"
#include "rows_file.h"
#include "subsets.h"
#include "systems/catalogue_table.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <optional>
#include <set>
#include <sstream>
#include <string>

using namespace kb::reihen;

namespace {

struct Optionen {
    std::string daten;
    std::string positionen = "offen";
    std::uint64_t seed = 1;
    std::uint64_t zuege = 20'000'000;
    int versuche = 2;
    std::string verfahren = "beide";
    bool weiter = false;
    bool neu = false;
    int gruppe = -1;       // index into the candidate groups; -1: one after the other
    int maxFrei = 12;      // free blocks beside the orbits (several records need a dozen)
    double temperatur = 0; // 0: the searches' own choice
    bool gruppenZeigen = false;
    int sekunden = 300;  // time limit of one cbc or cadical run
    int satFrei = 0;     // blocks outside the orbits in the SAT model
    int lnsBloecke = 10; // blocks the large neighbourhood search replaces at once
    std::string ilpVerzeichnis = "/tmp";
    long knoten = 2'000'000; // search nodes of one exact cover
    bool gruppenkatalog = false; // ilp/sat over the catalogue groups instead of the cyclic ones
    int feste = 3; // fixed points of the cyclic groups at most
    long maxBahnen = 400'000; // k-orbits of an exact model at most (a few hundred thousand fit)
    bool cbc = false; // zyklen solved by cbc instead of cadical
    std::string gruppenMit; // only groups whose name contains this text
};

// The groups for bahnen, ilp/sat and --gruppen: the catalogue's (models of at most this many
// k-orbits, at most maxFrei blocks beside the full orbits) or the cyclic ones.
constexpr long katalogMaxBahnen = 60'000;
bool abgewaehlt(const Gruppe& g, const Optionen& o) { return g.name.find(o.gruppenMit) == std::string::npos; }

std::vector<GruppenWahl> ilpGruppen(int v, int k, int t, int b, int maxFrei, const Optionen& o) {
    std::vector<GruppenWahl> r = o.gruppenkatalog ? katalogFuer(v, k, t, b, katalogMaxBahnen, o.feste)
                                                  : gruppenFuer(v, k, t, b, maxFrei, o.feste);
    std::erase_if(r, [&](const GruppenWahl& g) { return g.frei > maxFrei || abgewaehlt(g.gruppe, o); });
    return r;
}

// zyklen, and ueberschuss and tiefe without the catalogue, search under the cyclic groups with
// cycles of several lengths.
bool zyklischeGruppen(const Optionen& o) {
    return o.verfahren == "zyklen" ||
           ((o.verfahren == "ueberschuss" || o.verfahren == "tiefe") && !o.gruppenkatalog);
}

// The groups of the exact orbit searches: the cyclic ones or those of ilpGruppen.
std::vector<Gruppe> exakteGruppen(int v, int k, int t, int b, const Optionen& o) {
    if (zyklischeGruppen(o)) {
        std::vector<Gruppe> r = zyklenGruppen(v, k, o.feste, o.maxBahnen);
        std::erase_if(r, [&](const Gruppe& g) { return abgewaehlt(g, o); });
        return r;
    }
    std::vector<Gruppe> r;
    for (GruppenWahl& w : ilpGruppen(v, k, t, b, b, o))
        r.push_back(std::move(w.gruppe));
    return r;
}

std::uint64_t mischen(std::uint64_t x) {
    x += 0x9e3779b97f4a7c15ull;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
    return x ^ (x >> 31);
}

long binomial(int n, int k) {
    long r = 1;
    for (int i = 0; i < k; ++i)
        r = r * (n - i) / (i + 1);
    return r;
}

double sekundenSeit(std::chrono::steady_clock::time_point t0) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

std::string zahlText(double s, int stellen = 1) {
    char b[32];
    std::snprintf(b, sizeof b, "%.*f", stellen, s);
    return b;
}

struct Loesung {
    std::vector<Maske> reihen;
    long luecken = -1;
    std::string herkunft;
};

// Cyclic symmetries for C(v, k, t) with b blocks: group order m, fixed points, free blocks;
// fewest free blocks first, then fewer fixed points, then larger groups.
std::vector<Symmetrie> symmetrien(int v, int b) {
    std::vector<Symmetrie> r;
    for (int fest = 0; fest <= 2; ++fest)
        for (int m = 3; m <= v - fest; ++m)
            if ((v - fest) % m == 0 && b % m <= std::max(4, m / 2))
                r.push_back({m, fest, b % m});
    std::stable_sort(r.begin(), r.end(), [](const Symmetrie& a, const Symmetrie& c) {
        return a.frei != c.frei ? a.frei < c.frei : a.fest != c.fest ? a.fest < c.fest : a.m > c.m;
    });
    return r;
}

// Search among designs with a prescribed cyclic symmetry, each result then annealed freely.
Loesung symmetrischeVersuche(int v, int k, int t, int b, const Optionen& o, std::uint64_t seedBasis) {
    Loesung beste;
    const std::vector<Symmetrie> alle = symmetrien(v, b);
    if (alle.empty())
        return beste;
    for (int i = 0; i < o.versuche; ++i) {
        const Symmetrie sym = alle[static_cast<std::size_t>(i) % alle.size()];
        GluehParameter p;
        p.seed = mischen(seedBasis + 7777 + static_cast<std::uint64_t>(i));
        p.zuege = o.zuege;
        p.startTemperatur = (i / static_cast<int>(alle.size())) % 2 == 0 ? 0.15 : 0.2;
        const GluehErgebnis e = symmetrischSuchen({v, k, t, b}, sym, p);
        GluehParameter frei = p;
        frei.startTemperatur = 0.2;
        const GluehErgebnis f = e.luecken == 0 ? e : ausgluehen({v, k, t, b}, e.reihen, frei);
        const std::string name = "Symmetrie Z" + std::to_string(sym.m) + " mit " + std::to_string(sym.fest) +
                                 " festen Punkten und " + std::to_string(sym.frei) +
                                 " freien Blöcken, T=" + zahlText(p.startTemperatur, 2) +
                                 " seed=" + std::to_string(p.seed) + " zuege=" + std::to_string(p.zuege);
        if (beste.luecken < 0 || f.luecken < beste.luecken) {
            beste.reihen = f.reihen;
            beste.luecken = f.luecken;
            beste.herkunft = e.luecken == 0 ? name : name + ", dann Ausglühen T=0.20";
        }
        if (beste.luecken == 0)
            break;
    }
    return beste;
}

// Search under prescribed groups (cyclic with multipliers and fixed points), the best result then
// annealed freely when it leaves gaps.
Loesung bahnenVersuche(int v, int k, int t, int b, const Optionen& o, std::uint64_t seedBasis) {
    static constexpr double temperaturen[] = {0.15, 0.25, 0.1, 0.35};
    Loesung beste;
    const std::vector<GruppenWahl> alle = ilpGruppen(v, k, t, b, o.maxFrei, o);
    if (alle.empty())
        return beste;
    for (int i = 0; i < o.versuche; ++i) {
        const std::size_t gi =
            o.gruppe >= 0 ? static_cast<std::size_t>(o.gruppe) : static_cast<std::size_t>(i);
        const GruppenWahl& g = alle[gi % alle.size()];
        GluehParameter p;
        p.seed = mischen(seedBasis + 9191 + static_cast<std::uint64_t>(i));
        p.zuege = o.zuege;
        p.zuegeJeStufe = 200'000;
        p.startTemperatur =
            o.temperatur > 0 ? o.temperatur : temperaturen[(i / static_cast<int>(alle.size())) % 4];
        const auto t0 = std::chrono::steady_clock::now();
        const GluehErgebnis e = bahnenSuchen({v, k, t, b}, g, p);
        std::cerr << "  " << g.gruppe.name << ", " << g.bahnen << " Bahnen, " << g.frei
                  << " frei: " << e.luecken << " offen, " << zahlText(sekundenSeit(t0)) << " s" << std::endl;
        const std::string name = "Bahnensuche unter " + g.gruppe.name + " (" + std::to_string(g.bahnen) +
                                 " Bahnen, " + std::to_string(g.frei) +
                                 " freie Blöcke), T=" + zahlText(p.startTemperatur, 2) +
                                 " seed=" + std::to_string(p.seed) + " zuege=" + std::to_string(p.zuege);
        if (beste.luecken < 0 || e.luecken < beste.luecken) {
            beste.reihen = e.reihen;
            beste.luecken = e.luecken;
            beste.herkunft = name;
        }
        if (beste.luecken == 0)
            break;
    }
    return beste;
}

// Exact search under each candidate group in turn (short orbits allowed, no free blocks).
Loesung ilpVersuche(int v, int k, int t, int b, const Optionen& o) {
    Loesung beste;
    const std::vector<Gruppe> alle = exakteGruppen(v, k, t, b, o);
    const bool sat = o.verfahren != "ilp" && !(o.verfahren == "zyklen" && o.cbc);
    std::vector<std::string> gesehen;
    int versucht = 0;
    for (std::size_t i = 0; i < alle.size() && versucht < o.versuche; ++i) {
        const Gruppe& g = alle[i];
        if (std::find(gesehen.begin(), gesehen.end(), g.name) != gesehen.end())
            continue;
        gesehen.push_back(g.name);
        if (o.gruppe >= 0 && static_cast<int>(gesehen.size()) - 1 != o.gruppe)
            continue;
        const auto e = sat ? satSuchen({v, k, t, b}, g, o.sekunden, o.ilpVerzeichnis, o.satFrei, o.maxBahnen)
                           : ilpSuchen({v, k, t, b}, g, o.sekunden, o.ilpVerzeichnis, o.maxBahnen);
        if (!e)
            continue;
        ++versucht;
        const long luecken = e->reihen.empty() ? -1 : fehlend(e->reihen, v, t);
        std::cerr << "  " << (sat ? "sat" : "ilp") << " unter " << g.name << ": " << e->bericht << ", "
                  << e->reihen.size() << " Blöcke, " << luecken << " offen" << std::endl;
        if (luecken == 0 && static_cast<int>(e->reihen.size()) <= b) {
            beste = {e->reihen, 0,
                     (sat ? "SAT (cadical) unter " : "ILP (cbc) unter ") + g.name + ": " +
                         e->bericht};
            break;
        }
    }
    return beste;
}

// Group divisible designs under cyclic groups, their groups covered apart (pairs only).
Loesung gddVersuche(int v, int k, int t, int b, const Optionen& o, std::uint64_t seedBasis) {
    Loesung beste;
    if (t != 2)
        return beste;
    for (const auto& td : {transversalUeberdeckung(v, k, b, seedBasis), transversalGeteilt(v, k, b)}) {
        if (!td)
            continue;
        std::cerr << "  " << td->bericht << std::endl;
        if (fehlend(td->reihen, v, t) == 0)
            return {td->reihen, 0, td->bericht};
    }
    const std::vector<GddPlan> plaene = gddPlaene(v, k, b);
    std::cerr << "  " << plaene.size() << " Pläne" << std::endl;
    for (std::size_t i = 0; i < plaene.size(); ++i) {
        if ((o.gruppe >= 0 && static_cast<int>(i) != o.gruppe) ||
            plaene[i].name().find(o.gruppenMit) == std::string::npos)
            continue;
        for (int versuch = 0; versuch < o.versuche; ++versuch) {
            const std::uint64_t seed = mischen(seedBasis + static_cast<std::uint64_t>(versuch));
            const auto e = gddSuchen(v, k, b, plaene[i], seed, o.knoten, o.sekunden, o.ilpVerzeichnis);
            std::cerr << "  " << plaene[i].name() << " (" << plaene[i].bloecke << " Blöcke): "
                      << (e ? e->bericht : std::string("nichts")) << std::endl;
            if (!e)
                continue;
            const long luecken = fehlend(e->reihen, v, t);
            if (luecken == 0) {
                beste = {e->reihen, 0, e->bericht + " seed=" + std::to_string(seed)};
                return beste;
            }
        }
    }
    return beste;
}

// A pair covering search under each cyclic (or catalogue) group in turn, until one covers.
template <typename Suche>
Loesung paarSucheJeGruppe(int v, int k, int t, int b, const Optionen& o, std::uint64_t seedBasis, Suche suche) {
    Loesung beste;
    if (t != 2)
        return beste;
    const std::vector<Gruppe> alle = exakteGruppen(v, k, t, b, o);
    for (std::size_t i = 0; i < alle.size(); ++i) {
        if (o.gruppe >= 0 && static_cast<int>(i) != o.gruppe)
            continue;
        std::cerr << "  Gruppe " << i << ": " << alle[i].name << std::endl;
        const std::uint64_t seed = mischen(seedBasis + i);
        const std::optional<IlpErgebnis> e = suche(alle[i], seed);
        if (e && !e->reihen.empty() && fehlend(e->reihen, v, t) == 0 && static_cast<int>(e->reihen.size()) <= b)
            return {e->reihen, 0, "unter " + alle[i].name + " " + e->bericht + " seed=" + std::to_string(seed)};
        std::cerr << "    " << (e ? e->bericht : std::string("ohne Ergebnis")) << std::endl;
    }
    return beste;
}

// Pair coverings held exactly once but for a drawn excess.
Loesung ueberschussVersuche(int v, int k, int t, int b, const Optionen& o, std::uint64_t seedBasis) {
    return paarSucheJeGruppe(v, k, t, b, o, seedBasis, [&](const Gruppe& g, std::uint64_t seed) {
        return ueberschussSuchen({v, k, t, b}, g, seed, o.versuche, o.sekunden, o.ilpVerzeichnis, o.maxBahnen);
    });
}

// Pair coverings by a depth-first search over block orbits.
Loesung tiefeVersuche(int v, int k, int t, int b, const Optionen& o, std::uint64_t seedBasis) {
    return paarSucheJeGruppe(v, k, t, b, o, seedBasis, [&](const Gruppe& g, std::uint64_t seed) {
        return tiefensucheSuchen({v, k, t, b}, g, seed, o.knoten, o.sekunden, o.maxBahnen);
    });
}

// Relabels the points of blocks on 1..v2 without the points in weg onto 1..v; blocks through a
// removed point are dropped.
std::vector<Maske> ohnePunkte(const std::vector<Maske>& bloecke, int v2, Maske weg) {
    std::vector<int> neu(static_cast<std::size_t>(v2 + 1), 0);
    int n = 0;
    for (int p = 1; p <= v2; ++p)
        if (!(weg & (Maske{1} << p)))
            neu[static_cast<std::size_t>(p)] = ++n;
    std::vector<Maske> r;
    for (Maske b : bloecke) {
        if (b & weg)
            continue;
        Maske m = 0;
        for (Maske z = b; z != 0; z &= z - 1)
            m |= Maske{1} << neu[static_cast<std::size_t>(std::countr_zero(z))];
        r.push_back(m);
    }
    return r;
}

// Designs on a few more points with those points removed; the blocks through them are replaced
// by as many new blocks as the budget leaves, found by SAT.
Loesung ergaenzenVersuche(int v, int k, int t, int b, const Optionen& o, std::uint64_t seedBasis) {
    Loesung beste;
    Zufall zufall(seedBasis);
    for (int v2 = v + 1; v2 <= v + 6 && v2 < 64; ++v2) {
        const auto a = algebraischeKonstruktion(v2, k, t, 100000);
        if (!a)
            continue;
        for (int i = 0; i < o.versuche; ++i) {
            Maske weg = 0;
            if (i == 0)
                for (int p = v + 1; p <= v2; ++p)
                    weg |= Maske{1} << p;
            while (std::popcount(weg) < v2 - v)
                weg |= Maske{1} << (1 + zufall.unter(static_cast<std::uint32_t>(v2)));
            const std::vector<Maske> fest = ohnePunkte(a->reihen, v2, weg);
            if (static_cast<int>(fest.size()) > b)
                break;
            const auto e = satErgaenzen({v, k, t, b}, fest, o.sekunden, o.ilpVerzeichnis);
            if (!e)
                continue;
            std::cerr << "  " << a->name << " ohne " << v2 - v << " Punkte: " << e->bericht << std::endl;
            if (!e->reihen.empty() && fehlend(e->reihen, v, t) == 0)
                return {e->reihen, 0,
                        a->name + " ohne " + std::to_string(v2 - v) + " Punkte, ergänzt (" + e->bericht +
                            ")"};
        }
    }
    return beste;
}

// Large neighbourhood search on the stored rows: drop some blocks (those meeting an uncovered
// subset first, then random ones) and let SAT refill them so that nothing stays uncovered.
Loesung lnsVersuche(int v, int k, int t, int b, const std::vector<Maske>& start, const Optionen& o,
                    std::uint64_t seedBasis) {
    Loesung beste;
    if (start.empty())
        return beste;
    Zufall zufall(seedBasis);
    // The uncovered t-subsets of the start.
    std::vector<Maske> offen;
    for (Maske m = (Maske{1} << t) - 1; m < (Maske{1} << v); m = kb::reihen::naechsteMaske(m)) {
        const Maske T = m << 1;
        if (std::none_of(start.begin(), start.end(), [&](Maske r) { return (r & T) == T; }))
            offen.push_back(T);
    }
    for (int i = 0; i < o.versuche; ++i) {
        std::vector<Maske> rest = start;
        std::vector<char> weg(rest.size(), 0);
        int anzahl = 0;
        // Blocks near an uncovered subset: they share t - 1 points with it.
        if (!offen.empty()) {
            const Maske T = offen[zufall.unter(static_cast<std::uint32_t>(offen.size()))];
            for (std::size_t j = 0; j < rest.size() && anzahl < o.lnsBloecke / 2; ++j)
                if (std::popcount(rest[j] & T) == t - 1 && zufall.unter(2) == 0) {
                    weg[j] = 1;
                    ++anzahl;
                }
        }
        while (anzahl < o.lnsBloecke) {
            const std::size_t j = zufall.unter(static_cast<std::uint32_t>(rest.size()));
            if (!weg[j]) {
                weg[j] = 1;
                ++anzahl;
            }
        }
        std::vector<Maske> fest;
        for (std::size_t j = 0; j < rest.size(); ++j)
            if (!weg[j])
                fest.push_back(rest[j]);
        const auto e = satErgaenzen({v, k, t, b}, fest, o.sekunden, o.ilpVerzeichnis);
        if (!e)
            continue;
        std::cerr << "  LNS " << i << ": " << e->bericht << std::endl;
        if (!e->reihen.empty() && fehlend(e->reihen, v, t) == 0)
            return {e->reihen, 0,
                    "gespeicherte Reihen, " + std::to_string(o.lnsBloecke) + " Blöcke neu ergänzt (Versuch " +
                        std::to_string(i) + ", " + e->bericht + ")"};
    }
    return beste;
}

// C(v, 4, 2) for v = 7, 10 mod 12 with v(v-1)/12 rounded up blocks: 3 pairs more than all pairs
// fit, which forces two points x, y of degree (v+2)/3 that share 4 blocks {x, y, a, b}; their other
// blocks are triples + x and triples + y, each set of triples a partition of the v - 10 remaining
// points. These blocks are fixed here (the y-triples at random, meeting the x-triples in at most
// a point) and SAT decomposes the pairs left into blocks of 4.
Loesung strukturVersuche(int v, int k, int t, int b, const Optionen& o, std::uint64_t seedBasis) {
    Loesung beste;
    if (k != 4 || t != 2 || v % 3 != 1 || v < 13 || 6 * b - v * (v - 1) / 2 != 3)
        return beste;
    Zufall zufall(seedBasis);
    const auto bit = [](int p) { return Maske{1} << p; };
    const Maske x = bit(v - 1), y = bit(v);
    for (int i = 0; i < o.versuche; ++i) {
        std::vector<Maske> fest;
        for (int a = 1; a <= 8; a += 2)
            fest.push_back(x | y | bit(a) | bit(a + 1));
        const int n = v - 10; // points 9 .. v - 2
        for (int j = 0; j < n; j += 3)
            fest.push_back(x | bit(9 + j) | bit(10 + j) | bit(11 + j));
        // A random partition into triples that shares no pair with the x-triples.
        std::vector<int> punkte(static_cast<std::size_t>(n));
        bool gut = false;
        for (int versuch = 0; versuch < 10000 && !gut; ++versuch) {
            for (int j = 0; j < n; ++j)
                punkte[static_cast<std::size_t>(j)] = 9 + j;
            for (int j = n - 1; j > 0; --j)
                std::swap(punkte[static_cast<std::size_t>(j)],
                          punkte[zufall.unter(static_cast<std::uint32_t>(j + 1))]);
            gut = true;
            for (int j = 0; j < n && gut; j += 3)
                for (int p = 0; p < 3; ++p)
                    for (int q = p + 1; q < 3; ++q)
                        if ((punkte[static_cast<std::size_t>(j + p)] - 9) / 3 ==
                            (punkte[static_cast<std::size_t>(j + q)] - 9) / 3)
                            gut = false;
        }
        if (!gut)
            continue;
        for (int j = 0; j < n; j += 3)
            fest.push_back(y | bit(punkte[static_cast<std::size_t>(j)]) |
                           bit(punkte[static_cast<std::size_t>(j + 1)]) |
                           bit(punkte[static_cast<std::size_t>(j + 2)]));
        const auto e = satErgaenzen({v, k, t, b}, fest, o.sekunden, o.ilpVerzeichnis);
        if (!e)
            continue;
        std::cerr << "  Struktur " << i << ": " << e->bericht << std::endl;
        if (!e->reihen.empty() && fehlend(e->reihen, v, t) == 0)
            return {e->reihen, 0,
                    "zwei Punkte in 4 gemeinsamen Blöcken, Tripel fest, Rest ergänzt (" + e->bericht + ")"};
        // Too large for the exact cover: anneal the other blocks around the fixed ones.
        GluehParameter p;
        p.seed = mischen(seedBasis + 555 + static_cast<std::uint64_t>(i));
        p.zuege = o.zuege;
        p.festeBloecke = static_cast<int>(fest.size());
        p.startTemperatur = o.temperatur > 0 ? o.temperatur : 0.2;
        const GluehErgebnis g = ausgluehen({v, k, t, b}, fest, p);
        std::cerr << "  Struktur " << i << ", Ausglühen: " << g.luecken << " offen" << std::endl;
        if (beste.luecken < 0 || g.luecken < beste.luecken)
            beste = {g.reihen, g.luecken,
                     "zwei Punkte in 4 gemeinsamen Blöcken, Tripel fest, Rest Ausglühen T=" +
                         zahlText(p.startTemperatur, 2) + " seed=" + std::to_string(p.seed) +
                         " zuege=" + std::to_string(p.zuege)};
        if (beste.luecken == 0)
            return beste;
    }
    return beste;
}

// Local search with several seeds; the first attempt may start from given rows. Annealing runs
// at a different temperature each time; with "beide" every third attempt is the weighted search.
Loesung suchen(int v, int k, int t, int b, const std::vector<Maske>& start, const std::string& startName,
               const Optionen& o, std::uint64_t seedBasis) {
    static constexpr double temperaturen[] = {0.2, 0.3, 0.15, 0.25, 0.35, 0.12};
    Loesung beste;
    if (o.verfahren == "symmetrisch")
        return symmetrischeVersuche(v, k, t, b, o, seedBasis);
    if (o.verfahren == "bahnen")
        return bahnenVersuche(v, k, t, b, o, seedBasis);
    if (o.verfahren == "ilp" || o.verfahren == "sat" || o.verfahren == "zyklen")
        return ilpVersuche(v, k, t, b, o);
    if (o.verfahren == "ergaenzen")
        return ergaenzenVersuche(v, k, t, b, o, seedBasis);
    if (o.verfahren == "struktur")
        return strukturVersuche(v, k, t, b, o, seedBasis);
    if (o.verfahren == "gdd")
        return gddVersuche(v, k, t, b, o, seedBasis);
    if (o.verfahren == "ueberschuss")
        return ueberschussVersuche(v, k, t, b, o, seedBasis);
    if (o.verfahren == "tiefe")
        return tiefeVersuche(v, k, t, b, o, seedBasis);
    if (o.verfahren == "lns")
        return lnsVersuche(v, k, t, b, start, o, seedBasis);
    int gluehVersuch = 0;
    for (int i = 0; i < o.versuche; ++i) {
        GluehParameter p;
        p.seed = mischen(seedBasis + static_cast<std::uint64_t>(i));
        p.zuege = o.zuege;
        const bool gewichtet = o.verfahren == "gewichtet" || (o.verfahren == "beide" && i % 3 == 2);
        const std::vector<Maske> vorgabe = i == 0 ? start : std::vector<Maske>{};
        // The weighted search does far more work per step; give it a tenth of the steps.
        if (gewichtet)
            p.zuege = std::max<std::uint64_t>(1, o.zuege / 10);
        else
            p.startTemperatur = temperaturen[gluehVersuch++ % 6];
        const GluehErgebnis e =
            gewichtet ? gewichtetSuchen({v, k, t, b}, vorgabe, p) : ausgluehen({v, k, t, b}, vorgabe, p);
        if (beste.luecken < 0 || e.luecken < beste.luecken) {
            beste.reihen = e.reihen;
            beste.luecken = e.luecken;
            beste.herkunft = (gewichtet ? std::string("gewichtete Suche")
                                        : "Ausglühen T=" + zahlText(p.startTemperatur, 2)) +
                             " seed=" + std::to_string(p.seed) + " zuege=" + std::to_string(p.zuege) +
                             (vorgabe.empty() ? "" : ", Start: " + startName);
        }
        if (beste.luecken == 0)
            break;
    }
    return beste;
}

// Blocks of a design on more points restricted to 1..v: the points above v leave every block,
// which is then filled up with the least used points it lacks. Coverage of 1..v stays.
std::vector<Maske> punkteEntfernen(const std::vector<Maske>& bloecke, int v, int k) {
    const Maske erlaubt = ((Maske{1} << v) - 1) << 1;
    std::vector<int> nutzung(static_cast<std::size_t>(v + 1), 0);
    for (Maske m : bloecke)
        for (Maske r = m & erlaubt; r != 0; r &= r - 1)
            ++nutzung[static_cast<std::size_t>(std::countr_zero(r))];
    std::vector<Maske> aus;
    for (Maske m : bloecke) {
        Maske r = m & erlaubt;
        while (std::popcount(r) < k) {
            int bester = -1;
            for (int p = 1; p <= v; ++p)
                if (!(r & (Maske{1} << p)) && (bester < 0 || nutzung[static_cast<std::size_t>(p)] <
                                                                 nutzung[static_cast<std::size_t>(bester)]))
                    bester = p;
            r |= Maske{1} << bester;
            ++nutzung[static_cast<std::size_t>(bester)];
        }
        aus.push_back(r);
    }
    return aus;
}

// Drops blocks one by one, each time the one that alone covers the fewest t-subsets, down to b.
std::vector<Maske> bloeckeReduzieren(std::vector<Maske> bloecke, int v, int t, int b) {
    while (static_cast<int>(bloecke.size()) > b) {
        std::size_t weg = 0;
        long wenigste = -1;
        for (std::size_t i = 0; i < bloecke.size(); ++i) {
            std::vector<Maske> ohne = bloecke;
            ohne.erase(ohne.begin() + static_cast<std::ptrdiff_t>(i));
            const long verlust = fehlend(ohne, v, t);
            if (wenigste < 0 || verlust < wenigste) {
                wenigste = verlust;
                weg = i;
            }
        }
        bloecke.erase(bloecke.begin() + static_cast<std::ptrdiff_t>(weg));
    }
    return bloecke;
}

// Two points added at once: a covering C(v - 2, k, t) and the points v - 1, v in every block of
// a covering C(v - 2, k - 2, t - 1), which holds every t-subset with one or both new points.
// Each part is an algebraic design or rows of the data file whose guarantee holds.
std::optional<Loesung> zweiPunkteDazu(int v, int k, int t, int b, const std::vector<Eintrag>& bestand) {
    if (t < 3 || k - 2 < t - 1 || v - 2 <= k)
        return std::nullopt;
    const auto bekannt = [&](int w, int r, int g, int hoechstens) -> std::optional<Konstruktion> {
        const std::string name = "C(" + std::to_string(w) + "," + std::to_string(r) + "," + std::to_string(g) + ")";
        if (auto a = algebraischeKonstruktion(w, r, g, hoechstens))
            return Konstruktion{a->reihen, name + " = " + std::to_string(a->reihen.size()) + " aus " + a->name};
        for (const Eintrag& e : bestand)
            if (e.WZ == w && e.RG == r && e.GA == g && e.luecken == 0 && e.TR <= hoechstens)
                return Konstruktion{e.reihen, name + " = " + std::to_string(e.TR) + " aus Position " +
                                                  std::to_string(e.position)};
        return std::nullopt;
    };
    const auto alt = bekannt(v - 2, k, t, b);
    if (!alt)
        return std::nullopt;
    const auto neu = bekannt(v - 2, k - 2, t - 1, b - static_cast<int>(alt->reihen.size()));
    if (!neu)
        return std::nullopt;
    Loesung l{alt->reihen, 0,
              alt->name + ", die Punkte " + std::to_string(v - 1) + " und " + std::to_string(v) +
                  " in jedem Block von " + neu->name};
    const Maske beide = (Maske{1} << (v - 1)) | (Maske{1} << v);
    for (Maske m : neu->reihen)
        l.reihen.push_back(m | beide);
    return l;
}

// The best rows the generator can make for C(v, k, t) with b blocks.
Loesung loesen(int v, int k, int t, int b, const std::vector<Maske>& start, const std::vector<Eintrag>& bestand,
               const Optionen& o, std::uint64_t seedBasis) {
    if (auto a = algebraischeKonstruktion(v, k, t, b))
        return {a->reihen, 0, a->name};
    // Points removed from an algebraic design on up to three more points.
    for (int v2 = v + 1; v2 <= v + 3 && v2 < 64; ++v2)
        if (auto a = algebraischeKonstruktion(v2, k, t, b))
            return {punkteEntfernen(a->reihen, v, k), 0,
                    a->name + " ohne die Punkte über " + std::to_string(v)};
    // One point added: an algebraic design on v - 1 points, and the point v with a covering
    // C(v - 1, k - 1, t - 1) of the remaining blocks.
    if (t >= 2 && v > k) {
        for (int b1 = b - 1; b1 >= 1; --b1) {
            auto a = algebraischeKonstruktion(v - 1, k, t, b1);
            if (!a)
                continue;
            const int rest = b - static_cast<int>(a->reihen.size());
            Loesung teil = loesen(v - 1, k - 1, t - 1, rest, {}, bestand, o, seedBasis ^ 0xabcdefull);
            if (teil.luecken != 0)
                break;
            Loesung l{a->reihen, 0,
                      a->name + " + Punkt " + std::to_string(v) + " mit [" + teil.herkunft + "]"};
            for (Maske m : teil.reihen)
                l.reihen.push_back(m | (Maske{1} << v));
            return l;
        }
    }
    if (auto z = zweiPunkteDazu(v, k, t, b, bestand))
        return *z;
    // Without given rows the search may start from a larger algebraic design cut down to size.
    if (start.empty()) {
        for (int v2 = v + 1; v2 <= v + 2 && v2 < 64; ++v2)
            if (auto a = algebraischeKonstruktion(v2, k, t, 100000))
                return suchen(v, k, t, b, bloeckeReduzieren(punkteEntfernen(a->reihen, v, k), v, t, b),
                              a->name + " ohne Punkte über " + std::to_string(v), o, seedBasis);
    }
    return suchen(v, k, t, b, start, "gespeicherte Reihen", o, seedBasis);
}

bool positionenLesen(const std::string& text, const std::vector<Eintrag>& bestand, std::set<int>& r) {
    if (text == "offen" || text == "alle") {
        for (int p = 0; p < kb::EingebauteSysteme; ++p)
            if (text == "alle" || bestand.empty() || bestand[static_cast<std::size_t>(p)].luecken != 0)
                r.insert(p);
        return true;
    }
    std::stringstream s(text);
    std::string teil;
    while (std::getline(s, teil, ',')) {
        int von = 0, bis = 0;
        char strich = 0;
        std::stringstream t(teil);
        if (!(t >> von))
            return false;
        bis = von;
        if (t >> strich && (strich != '-' || !(t >> bis)))
            return false;
        if (von < 0 || bis >= kb::EingebauteSysteme || von > bis)
            return false;
        for (int p = von; p <= bis; ++p)
            r.insert(p);
    }
    return true;
}

// A fresh file: spread rows everywhere, with their honest count of uncovered subsets.
std::vector<Eintrag> grundbestand() {
    std::vector<Eintrag> alle;
    for (int p = 0; p < kb::EingebauteSysteme; ++p) {
        const kb::TSysteme& s = kb::SystemeKonst[static_cast<std::size_t>(p)];
        const std::uint64_t seed = mischen(static_cast<std::uint64_t>(p));
        Eintrag e{p, s.RG, s.WZ, s.GA, s.TR, 0, "gleichmäßig verteilt seed=" + std::to_string(seed), {}};
        e.reihen = normalisieren(s.WZ, s.RG, s.TR, {}, seed);
        e.luecken = fehlend(e.reihen, s.WZ, s.GA);
        if (e.luecken > 0)
            e.herkunft = "Platzhalter, " + e.herkunft;
        alle.push_back(std::move(e));
    }
    return alle;
}

class DateiSperre {
public:
    explicit DateiSperre(const std::string& pfad)
        : m_fd(::open((pfad + ".lock").c_str(), O_CREAT | O_RDWR, 0644)) {
        if (m_fd >= 0)
            ::flock(m_fd, LOCK_EX);
    }
    ~DateiSperre() {
        if (m_fd >= 0) {
            ::flock(m_fd, LOCK_UN);
            ::close(m_fd);
        }
    }
    DateiSperre(const DateiSperre&) = delete;
    DateiSperre& operator=(const DateiSperre&) = delete;

private:
    int m_fd;
};

std::vector<Eintrag> bestandLesen(const std::string& pfad) {
    std::string fehler;
    if (auto e = lesen(pfad, fehler); e && e->size() == static_cast<std::size_t>(kb::EingebauteSysteme))
        return *e;
    if (::access(pfad.c_str(), F_OK) == 0) {
        std::cerr << pfad << " ist unbrauchbar (" << fehler << "); breche ab.\n";
        std::exit(1);
    }
    return {};
}

// One line per stored improvement in <data>_log.txt beside the data file: when, which position,
// how many subsets stay open, and the method with its run time.
void protokollieren(const std::string& pfad, const Eintrag& e) {
    const std::string log =
        (pfad.size() > 4 && pfad.ends_with(".txt") ? pfad.substr(0, pfad.size() - 4) : pfad) + "_log.txt";
    std::FILE* f = std::fopen(log.c_str(), "a");
    if (f == nullptr)
        return;
    const std::time_t jetzt = std::time(nullptr);
    char zeit[32];
    std::strftime(zeit, sizeof zeit, "%Y-%m-%d %H:%M", std::gmtime(&jetzt));
    std::fprintf(f, "%s  Position %3d  C(%d,%d,%d)=%d  %ld offen  %s\n", zeit, e.position, e.WZ, e.RG, e.GA,
                 e.TR, e.luecken, e.herkunft.c_str());
    std::fclose(f);
}

// Stores the entry if it beats the stored one; other processes may have written meanwhile.
bool speichern(const std::string& pfad, const Eintrag& neu, bool erzwingen) {
    DateiSperre sperre(pfad);
    std::vector<Eintrag> bestand = bestandLesen(pfad);
    if (bestand.empty())
        bestand = grundbestand();
    Eintrag& alt = bestand[static_cast<std::size_t>(neu.position)];
    if (!erzwingen && alt.luecken <= neu.luecken)
        return false;
    alt = neu;
    std::string fehler;
    if (!schreiben(pfad, bestand, fehler)) {
        std::cerr << fehler << '\n';
        std::exit(1);
    }
    protokollieren(pfad, neu);
    return true;
}

int hilfe() {
    std::cerr
        << "Aufruf: kb_system_rows --daten <system_rows.txt> [--positionen offen|alle|a-b,c,...]\n"
           "        [--seed S] [--zuege N] [--versuche A] [--verfahren beide|gluehen|gewichtet|symmetrisch]\n"
           "        [--weiter] [--neu] [--gruppe I] [--maxfrei F] [--temperatur T] [--gruppen]\n"
           "        [--sekunden S] [--ilp-verzeichnis D] [--sat-frei F] [--lns-bloecke N] [--gruppenkatalog]\n"
           "        [--knoten N] [--feste F] [--max-bahnen N] [--cbc] [--gruppen-mit T]\n"
           "  --weiter  die gespeicherten Reihen als Start der ersten Suche nehmen\n"
           "  --neu     auch Positionen neu bilden, deren Garantie schon erfüllt ist\n"
           "  --verfahren symmetrisch  Suche unter zyklischer Symmetrie, danach freies Ausglühen\n"
           "  --verfahren bahnen  Suche unter vorgegebener Gruppe (Bahnen von Blöcken als Unbekannte)\n"
           "  --gruppe I  nur die I-te Gruppe der Liste (--gruppen zeigt sie) statt aller nacheinander\n"
           "  --maxfrei F  höchstens F freie Blöcke neben den Bahnen (12)\n"
           "  --verfahren ilp  exakte Suche unter vorgegebener Gruppe mit cbc (je Lauf höchstens S "
           "Sekunden)\n"
           "  --verfahren sat  dieselbe Suche mit cadical; --sat-frei F erlaubt F Blöcke außerhalb der "
           "Bahnen\n"
           "  --gruppenkatalog  ilp/sat (und --gruppen) mit den Gruppen des Katalogs: AGL/AΓL(1,q) und\n"
           "                    Untergruppen, PSL/PGL/PΓL(2,q), Z_a×Z_b, je mit bis zu F festen Punkten\n"
           "  --verfahren ergaenzen  algebraische Designs ohne einige Punkte, durch SAT ergänzt\n"
           "  --verfahren lns  N gespeicherte Blöcke (mit --weiter) durch SAT ersetzen\n"
           "  --verfahren gdd  Paarüberdeckung aus gruppenteilbarem Design unter zyklischer Gruppe, die "
           "Gruppen eigens überdeckt (je Plan höchstens N Suchknoten; --gruppe I nur der I-te Plan)\n"
           "  --verfahren zyklen  wie sat, unter zyklischen Gruppen mit Zyklen verschiedener Länge\n"
           "                    (mit --cbc durch cbc gelöst statt durch cadical)\n"
           "  --gruppen-mit T  nur Gruppen (und gdd-Pläne), deren Name T enthält\n"
           "  --feste F  Gruppen von bahnen/zyklen/ueberschuss und des Katalogs mit bis zu F festen Punkten (3)\n"
           "  --max-bahnen N  exakte Modelle mit höchstens etwa N Bahnen von Blöcken (400000)\n"
           "  --verfahren ueberschuss  unter denselben Gruppen: jedes Paar genau einmal bis auf einen\n"
           "                    gelosten Überschuss (--versuche je Gruppe, --gruppe I nur die I-te;\n"
           "                    mit --gruppenkatalog unter den Gruppen des Katalogs)\n"
           "  --verfahren tiefe  unter denselben Gruppen Tiefensuche über Blockbahnen, Überschuss je\n"
           "                    Punktbahn beschränkt (je Teilung höchstens --knoten N Suchknoten,\n"
           "                    je Gruppe höchstens --sekunden S)\n"
           "  --verfahren struktur  C(v,4,2), v = 7, 10 mod 12: erzwungene Struktur fest, Rest exakt "
           "überdeckt\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    Optionen o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool wert = i + 1 < argc;
        if (a == "--daten" && wert)
            o.daten = argv[++i];
        else if (a == "--positionen" && wert)
            o.positionen = argv[++i];
        else if (a == "--seed" && wert)
            o.seed = std::stoull(argv[++i]);
        else if (a == "--zuege" && wert)
            o.zuege = std::stoull(argv[++i]);
        else if (a == "--versuche" && wert)
            o.versuche = std::stoi(argv[++i]);
        else if (a == "--verfahren" && wert)
            o.verfahren = argv[++i];
        else if (a == "--weiter")
            o.weiter = true;
        else if (a == "--neu")
            o.neu = true;
        else if (a == "--gruppe" && wert)
            o.gruppe = std::stoi(argv[++i]);
        else if (a == "--maxfrei" && wert)
            o.maxFrei = std::stoi(argv[++i]);
        else if (a == "--temperatur" && wert)
            o.temperatur = std::stod(argv[++i]);
        else if (a == "--sekunden" && wert)
            o.sekunden = std::stoi(argv[++i]);
        else if (a == "--knoten" && wert)
            o.knoten = std::stol(argv[++i]);
        else if (a == "--lns-bloecke" && wert)
            o.lnsBloecke = std::stoi(argv[++i]);
        else if (a == "--sat-frei" && wert)
            o.satFrei = std::stoi(argv[++i]);
        else if (a == "--ilp-verzeichnis" && wert)
            o.ilpVerzeichnis = argv[++i];
        else if (a == "--gruppen")
            o.gruppenZeigen = true;
        else if (a == "--max-bahnen" && wert)
            o.maxBahnen = std::stol(argv[++i]);
        else if (a == "--cbc")
            o.cbc = true;
        else if (a == "--feste" && wert)
            o.feste = std::stoi(argv[++i]);
        else if (a == "--gruppen-mit" && wert)
            o.gruppenMit = argv[++i];
        else if (a == "--gruppenkatalog")
            o.gruppenkatalog = true;
        else
            return hilfe();
    }
    if (o.daten.empty() || o.versuche < 1 ||
        (o.verfahren != "beide" && o.verfahren != "gluehen" && o.verfahren != "gewichtet" &&
         o.verfahren != "symmetrisch" && o.verfahren != "bahnen" && o.verfahren != "ilp" &&
         o.verfahren != "sat" && o.verfahren != "ergaenzen" && o.verfahren != "lns" && o.verfahren != "gdd" &&
         o.verfahren != "zyklen" && o.verfahren != "struktur" && o.verfahren != "ueberschuss" &&
         o.verfahren != "tiefe"))
        return hilfe();
    {
        // The solvers write their files there; a missing folder would fail every run quietly.
        std::error_code fehler;
        std::filesystem::create_directories(o.ilpVerzeichnis, fehler);
        if (fehler) {
            std::cerr << "Verzeichnis " << o.ilpVerzeichnis << " lässt sich nicht anlegen: " << fehler.message() << '\n';
            return 1;
        }
    }

    std::vector<Eintrag> bestand;
    {
        DateiSperre sperre(o.daten);
        bestand = bestandLesen(o.daten);
        if (bestand.empty()) {
            bestand = grundbestand();
            std::string fehler;
            if (!schreiben(o.daten, bestand, fehler)) {
                std::cerr << fehler << '\n';
                return 1;
            }
        }
    }
    std::set<int> positionen;
    if (!positionenLesen(o.positionen, bestand, positionen))
        return hilfe();

    if (o.gruppenZeigen) {
        for (int p : positionen) {
            const kb::TSysteme& s = kb::SystemeKonst[static_cast<std::size_t>(p)];
            if (zyklischeGruppen(o)) {
                const std::vector<Gruppe> gruppen = exakteGruppen(s.WZ, s.RG, s.GA, s.TR, o);
                for (std::size_t i = 0; i < gruppen.size(); ++i)
                    std::cout << "Position " << p << " Gruppe " << i << ": " << gruppen[i].name << '\n';
                continue;
            }
            const std::vector<GruppenWahl> alle = ilpGruppen(s.WZ, s.RG, s.GA, s.TR, o.maxFrei, o);
            for (std::size_t i = 0; i < alle.size(); ++i)
                std::cout << "Position " << p << " Gruppe " << i << ": " << alle[i].gruppe.name
                          << ", Ordnung " << alle[i].gruppe.elemente.size() << ", " << alle[i].bahnen
                          << " Bahnen, " << alle[i].frei << " frei\n";
        }
        return 0;
    }
    const auto gesamt0 = std::chrono::steady_clock::now();
    int erfuellt = 0;
    for (int p : positionen) {
        const kb::TSysteme& s = kb::SystemeKonst[static_cast<std::size_t>(p)];
        const Eintrag& alt = bestand[static_cast<std::size_t>(p)];
        if (!o.neu && alt.luecken == 0 && alt.herkunft.rfind("Platzhalter", 0) != 0) {
            ++erfuellt;
            continue;
        }
        // TR rows hold at most TR * (RG over GA) subsets; fewer gaps than the rest cannot be.
        const long schranke = binomial(s.WZ, s.GA) - static_cast<long>(s.TR) * binomial(s.RG, s.GA);
        if (!o.neu && schranke > 0 && alt.luecken == schranke) {
            std::cout << "Position " << p << ": " << alt.luecken << " offen, weniger geht mit " << s.TR
                      << " Reihen nicht" << std::endl;
            continue;
        }
        const auto t0 = std::chrono::steady_clock::now();
        const std::uint64_t seedBasis = mischen(o.seed * 1000003ull + static_cast<std::uint64_t>(p));
        Loesung l;
        if (auto g = vorgegebeneReihen(p)) {
            l = {g->reihen, fehlend(g->reihen, s.WZ, s.GA), g->name};
        } else if (s.GA == 0) {
            l = {verteilteReihen(s.WZ, s.RG, s.TR, {}, seedBasis), 0,
                 "gleichmäßig verteilt seed=" + std::to_string(seedBasis)};
        } else {
            l = loesen(s.WZ, s.RG, s.GA, s.TR, o.weiter ? alt.reihen : std::vector<Maske>{}, bestand, o,
                       seedBasis);
        }
        Eintrag e{p,    s.RG, s.WZ,       s.GA,
                  s.TR, 0,    l.herkunft, normalisieren(s.WZ, s.RG, s.TR, l.reihen, seedBasis)};
        e.luecken = fehlend(e.reihen, s.WZ, s.GA);
        const double sek = sekundenSeit(t0);
        e.herkunft += " zeit=" + zahlText(sek) + "s";
        const bool besser = speichern(o.daten, e, o.neu && e.luecken <= alt.luecken);
        if (e.luecken == 0)
            ++erfuellt;
        std::cout << "Position " << p << " C(" << int(s.WZ) << ',' << int(s.RG) << ',' << int(s.GA)
                  << ")=" << s.TR << ": " << e.luecken << " offen, " << zahlText(sek) << " s, " << e.herkunft
                  << (besser ? " [gespeichert]" : " [nicht besser als gespeichert]") << std::endl;
    }
    std::cout << erfuellt << " von " << positionen.size() << " Positionen ohne Lücke; Laufzeit "
              << zahlText(sekundenSeit(gesamt0)) << " s" << std::endl;
    return 0;
}
