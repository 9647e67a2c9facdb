#include "ilp_search.h"

#include "subsets.h"

#include <unistd.h>

#include <algorithm>
#include <bit>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

namespace kb::reihen {

namespace {

Maske bildVon(const Gruppe& g, std::size_t e, Maske b) {
    Maske r = 0;
    for (; b != 0; b &= b - 1)
        r |= Maske{1} << g.elemente[e][static_cast<std::size_t>(std::countr_zero(b))];
    return r;
}

} // namespace

std::optional<IlpErgebnis> ilpSuchen(const Aufgabe& a, const Gruppe& g, int sekunden, const std::string& verzeichnis,
                                     long maxBahnen) {
    const auto t0 = std::chrono::steady_clock::now();
    const std::size_t n = g.elemente.size();
    if (static_cast<double>(binom.c[a.v][a.k]) / static_cast<double>(n) > static_cast<double>(maxBahnen))
        return std::nullopt;

    // Orbits of t-subsets, by rank.
    const long tAnzahl = binom.c[a.v][a.t];
    std::vector<int> tBahn(static_cast<std::size_t>(tAnzahl), -1);
    int tBahnen = 0;
    {
        Maske m = (Maske{1} << a.t) - 1;
        for (long r = 0; r < tAnzahl; ++r, m = naechsteMaske(m)) {
            if (tBahn[static_cast<std::size_t>(r)] >= 0)
                continue;
            for (std::size_t e = 0; e < n; ++e)
                tBahn[static_cast<std::size_t>(rang(bildVon(g, e, m)))] = tBahnen;
            ++tBahnen;
        }
    }
    // Orbits of k-subsets: the colex-smallest member stands for the orbit.
    std::vector<Maske> vertreter;
    std::vector<int> groesse;
    std::vector<std::vector<int>> zeilen(static_cast<std::size_t>(tBahnen));
    {
        const Maske ende = Maske{1} << a.v;
        for (Maske m = (Maske{1} << a.k) - 1; m < ende; m = naechsteMaske(m)) {
            bool kleinste = true;
            int stab = 0;
            for (std::size_t e = 0; e < n && kleinste; ++e) {
                const Maske b = bildVon(g, e, m);
                if (b < m)
                    kleinste = false;
                stab += b == m;
            }
            if (!kleinste)
                continue;
            const int id = static_cast<int>(vertreter.size());
            vertreter.push_back(m);
            groesse.push_back(static_cast<int>(n) / stab);
            int p[64], k = 0;
            for (Maske z = m; z != 0; z &= z - 1)
                p[k++] = std::countr_zero(z);
            std::vector<int> getroffen;
            for (Maske w = (Maske{1} << a.t) - 1; w < (Maske{1} << k); w = naechsteMaske(w)) {
                Maske s = 0;
                for (Maske z = w; z != 0; z &= z - 1)
                    s |= Maske{1} << p[std::countr_zero(z)];
                getroffen.push_back(tBahn[static_cast<std::size_t>(rang(s))]);
            }
            std::sort(getroffen.begin(), getroffen.end());
            getroffen.erase(std::unique(getroffen.begin(), getroffen.end()), getroffen.end());
            for (int o : getroffen)
                zeilen[static_cast<std::size_t>(o)].push_back(id);
        }
    }

    const std::string basis = verzeichnis + "/ilp_" + std::to_string(a.v) + "_" + std::to_string(a.k) + "_" +
                              std::to_string(a.t) + "_" + std::to_string(a.b) + "_" + std::to_string(::getpid());
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
        lp << " blocks:";
        summe(lp, alle, true);
        lp << " <= " << a.b << "\nBinary\n";
        for (std::size_t i = 0; i < vertreter.size(); ++i)
            lp << " x" << i << ((i + 1) % 16 == 0 ? "\n" : "");
        lp << "\nEnd\n";
    }
    std::remove((basis + ".sol").c_str());
    const std::string befehl = "cbc " + basis + ".lp sec " + std::to_string(sekunden) + " solve solu " + basis +
                               ".sol > " + basis + ".log 2>&1";
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
        const bool loesung = status.rfind("Optimal", 0) == 0 ||
                             (status.rfind("Stopped", 0) == 0 && status.find("no integer") == std::string::npos);
        if (loesung) {
            std::string zeile;
            while (std::getline(sol, zeile)) {
                std::istringstream z(zeile);
                std::string nr, name;
                double wert = 0;
                if (!(z >> nr >> name >> wert) || name.size() < 2 || name[0] != 'x' || wert < 0.5)
                    continue;
                const auto id = static_cast<std::size_t>(std::stol(name.substr(1)));
                if (id >= vertreter.size())
                    continue;
                std::vector<Maske> bahn;
                for (std::size_t el = 0; el < n; ++el)
                    bahn.push_back(bildVon(g, el, vertreter[id]));
                std::sort(bahn.begin(), bahn.end());
                bahn.erase(std::unique(bahn.begin(), bahn.end()), bahn.end());
                for (Maske b : bahn)
                    e.reihen.push_back(b << 1);
            }
        }
    }
    bericht << ", " << std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count() << " s";
    e.bericht = bericht.str();
    return e;
}

} // namespace kb::reihen
