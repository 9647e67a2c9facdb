#include "main_window_settings.h"

namespace kb {

namespace {
const QString Auswertung = QStringLiteral("Auswertung");
const QString Spielscheine = QStringLiteral("Spielscheine");
} // namespace

AuswertungEinstellungen AuswertungEinstellungenLesen(const IniDatei& ini) {
    AuswertungEinstellungen e;
    if (!ini.dateiVorhanden())
        return e;
    e.nZiehung = ini.ReadInteger(Auswertung, QStringLiteral("N-Ziehung"), 0);
    e.sZiehung = ini.ReadInteger(Auswertung, QStringLiteral("S-Ziehung"), 0);
    e.filterIndex = ini.ReadInteger(Spielscheine, QStringLiteral("Filterindex"), 3);
    e.merken = ini.ReadBool(Spielscheine, QStringLiteral("Merken"), false);
    const int anzahl = ini.ReadInteger(Spielscheine, QStringLiteral("Dateienanzahl"), 0);
    for (int i = 1; i <= anzahl; ++i) {
        const QString pfad = ini.ReadString(Spielscheine, QStringLiteral("Datei%1").arg(i), QString());
        if (!pfad.isEmpty())
            e.dateien.append(pfad);
    }
    return e;
}

void AuswertungEinstellungenSchreiben(IniDatei& ini, const AuswertungEinstellungen& e) {
    ini.WriteInteger(Spielscheine, QStringLiteral("Filterindex"), e.filterIndex);
    ini.WriteBool(Spielscheine, QStringLiteral("Merken"), e.merken);
    ini.WriteInteger(Auswertung, QStringLiteral("N-Ziehung"), e.nZiehung);
    ini.WriteInteger(Auswertung, QStringLiteral("S-Ziehung"), e.sZiehung);
}

void DateiauswahlMerken(IniDatei& ini, const QStringList& dateien) {
    ini.EraseSection(Spielscheine);
    ini.WriteInteger(Spielscheine, QStringLiteral("Dateienanzahl"), static_cast<int>(dateien.size()));
    for (qsizetype i = 0; i < dateien.size(); ++i)
        ini.WriteString(Spielscheine, QStringLiteral("Datei%1").arg(i + 1), dateien.at(i));
}

} // namespace kb
