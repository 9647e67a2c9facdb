#pragma once

#include "records.h"

#include <QLocale>
#include <QString>
#include <QVector>

namespace kb {

inline const QString ProduktName = QStringLiteral("Kugelblick");
inline const QString VersionText = QStringLiteral("1.7.0.0");
// "Kugelblick 1.7.0.0": the caption of every window.
inline QString FensterTitel() { return ProduktName + QLatin1Char(' ') + VersionText; }

inline const QString EinstellungenDatei = QStringLiteral("Einstellungen.ini");

// Draw days of an evaluation and of the statistics.
enum Ziehungstage { BeideTage = 0, NurSamstag = 1, NurMittwoch = 2 };

// Program-wide state, one instance for the whole run, touched from the window thread only.
struct Programmzustand {
    QVector<TGewZahlen> GewZahlen;
    QVector<TQuoten> QuotenListe;

    QString DatenPfad;    // with trailing separator
    QString ProgrammPfad; // with trailing separator
    QString TempDatei;
    QString HilfeDatei;
    QString DatensatzPfad; // the data set shipped beside the program, trailing separator; empty if not found
    QLocale LandesFormat;
    int BildschirmBreite = 0;
    int BildschirmHoehe = 0;

    int NZiehung = BeideTage; // last draw days on normal ticket tabs
    int SZiehung = BeideTage; // the same for system ticket tabs
    bool DownloadFragen = true;

    int SystemAnzahl = 0;

    QString einstellungenPfad() const { return DatenPfad + EinstellungenDatei; }
};

Programmzustand& zustand();

} // namespace kb
