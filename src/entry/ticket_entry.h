#pragma once

#include "core/ini_file.h"
#include "core/result.h"
#include "core/row_table.h"
#include "core/sheet.h"
#include "core/ticket_file.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

namespace kb {

// The work of the normal ticket entry window, apart from the text import.

// Lines of the text field; a final line break does not start another line.
QStringList MemoZeilen(const QString& text);
QString MemoText(const QStringList& zeilen); // every line ended by a line break

// A click on number n of the pad: the last line gets n and a comma, or n and a line break
// when it already holds six pieces.
QString ZahlAnhaengen(const QString& text, int zahl);
// Appends lines after the text, each as a line of its own.
QString ZeilenAnhaengen(const QString& text, const QStringList& zeilen);

// The rows of the ticket table for saving: every cell of columns 1..6 must hold a number
// 1..49 (conversion error or range message otherwise; nothing is written then).
Result<QVector<Tippreihe>> ScheinReihen(const ZellenTabelle& tabelle);

// Readers of the import table.
TippreihenDaten ScheinAlsTabelle(const NormalScheinDatei& schein);
// CSV text: empty lines and lines of two double quotes skipped, every comma separates.
// A line of more values than a worksheet has columns is refused: that is no file of tip rows.
Result<TippreihenDaten> CSVAlsTabelle(const QByteArray& daten, const QString& pfad);
// The sheet's first row lands in table row 1; columns as far as the sheet's last used cell.
TippreihenDaten BlattAlsTabelle(const Tabellenblatt& blatt);
// The import table as text lines, cells in comma-text form. Refused when cell (1, 1) is empty.
Result<QStringList> TabelleAlsZeilen(const ZellenTabelle& tabelle);

// Settings of the window, section "Eingabe".
struct EingabeEinstellungen {
    bool ueberschreiben = true; // RG1a; otherwise append (RG1b)
    int schriftgroesse = 10;
};
inline constexpr int SchriftMin = 6;
inline constexpr int SchriftMax = 12;
// Reads over the current values; without a settings file nothing changes.
EingabeEinstellungen EingabeEinstellungenLesen(const IniDatei& ini, EingabeEinstellungen aktuell);
void EingabeEinstellungenSchreiben(IniDatei& ini, const EingabeEinstellungen& e);

} // namespace kb
