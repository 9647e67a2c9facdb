#pragma once

// The user files the program saves, each written the way the program writes it: an old,
// small version first, then a larger new one that the fault is to stop.
#include "core/draw_history.h"
#include "core/ini_file.h"
#include "core/program_state.h"
#include "core/ticket_file.h"
#include "evaluation/draw_management.h"
#include "printing/slip_format.h"
#include "quotas/quota_file.h"

#include <QStringList>

namespace faults {

inline const QStringList Dateien = {
    kb::GZDateiName,  QStringLiteral("Schein.nkb"),   QStringLiteral("Schein.skb"),
    kb::QuoDateiName, QStringLiteral("Schein.awadr"), kb::EinstellungenDatei};

inline kb::TGewZahlen ziehung(int i) {
    kb::TGewZahlen z;
    z.datum = 45000 + 3 * i;
    z.GZ = {1, 2, 3, 4, 5, static_cast<std::uint8_t>(6 + i % 40)};
    z.SZ = static_cast<std::uint8_t>(i % 10);
    return z;
}

// The draw history as the main window holds it: 100 draws in memory and on disk.
inline QVector<kb::TGewZahlen> alteZiehungen() {
    QVector<kb::TGewZahlen> z;
    for (int i = 0; i < 100; ++i)
        z.append(ziehung(i));
    return z;
}

// Writes the version of the file named by pfad's file name. For the draw history, gewZahlen
// is the history in memory; adding a draw must leave it as it was when the save fails.
inline kb::Status speichern(const QString& pfad, bool neu, QVector<kb::TGewZahlen>& gewZahlen) {
    using namespace kb;
    const QString name = pfad.section(QLatin1Char('/'), -1);
    const int n = neu ? 200 : 2;
    if (name == GZDateiName) {
        if (!neu)
            return GZDateiSchreiben(pfad, gewZahlen);
        return ZiehungSpeichern(gewZahlen, gewZahlen.size(), ziehung(500), pfad);
    }
    if (name.endsWith(QLatin1String(".nkb"))) {
        QVector<Tippreihe> reihen;
        for (int i = 0; i < n; ++i)
            reihen.append({1, 2, 3, 4, 5, static_cast<std::uint8_t>(6 + i % 40)});
        return NormalscheinSchreiben(pfad, neu ? 7 : 3, reihen);
    }
    if (name.endsWith(QLatin1String(".skb"))) {
        QVector<SystemFeld> felder;
        for (int i = 0; i < (neu ? 6 : 1); ++i)
            felder.append({0, {1, 2, 3, 4, 5, 6, 7}});
        return SystemscheinSchreiben(pfad, neu ? 7 : 3, felder);
    }
    if (name == QuoDateiName) {
        QVector<TQuoten> quoten(n);
        for (int i = 0; i < n; ++i)
            quoten[i].datum = 45000 + 3 * i;
        return QuotenDateiSchreiben(pfad, quoten);
    }
    if (name.endsWith(QLatin1String(".awadr"))) {
        TScheinFormat f;
        f.anordnung = neu ? 2 : 1;
        return FormatDateiSchreiben(pfad, f);
    }
    IniDatei ini(pfad);
    for (int i = 0; i < n; ++i)
        ini.WriteInteger(QStringLiteral("FAuswertung"), QStringLiteral("Wert%1").arg(i), i);
    return ini.speichern();
}

} // namespace faults
