#include "system_test.h"

#include "catalogue.h"

#include <algorithm>
#include <bit>

namespace kb {

std::int32_t KombiSumme(int n, int kmin, int kmax) {
    std::int64_t s = 0;
    for (int k = kmin; k <= kmax; ++k)
        s += std::max<std::int64_t>(0, Binomial(n, k));
    return static_cast<std::int32_t>(s);
}

std::int64_t Rechenoperationen(int tr, int n, int kmin, int kmax) {
    return static_cast<std::int64_t>(tr) * KombiSumme(n, kmin, kmax);
}

QString ProzentText(std::int64_t gesamt, std::int64_t anzahl, const QLocale& locale) {
    if (gesamt <= 0)
        return locale.toString(0.0, 'f', 2);
    return locale.toString(static_cast<double>(anzahl) / static_cast<double>(gesamt) * 100.0, 'f', 2);
}

int SystemTestKmin(int rg, int wz) {
    const int pool = wz + 6 - rg;
    return std::max(2, rg - (MaxZahl - pool));
}

SystemTestAuftrag SystemTestAuftragFuer(int position) {
    SystemTestAuftrag a;
    if (const TSysteme* s = SystemAn(position)) {
        a.RG = s->RG;
        a.WZ = s->WZ;
        a.reihen = SystemReihenMasken(position);
    }
    return a;
}

namespace {

constexpr int MaxK = 6;

// Progress is reported about every this many subsets; the stop flag is read as often.
constexpr std::int64_t Meldeschritt = 1 << 16;

struct Lauf {
    const std::atomic<bool>* stopp;
    const TestFortschritt& fortschritt;
    std::int64_t erledigt = 0;
    std::int64_t gemeldet = 0;

    bool weiter(std::int64_t dazu) {
        erledigt += dazu;
        if (erledigt - gemeldet >= Meldeschritt) {
            gemeldet = erledigt;
            if (fortschritt)
                fortschritt(erledigt);
            if (stopp && stopp->load(std::memory_order_relaxed))
                return false;
        }
        return true;
    }
};

bool gueltig(const SystemTestAuftrag& a) {
    return a.RG >= 1 && a.RG <= MaxK && a.WZ >= a.RG && a.WZ <= 63;
}

Trefferbild naivTesten(const SystemTestAuftrag& a, Lauf& lauf) {
    Trefferbild b;
    b.kmin = SystemTestKmin(a.RG, a.WZ);
    b.kmax = a.RG;
    const Zahlenmaske* reihen = a.reihen.data();
    const std::size_t anzahl = a.reihen.size();
    for (int k = b.kmin; k <= b.kmax; ++k) {
        auto& zeile = b.t[static_cast<std::size_t>(k)];
        std::int64_t seitMeldung = 0;
        bool gestoppt = false;
        KombinationenDurchlaufen(a.WZ, k, [&](Zahlenmaske s) {
            int best = 0;
            for (std::size_t i = 0; i < anzahl; ++i)
                best = std::max(best, std::popcount(s & reihen[i]));
            ++zeile[static_cast<std::size_t>(best)];
            if (++seitMeldung == 1024) {
                seitMeldung = 0;
                if (!lauf.weiter(1024)) {
                    gestoppt = true;
                    return false;
                }
            }
            return true;
        });
        if (gestoppt) {
            zeile = {};
            b.abgebrochen = true;
            return b;
        }
        lauf.weiter(seitMeldung);
        b.fertig[static_cast<std::size_t>(k)] = true;
    }
    return b;
}

// Subsets are numbered in lexicographic order, so all k-subsets that share their first k - 1
// elements (the "prefix") lie side by side, ordered by their last element. The best
// intersection of a k-subset S is k when S lies in a row, else the largest best value of its
// (k - 1)-subsets. For the k-subsets of one prefix T those (k - 1)-subsets are T itself and,
// for each element dropped from T, again a run of neighbours one level down: so level k is
// a maximum over k contiguous slices of level k - 1.
class RangTest {
public:
    explicit RangTest(const SystemTestAuftrag& a) : m_a(a), m_n(a.WZ) {
        // m_h[r][x] = sum of Binomial(n - v, r) for v = 1..x
        for (int r = 0; r <= MaxK; ++r) {
            m_h[r][0] = 0;
            for (int x = 1; x <= m_n; ++x)
                m_h[r][x] = m_h[r][x - 1] + Binomial(m_n - x, r);
        }
    }

