#include "rows_file.h"

#include <bit>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace kb::reihen {

namespace {

bool fehlerZeile(std::string& fehler, int zeile, const std::string& text) {
    fehler = "Zeile " + std::to_string(zeile) + ": " + text;
    return false;
}

} // namespace

std::optional<std::vector<Eintrag>> lesen(const std::string& pfad, std::string& fehler) {
    std::ifstream ein(pfad);
    if (!ein) {
        fehler = pfad + " lässt sich nicht öffnen";
        return std::nullopt;
    }
    std::vector<Eintrag> alle;
    std::string zeile;
    int nr = 0;
    int offen = 0; // rows still expected for the current entry
    while (std::getline(ein, zeile)) {
        ++nr;
        if (zeile.empty() || zeile[0] == '#')
            continue;
        std::istringstream s(zeile);
        if (zeile.rfind("system ", 0) == 0) {
            if (offen != 0) {
                fehlerZeile(fehler, nr, "zu wenige Reihen im vorigen System");
                return std::nullopt;
            }
            Eintrag e;
            std::string w, rg, wz, ga, tr, lu, he;
            s >> w >> e.position >> rg >> e.RG >> wz >> e.WZ >> ga >> e.GA >> tr >> e.TR >> lu >> e.luecken >>
                he;
            if (!s || rg != "RG" || wz != "WZ" || ga != "GA" || tr != "TR" || lu != "luecken" ||
                he != "herkunft" || e.RG < 1 || e.RG > 6 || e.WZ < e.RG || e.WZ > 63 || e.GA < 0 ||
                e.GA > e.RG || e.TR < 0 || e.luecken < 0) {
                fehlerZeile(fehler, nr, "ungültiger Systemkopf");
                return std::nullopt;
            }
            std::getline(s, e.herkunft);
            if (!e.herkunft.empty() && e.herkunft[0] == ' ')
                e.herkunft.erase(0, 1);
            offen = e.TR;
            alle.push_back(std::move(e));
            continue;
        }
        if (alle.empty() || offen == 0) {
            fehlerZeile(fehler, nr, "Reihe ohne System");
            return std::nullopt;
        }
        Eintrag& e = alle.back();
        Maske m = 0;
        int letzte = 0, anzahl = 0, p = 0;
        while (s >> p) {
            if (p <= letzte || p > e.WZ) {
                fehlerZeile(fehler, nr,
                            "Positionen müssen aufsteigend in 1.." + std::to_string(e.WZ) + " liegen");
                return std::nullopt;
            }
            m |= Maske{1} << p;
            letzte = p;
            ++anzahl;
        }
        if (!s.eof() || anzahl != e.RG) {
            fehlerZeile(fehler, nr, "eine Reihe braucht genau " + std::to_string(e.RG) + " Zahlen");
            return std::nullopt;
        }
        e.reihen.push_back(m);
        --offen;
    }
    if (offen != 0) {
        fehlerZeile(fehler, nr, "zu wenige Reihen im letzten System");
        return std::nullopt;
    }
    return alle;
}

bool schreiben(const std::string& pfad, const std::vector<Eintrag>& eintraege, std::string& fehler) {
    const std::string temp = pfad + ".tmp";
    {
        std::ofstream aus(temp, std::ios::trunc);
        if (!aus) {
            fehler = temp + " lässt sich nicht anlegen";
            return false;
        }
        aus << "# Rows of the built-in play systems, catalogue positions 0 to 358, made by kb_system_rows.\n"
               "# Header: system <position> RG WZ GA TR, then 'luecken' = GA-subsets of 1..WZ in no row\n"
               "# (0: the guarantee holds) and 'herkunft' = how the rows were made. Then TR rows of RG\n"
               "# ascending position numbers 1..WZ.\n";
        for (const Eintrag& e : eintraege) {
            aus << "system " << e.position << " RG " << e.RG << " WZ " << e.WZ << " GA " << e.GA << " TR "
                << e.TR << " luecken " << e.luecken << " herkunft " << e.herkunft << '\n';
            for (Maske m : e.reihen) {
                bool erste = true;
                for (; m != 0; m &= m - 1) {
                    aus << (erste ? "" : " ") << std::countr_zero(m);
                    erste = false;
                }
                aus << '\n';
            }
        }
        aus.flush();
        if (!aus) {
            fehler = temp + " ließ sich nicht vollständig schreiben";
            return false;
        }
    }
    if (std::rename(temp.c_str(), pfad.c_str()) != 0) {
        fehler = pfad + " ließ sich nicht ersetzen";
        return false;
    }
    return true;
}

long fehlend(const std::vector<Maske>& reihen, int v, int t) {
    if (t <= 0)
        return 0;
    // Colex rank of each t-subset of a row; a flag per rank.
    long c[64][8] = {};
    for (int n = 0; n < 64; ++n) {
        c[n][0] = 1;
        for (int k = 1; k < 8; ++k)
            c[n][k] = n == 0 ? 0 : c[n - 1][k - 1] + c[n - 1][k];
    }
    std::vector<char> gedeckt(static_cast<std::size_t>(c[v][t]), 0);
    for (Maske r : reihen) {
        int p[64], k = 0;
        for (Maske m = r & (((Maske{1} << v) - 1) << 1); m != 0; m &= m - 1)
            p[k++] = std::countr_zero(m) - 1;
        if (k < t)
            continue;
        int w[8];
        for (int i = 0; i < t; ++i)
            w[i] = i;
        for (;;) {
            long rang = 0;
            for (int i = 0; i < t; ++i)
                rang += c[p[w[i]]][i + 1];
            gedeckt[static_cast<std::size_t>(rang)] = 1;
            int i = t - 1;
            while (i >= 0 && w[i] == k - t + i)
                --i;
            if (i < 0)
                break;
            ++w[i];
            for (int j = i + 1; j < t; ++j)
                w[j] = w[j - 1] + 1;
        }
    }
    long offen = 0;
    for (char g : gedeckt)
        offen += g ? 0 : 1;
    return offen;
}

} // namespace kb::reihen
