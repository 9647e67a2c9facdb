#pragma once

#include "core/row_table.h"
#include "platform/file_dialogs.h"
#include "platform/services.h"

#include <functional>

class QWidget;

namespace kb {

// The outputs every tip-row window offers. Both write on a worker thread from a copy of the
// table, report failures in the window and then call fertig (true when done).

// CSV file (see CSVSchreiben).
void CSVSpeichern(QWidget* fenster, Dienste& dienste, const ZellenTabelle& tabelle, const QString& pfad,
                  std::function<void(bool)> fertig = {});

// Workbook with the table's rows in a temporary file, opened in the spreadsheet program.
// Without such a program: the message that Excel is missing, and nothing else happens.
void ExcelExportieren(QWidget* fenster, Dienste& dienste, const ZellenTabelle& tabelle,
                      const QString& blattName, int letzteSpalte, std::function<void(bool)> fertig = {});

// "Als Spielschein speichern...": asks for a ".nkb" file and writes the table's rows with the
// Superzahl sz (-1 for none). A cell that is no number refuses before anything is written.
// Returns the file written, or an empty text when cancelled or refused.
QString AlsNormalscheinSpeichern(QWidget* fenster, Dienste& dienste, const ZellenTabelle& tabelle, int sz);

// The save dialog of the CSV output, starting in the data folder.
DateiDialogOptionen CSVSpeichernDialog();

} // namespace kb
