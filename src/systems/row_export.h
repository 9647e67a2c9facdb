#pragma once

#include "core/result.h"
#include "core/row_table.h"
#include "core/sheet.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

namespace kb {

// Refusal when no spreadsheet program can take the export.
inline const QString ExcelFehltText = QStringLiteral(
    "Excel ist nicht auf Ihrem Rechner installiert, der Export daher nicht möglich.\r\rIch breche ab.");

// Cells joined by ",": a cell holding a blank, a control character, a double quote or a comma
// is quoted with inner quotes doubled; a line of one empty cell reads "".
QString KommaZeile(const QStringList& zellen);

// Text as the single-byte Windows code page 1252; characters it lacks become '?'.
QByteArray Windows1252(const QString& text);

// The CSV file of a tip-row table: data rows 1..last, columns 1.. as long as row 1 is filled,
// Windows-1252, every line ended by CR LF, no byte-order mark.
QByteArray CSVText(const ZellenTabelle& tabelle);
// Writes the CSV file through a temporary file: a failure keeps any old file.
Status CSVSchreiben(const ZellenTabelle& tabelle, const QString& pfad);

// Column letters: 1 -> "A", 26 -> "Z", 27 -> "AA".
QString SpaltenName(int spalte);

// The sheet handed to the spreadsheet program: range A1 to (columns, rows of the table);
// data rows 1..R-1 of columns 1..letzteSpalte as text with a leading no-break space so that
// the program keeps them as text; all else empty.
Result<ExportBlatt> ExcelExport(std::shared_ptr<const ZellenTabelle> tabelle, const QString& blattName,
                                int letzteSpalte);

} // namespace kb
