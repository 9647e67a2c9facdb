#pragma once

#include "core/result.h"
#include "core/sheet.h"

#include <QString>

namespace kb {

// The spreadsheet program and workbook files: exports open in the user's spreadsheet
// program, imports read the first worksheet of a workbook.
class Spreadsheet {
public:
    virtual ~Spreadsheet() = default;
    // Some program on this computer opens .xlsx workbooks.
    virtual bool programmVorhanden() = 0;
    // Writes an .xlsx workbook with one sheet; safe to call from a worker thread.
    virtual Status schreiben(const QString& pfad, const ExportBlatt& blatt) = 0;
    // Opens a workbook in the associated program; false when that failed.
    virtual bool oeffnen(const QString& pfad) = 0;
    // The first worksheet of an .xlsx, .ods or .xls file; safe to call from a worker thread.
    virtual Result<Tabellenblatt> lesen(const QString& pfad) = 0;
};

} // namespace kb
