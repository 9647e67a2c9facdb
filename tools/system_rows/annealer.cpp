#include "annealer.h"
#include "open_set.h"

#include "subsets.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace kb::reihen {

namespace {

class Suche {
public:
    Suche(const Aufgabe& a, std::uint64_t seed, int fest = 0) : m_a(a), m_zufall(seed), m_fest(fest) {
        const long anzahl = binom.c[a.v][a.t];
        m_zaehler.assign(static_cast<std::size_t>(anzahl), 0);
        m_offen.stelle.assign(static_cast<std::size_t>(anzahl), -1);
        m_teilmenge.resize(static_cast<std::size_t>(anzahl));
        // The t-subsets by rank, for drawing an uncovered one.
        Maske m = (Maske{1} << a.t) - 1;
        for (long i = 0; i < anzahl; ++i) {
            m_teilmenge[static_cast<std::size_t>(rang(m))] = m;
            const Maske u = m & (~m + 1), w = m + u; // next mask with t bits (colex order)
            m = w | (((w ^ m) >> 2) / u);
        }
        // Index patterns of the (t-1)-subsets of the k-1 points a block keeps in a move.
        if (a.t >= 1) {
            for (Maske w = (Maske{1} << (a.t - 1)) - 1; w < (Maske{1} << (a.k - 1));) {
                m_muster.push_back(w);
                if (w == 0)
                    break;
                const Maske u = w & (~w + 1), x = w + u;
                w = x | (((x ^ w) >> 2) / u);
            }
        }
    }

    void setzen(const std::vector<Maske>& bloecke) {
        std::fill(m_zaehler.begin(), m_zaehler.end(), 0);
        m_offen.liste.clear();
        std::fill(m_offen.stelle.begin(), m_offen.stelle.end(), -1);
        m_bloecke = bloecke;
        for (Maske b : m_bloecke)
            teilmengenVon(b, [this](int r) { ++m_zaehler[static_cast<std::size_t>(r)]; });
        for (std::size_t r = 0; r < m_zaehler.size(); ++r)
            if (m_zaehler[r] == 0)
                m_offen.hinzu(static_cast<int>(r));
    }

    std::vector<Maske> zufallsBloecke(const std::vector<Maske>& vorgabe) {
        std::vector<Maske> b = vorgabe;
        b.resize(std::min<std::size_t>(b.size(), static_cast<std::size_t>(m_a.b)));
        while (static_cast<int>(b.size()) < m_a.b) {
            Maske m = 0;
            while (std::popcount(m) < m_a.k)
                m |= Maske{1} << m_zufall.unter(static_cast<std::uint32_t>(m_a.v));
            b.push_back(m);
        }
        return b;
    }

    long kosten() const { return static_cast<long>(m_offen.liste.size()); }
    const std::vector<Maske>& bloecke() const { return m_bloecke; }

