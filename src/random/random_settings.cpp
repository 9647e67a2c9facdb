#include "random_settings.h"

#include "core/row_table.h"

namespace kb {

namespace {
const QString Abschnitt = QStringLiteral("Zufall");
}

ZufallEinstellungen ZufallEinstellungenLesen(const IniDatei& ini) {
    ZufallEinstellungen e;
    e.anzahl = ini.ReadString(Abschnitt, QStringLiteral("Anzahl"), QStringLiteral("12"));
    if (e.anzahl.isEmpty())
        e.anzahl = QStringLiteral("12");
    e.bankzahlen = ini.ReadString(Abschnitt, QStringLiteral("Bankzahlen"), {});
    e.quotenkiller = ini.ReadString(Abschnitt, QStringLiteral("Quotenkiller"), {});
    e.favoriten = ini.ReadString(Abschnitt, QStringLiteral("Favoriten"), {});
    return e;
}

void ZufallEinstellungenSchreiben(IniDatei& ini, const QString& anzahl, const ZufallsAuswahl& a) {
    ini.WriteString(Abschnitt, QStringLiteral("Anzahl"), anzahl);
    ini.WriteString(Abschnitt, QStringLiteral("Bankzahlen"), ZahlenListe(a.BZGewaehlt()));
    ini.WriteString(Abschnitt, QStringLiteral("Quotenkiller"), ZahlenListe(a.KillGewaehlt()));
    ini.WriteString(Abschnitt, QStringLiteral("Favoriten"), ZahlenListe(a.FavGewaehlt()));
}

QString ZahlenListe(const ZahlenMenge& menge) {
    QStringList teile;
    for (int n = 1; n <= MaxZahl; ++n)
        if (menge.enthaelt(n))
            teile.append(QString::number(n));
    return teile.join(QLatin1Char(','));
}

void ZufallsListenAnwenden(ZufallsAuswahl& auswahl, const ZufallEinstellungen& e,
                           const std::function<void(const QString&)>& meldung) {
    const std::pair<ZufallsGruppe, const QString*> listen[] = {{ZufallsGruppe::Bankzahlen, &e.bankzahlen},
                                                               {ZufallsGruppe::Quotenkiller, &e.quotenkiller},
                                                               {ZufallsGruppe::Favoriten, &e.favoriten}};
    for (const auto& [gruppe, liste] : listen) {
        for (const QString& teil : liste->split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const auto zahl = GanzzahlAusText(teil);
            if (!zahl) {
                meldung(KonvertierungsFehler(teil));
                return;
            }
            if (const Status s = auswahl.umschalten(gruppe, *zahl); !s && !s.fehler().isEmpty())
                meldung(s.fehler());
        }
    }
}

} // namespace kb
