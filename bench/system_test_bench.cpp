// The system test: our rank method (picked per system by the cost estimate) beside the plain
// loop that intersects every k-subset with every row (64-bit AND and popcount).
#include "systems/catalogue.h"
#include "systems/system_test.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

namespace {

const std::vector<kb::SystemTestAuftrag>& auftraege() {
    static const std::vector<kb::SystemTestAuftrag> a = [] {
        kb::SystemeAufbauen(kb::MaxSystemreihen);
        std::vector<kb::SystemTestAuftrag> v;
        for (int p = 0; p < static_cast<int>(kb::Systeme().size()); ++p)
            v.push_back(kb::SystemTestAuftragFuer(p));
        return v;
    }();
    return a;
}

void einSystem(benchmark::State& state, kb::TestVerfahren v) {
    const kb::SystemTestAuftrag& a = auftraege()[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state)
        benchmark::DoNotOptimize(kb::SystemTesten(a, nullptr, {}, v));
}

void BM_System_Unser(benchmark::State& s) { einSystem(s, kb::TestVerfahren::Automatisch); }
void BM_System_Naiv(benchmark::State& s) { einSystem(s, kb::TestVerfahren::Naiv); }
// Position 333: 49 Wahlzahlen, 82 rows; 180: 48 + 1, 432 rows.
BENCHMARK(BM_System_Unser)->Arg(333)->Arg(180)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_System_Naiv)->Arg(333)->Arg(180)->Unit(benchmark::kMillisecond);

void alle(benchmark::State& state, kb::TestVerfahren v) {
    double langsamste = 0;
    int wo = -1;
    for (auto _ : state) {
        for (std::size_t p = 0; p < auftraege().size(); ++p) {
            const auto t0 = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(kb::SystemTesten(auftraege()[p], nullptr, {}, v));
            const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
            if (ms > langsamste) {
                langsamste = ms;
                wo = static_cast<int>(p);
            }
        }
    }
    state.counters["slowest_ms"] = langsamste;
    state.counters["slowest_pos"] = wo;
}

void BM_AlleSysteme_Unser(benchmark::State& s) { alle(s, kb::TestVerfahren::Automatisch); }
void BM_AlleSysteme_Rang(benchmark::State& s) { alle(s, kb::TestVerfahren::Rang); }
void BM_AlleSysteme_Naiv(benchmark::State& s) { alle(s, kb::TestVerfahren::Naiv); }
BENCHMARK(BM_AlleSysteme_Unser)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_AlleSysteme_Rang)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_AlleSysteme_Naiv)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
