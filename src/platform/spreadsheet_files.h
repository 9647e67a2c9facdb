#pragma once

#include "core/result.h"
#include "core/sheet.h"

#include <QString>

namespace kb {

// One-sheet .xlsx workbook (libxlsxwriter): every cell of the range as text, columns as wide
// as their longest text. A failed write leaves no file behind.
Status XlsxSchreiben(const QString& pfad, const ExportBlatt& blatt);

// First worksheet of a workbook; the format is taken from the file's content, not its name:
// .xlsx/.xlsm (zip + XML), .ods (zip + XML), .xls (BIFF, libfreexl).
Result<Tabellenblatt> TabelleLesen(const QString& pfad);

// Cell number as text: whole numbers plainly, others with the locale's decimal separator.
QString TabellenZahl(double wert);

} // namespace kb