    Trefferbild ausfuehren(Lauf& lauf) {
        Trefferbild b;
        b.kmin = SystemTestKmin(m_a.RG, m_a.WZ);
        b.kmax = m_a.RG;
        if (b.kmin > b.kmax)
            return b;
        std::vector<std::uint8_t> vorher(static_cast<std::size_t>(m_n), 0);
        Zahlenmaske alle = 0;
        for (Zahlenmaske r : m_a.reihen)
            alle |= r;
        for (int x = 1; x <= m_n; ++x)
            vorher[static_cast<std::size_t>(x - 1)] = (alle >> x) & 1u;
        for (int k = 2; k <= b.kmax; ++k) {
            std::vector<std::uint8_t> stufe = gedeckteMarkieren(k);
            auto& zeile = b.t[static_cast<std::size_t>(k)];
            if (!stufeBerechnen(k, vorher, stufe, k >= b.kmin ? &zeile : nullptr, lauf)) {
                zeile = {};
                b.abgebrochen = true;
                return b;
            }
            if (k >= b.kmin)
                b.fertig[static_cast<std::size_t>(k)] = true;
            vorher = std::move(stufe);
        }
        return b;
    }

private:
    // k at the lexicographic number of every k-subset that lies in a row, 0 elsewhere.
    std::vector<std::uint8_t> gedeckteMarkieren(int k) const {
        std::vector<std::uint8_t> stufe(static_cast<std::size_t>(Binomial(m_n, k)), 0);
        const Zahlenmaske erlaubt = ((Zahlenmaske{1} << m_n) - 1) << 1;
        for (const Zahlenmaske reihe : m_a.reihen) {
            const Zahlenmaske r = reihe & erlaubt;
            const int laenge = std::popcount(r);
            if (laenge < k)
                continue;
            int stellen[64];
            int z = 0;
            for (Zahlenmaske m = r; m != 0; m &= m - 1)
                stellen[z++] = std::countr_zero(m);
            KombinationenDurchlaufen(laenge, k, [&](Zahlenmaske wahl) {
                int s[MaxK + 1];
                int i = 0;
                s[0] = 0;
                for (Zahlenmaske w = wahl; w != 0; w &= w - 1)
                    s[++i] = stellen[std::countr_zero(w) - 1];
                std::int64_t rang = 0;
                for (int j = 1; j <= k; ++j)
                    rang += m_h[k - j][s[j] - 1] - m_h[k - j][s[j - 1]];
                stufe[static_cast<std::size_t>(rang)] = static_cast<std::uint8_t>(k);
                return true;
            });
        }
        return stufe;
    }

    bool stufeBerechnen(int k, const std::vector<std::uint8_t>& vorher, std::vector<std::uint8_t>& stufe,
                        std::array<std::int64_t, 7>* zaehler, Lauf& lauf) const {
        const int p = k - 1; // prefix length
        int t[MaxK + 1];
        t[0] = 0;
        for (int i = 1; i <= p; ++i)
            t[i] = i;
        const std::uint8_t* unten = vorher.data();
        std::uint8_t* aus = stufe.data();
        std::int64_t idx = 0; // number of the prefix among the (k - 1)-subsets
        std::int64_t o = 0;   // number of the first k-subset of this prefix
        std::int64_t seitMeldung = 0;
        std::array<std::int64_t, 8> hist{};
        const std::uint8_t* quellen[MaxK];
        for (;;) {
            const int laenge = m_n - t[p];
            if (laenge > 0) {
                // P: level k - 1 terms of T from the left; Q: level k terms from the right.
                std::int64_t P[MaxK + 1];
                std::int64_t Q[MaxK + 2];
                P[0] = 0;
                for (int i = 1; i <= p; ++i)
                    P[i] = P[i - 1] + m_h[p - i][t[i] - 1] - m_h[p - i][t[i - 1]];
                Q[p + 1] = 0;
                for (int i = p; i >= 1; --i)
                    Q[i] = Q[i + 1] + m_h[k - i][t[i] - 1] - m_h[k - i][t[i - 1]];
                int z = 0;
                for (int j = 1; j <= p - 1; ++j) {
                    const std::int64_t basis =
                        P[j - 1] + m_h[p - j][t[j + 1] - 1] - m_h[p - j][t[j - 1]] + Q[j + 2];
                    quellen[z++] = unten + basis;
                }
                quellen[z++] = unten + P[p - 1] + (t[p] - t[p - 1]);
                const std::uint8_t eigen = unten[idx];
                std::uint8_t* ziel = aus + o;
                switch (z) {
                case 1:
                    laufen<1>(ziel, laenge, eigen, quellen);
                    break;
                case 2:
                    laufen<2>(ziel, laenge, eigen, quellen);
                    break;
                case 3:
                    laufen<3>(ziel, laenge, eigen, quellen);
                    break;
                case 4:
                    laufen<4>(ziel, laenge, eigen, quellen);
                    break;
                default:
                    laufen<5>(ziel, laenge, eigen, quellen);
                    break;
                }
                if (zaehler) {
                    for (int i = 0; i < laenge; ++i)
                        ++hist[ziel[i]];
                    seitMeldung += laenge;
                    if (seitMeldung >= 4096) {
                        if (!lauf.weiter(seitMeldung))
                            return false;
                        seitMeldung = 0;
                    }
                }
                o += laenge;
            }
            ++idx;
            int i = p;
            while (i >= 1 && t[i] == m_n - p + i)
                --i;
            if (i < 1)
                break;
            ++t[i];
            for (int j = i + 1; j <= p; ++j)
                t[j] = t[j - 1] + 1;
        }
        if (zaehler) {
            lauf.weiter(seitMeldung);
            for (int m = 0; m <= k; ++m)
                (*zaehler)[static_cast<std::size_t>(m)] = hist[static_cast<std::size_t>(m)];
        }
        return true;
    }

