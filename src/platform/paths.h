#pragma once

#include <QString>

namespace kb {

struct Pfade {
    QString programmPfad; // folder of the program file, trailing separator
    QString datenPfad;    // per-user data folder + "Kugelblick/", trailing separator
    QString tempDatei;    // temporary folder + "tmp.tmp"
    QString hilfeDatei;   // help collection beside the program
    QString datensatzPfad; // the bundled data set installed beside the program
};

Pfade pfadeErmitteln();

// Creates the data folder if missing. False if that failed.
bool datenOrdnerAnlegen(const QString& datenPfad);

} // namespace kb
