// zufall, import-text: tip rows from the random generator and from text.

#include "commands.h"
#include "core/ini_file.h"
#include "core/record_file.h"
#include "entry/text_import.h"
#include "entry/ticket_entry.h"
#include "random/random_generator.h"

#include <random>

namespace kb::cli {

namespace {

QCommandLineOption ausgabeOption() {
    return {
        QStringLiteral("ausgabe"),
        QStringLiteral("Schreibt die Reihen in eine Datei: .nkb (Spielschein) oder .csv, nach der Endung."),
        QStringLiteral("DATEI")};
}

int zufall(Kontext& k, const Aufruf& a) {
    if (a.p.isSet(QStringLiteral("ausgabe")))
        AusgabeEndungPruefen(a.p.value(QStringLiteral("ausgabe")));
    const std::pair<ZufallsGruppe, QString> gruppen[] = {
        {ZufallsGruppe::Bankzahlen, QStringLiteral("bankzahlen")},
        {ZufallsGruppe::Quotenkiller, QStringLiteral("quotenkiller")},
        {ZufallsGruppe::Favoriten, QStringLiteral("favoriten")}};
    QVector<QVector<int>> listen;
    for (const auto& [gruppe, name] : gruppen)
        listen.append(a.p.isSet(name) ? ZahlenListeLesen(a.p.value(name), QStringLiteral("--") + name)
                                      : QVector<int>{});
    std::uint64_t saat = 0;
    if (a.p.isSet(QStringLiteral("seed"))) {
        bool ok = false;
        saat = a.p.value(QStringLiteral("seed")).toULongLong(&ok);
        if (!ok)
            falscherAufruf(KonvertierungsFehler(a.p.value(QStringLiteral("seed"))) +
                           QStringLiteral(" (--seed)"));
    } else {
        std::random_device zufall;
        saat = (static_cast<std::uint64_t>(zufall()) << 32) ^ zufall();
    }
    TippzahlenPruefen(listen);

    // Marked on the pads one number after the other, with the window's limits and messages.
    ZufallsAuswahl auswahl;
    for (std::size_t g = 0; g < std::size(gruppen); ++g)
        for (const int n : listen[static_cast<qsizetype>(g)])
            if (const Status s = auswahl.umschalten(gruppen[g].first, n); !s)
                abgelehnt(s.fehler());
    const Result<int> anzahl = ReihenAnzahlAusText(auswahl, a.p.value(QStringLiteral("anzahl")));
    if (!anzahl)
        abgelehnt(anzahl.fehler());

    const ZufallsErgebnis e = ZufallszahlenErmitteln(auswahl, *anzahl, saat);
    TippreihenDaten tabelle(*anzahl + 1);
    tabelle.setzeKopf(TippreihenDaten::StandardKopf());
    for (std::size_t i = 0; i < e.Zufreihen.size(); ++i)
        tabelle.setzeReihe(static_cast<int>(i) + 1, e.Zufreihen[i]);
    if (a.p.isSet(QStringLiteral("ausgabe")))
        ReihenSpeichern(k, tabelle, a.p.value(QStringLiteral("ausgabe")), -1);
    else
        ReihenAusgeben(k, tabelle);
    return ExitOk;
}

int importText(Kontext& k, const Aufruf& a) {
    const QString ausgabe = a.p.value(QStringLiteral("ausgabe"));
    if (!ausgabe.isEmpty())
        AusgabeEndungPruefen(ausgabe);
    const int sz =
        a.p.isSet(QStringLiteral("superzahl")) ? GanzzahlOption(a.p, QStringLiteral("superzahl"), 0, 9) : -1;
    std::optional<LeerzeichenWahl> wahl;
    if (a.p.isSet(QStringLiteral("leerzeichen"))) {
        const QString w = a.p.value(QStringLiteral("leerzeichen"));
        if (w == QLatin1String("trennen"))
            wahl = LeerzeichenWahl::Trennen;
        else if (w == QLatin1String("loeschen"))
            wahl = LeerzeichenWahl::Entfernen;
        else
            falscherAufruf(
                QStringLiteral("--leerzeichen erlaubt trennen oder loeschen, nicht \"%1\".").arg(w));
    }
    const Result<QByteArray> daten = VorhandeneDateiLesen(a.argumente.constFirst());
    if (!daten)
        abgelehnt(daten.fehler());

    // The text as if pasted into the entry's text field; the option answers the blank question.
    bool gefragt = false;
    const TextUebertragung r = ReihenAusText(MemoZeilen(TextDekodieren(*daten)), [&](const QStringList&) {
        gefragt = true;
        return wahl.value_or(LeerzeichenWahl::Abbrechen);
    });
    if (r.meldung.art != MeldungsArt::Keine)
        abgelehnt(r.meldung.text);
    if (r.abgebrochen && gefragt)
        falscherAufruf(LeerzeichenFrageText +
                       QStringLiteral("\r\rAntworten Sie mit --leerzeichen trennen (\"Ja\") oder "
                                      "--leerzeichen loeschen (\"Nein\")."));
    TippreihenDaten tabelle;
    tabelle.setzeKopf(TippreihenDaten::StandardKopf());
    ReihenInTabelle(tabelle, r.reihen, true);
    if (!ausgabe.isEmpty())
        ReihenSpeichern(k, tabelle, ausgabe, sz);
    else
        ReihenAusgeben(k, tabelle);
    return ExitOk;
}

} // namespace

void ReihenBefehle(QVector<Befehl>& b) {
    b.append(
        {QStringLiteral("zufall"),
         QStringLiteral("--anzahl N [--bankzahlen L] [--quotenkiller L] [--favoriten L] [--seed S] "
                        "[--ausgabe DATEI]"),
         QStringLiteral("Zufallstipps mit den Regeln und Meldungen des Zufallsgenerators."),
         {{QStringLiteral("anzahl"), QStringLiteral("Gewünschte Anzahl Tippreihen."), QStringLiteral("N")},
          {QStringLiteral("bankzahlen"), QStringLiteral("Zahlen in jeder Reihe (höchstens fünf)."),
           QStringLiteral("L")},
          {QStringLiteral("quotenkiller"), QStringLiteral("Zahlen in keiner Reihe."), QStringLiteral("L")},
          {QStringLiteral("favoriten"), QStringLiteral("Zahlen mit doppelter Chance."), QStringLiteral("L")},
          {QStringLiteral("seed"), QStringLiteral("Startwert des Zufalls: gleiche Werte, gleiche Reihen."),
           QStringLiteral("S")},
          ausgabeOption()},
         0,
         0,
         &zufall});
    b.append({QStringLiteral("import-text"),
              QStringLiteral("DATEI [--ausgabe DATEI.nkb] [--superzahl Z] [--leerzeichen trennen|loeschen]"),
              QStringLiteral("Die Textübertragung der Normalschein-Eingabe: eine Reihe je Zeile."),
              {ausgabeOption(),
               {QStringLiteral("superzahl"), QStringLiteral("Superzahl des Spielscheins (0 bis 9)."),
                QStringLiteral("Z")},
               {QStringLiteral("leerzeichen"),
                QStringLiteral("Antwort auf die Frage nach Leerzeichen: trennen (Ja) oder loeschen (Nein)."),
                QStringLiteral("WAHL")}},
              1,
              1,
              &importText});
}

} // namespace kb::cli
