// The system test: our rank method (picked per system by the cost estimate) beside the plain
// loop that intersects every k-subset with every row (64-bit AND and popcount).
#include "systems/catalogue.h"
#include "systems/system_test.h"

#include <benchmark/benchmark.h>

#include <ctime>
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

void BM_System_Unser(benchmark::State& s) {
    einSystem(s, kb::TestVerfahren::Automatisch);
}
void BM_System_Naiv(benchmark::State& s) {
    einSystem(s, kb::TestVerfahren::Naiv);
}
// Position 333: 49 Wahlzahlen, 82 rows; 180: 48 + 1, 432 rows.
BENCHMARK(BM_System_Unser)->Arg(333)->Arg(180)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_System_Naiv)->Arg(333)->Arg(180)->Unit(benchmark::kMillisecond);

double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

void alle(benchmark::State& state, kb::TestVerfahren v) {
    double langsamste = 0;
    int wo = -1;
    for (auto _ : state) {
        for (std::size_t p = 0; p < auftraege().size(); ++p) {
            // Thread CPU time: the machine is shared, so wall time would mostly measure the others.
            const double t0 = cpuMs();
            benchmark::DoNotOptimize(kb::SystemTesten(auftraege()[p], nullptr, {}, v));
            const double ms = cpuMs() - t0;
            if (ms > langsamste) {
                langsamste = ms;
                wo = static_cast<int>(p);
            }
        }
    }
    state.counters["slowest_ms"] = langsamste;
    state.counters["slowest_pos"] = wo;
}

void BM_AlleSysteme_Unser(benchmark::State& s) {
    alle(s, kb::TestVerfahren::Automatisch);
}
void BM_AlleSysteme_Rang(benchmark::State& s) {
    alle(s, kb::TestVerfahren::Rang);
}
void BM_AlleSysteme_Naiv(benchmark::State& s) {
    alle(s, kb::TestVerfahren::Naiv);
}
BENCHMARK(BM_AlleSysteme_Unser)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_AlleSysteme_Rang)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_AlleSysteme_Naiv)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
