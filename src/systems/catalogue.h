#pragma once

// The system catalogue: built-in and generated play systems, their rows and their texts.

#include "catalogue_table.h"
#include "combinatorics.h"

#include <QString>

#include <cstdint>
#include <span>
#include <vector>

namespace kb {

// The catalogue; empty until SystemeAufbauen has run.
const std::vector<TSysteme>& Systeme();

// Builds the catalogue with the given limit of rows for the generated full systems and
// returns its length (437 for MaxSystemreihen). Safe to call again: it starts afresh.
int SystemeAufbauen(int zeilenLimit = MaxSystemreihen);

// The catalogue entry at a position, or nullptr outside the catalogue.
const TSysteme* SystemAn(int position);

// The slip system with the given code 1..18, or nullptr for any other code (codes come from files).
const TScheinSystem* ScheinSystemFuerCode(int code);

// Rows of a built-in system: RG x TR position numbers, row after row; empty for other positions.
std::span<const std::uint8_t> SystemReihen(int position);

// Position number at place j (1..r) of row i (1..TR) of built-in system s, read as byte
// r * (i - 1) + j - 1 of its rows; 0 when that lies outside the system's rows.
std::uint8_t SystemZahl(int s, int r, int i, int j);

// The rows of any catalogue system as bit masks over the positions 1..WZ: the stored rows of a
// built-in system, all RG-subsets in lexicographic order for a generated full system.
std::vector<Zahlenmaske> SystemReihenMasken(int position);

// GA-subsets of 1..WZ that no stored row of a built-in system holds (0: guarantee realised).
// Known when the program is built; generated full systems always give 0.
int SystemLuecken(int position);

// One-line text of the filter list, e.g. "10 Wahlzahlen ohne BZ in 15 Reihen mit 3er Garantie".
QString SystemKurztext(int position, int bankzahlen);

// Description of a chosen system; sentences are separated by one carriage return.
QString SystemBeschreibung(int position);

} // namespace kb
