#pragma once

#include "core/ini_file.h"

#include <QStringList>

namespace kb {

// What the main window and its ticket tabs keep in "Einstellungen.ini".
struct AuswertungEinstellungen {
    int nZiehung = 0;
    int sZiehung = 0;
    int filterIndex = 3;
    bool merken = true; // the check box starts ticked when there is no settings file
    QStringList dateien; // remembered ticket files, "Datei1" ... in order
};

// Reads the keys; without a settings file everything keeps its default.
AuswertungEinstellungen AuswertungEinstellungenLesen(const IniDatei& ini);
// Written whenever the main window closes (the file list is written only by DateiauswahlMerken).
void AuswertungEinstellungenSchreiben(IniDatei& ini, const AuswertungEinstellungen& e);
// Replaces the remembered list: the whole section "Spielscheine" is erased first.
void DateiauswahlMerken(IniDatei& ini, const QStringList& dateien);

} // namespace kb
