#pragma once

#include "core/result.h"
#include "core/row_table.h"

#include <QLocale>
#include <QVector>

namespace kb {

// Sorts the data rows erste..letzte ascending by the key columns, the first key first.
// Cells compare as numbers: dots (thousands separators) removed, the rest read with the
// locale's decimal separator; an empty cell is the smallest positive value. Equal keys keep
// their order. Column 0 stays, so the row numbers still read 1, 2, 3 ... Errors
// ("Falsche Zeilenangabe", "Werte entsprechen nicht dem Typ Zahl") leave the table unchanged.
Status ReihenSortieren(ZellenTabelle& tabelle, const QVector<int>& schluesselSpalten, int ersteZeile,
                       int letzteZeile, const QLocale& locale = QLocale());

} // namespace kb
