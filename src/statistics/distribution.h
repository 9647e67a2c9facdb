#pragma once

#include "core/lotto.h"
#include "core/result.h"
#include "core/row_table.h"

#include <QString>

#include <array>

namespace kb {

// How often each number 1..49 occurs in the number columns of a tip-row table.
struct Verteilung {
    std::array<int, MaxZahl + 1> anzahl{}; // index 1..49
    int zeilen = 0;                        // data rows counted
};

// Counts rows 1..last, columns 1..6. An empty table (cell 1,1 empty) and a cell that holds
// no whole number are refused with their messages; numbers outside 1..49 are not counted.
Result<Verteilung> TippzahlenZaehlen(const ZellenTabelle& tabelle);

enum class KachelFarbe { Standard, Rot, Gruen };
struct Kachel {
    QString text;
    KachelFarbe farbe = KachelFarbe::Standard;
};
// A number in no row: empty and red; in every row: green; otherwise its count.
Kachel VerteilungsKachel(int anzahl, int zeilen);

// The numbers ascending by count, equal counts in ascending order of the number.
std::array<int, MaxZahl> AufsteigendNachAnzahl(const std::array<int, MaxZahl + 1>& anzahl);

} // namespace kb
