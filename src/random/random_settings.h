#pragma once

#include "core/ini_file.h"
#include "random_generator.h"

#include <QString>

#include <functional>

namespace kb {

// Section "Zufall" of the settings file.
struct ZufallEinstellungen {
    QString anzahl = QStringLiteral("12"); // content of the row count field
    QString bankzahlen;
    QString quotenkiller;
    QString favoriten;
};

// "Anzahl" falls back to "12" also when the stored text is empty.
ZufallEinstellungen ZufallEinstellungenLesen(const IniDatei& ini);
void ZufallEinstellungenSchreiben(IniDatei& ini, const QString& anzahl, const ZufallsAuswahl& auswahl);

// The members of a group ascending, joined by ",".
QString ZahlenListe(const ZahlenMenge& menge);

// Applies the stored lists number by number through the toggle: Bankzahlen, Quotenkiller,
// Favoriten. A refused number is reported through meldung (its message, if it has one) and
// the next one follows; an entry that is no number stops with the conversion error.
void ZufallsListenAnwenden(ZufallsAuswahl& auswahl, const ZufallEinstellungen& e,
                           const std::function<void(const QString&)>& meldung);

} // namespace kb