    // One attempted move at the given acceptance thresholds (index: cost increase).
    void zug(const std::vector<double>& annahme) {
        const Maske T = m_teilmenge[static_cast<std::size_t>(
            m_offen.liste[m_zufall.unter(static_cast<std::uint32_t>(m_offen.liste.size()))])];
        int kandidaten[1024];
        int n = 0;
        const int ziel = m_a.t - 1;
        for (int i = m_fest; i < m_a.b && n < 1024; ++i)
            if (std::popcount(m_bloecke[static_cast<std::size_t>(i)] & T) == ziel)
                kandidaten[n++] = i;
        if (n == 0)
            return;
        const int bi = kandidaten[m_zufall.unter(static_cast<std::uint32_t>(n))];
        const Maske B = m_bloecke[static_cast<std::size_t>(bi)];
        const Maske y = T & ~B;
        Maske rest = B & ~T;
        for (int s = static_cast<int>(m_zufall.unter(static_cast<std::uint32_t>(std::popcount(rest)))); s > 0;
             --s)
            rest &= rest - 1;
        const Maske x = rest & (~rest + 1);

        // The points B keeps, for the (t-1)-subsets through x and through y.
        int bleibt[8];
        int nb = 0;
        for (Maske m = B & ~x; m != 0; m &= m - 1)
            bleibt[nb++] = std::countr_zero(m);
        int raus[40], rein[40];
        int verlust = 0, gewinn = 0;
        for (std::size_t i = 0; i < m_muster.size(); ++i) {
            Maske s = 0;
            for (Maske w = m_muster[i]; w != 0; w &= w - 1)
                s |= Maske{1} << bleibt[std::countr_zero(w)];
            raus[i] = rang(s | x);
            rein[i] = rang(s | y);
            verlust += m_zaehler[static_cast<std::size_t>(raus[i])] == 1;
            gewinn += m_zaehler[static_cast<std::size_t>(rein[i])] == 0;
        }
        const int delta = verlust - gewinn;
        if (delta > 0) {
            if (static_cast<std::size_t>(delta) >= annahme.size() ||
                m_zufall.bruch() >= annahme[static_cast<std::size_t>(delta)])
                return;
        }
        for (std::size_t i = 0; i < m_muster.size(); ++i) {
            if (--m_zaehler[static_cast<std::size_t>(raus[i])] == 0)
                m_offen.hinzu(raus[i]);
            if (m_zaehler[static_cast<std::size_t>(rein[i])]++ == 0)
                m_offen.weg(rein[i]);
        }
        m_bloecke[static_cast<std::size_t>(bi)] = (B & ~x) | y;
    }

private:
    template <class F> void teilmengenVon(Maske b, F&& f) {
        int p[64], k = 0;
        for (Maske m = b; m != 0; m &= m - 1)
            p[k++] = std::countr_zero(m);
        if (k < m_a.t)
            return;
        for (Maske w = (Maske{1} << m_a.t) - 1; w < (Maske{1} << k);) {
            Maske s = 0;
            for (Maske z = w; z != 0; z &= z - 1)
                s |= Maske{1} << p[std::countr_zero(z)];
            f(rang(s));
            const Maske u = w & (~w + 1), x = w + u;
            w = x | (((x ^ w) >> 2) / u);
        }
    }

    Aufgabe m_a;
    Zufall m_zufall;
    int m_fest = 0;
    std::vector<Maske> m_bloecke;
    std::vector<int> m_zaehler;
    OffeneMenge m_offen;
    std::vector<Maske> m_teilmenge;
    std::vector<Maske> m_muster;
};

// Weighted local search: every uncovered t-subset gains weight each step, so subsets that stay
// uncovered pull the search towards them; the move covering a random uncovered subset is chosen
// by the best weighted gain, ties by the block left alone longest.
class GewichteteSuche {
public:
    GewichteteSuche(const Aufgabe& a, std::uint64_t seed) : m_a(a), m_zufall(seed) {
        const long anzahl = binom.c[a.v][a.t];
        m_zaehler.assign(static_cast<std::size_t>(anzahl), 0);
        m_gewicht.assign(static_cast<std::size_t>(anzahl), 1);
        m_offen.stelle.assign(static_cast<std::size_t>(anzahl), -1);
        m_teilmenge.resize(static_cast<std::size_t>(anzahl));
        Maske m = (Maske{1} << a.t) - 1;
        for (long i = 0; i < anzahl; ++i) {
            m_teilmenge[static_cast<std::size_t>(i)] = m;
            const Maske u = m & (~m + 1), w = m + u;
            m = w | (((w ^ m) >> 2) / u);
        }
        for (Maske w = (Maske{1} << (a.t - 1)) - 1; w < (Maske{1} << (a.k - 1));) {
            m_muster.push_back(w);
            if (w == 0)
                break;
            const Maske u = w & (~w + 1), x = w + u;
            w = x | (((x ^ w) >> 2) / u);
        }
    }

