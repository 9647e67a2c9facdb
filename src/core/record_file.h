#pragma once

#include "result.h"

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <QString>
#include <QVector>

namespace kb {

// Reads a whole file. A missing file is reported as such so callers can treat it as empty.
struct DateiInhalt {
    bool vorhanden = false;
    QByteArray daten;
};
Result<DateiInhalt> DateiLesen(const QString& pfad);
// The same for a file the caller asked for by name: missing is an error here.
Result<QByteArray> VorhandeneDateiLesen(const QString& pfad);

// Writes through a temporary file in the same folder renamed over the target:
// a failed save never leaves a truncated file.
Status DateiSchreibenAtomar(const QString& pfad, const QByteArray& daten);

// Plain sequence of fixed-size records; a trailing partial record is ignored.
template <class R> QVector<R> RecordsAusBytes(const QByteArray& daten) {
    QVector<R> r;
    const qsizetype n = daten.size() / R::Groesse;
    r.reserve(n);
    for (qsizetype i = 0; i < n; ++i)
        r.push_back(R::lesen(daten.constData() + i * R::Groesse));
    return r;
}

template <class R, class Container> QByteArray RecordsZuBytes(const Container& records) {
    QByteArray b(static_cast<qsizetype>(records.size()) * R::Groesse, '\0');
    qsizetype i = 0;
    for (const R& rec : records)
        rec.schreiben(b.data() + (i++) * R::Groesse);
    return b;
}

} // namespace kb
