#include "ilp_search.h"

#include "exact_cover.h"
#include "random.h"
#include "subsets.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <numeric>
#include <set>
#include <sstream>
#include <sys/wait.h>

namespace kb::reihen {

namespace {

Maske bildVon(const Gruppe& g, std::size_t e, Maske b) {
    Maske r = 0;
    for (; b != 0; b &= b - 1)
        r |= Maske{1} << g.elemente[e][static_cast<std::size_t>(std::countr_zero(b))];
    return r;
}

struct BahnModell {
    int tBahnen = 0;
    std::vector<Maske> vertreter;         // colex-smallest member of each k-orbit
    std::vector<int> groesse;             // blocks in that orbit
    std::vector<std::vector<int>> zeilen; // per t-orbit: the k-orbits that cover it
    std::vector<int> tBahn;               // per t-subset (by rank): its orbit
    // Bounds every covering obeys: the blocks through an s-subset (0 < s < t) cover the t-subsets
    // through it, so there are at least schoenheim(v - s, k - s, t - s) of them. One per orbit of
    // s-subsets: the k-orbits with how many of their blocks contain its representative.
    struct Schnitt {
        std::vector<int> bahnen, anzahl;
        int mindestens = 0;
    };
    std::vector<Schnitt> schnitte;
};

// mitSchnitten: also the bounds through smaller subsets (the excess search holds every pair
// exactly, which implies them).
std::optional<BahnModell> modellBauen(const Aufgabe& a, const Gruppe& g, long maxBahnen, bool mitSchnitten = true) {
    const std::size_t n = g.elemente.size();
    if (static_cast<double>(binom.c[a.v][a.k]) / static_cast<double>(n) > static_cast<double>(maxBahnen))
        return std::nullopt;
    // Orbits are traced along the generators, so large groups (PGL(2, q) and the like) cost no
    // more than small ones: each subset is visited once per generator.
    const auto& erzeuger = g.erzeuger.empty() ? g.elemente : g.erzeuger;
    const auto bild = [](const std::vector<std::uint8_t>& p, Maske b) {
        Maske r = 0;
        for (; b != 0; b &= b - 1)
            r |= Maske{1} << p[static_cast<std::size_t>(std::countr_zero(b))];
        return r;
    };
    std::vector<Maske> bahn;
    // Numbers the orbits of s-subsets by rank in nummer; calls f(smallest member, orbit size) on each.
    const auto bahnenDurchlaufen = [&](int s, std::vector<int>& nummer, auto&& f) {
        const long anzahl = binom.c[a.v][s];
        nummer.assign(static_cast<std::size_t>(anzahl), -1);
        int id = 0;
        Maske m = (Maske{1} << s) - 1;
        for (long r = 0; r < anzahl; ++r, m = naechsteMaske(m)) {
            if (nummer[static_cast<std::size_t>(r)] >= 0)
                continue;
            nummer[static_cast<std::size_t>(r)] = id;
            bahn.assign(1, m);
            for (std::size_t i = 0; i < bahn.size(); ++i)
                for (const auto& e : erzeuger) {
                    const Maske b = bild(e, bahn[i]);
                    int& x = nummer[static_cast<std::size_t>(rang(b))];
                    if (x < 0) {
                        x = id;
                        bahn.push_back(b);
                    }
                }
            f(m, static_cast<int>(bahn.size()));
            ++id;
        }
        return id;
    };
    BahnModell mod;
    mod.tBahnen = bahnenDurchlaufen(a.t, mod.tBahn, [](Maske, int) {});
    mod.zeilen.resize(static_cast<std::size_t>(mod.tBahnen));
    std::vector<int> kNummer;
    bahnenDurchlaufen(a.k, kNummer, [&](Maske m, int groesse) {
        const int id = static_cast<int>(mod.vertreter.size());
        mod.vertreter.push_back(m);
        mod.groesse.push_back(groesse);
        std::vector<int> getroffen;
        teilmengenRaenge(m, a.t, [&](int r) { getroffen.push_back(mod.tBahn[static_cast<std::size_t>(r)]); });
        std::sort(getroffen.begin(), getroffen.end());
        getroffen.erase(std::unique(getroffen.begin(), getroffen.end()), getroffen.end());
        for (int o : getroffen)
            mod.zeilen[static_cast<std::size_t>(o)].push_back(id);
    });
    for (int s = 1; mitSchnitten && s < a.t; ++s) {
        std::vector<int> sNummer, sGroesse;
        bahnenDurchlaufen(s, sNummer, [&](Maske, int groesse) { sGroesse.push_back(groesse); });
        const std::size_t erster = mod.schnitte.size();
        const int schranke = static_cast<int>(schoenheim(a.v - s, a.k - s, a.t - s));
        for (std::size_t o = 0; o < sGroesse.size(); ++o)
            mod.schnitte.push_back({{}, {}, schranke});
        std::map<int, int> treffer;
        for (std::size_t id = 0; id < mod.vertreter.size(); ++id) {
            treffer.clear();
            teilmengenRaenge(mod.vertreter[id], s, [&](int r) { ++treffer[sNummer[static_cast<std::size_t>(r)]]; });
            // Blocks of the orbit through one member of the s-orbit: |k-orbit| * hits / |s-orbit|.
            for (const auto& [o, h] : treffer) {
                auto& sch = mod.schnitte[erster + static_cast<std::size_t>(o)];
                sch.bahnen.push_back(static_cast<int>(id));
                sch.anzahl.push_back(mod.groesse[id] * h / sGroesse[static_cast<std::size_t>(o)]);
            }
        }
    }
    return mod;
}

std::vector<Maske> bahnenEntwickeln(const Gruppe& g, const BahnModell& mod,
                                    const std::vector<int>& gewaehlt) {
    std::vector<Maske> r;
    for (int id : gewaehlt) {
        std::vector<Maske> bahn;
        for (std::size_t el = 0; el < g.elemente.size(); ++el)
            bahn.push_back(bildVon(g, el, mod.vertreter[static_cast<std::size_t>(id)]));
        std::sort(bahn.begin(), bahn.end());
        bahn.erase(std::unique(bahn.begin(), bahn.end()), bahn.end());
        for (Maske b : bahn)
            r.push_back(b << 1);
    }
    return r;
}

// True when some union of orbits has between the Schoenheim bound and b blocks in all: a group
// whose orbit sizes cannot reach that range (Z_v with v not dividing b, say) needs no solver.
bool blockzahlErreichbar(const Aufgabe& a, const BahnModell& mod, int frei) {
    const long unten = schoenheim(a.v, a.k, a.t) - frei;
    std::vector<char> moeglich(static_cast<std::size_t>(a.b + 1), 0);
    moeglich[0] = 1;
    for (int s : mod.groesse)
        for (int x = a.b; x >= s; --x)
            moeglich[static_cast<std::size_t>(x)] |= moeglich[static_cast<std::size_t>(x - s)];
    for (long x = std::max(0L, unten); x <= a.b; ++x)
        if (moeglich[static_cast<std::size_t>(x)])
            return true;
    return false;
}

IlpErgebnis unerreichbar(const BahnModell& mod) {
    return {{}, std::to_string(mod.tBahnen) + " t-Bahnen, " + std::to_string(mod.vertreter.size()) +
                    " k-Bahnen, keine Blockzahl zwischen Schönheim-Schranke und Reihenzahl erreichbar"};
}

} // namespace

std::optional<IlpErgebnis> ilpSuchen(const Aufgabe& a, const Gruppe& g, int sekunden,
                                     const std::string& verzeichnis, long maxBahnen) {
    const auto t0 = std::chrono::steady_clock::now();
    auto modell = modellBauen(a, g, maxBahnen);
    if (!modell)
        return std::nullopt;
    if (!blockzahlErreichbar(a, *modell, 0))
        return unerreichbar(*modell);
    const int tBahnen = modell->tBahnen;
    const auto& vertreter = modell->vertreter;
    const auto& groesse = modell->groesse;
    const auto& zeilen = modell->zeilen;
    const std::string basis = verzeichnis + "/ilp_" + std::to_string(a.v) + "_" + std::to_string(a.k) + "_" +
                              std::to_string(a.t) + "_" + std::to_string(a.b) + "_" +
                              std::to_string(::getpid());
    {
        std::ofstream lp(basis + ".lp");
        const auto summe = [&](std::ofstream& f, const std::vector<int>& ids, bool gewichtet) {
            int spalte = 0;
            for (std::size_t i = 0; i < ids.size(); ++i) {
                f << (i == 0 ? " " : " + ");
                if (gewichtet)
                    f << groesse[static_cast<std::size_t>(ids[i])] << ' ';
                f << 'x' << ids[i];
                if (++spalte == 12) {
                    f << "\n";
                    spalte = 0;
                }
            }
        };
        std::vector<int> alle(vertreter.size());
        for (std::size_t i = 0; i < alle.size(); ++i)
            alle[i] = static_cast<int>(i);
        lp << "Minimize\n obj:";
        summe(lp, alle, true);
        lp << "\nSubject To\n";
        for (int o = 0; o < tBahnen; ++o) {
            lp << " c" << o << ":";
            summe(lp, zeilen[static_cast<std::size_t>(o)], false);
            lp << " >= 1\n";
        }
        for (std::size_t i = 0; i < modell->schnitte.size(); ++i) {
            const auto& sch = modell->schnitte[i];
            lp << " s" << i << ":";
            for (std::size_t j = 0; j < sch.bahnen.size(); ++j)
                lp << (j == 0 ? " " : " + ") << sch.anzahl[j] << " x" << sch.bahnen[j] << (j % 12 == 11 ? "\n" : "");
            lp << " >= " << sch.mindestens << "\n";
        }
        lp << " blocks:";
        summe(lp, alle, true);
        lp << " <= " << a.b << "\nBinary\n";
        for (std::size_t i = 0; i < vertreter.size(); ++i)
            lp << " x" << i << ((i + 1) % 16 == 0 ? "\n" : "");
        lp << "\nEnd\n";
    }
    std::remove((basis + ".sol").c_str());
    const std::string befehl = "cbc " + basis + ".lp sec " + std::to_string(sekunden) + " solve solu " +
                               basis + ".sol > " + basis + ".log 2>&1";
    const int rc = std::system(befehl.c_str());

    IlpErgebnis e;
    std::ostringstream bericht;
    bericht << tBahnen << " t-Bahnen, " << vertreter.size() << " k-Bahnen";
    std::ifstream sol(basis + ".sol");
    std::string status;
    std::getline(sol, status);
    if (rc != 0 || status.empty()) {
        bericht << ", cbc ohne Ergebnis";
    } else {
        bericht << ", cbc: " << status.substr(0, status.find(" - "));
        // Lines: index name value reduced-cost. Only a feasible point is read.
        const bool loesung =
            status.rfind("Optimal", 0) == 0 ||
            (status.rfind("Stopped", 0) == 0 && status.find("no integer") == std::string::npos);
        if (loesung) {
            std::vector<int> gewaehlt;
            std::string zeile;
            while (std::getline(sol, zeile)) {
                std::istringstream z(zeile);
                std::string nr, name;
                double wert = 0;
                if (!(z >> nr >> name >> wert) || name.size() < 2 || name[0] != 'x' || wert < 0.5)
                    continue;
                const int id = std::stoi(name.substr(1));
                if (id >= 0 && static_cast<std::size_t>(id) < vertreter.size())
                    gewaehlt.push_back(id);
            }
            e.reihen = bahnenEntwickeln(g, *modell, gewaehlt);
        }
    }
    bericht << ", " << std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count() << " s";
    e.bericht = bericht.str();
    return e;
}

// Sequential weighted counter (Sinz): clauses that allow at most K units among the literals
// vars[i] of weight w[i]; s(i, j) = "the first i hold at least j units".
void hoechstens(std::vector<std::vector<int>>& klauseln, int& naechste, const std::vector<int>& vars,
                const std::vector<int>& w, int K) {
    std::vector<int> vorher(static_cast<std::size_t>(K + 1), 0); // 0: false
    for (std::size_t i = 0; i < vars.size(); ++i) {
        const int x = vars[i], wi = w[i];
        if (wi > K) {
            klauseln.push_back({-x});
            continue;
        }
        std::vector<int> jetzt(static_cast<std::size_t>(K + 1), 0);
        for (int j = 1; j <= K; ++j)
            jetzt[static_cast<std::size_t>(j)] = ++naechste;
        for (int j = 1; j <= K; ++j) {
            const int sj = jetzt[static_cast<std::size_t>(j)];
            if (vorher[static_cast<std::size_t>(j)] != 0)
                klauseln.push_back({-vorher[static_cast<std::size_t>(j)], sj});
            if (j <= wi)
                klauseln.push_back({-x, sj});
            else if (vorher[static_cast<std::size_t>(j - wi)] != 0)
                klauseln.push_back({-x, -vorher[static_cast<std::size_t>(j - wi)], sj});
        }
        if (vorher[static_cast<std::size_t>(K - wi + 1)] != 0)
            klauseln.push_back({-x, -vorher[static_cast<std::size_t>(K - wi + 1)]});
        vorher = std::move(jetzt);
    }
}

void mindestens(std::vector<std::vector<int>>& klauseln, int& naechste, const std::vector<int>& vars,
                const std::vector<int>& w, int K) {
    if (K <= 0)
        return;
    // r[j]: the literals so far weigh at least j (j = 1..K); 0 stands for false.
    std::vector<int> vorher(static_cast<std::size_t>(K + 1), 0);
    for (std::size_t i = 0; i < vars.size(); ++i) {
        const int x = vars[i], wi = w[i];
        std::vector<int> jetzt(static_cast<std::size_t>(K + 1), 0);
        for (int j = 1; j <= K; ++j) {
            const int rj = jetzt[static_cast<std::size_t>(j)] = ++naechste;
            const int alt = vorher[static_cast<std::size_t>(j)];
            std::vector<int> mitX{-rj, x};
            if (alt != 0)
                mitX.push_back(alt);
            klauseln.push_back(std::move(mitX));
            if (j > wi) {
                std::vector<int> rest{-rj};
                if (alt != 0)
                    rest.push_back(alt);
                if (vorher[static_cast<std::size_t>(j - wi)] != 0)
                    rest.push_back(vorher[static_cast<std::size_t>(j - wi)]);
                klauseln.push_back(std::move(rest));
            }
        }
        vorher = std::move(jetzt);
    }
    if (vorher[static_cast<std::size_t>(K)] == 0)
        klauseln.push_back({});
    else
        klauseln.push_back({vorher[static_cast<std::size_t>(K)]});
}

bool genau(std::vector<std::vector<int>>& klauseln, int& naechste, const std::vector<int>& vars,
           const std::vector<int>& w, int K) {
    if (std::accumulate(w.begin(), w.end(), 0) < K)
        return false;
    // Once: a plain clause is the stronger "at least".
    if (K == 1)
        klauseln.push_back(vars);
    else
        mindestens(klauseln, naechste, vars, w, K);
    hoechstens(klauseln, naechste, vars, w, K);
    return true;
}

SatAntwort cadicalRufen(const std::vector<std::vector<int>>& klauseln, int variablen, int sekunden,
                        const std::string& basis) {
    {
        std::ofstream f(basis + ".cnf");
        f << "p cnf " << variablen << ' ' << klauseln.size() << '\n';
        for (const auto& c : klauseln) {
            for (int l : c)
                f << l << ' ';
            f << "0\n";
        }
    }
    const std::string befehl =
        "cadical -q -t " + std::to_string(sekunden) + " " + basis + ".cnf > " + basis + ".out 2>&1";
    const int rc = std::system(befehl.c_str());
    SatAntwort r;
    std::ifstream aus(basis + ".out");
    std::string zeile;
    while (std::getline(aus, zeile)) {
        if (zeile.rfind("s ", 0) == 0) {
            r.antwort = zeile.substr(2);
            r.erfuellbar = zeile == "s SATISFIABLE";
            r.entschieden = r.erfuellbar || zeile == "s UNSATISFIABLE";
        } else if (zeile.rfind("v ", 0) == 0) {
            std::istringstream z(zeile.substr(2));
            int l = 0;
            while (z >> l)
                if (l > 0)
                    r.wahr.push_back(l);
        }
    }
    r.antwort += " (rc " + std::to_string(WEXITSTATUS(rc)) + ")";
    return r;
}

std::optional<IlpErgebnis> satSuchen(const Aufgabe& a, const Gruppe& g, int sekunden,
                                     const std::string& verzeichnis, int frei, long maxBahnen) {
    const auto t0 = std::chrono::steady_clock::now();
    auto modell = modellBauen(a, g, maxBahnen);
    if (!modell)
        return std::nullopt;
    if (frei > 0 && binom.c[a.v][a.k] > 300'000)
        return std::nullopt;
    const BahnModell& mod = *modell;
    if (!blockzahlErreichbar(a, mod, frei))
        return unerreichbar(mod);
    // Orbit sizes in units of their greatest common divisor keep the counter small.
    int einheit = 0;
    for (int s : mod.groesse)
        einheit = std::gcd(einheit, s);
    const int K = (a.b - frei) / einheit;
    const int nx = static_cast<int>(mod.vertreter.size());
    std::vector<std::vector<int>> klauseln;
    int naechste = nx;
    std::vector<Maske> freieBloecke;
    if (frei == 0) {
        for (const auto& z : mod.zeilen) {
            std::vector<int> c;
            for (int id : z)
                c.push_back(id + 1);
            klauseln.push_back(std::move(c));
        }
    } else {
        // Every k-subset may be a free block; each t-subset is covered by an orbit or a free block.
        const long tAnzahl = binom.c[a.v][a.t];
        std::vector<std::vector<int>> jeT(static_cast<std::size_t>(tAnzahl));
        const Maske ende = Maske{1} << a.v;
        for (Maske m = (Maske{1} << a.k) - 1; m < ende; m = naechsteMaske(m)) {
            freieBloecke.push_back(m);
            const int x = ++naechste;
            teilmengenRaenge(m, a.t, [&](int r) { jeT[static_cast<std::size_t>(r)].push_back(x); });
        }
        for (long r = 0; r < tAnzahl; ++r) {
            std::vector<int> c = jeT[static_cast<std::size_t>(r)];
            for (int id : mod.zeilen[static_cast<std::size_t>(mod.tBahn[static_cast<std::size_t>(r)])])
                c.push_back(id + 1);
            klauseln.push_back(std::move(c));
        }
        std::vector<int> vars, eins;
        for (std::size_t i = 0; i < freieBloecke.size(); ++i) {
            vars.push_back(nx + 1 + static_cast<int>(i));
            eins.push_back(1);
        }
        hoechstens(klauseln, naechste, vars, eins, frei);
    }
    {
        std::vector<int> vars, w;
        for (int i = 0; i < nx; ++i) {
            vars.push_back(i + 1);
            w.push_back(mod.groesse[static_cast<std::size_t>(i)] / einheit);
        }
        hoechstens(klauseln, naechste, vars, w, K);
    }
    // The bounds through smaller subsets help propagation, as long as their counters stay small
    // (free blocks are not counted in them, so they only hold without).
    long schnittGroesse = 0;
    for (const auto& sch : mod.schnitte)
        schnittGroesse += static_cast<long>(sch.bahnen.size()) * sch.mindestens;
    if (frei == 0 && schnittGroesse <= 4'000'000)
        for (const auto& sch : mod.schnitte) {
            std::vector<int> vars;
            for (int id : sch.bahnen)
                vars.push_back(id + 1);
            mindestens(klauseln, naechste, vars, sch.anzahl, sch.mindestens);
        }
    const std::string basis = verzeichnis + "/sat_" + std::to_string(a.v) + "_" + std::to_string(a.k) + "_" +
                              std::to_string(a.t) + "_" + std::to_string(a.b) + "_" +
                              std::to_string(::getpid());
    const SatAntwort antwort = cadicalRufen(klauseln, naechste, sekunden, basis);
    IlpErgebnis e;
    std::ostringstream bericht;
    bericht << mod.tBahnen << " t-Bahnen, " << nx << " k-Bahnen, " << naechste << " Variablen";
    std::vector<int> gewaehlt;
    std::vector<Maske> freiGewaehlt;
    for (int l : antwort.wahr)
        if (l <= nx)
            gewaehlt.push_back(l - 1);
        else if (l <= nx + static_cast<int>(freieBloecke.size()))
            freiGewaehlt.push_back(freieBloecke[static_cast<std::size_t>(l - nx - 1)] << 1);
    bericht << ", cadical: " << antwort.antwort;
    if (antwort.erfuellbar) {
        e.reihen = bahnenEntwickeln(g, mod, gewaehlt);
        e.reihen.insert(e.reihen.end(), freiGewaehlt.begin(), freiGewaehlt.end());
    }
    bericht << ", " << std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count() << " s";
    e.bericht = bericht.str();
    return e;
}

namespace {

// The pair orbits of a model: the point orbits at their ends, how many pairs of the orbit each
// point there lies in, and how often each block orbit holds each pair of the pair orbits it meets.
struct PaarBahnen {
    std::vector<int> punktBahnGroesse;
    std::vector<std::array<int, 2>> enden, anteil;
    std::vector<std::vector<std::pair<int, int>>> deckungen;
};

PaarBahnen paarBahnenBauen(const Aufgabe& a, const Gruppe& g, const BahnModell& mod) {
    PaarBahnen pb;
    // Orbits of the points.
    std::vector<int> punktBahn(static_cast<std::size_t>(a.v), -1);
    std::vector<int>& punktBahnGroesse = pb.punktBahnGroesse;
    const auto& erzeuger = g.erzeuger.empty() ? g.elemente : g.erzeuger;
    for (int p = 0; p < a.v; ++p) {
        if (punktBahn[static_cast<std::size_t>(p)] >= 0)
            continue;
        const int id = static_cast<int>(punktBahnGroesse.size());
        std::vector<int> bahn{p};
        punktBahn[static_cast<std::size_t>(p)] = id;
        for (std::size_t i = 0; i < bahn.size(); ++i)
            for (const auto& e : erzeuger) {
                const int q = e[static_cast<std::size_t>(bahn[i])];
                if (punktBahn[static_cast<std::size_t>(q)] < 0) {
                    punktBahn[static_cast<std::size_t>(q)] = id;
                    bahn.push_back(q);
                }
            }
        punktBahnGroesse.push_back(static_cast<int>(bahn.size()));
    }
    // Each pair orbit runs between two point orbits; every point of either lies in anteil pairs of it.
    const std::size_t P = static_cast<std::size_t>(mod.tBahnen);
    std::vector<int> paarBahnGroesse(P, 0);
    for (int o : mod.tBahn)
        ++paarBahnGroesse[static_cast<std::size_t>(o)];
    auto& enden = pb.enden;
    auto& anteil = pb.anteil;
    enden.resize(P);
    anteil.resize(P);
    {
        Maske m = 3;
        for (std::size_t r = 0; r < mod.tBahn.size(); ++r, m = naechsteMaske(m)) {
            const auto id = static_cast<std::size_t>(mod.tBahn[r]);
            const int oa = punktBahn[static_cast<std::size_t>(std::countr_zero(m))];
            const int oc = punktBahn[static_cast<std::size_t>(63 - std::countl_zero(m))];
            const int teile = paarBahnGroesse[id] * (oa == oc ? 2 : 1);
            enden[id] = {oa, oc};
            anteil[id] = {teile / punktBahnGroesse[static_cast<std::size_t>(oa)],
                          teile / punktBahnGroesse[static_cast<std::size_t>(oc)]};
        }
    }
    // How often each block orbit holds each pair of the pair orbits it meets.
    auto& deckungen = pb.deckungen;
    deckungen.resize(mod.vertreter.size());
    for (std::size_t z = 0; z < mod.vertreter.size(); ++z) {
        std::map<int, int> treffer;
        teilmengenRaenge(mod.vertreter[z], 2, [&](int r) { ++treffer[mod.tBahn[static_cast<std::size_t>(r)]]; });
        for (auto [bahn, anzahl] : treffer)
            deckungen[z].push_back(
                {bahn, mod.groesse[z] * anzahl / paarBahnGroesse[static_cast<std::size_t>(bahn)]});
    }
    return pb;
}

// With the degrees the block count leaves: every point lies in at least r0 blocks, and the b
// blocks leave D incidences beyond that to share over the points.
struct PaarModell {
    BahnModell mod;
    PaarBahnen pb;
    int r0 = 0, D = 0;
    // Pairs held more than once by a point in r0 + extra blocks.
    int ueberschuss(const Aufgabe& a, int extra) const { return (r0 + extra) * (a.k - 1) - (a.v - 1); }
};

// The orbit model of a pair covering with its pair orbits. Nothing when t is not 2, the group is
// too large to enumerate (frueh stays empty) or no block count is within reach (frueh holds that report).
std::optional<PaarModell> paarModellBauen(const Aufgabe& a, const Gruppe& g, long maxBahnen,
                                          std::optional<IlpErgebnis>& frueh) {
    if (a.t != 2)
        return std::nullopt;
    auto modell = modellBauen(a, g, maxBahnen, false);
    if (!modell)
        return std::nullopt;
    if (!blockzahlErreichbar(a, *modell, 0)) {
        frueh = unerreichbar(*modell);
        return std::nullopt;
    }
    PaarBahnen pb = paarBahnenBauen(a, g, *modell);
    const int r0 = (a.v + a.k - 3) / (a.k - 1);
    return PaarModell{std::move(*modell), std::move(pb), r0, a.b * a.k - a.v * r0};
}

} // namespace

std::optional<IlpErgebnis> ueberschussSuchen(const Aufgabe& a, const Gruppe& g, std::uint64_t seed, int versuche,
                                             int sekunden, const std::string& verzeichnis, long maxBahnen) {
    std::optional<IlpErgebnis> frueh;
    const auto modell = paarModellBauen(a, g, maxBahnen, frueh);
    if (!modell)
        return frueh;
    const BahnModell& mod = modell->mod;
    const PaarBahnen& pb = modell->pb;
    const auto& punktBahnGroesse = pb.punktBahnGroesse;
    const auto& enden = pb.enden;
    const auto& anteil = pb.anteil;
    const auto& deckungen = pb.deckungen;
    const std::size_t P = pb.enden.size();
    // A pair orbit can only be held a multiple of the gcd of what the block orbits through it give
    // (a full orbit of a cyclic group holds a pair at distance n/2 twice).
    std::vector<int> teilt(P, 0);
    for (const auto& deckung : deckungen)
        for (const auto& [bahn, mal] : deckung)
            teilt[static_cast<std::size_t>(bahn)] = std::gcd(teilt[static_cast<std::size_t>(bahn)], mal);
    const int D = modell->D;
    const std::size_t O = punktBahnGroesse.size();
    Zufall zufall(seed);
    std::string letzter = "kein Überschussplan";
    std::set<std::vector<int>> versucht;
    int ohneAntwort = 0;
    for (int versuch = 0; versuch < versuche; ++versuch) {
        // Extra degrees: a random split of D over the point orbits.
        std::vector<int> extra(O, 0);
        int rest = D;
        for (int schritt = 0; rest > 0 && schritt < 10000; ++schritt) {
            const std::size_t o = zufall.unter(static_cast<std::uint32_t>(O));
            if (punktBahnGroesse[o] <= rest) {
                ++extra[o];
                rest -= punktBahnGroesse[o];
            }
        }
        if (rest != 0)
            continue;
        std::vector<int> ueber(O);
        for (std::size_t o = 0; o < O; ++o)
            ueber[o] = modell->ueberschuss(a, extra[o]);
        // Excess multiplicities by a randomised depth-first search with a node budget.
        std::vector<std::size_t> ordnung(P);
        std::iota(ordnung.begin(), ordnung.end(), 0);
        for (std::size_t i = P; i > 1; --i)
            std::swap(ordnung[i - 1], ordnung[zufall.unter(static_cast<std::uint32_t>(i))]);
        // The orbits that cannot be held once come first: they must take part.
        std::stable_partition(ordnung.begin(), ordnung.end(), [&](std::size_t p) { return teilt[p] > 1; });
        // spaeter[i * O + o]: some pair orbit from the i-th on reaches point orbit o.
        std::vector<char> spaeter((P + 1) * O, 0);
        for (std::size_t i = P; i-- > 0;) {
            for (std::size_t o = 0; o < O; ++o)
                spaeter[i * O + o] = spaeter[(i + 1) * O + o];
            for (int o : enden[ordnung[i]])
                spaeter[i * O + static_cast<std::size_t>(o)] = 1;
        }
        std::vector<int> mu(P, 0);
        long knoten = 0;
        const auto dfs = [&](auto&& selbst, std::size_t i) -> bool {
            if (++knoten > 200'000)
                return false;
            long offen = 0;
            for (std::size_t o = 0; o < O; ++o) {
                if (ueber[o] > 0 && !spaeter[i * O + o])
                    return false;
                offen += ueber[o];
            }
            if (i == P || (offen == 0 && teilt[ordnung[i]] <= 1))
                return offen == 0;
            const std::size_t p = ordnung[i];
            const auto [pa, pc] = enden[p];
            const auto [da, dc] = anteil[p];
            const int hoechst = pa == pc ? ueber[static_cast<std::size_t>(pa)] / da
                                   : std::min(ueber[static_cast<std::size_t>(pa)] / da, ueber[static_cast<std::size_t>(pc)] / dc);
            // Mostly 0 first: about as many orbits held more than once as the excess left needs.
            std::vector<int> werte;
            for (int m = 0; m <= hoechst; ++m)
                if (teilt[p] > 0 && (1 + m) % teilt[p] == 0)
                    werte.push_back(m);
            if (hoechst > 0 && zufall.bruch() * static_cast<double>(P - i) < static_cast<double>(offen) / 2) {
                for (std::size_t j = werte.size(); j > 1; --j)
                    std::swap(werte[j - 1], werte[zufall.unter(static_cast<std::uint32_t>(j))]);
            }
            for (int m : werte) {
                ueber[static_cast<std::size_t>(pa)] -= m * da;
                if (pa != pc)
                    ueber[static_cast<std::size_t>(pc)] -= m * dc;
                mu[p] = m;
                if (selbst(selbst, i + 1))
                    return true;
                ueber[static_cast<std::size_t>(pa)] += m * da;
                if (pa != pc)
                    ueber[static_cast<std::size_t>(pc)] += m * dc;
                mu[p] = 0;
            }
            return false;
        };
        if (!dfs(dfs, 0) || !versucht.insert(mu).second)
            continue;
        // Every pair orbit held exactly 1 + mu times, as clauses for cadical.
        std::vector<int> kandidat;
        std::vector<std::vector<int>> jeBahn(P), gewicht(P);
        for (std::size_t z = 0; z < deckungen.size(); ++z) {
            const auto& d = deckungen[z];
            if (std::any_of(d.begin(), d.end(), [&](const auto& e) {
                    return e.second > 1 + mu[static_cast<std::size_t>(e.first)];
                }))
                continue;
            kandidat.push_back(static_cast<int>(z));
            for (const auto& [bahn, mal] : d) {
                jeBahn[static_cast<std::size_t>(bahn)].push_back(static_cast<int>(kandidat.size()));
                gewicht[static_cast<std::size_t>(bahn)].push_back(mal);
            }
        }
        std::vector<std::vector<int>> klauseln;
        int naechste = static_cast<int>(kandidat.size());
        bool moeglich = true;
        for (std::size_t p = 0; p < P && moeglich; ++p)
            moeglich = genau(klauseln, naechste, jeBahn[p], gewicht[p], 1 + mu[p]);
        int mehrfach = 0;
        for (std::size_t p = 0; p < P; ++p)
            mehrfach += mu[p] > 0;
        letzter = std::to_string(deckungen.size()) + " Blockbahnen, " + std::to_string(kandidat.size()) +
                  " zulässig, " + std::to_string(P) + " Paarbahnen, davon " + std::to_string(mehrfach) +
                  " mehrfach";
        if (!moeglich) {
            std::fprintf(stderr, "    Versuch %d: %s, unmöglich\n", versuch, letzter.c_str());
            continue;
        }
        const SatAntwort sat = cadicalRufen(klauseln, naechste, sekunden,
                                            verzeichnis + "/ueber_" + std::to_string(a.v) + "_" +
                                                std::to_string(::getpid()));
        std::fprintf(stderr, "    Versuch %d: %s, cadical: %s\n", versuch, letzter.c_str(), sat.antwort.c_str());
        // A group whose models keep running out of time is left for the next.
        if (!sat.erfuellbar && !sat.entschieden && ++ohneAntwort >= 5)
            break;
        if (!sat.erfuellbar)
            continue;
        std::vector<int> gewaehlt;
        for (int l : sat.wahr)
            if (l <= static_cast<int>(kandidat.size()))
                gewaehlt.push_back(kandidat[static_cast<std::size_t>(l - 1)]);
        IlpErgebnis r{bahnenEntwickeln(g, mod, gewaehlt), ""};
        if (static_cast<int>(r.reihen.size()) > a.b)
            continue;
        r.bericht = "mit vorgegebenem Überschuss (Versuch " + std::to_string(versuch) + "): " + letzter +
                    ", cadical: " + sat.antwort;
        return r;
    }
    return std::nullopt;
}

namespace {

// Depth-first search over block orbits for a pair covering: the pair orbit with the fewest
// usable block orbits left is branched on first; a block orbit is usable while the blocks stay
// within the count and no point orbit holds more pairs twice than its bound allows.
class Tiefensuche {
public:
    Tiefensuche(const BahnModell& mod, const PaarBahnen& pb, std::vector<int> schranke, int bloecke,
                std::uint64_t seed, long knotenGrenze, std::chrono::steady_clock::time_point ende)
        : m_mod(mod), m_pb(pb), m_schranke(std::move(schranke)), m_bloeckeFrei(bloecke),
          m_gehalten(pb.enden.size(), 0), m_ueber(pb.punktBahnGroesse.size(), 0), m_zufall(seed),
          m_grenze(knotenGrenze), m_ende(ende), m_verbraucht(pb.deckungen.size(), 0) {}

    // The chosen block orbits, or nothing when the bounds rule the group out (erschoepft()) or
    // the node budget ran out.
    std::optional<std::vector<int>> suchen() {
        std::vector<int> offen;
        for (std::size_t z = 0; z < m_pb.deckungen.size(); ++z)
            if (passt(static_cast<int>(z)))
                offen.push_back(static_cast<int>(z));
        if (schritt(offen))
            return m_gewaehlt;
        return std::nullopt;
    }
    bool erschoepft() const { return m_knoten <= m_grenze; }
    long knoten() const { return m_knoten; }

private:
    // Excess a block orbit adds at each point orbit it touches (into m_delta, which it clears).
    void ueberschuss(int z, int richtung) {
        for (const auto& [bahn, mal] : m_pb.deckungen[static_cast<std::size_t>(z)]) {
            const int vor = m_gehalten[static_cast<std::size_t>(bahn)];
            const int nach = vor + richtung * mal;
            const int mehr = std::max(0, std::max(vor, nach) - 1) - std::max(0, std::min(vor, nach) - 1);
            if (mehr == 0)
                continue;
            const auto [oa, oc] = m_pb.enden[static_cast<std::size_t>(bahn)];
            const auto [da, dc] = m_pb.anteil[static_cast<std::size_t>(bahn)];
            m_delta.push_back({oa, mehr * da});
            if (oc != oa)
                m_delta.push_back({oc, mehr * dc});
        }
    }
    bool passt(int z) {
        if (m_mod.groesse[static_cast<std::size_t>(z)] > m_bloeckeFrei)
            return false;
        m_delta.clear();
        ueberschuss(z, +1);
        for (const auto& [o, d] : m_delta)
            m_ueber[static_cast<std::size_t>(o)] += d;
        bool gut = true;
        for (const auto& [o, d] : m_delta)
            gut = gut && m_ueber[static_cast<std::size_t>(o)] <= m_schranke[static_cast<std::size_t>(o)];
        for (const auto& [o, d] : m_delta)
            m_ueber[static_cast<std::size_t>(o)] -= d;
        return gut;
    }
    void nehmen(int z, int richtung) {
        m_delta.clear();
        ueberschuss(z, richtung);
        for (const auto& [o, d] : m_delta)
            m_ueber[static_cast<std::size_t>(o)] += richtung * d;
        for (const auto& [bahn, mal] : m_pb.deckungen[static_cast<std::size_t>(z)])
            m_gehalten[static_cast<std::size_t>(bahn)] += richtung * mal;
        m_bloeckeFrei -= richtung * m_mod.groesse[static_cast<std::size_t>(z)];
    }
    bool schritt(const std::vector<int>& offen) {
        // Out of time counts as out of nodes: the share is not searched through.
        if (++m_knoten % 256 == 0 && std::chrono::steady_clock::now() > m_ende)
            m_knoten = m_grenze;
        if (m_knoten > m_grenze)
            return false;
        std::vector<int> anzahl(m_gehalten.size(), 0);
        for (int z : offen)
            for (const auto& [bahn, mal] : m_pb.deckungen[static_cast<std::size_t>(z)])
                if (m_gehalten[static_cast<std::size_t>(bahn)] == 0)
                    ++anzahl[static_cast<std::size_t>(bahn)];
        int beste = -1;
        for (std::size_t p = 0; p < m_gehalten.size(); ++p)
            if (m_gehalten[p] == 0 && (beste < 0 || anzahl[p] < anzahl[static_cast<std::size_t>(beste)]))
                beste = static_cast<int>(p);
        if (beste < 0)
            return true;
        if (anzahl[static_cast<std::size_t>(beste)] == 0)
            return false;
        std::vector<int> wahl;
        for (int z : offen)
            for (const auto& [bahn, mal] : m_pb.deckungen[static_cast<std::size_t>(z)])
                if (bahn == beste) {
                    wahl.push_back(z);
                    break;
                }
        for (std::size_t i = wahl.size(); i > 1; --i)
            std::swap(wahl[i - 1], wahl[m_zufall.unter(static_cast<std::uint32_t>(i))]);
        // Each branch leaves out the orbits tried before it, so no set of orbits is met twice; the
        // marks are taken back before returning, so one array serves every node.
        const auto zuruecknehmen = [&] {
            for (int z : wahl)
                m_verbraucht[static_cast<std::size_t>(z)] = 0;
        };
        for (int z : wahl) {
            nehmen(z, +1);
            std::vector<int> weiter;
            weiter.reserve(offen.size());
            for (int y : offen)
                if (y != z && !m_verbraucht[static_cast<std::size_t>(y)] && passt(y))
                    weiter.push_back(y);
            m_gewaehlt.push_back(z);
            if (schritt(weiter)) {
                zuruecknehmen();
                return true;
            }
            m_gewaehlt.pop_back();
            nehmen(z, -1);
            m_verbraucht[static_cast<std::size_t>(z)] = 1;
            if (m_knoten > m_grenze)
                break;
        }
        zuruecknehmen();
        return false;
    }

    const BahnModell& m_mod;
    const PaarBahnen& m_pb;
    std::vector<int> m_schranke;
    int m_bloeckeFrei;
    std::vector<int> m_gehalten, m_ueber;
    std::vector<std::pair<int, int>> m_delta;
    std::vector<int> m_gewaehlt;
    Zufall m_zufall;
    long m_grenze, m_knoten = 0;
    std::chrono::steady_clock::time_point m_ende;
    std::vector<char> m_verbraucht;
};

} // namespace

std::optional<IlpErgebnis> tiefensucheSuchen(const Aufgabe& a, const Gruppe& g, std::uint64_t seed, long knoten,
                                             int sekunden, long maxBahnen) {
    const auto t0 = std::chrono::steady_clock::now();
    const auto ende = t0 + std::chrono::seconds(sekunden);
    std::optional<IlpErgebnis> frueh;
    const auto modell = paarModellBauen(a, g, maxBahnen, frueh);
    if (!modell)
        return frueh;
    const BahnModell& mod = modell->mod;
    const PaarBahnen& pb = modell->pb;
    const auto& groesse = pb.punktBahnGroesse;
    const std::size_t O = groesse.size();
    // The point orbits share the D extra incidences in whole orbits; each way of sharing them out
    // (as far as it goes) bounds the excess per orbit.
    const int D = modell->D;
    std::vector<std::vector<int>> teilungen;
    std::vector<int> extra(O, 0);
    const auto teilen = [&](auto&& selbst, std::size_t o, int rest) -> void {
        if (teilungen.size() >= 2000)
            return;
        if (o == O) {
            // Only shares that leave no orbit room for one more incidence each.
            if (std::none_of(groesse.begin(), groesse.end(), [&](int s) { return s <= rest; }))
                teilungen.push_back(extra);
            return;
        }
        for (int e = rest / groesse[o]; e >= 0; --e) {
            extra[o] = e;
            selbst(selbst, o + 1, rest - e * groesse[o]);
        }
        extra[o] = 0;
    };
    teilen(teilen, 0, D);
    long gesamt = 0;
    int widerlegt = 0;
    for (std::size_t i = 0; i < teilungen.size(); ++i) {
        std::vector<int> schranke(O);
        for (std::size_t o = 0; o < O; ++o)
            schranke[o] = modell->ueberschuss(a, teilungen[i][o]);
        if (std::chrono::steady_clock::now() > ende)
            break;
        Tiefensuche suche(mod, pb, schranke, a.b, seed + i, knoten, ende);
        const auto gewaehlt = suche.suchen();
        gesamt += suche.knoten();
        if (gewaehlt) {
            IlpErgebnis e{bahnenEntwickeln(g, mod, *gewaehlt), ""};
            std::ostringstream bericht;
            bericht << "Tiefensuche mit Überschussschranken je Punktbahn (Teilung " << i + 1 << " von "
                    << teilungen.size() << "): " << mod.vertreter.size() << " Blockbahnen, " << mod.tBahnen
                    << " Paarbahnen, " << gesamt << " Knoten, "
                    << std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count() << " s";
            e.bericht = bericht.str();
            return e;
        }
        widerlegt += suche.erschoepft();
    }
    IlpErgebnis e;
    std::ostringstream bericht;
    bericht << teilungen.size() << " Teilungen, " << widerlegt << " ganz durchsucht ohne Überdeckung, " << gesamt
            << " Knoten, " << std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count() << " s";
    e.bericht = bericht.str();
    return e;
}

std::optional<IlpErgebnis> satErgaenzen(const Aufgabe& a, const std::vector<Maske>& fest, int sekunden,
                                        const std::string& verzeichnis) {
    const auto t0 = std::chrono::steady_clock::now();
    const int F = a.b - static_cast<int>(fest.size());
    if (F < 0)
        return std::nullopt;
    const long tAnzahl = binom.c[a.v][a.t];
    std::vector<char> gedeckt(static_cast<std::size_t>(tAnzahl), 0);
    const auto teilmengen = [&](Maske m, auto&& f) { teilmengenRaenge(m, a.t, f); };
    for (Maske m : fest)
        teilmengen(m >> 1, [&](int r) { gedeckt[static_cast<std::size_t>(r)] = 1; });
    long offen = 0;
    for (char c : gedeckt)
        offen += c == 0;
    // A block holding c open t-subsets wastes C(k, t) - c of its room; the F blocks together
    // may waste no more than F * C(k, t) - offen.
    const long verschwendung = static_cast<long>(F) * binom.c[a.k][a.t] - offen;
    IlpErgebnis e;
    if (verschwendung < 0) {
        e.bericht = "zu wenige Blöcke für " + std::to_string(offen) + " offene Teilmengen";
        return e;
    }
    if (offen == 0) {
        e.reihen = fest;
        e.bericht = "nichts zu ergänzen";
        return e;
    }
    std::vector<Maske> kandidaten;
    std::vector<std::vector<int>> jeT(static_cast<std::size_t>(tAnzahl));
    const long mindestens = std::max<long>(1, binom.c[a.k][a.t] - verschwendung);
    const Maske ende = Maske{1} << a.v;
    for (Maske m = (Maske{1} << a.k) - 1; m < ende; m = naechsteMaske(m)) {
        long c = 0;
        teilmengen(m, [&](int r) { c += gedeckt[static_cast<std::size_t>(r)] == 0; });
        if (c < mindestens)
            continue;
        kandidaten.push_back(m);
        const int x = static_cast<int>(kandidaten.size());
        teilmengen(m, [&](int r) {
            if (gedeckt[static_cast<std::size_t>(r)] == 0)
                jeT[static_cast<std::size_t>(r)].push_back(x);
        });
    }
    if (verschwendung == 0) {
        // No room to waste: an exact cover whose columns are the open subsets.
        std::vector<std::vector<int>> zeileSpalten(kandidaten.size());
        int spalten = 0;
        for (long r = 0; r < tAnzahl; ++r) {
            if (gedeckt[static_cast<std::size_t>(r)] != 0)
                continue;
            for (int x : jeT[static_cast<std::size_t>(r)])
                zeileSpalten[static_cast<std::size_t>(x - 1)].push_back(spalten);
            ++spalten;
        }
        const long maxKnoten = static_cast<long>(sekunden) * 2'000'000;
        ExakteUeberdeckung x(spalten, zeileSpalten);
        const std::optional<std::vector<int>> gewaehlt = x.loesen(maxKnoten);
        const long knoten = x.knoten();
        const bool gefunden = gewaehlt.has_value();
        std::ostringstream bericht;
        bericht << fest.size() << " feste Blöcke, " << F << " ergänzt aus " << kandidaten.size()
                << " Kandidaten für " << offen << " offene Teilmengen, exakte Überdeckung: "
                << (gefunden             ? "gefunden"
                    : knoten > maxKnoten ? "abgebrochen"
                                         : "keine")
                << " nach " << knoten << " Knoten, "
                << std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count() << " s";
        e.bericht = bericht.str();
        if (gefunden) {
            e.reihen = fest;
            for (int z : *gewaehlt)
                e.reihen.push_back(kandidaten[static_cast<std::size_t>(z)] << 1);
        }
        return e;
    }
    std::vector<std::vector<int>> klauseln;
    for (long r = 0; r < tAnzahl; ++r)
        if (gedeckt[static_cast<std::size_t>(r)] == 0)
            klauseln.push_back(jeT[static_cast<std::size_t>(r)]);
    int naechste = static_cast<int>(kandidaten.size());
    std::vector<int> vars(static_cast<std::size_t>(naechste));
    std::iota(vars.begin(), vars.end(), 1);
    hoechstens(klauseln, naechste, vars, std::vector<int>(vars.size(), 1), F);
    const std::string basis = verzeichnis + "/erg_" + std::to_string(a.v) + "_" + std::to_string(a.k) + "_" +
                              std::to_string(a.t) + "_" + std::to_string(a.b) + "_" +
                              std::to_string(::getpid());
    const SatAntwort sat = cadicalRufen(klauseln, naechste, sekunden, basis);
    std::vector<Maske> neu;
    for (int l : sat.wahr)
        if (l <= static_cast<int>(kandidaten.size()))
            neu.push_back(kandidaten[static_cast<std::size_t>(l - 1)] << 1);
    const bool erfuellbar = sat.erfuellbar;
    const std::string& antwort = sat.antwort;
    std::ostringstream bericht;
    bericht << fest.size() << " feste Blöcke, " << F << " ergänzt aus " << kandidaten.size()
            << " Kandidaten für " << offen << " offene Teilmengen, cadical: " << antwort << ", "
            << std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count() << " s";
    e.bericht = bericht.str();
    if (erfuellbar) {
        e.reihen = fest;
        e.reihen.insert(e.reihen.end(), neu.begin(), neu.end());
    }
    return e;
}

} // namespace kb::reihen
