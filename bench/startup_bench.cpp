// Start-up to the visible main window with the full bundled history, and the resident memory
// once every window of the program has been opened. Naive beside ours: a program that creates
// every window at start instead of on demand.
#include "core/program_state.h"
#include "evaluation/startup.h"
#include "platform/paths.h"
#include "platform/qt_help.h"
#include "platform/testing/test_services.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// The data folder as after the first download: full history, quotas, demo tickets.
void datenOrdnerFuellen() {
    const kb::Pfade p = kb::pfadeErmitteln();
    kb::datenOrdnerAnlegen(p.datenPfad);
    for (const QString& datei :
         {QStringLiteral("GZ.649"), QStringLiteral("Quo.649"), QStringLiteral("Demo-Normalschein.nkb"),
          QStringLiteral("Demo-Systemschein.skb")}) {
        QFile::remove(p.datenPfad + datei);
        QFile::copy(QStringLiteral(KB_DATENSATZ_DIR "/") + datei, p.datenPfad + datei);
    }
}

// A field of /proc/self/status in MB ("VmHWM", "VmRSS").
double statusMB(const char* feld) {
    std::FILE* f = std::fopen("/proc/self/status", "r");
    if (!f)
        return -1;
    char zeile[256];
    double kb = -1;
    const size_t n = std::strlen(feld);
    while (std::fgets(zeile, sizeof zeile, f))
        if (std::strncmp(zeile, feld, n) == 0 && zeile[n] == ':')
            kb = std::strtod(zeile + n + 1, nullptr);
    std::fclose(f);
    return kb / 1024.0;
}

struct Lauf {
    kb::test::TestDienste d;
    std::unique_ptr<kb::Programmstart> start;
    std::unique_ptr<kb::HilfeBetrachter> hilfe;

    Lauf() {
        kb::zustand() = kb::Programmzustand{};
        d.uhr.zeit = QDateTime(QDate(2026, 7, 23), QTime(10, 0));
        start = std::make_unique<kb::Programmstart>(d.dienste);
    }
    // Start window, long-lived windows, then the main window shown and painted.
    void bisHauptfenster() {
        start->ausfuehren();
        start->startfenster()->hide();
        start->hauptfenster()->show();
        QApplication::processEvents();
    }
    // Every window the program has, each shown once, the help viewer included.
    void alleFenster() {
        for (QWidget* w : start->router().alleFenster())
            w->show();
        for (const QString& name : start->router().registrierteNamen())
            start->router().oeffne(name);
        hilfe = std::make_unique<kb::HilfeBetrachter>(QStringLiteral(KB_HILFE_QHC));
        hilfe->show();
        QApplication::processEvents();
    }
};

void BM_Start_BisHauptfenster(benchmark::State& state) {
    qsizetype ziehungen = 0;
    for (auto _ : state) {
        auto lauf = std::make_unique<Lauf>();
        lauf->bisHauptfenster();
        ziehungen = kb::zustand().GewZahlen.size();
        state.PauseTiming();
        lauf.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["Ziehungen"] = static_cast<double>(ziehungen);
}

void BM_Start_Naiv_AlleFensterSofort(benchmark::State& state) {
    for (auto _ : state) {
        auto lauf = std::make_unique<Lauf>();
        lauf->bisHauptfenster();
        lauf->alleFenster();
        state.PauseTiming();
        lauf.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

// Runs first, in a fresh process, so the peak is this run's.
void BM_Speicher_AlleFensterGeoeffnet(benchmark::State& state) {
    for (auto _ : state) {
        Lauf lauf;
        lauf.bisHauptfenster();
        state.counters["RSS_Hauptfenster_MB"] = statusMB("VmRSS");
        lauf.alleFenster();
        state.counters["RSS_MB"] = statusMB("VmRSS");
        state.counters["HWM_MB"] = statusMB("VmHWM");
    }
}

} // namespace

BENCHMARK(BM_Speicher_AlleFensterGeoeffnet)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Start_BisHauptfenster)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Start_Naiv_AlleFensterSofort)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    // A throw-away data folder and help cache; nothing of the user's is read or written.
    QTemporaryDir heim;
    qputenv("XDG_DATA_HOME", QFile::encodeName(heim.filePath(QStringLiteral("daten"))));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(heim.filePath(QStringLiteral("cache"))));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    datenOrdnerFuellen();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
