// ziehungen, auswerten: the draw history and the evaluation of ticket files.

#include "commands.h"
#include "core/program_state.h"
#include "core/ticket_file.h"
#include "evaluation/period_evaluation.h"
#include "evaluation/prize_classes.h"
#include "evaluation/ticket_rows.h"
#include "quotas/quota_file.h"

#include <QFileInfo>

#include <memory>

namespace kb::cli {

namespace {

int ziehungen(Kontext& k, const Aufruf& a) {
    const Zeitraum zeitraum = ZeitraumLesen(a.p);
    const QVector<TGewZahlen>& gew = k.ziehungen();
    QVector<Spalte> spalten{{QStringLiteral("Datum"), QStringLiteral("datum"), false, 10}};
    for (int i = 1; i <= 6; ++i)
        spalten.append({QStringLiteral("Z%1").arg(i), QStringLiteral("z%1").arg(i), true, 2});
    spalten.append({QStringLiteral("SZ"), QStringLiteral("sz")});
    Tabelle t(k, spalten, true);
    for (const TGewZahlen& z : gew) {
        if ((zeitraum.von && z.datum < *zeitraum.von) || (zeitraum.bis && z.datum > *zeitraum.bis))
            continue;
        QStringList zellen{k.datum(z.datum)};
        for (const std::uint8_t n : z.GZ)
            zellen.append(QString::number(n));
        zellen.append(z.szBekannt() ? QString::number(z.SZ) : QString());
        t.zeile(zellen);
    }
    return ExitOk;
}

int tageAusOption(const QCommandLineParser& p) {
    if (!p.isSet(QStringLiteral("tage")))
        return BeideTage;
    const QString t = p.value(QStringLiteral("tage"));
    if (t == QLatin1String("beide"))
        return BeideTage;
    if (t == QLatin1String("sa"))
        return NurSamstag;
    if (t == QLatin1String("mi"))
        return NurMittwoch;
    falscherAufruf(QStringLiteral("--tage erlaubt beide, sa oder mi, nicht \"%1\".").arg(t));
}

// The ticket as a tab prepares it, or a note why it cannot take part.
struct GeladenerSchein {
    AuswertungsSchein schein;
    QString fehler;  // unreadable or no ticket file
    QString hinweis; // readable but empty
};

GeladenerSchein scheinLaden(const QString& pfad) {
    GeladenerSchein g;
    const QString name = QFileInfo(pfad).fileName();
    switch (ScheinArtVon(pfad)) {
    case ScheinArt::Normal: {
        const Result<NormalScheinDatei> s = NormalscheinLesen(pfad);
        if (!s) {
            g.fehler = s.fehler();
            break;
        }
        if (s->reihen.isEmpty())
            g.hinweis = KeineTippreihenText(name);
        g.schein = NormalscheinAlsAuswertung(*s);
        break;
    }
    case ScheinArt::System: {
        const Result<SystemScheinDatei> s = SystemscheinLesen(pfad);
        if (!s) {
            g.fehler = s.fehler();
            break;
        }
        if (s->felder.isEmpty())
            g.hinweis = KeineSystemfelderText(name);
        g.schein = SystemscheinAlsAuswertung(s->SZ, FelderAufloesen(*s));
        break;
    }
    case ScheinArt::Unbekannt:
        g.fehler = KeineScheinDateiText(name);
        break;
    }
    return g;
}

// The evaluation of one ticket: one line per win, then total and highest win.
void ergebnisAusgeben(Kontext& k, const QString& pfad, const AuswertungsSchein& schein,
                      const AuswertungsErgebnis& e, Tabelle* csv) {
    QVector<QStringList> zeilen;
    int feld = -1;
    for (const Ergebniszeile& z : e.zeilen) {
        // A field's first line of each draw names it; the lines after it belong to it.
        if (z.feld >= 0)
            feld = z.feld;
        if (z.klasse == 0)
            continue;
        const TGewAusw& ziehung = e.ziehungen[z.ziehung];
        const QString feldNr = schein.system ? QString::number(feld + 1) : QString();
        if (csv) {
            csv->zeile({pfad, k.datum(ziehung.dat), feldNr, QString::number(z.reihe),
                        QString::number(TrefferDerKlasse(z.klasse)), QString::number(z.klasse),
                        k.betrag(z.betrag)});
            continue;
        }
        QStringList zellen{ziehung.SDatum};
        if (schein.system)
            zellen += {feldNr, schein.felder.value(feld).name};
        zellen +=
            {QString::number(z.reihe), KlassenTexte[z.klasse], QString::number(z.klasse), k.betrag(z.betrag)};
        zeilen.append(zellen);
    }
    if (csv)
        return;
    k.zeile(QStringLiteral("%1 (%2)").arg(pfad, schein.SZ >= 0 ? QStringLiteral("SZ %1").arg(schein.SZ)
                                                               : QStringLiteral("ohne SZ")));
    if (zeilen.isEmpty()) {
        k.zeile(QStringLiteral("Kein Gewinn."));
    } else {
        QVector<Spalte> spalten{{QStringLiteral("Datum (Wo.-Tag)"), {}, false}};
        if (schein.system)
            spalten += {{QStringLiteral("Feld"), {}}, {QStringLiteral("System"), {}, false}};
        spalten += {{QStringLiteral("in Reihe"), {}},
                    {QStringLiteral("Richtige"), {}, false},
                    {QStringLiteral("Klasse"), {}},
                    {QStringLiteral("Gewinn in €"), {}}};
        Tabelle t(k, spalten);
        for (const QStringList& z : std::as_const(zeilen))
            t.zeile(z);
    }
    k.zeile(QStringLiteral("Höchstgewinn: %1 am: %2")
                .arg(GeldWaehrungText(e.hoechst, k.deutsch()),
                     e.hoechstDatum.isEmpty() ? QStringLiteral("---") : e.hoechstDatum));
    k.zeile(QStringLiteral("Gesamtgewinn: %1").arg(GeldWaehrungText(e.gesamt, k.deutsch())));
}

int auswerten(Kontext& k, const Aufruf& a) {
    const Zeitraum zeitraum = ZeitraumLesen(a.p);
    const int tage = tageAusOption(a.p);
    const QVector<TGewZahlen>& gew = k.ziehungen();

    // As on a ticket tab: the newest draw, or "zurück bis zum" a first one.
    ZiehungsWahl wahl;
    wahl.tage = tage;
    const auto [erste, letzte] = ZeitraumIndizes(gew, zeitraum);
    wahl.ende = letzte;
    wahl.zurueck = zeitraum.von.has_value();
    wahl.start = wahl.zurueck ? erste : letzte;
    const Result<QVector<TGewAusw>> gewaehlt = ZiehungenWaehlen(gew, wahl, k.deutsch());
    if (!gewaehlt)
        abgelehnt(gewaehlt.fehler());

    QVector<TQuoten> quoten;
    if (const Status s = QuotenListeLaden(k.datenPfad() + QuoDateiName, quoten); !s)
        k.hinweis(s.fehler());
    const QuotenSuche suche(quoten);

    std::unique_ptr<Tabelle> csv;
    if (k.csv())
        csv = std::make_unique<Tabelle>(k, QVector<Spalte>{{{}, QStringLiteral("datei")},
                                                           {{}, QStringLiteral("datum")},
                                                           {{}, QStringLiteral("feld")},
                                                           {{}, QStringLiteral("reihe")},
                                                           {{}, QStringLiteral("richtige")},
                                                           {{}, QStringLiteral("klasse")},
                                                           {{}, QStringLiteral("gewinn")}});
    int status = ExitOk;
    bool ersterSchein = true;
    for (const QString& pfad : a.argumente) {
        const GeladenerSchein g = scheinLaden(pfad);
        if (!g.fehler.isEmpty()) {
            k.hinweis(g.fehler);
            status = ExitAbgelehnt;
            continue;
        }
        if (!g.hinweis.isEmpty())
            k.hinweis(g.hinweis);
        if (!csv && !ersterSchein)
            k.zeile();
        ersterSchein = false;
        ergebnisAusgeben(k, pfad, g.schein, Auswerten(g.schein, *gewaehlt, suche), csv.get());
    }
    return status;
}

} // namespace

void ZiehungsBefehle(QVector<Befehl>& b) {
    b.append({QStringLiteral("ziehungen"), QStringLiteral("[--von DATUM] [--bis DATUM]"),
              QStringLiteral("Listet die Ziehungen: Datum, die sechs Zahlen wie gespeichert, Superzahl."),
              ZeitraumOptionen(), 0, 0, &ziehungen});
    QList<QCommandLineOption> optionen = ZeitraumOptionen();
    optionen.append({QStringLiteral("tage"), QStringLiteral("Ziehungstage: beide (Vorgabe), sa oder mi."),
                     QStringLiteral("TAGE")});
    b.append({QStringLiteral("auswerten"),
              QStringLiteral("DATEI... [--von DATUM] [--bis DATUM] [--tage beide|sa|mi]"),
              QStringLiteral(
                  "Wertet Normal- und Systemscheine aus wie ein Schein-Tab (Vorgabe: die neueste Ziehung)."),
              optionen, 1, -1, &auswerten});
}

} // namespace kb::cli
