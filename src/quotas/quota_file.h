#pragma once

#include "core/records.h"
#include "core/result.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <array>

namespace kb {

inline const QString QuoDateiName = QStringLiteral("Quo.649");

// Headings of the prize classes 1..9 (index 0 empty), blanks included: the quota editor
// lines its columns up with them.
extern const QStringList QuotenKlassenTexte;

// Mean quotas for draws without a known real quota, one row per period of draws.
struct StandardquotenZeile {
    TDate ab = 0;             // first draw date of the period
    std::array<Geld, 10> q{}; // q[1..9]; 0 where the period has no such amount
};
// Newest period first: from 23.09.2020, from 08.09.2010, before 08.09.2010.
extern const std::array<StandardquotenZeile, 3> Standardquoten;

// The period row that applies to a draw date.
const StandardquotenZeile& StandardquotenFuer(TDate datum);

// Reads all 80-byte records in file order; a trailing partial record is ignored and
// nothing is validated. A missing file yields no records (vorhanden = false).
struct QuotenDatei {
    bool vorhanden = false;
    QVector<TQuoten> quoten;
};
Result<QuotenDatei> QuotenDateiLesen(const QString& pfad);

// Loads into the list: replaced when the file exists, left as it is when it is missing
// or cannot be read.
Status QuotenListeLaden(const QString& pfad, QVector<TQuoten>& liste);

// Writes the records in order through a temporary file.
Status QuotenDateiSchreiben(const QString& pfad, const QVector<TQuoten>& quoten);

} // namespace kb
