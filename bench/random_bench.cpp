// Random tips: our generator (one bit per possible row, the rest from the rows not yet taken
// once discards grow costly) against the plain method that compares every new row with all
// accepted rows. The run over every possible row also fills the tip-row table the window shows.
#include "core/row_table.h"
#include "random/random_generator.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <random>
#include <vector>

namespace {

kb::ZufallsAuswahl mitVorgaben() {
    kb::ZufallsAuswahl a;
    a.umschalten(kb::ZufallsGruppe::Bankzahlen, 7);
    for (int n : {1, 2, 3, 4})
        a.umschalten(kb::ZufallsGruppe::Quotenkiller, n);
    for (int n : {22, 33, 44})
        a.umschalten(kb::ZufallsGruppe::Favoriten, n);
    return a;
}

void spitzenSpeicher(benchmark::State& state) {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    state.counters["peak_MB"] = static_cast<double>(r.ru_maxrss) / 1024.0;
}

// The plain method: pot with Favoriten twice, picks drawn again when already in the row, and
// each candidate compared as a set with every accepted row.
std::vector<kb::Tippreihe> naiv(const kb::ZufallsAuswahl& a, int anzahl, std::mt19937& zufall) {
    std::vector<int> topf;
    for (int n = 1; n <= kb::MaxZahl; ++n) {
        if (a.BZGewaehlt().enthaelt(n) || a.KillGewaehlt().enthaelt(n))
            continue;
        topf.push_back(n);
        if (a.FavGewaehlt().enthaelt(n))
            topf.push_back(n);
    }
    std::uniform_int_distribution<std::size_t> pick(0, topf.size() - 1);
    std::vector<kb::ZahlenMenge> angenommen;
    std::vector<kb::Tippreihe> reihen;
    while (static_cast<int>(angenommen.size()) < anzahl) {
        kb::ZahlenMenge reihe = a.BZGewaehlt();
        while (reihe.anzahl() < 6)
            reihe.hinzu(topf[pick(zufall)]);
        bool neu = true;
        for (const kb::ZahlenMenge& m : angenommen)
            if (m == reihe) {
                neu = false;
                break;
            }
        if (!neu)
            continue;
        angenommen.push_back(reihe);
        const QByteArray z = kb::MengeZuZahlen(reihe, 6);
        kb::Tippreihe t{};
        for (int i = 0; i < 6; ++i)
            t[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(z[i]);
        reihen.push_back(t);
    }
    return reihen;
}

void BM_Zufall_Unser(benchmark::State& state) {
    const kb::ZufallsAuswahl a = state.range(1) ? mitVorgaben() : kb::ZufallsAuswahl{};
    std::uint64_t saat = 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(kb::ZufallszahlenErmitteln(a, static_cast<int>(state.range(0)), saat++));
    spitzenSpeicher(state);
}
BENCHMARK(BM_Zufall_Unser)
    ->Args({10'000, 0})
    ->Args({10'000, 1})
    ->Args({1'000'000, 0})
    ->Args({1'000'000, 1})
    ->Unit(benchmark::kMillisecond);

void BM_Zufall_Naiv(benchmark::State& state) {
    const kb::ZufallsAuswahl a = state.range(1) ? mitVorgaben() : kb::ZufallsAuswahl{};
    std::mt19937 zufall(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(naiv(a, static_cast<int>(state.range(0)), zufall));
}
BENCHMARK(BM_Zufall_Naiv)
    ->Args({10'000, 0})
    ->Args({10'000, 1})
    ->Args({40'000, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// Every possible row, as the window does it: rows, counts, then the table for the grid.
void BM_Zufall_AlleReihen(benchmark::State& state) {
    const int alle = 13'983'816;
    for (auto _ : state) {
        kb::ZufallsErgebnis e = kb::ZufallszahlenErmitteln(kb::ZufallsAuswahl{}, alle, 42);
        kb::TippreihenDaten t(alle + 1);
        for (std::size_t i = 0; i < e.Zufreihen.size(); ++i)
            t.setzeReihe(static_cast<int>(i) + 1, e.Zufreihen[i]);
        benchmark::DoNotOptimize(t);
    }
    spitzenSpeicher(state);
}
BENCHMARK(BM_Zufall_AlleReihen)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
