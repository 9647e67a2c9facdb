#include "distribution.h"

#include "core/money.h"

#include <QLocale>

#include <algorithm>
#include <numeric>

namespace kb {

Result<Verteilung> TippzahlenZaehlen(const ZellenTabelle& t) {
    if (t.zeilenAnzahl() < 2 || t.zelleLeer(1, 1))
        return Fehler{
            QStringLiteral("Die Tabelle ist leer. Eine statistische Auswertung macht keinen Sinn.\r\r"
                           "Ich breche erst einmal ab.")};
    Verteilung v;
    v.zeilen = t.zeilenAnzahl() - 1;
    const int bis = std::min(t.spaltenAnzahl() - 1, TippreihenDaten::ZahlSpalten);
    for (int z = 1; z < t.zeilenAnzahl(); ++z) {
        for (int s = 1; s <= TippreihenDaten::ZahlSpalten; ++s) {
            const auto zahl = s <= bis ? t.alsGanzzahl(s, z) : std::nullopt;
            if (!zahl)
                return Fehler{KonvertierungsFehler(t.zelle(s, z))};
            if (*zahl >= 1 && *zahl <= MaxZahl)
                ++v.anzahl[static_cast<std::size_t>(*zahl)];
        }
    }
    return v;
}

Kachel VerteilungsKachel(int anzahl, int zeilen) {
    if (anzahl == 0)
        return {QString(), KachelFarbe::Rot};
    return {ZahlText(anzahl, QLocale()), anzahl == zeilen ? KachelFarbe::Gruen : KachelFarbe::Standard};
}

std::array<int, MaxZahl> AufsteigendNachAnzahl(const std::array<int, MaxZahl + 1>& anzahl) {
    std::array<int, MaxZahl> r{};
    std::iota(r.begin(), r.end(), 1);
    std::stable_sort(r.begin(), r.end(), [&](int a, int b) {
        return anzahl[static_cast<std::size_t>(a)] < anzahl[static_cast<std::size_t>(b)];
    });
    return r;
}

} // namespace kb