    template <int Z>
    static void laufen(std::uint8_t* __restrict ziel, int laenge, std::uint8_t eigen,
                       const std::uint8_t* const* quellen) {
        const std::uint8_t* q[Z];
        for (int j = 0; j < Z; ++j)
            q[j] = quellen[j];
        for (int i = 0; i < laenge; ++i) {
            std::uint8_t v = std::max(ziel[i], eigen);
            for (int j = 0; j < Z; ++j)
                v = std::max(v, q[j][i]);
            ziel[i] = v;
        }
    }

    const SystemTestAuftrag& m_a;
    int m_n;
    std::int64_t m_h[MaxK + 1][64]{};
};

} // namespace

G2Tabelle G2Fuellen() {
    G2Tabelle g{};
    g[0][1] = QStringLiteral("Kombinationen");
    for (int j = 1; j <= 6; ++j)
        g[0][static_cast<std::size_t>(j + 1)] = QStringLiteral("%1 Richtige").arg(j);
    for (int k = 2; k <= 6; ++k) {
        g[static_cast<std::size_t>(2 * k - 3)][0] = QStringLiteral("%1 Treffer").arg(k);
        g[static_cast<std::size_t>(2 * k - 2)][0] = QStringLiteral("      in %");
    }
    return g;
}

void TrefferbildEintragen(G2Tabelle& g, const Trefferbild& b, int wz, const QLocale& locale) {
    for (std::size_t z = 1; z < g.size(); ++z)
        for (std::size_t s = 1; s < g[z].size(); ++s)
            g[z][s].clear();
    for (int k = std::max(b.kmin, 2); k <= std::min(b.kmax, 6); ++k) {
        const auto zAnz = static_cast<std::size_t>(2 * k - 3);
        const auto zPro = zAnz + 1;
        const std::int64_t gesamt = Binomial(wz, k);
        const bool fertig = b.fertig[static_cast<std::size_t>(k)];
        if (!fertig && !b.abgebrochen)
            continue;
        g[zAnz][1] = locale.toString(static_cast<qlonglong>(gesamt));
        if (!fertig)
            break; // the level the run was stopped in
        for (int m = 1; m <= k; ++m) {
            const std::int64_t n = b.t[static_cast<std::size_t>(k)][static_cast<std::size_t>(m)];
            const auto s = static_cast<std::size_t>(m + 1);
            g[zAnz][s] = n >= 1 ? locale.toString(static_cast<qlonglong>(n)) : QStringLiteral("---");
            g[zPro][s] = n >= 1 ? ProzentText(gesamt, n, locale) : QStringLiteral("---");
        }
    }
}

G2Farbe G2ZellFarbe(const G2Tabelle& g, int spalte, int zeile) {
    if (zeile <= 0 || spalte <= 0 || zeile >= static_cast<int>(g.size()) || spalte >= 8)
        return G2Farbe::Fest;
    const QString& text = g[static_cast<std::size_t>(zeile)][static_cast<std::size_t>(spalte)];
    if (zeile % 2 == 0)
        return text == QStringLiteral("100,00") || text == QStringLiteral("100.00") ? G2Farbe::Gruen
                                                                                    : G2Farbe::Orange;
    const QString& gesamt = g[static_cast<std::size_t>(zeile)][1];
    return spalte > 1 && !text.isEmpty() && text == gesamt ? G2Farbe::Gruen : G2Farbe::Weiss;
}

TestVerfahren SystemTestVerfahrenWahl(const SystemTestAuftrag& a) {
    const int kmin = SystemTestKmin(a.RG, a.WZ);
    // Per subset the plain method costs one popcount per row; the rank method a few byte
    // operations per (k - 1)-subset it reads, over every level from 2 up.
    const double naiv = static_cast<double>(a.reihen.size()) * KombiSumme(a.WZ, kmin, a.RG);
    double rang = 0;
    for (int k = 2; k <= a.RG; ++k)
        rang += static_cast<double>(Binomial(a.WZ, k)) * (k + 3);
    return naiv <= rang ? TestVerfahren::Naiv : TestVerfahren::Rang;
}

Trefferbild SystemTesten(const SystemTestAuftrag& auftrag, const std::atomic<bool>* stopp,
                         const TestFortschritt& fortschritt, TestVerfahren verfahren) {
    Lauf lauf{stopp, fortschritt};
    if (!gueltig(auftrag)) {
        Trefferbild b;
        b.kmax = 0;
        return b;
    }
    if (verfahren == TestVerfahren::Automatisch)
        verfahren = SystemTestVerfahrenWahl(auftrag);
    Trefferbild b =
        verfahren == TestVerfahren::Naiv ? naivTesten(auftrag, lauf) : RangTest(auftrag).ausfuehren(lauf);
    if (fortschritt && !b.abgebrochen)
        fortschritt(lauf.erledigt);
    return b;
}

} // namespace kb
