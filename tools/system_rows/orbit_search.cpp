#include "orbit_search.h"
#include "open_set.h"

#include "subsets.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <map>
#include <numeric>
#include <set>

namespace kb::reihen {

Gruppe gruppeErzeugen(int v, const std::vector<std::vector<std::uint8_t>>& erzeuger, std::string name,
                      std::size_t hoechstens) {
    Gruppe g;
    g.v = v;
    g.name = std::move(name);
    g.erzeuger = erzeuger;
    std::vector<std::uint8_t> eins(static_cast<std::size_t>(v));
    std::iota(eins.begin(), eins.end(), std::uint8_t{0});
    std::set<std::vector<std::uint8_t>> bekannt{eins};
    g.elemente.push_back(eins);
    for (std::size_t i = 0; i < g.elemente.size() && g.elemente.size() <= hoechstens; ++i)
        for (const auto& e : erzeuger) {
            std::vector<std::uint8_t> p(static_cast<std::size_t>(v));
            for (int x = 0; x < v; ++x)
                p[static_cast<std::size_t>(x)] = e[g.elemente[i][static_cast<std::size_t>(x)]];
            if (bekannt.insert(p).second)
                g.elemente.push_back(std::move(p));
        }
    return g;
}

Gruppe zyklischMitMultiplikator(int v, int m, int fest, int mu) {
    std::vector<std::uint8_t> schieben(static_cast<std::size_t>(v)), mal(static_cast<std::size_t>(v));
    const int bewegt = v - fest;
    for (int x = 0; x < v; ++x) {
        const int basis = (x / m) * m, r = x % m;
        schieben[static_cast<std::size_t>(x)] =
            static_cast<std::uint8_t>(x < bewegt ? basis + (r + 1) % m : x);
        mal[static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(x < bewegt ? basis + (r * mu) % m : x);
    }
    std::vector<std::vector<std::uint8_t>> erz{schieben};
    if (mu != 1)
        erz.push_back(mal);
    std::string name = "Z" + std::to_string(m);
    if (mu != 1)
        name += " mit Multiplikator " + std::to_string(mu);
    name += " auf " + std::to_string(bewegt / m) + " Zyklen, " + std::to_string(fest) + " feste Punkte";
    return gruppeErzeugen(v, erz, name);
}

namespace {

// Number of orbits of t-subsets under the group (union-find over the images by all elements).
long bahnenAnzahl(const Gruppe& g, int t) {
    const long anzahl = binom.c[g.v][t];
    std::vector<int> vater(static_cast<std::size_t>(anzahl));
    std::iota(vater.begin(), vater.end(), 0);
    const auto wurzel = [&](int x) {
        while (vater[static_cast<std::size_t>(x)] != x)
            x = vater[static_cast<std::size_t>(x)] =
                vater[static_cast<std::size_t>(vater[static_cast<std::size_t>(x)])];
        return x;
    };
    long bahnen = anzahl;
    Maske m = (Maske{1} << t) - 1;
    for (long r = 0; r < anzahl; ++r, m = naechsteMaske(m))
        for (std::size_t e = 1; e < g.elemente.size(); ++e) {
            Maske bild = 0;
            for (Maske z = m; z != 0; z &= z - 1)
                bild |= Maske{1} << g.elemente[e][static_cast<std::size_t>(std::countr_zero(z))];
            const int a = wurzel(static_cast<int>(r)), c = wurzel(rang(bild));
            if (a != c) {
                vater[static_cast<std::size_t>(a)] = c;
                --bahnen;
            }
        }
    return bahnen;
}

} // namespace

std::vector<GruppenWahl> gruppenFuer(int v, int k, int t, int b, int maxFrei, int maxFest) {
    std::vector<GruppenWahl> r;
    for (int fest = 0; fest <= maxFest; ++fest)
        for (int m = 3; m <= v - fest; ++m) {
            if ((v - fest) % m != 0)
                continue;
            // One multiplier per order: the subgroups of the units that matter here.
            std::map<int, int> jeOrdnung{{1, 1}};
            for (int mu = 2; mu < m; ++mu) {
                if (std::gcd(mu, m) != 1)
                    continue;
                int d = 1;
                for (long x = mu; x != 1; x = x * mu % m)
                    ++d;
                jeOrdnung.emplace(d, mu);
            }
            for (const auto& [d, mu] : jeOrdnung) {
                const int n = m * d;
                if (n > b)
                    continue;
                const int bahnen = b / n, frei = b - bahnen * n;
                if (frei > maxFrei)
                    continue;
                GruppenWahl w{zyklischMitMultiplikator(v, m, fest, mu), bahnen, frei};
                // Each base block meets at most C(k, t) orbits of t-subsets, each free block at
                // most C(k, t) t-subsets: groups with too many (short) orbits cannot work.
                if (bahnenAnzahl(w.gruppe, t) > static_cast<long>(bahnen + frei) * binom.c[k][t])
                    continue;
                r.push_back(std::move(w));
            }
        }
    std::stable_sort(r.begin(), r.end(), [](const GruppenWahl& a, const GruppenWahl& c) {
        // Multipliers make short orbits of t-subsets that waste blocks: such groups come last.
        const bool ma = a.gruppe.name.find("Multiplikator") != std::string::npos;
        const bool mc = c.gruppe.name.find("Multiplikator") != std::string::npos;
        if (ma != mc)
            return mc;
        return a.frei != c.frei ? a.frei < c.frei : a.gruppe.elemente.size() > c.gruppe.elemente.size();
    });
    return r;
}

namespace {

class BahnSuche {
public:
    BahnSuche(const Aufgabe& a, const GruppenWahl& g, std::uint64_t seed)
        : m_a(a), m_g(g.gruppe), m_zufall(seed) {
        const long anzahl = binom.c[a.v][a.t];
        m_teilmenge.resize(static_cast<std::size_t>(anzahl));
        Maske m = (Maske{1} << a.t) - 1;
        for (long i = 0; i < anzahl; ++i, m = naechsteMaske(m))
            m_teilmenge[static_cast<std::size_t>(i)] = m;
        // Orbits of t-subsets.
        m_bahnVon.assign(static_cast<std::size_t>(anzahl), -1);
        for (long r = 0; r < anzahl; ++r) {
            if (m_bahnVon[static_cast<std::size_t>(r)] >= 0)
                continue;
            const int id = static_cast<int>(m_glieder.size());
            m_glieder.emplace_back();
            for (std::size_t e = 0; e < m_g.elemente.size(); ++e) {
                const int s = rang(bild(m_teilmenge[static_cast<std::size_t>(r)], e));
                if (m_bahnVon[static_cast<std::size_t>(s)] < 0) {
                    m_bahnVon[static_cast<std::size_t>(s)] = id;
                    m_glieder.back().push_back(s);
                }
            }
        }
        m_c.assign(m_glieder.size(), 0);
        m_f.assign(static_cast<std::size_t>(anzahl), 0);
        m_offen.stelle.assign(static_cast<std::size_t>(anzahl), -1);
        for (long r = 0; r < anzahl; ++r)
            m_offen.hinzu(static_cast<int>(r));
        m_basis.resize(static_cast<std::size_t>(g.bahnen));
        m_frei.resize(static_cast<std::size_t>(g.frei));
    }

    void setzen(const std::vector<Maske>& basis, const std::vector<Maske>& frei) {
        for (Maske b : m_basis)
            if (b != 0)
                basisZaehlen(b, -1);
        for (Maske b : m_frei)
            if (b != 0)
                freiZaehlen(b, -1);
        m_basis = basis;
        m_frei = frei;
        for (Maske b : m_basis)
            basisZaehlen(b, +1);
        for (Maske b : m_frei)
            freiZaehlen(b, +1);
    }

    void zufallsStart(const std::vector<Maske>& vorgabe) {
        std::vector<Maske> basis, frei;
        std::size_t i = 0;
        for (; basis.size() < m_basis.size(); ++i) {
            Maske b = i < vorgabe.size() ? vorgabe[i] : zufallsBlock();
            while (!volleBahn(b))
                b = zufallsBlock();
            basis.push_back(b);
        }
        for (; frei.size() < m_frei.size(); ++i)
            frei.push_back(i < vorgabe.size() ? vorgabe[i] : zufallsBlock());
        setzen(basis, frei);
    }

    long kosten() const { return static_cast<long>(m_offen.liste.size()); }
    const std::vector<Maske>& basis() const { return m_basis; }
    const std::vector<Maske>& frei() const { return m_frei; }

    std::vector<Maske> alleBloecke() const {
        std::vector<Maske> r;
        for (Maske b : m_basis)
            for (std::size_t e = 0; e < m_g.elemente.size(); ++e)
                r.push_back(bild(b, e));
        r.insert(r.end(), m_frei.begin(), m_frei.end());
        return r;
    }

    void zug(double temperatur) {
        const int rT = m_offen.liste[m_zufall.unter(static_cast<std::uint32_t>(m_offen.liste.size()))];
        const Maske T = m_teilmenge[static_cast<std::size_t>(rT)];
        const int ziel = m_a.t - 1;
        // A uniform choice among all (block, member of T's orbit) pairs that meet in t - 1 points.
        int gezaehlt = 0, wahl = -1;
        Maske wahlT = 0;
        for (std::size_t i = 0; i < m_frei.size(); ++i)
            if (std::popcount(m_frei[i] & T) == ziel &&
                m_zufall.unter(static_cast<std::uint32_t>(++gezaehlt)) == 0) {
                wahl = -1 - static_cast<int>(i);
                wahlT = T;
            }
        for (int s : m_glieder[static_cast<std::size_t>(m_bahnVon[static_cast<std::size_t>(rT)])]) {
            const Maske U = m_teilmenge[static_cast<std::size_t>(s)];
            for (std::size_t i = 0; i < m_basis.size(); ++i)
                if (std::popcount(m_basis[i] & U) == ziel &&
                    m_zufall.unter(static_cast<std::uint32_t>(++gezaehlt)) == 0) {
                    wahl = static_cast<int>(i);
                    wahlT = U;
                }
        }
        if (gezaehlt == 0)
            return;
        const bool frei = wahl < 0;
        Maske& B =
            frei ? m_frei[static_cast<std::size_t>(-1 - wahl)] : m_basis[static_cast<std::size_t>(wahl)];
        const Maske alt = B;
        const Maske y = wahlT & ~B;
        Maske rest = B & ~wahlT;
        for (int s = static_cast<int>(m_zufall.unter(static_cast<std::uint32_t>(std::popcount(rest)))); s > 0;
             --s)
            rest &= rest - 1;
        const Maske neu = (B & ~(rest & (~rest + 1))) | y;
        if (!frei && !volleBahn(neu))
            return;
        const long vorher = kosten();
        if (frei) {
            freiZaehlen(alt, -1);
            freiZaehlen(neu, +1);
        } else {
            basisZaehlen(alt, -1);
            basisZaehlen(neu, +1);
        }
        B = neu;
        const long delta = kosten() - vorher;
        const double skala = frei ? 1.0 : static_cast<double>(m_g.elemente.size());
        if (delta <= 0 || m_zufall.bruch() < std::exp(-static_cast<double>(delta) / (temperatur * skala)))
            return;
        if (frei) {
            freiZaehlen(neu, -1);
            freiZaehlen(alt, +1);
        } else {
            basisZaehlen(neu, -1);
            basisZaehlen(alt, +1);
        }
        B = alt;
    }

private:
    Maske bild(Maske b, std::size_t e) const {
        const auto& p = m_g.elemente[e];
        Maske r = 0;
        for (; b != 0; b &= b - 1)
            r |= Maske{1} << p[static_cast<std::size_t>(std::countr_zero(b))];
        return r;
    }
    // True when only the identity maps b onto itself, so that its orbit has |G| blocks.
    bool volleBahn(Maske b) const {
        for (std::size_t e = 1; e < m_g.elemente.size(); ++e)
            if (bild(b, e) == b)
                return false;
        return true;
    }
    Maske zufallsBlock() {
        Maske m = 0;
        while (std::popcount(m) < m_a.k)
            m |= Maske{1} << m_zufall.unter(static_cast<std::uint32_t>(m_a.v));
        return m;
    }
    template <class F> void teilmengenVon(Maske b, F&& f) const { teilmengenRaenge(b, m_a.t, f); }
    void basisZaehlen(Maske b, int richtung) {
        teilmengenVon(b, [&](int r) {
            const auto o = static_cast<std::size_t>(m_bahnVon[static_cast<std::size_t>(r)]);
            if (richtung > 0 && m_c[o]++ == 0) {
                for (int s : m_glieder[o])
                    if (m_f[static_cast<std::size_t>(s)] == 0)
                        m_offen.weg(s);
            } else if (richtung < 0 && --m_c[o] == 0) {
                for (int s : m_glieder[o])
                    if (m_f[static_cast<std::size_t>(s)] == 0)
                        m_offen.hinzu(s);
            }
        });
    }
    void freiZaehlen(Maske b, int richtung) {
        teilmengenVon(b, [&](int r) {
            const bool bahnDeckt = m_c[static_cast<std::size_t>(m_bahnVon[static_cast<std::size_t>(r)])] > 0;
            int& f = m_f[static_cast<std::size_t>(r)];
            if (richtung > 0 && f++ == 0 && !bahnDeckt)
                m_offen.weg(r);
            else if (richtung < 0 && --f == 0 && !bahnDeckt)
                m_offen.hinzu(r);
        });
    }

    Aufgabe m_a;
    const Gruppe& m_g;
    Zufall m_zufall;
    std::vector<Maske> m_teilmenge;
    std::vector<int> m_bahnVon;
    std::vector<std::vector<int>> m_glieder;
    std::vector<int> m_c; // per t-orbit: base-block t-subsets in it
    std::vector<int> m_f; // per t-subset: free blocks holding it
    OffeneMenge m_offen;
    std::vector<Maske> m_basis;
    std::vector<Maske> m_frei;
};

} // namespace

GluehErgebnis bahnenSuchen(const Aufgabe& a, const GruppenWahl& g, const GluehParameter& p) {
    GluehErgebnis e;
    if (g.bahnen * static_cast<int>(g.gruppe.elemente.size()) + g.frei != a.b || g.gruppe.v != a.v)
        return e;
    BahnSuche suche(a, g, p.seed);
    suche.zufallsStart({});
    std::vector<Maske> besteBasis = suche.basis(), besteFrei = suche.frei();
    long besteKosten = suche.kosten();
    std::uint64_t zuege = 0;
    int ohneFortschritt = 0;
    while (besteKosten > 0 && zuege < p.zuege) {
        const long vorher = besteKosten;
        for (std::uint64_t i = 0; i < p.zuegeJeStufe && zuege < p.zuege; ++i, ++zuege) {
            suche.zug(p.startTemperatur);
            if (suche.kosten() < besteKosten) {
                besteKosten = suche.kosten();
                besteBasis = suche.basis();
                besteFrei = suche.frei();
                if (besteKosten == 0)
                    break;
            }
        }
        ohneFortschritt = besteKosten < vorher ? 0 : ohneFortschritt + 1;
        if (ohneFortschritt >= p.stufenOhneFortschritt) {
            suche.setzen(besteBasis, besteFrei);
            ohneFortschritt = 0;
        }
    }
    suche.setzen(besteBasis, besteFrei);
    for (Maske m : suche.alleBloecke())
        e.reihen.push_back(m << 1);
    e.luecken = besteKosten;
    e.zuege = zuege;
    return e;
}

} // namespace kb::reihen
