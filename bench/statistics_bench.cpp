// Combination statistics over the full bundled history (5031 draws): quadruple favourites
// with both lists, by the subsets of each draw against every entry tested against every
// draw; and creating the statistics window, beside the plain pair favourites it replaces.
#include "core/draw_history.h"
#include "core/program_state.h"
#include "evaluation/window_router.h"
#include "platform/testing/test_services.h"
#include "statistics/combination_statistics.h"
#include "statistics/draw_changes.h"
#include "statistics/number_statistics.h"
#include "statistics/statistics_window.h"
#include "systems/combinatorics.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

const QVector<kb::TGewZahlen>& historie() {
    static const QVector<kb::TGewZahlen> h =
        kb::GZDateiLesen(QStringLiteral(KB_DATENSATZ_DIR "/GZ.649")).wert();
    return h;
}

const kb::ZahlenStatistik& stat() {
    static kb::ZahlenStatistik s = [] {
        kb::ZahlenStatistik x;
        kb::StatistikStart(x, historie());
        return x;
    }();
    return s;
}

void BM_Viererfavoriten(benchmark::State& state) {
    const auto& mengen = stat().mengen[kb::KategorieAlle];
    const kb::KombiTabelle& t = kb::KombiTabelleFuer(4);
    for (auto _ : state) {
        kb::KombiFavoriten f = kb::KombinationenFavoriten(t, mengen, 0, static_cast<int>(mengen.size()) - 1);
        benchmark::DoNotOptimize(f.haeufigste.data());
    }
}

// As first described: every entry intersected with every draw, then the table scanned once
// per count value for each list.
kb::KombiFavoriten favoritenNaiv(const kb::KombiTabelle& t, const QVector<kb::ZahlenMenge>& mengen) {
    kb::KombiFavoriten f;
    f.anzahl.assign(static_cast<std::size_t>(t.anzahl()), 0);
    for (int e = 0; e < t.anzahl(); ++e) {
        const kb::ZahlenMenge m = kb::MaskeZuMenge(t.maske(e));
        std::uint32_t c = 0;
        for (const kb::ZahlenMenge& d : mengen)
            c += d.schnitt(m) == m ? 1 : 0;
        f.anzahl[static_cast<std::size_t>(e)] = c;
    }
    const auto [lo, hi] = std::minmax_element(f.anzahl.begin(), f.anzahl.end());
    for (long long m = *hi; m >= *lo && f.haeufigste.size() <= kb::FavoritenMindestens; --m)
        for (int e = 0; e < t.anzahl(); ++e)
            if (f.anzahl[static_cast<std::size_t>(e)] == m)
                f.haeufigste.append({e, static_cast<int>(m)});
    for (long long m = *lo; m <= *hi && f.seltenste.size() <= kb::FavoritenMindestens; ++m)
        for (int e = 0; e < t.anzahl(); ++e)
            if (f.anzahl[static_cast<std::size_t>(e)] == m)
                f.seltenste.append({e, static_cast<int>(m)});
    return f;
}

void BM_Viererfavoriten_Naiv(benchmark::State& state) {
    const auto& mengen = stat().mengen[kb::KategorieAlle];
    for (auto _ : state) {
        kb::KombiFavoriten f = favoritenNaiv(kb::KombiTabelleFuer(4), mengen);
        benchmark::DoNotOptimize(f.haeufigste.data());
    }
}

void BM_StatistikFenster(benchmark::State& state) {
    kb::zustand().GewZahlen = historie();
    kb::GewZahlenGeaendert(true);
    kb::test::TestDienste d;
    kb::Fensterverwaltung router;
    for (auto _ : state) {
        auto* w = new kb::TFStatistik(d.dienste, router);
        benchmark::DoNotOptimize(w);
        delete w;
    }
}

// The pair favourites of the three categories that the window's creation runs, the plain way.
void BM_StatistikFenster_PaareNaiv(benchmark::State& state) {
    for (auto _ : state)
        for (const auto& mengen : stat().mengen) {
            kb::KombiFavoriten f = favoritenNaiv(kb::KombiTabelleFuer(2), mengen);
            benchmark::DoNotOptimize(f.haeufigste.data());
        }
}

} // namespace

BENCHMARK(BM_Viererfavoriten)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Viererfavoriten_Naiv)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_StatistikFenster)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StatistikFenster_PaareNaiv)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    kb::zustand().LandesFormat = QLocale(QLocale::German, QLocale::Germany);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
