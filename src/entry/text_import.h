#pragma once

#include "core/row_table.h"
#include "core/ticket_file.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

namespace kb {

enum class MeldungsArt { Keine, Fehler, Information };
struct Meldung {
    MeldungsArt art = MeldungsArt::Keine;
    QString text;
};

enum class LeerzeichenWahl { Trennen, Entfernen, Abbrechen };
// Asked when blanks remain after cleaning; gets the text as cleaned so far.
using LeerzeichenFrage = std::function<LeerzeichenWahl(const QStringList& bisher)>;

extern const QString LeerzeichenFrageText;

struct TextUebertragung {
    QStringList zeilen;        // the text field's lines, cleaned as far as the transfer got
    Meldung meldung;           // the error that stopped it, if any
    bool abgebrochen = false;  // cancelled at the blank question (no message)
    QVector<Tippreihe> reihen; // every row, numbers ascending, when all rows passed
    bool ok() const { return meldung.art == MeldungsArt::Keine && !abgebrochen; }
};

// Cleans the lines of the text field into one comma-separated row per line ("Feld 1:"/"Tipp 1:"
// prefixes, tabs, semicolons, blanks) and checks every row: six numbers, each 1..49, no repeats.
TextUebertragung ReihenAusText(QStringList zeilen, const LeerzeichenFrage& frage);

// The row before the first row whose column 1 is empty (0 if row 1 is; the last row if none is).
int LetzteGefuellteZeile(const ZellenTabelle& tabelle);
// Writes the rows from row 1 (overwrite) or after the last filled row (append); the table
// then ends after the new rows.
void ReihenInTabelle(TippreihenDaten& tabelle, const QVector<Tippreihe>& reihen, bool ueberschreiben);

struct Dopplungspruefung {
    QStringList zeilen; // the text field's lines afterwards
    Meldung meldung;
};
// Lines holding the same numbers as an earlier line (in any order): deleted (loeschen) or the
// first such pair reported.
Dopplungspruefung DopplungenPruefen(QStringList zeilen, bool loeschen);

// Shared steps, exposed for the tests.
// Trims blanks and control characters from every line and deletes the empty ones.
void ZeilenVorbereiten(QStringList& zeilen);
// "Feld 1:" + tab (or "Tipp 1" + tab) in the first line: every line loses the text up to its first tab.
void PraefixEntfernen(QStringList& zeilen, const QString& wort);
// The pieces of a line split at the separator and at runs of blanks or control characters;
// quoted pieces lose their quotes, doubled or trailing separators give empty pieces.
QStringList GetrennteTeile(QStringView zeile, QChar trenner);

} // namespace kb
