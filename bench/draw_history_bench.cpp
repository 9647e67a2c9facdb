// The full draw history (5031 draws of the bundled data set): loading "GZ.649" and
// rebuilding the number statistics, each beside the plain way of doing it.
#include "core/date.h"
#include "core/draw_history.h"
#include "core/program_state.h"
#include "statistics/number_statistics.h"

#include <QFile>

#include <benchmark/benchmark.h>

namespace {

const QString& gzPfad() {
    static const QString p = QStringLiteral(KB_DATENSATZ_DIR "/GZ.649");
    return p;
}

// Ours: one read of the whole file, records decoded from the buffer.
void BM_Laden(benchmark::State& state) {
    for (auto _ : state) {
        kb::Result<QVector<kb::TGewZahlen>> r = kb::GZDateiLesen(gzPfad());
        benchmark::DoNotOptimize(r.wert().data());
    }
    state.SetItemsProcessed(state.iterations() * 5031);
}

// Naive: read record by record from the file and append each.
void BM_Laden_Naiv(benchmark::State& state) {
    for (auto _ : state) {
        QVector<kb::TGewZahlen> v;
        QFile f(gzPfad());
        if (!f.open(QIODevice::ReadOnly))
            state.SkipWithError("GZ.649 fehlt");
        char puffer[kb::TGewZahlen::Groesse];
        while (f.read(puffer, sizeof puffer) == sizeof puffer)
            v.append(kb::TGewZahlen::lesen(puffer));
        benchmark::DoNotOptimize(v.data());
    }
    state.SetItemsProcessed(state.iterations() * 5031);
}

const QVector<kb::TGewZahlen>& historie() {
    static const QVector<kb::TGewZahlen> h = kb::GZDateiLesen(gzPfad()).wert();
    return h;
}

void BM_StatistikStart(benchmark::State& state) {
    kb::ZahlenStatistik s;
    for (auto _ : state) {
        kb::StatistikStart(s, historie());
        benchmark::DoNotOptimize(s.zaehler.data());
    }
    state.SetItemsProcessed(state.iterations() * historie().size());
}

// Naive: weekday through the calendar, lists rebuilt from nothing, and every number
// 1..49 tested against every draw's set to count it.
void BM_StatistikStart_Naiv(benchmark::State& state) {
    for (auto _ : state) {
        std::array<QVector<kb::TGewZahlen>, 3> ziehungen;
        std::array<QVector<kb::ZahlenMenge>, 3> mengen;
        std::array<std::array<int, 49>, 3> zaehler{};
        for (const kb::TGewZahlen& d : historie()) {
            const kb::ZahlenMenge m = d.menge();
            ziehungen[0].append(d);
            mengen[0].append(m);
            const int tag = kb::Wochentag(d.datum);
            const int k = tag == kb::Samstag ? 1 : tag == kb::Mittwoch ? 2 : -1;
            if (k < 0)
                continue;
            ziehungen[k].append(d);
            mengen[k].append(m);
            for (int n = 1; n <= 49; ++n)
                if (m.enthaelt(n))
                    ++zaehler[k][n - 1];
        }
        for (int n = 0; n < 49; ++n)
            zaehler[0][n] = zaehler[1][n] + zaehler[2][n];
        benchmark::DoNotOptimize(zaehler.data());
    }
    state.SetItemsProcessed(state.iterations() * historie().size());
}

} // namespace

BENCHMARK(BM_Laden)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Laden_Naiv)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StatistikStart)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StatistikStart_Naiv)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
