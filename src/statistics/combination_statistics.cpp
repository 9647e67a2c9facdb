#include "combination_statistics.h"

#include "systems/combinatorics.h"

#include <algorithm>
#include <bit>

namespace kb {

namespace {
constexpr std::uint64_t Lottozahlen = ((std::uint64_t{1} << (MaxZahl + 1)) - 1) & ~std::uint64_t{1};
} // namespace

KombiTabelle::KombiTabelle(int groesse) : m_groesse(std::clamp(groesse, 2, 4)) {
    m_masken = KombinationenBilden(MaxZahl, m_groesse);
    const int k = m_groesse;
    // vorher[i][c]: entries skipped when place i holds c instead of 1, with the places before it
    // fixed (a prefix sum of binomials); the rank is the sum over the places of
    // vorher[i][c_i] - vorher[i][c_(i-1) + 1], regrouped here into one term per place.
    std::array<std::array<int, MaxZahl + 3>, 5> vorher{};
    for (int i = 0; i < k; ++i)
        for (int c = 2; c <= MaxZahl + 2; ++c)
            vorher[static_cast<std::size_t>(i)][static_cast<std::size_t>(c)] =
                vorher[static_cast<std::size_t>(i)][static_cast<std::size_t>(c - 1)] +
                static_cast<int>(std::max<std::int64_t>(Binomial(MaxZahl - (c - 1), k - 1 - i), 0));
    for (int i = 0; i < k; ++i)
        for (int c = 1; c <= MaxZahl; ++c)
            m_anteil[static_cast<std::size_t>(i)][static_cast<std::size_t>(c)] =
                vorher[static_cast<std::size_t>(i)][static_cast<std::size_t>(c)] -
                vorher[static_cast<std::size_t>(i + 1)][static_cast<std::size_t>(c + 1)];
}

int KombiTabelle::rang(const int* zahlen) const {
    int r = 0;
    for (int i = 0; i < m_groesse; ++i)
        r += m_anteil[static_cast<std::size_t>(i)][static_cast<std::size_t>(zahlen[i])];
    return r;
}

QString KombiTabelle::text(int index) const {
    QString t;
    for (std::uint64_t b = maske(index); b != 0; b &= b - 1) {
        if (!t.isEmpty())
            t += QLatin1Char(',');
        t += QString::number(std::countr_zero(b));
    }
    return t;
}

const KombiTabelle& KombiTabelleFuer(int groesse) {
    static const KombiTabelle paare(2);
    static const KombiTabelle dreier(3);
    static const KombiTabelle vierer(4);
    return groesse <= 2 ? paare : groesse == 3 ? dreier : vierer;
}

std::vector<std::uint32_t> KombinationenZaehlen(const KombiTabelle& tabelle,
                                                const QVector<ZahlenMenge>& mengen, int von, int bis) {
    std::vector<std::uint32_t> anzahl(static_cast<std::size_t>(tabelle.anzahl()), 0);
    von = std::max(von, 0);
    bis = std::min<int>(bis, static_cast<int>(mengen.size()) - 1);
    const int s = tabelle.groesse();
    // The rank is a sum of one term per place, so nested loops over the draw's numbers add
    // one term per level and reach every subset's rank with a single addition.
    const auto& w = tabelle.rangAnteile();
    std::uint32_t* a = anzahl.data();
    int z[MaxZahl];
    for (int d = von; d <= bis; ++d) {
        // A broken record may hold fewer numbers; only what the draw holds can be contained.
        int n = 0;
        for (std::uint64_t b = mengen[d].maske64() & Lottozahlen; b != 0; b &= b - 1)
            z[n++] = std::countr_zero(b);
        for (int i0 = 0; i0 <= n - s; ++i0) {
            const int r0 = w[0][z[i0]];
            for (int i1 = i0 + 1; i1 <= n - s + 1; ++i1) {
                const int r1 = r0 + w[1][z[i1]];
                if (s == 2) {
                    ++a[r1];
                    continue;
                }
                for (int i2 = i1 + 1; i2 <= n - s + 2; ++i2) {
                    const int r2 = r1 + w[2][z[i2]];
                    if (s == 3) {
                        ++a[r2];
                        continue;
                    }
                    for (int i3 = i2 + 1; i3 < n; ++i3)
                        ++a[r2 + w[3][z[i3]]];
                }
            }
        }
    }
    return anzahl;
}

KombiFavoriten FavoritenListen(std::vector<std::uint32_t> anzahl) {
    KombiFavoriten f;
    f.anzahl = std::move(anzahl);
    if (f.anzahl.empty())
        return f;
    // One pass for the histogram of count values; the lists take whole values from either end,
    // so the histogram alone tells which values they hold and where each value's run begins.
    const std::uint32_t hoch = *std::max_element(f.anzahl.begin(), f.anzahl.end());
    std::vector<int> haeufigkeit(static_cast<std::size_t>(hoch) + 1, 0);
    for (const std::uint32_t a : f.anzahl)
        ++haeufigkeit[a];
    std::uint32_t tief = 0;
    while (haeufigkeit[tief] == 0)
        ++tief;

    // Write cursor of each value in each list. Values a list does not hold write to a spare
    // slot behind its end and never advance: no branch in the pass over the table, whose
    // counts follow no pattern a predictor could learn.
    const std::size_t werte = haeufigkeit.size();
    std::vector<int> obenAb(werte, 0), untenAb(werte, 0), obenSchritt(werte, 0), untenSchritt(werte, 0);
    int oben = 0;
    for (std::uint32_t m = hoch;; --m) {
        obenAb[m] = oben;
        obenSchritt[m] = 1;
        oben += haeufigkeit[m];
        if (oben > FavoritenMindestens || m == tief)
            break;
    }
    int unten = 0;
    for (std::uint32_t m = tief;; ++m) {
        untenAb[m] = unten;
        untenSchritt[m] = 1;
        unten += haeufigkeit[m];
        if (unten > FavoritenMindestens || m == hoch)
            break;
    }
    for (std::size_t m = 0; m < werte; ++m) {
        if (obenSchritt[m] == 0)
            obenAb[m] = oben;
        if (untenSchritt[m] == 0)
            untenAb[m] = unten;
    }
    f.haeufigste.resize(oben + 1);
    f.seltenste.resize(unten + 1);
    KombiPlatz* h = f.haeufigste.data();
    KombiPlatz* s = f.seltenste.data();
    // One pass in table order: ties stay in table order within each value's run.
    const std::size_t n = f.anzahl.size();
    for (std::size_t e = 0; e < n; ++e) {
        const std::uint32_t a = f.anzahl[e];
        const KombiPlatz p{static_cast<int>(e), static_cast<int>(a)};
        h[obenAb[a]] = p;
        obenAb[a] += obenSchritt[a];
        s[untenAb[a]] = p;
        untenAb[a] += untenSchritt[a];
    }
    f.haeufigste.resize(oben);
    f.seltenste.resize(unten);
    return f;
}

KombiFavoriten KombinationenFavoriten(const KombiTabelle& tabelle, const QVector<ZahlenMenge>& mengen,
                                      int von, int bis) {
    return FavoritenListen(KombinationenZaehlen(tabelle, mengen, von, bis));
}

QVector<KombiTreffer> KombisSuchen(const ZahlenStatistik& s, int von, int bis, int kategorie,
                                   const ZahlenMenge& auswahl) {
    QVector<KombiTreffer> treffer;
    if (kategorie < 0 || kategorie >= KategorieAnzahl)
        return treffer;
    const QVector<ZahlenMenge>& mengen = s.mengen[static_cast<std::size_t>(kategorie)];
    const QVector<TGewZahlen>& ziehungen = s.ziehungen[static_cast<std::size_t>(kategorie)];
    von = std::max(von, 0);
    bis = std::min<int>({bis, static_cast<int>(mengen.size()) - 1, static_cast<int>(ziehungen.size()) - 1});
    for (int k = von; k <= bis; ++k) {
        if (mengen[k].schnitt(auswahl) != auswahl)
            continue;
        KombiTreffer t;
        t.index = k;
        t.datum = ziehungen[k].datum;
        for (std::uint64_t b = mengen[k].maske64() & Lottozahlen & ~auswahl.maske64(); b != 0; b &= b - 1)
            t.mit.append(std::countr_zero(b));
        treffer.append(t);
    }
    return treffer;
}

KombiAuswahl::Ergebnis KombiAuswahl::umschalten(int n) {
    if (n < 1 || n > MaxZahl)
        return Ergebnis::Ungueltig;
    if (m_menge.enthaelt(n)) {
        m_menge.entferne(n);
        return Ergebnis::Abgewaehlt;
    }
    if (anzahl() >= Hoechstens)
        return Ergebnis::Voll;
    m_menge.hinzu(n);
    return Ergebnis::Gewaehlt;
}

} // namespace kb
