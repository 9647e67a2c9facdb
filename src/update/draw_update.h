#pragma once

#include "core/ini_file.h"
#include "statistics/number_statistics.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QUrl>

namespace kb {

// Newest draw of a weekday that should exist at the given moment: draws are published
// from 20:00 on, so before that the search starts yesterday.
QDate ErwarteteZiehung(const QDateTime& jetzt, int wochentag);

// What the update window shows about the local draw history.
struct GewinnzahlenStand {
    QString standSamstag, standMittwoch;     // newest local draws; empty when there is none
    QString aktuellSamstag, aktuellMittwoch; // newest draws that should exist
    // The texts as shown differ for one of the two days.
    bool downloadMoeglich() const {
        return standSamstag != aktuellSamstag || standMittwoch != aktuellMittwoch;
    }
};
GewinnzahlenStand GewinnzahlenStandErmitteln(const ZahlenStatistik& s, const QDateTime& jetzt,
                                             const QLocale& locale);

// Base address of the download server's "downloads" folder: "Update"/"Server" in the
// settings, else the downloads folder of the bundled data set as a file URL. Always ends with "/".
QUrl DownloadBasis(const IniDatei& ini, const QString& datensatzPfad);
QUrl GZDownloadAdresse(const QUrl& basis);

// Moves "GZ.649" aside as "GZ.649.bak" before a download; skipped when there is no
// GZ.649 or a backup already exists. True when it was moved.
bool GZSicherungAnlegen(const QString& datenPfad);
// Puts the backup back when no GZ.649 exists (after a failed download).
void GZSicherungZurueck(const QString& datenPfad);

} // namespace kb
