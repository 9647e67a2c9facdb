// systeme, system, systemtest, abdeckung: the catalogue of play systems.

#include "commands.h"
#include "systems/catalogue.h"
#include "systems/covering.h"
#include "systems/expansion.h"
#include "systems/system_filter.h"
#include "systems/system_test.h"

namespace kb::cli {

namespace {

// The catalogue position of the argument; unknown positions are refused.
int positionAusArgument(const QString& text) {
    const std::optional<int> position = GanzzahlAusText(text);
    if (!position)
        falscherAufruf(KonvertierungsFehler(text) + QStringLiteral(" (POSITION)"));
    if (SystemAn(*position) == nullptr)
        abgelehnt(QStringLiteral("Eine Position %1 gibt es im Systemkatalog nicht; er reicht von 0 bis %2.")
                      .arg(*position)
                      .arg(Systeme().size() - 1));
    return *position;
}

QString kopfzeile(int position, const TSysteme& s) {
    return QStringLiteral("Position %1: %2%3")
        .arg(position)
        .arg(IstScheinSystem(position) ? QStringLiteral("* ") : QString(),
             SystemKurztext(position, s.bankzahlen()));
}

// "--genau" belongs to whichever of --garantie and --bankzahlen stands before it.
void genauZuordnen(const QStringList& roh, FilterWerte& f) {
    QString zuletzt;
    for (const QString& wort : roh) {
        if (wort == QLatin1String("--garantie") || wort.startsWith(QLatin1String("--garantie=")))
            zuletzt = QStringLiteral("garantie");
        else if (wort == QLatin1String("--bankzahlen") || wort.startsWith(QLatin1String("--bankzahlen=")))
            zuletzt = QStringLiteral("bankzahlen");
        else if (wort == QLatin1String("--genau")) {
            if (zuletzt.isEmpty())
                falscherAufruf(QStringLiteral("--genau gehört hinter --garantie N oder --bankzahlen N."));
            (zuletzt == QLatin1String("garantie") ? f.GARadio : f.BZRadio) = GenauItem;
        }
    }
}

int systeme(Kontext& k, const Aufruf& a) {
    // Every slider left out stays on "egal".
    FilterWerte f;
    f.ZPegal = f.GAegal = f.TRegal = f.BZegal = true;
    f.GARadio = f.BZRadio = 0;
    if (a.p.isSet(QStringLiteral("pool"))) {
        f.ZP = GanzzahlOption(a.p, QStringLiteral("pool"), ZPMin, ZPMax);
        f.ZPegal = false;
    }
    if (a.p.isSet(QStringLiteral("bankzahlen"))) {
        f.BZ = GanzzahlOption(a.p, QStringLiteral("bankzahlen"), 0, BZMax);
        f.BZegal = false;
    }
    if (a.p.isSet(QStringLiteral("garantie"))) {
        f.GA = GanzzahlOption(a.p, QStringLiteral("garantie"), 0, GAMax);
        f.GAegal = false;
    }
    if (a.p.isSet(QStringLiteral("reihen"))) {
        f.TR = GanzzahlOption(a.p, QStringLiteral("reihen"), TRMin, MaxSystemreihen);
        f.TRegal = false;
    }
    f.Scheinsysteme = a.p.isSet(QStringLiteral("nur-schein"));
    genauZuordnen(a.roh, f);
    const FilterErgebnis e = SystemeFiltern(f);
    // The filter lowers a guarantee above 6 minus the most Bankzahlen (four while they are "egal").
    if (e.garantieGesenkt)
        k.hinweis(GarantieBeschraenktText +
                  QStringLiteral(" Gefiltert wird mit genau %1er Garantie.").arg(e.GA));
    {
        // The list marks slip systems with "* "; CSV has a column of its own for that.
        const QVector<Spalte> spalten = k.csv() ? QVector<Spalte>{{{}, QStringLiteral("position")},
                                                                  {{}, QStringLiteral("schein")},
                                                                  {{}, QStringLiteral("text")}}
                                                : QVector<Spalte>{{QStringLiteral("Position"), {}},
                                                                  {QStringLiteral("System"), {}, false}};
        Tabelle t(k, spalten);
        for (qsizetype i = 0; i < e.eintraege.size(); ++i) {
            const int p = e.ListenSysteme[i];
            const bool schein = IstScheinSystem(p);
            if (k.csv())
                t.zeile({QString::number(p), schein ? QStringLiteral("1") : QStringLiteral("0"),
                         schein ? e.eintraege[i].mid(2) : e.eintraege[i]});
            else
                t.zeile({QString::number(p), e.eintraege[i]});
        }
    }
    if (!k.csv())
        k.zeile(e.anzahlText);
    return ExitOk;
}

int system(Kontext& k, const Aufruf& a) {
    const int position = positionAusArgument(a.argumente.constFirst());
    const TSysteme& s = *SystemAn(position);
    if (!a.p.isSet(QStringLiteral("wahlzahlen")))
        falscherAufruf(QStringLiteral("Die Wahlzahlen fehlen (--wahlzahlen L)."));
    const QVector<int> wahl =
        ZahlenListeLesen(a.p.value(QStringLiteral("wahlzahlen")), QStringLiteral("--wahlzahlen"));
    const QVector<int> bank =
        a.p.isSet(QStringLiteral("bankzahlen"))
            ? ZahlenListeLesen(a.p.value(QStringLiteral("bankzahlen")), QStringLiteral("--bankzahlen"))
            : QVector<int>{};
    TippzahlenPruefen({wahl, bank});

    // Clicked on the pad as a player would: first the Wahlzahlen, then the Bankzahlen.
    Systemauswahl auswahl;
    auswahl.GewaehltesSystem(position);
    const auto klicken = [&](const QVector<int>& zahlen, ZahlLook soll) {
        for (const int n : zahlen) {
            if (const std::optional<AuswahlMeldung> m = auswahl.BLotUrClick(n))
                abgelehnt(m->text);
            // More Wahlzahlen than the system has turn into Bankzahlen on the pad, and the other way round.
            if (auswahl.look(n) != soll)
                abgelehnt(ZahlenFehlenText(auswahl.SollWZ(), auswahl.SollBZ()));
        }
    };
    klicken(wahl, ZahlLook::Wahlzahl);
    klicken(bank, ZahlLook::Bankzahl);
    const std::variant<Systemreihen, AuswahlMeldung> r = auswahl.SystemAnwenden();
    if (const auto* m = std::get_if<AuswahlMeldung>(&r))
        abgelehnt(m->text);
    const Systemreihen& reihen = std::get<Systemreihen>(r);

    if (!k.csv())
        k.zeile(kopfzeile(position, s));
    ReihenAusgeben(k, ReihenTabelle(reihen));
    if (!k.csv()) {
        k.zeile();
        k.zeile(QStringLiteral("Verteilung der Tippzahlen"));
        Tabelle t(k, {{QStringLiteral("Zahl"), {}}, {QStringLiteral("Anzahl"), {}}});
        for (int n = 1; n <= MaxZahl; ++n)
            if (reihen.ZahlHaeufigkeit[static_cast<std::size_t>(n)] > 0)
                t.zeile({QString::number(n),
                         QString::number(reihen.ZahlHaeufigkeit[static_cast<std::size_t>(n)])});
    }
    return ExitOk;
}

int systemtest(Kontext& k, const Aufruf& a) {
    const int position = positionAusArgument(a.argumente.constFirst());
    const TSysteme& s = *SystemAn(position);
    const Trefferbild b = SystemTesten(SystemTestAuftragFuer(position));
    // The page's table, filled by the page's own function; CSV reads it with plain numbers.
    G2Tabelle g = G2Fuellen();
    TrefferbildEintragen(g, b, s.WZ, k.csv() ? QLocale::c() : k.deutsch());
    if (k.csv()) {
        Tabelle t(k, {{{}, QStringLiteral("treffer")},
                      {{}, QStringLiteral("richtige")},
                      {{}, QStringLiteral("kombinationen")},
                      {{}, QStringLiteral("anzahl")},
                      {{}, QStringLiteral("prozent")}});
        const auto zahl = [](const QString& zelle, const QString& null) {
            return zelle == QLatin1String("---") ? null : zelle;
        };
        for (int treffer = 2; treffer <= 6; ++treffer) {
            const auto anzahlZeile = static_cast<std::size_t>(2 * treffer - 3);
            if (g[anzahlZeile][2].isEmpty())
                continue;
            for (int richtige = 1; richtige <= treffer; ++richtige) {
                const auto spalte = static_cast<std::size_t>(richtige + 1);
                t.zeile({QString::number(treffer), QString::number(richtige), g[anzahlZeile][1],
                         zahl(g[anzahlZeile][spalte], QStringLiteral("0")),
                         zahl(g[anzahlZeile + 1][spalte], QStringLiteral("0.00"))});
            }
        }
        return ExitOk;
    }
    k.zeile(kopfzeile(position, s));
    k.zeile(QStringLiteral("Rechenoperationen: %1")
                .arg(k.zahl(Rechenoperationen(s.TR, s.WZ, SystemTestKmin(s.RG, s.WZ), s.RG))));
    QVector<Spalte> spalten;
    for (std::size_t sp = 0; sp < g[0].size(); ++sp)
        spalten.append({g[0][sp], {}, sp > 0});
    Tabelle t(k, spalten);
    for (std::size_t z = 1; z < g.size(); ++z) {
        if (g[z][1].isEmpty() && g[z][2].isEmpty())
            continue;
        t.zeile(QStringList(g[z].begin(), g[z].end()));
    }
    return ExitOk;
}

int abdeckung(Kontext& k, const Aufruf&) {
    const AbdeckungsBericht b = SystemAbdeckung();
    {
        Tabelle t(k, {{QStringLiteral("Position"), QStringLiteral("position")},
                      {QStringLiteral("RG"), QStringLiteral("rg")},
                      {QStringLiteral("WZ"), QStringLiteral("wz")},
                      {QStringLiteral("GA"), QStringLiteral("ga")},
                      {QStringLiteral("TR"), QStringLiteral("tr")},
                      {QStringLiteral("ungedeckte GA-Teilmengen"), QStringLiteral("ungedeckt"), false}});
        for (const AbdeckungsZeile& z : b.zeilen)
            t.zeile({QString::number(z.position), QString::number(z.RG), QString::number(z.WZ),
                     QString::number(z.GA), QString::number(z.TR),
                     QString::number(z.ungedeckt) +
                         (z.GA == 0 && !k.csv() ? QStringLiteral(" (ohne Garantie)") : QString())});
    }
    if (!k.csv())
        k.zeile(
            QStringLiteral("%1 von %2 Systemen mit erfüllter Garantie").arg(b.erfuellt).arg(b.garantiert));
    return ExitOk;
}

} // namespace

void SystemBefehle(QVector<Befehl>& b) {
    b.append({QStringLiteral("systeme"),
              QStringLiteral("[--pool N] [--garantie N [--genau]] [--reihen N] [--bankzahlen N [--genau]] "
                             "[--nur-schein]"),
              QStringLiteral("Die gefilterte Systemliste der Systemauswahl (Position, Listentext); "
                             "was fehlt, ist \"egal\"."),
              {{QStringLiteral("pool"),
                QStringLiteral("Größe des Zahlenpools mit Bankzahlen (%1 bis %2).").arg(ZPMin).arg(ZPMax),
                QStringLiteral("N")},
               {QStringLiteral("garantie"),
                QStringLiteral("Gewinngarantie: mindestens N Richtige (0 bis %1).").arg(GAMax),
                QStringLiteral("N")},
               {QStringLiteral("reihen"),
                QStringLiteral("Ungefähre Tippreihenanzahl (%1 bis %2).").arg(TRMin).arg(MaxSystemreihen),
                QStringLiteral("N")},
               {QStringLiteral("bankzahlen"), QStringLiteral("Höchstens N Bankzahlen (0 bis %1).").arg(BZMax),
                QStringLiteral("N")},
               {QStringLiteral("genau"),
                QStringLiteral("Die Angabe davor gilt genau statt mindestens/höchstens.")},
               {QStringLiteral("nur-schein"), QStringLiteral("Nur Lottoschein-Systeme.")}},
              0,
              0,
              &systeme});
    b.append(
        {QStringLiteral("system"),
         QStringLiteral("POSITION --wahlzahlen L [--bankzahlen L]"),
         QStringLiteral("Bildet die Tippreihen eines Systems, sortiert, mit der Verteilung der Zahlen."),
         {{QStringLiteral("wahlzahlen"), QStringLiteral("Die Wahlzahlen, z. B. 3,7,12,..."),
           QStringLiteral("L")},
          {QStringLiteral("bankzahlen"), QStringLiteral("Die Bankzahlen des Systems."), QStringLiteral("L")}},
         1,
         1,
         &system});
    b.append({QStringLiteral("systemtest"),
              QStringLiteral("POSITION"),
              QStringLiteral("Das Trefferbild des Systemtests: Kombinationen je Treffer und Richtige."),
              {},
              1,
              1,
              &systemtest});
    b.append({QStringLiteral("abdeckung"),
              {},
              QStringLiteral("Prüft die eingebauten Systeme gegen ihre Garantie (ungedeckte Teilmengen)."),
              {},
              0,
              0,
              &abdeckung});
}

} // namespace kb::cli
