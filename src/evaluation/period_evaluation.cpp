#include "period_evaluation.h"

#include "core/date.h"

#include <bit>

namespace kb {

TGewAusw ZiehungVorbereiten(const TGewZahlen& z, const QLocale& locale) {
    TGewAusw a;
    a.dat = z.datum;
    a.SDatum = DatumText(z.datum, locale);
    const int tag = Wochentag(z.datum);
    if (tag == Mittwoch)
        a.SDatum += QStringLiteral(" (Mi)");
    else if (tag == Samstag)
        a.SDatum += QStringLiteral(" (Sa)");
    a.GZA = z.menge();
    a.SZ = z.SZ;
    return a;
}

namespace {
const QString Abbruch = QStringLiteral("\r\rIch breche erst einmal ab.");

bool tagPasst(TDate datum, int tage) {
    if (tage == 1)
        return Wochentag(datum) == Samstag;
    if (tage == 2)
        return Wochentag(datum) == Mittwoch;
    return true;
}
} // namespace

Result<QVector<TGewAusw>> ZiehungenWaehlen(const QVector<TGewZahlen>& gew, const ZiehungsWahl& wahl,
                                           const QLocale& locale) {
    const int anzahl = static_cast<int>(gew.size());
    if (anzahl == 0)
        return Fehler{KeineZiehungenText};
    const int ende = wahl.ende;
    const int start = wahl.zurueck ? wahl.start : ende;
    if (ende < 0 || ende >= anzahl || start < 0 || start >= anzahl || ende < start)
        return Fehler{QStringLiteral("Bitte kontrollieren Sie die Angaben für den Zeitraum der Gewinnauswertung") +
                      Abbruch};
    QVector<TGewAusw> liste;
    for (int i = start; i <= ende; ++i)
        if (tagPasst(gew[i].datum, wahl.tage))
            liste.push_back(ZiehungVorbereiten(gew[i], locale));
    if (liste.isEmpty()) {
        const QString tagWort = wahl.tage == 1 ? QStringLiteral("Samstag") : QStringLiteral("Mittwoch");
        if (wahl.zurueck)
            return Fehler{QStringLiteral("In dem für die Gewinnauswertung gewählten Zeitraum gibt es keine ") +
                          tagWort + QStringLiteral("sziehung.") + Abbruch};
        return Fehler{QStringLiteral("An einem ") + WochentagNamen.value(Wochentag(gew[ende].datum)) +
                      QStringLiteral(" gibt es keine ") + tagWort + QStringLiteral("sziehung. ;-)") + Abbruch};
    }
    return liste;
}

std::uint64_t ReihenMaske(const std::array<std::uint8_t, 6>& zahlen) {
    std::uint64_t m = 0;
    for (std::uint8_t z : zahlen) {
        if (z < 1 || z > MaxZahl)
            return 0;
        m |= std::uint64_t{1} << z;
    }
    return std::popcount(m) == 6 ? m : 0;
}

AuswertungsErgebnis Auswerten(const AuswertungsSchein& schein, QVector<TGewAusw> ziehungen, const QuotenSuche& quoten,
                              const std::atomic<bool>* abbruch) {
    AuswertungsErgebnis e;
    e.ziehungen = std::move(ziehungen);
    const bool szGueltig = schein.SZ >= 0 && schein.SZ <= 9;
    const auto neueZeile = [&e](Ergebniszeile z) {
        e.zeilen.push_back(z);
        return static_cast<int>(e.zeilen.size());
    };
    for (qsizetype zi = 0; zi < e.ziehungen.size(); ++zi) {
        if (abbruch && abbruch->load(std::memory_order_relaxed)) {
            e.abgebrochen = true;
            break;
        }
        const TGewAusw& z = e.ziehungen[zi];
        // Drawn numbers beyond 63 cannot be in any valid row.
        const std::uint64_t gezogen = z.GZA.maske64();
        const bool sz = szGueltig && schein.SZ == z.SZ;
        // Amounts per class are looked up once per draw.
        std::array<Geld, 10> betraege{};
        for (int k = 1; k <= 9; ++k)
            betraege[k] = quoten.betrag(k, z.dat);
        bool ersteDerZiehung = true;
        const auto zeile = [&](int feld, int klasse, int reihe) {
            Ergebniszeile r;
            r.ziehung = static_cast<std::int32_t>(zi);
            r.feld = static_cast<std::int16_t>(feld);
            r.ersteZeile = ersteDerZiehung;
            r.klasse = static_cast<std::uint8_t>(klasse);
            r.reihe = reihe;
            r.betrag = betraege[klasse];
            ersteDerZiehung = false;
            const int nr = neueZeile(r);
            if (klasse > 0) {
                e.gesamt = GeldSumme(e.gesamt, r.betrag);
                if (r.betrag > e.hoechst) {
                    e.hoechst = r.betrag;
                    e.hoechstZeile = nr;
                    e.hoechstDatum = z.SDatum.left(10);
                }
            }
        };
        for (qsizetype fi = 0; fi < schein.felder.size(); ++fi) {
            const AuswertungsFeld& feld = schein.felder[fi];
            // System tickets name every field; a normal ticket is one unnamed field.
            int feldMarke = schein.system ? static_cast<int>(fi) : -1;
            bool gewonnen = false;
            const qsizetype n = feld.reihen.size();
            for (qsizetype ri = 0; ri < n; ++ri) {
                const int treffer = std::popcount(feld.reihen[ri] & gezogen);
                if (treffer < 2)
                    continue;
                const int klasse = Gewinnklasse(treffer, sz);
                if (klasse == 0)
                    continue;
                zeile(feldMarke, klasse, static_cast<int>(ri + 1));
                feldMarke = -1;
                gewonnen = true;
            }
            if (!gewonnen)
                zeile(feldMarke, 0, 0);
        }
        if (schein.felder.isEmpty())
            zeile(-1, 0, 0);
    }
    return e;
}

} // namespace kb
