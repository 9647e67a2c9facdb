#pragma once

#include "records.h"
#include "result.h"

#include <QByteArray>
#include <QString>
#include <QVector>

namespace kb {

inline const QString GZDateiName = QStringLiteral("GZ.649");
inline const QString GZSicherungName = QStringLiteral("GZ.649.bak");

// Reads the draw history: records in file order, never validated; a trailing partial
// record is ignored. A missing file is an empty history, not an error.
Result<QVector<TGewZahlen>> GZDateiLesen(const QString& pfad);

// Writes every record in array order. The old file is replaced only when the new one is
// complete, so a failed save leaves the previous history untouched.
Status GZDateiSchreiben(const QString& pfad, const QVector<TGewZahlen>& gewZahlen);

// Whether bytes from elsewhere (a download) look like a draw history at all: at least one
// record, a whole number of records, whole-number dates between 1950 and 2199, six numbers
// 1 to 49 each. The Superzahl byte is not checked (old draws store "unknown").
Status GZInhaltPruefen(const QByteArray& daten);

} // namespace kb
