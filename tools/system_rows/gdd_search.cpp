#include "gdd_search.h"

#include "annealer.h"
#include "constructions.h"
#include "exact_cover.h"
#include "group_catalogue.h"
#include "ilp_search.h"
#include "random.h"
#include "subsets.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdio>
#include <map>
#include <numeric>
#include <set>

#include <unistd.h>

namespace kb::reihen {

namespace {

long paare(int g) { return binom.c[g][2]; }

// Lower bound for covering the pairs of g points by k-sets (one block up to k points).
int untereSchranke(int g, int k) { return static_cast<int>(schoenheim(g, k, 2)); }

// The permutation of the plan as images of every point under one step, and each point's group.
struct Punkte {
    std::vector<int> schritt;
    std::vector<int> gruppe;
    int gruppen = 0;
};

Punkte punkteVon(int v, const GddPlan& p) {
    Punkte r;
    r.schritt.resize(static_cast<std::size_t>(v));
    r.gruppe.resize(static_cast<std::size_t>(v));
    const int nebenklassen = p.n / p.s;
    for (int j = 0; j < p.c; ++j)
        for (int x = 0; x < p.n; ++x) {
            const auto i = static_cast<std::size_t>(j * p.n + x);
            r.schritt[i] = j * p.n + (x + 1) % p.n;
            r.gruppe[i] = p.quer ? x : j * nebenklassen + x % nebenklassen;
        }
    r.gruppen = p.quer ? p.n : p.c * nebenklassen;
    int basis = p.c * p.n;
    const auto zyklus = [&](int laenge, int gruppe) {
        for (int i = 0; i < laenge; ++i) {
            r.schritt[static_cast<std::size_t>(basis + i)] = basis + (i + 1) % laenge;
            r.gruppe[static_cast<std::size_t>(basis + i)] = gruppe < 0 ? r.gruppen++ : gruppe;
        }
        basis += laenge;
    };
    for (int laenge : p.freieZyklen)
        zyklus(laenge, -1);
    const int loch = r.gruppen;
    for (int laenge : p.zyklen)
        zyklus(laenge, loch);
    if (!p.zyklen.empty())
        ++r.gruppen;
    for (int i = 0; i < p.spitzen; ++i, ++basis) {
        r.schritt[static_cast<std::size_t>(basis)] = basis;
        r.gruppe[static_cast<std::size_t>(basis)] = -1;
    }
    return r;
}

struct PaarBahnen {
    std::vector<int> bahn;    // a * v + c (a < c) -> orbit id; -1 for the pairs inside a group
    std::vector<int> groesse; // pairs per orbit
};

// Orbits of the pairs from different groups (none for the points outside the design).
PaarBahnen paarBahnenVon(int v, const Punkte& pk) {
    std::vector<int> paarBahn(static_cast<std::size_t>(v * v), -1);
    std::vector<int> bahnGroesse;
    for (int a = 0; a < v; ++a)
        for (int c = a + 1; c < v; ++c) {
            if (pk.gruppe[static_cast<std::size_t>(a)] == pk.gruppe[static_cast<std::size_t>(c)] ||
                pk.gruppe[static_cast<std::size_t>(a)] < 0 || pk.gruppe[static_cast<std::size_t>(c)] < 0 ||
                paarBahn[static_cast<std::size_t>(a * v + c)] >= 0)
                continue;
            const int id = static_cast<int>(bahnGroesse.size());
            int groesse = 0;
            for (int x = a, y = c;;) {
                int& eintrag = paarBahn[static_cast<std::size_t>(std::min(x, y) * v + std::max(x, y))];
                if (eintrag == id)
                    break;
                eintrag = id;
                ++groesse;
                x = pk.schritt[static_cast<std::size_t>(x)];
                y = pk.schritt[static_cast<std::size_t>(y)];
            }
            bahnGroesse.push_back(groesse);
        }
    return {std::move(paarBahn), std::move(bahnGroesse)};
}

Maske bild(const Punkte& pk, Maske m) {
    Maske r = 0;
    for (; m != 0; m &= m - 1)
        r |= Maske{1} << pk.schritt[static_cast<std::size_t>(std::countr_zero(m))];
    return r;
}

// Calls f for every k-set that contains erster and otherwise only points from frei (ascending),
// with no two points in one group.
template <typename F>
void kMengen(const Punkte& pk, int k, int erster, const std::vector<int>& frei, F&& f) {
    std::vector<int> gewaehlt{erster};
    auto rekursiv = [&](auto&& selbst, std::size_t ab, Maske m) -> void {
        if (static_cast<int>(gewaehlt.size()) == k) {
            f(m);
            return;
        }
        for (std::size_t i = ab; i + (static_cast<std::size_t>(k) - gewaehlt.size()) <= frei.size(); ++i) {
            const int p = frei[i];
            const int gp = pk.gruppe[static_cast<std::size_t>(p)];
            if (gp < 0 || std::any_of(gewaehlt.begin(), gewaehlt.end(),
                            [&](int q) { return pk.gruppe[static_cast<std::size_t>(q)] == gp; }))
                continue;
            gewaehlt.push_back(p);
            selbst(selbst, i + 1, m | (Maske{1} << p));
            gewaehlt.pop_back();
        }
    };
    rekursiv(rekursiv, 0, Maske{1} << erster);
}

// Calls f(m, groesse, treffer) for every block orbit with a member whose lowest point starts a
// cycle or is a further point outside the hole: m is the orbit's lexicographically first member,
// groesse its size, treffer the pair orbits m meets with how many of its pairs lie in each.
template <typename F>
void blockBahnenDurchlaufen(int v, int k, const GddPlan& plan, const Punkte& pk, const PaarBahnen& pb, F&& f) {
    const int lochAb = v - plan.spitzen - std::accumulate(plan.zyklen.begin(), plan.zyklen.end(), 0);
    for (int p = 0; p < lochAb; ++p) {
        if (p < plan.c * plan.n && p % plan.n != 0)
            continue;
        std::vector<int> danach;
        for (int q = p + 1; q < v; ++q)
            danach.push_back(q);
        kMengen(pk, k, p, danach, [&](Maske m) {
            int stab = 0;
            Maske x = m;
            for (int j = 0; j < plan.n; ++j, x = bild(pk, x)) {
                if (x == m)
                    ++stab;
                else if (lexVor(x, m))
                    return;
            }
            std::map<int, int> treffer;
            for (Maske a = m; a != 0; a &= a - 1)
                for (Maske c = a & (a - 1); c != 0; c &= c - 1)
                    ++treffer[pb.bahn[static_cast<std::size_t>(std::countr_zero(a) * v + std::countr_zero(c))]];
            f(m, plan.n / stab, treffer);
        });
    }
}

// The points besides c main cycles of length n (e of them): festMin to festMax fixed points, the
// rest in at most four cycles of one length that divides n; cycles first, fixed points last.
std::vector<std::vector<int>> weitereZyklen(int n, int e, int festMin, int festMax) {
    std::vector<std::vector<int>> r;
    for (int fest = festMin; fest <= festMax && fest <= e; ++fest) {
        const int rest = e - fest;
        const std::vector<int> feste(static_cast<std::size_t>(fest), 1);
        if (rest == 0)
            r.push_back(feste);
        for (int d = 2; d < n && rest > 0; ++d)
            if (n % d == 0 && rest % d == 0 && rest / d <= 4) {
                std::vector<int> frei(static_cast<std::size_t>(rest / d), d);
                frei.insert(frei.end(), feste.begin(), feste.end());
                r.push_back(std::move(frei));
            }
    }
    return r;
}

// With a points outside the design every group is covered together with them: groups that fit
// beside them share one block (first fit, largest first), each larger group gets a covering of its
// own with them. The indices of the groups in each part to cover; without such points every group
// is a part of its own.
std::vector<std::vector<int>> teileMitSpitzen(const std::vector<int>& groessen, int a, int k) {
    std::vector<int> reihenfolge(groessen.size());
    std::iota(reihenfolge.begin(), reihenfolge.end(), 0);
    std::vector<std::vector<int>> teile;
    if (a == 0) {
        for (int i : reihenfolge)
            teile.push_back({i});
        return teile;
    }
    std::stable_sort(reihenfolge.begin(), reihenfolge.end(), [&](int x, int y) {
        return groessen[static_cast<std::size_t>(x)] > groessen[static_cast<std::size_t>(y)];
    });
    std::vector<int> platz;
    for (int i : reihenfolge) {
        const int g = groessen[static_cast<std::size_t>(i)];
        std::size_t j = 0;
        if (g + a <= k)
            while (j < platz.size() && platz[j] < g)
                ++j;
        else
            j = platz.size();
        if (j == platz.size()) {
            teile.emplace_back();
            platz.push_back(g + a <= k ? k - a : 0);
        }
        teile[j].push_back(i);
        platz[j] -= std::min(platz[j], g);
    }
    return teile;
}

} // namespace

std::vector<Maske> paarUeberdeckung(int g, int k, std::uint64_t seed) {
    if (g <= 1)
        return {};
    if (g <= k)
        return {(Maske{1} << g) - 1};
    for (int bb = untereSchranke(g, k); bb <= untereSchranke(g, k) + 3; ++bb) {
        std::vector<Maske> r;
        if (auto a = algebraischeKonstruktion(g, k, 2, bb))
            r = a->reihen;
        for (int versuch = 0; r.empty() && versuch < 3; ++versuch) {
            GluehParameter p;
            p.seed = seed + static_cast<std::uint64_t>(versuch);
            p.zuege = 3'000'000;
            p.startTemperatur = 0.2;
            const GluehErgebnis e = ausgluehen({g, k, 2, bb}, {}, p);
            if (e.luecken == 0)
                r = e.reihen;
        }
        if (!r.empty()) {
            for (Maske& m : r)
                m >>= 1;
            return r;
        }
    }
    return {};
}

namespace {

// Turning a single cycle of the plan (the others stay) commutes with the group and keeps every
// group a group, unless the groups run across the cycles. So when a cover exists, one exists in
// which the column with the fewest rows is held by a row that is least among its images under the
// turns that fix a pair of that column; the other rows of the column go, and the first branching
// shrinks by about the number of those turns (1000 rows to 1 for a hole point under Z10 on four
// cycles). Fixed points of the hole could be swapped as well; that is not used.
void drehungenBrechen(const Punkte& pk, const PaarBahnen& pb, int v, std::vector<Maske>& vertreter,
                      std::vector<std::vector<int>>& zeilen, std::vector<int>& zeilenGroesse) {
    if (zeilen.empty())
        return;
    // Each point's cycle (by its first point), place in it and the cycle's length; the points of
    // a cycle are numbered in a row.
    std::vector<int> start(static_cast<std::size_t>(v), -1), stelle(static_cast<std::size_t>(v), 0),
        laenge(static_cast<std::size_t>(v), 0);
    for (int p = 0; p < v;) {
        int l = 1;
        while (pk.schritt[static_cast<std::size_t>(p + l - 1)] != p)
            ++l;
        for (int i = 0; i < l; ++i) {
            start[static_cast<std::size_t>(p + i)] = p;
            stelle[static_cast<std::size_t>(p + i)] = i;
            laenge[static_cast<std::size_t>(p + i)] = l;
        }
        p += l;
    }
    std::vector<int> jeSpalte(pb.groesse.size(), 0);
    for (const auto& z : zeilen)
        for (int spalte : z)
            ++jeSpalte[static_cast<std::size_t>(spalte)];
    const int x = static_cast<int>(std::min_element(jeSpalte.begin(), jeSpalte.end()) - jeSpalte.begin());
    int a = -1, c = -1;
    for (int p = 0; p < v && a < 0; ++p)
        for (int q = p + 1; q < v; ++q)
            if (pb.bahn[static_cast<std::size_t>(p * v + q)] == x) {
                a = p;
                c = q;
                break;
            }
    const auto drehen = [&](Maske m, const std::vector<std::pair<int, int>>& um) {
        Maske r = 0;
        for (; m != 0; m &= m - 1) {
            const auto p = static_cast<std::size_t>(std::countr_zero(m));
            int d = 0;
            for (auto [s, t] : um)
                if (s == start[p])
                    d = t;
            r |= Maske{1} << (start[p] + (stelle[p] + d) % laenge[p]);
        }
        return r;
    };
    std::vector<char> behalten(zeilen.size(), 1);
    for (std::size_t z = 0; z < zeilen.size(); ++z) {
        if (std::find(zeilen[z].begin(), zeilen[z].end(), x) == zeilen[z].end())
            continue;
        const Maske m = vertreter[z];
        // The cycles the row meets besides those of a and c, each turned every way.
        std::vector<std::pair<int, int>> um;
        for (Maske r = m; r != 0; r &= r - 1) {
            const auto p = static_cast<std::size_t>(std::countr_zero(r));
            if (start[p] != start[static_cast<std::size_t>(a)] && start[p] != start[static_cast<std::size_t>(c)] &&
                laenge[p] > 1 && std::none_of(um.begin(), um.end(), [&](auto e) { return e.first == start[p]; }))
                um.push_back({start[p], 0});
        }
        bool kleinster = true;
        while (kleinster) {
            std::size_t i = 0;
            for (; i < um.size(); ++i) {
                if (++um[i].second < laenge[static_cast<std::size_t>(um[i].first)])
                    break;
                um[i].second = 0;
            }
            if (i == um.size())
                break;
            const Maske bild0 = drehen(m, um);
            Maske y = bild0;
            do {
                if (lexVor(y, m))
                    kleinster = false;
                y = bild(pk, y);
            } while (y != bild0 && kleinster);
        }
        behalten[z] = kleinster;
    }
    std::size_t neu = 0;
    for (std::size_t z = 0; z < zeilen.size(); ++z)
        if (behalten[z]) {
            if (neu != z) {
                vertreter[neu] = vertreter[z];
                zeilen[neu] = std::move(zeilen[z]);
                zeilenGroesse[neu] = zeilenGroesse[z];
            }
            ++neu;
        }
    vertreter.resize(neu);
    zeilen.resize(neu);
    zeilenGroesse.resize(neu);
}

// Adds a covering of each group's own pairs to blocks (points 0..v-1); blocks of a group smaller
// than k are padded with the least used points. False when a group found no covering.
bool gruppenUeberdecken(int v, int k, const std::vector<std::vector<int>>& gruppen, std::uint64_t seed,
                        std::vector<Maske>& bloecke) {
    std::vector<int> nutzung(static_cast<std::size_t>(v), 0);
    for (Maske m : bloecke)
        for (; m != 0; m &= m - 1)
            ++nutzung[static_cast<std::size_t>(std::countr_zero(m))];
    std::map<int, std::vector<Maske>> fuellungen;
    for (const auto& g : gruppen) {
        const int groesse = static_cast<int>(g.size());
        if (!fuellungen.count(groesse))
            fuellungen[groesse] = paarUeberdeckung(groesse, k, seed);
        if (groesse > 1 && fuellungen[groesse].empty())
            return false;
        for (Maske lokal : fuellungen[groesse]) {
            Maske m = 0;
            for (; lokal != 0; lokal &= lokal - 1)
                m |= Maske{1} << g[static_cast<std::size_t>(std::countr_zero(lokal))];
            while (std::popcount(m) < k) {
                int bester = -1;
                for (int p = 0; p < v; ++p)
                    if (!(m & (Maske{1} << p)) &&
                        (bester < 0 || nutzung[static_cast<std::size_t>(p)] < nutzung[static_cast<std::size_t>(bester)]))
                        bester = p;
                m |= Maske{1} << bester;
            }
            for (Maske z = m; z != 0; z &= z - 1)
                ++nutzung[static_cast<std::size_t>(std::countr_zero(z))];
            bloecke.push_back(m);
        }
    }
    return true;
}

// TD(k, q) over GF(q), k <= q: group i holds the points i*q .. i*q + q - 1, and the lines
// y = a + s*x over k distinct field elements x meet every two groups in exactly one pair.
std::vector<Maske> transversalLinien(const Feld& f, int k) {
    std::vector<Maske> linien;
    for (int a = 0; a < f.q; ++a)
        for (int s = 0; s < f.q; ++s) {
            Maske blk = 0;
            for (int i = 0; i < k; ++i)
                blk |= Maske{1} << (i * f.q + f.add(a, f.mul(s, i)));
            linien.push_back(blk);
        }
    return linien;
}

} // namespace

std::optional<GddErgebnis> transversalUeberdeckung(int v, int k, int b, std::uint64_t seed) {
    std::optional<GddErgebnis> beste;
    for (int n = std::max(k, 2); n * k <= v; ++n) {
        const auto f = feldBauen(n);
        if (!f)
            continue;
        const int m = v - k * n;
        // The hole holds the points from k*n on.
        std::vector<Maske> bloecke = transversalLinien(*f, k);
        std::vector<std::vector<int>> gruppen(static_cast<std::size_t>(k));
        for (int i = 0; i < k; ++i) {
            for (int x = 0; x < n; ++x)
                gruppen[static_cast<std::size_t>(i)].push_back(i * n + x);
            for (int h = k * n; h < v; ++h)
                gruppen[static_cast<std::size_t>(i)].push_back(h);
        }
        if (!gruppenUeberdecken(v, k, gruppen, seed, bloecke) || static_cast<int>(bloecke.size()) > b ||
            (beste && beste->reihen.size() <= bloecke.size()))
            continue;
        beste.emplace();
        for (Maske blk : bloecke)
            beste->reihen.push_back(blk << 1);
        beste->bericht = "TD(" + std::to_string(k) + "," + std::to_string(n) + ") über GF(" + std::to_string(n) +
                         ") und Loch aus " + std::to_string(m) + " Punkten, jede Gruppe mit dem Loch eigens überdeckt (" +
                         std::to_string(bloecke.size()) + " Blöcke)";
    }
    return beste;
}

std::optional<GddErgebnis> transversalGeteilt(int v, int k, int b) {
    if (k != 6)
        return std::nullopt;
    for (int n : {7, 8}) {
        const int d = v - k * n;
        if (!((n == 8 && (d == 0 || d == -1)) || (n == 7 && d == 1)))
            continue;
        const auto f = feldBauen(n);
        const auto P = [&](int i, int x) { return Maske{1} << (i * n + x); };
        const auto viele = [&](int i, std::initializer_list<int> xs) {
            Maske m = 0;
            for (int x : xs)
                m |= P(i, x);
            return m;
        };
        const Maske loch = Maske{1} << (k * n); // the hole point when d = 1
        const Maske alle = (Maske{1} << v) - 1;
        std::vector<Maske> bloecke = transversalLinien(*f, k);
        for (Maske& m : bloecke)
            m &= alle; // d = -1 drops the last point of the last group
        // Two blocks per group overlap in four of its points; the pairs between the other two
        // and the rest stay open: {4,5} x {6,7} (or x {6, hole}), the pairs offenA[j]-offenB[j];
        // a group of 7 with one point removed keeps only the pair 5-6.
        const auto siebter = [&](int i) { return d == 1 ? loch : P(i, 7); };
        const int offenA[] = {4, 4, 5, 5}, offenB[] = {6, 7, 6, 7};
        const auto offenePunkte = [&](int i) { return viele(i, {4, 5, 6}) | siebter(i); };
        const auto offenesPaar = [&](int i, int j) { return P(i, offenA[j]) | P(i, offenB[j]); }; // without the hole
        for (int i = 0; i < k; ++i) {
            bloecke.push_back(viele(i, {0, 1, 2, 3, 4, 5}));
            if (d == -1 && i == k - 1)
                bloecke.push_back(viele(i, {0, 1, 2, 3, 4, 6}));
            else
                bloecke.push_back(viele(i, {0, 1, 2, 3, 6}) | siebter(i));
        }
        if (d == 0) {
            // Four blocks each close one group and one open pair of the last group; a fifth
            // closes the fifth group.
            for (int j = 0; j < 4; ++j)
                bloecke.push_back(offenePunkte(j) | offenesPaar(5, j));
            bloecke.push_back(offenePunkte(4) | P(5, 0) | P(5, 1));
        } else if (d == 1) {
            // The hole with the three open points of one group and an open pair of another:
            // {e,f} x {g, hole} of four groups and half of two more.
            for (int j = 0; j < 4; ++j)
                bloecke.push_back(loch | viele(j, {4, 5, 6}) | P(4 + j / 2, 4 + j % 2) | P(4 + j / 2, 6));
        } else {
            // Three blocks close groups 0..2 and hold the last group's pair and one open pair of
            // groups 3 and 4; the pairs those two keep go into the eight lines shortened by the
            // removed point (each meets every other group once): a matching of pairs to lines.
            bool fertig = false;
            for (int w = 0; w < 16 && !fertig; ++w) {
                std::vector<Maske> versuch = bloecke;
                versuch.push_back(offenePunkte(0) | viele(5, {5, 6}));
                versuch.push_back(offenePunkte(1) | offenesPaar(3, w % 4));
                versuch.push_back(offenePunkte(2) | offenesPaar(4, w / 4));
                std::vector<std::pair<int, int>> rest;
                for (int p = 0; p < v; ++p)
                    for (int q = p + 1; q < v; ++q) {
                        const Maske T = (Maske{1} << p) | (Maske{1} << q);
                        if (std::none_of(versuch.begin(), versuch.end(), [&](Maske m) { return (m & T) == T; }))
                            rest.emplace_back(p, q);
                    }
                std::vector<int> kurz;
                for (std::size_t l = 0; l < versuch.size(); ++l)
                    if (std::popcount(versuch[l]) < k)
                        kurz.push_back(static_cast<int>(l));
                std::vector<int> zeileVon(rest.size(), -1), paarVon(kurz.size(), -1);
                const auto passt = [&](std::size_t r, std::size_t z) {
                    const Maske m = versuch[static_cast<std::size_t>(kurz[z])];
                    return ((m >> rest[r].first) & 1) != ((m >> rest[r].second) & 1);
                };
                std::vector<char> besucht;
                auto legen = [&](auto&& selbst, std::size_t r) -> bool {
                    for (std::size_t z = 0; z < kurz.size(); ++z) {
                        if (!passt(r, z) || besucht[z])
                            continue;
                        besucht[z] = 1;
                        if (paarVon[z] < 0 || selbst(selbst, static_cast<std::size_t>(paarVon[z]))) {
                            paarVon[z] = static_cast<int>(r);
                            zeileVon[r] = static_cast<int>(z);
                            return true;
                        }
                    }
                    return false;
                };
                fertig = true;
                for (std::size_t r = 0; r < rest.size() && fertig; ++r) {
                    besucht.assign(kurz.size(), 0);
                    fertig = legen(legen, r);
                }
                if (!fertig)
                    continue;
                for (std::size_t r = 0; r < rest.size(); ++r)
                    versuch[static_cast<std::size_t>(kurz[static_cast<std::size_t>(zeileVon[r])])] |=
                        (Maske{1} << rest[r].first) | (Maske{1} << rest[r].second);
                bloecke = versuch;
            }
            if (!fertig)
                continue;
        }
        // Lines still short take any points.
        for (Maske& m : bloecke)
            for (int p = 0; std::popcount(m) < k; ++p)
                m |= Maske{1} << p;
        if (static_cast<int>(bloecke.size()) > b)
            continue;
        GddErgebnis e;
        for (Maske m : bloecke)
            e.reihen.push_back(m << 1);
        e.bericht = "TD(6," + std::to_string(n) + ") über GF(" + std::to_string(n) + ")" +
                    (d == 1 ? " und ein Punkt dazu" : d == -1 ? " ohne einen Punkt" : "") +
                    ", je Gruppe 2 Blöcke, deren offene Paare " + std::to_string(d == 0 ? 5 : d == 1 ? 4 : 3) +
                    " Blöcke über Gruppen hinweg teilen (" + std::to_string(bloecke.size()) + " Blöcke)";
        return e;
    }
    return std::nullopt;
}

std::string GddPlan::name() const {
    const auto liste = [](const std::vector<int>& l) {
        std::string z;
        for (int x : l)
            z += (z.empty() ? "" : "+") + std::to_string(x);
        return z;
    };
    return "Z" + std::to_string(n) + (c > 1 ? " auf " + std::to_string(c) + " Zyklen" : "") +
           (quer ? ", Gruppen quer zu den Zyklen" : s > 1 ? ", Gruppen der Größe " + std::to_string(s) : "") +
           (freieZyklen.empty() ? "" : ", weitere Zyklen " + liste(freieZyklen)) +
           (zyklen.empty() ? "" : ", Loch aus Zyklen " + liste(zyklen)) +
           (doppelpaar ? ", ein Paar viermal" : "") +
           (spitzen > 0 ? ", " + std::to_string(spitzen) + (spitzen == 1 ? " Punkt" : " Punkte") + " außerhalb" : "");
}

std::vector<GddPlan> gddPlaene(int v, int k, int b) {
    std::vector<GddPlan> r;
    const long kPaare = paare(k);
    // Blocks the groups need: the bound first, the coverings actually found for plans within it.
    std::map<int, int> gefunden;
    const auto fuellung = [&](int g) {
        if (g <= k)
            return untereSchranke(g, k);
        if (!gefunden.count(g))
            gefunden[g] = static_cast<int>(paarUeberdeckung(g, k, 1).size());
        return gefunden[g];
    };
    // The blocks that cover the groups (with the points outside the design, if any).
    const auto gruppenBloecke = [&](long gruppen, int g, int h, int einzelne, int a, const auto& f) {
        if (a == 0)
            return gruppen * f(g) + f(h);
        std::vector<int> groessen(static_cast<std::size_t>(gruppen), g);
        if (h > 0)
            groessen.push_back(h);
        groessen.insert(groessen.end(), static_cast<std::size_t>(einzelne), 1);
        long summe = 0;
        for (const auto& teil : teileMitSpitzen(groessen, a, k)) {
            int punkte = a;
            for (int i : teil)
                punkte += groessen[static_cast<std::size_t>(i)];
            summe += f(punkte);
        }
        return summe;
    };
    for (int a = 0; a <= 2 && a < k - 1; ++a)
    for (int c = 1; c <= 8; ++c)
        for (int n = 2; c * n <= v - a; ++n) {
            const int m = v - a; // the points of the design
            const int e = m - c * n;
            std::vector<int> teiler;
            for (int d = 1; d <= n; ++d)
                if (n % d == 0)
                    teiler.push_back(d);
            // Cycles of lengths dividing n that sum to a given number, longest first, with at most
            // maxTeile cycles besides at most maxFest fixed points.
            const auto zerlegungen = [&](int summe, std::size_t maxTeile, long maxFest) {
                std::vector<std::vector<int>> alle;
                std::vector<int> teil;
                auto zerlegen = [&](auto&& selbst, int rest, int maxTeil) -> void {
                    if (rest == 0) {
                        alle.push_back(teil);
                        return;
                    }
                    for (auto it = teiler.rbegin(); it != teiler.rend(); ++it) {
                        const int d = *it;
                        const long fest = std::count(teil.begin(), teil.end(), 1);
                        if (d > maxTeil || d > rest || (d == 1 && fest >= maxFest) ||
                            (d > 1 && teil.size() - static_cast<std::size_t>(fest) >= maxTeile))
                            continue;
                        teil.push_back(d);
                        selbst(selbst, rest - d, d);
                        teil.pop_back();
                    }
                };
                zerlegen(zerlegen, summe, n);
                return alle;
            };
            // Groups on the cycles: cosets of order s in each cycle, or across the cycles (size c).
            std::vector<std::pair<int, bool>> gruppierungen;
            for (int s : teiler)
                if (s < n || c > 1)
                    gruppierungen.push_back({s, false});
            if (c > 1)
                gruppierungen.push_back({1, true});
            for (int h = 0; h <= e; ++h) {
                if (h == 1)
                    continue;
                // Fixed points in the hole cost nothing: a fixed class of its own per point.
                for (const auto& frei : zerlegungen(e - h, 3, 3))
                    for (const auto& loch : zerlegungen(h, 6, h))
                        for (auto [s, quer] : gruppierungen) {
                            const int g = quer ? c : s;
                            const long gruppen = quer ? n : static_cast<long>(c) * (n / s);
                            // Every block meets the hole at most once, so a point outside sees
                            // the hole in h different blocks.
                            if (static_cast<long>(h) * (k - 1) > m - g)
                                continue;
                            const long kreuz = paare(m) - gruppen * paare(g) - paare(h);
                            if (kreuz % kPaare != 0 || (m - g) % (k - 1) != 0 ||
                                (h > 0 && (m - h) % (k - 1) != 0) || (e > h && (m - 1) % (k - 1) != 0))
                                continue;
                            const auto schranke = [&](int x) { return static_cast<long>(untereSchranke(x, k)); };
                            if (kreuz / kPaare + gruppenBloecke(gruppen, g, h, e - h, a, schranke) > b)
                                continue;
                            const auto gefundene = [&](int x) { return static_cast<long>(fuellung(x)); };
                            const long bloecke = kreuz / kPaare + gruppenBloecke(gruppen, g, h, e - h, a, gefundene);
                            if (bloecke <= b) {
                                r.push_back({n, c, loch, frei, s, quer, static_cast<int>(bloecke)});
                                r.back().spitzen = a;
                            }
                        }
            }
        }
    std::stable_sort(r.begin(), r.end(), [](const GddPlan& a, const GddPlan& c) { return a.bloecke < c.bloecke; });
    // v = 7, 10 (mod 12) for blocks of four: three pairs more than fit, which the bound forces onto
    // one pair of points held four times; here two fixed points of the group.
    if (k == 4 && (paare(v) + 3) % 6 == 0 && (paare(v) + 3) / 6 <= b)
        for (int n = 2; n <= v - 2; ++n)
            for (int c = 1; c * n <= v - 2; ++c)
                for (auto& frei : weitereZyklen(n, v - c * n, 2, 4))
                    r.push_back({n, c, {}, std::move(frei), 1, false, static_cast<int>((paare(v) + 3) / 6), true});
    return r;
}

std::vector<Gruppe> zyklenGruppen(int v, int k, int festMax, long maxBahnen) {
    std::vector<Gruppe> r;
    const long kMengen = binom.c[v][k];
    for (int n = v; n >= 2 && kMengen / n <= maxBahnen; --n)
        for (int c = 1; c * n <= v; ++c)
            for (auto& frei : weitereZyklen(n, v - c * n, 0, festMax)) {
                const GddPlan plan{n, c, {}, std::move(frei)};
                const Punkte pk = punkteVon(v, plan);
                r.push_back(gruppeErzeugen(v, {std::vector<std::uint8_t>(pk.schritt.begin(), pk.schritt.end())},
                                           plan.name()));
            }
    return r;
}

std::optional<GddErgebnis> gddSuchen(int v, int k, int b, const GddPlan& plan, std::uint64_t seed,
                                     long knotenGrenze, int satSekunden, const std::string& satVerzeichnis) {
    const Punkte pk = punkteVon(v, plan);
    const PaarBahnen pb = paarBahnenVon(v, pk);
    const std::vector<int>& paarBahn = pb.bahn;
    const std::vector<int>& bahnGroesse = pb.groesse;
    // The pair held four times: the first two fixed points.
    int doppelt = -1;
    if (plan.doppelpaar) {
        std::vector<int> fest;
        for (int p = 0; p < v; ++p)
            if (pk.schritt[static_cast<std::size_t>(p)] == p)
                fest.push_back(p);
        doppelt = paarBahn[static_cast<std::size_t>(fest[0] * v + fest[1])];
    }
    // Block orbits that hold each pair orbit they meet exactly once (the double pair up to four
    // times), each represented by its lexicographically first member, whose lowest point is the
    // first point of a cycle or a further point.
    std::vector<Maske> vertreter;
    std::vector<std::vector<int>> zeilen;
    std::vector<int> zeilenGroesse;
    blockBahnenDurchlaufen(v, k, plan, pk, pb, [&](Maske m, int groesse, const std::map<int, int>& treffer) {
        std::vector<int> spalten;
        for (auto [bahn, anzahl] : treffer) {
            if (bahn < 0 || (bahn == doppelt ? groesse * anzahl > 4
                                             : groesse * anzahl != bahnGroesse[static_cast<std::size_t>(bahn)]))
                return;
            spalten.push_back(bahn);
        }
        vertreter.push_back(m);
        zeilen.push_back(std::move(spalten));
        zeilenGroesse.push_back(groesse);
    });
    if (!plan.quer && doppelt < 0)
        drehungenBrechen(pk, pb, v, vertreter, zeilen, zeilenGroesse);
    // Rows in an order drawn from the seed: each seed walks the search tree differently.
    std::vector<std::size_t> reihenfolge(zeilen.size());
    std::iota(reihenfolge.begin(), reihenfolge.end(), 0);
    Zufall zufall(seed);
    for (std::size_t i = reihenfolge.size(); i > 1; --i)
        std::swap(reihenfolge[i - 1], reihenfolge[zufall.unter(static_cast<std::uint32_t>(i))]);
    std::vector<std::vector<int>> gemischt;
    for (std::size_t i : reihenfolge)
        gemischt.push_back(zeilen[i]);
    // The plain search knows only columns held once.
    if (doppelt >= 0)
        knotenGrenze = 0;
    ExakteUeberdeckung x(static_cast<int>(bahnGroesse.size()), gemischt);
    std::optional<std::vector<int>> wahl = x.loesen(knotenGrenze);
    std::string loeser = std::to_string(x.knoten()) + " Knoten";
    if (!wahl && x.knoten() > knotenGrenze && satSekunden > 0) {
        // Too large for the plain search: every pair orbit exactly once as clauses for cadical.
        std::vector<std::vector<int>> jeSpalte(bahnGroesse.size());
        for (std::size_t z = 0; z < gemischt.size(); ++z)
            for (int spalte : gemischt[z])
                jeSpalte[static_cast<std::size_t>(spalte)].push_back(static_cast<int>(z) + 1);
        std::vector<std::vector<int>> klauseln;
        int naechste = static_cast<int>(gemischt.size());
        for (std::size_t spalte = 0; spalte < jeSpalte.size(); ++spalte) {
            const auto& zs = jeSpalte[spalte];
            const bool vier = static_cast<int>(spalte) == doppelt;
            // The double pair's orbit: exactly four blocks, counted with the orbits' sizes.
            std::vector<int> w(zs.size(), 1);
            if (vier)
                for (std::size_t i = 0; i < zs.size(); ++i)
                    w[i] = zeilenGroesse[reihenfolge[static_cast<std::size_t>(zs[i] - 1)]];
            if (!genau(klauseln, naechste, zs, w, vier ? 4 : 1))
                return std::nullopt;
        }
        const SatAntwort sat = cadicalRufen(klauseln, naechste, satSekunden,
                                            satVerzeichnis + "/gdd_" + std::to_string(v) + "_" +
                                                std::to_string(::getpid()));
        loeser += ", cadical: " + sat.antwort;
        if (sat.erfuellbar) {
            wahl.emplace();
            for (int l : sat.wahr)
                if (l <= static_cast<int>(gemischt.size()))
                    wahl->push_back(l - 1);
        }
    }
    if (!wahl) {
        std::fprintf(stderr, "    %zu Blockbahnen, %zu Paarbahnen, %s\n", zeilen.size(), bahnGroesse.size(),
                     loeser.c_str());
        return std::nullopt;
    }
    std::vector<Maske> bloecke;
    for (int z : *wahl) {
        const Maske m = vertreter[reihenfolge[static_cast<std::size_t>(z)]];
        Maske y = m;
        do {
            bloecke.push_back(y);
            y = bild(pk, y);
        } while (y != m);
    }
    std::sort(bloecke.begin(), bloecke.end());
    bloecke.erase(std::unique(bloecke.begin(), bloecke.end()), bloecke.end());
    std::vector<std::vector<int>> gruppen(static_cast<std::size_t>(pk.gruppen));
    std::vector<int> spitzen;
    for (int p = 0; p < v; ++p) {
        const int g = pk.gruppe[static_cast<std::size_t>(p)];
        if (g < 0)
            spitzen.push_back(p);
        else
            gruppen[static_cast<std::size_t>(g)].push_back(p);
    }
    // The parts to cover: each group alone, or with the points outside the design.
    std::vector<int> groessen;
    for (const auto& g : gruppen)
        groessen.push_back(static_cast<int>(g.size()));
    std::vector<std::vector<int>> teile;
    for (const auto& teil : teileMitSpitzen(groessen, plan.spitzen, k)) {
        teile.push_back(spitzen);
        for (int i : teil)
            teile.back().insert(teile.back().end(), gruppen[static_cast<std::size_t>(i)].begin(),
                                gruppen[static_cast<std::size_t>(i)].end());
    }
    gruppen = std::move(teile);
    if (!gruppenUeberdecken(v, k, gruppen, seed, bloecke))
        return std::nullopt;
    if (static_cast<int>(bloecke.size()) > b)
        return std::nullopt;
    GddErgebnis r;
    for (Maske m : bloecke)
        r.reihen.push_back(m << 1);
    r.bericht = "GDD unter " + plan.name() + ": " + std::to_string(zeilen.size()) + " Blockbahnen, " +
                std::to_string(bahnGroesse.size()) + " Paarbahnen, " + loeser;
    return r;
}

} // namespace kb::reihen
