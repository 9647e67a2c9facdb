#pragma once

#include "core/lotto.h"
#include "core/records.h"

#include <QString>
#include <QVector>

#include <array>

namespace kb {

// Draw categories: 0 both draw days (every draw), 1 Saturday, 2 Wednesday.
inline constexpr int KategorieAlle = 0;
inline constexpr int KategorieSamstag = 1;
inline constexpr int KategorieMittwoch = 2;
inline constexpr int KategorieAnzahl = 3;

// "Statistiken für Ziehungen am Samstag": the caption of a category's statistics.
QString KategorieTitel(int kategorie);

// Counts of the numbers 1..49 at index n - 1.
using Zahlenzaehler = std::array<int, MaxZahl>;
// The numbers 1..49 in some order.
using Zahlenfolge = std::array<int, MaxZahl>;

// What every draw statistic works on, rebuilt as a whole from the draw history.
struct ZahlenStatistik {
    // Per category the draws in history order; category 0 shares the history itself.
    std::array<QVector<TGewZahlen>, KategorieAnzahl> ziehungen;
    // Parallel to ziehungen: the six numbers of each draw as one set.
    std::array<QVector<ZahlenMenge>, KategorieAnzahl> mengen;
    // Row 1 Saturday and row 2 Wednesday counts; row 0 is their sum, so draws on other
    // weekdays are in category 0's lists but in no counter after StatistikStart.
    std::array<Zahlenzaehler, KategorieAnzahl> zaehler{};
};

// The statistics of the program's draw history; recomputed after every change of it.
ZahlenStatistik& statistik();

// Weekday 1 = Sunday ... 7 = Saturday of a stored date; 0 for a date that is no number.
int WochentagVon(TDate datum);

// Rebuilds lists, sets and all counter rows from the history.
void StatistikStart(ZahlenStatistik& s, const QVector<TGewZahlen>& gewZahlen);

// Recounts the category's draws von..bis (inclusive, clipped to the list) into its counter
// row and returns that row; bis < von gives all zeros.
const Zahlenzaehler& TeilStatistik(ZahlenStatistik& s, int von, int bis, int kategorie);

// Absence at the end of the stretch von..bis of a category.
struct Abwesenheit {
    Zahlenzaehler luecke{};    // draws since the last occurrence of n (index n - 1)
    Zahlenfolge reihenfolge{}; // numbers by gap, largest first, equal gaps ascending
};
Abwesenheit Ausgeblieben(const ZahlenStatistik& s, int von, int bis, int kategorie);

// The numbers in ascending order of their count, equal counts in ascending order of the number.
Zahlenfolge NachAnzahlOrdnen(const Zahlenzaehler& zaehler);

} // namespace kb
