#include "constructions.h"

#include "designs.h"
#include "random.h"
#include "subsets.h"

#include <algorithm>
#include <bit>
#include <map>
#include <tuple>
#include <unordered_set>

namespace kb::reihen {

namespace {

Maske ausZahlen(std::initializer_list<int> zahlen) {
    Maske m = 0;
    for (int z : zahlen)
        m |= Maske{1} << z;
    return m;
}

} // namespace

std::vector<Maske> verteilteReihen(int v, int k, int anzahl, std::vector<Maske> vorhanden,
                                   std::uint64_t seed) {
    Zufall zufall(seed);
    std::vector<int> nutzung(static_cast<std::size_t>(v + 1), 0);
    std::vector<std::vector<int>> paar(static_cast<std::size_t>(v + 1),
                                       std::vector<int>(static_cast<std::size_t>(v + 1), 0));
    std::unordered_set<Maske> schon(vorhanden.begin(), vorhanden.end());
    const auto eintragen = [&](Maske m) {
        for (Maske a = m; a != 0; a &= a - 1) {
            const int p = std::countr_zero(a);
            ++nutzung[static_cast<std::size_t>(p)];
            for (Maske b = m; b != 0; b &= b - 1)
                ++paar[static_cast<std::size_t>(p)][static_cast<std::size_t>(std::countr_zero(b))];
        }
    };
    for (Maske m : vorhanden)
        eintragen(m);
    int fehlversuche = 0;
    while (static_cast<int>(vorhanden.size()) < anzahl) {
        Maske reihe = 0;
        if (fehlversuche < 50) {
            // Greedy: least used point, then least pair repeats with the points chosen so far,
            // then chance; after failed tries chance weighs more.
            for (int n = 0; n < k; ++n) {
                long bester = 0;
                int punkt = -1;
                for (int p = 1; p <= v; ++p) {
                    if (reihe & (Maske{1} << p))
                        continue;
                    long wert = 0;
                    for (Maske a = reihe; a != 0; a &= a - 1)
                        wert +=
                            paar[static_cast<std::size_t>(p)][static_cast<std::size_t>(std::countr_zero(a))];
                    wert = static_cast<long>(nutzung[static_cast<std::size_t>(p)]) * (1L << 24) + wert * 64 +
                           zufall.unter(static_cast<std::uint32_t>(64 + fehlversuche * 64));
                    if (punkt < 0 || wert < bester) {
                        bester = wert;
                        punkt = p;
                    }
                }
                reihe |= Maske{1} << punkt;
            }
        } else {
            while (std::popcount(reihe) < k)
                reihe |= Maske{1} << (1 + zufall.unter(static_cast<std::uint32_t>(v)));
        }
        if (!schon.insert(reihe).second) {
            ++fehlversuche;
            continue;
        }
        fehlversuche = 0;
        vorhanden.push_back(reihe);
        eintragen(reihe);
    }
    return vorhanden;
}

std::optional<Konstruktion> vorgegebeneReihen(int position) {
    if (position == 0)
        return Konstruktion{{ausZahlen({1, 2, 3}), ausZahlen({1, 2, 4}), ausZahlen({1, 3, 4})},
                            "vorgegeben (Beispiel)"};
    if (position == 347)
        return Konstruktion{
            {ausZahlen({1, 2, 3, 4, 5, 6}), ausZahlen({1, 2, 3, 4, 7, 8}), ausZahlen({1, 2, 3, 6, 7, 9}),
             ausZahlen({1, 2, 4, 5, 8, 9}), ausZahlen({1, 2, 5, 6, 7, 8}), ausZahlen({1, 3, 4, 6, 8, 9}),
             ausZahlen({1, 3, 5, 7, 8, 9}), ausZahlen({1, 4, 5, 6, 7, 9}), ausZahlen({2, 3, 4, 5, 7, 9}),
             ausZahlen({2, 3, 5, 6, 8, 9}), ausZahlen({2, 4, 6, 7, 8, 9}), ausZahlen({3, 4, 5, 6, 7, 8})},
            "vorgegeben (Schein-System 9/12)"};
    if (position == 355)
        return Konstruktion{
            {ausZahlen({1, 2, 3, 5, 7, 8}), ausZahlen({1, 2, 3, 6, 9, 10}), ausZahlen({1, 2, 4, 5, 9, 10}),
             ausZahlen({1, 2, 4, 6, 7, 8}), ausZahlen({1, 2, 7, 8, 9, 10}), ausZahlen({1, 3, 4, 5, 8, 9}),
             ausZahlen({1, 3, 4, 6, 7, 10}), ausZahlen({1, 3, 5, 6, 8, 10}), ausZahlen({1, 4, 5, 6, 7, 9}),
             ausZahlen({2, 3, 4, 5, 7, 10}), ausZahlen({2, 3, 4, 6, 8, 9}), ausZahlen({2, 3, 5, 6, 7, 9}),
             ausZahlen({2, 4, 5, 6, 8, 10}), ausZahlen({3, 4, 7, 8, 9, 10}), ausZahlen({5, 6, 7, 8, 9, 10})},
            "vorgegeben (Schein-System 10/15)"};
    return std::nullopt;
}

namespace {

std::optional<Konstruktion> algebraischBilden(int v, int k, int t) {
    const auto df = [&](int a, int bb, int fix, const std::vector<KurzeBahn>& kurz, int anzahl,
                        const std::string& name) -> std::optional<Konstruktion> {
        auto r = differenzFamilie(a, bb, fix, k, kurz, anzahl);
        if (!r)
            return std::nullopt;
        return Konstruktion{std::move(*r), name};
    };
    std::optional<Konstruktion> r;
    if (t == 2 && k == 4 && v == 13)
        r = df(13, 1, 0, {}, 1, "S(2,4,13): Differenzmenge in Z13");
    else if (t == 2 && k == 4 && v == 25)
        r = df(5, 5, 0, {}, 2, "S(2,4,25): Differenzfamilie in Z5 x Z5");
    else if (t == 2 && k == 4 && v == 28)
        r = Konstruktion{hermiteschesUnital(3), "S(2,4,28): hermitesches Unital in PG(2,9)"};
    else if (t == 2 && k == 4 && v == 37)
        r = df(37, 1, 0, {}, 3, "S(2,4,37): Differenzfamilie in Z37");
    else if (t == 2 && k == 4 && v == 40)
        r = df(40, 1, 0, {{{0, 10, 20, 30}, 4}}, 3, "S(2,4,40): Differenzfamilie in Z40 mit kurzer Bahn");
    else if (t == 2 && k == 4 && v == 49)
        r = df(49, 1, 0, {}, 4, "S(2,4,49): Differenzfamilie in Z49");
    else if (t == 2 && k == 5 && v == 21)
        r = df(21, 1, 0, {}, 1, "S(2,5,21): Differenzmenge in Z21");
    else if (t == 2 && k == 5 && v == 25)
        r = df(5, 5, 0,
               {{{0, 1, 2, 3, 4}, 5},
                {{0, 5, 10, 15, 20}, 5},
                {{0, 6, 12, 18, 24}, 5},
                {{0, 7, 14, 16, 23}, 5},
                {{0, 8, 11, 19, 22}, 5},
                {{0, 9, 13, 17, 21}, 5}},
               0, "S(2,5,25): Geraden von AG(2,5)");
    else if (t == 2 && k == 5 && v == 41)
        r = df(41, 1, 0, {}, 2, "S(2,5,41): Differenzfamilie in Z41");
    else if (t == 2 && k == 5 && v == 45) {
        r = df(44, 1, 1, {{{44, 0, 11, 22, 33}, 4}}, 2, "S(2,5,45): 1-rotierende Differenzfamilie in Z44");
        if (!r)
            r = df(3, 15, 0, {{{0, 3, 6, 9, 12}, 5}}, 2,
                   "S(2,5,45): Differenzfamilie in Z3 x Z15 mit kurzer Bahn");
    } else if (t == 2 && k == 6 && v == 31)
        r = df(31, 1, 0, {}, 1, "S(2,6,31): Singer-Differenzmenge in Z31");
    else if (t == 3 && k == 4 && (v == 8 || v == 16))
        r = Konstruktion{sqsZweierpotenz(v), "SQS(" + std::to_string(v) + "): Ebenen von AG(n,2)"};
    else if (t == 3 && k == 4 && (v == 10 || v == 14)) {
        if (auto e = exakteUeberdeckung(v, 4, 3, 200'000'000))
            r = Konstruktion{std::move(*e), "SQS(" + std::to_string(v) + "): exakte Überdeckungssuche"};
    } else if (t == 3 && k == 4 && v == 20) {
        if (auto e = exakteUeberdeckung(10, 4, 3, 200'000'000))
            r = Konstruktion{sqsVerdoppeln(*e, 10), "SQS(20): Verdopplung von SQS(10)"};
    } else if (t == 3 && k == 5 && v == 17) {
        std::vector<int> basis = teilkoerper(16, 4);
        basis.push_back(16);
        r = Konstruktion{projektiveBahn(16, basis, false), "S(3,5,17): inversive Ebene, PGL(2,16)-Bahn"};
    } else if (t == 3 && k == 6 && v == 26) {
        std::vector<int> basis = teilkoerper(25, 5);
        basis.push_back(25);
        r = Konstruktion{projektiveBahn(25, basis, false), "S(3,6,26): inversive Ebene, PGL(2,25)-Bahn"};
    } else if (t == 3 && k == 6 && v == 22) {
        r = Konstruktion{steinerSystem3622(), "S(3,6,22): Oktaden des Golay-Codes"};
    } else if (t == 5 && k == 6 && v == 12) {
        r = Konstruktion{projektiveBahn(11, {11, 1, 3, 4, 5, 9}, true), "S(5,6,12): PSL(2,11)-Bahn"};
    } else if (t == 4 && k == 5 && v == 11) {
        r = Konstruktion{abgeleitet(projektiveBahn(11, {11, 1, 3, 4, 5, 9}, true), 12),
                         "S(4,5,11): abgeleitet von S(5,6,12)"};
    }
    if (r && fehlend(r->reihen, v, t) != 0)
        return std::nullopt;
    return r;
}

} // namespace

std::optional<Konstruktion> algebraischeKonstruktion(int v, int k, int t, int b) {
    // Some designs take seconds of search; each is made once per run.
    static std::map<std::tuple<int, int, int>, std::optional<Konstruktion>> schon;
    const auto schluessel = std::make_tuple(v, k, t);
    auto it = schon.find(schluessel);
    if (it == schon.end())
        it = schon.emplace(schluessel, algebraischBilden(v, k, t)).first;
    if (!it->second || static_cast<int>(it->second->reihen.size()) > b)
        return std::nullopt;
    return it->second;
}

std::vector<Maske> normalisieren(int v, int k, int anzahl, std::vector<Maske> reihen, std::uint64_t seed) {
    std::sort(reihen.begin(), reihen.end(), lexVor);
    reihen.erase(std::unique(reihen.begin(), reihen.end()), reihen.end());
    if (static_cast<int>(reihen.size()) > anzahl)
        reihen.resize(static_cast<std::size_t>(anzahl));
    reihen = verteilteReihen(v, k, anzahl, std::move(reihen), seed);
    std::sort(reihen.begin(), reihen.end(), lexVor);
    return reihen;
}

} // namespace kb::reihen
