#include "annealer.h"
#include "open_set.h"
#include "subsets.h"

#include <cmath>

namespace kb::reihen {

namespace {

// Annealing over designs that a cyclic group of order m maps onto themselves, apart from a few
// free blocks: the group shifts the points 0..c*m-1 in c orbits (point j*m + r to j*m + (r+1) mod m)
// and fixes the others. A move changes a base block and with it its whole orbit, so the search
// space shrinks by the factor m while the structure of many record coverings is kept.
class SymmetrischeSuche {
public:
    SymmetrischeSuche(const Aufgabe& a, const Symmetrie& s, std::uint64_t seed)
        : m_a(a), m_s(s), m_zufall(seed), m_bahnen((a.b - s.frei) / s.m) {
        const int bewegt = a.v - s.fest;
        m_bild.assign(static_cast<std::size_t>(s.m * a.v), 0);
        for (int g = 0; g < s.m; ++g)
            for (int x = 0; x < a.v; ++x)
                m_bild[static_cast<std::size_t>(g * a.v + x)] =
                    x < bewegt ? (x / s.m) * s.m + (x % s.m + g) % s.m : x;
        const long anzahl = binom.c[a.v][a.t];
        m_zaehler.assign(static_cast<std::size_t>(anzahl), 0);
        m_offen.stelle.assign(static_cast<std::size_t>(anzahl), -1);
        m_teilmenge.resize(static_cast<std::size_t>(anzahl));
        Maske m = (Maske{1} << a.t) - 1;
        for (long i = 0; i < anzahl; ++i, m = naechsteMaske(m))
            m_teilmenge[static_cast<std::size_t>(i)] = m;
        // Random base blocks, developed; then the free blocks.
        for (int o = 0; o < m_bahnen; ++o) {
            const Maske basis = zufallsBlock();
            for (int g = 0; g < s.m; ++g)
                m_bloecke.push_back(verschieben(basis, g));
        }
        for (int i = 0; i < s.frei; ++i)
            m_bloecke.push_back(zufallsBlock());
        for (std::size_t r = 0; r < m_zaehler.size(); ++r)
            m_offen.hinzu(static_cast<int>(r));
        for (Maske b : m_bloecke)
            teilmengen(b, +1);
    }

    long kosten() const { return static_cast<long>(m_offen.liste.size()); }
    const std::vector<Maske>& bloecke() const { return m_bloecke; }

    void setzen(const std::vector<Maske>& bloecke) {
        for (Maske b : m_bloecke)
            teilmengen(b, -1);
        m_bloecke = bloecke;
        for (Maske b : m_bloecke)
            teilmengen(b, +1);
    }