    void setzen(const std::vector<Maske>& bloecke) {
        std::fill(m_zaehler.begin(), m_zaehler.end(), 0);
        m_offen.liste.clear();
        std::fill(m_offen.stelle.begin(), m_offen.stelle.end(), -1);
        m_bloecke = bloecke;
        m_zeit.assign(m_bloecke.size(), 0);
        for (Maske b : m_bloecke) {
            int p[64], k = 0;
            for (Maske m = b; m != 0; m &= m - 1)
                p[k++] = std::countr_zero(m);
            for (Maske w = (Maske{1} << m_a.t) - 1; w < (Maske{1} << k);) {
                Maske s = 0;
                for (Maske z = w; z != 0; z &= z - 1)
                    s |= Maske{1} << p[std::countr_zero(z)];
                ++m_zaehler[static_cast<std::size_t>(rang(s))];
                const Maske u = w & (~w + 1), x = w + u;
                w = x | (((x ^ w) >> 2) / u);
            }
        }
        for (std::size_t r = 0; r < m_zaehler.size(); ++r)
            if (m_zaehler[r] == 0)
                m_offen.hinzu(static_cast<int>(r));
    }

    long kosten() const { return static_cast<long>(m_offen.liste.size()); }
    const std::vector<Maske>& bloecke() const { return m_bloecke; }

    void schritt(std::uint64_t jetzt) {
        const Maske T = m_teilmenge[static_cast<std::size_t>(
            m_offen.liste[m_zufall.unter(static_cast<std::uint32_t>(m_offen.liste.size()))])];
        long besterWert = 0;
        int besterBlock = -1;
        Maske besterPunkt = 0;
        std::uint64_t besteZeit = 0;
        int gleich = 0;
        const int ziel = m_a.t - 1;
        for (int bi = 0; bi < m_a.b; ++bi) {
            const Maske B = m_bloecke[static_cast<std::size_t>(bi)];
            if (std::popcount(B & T) != ziel || bi == m_letzterBlock)
                continue;
            const Maske y = T & ~B;
            for (Maske rest = B & ~T; rest != 0; rest &= rest - 1) {
                const Maske x = rest & (~rest + 1);
                int bleibt[8], nb = 0;
                for (Maske m = B & ~x; m != 0; m &= m - 1)
                    bleibt[nb++] = std::countr_zero(m);
                long wert = 0;
                for (Maske muster : m_muster) {
                    Maske s = 0;
                    for (Maske w = muster; w != 0; w &= w - 1)
                        s |= Maske{1} << bleibt[std::countr_zero(w)];
                    const auto rx = static_cast<std::size_t>(rang(s | x));
                    const auto ry = static_cast<std::size_t>(rang(s | y));
                    if (m_zaehler[rx] == 1)
                        wert -= m_gewicht[rx];
                    if (m_zaehler[ry] == 0)
                        wert += m_gewicht[ry];
                }
                const std::uint64_t zeit = m_zeit[static_cast<std::size_t>(bi)];
                if (besterBlock < 0 || wert > besterWert || (wert == besterWert && zeit < besteZeit)) {
                    besterWert = wert;
                    besterBlock = bi;
                    besterPunkt = x;
                    besteZeit = zeit;
                    gleich = 1;
                } else if (wert == besterWert && zeit == besteZeit &&
                           m_zufall.unter(static_cast<std::uint32_t>(++gleich)) == 0) {
                    besterBlock = bi;
                    besterPunkt = x;
                }
            }
        }
        if (besterBlock >= 0)
            anwenden(besterBlock, besterPunkt, T & ~m_bloecke[static_cast<std::size_t>(besterBlock)], jetzt);
        for (int r : m_offen.liste)
            ++m_gewicht[static_cast<std::size_t>(r)];
    }

private:
    void anwenden(int bi, Maske x, Maske y, std::uint64_t jetzt) {
        const Maske B = m_bloecke[static_cast<std::size_t>(bi)];
        int bleibt[8], nb = 0;
        for (Maske m = B & ~x; m != 0; m &= m - 1)
            bleibt[nb++] = std::countr_zero(m);
        for (Maske muster : m_muster) {
            Maske s = 0;
            for (Maske w = muster; w != 0; w &= w - 1)
                s |= Maske{1} << bleibt[std::countr_zero(w)];
            const int rx = rang(s | x), ry = rang(s | y);
            if (--m_zaehler[static_cast<std::size_t>(rx)] == 0)
                m_offen.hinzu(rx);
            if (m_zaehler[static_cast<std::size_t>(ry)]++ == 0)
                m_offen.weg(ry);
        }
        m_bloecke[static_cast<std::size_t>(bi)] = (B & ~x) | y;
        m_zeit[static_cast<std::size_t>(bi)] = jetzt;
        m_letzterBlock = bi;
    }

