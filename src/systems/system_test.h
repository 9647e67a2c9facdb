#pragma once

// The system test: for every k-subset of a system's positions, the largest intersection with
// any of its rows, counted per k and per size of that intersection.

#include "combinatorics.h"

#include <QLocale>
#include <QString>

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace kb {

// Sum of Binomial(n, k) for k = kmin..kmax; 0 when kmax < kmin.
std::int32_t KombiSumme(int n, int kmin, int kmax);
// tr times that sum, in 64 bits: the intersections the plain test performs.
std::int64_t Rechenoperationen(int tr, int n, int kmin, int kmax);
// count / total * 100 with two decimals and the locale's decimal separator ("12,50").
QString ProzentText(std::int64_t gesamt, std::int64_t anzahl, const QLocale& locale = QLocale());

// Smallest number of hits tested: 2, or more when the pool leaves too few numbers outside it.
int SystemTestKmin(int rg, int wz);

struct Trefferbild {
    int kmin = 2;
    int kmax = 0;
    // t[k][m]: k-subsets whose best row shares exactly m positions with them.
    std::array<std::array<std::int64_t, 7>, 7> t{};
    // Level k was counted completely (a stopped run leaves the later levels open).
    std::array<bool, 7> fertig{};
    bool abgebrochen = false;

    bool operator==(const Trefferbild&) const = default;
};

// What a test run needs; the run works on its own copy, so the window may change meanwhile.
struct SystemTestAuftrag {
    int RG = 0;
    int WZ = 0;
    std::vector<Zahlenmaske> reihen; // bit p = position p (1..WZ)
};

SystemTestAuftrag SystemTestAuftragFuer(int position);

// Called now and then with the number of subsets done (of KombiSumme(WZ, kmin, RG)).
using TestFortschritt = std::function<void(std::int64_t erledigt)>;

enum class TestVerfahren { Automatisch, Naiv, Rang };

// The test. Automatisch picks, per system, whichever method the cost estimate favours:
// the plain one (every k-subset against every row) for systems with very few rows, else the
// rank method, whose work grows with the number of subsets, not with subsets x rows.
// A set stop flag ends the run early; levels finished by then are kept.
Trefferbild SystemTesten(const SystemTestAuftrag& auftrag, const std::atomic<bool>* stopp = nullptr,
                         const TestFortschritt& fortschritt = {},
                         TestVerfahren verfahren = TestVerfahren::Automatisch);

// The result table of the test page as cell texts, [row][column]: row 0 and column 0 hold the
// headings; the line pair of k hits is rows 2k - 3 (counts) and 2k - 2 (percentages), the
// column of m Richtige is m + 1.
using G2Tabelle = std::array<std::array<QString, 8>, 11>;
G2Tabelle G2Fuellen();
// Writes the levels of a run; a stopped run shows the combinations of the level it was in.
void TrefferbildEintragen(G2Tabelle& g2, const Trefferbild& b, int wz, const QLocale& locale = QLocale());
enum class G2Farbe { Fest, Weiss, Gruen, Orange };
G2Farbe G2ZellFarbe(const G2Tabelle& g2, int spalte, int zeile);

// The method Automatisch would take.
TestVerfahren SystemTestVerfahrenWahl(const SystemTestAuftrag& auftrag);

} // namespace kb
