// The text transfer of 100 000 pasted lines into the ticket table, and the duplicate check:
// ours against the plain forms that work on the whole text and compare every pair of lines.
#include "core/row_table.h"
#include "entry/text_import.h"

#include <QStringList>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

namespace {

// Lines as pasted from an e-mail: "Feld n:" + tab + six numbers separated by blanks.
QStringList text(int zeilen) {
    std::mt19937 rng(4711);
    std::vector<int> zahlen(49);
    std::iota(zahlen.begin(), zahlen.end(), 1);
    QStringList t;
    for (int i = 0; i < zeilen; ++i) {
        std::shuffle(zahlen.begin(), zahlen.end(), rng);
        QString zeile = QStringLiteral("Feld %1:\t").arg(i + 1);
        for (int p = 0; p < 6; ++p)
            zeile +=
                (p ? QStringLiteral(" ") : QString()) + QString::number(zahlen[static_cast<std::size_t>(p)]);
        t.append(zeile);
    }
    return t;
}

// Naive transfer: every step on the whole text as a text field holds it, lines split out
// again for each step; rows written cell by cell as texts into a string grid.
std::size_t uebertragenNaiv(const QStringList& eingabe) {
    QString memo = eingabe.join(QLatin1Char('\n'));
    QStringList zeilen = memo.split(QLatin1Char('\n'));
    for (qsizetype i = zeilen.size() - 1; i >= 0; --i) {
        zeilen[i] = zeilen[i].trimmed();
        if (zeilen[i].isEmpty())
            zeilen.removeAt(i);
    }
    memo = zeilen.join(QLatin1Char('\n'));
    memo.remove(QChar(0xA0));
    zeilen = memo.split(QLatin1Char('\n'));
    if (zeilen.value(0).contains(QLatin1String("Feld 1:\t")))
        for (QString& z : zeilen)
            z = z.mid(z.indexOf(QLatin1Char('\t')) + 1);
    memo = zeilen.join(QLatin1Char('\n'));
    memo.replace(QLatin1Char('\t'), QLatin1Char(','));
    while (memo.contains(QLatin1String("  ")))
        memo.replace(QLatin1String("  "), QLatin1String(" "));
    memo.replace(QLatin1Char(';'), QLatin1Char(','));
    memo.replace(QLatin1String(" ,"), QLatin1String(","));
    memo.replace(QLatin1String(", "), QLatin1String(","));
    memo.replace(QLatin1String(",,"), QLatin1String(","));
    memo.replace(QLatin1Char(' '), QLatin1Char(','));
    zeilen = memo.split(QLatin1Char('\n'));
    std::vector<std::vector<int>> reihen;
    for (const QString& z : zeilen) {
        const QStringList teile = (z.endsWith(QLatin1Char(',')) ? z.chopped(1) : z).split(QLatin1Char(','));
        if (teile.size() != 6)
            return 0;
        std::vector<int> r;
        for (const QString& t : teile)
            r.push_back(t.toInt());
        reihen.push_back(r);
    }
    for (const auto& r : reihen)
        for (int i = 0; i < 6; ++i)
            for (int j = i + 1; j < 6; ++j)
                if (r[i] < 1 || r[i] > 49 || r[i] == r[j])
                    return 0;
    std::vector<QStringList> gitter;
    for (std::size_t p = 0; p < reihen.size(); ++p) {
        QStringList zeile(7);
        zeile[0] = QString::number(p + 1);
        for (int i = 0; i < 6; ++i) {
            int kleiner = 0;
            for (int j = 0; j < 6; ++j)
                kleiner += reihen[p][j] < reihen[p][i];
            zeile[1 + kleiner] = QString::number(reihen[p][i]);
        }
        gitter.push_back(zeile);
    }
    return gitter.size();
}

void BM_Uebertragen_Naiv(benchmark::State& state) {
    const QStringList t = text(100'000);
    for (auto _ : state)
        benchmark::DoNotOptimize(uebertragenNaiv(t));
    state.SetItemsProcessed(state.iterations() * t.size());
}

void BM_Uebertragen_ReihenAusText(benchmark::State& state) {
    const QStringList t = text(100'000);
    for (auto _ : state) {
        const kb::TextUebertragung r =
            kb::ReihenAusText(t, [](const QStringList&) { return kb::LeerzeichenWahl::Trennen; });
        kb::TippreihenDaten tabelle(50);
        kb::ReihenInTabelle(tabelle, r.reihen, true);
        benchmark::DoNotOptimize(tabelle.zeilenAnzahl());
    }
    state.SetItemsProcessed(state.iterations() * t.size());
}

constexpr int PruefZeilen = 20'000;

// Naive duplicate check: every line against every later one, as sets of numbers.
void BM_Dopplungen_Naiv(benchmark::State& state) {
    QStringList t = text(PruefZeilen);
    for (QString& z : t)
        z = z.mid(z.indexOf(QLatin1Char('\t')) + 1);
    for (auto _ : state) {
        std::vector<kb::ZahlenMenge> mengen;
        for (const QString& z : t) {
            kb::ZahlenMenge m;
            for (const QString& teil : z.split(QLatin1Char(' ')))
                m.hinzu(teil.toInt());
            mengen.push_back(m);
        }
        int doppelt = 0;
        for (std::size_t n = 0; n < mengen.size(); ++n)
            for (std::size_t f = n + 1; f < mengen.size(); ++f)
                if (!mengen[n].leer() && mengen[n] == mengen[f]) {
                    mengen[f].leeren();
                    ++doppelt;
                }
        benchmark::DoNotOptimize(doppelt);
    }
    state.SetItemsProcessed(state.iterations() * PruefZeilen);
}

void BM_Dopplungen_DopplungenPruefen(benchmark::State& state) {
    const QStringList t = text(PruefZeilen);
    for (auto _ : state)
        benchmark::DoNotOptimize(kb::DopplungenPruefen(t, true).zeilen.size());
    state.SetItemsProcessed(state.iterations() * PruefZeilen);
}

} // namespace

BENCHMARK(BM_Uebertragen_Naiv)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Uebertragen_ReihenAusText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Dopplungen_Naiv)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Dopplungen_DopplungenPruefen)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