    Aufgabe m_a;
    Zufall m_zufall;
    std::vector<Maske> m_bloecke;
    std::vector<std::uint64_t> m_zeit;
    int m_letzterBlock = -1;
    std::vector<int> m_zaehler;
    std::vector<long> m_gewicht;
    OffeneMenge m_offen;
    std::vector<Maske> m_teilmenge;
    std::vector<Maske> m_muster;
};

} // namespace

GluehErgebnis ausgluehen(const Aufgabe& a, const std::vector<Maske>& start, const GluehParameter& p) {
    Suche s(a, p.seed, p.festeBloecke);
    std::vector<Maske> vorgabe;
    for (Maske m : start)
        vorgabe.push_back(m >> 1); // the search counts points from 0
    s.setzen(s.zufallsBloecke(vorgabe));

    std::vector<Maske> bester = s.bloecke();
    long besteKosten = s.kosten();
    const std::uint64_t jeStufe = p.zuegeJeStufe != 0
                                      ? p.zuegeJeStufe
                                      : static_cast<std::uint64_t>(a.b) * static_cast<std::uint64_t>(a.k) * 4;
    double temperatur = p.startTemperatur;
    std::vector<double> annahme(64);
    int ohneFortschritt = 0;
    std::uint64_t zuege = 0;
    while (besteKosten > 0 && zuege < p.zuege) {
        for (std::size_t d = 0; d < annahme.size(); ++d)
            annahme[d] = d == 0 ? 1.0 : std::exp(-static_cast<double>(d) / temperatur);
        const long vorher = besteKosten;
        for (std::uint64_t i = 0; i < jeStufe && zuege < p.zuege; ++i, ++zuege) {
            s.zug(annahme);
            if (s.kosten() < besteKosten) {
                besteKosten = s.kosten();
                bester = s.bloecke();
                if (besteKosten == 0)
                    break;
            }
        }
        temperatur *= p.kuehlFaktor;
        ohneFortschritt = besteKosten < vorher ? 0 : ohneFortschritt + 1;
        if (ohneFortschritt >= p.stufenOhneFortschritt) {
            // Frozen: go on from the best state, heated up again.
            s.setzen(bester);
            temperatur = p.startTemperatur;
            ohneFortschritt = 0;
        }
    }

    GluehErgebnis e;
    for (Maske m : bester)
        e.reihen.push_back(m << 1);
    e.luecken = besteKosten;
    e.zuege = zuege;
    return e;
}

} // namespace kb::reihen

namespace kb::reihen {

GluehErgebnis gewichtetSuchen(const Aufgabe& a, const std::vector<Maske>& start, const GluehParameter& p) {
    Suche zufall(a, p.seed ^ 0x5bd1e995u);
    std::vector<Maske> vorgabe;
    for (Maske m : start)
        vorgabe.push_back(m >> 1);
    GewichteteSuche s(a, p.seed);
    s.setzen(zufall.zufallsBloecke(vorgabe));
    std::vector<Maske> bester = s.bloecke();
    long besteKosten = s.kosten();
    std::uint64_t schritte = 0;
    while (besteKosten > 0 && schritte < p.zuege) {
        s.schritt(++schritte);
        if (s.kosten() < besteKosten) {
            besteKosten = s.kosten();
            bester = s.bloecke();
        }
    }
    GluehErgebnis e;
    for (Maske m : bester)
        e.reihen.push_back(m << 1);
    e.luecken = besteKosten;
    e.zuege = schritte;
    return e;
}

} // namespace kb::reihen
