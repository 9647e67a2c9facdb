#pragma once

#include "records.h"
#include "result.h"

#include <QString>
#include <QVector>

#include <array>
#include <cstdint>

namespace kb {

enum class ScheinArt { Normal, System, Unbekannt };

inline const QString NormalscheinEndung = QStringLiteral("nkb");
inline const QString SystemscheinEndung = QStringLiteral("skb");

// By extension only, without regard to case: ".nkb" normal, ".skb" system.
ScheinArt ScheinArtVon(const QString& pfad);

struct NormalScheinDatei {
    int SZ = -1; // Superzahl of the ticket from the first record, -1 = none
    QVector<TNormalSchein> reihen;
};

struct SystemScheinDatei {
    static constexpr int MaxFelder = 6;
    int SZ = -1;
    QVector<TSySSchein> felder; // every record of the file; the slip has six fields
};

using Tippreihe = std::array<std::uint8_t, 6>;

// A field of a system slip to be written: slip system code and its numbers (sorted on writing).
struct SystemFeld {
    std::uint8_t code = 0;
    QVector<std::uint8_t> zahlen;
};

// Missing files are an error here: the caller asked for that file.
Result<NormalScheinDatei> NormalscheinLesen(const QString& pfad);
Result<SystemScheinDatei> SystemscheinLesen(const QString& pfad);

// sz: 0..9 or -1 for none; written into every record. Atomic: a failed save keeps the old file.
Status NormalscheinSchreiben(const QString& pfad, int sz, const QVector<Tippreihe>& reihen);
Status SystemscheinSchreiben(const QString& pfad, int sz, const QVector<SystemFeld>& felder);

// Six different numbers 1..49: only such rows take part in an evaluation.
bool ReiheGueltig(const Tippreihe& zahlen);

} // namespace kb
