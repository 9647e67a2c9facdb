#pragma once

#include "core/ticket_file.h"
#include "period_evaluation.h"

#include <QString>
#include <QVector>

namespace kb {

// A field of a system ticket as the tab shows it.
struct FeldAnsicht {
    int code = 0;
    bool gueltig = false;     // known slip system and its numbers six-or-more different 1..49
    QString systemName;       // "008", "10/30", or "ungültiges System"
    int reihenAnzahl = 0;     // TR of the slip system (0 when invalid)
    QVector<std::uint8_t> zahlen; // the field's numbers as stored (the first WZ of them when valid)
    QVector<Tippreihe> reihen;    // expanded rows, each ascending; empty when invalid
};

inline const QString UngueltigesSystem = QStringLiteral("ungültiges System");

// Expands one stored field: full systems into every 6-subset of the field's numbers in
// lexicographic order, reduced systems through the rows of their catalogue system.
FeldAnsicht FeldAufloesen(const TSySSchein& feld);

// The fields a tab shows: the first six of the file, each expanded.
QVector<FeldAnsicht> FelderAufloesen(const SystemScheinDatei& schein);

// Notes when a ticket file holds nothing to evaluate; dateiname without folder.
QString KeineTippreihenText(const QString& dateiname);
QString KeineSystemfelderText(const QString& dateiname);
QString KeineScheinDateiText(const QString& dateiname);

// The rows of a ticket prepared for matching; invalid rows and fields take no part.
AuswertungsSchein NormalscheinAlsAuswertung(const NormalScheinDatei& schein);
AuswertungsSchein SystemscheinAlsAuswertung(int sz, const QVector<FeldAnsicht>& felder);

} // namespace kb
