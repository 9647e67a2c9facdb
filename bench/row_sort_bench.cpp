// Sorting a tip-row table of a million rows by its six number columns: our packed radix sort
// against the plain comparison sort that converts the cell texts at every comparison.
#include "core/row_table.h"
#include "systems/row_sort.h"

#include <QLocale>
#include <QStringList>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

namespace {

constexpr int Reihen = 1'000'000;

const std::vector<kb::Tippreihe>& reihen() {
    static const std::vector<kb::Tippreihe> r = [] {
        std::vector<kb::Tippreihe> v;
        std::mt19937 rng(4711);
        std::vector<std::uint8_t> zahlen(49);
        std::iota(zahlen.begin(), zahlen.end(), std::uint8_t{1});
        for (int i = 0; i < Reihen; ++i) {
            std::shuffle(zahlen.begin(), zahlen.end(), rng);
            kb::Tippreihe t{};
            std::copy_n(zahlen.begin(), 6, t.begin());
            std::sort(t.begin(), t.end());
            v.push_back(t);
        }
        return v;
    }();
    return r;
}

// Naive: the grid as rows of cell texts; every comparison converts the key cells
// (dots removed, locale number format) and the sort swaps whole rows of strings.
void BM_Sortieren_Naiv(benchmark::State& state) {
    const QLocale locale(QLocale::German, QLocale::Germany);
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<QStringList> gitter;
        gitter.reserve(Reihen);
        for (int i = 0; i < Reihen; ++i) {
            QStringList zeile{QString::number(i + 1)};
            for (std::uint8_t z : reihen()[static_cast<std::size_t>(i)])
                zeile.append(QString::number(z));
            gitter.push_back(zeile);
        }
        state.ResumeTiming();
        const auto wert = [&](const QString& zelle) {
            QString t = zelle;
            t.remove(QLatin1Char('.'));
            return t.isEmpty() ? 3.36e-308 : locale.toDouble(t);
        };
        std::sort(gitter.begin(), gitter.end(), [&](const QStringList& a, const QStringList& b) {
            for (int s = 1; s <= 6; ++s) {
                const double x = wert(a[s]), y = wert(b[s]);
                if (x != y)
                    return x < y;
            }
            return false;
        });
        benchmark::DoNotOptimize(gitter.data());
    }
    state.SetItemsProcessed(state.iterations() * Reihen);
}

void BM_Sortieren_ReihenSortieren(benchmark::State& state) {
    const QLocale locale(QLocale::German, QLocale::Germany);
    for (auto _ : state) {
        state.PauseTiming();
        kb::TippreihenDaten t(Reihen + 1);
        for (int i = 0; i < Reihen; ++i)
            t.setzeReihe(i + 1, reihen()[static_cast<std::size_t>(i)]);
        state.ResumeTiming();
        const kb::Status s = kb::ReihenSortieren(t, {1, 2, 3, 4, 5, 6}, 1, Reihen, locale);
        benchmark::DoNotOptimize(s.ok());
    }
    state.SetItemsProcessed(state.iterations() * Reihen);
}

} // namespace

BENCHMARK(BM_Sortieren_Naiv)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Sortieren_ReihenSortieren)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_MAIN();
