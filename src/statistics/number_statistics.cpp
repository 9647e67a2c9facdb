#include "number_statistics.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <numeric>

namespace kb {

ZahlenStatistik& statistik() {
    static ZahlenStatistik s;
    return s;
}

QString KategorieTitel(int kategorie) {
    switch (kategorie) {
    case KategorieSamstag:
        return QStringLiteral("Statistiken für Ziehungen am Samstag");
    case KategorieMittwoch:
        return QStringLiteral("Statistiken für Ziehungen am Mittwoch");
    default:
        return QStringLiteral("Statistiken für Ziehungen am Samstag und Mittwoch");
    }
}

int WochentagVon(TDate datum) {
    if (!std::isfinite(datum) || std::fabs(datum) > 1.0e12)
        return 0;
    // Day 0 (30.12.1899) was a Saturday.
    const auto tag = static_cast<std::int64_t>(std::floor(datum));
    const std::int64_t rest = ((tag % 7) + 7) % 7;
    return static_cast<int>((rest + 6) % 7) + 1;
}

void StatistikStart(ZahlenStatistik& s, const QVector<TGewZahlen>& gewZahlen) {
    for (auto& z : s.zaehler)
        z.fill(0);
    s.ziehungen[KategorieAlle] = gewZahlen;
    for (int k = KategorieSamstag; k < KategorieAnzahl; ++k) {
        s.ziehungen[k].clear();
        s.mengen[k].clear();
    }
    QVector<ZahlenMenge>& alle = s.mengen[KategorieAlle];
    alle.clear();
    alle.reserve(gewZahlen.size());
    for (const TGewZahlen& d : gewZahlen) {
        const ZahlenMenge m = d.menge();
        alle.append(m);
        const int tag = WochentagVon(d.datum);
        const int kategorie = tag == Samstag ? KategorieSamstag : tag == Mittwoch ? KategorieMittwoch : -1;
        if (kategorie < 0)
            continue;
        s.ziehungen[kategorie].append(d);
        s.mengen[kategorie].append(m);
        for (const std::uint8_t n : d.GZ)
            if (n >= 1 && n <= MaxZahl)
                ++s.zaehler[kategorie][n - 1];
    }
    for (int i = 0; i < MaxZahl; ++i)
        s.zaehler[KategorieAlle][i] = s.zaehler[KategorieSamstag][i] + s.zaehler[KategorieMittwoch][i];
}

namespace {
bool kategorieGueltig(int k) {
    return k >= 0 && k < KategorieAnzahl;
}
} // namespace

const Zahlenzaehler& TeilStatistik(ZahlenStatistik& s, int von, int bis, int kategorie) {
    static const Zahlenzaehler leer{};
    if (!kategorieGueltig(kategorie))
        return leer;
    Zahlenzaehler& zeile = s.zaehler[kategorie];
    zeile.fill(0);
    const QVector<TGewZahlen>& liste = s.ziehungen[kategorie];
    von = std::max(von, 0);
    bis = std::min<int>(bis, static_cast<int>(liste.size()) - 1);
    for (int k = von; k <= bis; ++k)
        for (const std::uint8_t n : liste[k].GZ)
            if (n >= 1 && n <= MaxZahl)
                ++zeile[n - 1];
    return zeile;
}

Abwesenheit Ausgeblieben(const ZahlenStatistik& s, int von, int bis, int kategorie) {
    Abwesenheit a;
    if (kategorieGueltig(kategorie)) {
        const QVector<ZahlenMenge>& mengen = s.mengen[kategorie];
        von = std::max(von, 0);
        bis = std::min<int>(bis, static_cast<int>(mengen.size()) - 1);
        // Walk back once; a number's gap is fixed at its first sighting.
        std::uint64_t offen = 0;
        for (int n = 1; n <= MaxZahl; ++n)
            offen |= std::uint64_t{1} << n;
        int vergangen = 0;
        for (int k = bis; k >= von && offen != 0; --k, ++vergangen) {
            const std::uint64_t gesehen = mengen[k].maske64() & offen;
            for (std::uint64_t b = gesehen; b != 0; b &= b - 1)
                a.luecke[std::countr_zero(b) - 1] = vergangen;
            offen &= ~gesehen;
        }
        for (std::uint64_t b = offen; b != 0; b &= b - 1)
            a.luecke[std::countr_zero(b) - 1] = vergangen;
    }
    std::iota(a.reihenfolge.begin(), a.reihenfolge.end(), 1);
    std::stable_sort(a.reihenfolge.begin(), a.reihenfolge.end(),
                     [&](int x, int y) { return a.luecke[x - 1] > a.luecke[y - 1]; });
    return a;
}

Zahlenfolge NachAnzahlOrdnen(const Zahlenzaehler& zaehler) {
    Zahlenfolge f;
    std::iota(f.begin(), f.end(), 1);
    std::stable_sort(f.begin(), f.end(), [&](int x, int y) { return zaehler[x - 1] < zaehler[y - 1]; });
    return f;
}

} // namespace kb
