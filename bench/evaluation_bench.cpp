// A system ticket of six "012" fields (5 544 rows) evaluated over the whole bundled draw
// history, result model included; beside it the plain way: a 256-bit set intersection per
// row and draw, and every result line appended to a list of strings.
#include "core/date.h"
#include "core/record_file.h"
#include "evaluation/period_evaluation.h"
#include "evaluation/ticket_models.h"
#include "evaluation/ticket_rows.h"
#include "quotas/quota_file.h"
#include "systems/catalogue.h"

#include <benchmark/benchmark.h>

#include <QStringList>

#include <array>
#include <cstdint>

namespace {

using namespace kb;

struct Daten {
    QVector<TGewZahlen> ziehungen;
    QVector<TQuoten> quoten;
    QVector<FeldAnsicht> felder;
    AuswertungsSchein schein;
    QLocale locale{QLocale::German, QLocale::Germany};
};

const Daten& daten() {
    static const Daten d = [] {
        Daten d;
        SystemeAufbauen();
        d.ziehungen = RecordsAusBytes<TGewZahlen>(DateiLesen(QStringLiteral(KB_DATENSATZ_DIR "/GZ.649"))->daten);
        d.quoten = RecordsAusBytes<TQuoten>(DateiLesen(QStringLiteral(KB_DATENSATZ_DIR "/Quo.649"))->daten);
        for (int f = 0; f < 6; ++f) {
            TSySSchein feld;
            feld.SZ = 3;
            feld.Sys = 6;
            for (int i = 0; i < 12; ++i)
                feld.WZ[i] = static_cast<std::uint8_t>(1 + (f * 7 + i * 4) % 49);
            std::sort(feld.WZ.begin(), feld.WZ.begin() + 12);
            d.felder.push_back(FeldAufloesen(feld));
        }
        d.schein = SystemscheinAlsAuswertung(3, d.felder);
        return d;
    }();
    return d;
}

void BM_Auswertung_Naiv(benchmark::State& state) {
    const Daten& d = daten();
    const QuotenSuche quoten(d.quoten);
    for (auto _ : state) {
        QStringList liste;
        for (const TGewZahlen& g : d.ziehungen) {
            const ZahlenMenge gezogen = g.menge();
            const QByteArray gBytes = gezogen.zuBytes();
            for (const FeldAnsicht& f : d.felder) {
                for (qsizetype r = 0; r < f.reihen.size(); ++r) {
                    const QByteArray rBytes = ZahlenMenge::aus(f.reihen[r].begin(), f.reihen[r].end()).zuBytes();
                    int treffer = 0;
                    for (int b = 0; b < 32; ++b)
                        treffer += std::popcount(static_cast<unsigned>(static_cast<unsigned char>(rBytes[b]) &
                                                                       static_cast<unsigned char>(gBytes[b])));
                    const int klasse = Gewinnklasse(treffer, SuperzahlTrifft(3, g.SZ));
                    if (klasse > 0)
                        liste.append(DatumText(g.datum, d.locale) + QLatin1Char(';') + f.systemName + QLatin1Char(';') +
                                     KlassenTexte[klasse] + QLatin1Char(';') + QString::number(r + 1) +
                                     QLatin1Char(';') + GeldText(quoten.betrag(klasse, g.datum), d.locale));
                }
            }
        }
        benchmark::DoNotOptimize(liste.size());
    }
}

void BM_Auswertung_Unsere(benchmark::State& state) {
    const Daten& d = daten();
    QVector<TGewAusw> ziehungen;
    for (const TGewZahlen& g : d.ziehungen)
        ziehungen.push_back(ZiehungVorbereiten(g, d.locale));
    ErgebnisModell modell(true, d.locale);
    QStringList namen;
    for (const FeldAnsicht& f : d.felder)
        namen.append(f.systemName);
    for (auto _ : state) {
        AuswertungsErgebnis e = Auswerten(d.schein, ziehungen, QuotenSuche(d.quoten));
        modell.setzen(std::move(e), namen);
        benchmark::DoNotOptimize(modell.rowCount());
    }
    state.counters["Zeilen"] = modell.rowCount();
}

} // namespace

BENCHMARK(BM_Auswertung_Naiv)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Auswertung_Unsere)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
