#pragma once

#include <QString>
#include <QVector>

namespace kb {

// One amount copied off a web page made ready for an amount field: currency words and
// blanks removed, points turned into commas when there is no comma, thousands points
// dropped when there is one. Empty when no amount is left ("unbesetzt").
QString QuoteBereinigen(const QString& text);

// The quota tool's sample: the quota table of one draw in line form.
QString QuotenBeispielText();

// The refusal of a text with nothing in it but blanks; empty when there is something to transfer.
QString QuotenTextFehlt(const QString& text);

struct QuotenFeldText {
    int klasse = 0; // 1..9
    QString text;   // may be empty: the field is then emptied
    bool operator==(const QuotenFeldText&) const = default;
};

struct QuotenImport {
    QString text; // the pasted text without empty lines and repeated blanks
    bool zeilenform = false;
    QVector<QuotenFeldText> felder; // in the order they are written
    QString fehler;                 // set when the import stopped; the fields before it still count
};

// Picks the nine quotas out of a pasted quota table. A text of at least 13 lines without
// tabs is read in line form (amount lines from the bottom up, at least three lines apart,
// ending in "0" or "€"); anything else in tab form (the first nine lines, the piece in the
// 1-based column `spalte`).
QuotenImport QuotenAusText(const QString& text, int spalte);

} // namespace kb
