// The system catalogue: building it, forming all subsets, and checking the guarantees of all
// built-in systems; each beside the plain way of doing the same.
#include "systems/catalogue.h"
#include "systems/covering.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

// Binomial as first described: cancel denominator factors against numerator factors, multiply
// both in 64 bits, divide in extended floating point.
std::int64_t binomialNaiv(int n, int k) {
    if (k == n)
        return 1;
    if (n - k < k)
        k = n - k;
    std::vector<std::int64_t> zaehler, nenner;
    for (int i = 0; i < k; ++i)
        zaehler.push_back(n - i);
    for (int d = k; d >= 2; --d)
        nenner.push_back(d);
    for (std::int64_t& d : nenner)
        for (auto it = zaehler.rbegin(); it != zaehler.rend(); ++it)
            if (*it % d == 0) {
                *it /= d;
                d = 1;
                break;
            }
    std::int64_t z = 1, nn = 1;
    for (std::int64_t f : zaehler)
        z *= f;
    for (std::int64_t f : nenner)
        nn *= f;
    return static_cast<std::int64_t>(
        std::nearbyint(static_cast<long double>(z) / static_cast<long double>(nn)));
}

std::vector<kb::TSysteme> aufbauenNaiv(int limit) {
    std::vector<kb::TSysteme> k;
    for (const kb::TSysteme& s : kb::SystemeKonst)
        k.push_back(s);
    for (int rg = 2; rg <= 6; ++rg)
        for (int wz = rg + 1; binomialNaiv(wz, rg) <= limit && wz - rg - 1 + 6 < 49; ++wz)
            k.push_back(kb::TSysteme{static_cast<std::uint8_t>(rg), static_cast<std::uint8_t>(wz),
                                     static_cast<std::uint8_t>(rg),
                                     static_cast<std::uint16_t>(binomialNaiv(wz, rg))});
    return k;
}

void BM_SystemeAufbauen(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(kb::SystemeAufbauen(kb::MaxSystemreihen));
}
BENCHMARK(BM_SystemeAufbauen);

void BM_SystemeAufbauen_Naiv(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(aufbauenNaiv(kb::MaxSystemreihen));
}
BENCHMARK(BM_SystemeAufbauen_Naiv);

// Naive subsets: recursion with a vector of numbers per subset, each turned into a number set.
void rekursiv(int n, int k, int ab, std::vector<int>& teil, std::vector<kb::ZahlenMenge>& aus) {
    if (static_cast<int>(teil.size()) == k) {
        aus.push_back(kb::ZahlenMenge::aus(teil.begin(), teil.end()));
        return;
    }
    for (int z = ab; z <= n; ++z) {
        teil.push_back(z);
        rekursiv(n, k, z + 1, teil, aus);
        teil.pop_back();
    }
}

void BM_KombinationenBilden_49_6(benchmark::State& state) {
    for (auto _ : state) {
        const std::vector<kb::Zahlenmaske> r = kb::KombinationenBilden(49, 6);
        benchmark::DoNotOptimize(r.data());
    }
}
BENCHMARK(BM_KombinationenBilden_49_6)->Unit(benchmark::kMillisecond);

void BM_KombinationenBilden_49_6_Naiv(benchmark::State& state) {
    for (auto _ : state) {
        std::vector<kb::ZahlenMenge> r;
        std::vector<int> teil;
        rekursiv(49, 6, 1, teil, r);
        benchmark::DoNotOptimize(r.data());
    }
}
BENCHMARK(BM_KombinationenBilden_49_6_Naiv)->Unit(benchmark::kMillisecond);

// Guarantee check of all 359 built-in systems: ours marks the t-subsets of every row; the plain
// way tests every t-subset of 1..WZ against every row.
void BM_GarantieAllerSysteme(benchmark::State& state) {
    kb::SystemeAufbauen();
    for (auto _ : state) {
        std::int64_t summe = 0;
        for (int p = 0; p < kb::EingebauteSysteme; ++p) {
            const kb::TSysteme& s = kb::SystemeKonst[static_cast<std::size_t>(p)];
            summe += kb::FehlendeTeilmengen(kb::SystemReihenMasken(p), s.WZ, s.GA);
        }
        benchmark::DoNotOptimize(summe);
    }
}
BENCHMARK(BM_GarantieAllerSysteme)->Unit(benchmark::kMillisecond);

void BM_GarantieAllerSysteme_Naiv(benchmark::State& state) {
    kb::SystemeAufbauen();
    for (auto _ : state) {
        std::int64_t summe = 0;
        for (int p = 0; p < kb::EingebauteSysteme; ++p) {
            const kb::TSysteme& s = kb::SystemeKonst[static_cast<std::size_t>(p)];
            if (s.GA == 0)
                continue;
            std::vector<kb::ZahlenMenge> reihen;
            for (int i = 1; i <= s.TR; ++i) {
                kb::ZahlenMenge m;
                for (int j = 1; j <= s.RG; ++j)
                    m.hinzu(kb::SystemZahl(p, s.RG, i, j));
                reihen.push_back(m);
            }
            kb::KombinationenDurchlaufen(s.WZ, s.GA, [&](kb::Zahlenmaske t) {
                const kb::ZahlenMenge teil = kb::MaskeZuMenge(t);
                bool gedeckt = false;
                for (const kb::ZahlenMenge& r : reihen)
                    if (r.treffer(teil) == s.GA) {
                        gedeckt = true;
                        break;
                    }
                summe += gedeckt ? 0 : 1;
                return true;
            });
        }
        benchmark::DoNotOptimize(summe);
    }
}
BENCHMARK(BM_GarantieAllerSysteme_Naiv)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