    void zug(double temperatur) {
        const Maske T = m_teilmenge[static_cast<std::size_t>(
            m_offen.liste[m_zufall.unter(static_cast<std::uint32_t>(m_offen.liste.size()))])];
        int kandidaten[2048];
        int n = 0;
        for (int i = 0; i < m_a.b && n < 2048; ++i)
            if (std::popcount(m_bloecke[static_cast<std::size_t>(i)] & T) == m_a.t - 1)
                kandidaten[n++] = i;
        if (n == 0)
            return;
        const int bi = kandidaten[m_zufall.unter(static_cast<std::uint32_t>(n))];
        const Maske B = m_bloecke[static_cast<std::size_t>(bi)];
        const int y = std::countr_zero(T & ~B);
        Maske rest = B & ~T;
        for (int s = static_cast<int>(m_zufall.unter(static_cast<std::uint32_t>(std::popcount(rest)))); s > 0;
             --s)
            rest &= rest - 1;
        const int x = std::countr_zero(rest);

        const long vorher = kosten();
        const int bahnBloecke = m_bahnen * m_s.m;
        if (bi >= bahnBloecke) {
            tauschen(bi, x, y);
        } else {
            // The same exchange in every block of the orbit, moved along by the group.
            const int bahn = bi / m_s.m, g = bi % m_s.m;
            for (int h = 0; h < m_s.m; ++h) {
                const int d = (h - g + m_s.m) % m_s.m;
                tauschen(bahn * m_s.m + h, bildVon(x, d), bildVon(y, d));
            }
        }
        // An orbit move changes m blocks at once; its cost steps scale with m.
        const long delta = kosten() - vorher;
        const double skala = bi >= bahnBloecke ? 1.0 : static_cast<double>(m_s.m);
        if (delta <= 0 || m_zufall.bruch() < std::exp(-static_cast<double>(delta) / (temperatur * skala)))
            return;
        if (bi >= bahnBloecke) {
            tauschen(bi, y, x);
        } else {
            const int bahn = bi / m_s.m, g = bi % m_s.m;
            for (int h = m_s.m - 1; h >= 0; --h) {
                const int d = (h - g + m_s.m) % m_s.m;
                tauschen(bahn * m_s.m + h, bildVon(y, d), bildVon(x, d));
            }
        }
    }

private:
    int bildVon(int x, int g) const { return m_bild[static_cast<std::size_t>(g * m_a.v + x)]; }
    Maske verschieben(Maske b, int g) const {
        Maske r = 0;
        for (; b != 0; b &= b - 1)
            r |= Maske{1} << bildVon(std::countr_zero(b), g);
        return r;
    }
    Maske zufallsBlock() {
        Maske m = 0;
        while (std::popcount(m) < m_a.k)
            m |= Maske{1} << m_zufall.unter(static_cast<std::uint32_t>(m_a.v));
        return m;
    }
    // Exchanges point x of block i for y (not in it), keeping the counts.
    void tauschen(int i, int x, int y) {
        Maske& b = m_bloecke[static_cast<std::size_t>(i)];
        const Maske bx = Maske{1} << x, by = Maske{1} << y;
        const Maske bleibt = b & ~bx;
        int p[8], k = 0;
        for (Maske m = bleibt; m != 0; m &= m - 1)
            p[k++] = std::countr_zero(m);
        const int t1 = m_a.t - 1;
        for (Maske w = (Maske{1} << t1) - 1; w < (Maske{1} << k);) {
            Maske s = 0;
            for (Maske z = w; z != 0; z &= z - 1)
                s |= Maske{1} << p[std::countr_zero(z)];
            zaehlen(rang(s | bx), -1);
            zaehlen(rang(s | by), +1);
            if (w == 0)
                break;
            w = naechsteMaske(w);
        }
        b = bleibt | by;
    }
    void teilmengen(Maske b, int richtung) {
        teilmengenRaenge(b, m_a.t, [&](int r) { zaehlen(r, richtung); });
    }
    void zaehlen(int r, int richtung) {
        int& z = m_zaehler[static_cast<std::size_t>(r)];
        if (richtung > 0 && z++ == 0)
            m_offen.weg(r);
        else if (richtung < 0 && --z == 0)
            m_offen.hinzu(r);
    }

    Aufgabe m_a;
    Symmetrie m_s;
    Zufall m_zufall;
    int m_bahnen;
    std::vector<int> m_bild;
    std::vector<Maske> m_bloecke;
    std::vector<int> m_zaehler;
    OffeneMenge m_offen;
    std::vector<Maske> m_teilmenge;
};

} // namespace

bool symmetriePasst(const Aufgabe& a, const Symmetrie& s) {
    return s.m >= 2 && s.fest >= 0 && s.frei >= 0 && s.fest < a.v && (a.v - s.fest) % s.m == 0 &&
           s.frei <= a.b && (a.b - s.frei) % s.m == 0;
}

GluehErgebnis symmetrischSuchen(const Aufgabe& a, const Symmetrie& s, const GluehParameter& p) {
    GluehErgebnis e;
    if (!symmetriePasst(a, s))
        return e;
    SymmetrischeSuche suche(a, s, p.seed);
    std::vector<Maske> bester = suche.bloecke();
    long besteKosten = suche.kosten();
    std::uint64_t zuege = 0;
    int ohneFortschritt = 0;
    while (besteKosten > 0 && zuege < p.zuege) {
        const long vorher = besteKosten;
        for (std::uint64_t i = 0; i < p.zuegeJeStufe && zuege < p.zuege; ++i, ++zuege) {
            suche.zug(p.startTemperatur);
            if (suche.kosten() < besteKosten) {
                besteKosten = suche.kosten();
                bester = suche.bloecke();
                if (besteKosten == 0)
                    break;
            }
        }
        ohneFortschritt = besteKosten < vorher ? 0 : ohneFortschritt + 1;
        if (ohneFortschritt >= p.stufenOhneFortschritt) {
            suche.setzen(bester);
            ohneFortschritt = 0;
        }
    }
    for (Maske m : bester)
        e.reihen.push_back(m << 1);
    e.luecken = besteKosten;
    e.zuege = zuege;
    return e;
}

} // namespace kb::reihen
