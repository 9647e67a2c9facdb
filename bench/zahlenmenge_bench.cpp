// Hit counting of tip rows against a draw: our word-wise ZahlenMenge against the plain
// 32-byte bit set tested number by number.
#include "core/lotto.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <random>
#include <vector>

namespace {

using Bytes32 = std::array<std::uint8_t, 32>;

struct Daten {
    std::vector<kb::ZahlenMenge> reihen;
    std::vector<Bytes32> reihenBytes;
    kb::ZahlenMenge ziehung;
    Bytes32 ziehungBytes{};
};

Bytes32 alsBytes(const kb::ZahlenMenge& m) {
    Bytes32 b{};
    for (int n = 0; n < 256; ++n)
        if (m.enthaelt(n))
            b[n >> 3] |= static_cast<std::uint8_t>(1u << (n & 7));
    return b;
}

const Daten& daten() {
    static const Daten d = [] {
        Daten d;
        std::mt19937 rng(12345);
        std::uniform_int_distribution<int> zahl(1, 49);
        const auto reihe = [&] {
            kb::ZahlenMenge m;
            while (m.anzahl() < 6)
                m.hinzu(zahl(rng));
            return m;
        };
        for (int i = 0; i < 100000; ++i) {
            d.reihen.push_back(reihe());
            d.reihenBytes.push_back(alsBytes(d.reihen.back()));
        }
        d.ziehung = reihe();
        d.ziehungBytes = alsBytes(d.ziehung);
        return d;
    }();
    return d;
}

// Naive: test every number 0..255 in both byte sets.
void BM_Treffer_Naiv(benchmark::State& state) {
    const Daten& d = daten();
    for (auto _ : state) {
        std::int64_t summe = 0;
        for (const Bytes32& r : d.reihenBytes) {
            int t = 0;
            for (int n = 0; n < 256; ++n)
                if (((r[n >> 3] >> (n & 7)) & 1u) && ((d.ziehungBytes[n >> 3] >> (n & 7)) & 1u))
                    ++t;
            summe += t;
        }
        benchmark::DoNotOptimize(summe);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(d.reihenBytes.size()));
}

void BM_Treffer_ZahlenMenge(benchmark::State& state) {
    const Daten& d = daten();
    for (auto _ : state) {
        std::int64_t summe = 0;
        for (const kb::ZahlenMenge& r : d.reihen)
            summe += r.treffer(d.ziehung);
        benchmark::DoNotOptimize(summe);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(d.reihen.size()));
}

} // namespace

BENCHMARK(BM_Treffer_Naiv)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Treffer_ZahlenMenge)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
