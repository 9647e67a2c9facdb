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
    m_vorher.assign(static_cast<std::size_t>(k), std::vector<int>(MaxZahl + 2, 0));
    for (int i = 0; i < k; ++i) {
        auto& p = m_vorher[static_cast<std::size_t>(i)];
        for (int c = 2; c <= MaxZahl + 1; ++c)
            p[static_cast<std::size_t>(c)] =
                p[static_cast<std::size_t>(c - 1)] + static_cast<int>(Binomial(MaxZahl - (c - 1), k - 1 - i));
    }
}

int KombiTabelle::rang(const int* zahlen) const {
    int r = 0;
    int vorige = 0;
    for (int i = 0; i < m_groesse; ++i) {
        const auto& p = m_vorher[static_cast<std::size_t>(i)];
        r += p[static_cast<std::size_t>(zahlen[i])] - p[static_cast<std::size_t>(vorige + 1)];
        vorige = zahlen[i];
    }
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

std::vector<std::uint32_t> KombinationenZaehlen(const KombiTabelle& tabelle, const QVector<ZahlenMenge>& mengen,
                                                int von, int bis) {
    std::vector<std::uint32_t> anzahl(static_cast<std::size_t>(tabelle.anzahl()), 0);
    von = std::max(von, 0);
    bis = std::min<int>(bis, static_cast<int>(mengen.size()) - 1);
    const int s = tabelle.groesse();
    int zahlen[MaxZahl];
    int platz[4];
    int kombi[4];
    for (int d = von; d <= bis; ++d) {
        // A broken record may hold fewer numbers; only what the draw holds can be contained.
        int n = 0;
        for (std::uint64_t b = mengen[d].maske64() & Lottozahlen; b != 0; b &= b - 1)
            zahlen[n++] = std::countr_zero(b);
        if (n < s)
            continue;
        for (int i = 0; i < s; ++i)
            platz[i] = i;
        for (;;) {
            for (int i = 0; i < s; ++i)
                kombi[i] = zahlen[platz[i]];
            ++anzahl[static_cast<std::size_t>(tabelle.rang(kombi))];
            int i = s - 1;
            while (i >= 0 && platz[i] == n - s + i)
                --i;
            if (i < 0)
                break;
            ++platz[i];
            for (int j = i + 1; j < s; ++j)
                platz[j] = platz[j - 1] + 1;
        }
    }
    return anzahl;
}

KombiFavoriten FavoritenListen(std::vector<std::uint32_t> anzahl) {
    KombiFavoriten f;
    f.anzahl = std::move(anzahl);
    if (f.anzahl.empty())
        return f;
    const auto [minIt, maxIt] = std::minmax_element(f.anzahl.begin(), f.anzahl.end());
    const std::uint32_t tief = *minIt;
    const std::uint32_t hoch = *maxIt;
    // Stable counting sort: the entries of each count value lie together, in table order.
    std::vector<int> beginn(static_cast<std::size_t>(hoch - tief) + 2, 0);
    for (const std::uint32_t a : f.anzahl)
        ++beginn[a - tief + 1];
    for (std::size_t w = 1; w < beginn.size(); ++w)
        beginn[w] += beginn[w - 1];
    std::vector<int> geordnet(f.anzahl.size());
    {
        std::vector<int> naechster(beginn.begin(), beginn.end() - 1);
        for (std::size_t e = 0; e < f.anzahl.size(); ++e)
            geordnet[static_cast<std::size_t>(naechster[f.anzahl[e] - tief]++)] = static_cast<int>(e);
    }
    const auto wertAnhaengen = [&](QVector<KombiPlatz>& liste, std::uint32_t wert) {
        const std::size_t w = wert - tief;
        for (int p = beginn[w]; p < beginn[w + 1]; ++p)
            liste.append({geordnet[static_cast<std::size_t>(p)], static_cast<int>(wert)});
    };
    for (std::uint32_t m = hoch;; --m) {
        wertAnhaengen(f.haeufigste, m);
        if (f.haeufigste.size() > FavoritenMindestens || m == tief)
            break;
    }
    for (std::uint32_t m = tief;; ++m) {
        wertAnhaengen(f.seltenste, m);
        if (f.seltenste.size() > FavoritenMindestens || m == hoch)
            break;
    }
    return f;
}

KombiFavoriten KombinationenFavoriten(const KombiTabelle& tabelle, const QVector<ZahlenMenge>& mengen, int von,
                                      int bis) {
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
