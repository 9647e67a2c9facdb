// Runs the built kugelblick-cli on small fixtures: output, exit status and refusals per subcommand.

#include "core/date.h"
#include "core/draw_history.h"
#include "core/money.h"
#include "core/ticket_file.h"
#include "quotas/quota_file.h"
#include "quotas/quota_import.h"
#include "random/random_generator.h"
#include "systems/catalogue.h"
#include "systems/covering.h"
#include "systems/system_filter.h"
#include "test_main.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

using namespace kb;

namespace {

struct Lauf {
    int status = -1;
    QString aus;
    QString fehler;
};

TDate tag(int j, int m, int t) {
    return ausQDate(QDate(j, m, t));
}

TGewZahlen ziehung(TDate datum, std::array<std::uint8_t, 6> zahlen, std::uint8_t sz) {
    TGewZahlen z;
    z.datum = datum;
    z.GZ = zahlen;
    z.SZ = sz;
    return z;
}

Geld euro(qint64 cent) {
    return cent * 100;
}

// Amounts with the currency as the windows show them.
QString eur(Geld g) {
    return GeldWaehrungText(g, QLocale(QLocale::German, QLocale::Germany));
}

} // namespace

class CliTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_daten;

    QString pfad(const QString& name) const { return m_dir.filePath(name); }

    void schreiben(const QString& name, const QByteArray& inhalt) const {
        QFile f(pfad(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
    }

    // Every run gets the fixture folder as its data folder unless it names one itself.
    Lauf starten(QStringList argumente) const {
        if (!argumente.contains(QStringLiteral("--daten")))
            argumente = QStringList{QStringLiteral("--daten"), m_daten} + argumente;
        QProcess p;
        p.start(QStringLiteral(KB_CLI), argumente);
        if (!p.waitForFinished(300000))
            return {};
        Lauf l;
        l.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        l.aus = QString::fromUtf8(p.readAllStandardOutput());
        l.fehler = QString::fromUtf8(p.readAllStandardError());
        return l;
    }

    static QStringList zeilen(const QString& text) {
        return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_daten = pfad(QStringLiteral("daten"));
        QVERIFY(QDir().mkpath(m_daten));
        // Saturday, Wednesday (Superzahl unknown), Saturday.
        const QVector<TGewZahlen> gew = {ziehung(tag(2024, 3, 2), {3, 17, 22, 30, 41, 45}, 5),
                                         ziehung(tag(2024, 3, 6), {1, 2, 3, 4, 5, 6}, 255),
                                         ziehung(tag(2024, 3, 9), {22, 3, 17, 7, 8, 9}, 7)};
        QVERIFY(GZDateiSchreiben(m_daten + QStringLiteral("/GZ.649"), gew).ok());
        // Real quotas for the newest draw; the others take the standard quotas.
        TQuoten q;
        q.datum = tag(2024, 3, 9);
        q.q = {0,           euro(123456780), euro(50000000), euro(1000000), euro(300000),
               euro(20000), euro(5000),      euro(2340),     euro(1100),    euro(600)};
        QVERIFY(QuotenDateiSchreiben(m_daten + QStringLiteral("/Quo.649"), {q}).ok());

        // Row 1: 3 + SZ, row 2: 2 + SZ, row 3: nothing on 09.03.2024.
        QVERIFY(
            NormalscheinSchreiben(pfad(QStringLiteral("normal.nkb")), 7,
                                  {{3, 17, 22, 30, 41, 45}, {7, 8, 10, 11, 12, 13}, {40, 42, 43, 44, 46, 47}})
                .ok());
        // Field 1: "007" over the six numbers of 09.03.2024 and 10; field 2: "008" without a win.
        QVERIFY(SystemscheinSchreiben(pfad(QStringLiteral("system.skb")), 7,
                                      {{1, {3, 7, 8, 9, 10, 17, 22}}, {2, {30, 31, 32, 33, 34, 35, 36, 37}}})
                    .ok());
        QVERIFY(NormalscheinSchreiben(pfad(QStringLiteral("leer.nkb")), -1, {}).ok());
        schreiben(QStringLiteral("reihen.txt"), "Feld 1:\t1, 2, 3, 4, 5, 6\nFeld 2:\t49;48;47;46;45;44\n");
        schreiben(QStringLiteral("blanks.txt"), "1 2 3 4 5 6\n7 8 9 10 11 12\n");
        schreiben(QStringLiteral("falsch.txt"), "1,2,3,4,5,50\n");
        schreiben(QStringLiteral("quoten.txt"), QuotenBeispielText().toUtf8());
        schreiben(QStringLiteral("quoten-tabs.txt"),
                  "1\t6 Richtige + SZ\tunbesetzt\n2\t6 Richtige\t1.234.567,80 €\n");
        schreiben(QStringLiteral("leer.txt"), " \n\n");
    }

    void version() {
        const Lauf l = starten({QStringLiteral("--version")});
        QCOMPARE(l.status, 0);
        QCOMPARE(l.aus, QStringLiteral("Kugelblick 1.7.0.0\n"));
    }

    void hilfe_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("oben") << QStringList{QStringLiteral("--hilfe")} << QStringLiteral("quoten-import");
        QTest::newRow("help") << QStringList{QStringLiteral("--help")} << QStringLiteral("n-ueber-k");
        for (const char* befehl :
             {"ziehungen", "auswerten", "statistik", "suche", "systeme", "system", "systemtest", "abdeckung",
              "zufall", "import-text", "quoten-import", "n-ueber-k"})
            QTest::newRow(befehl)
                << QStringList{QString::fromLatin1(befehl), QStringLiteral("--hilfe")}
                << QStringLiteral("Aufruf: kugelblick-cli %1").arg(QString::fromLatin1(befehl));
    }
    void hilfe() {
        QFETCH(QStringList, argumente);
        QFETCH(QString, erwartet);
        const Lauf l = starten(argumente);
        QCOMPARE(l.status, 0);
        QVERIFY2(l.aus.contains(erwartet), qPrintable(l.aus));
        QVERIFY(l.fehler.isEmpty());
    }

    void ziehungen() {
        Lauf l = starten({QStringLiteral("ziehungen"), QStringLiteral("--csv")});
        QCOMPARE(l.status, 0);
        QCOMPARE(zeilen(l.aus), (QStringList{QStringLiteral("datum,z1,z2,z3,z4,z5,z6,sz"),
                                             QStringLiteral("2024-03-02,3,17,22,30,41,45,5"),
                                             QStringLiteral("2024-03-06,1,2,3,4,5,6,"),
                                             QStringLiteral("2024-03-09,22,3,17,7,8,9,7")}));
        // The general options also stand after the subcommand; German and ISO dates both count.
        l = starten({QStringLiteral("ziehungen"), QStringLiteral("--daten"), m_daten, QStringLiteral("--von"),
                     QStringLiteral("3.3.2024"), QStringLiteral("--bis"), QStringLiteral("2024-03-06")});
        QCOMPARE(l.status, 0);
        const QStringList t = zeilen(l.aus);
        QCOMPARE(t.size(), 2);
        QVERIFY(t[0].startsWith(QStringLiteral("Datum")));
        QVERIFY(t[1].startsWith(QStringLiteral("06.03.2024")));
        QVERIFY(t[1].endsWith(QStringLiteral("   5   6")));
    }

    void auswertenNormal() {
        const QString datei = pfad(QStringLiteral("normal.nkb"));
        Lauf l = starten({QStringLiteral("auswerten"), datei, QStringLiteral("--csv")});
        QCOMPARE(l.status, 0);
        QCOMPARE(zeilen(l.aus), (QStringList{QStringLiteral("datei,datum,feld,reihe,richtige,klasse,gewinn"),
                                             datei + QStringLiteral(",2024-03-09,,1,3,7,23.40"),
                                             datei + QStringLiteral(",2024-03-09,,2,2,9,6.00")}));
        l = starten({QStringLiteral("auswerten"), datei});
        QCOMPARE(l.status, 0);
        QVERIFY2(l.aus.contains(QStringLiteral("09.03.2024 (Sa)")), qPrintable(l.aus));
        QVERIFY(l.aus.contains(QStringLiteral("3 + SZ")));
        QVERIFY(l.aus.contains(QStringLiteral("Höchstgewinn: %1 am: 09.03.2024").arg(eur(234000))));
        QVERIFY(l.aus.contains(QStringLiteral("Gesamtgewinn: %1").arg(eur(294000))));

        // Back to 02.03.2024: row 1 has all six there, but the ticket's Superzahl 7 is not the 5 drawn.
        l = starten({QStringLiteral("auswerten"), datei, QStringLiteral("--csv"), QStringLiteral("--von"),
                     QStringLiteral("01.03.2024"), QStringLiteral("--tage"), QStringLiteral("sa")});
        QCOMPARE(l.status, 0);
        QVERIFY2(l.aus.contains(datei + QStringLiteral(",2024-03-02,,1,6,2,")), qPrintable(l.aus));
        QCOMPARE(zeilen(l.aus).size(), 4);
    }

    void auswertenSystem() {
        const QString datei = pfad(QStringLiteral("system.skb"));
        const Lauf l = starten({QStringLiteral("auswerten"), datei, QStringLiteral("--csv")});
        QCOMPARE(l.status, 0);
        const QStringList z = zeilen(l.aus);
        // Seven rows of "007": the one without 10 has six hits, the others five; field 2 wins nothing.
        QCOMPARE(z.size(), 8);
        QCOMPARE(z.filter(QStringLiteral("system.skb,2024-03-09,1,3,6,1,1234567.80")).size(), 1);
        QCOMPARE(z.filter(QStringLiteral(",5,3,10000.00")).size(), 6);
        QCOMPARE(z.filter(QStringLiteral("2024-03-09,1,")).size(), 7);
        const Lauf t = starten({QStringLiteral("auswerten"), datei});
        QVERIFY2(t.aus.contains(QStringLiteral("Gesamtgewinn: %1").arg(eur(euro(129456780)))),
                 qPrintable(t.aus));
        QVERIFY(t.aus.contains(QStringLiteral("6 + SZ")));
    }

    void auswertenMehrereDateien() {
        // A file that cannot be read is reported; the others are still evaluated.
        const Lauf l = starten({QStringLiteral("auswerten"), pfad(QStringLiteral("fehlt.nkb")),
                                pfad(QStringLiteral("leer.nkb")), pfad(QStringLiteral("reihen.txt")),
                                pfad(QStringLiteral("normal.nkb"))});
        QCOMPARE(l.status, 1);
        QVERIFY2(l.fehler.contains(QStringLiteral("fehlt.nkb\" wurde nicht gefunden.")),
                 qPrintable(l.fehler));
        QVERIFY(l.fehler.contains(QStringLiteral("Die Datei \"leer.nkb\" enthält keine Tippreihen.")));
        QVERIFY(l.fehler.contains(
            QStringLiteral("\"reihen.txt\" ist keine Spielschein-Datei (.nkb oder .skb).")));
        QVERIFY(l.aus.contains(QStringLiteral("Kein Gewinn.")));
        QVERIFY(l.aus.contains(QStringLiteral("Gesamtgewinn: %1").arg(eur(294000))));
    }

    void statistik_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QStringList>("anfang");
        QTest::newRow("haeufigkeit") << QStringList{QStringLiteral("haeufigkeit")}
                                     << QStringList{QStringLiteral("zahl,anzahl"), QStringLiteral("1,1"),
                                                    QStringLiteral("2,1"), QStringLiteral("3,3")};
        QTest::newRow("haeufigkeit samstags")
            << QStringList{QStringLiteral("haeufigkeit"), QStringLiteral("--kategorie"), QStringLiteral("1")}
            << QStringList{QStringLiteral("zahl,anzahl"), QStringLiteral("1,0"), QStringLiteral("2,0"),
                           QStringLiteral("3,2")};
        // Never drawn: absent all three draws, ascending; then the oldest draw's numbers.
        QTest::newRow("ausgeblieben") << QStringList{QStringLiteral("ausgeblieben")}
                                      << QStringList{QStringLiteral("zahl,ausgeblieben"),
                                                     QStringLiteral("10,3"), QStringLiteral("11,3")};
        QTest::newRow("ausgeblieben bis 06.03.")
            << QStringList{QStringLiteral("ausgeblieben"), QStringLiteral("--bis"),
                           QStringLiteral("06.03.2024")}
            << QStringList{QStringLiteral("zahl,ausgeblieben"), QStringLiteral("7,2"), QStringLiteral("8,2")};
        QTest::newRow("paare") << QStringList{QStringLiteral("paare")}
                               << QStringList{QStringLiteral("liste,rang,kombi,anzahl"),
                                              QStringLiteral("haeufigste,1,3-17,2"),
                                              QStringLiteral("haeufigste,2,3-22,2"),
                                              QStringLiteral("haeufigste,3,17-22,2")};
        QTest::newRow("tripel") << QStringList{QStringLiteral("tripel")}
                                << QStringList{QStringLiteral("liste,rang,kombi,anzahl"),
                                               QStringLiteral("haeufigste,1,3-17-22,2")};
        QTest::newRow("suche") << QStringList{QStringLiteral("suche"), QStringLiteral("17,3")}
                               << QStringList{QStringLiteral("nr,datum,mit"),
                                              QStringLiteral("1,2024-03-02,22-30-41-45"),
                                              QStringLiteral("2,2024-03-09,7-8-9-22")};
        QTest::newRow("suche mittwochs")
            << QStringList{QStringLiteral("suche"), QStringLiteral("3"), QStringLiteral("6"),
                           QStringLiteral("--kategorie"), QStringLiteral("2")}
            << QStringList{QStringLiteral("nr,datum,mit"), QStringLiteral("1,2024-03-06,1-2-4-5")};
    }
    void statistik() {
        QFETCH(QStringList, argumente);
        QFETCH(QStringList, anfang);
        if (argumente.constFirst() != QLatin1String("suche"))
            argumente.prepend(QStringLiteral("statistik"));
        const Lauf l = starten(argumente << QStringLiteral("--csv"));
        QCOMPARE(l.status, 0);
        QCOMPARE(zeilen(l.aus).mid(0, anfang.size()), anfang);
    }

    void statistikTabelle() {
        const Lauf l = starten({QStringLiteral("statistik"), QStringLiteral("quadrupel")});
        QCOMPARE(l.status, 0);
        QVERIFY2(l.aus.startsWith(QStringLiteral("Statistiken für Ziehungen am Samstag und Mittwoch, "
                                                 "02.03.2024 bis 09.03.2024: 3 Ziehungen\n")),
                 qPrintable(l.aus));
        QVERIFY(l.aus.contains(QStringLiteral("Die häufigsten 4er")));
        QVERIFY(l.aus.contains(QStringLiteral("Die seltensten 4er")));
        QVERIFY(l.aus.contains(QStringLiteral("3,17,22,30")));
    }

    void systeme() {
        Lauf l = starten({QStringLiteral("systeme"), QStringLiteral("--pool"), QStringLiteral("10"),
                          QStringLiteral("--garantie"), QStringLiteral("3"), QStringLiteral("--genau"),
                          QStringLiteral("--bankzahlen"), QStringLiteral("0"), QStringLiteral("--nur-schein"),
                          QStringLiteral("--csv")});
        QCOMPARE(l.status, 0);
        QCOMPARE(zeilen(l.aus),
                 (QStringList{QStringLiteral("position,schein,text"),
                              QStringLiteral("355,1,10 Wahlzahlen ohne BZ in 15 Reihen mit 3er Garantie")}));
        // Without options every catalogue system matches; the table marks slip systems.
        l = starten({QStringLiteral("systeme")});
        QCOMPARE(l.status, 0);
        QVERIFY(l.aus.contains(QStringLiteral("* 10 Wahlzahlen ohne BZ in 15 Reihen mit 3er Garantie")));
        SystemeAufbauen(MaxSystemreihen);
        FilterWerte egal;
        egal.ZPegal = egal.GAegal = egal.TRegal = egal.BZegal = true;
        const FilterErgebnis alle = SystemeFiltern(egal);
        QVERIFY(alle.eintraege.size() > 400);
        QVERIFY(l.aus.endsWith(alle.anzahlText + QLatin1Char('\n')));
        // "--genau" after --bankzahlen: exactly two Bankzahlen; the guarantee is capped at four.
        l = starten({QStringLiteral("systeme"), QStringLiteral("--bankzahlen"), QStringLiteral("2"),
                     QStringLiteral("--genau"), QStringLiteral("--garantie"), QStringLiteral("5"),
                     QStringLiteral("--csv")});
        QCOMPARE(l.status, 0);
        QVERIFY(l.fehler.contains(QStringLiteral("durch die Anzahl der Bankzahlen beschränkt")));
        const QStringList z = zeilen(l.aus).mid(1);
        QVERIFY(!z.isEmpty());
        for (const QString& zeile : z)
            QVERIFY2(zeile.contains(QStringLiteral("plus 2 BZ")) &&
                         zeile.endsWith(QStringLiteral("mit 4er Garantie")),
                     qPrintable(zeile));
    }

    void system() {
        Lauf l = starten({QStringLiteral("system"), QStringLiteral("431"), QStringLiteral("--wahlzahlen"),
                          QStringLiteral("7,6,5,4,3,2,1"), QStringLiteral("--csv")});
        QCOMPARE(l.status, 0);
        const QStringList z = zeilen(l.aus);
        QCOMPARE(z.size(), 8);
        QCOMPARE(z[0], QStringLiteral("reihe,z1,z2,z3,z4,z5,z6"));
        QCOMPARE(z[1], QStringLiteral("1,1,2,3,4,5,6"));
        QCOMPARE(z[7], QStringLiteral("7,2,3,4,5,6,7"));
        // A system with Bankzahlen: they stand in every row; the distribution follows the rows.
        l = starten({QStringLiteral("system"), QStringLiteral("431"), QStringLiteral("--wahlzahlen"),
                     QStringLiteral("1,2,3,4,5,6,7")});
        QCOMPARE(l.status, 0);
        QVERIFY(l.aus.startsWith(
            QStringLiteral("Position 431: * 7 Wahlzahlen ohne BZ in 7 Reihen mit 6er Garantie\n")));
        QVERIFY(l.aus.contains(QStringLiteral("Verteilung der Tippzahlen")));
        QVERIFY2(l.aus.contains(QStringLiteral("\n   7       6\n")), qPrintable(l.aus));
    }

    void systemtest() {
        Lauf l = starten({QStringLiteral("systemtest"), QStringLiteral("431"), QStringLiteral("--csv")});
        QCOMPARE(l.status, 0);
        const QStringList z = zeilen(l.aus);
        QCOMPARE(z[0], QStringLiteral("treffer,richtige,kombinationen,anzahl,prozent"));
        // A full system catches every k-subset of its pool with k Richtige.
        QVERIFY(z.contains(QStringLiteral("2,2,21,21,100.00")));
        QVERIFY(z.contains(QStringLiteral("2,1,21,0,0.00")));
        QVERIFY(z.contains(QStringLiteral("6,6,7,7,100.00")));
        QCOMPARE(z.size(), 1 + 2 + 3 + 4 + 5 + 6);
        // 10/15 with its 3er guarantee: every triple of the pool has three Richtige.
        l = starten({QStringLiteral("systemtest"), QStringLiteral("355")});
        QCOMPARE(l.status, 0);
        QVERIFY(l.aus.contains(QStringLiteral("Rechenoperationen: ")));
        QVERIFY2(l.aus.contains(QStringLiteral("3 Treffer")), qPrintable(l.aus));
        QVERIFY(l.aus.contains(QStringLiteral("100,00")));
    }

    void abdeckung() {
        const Lauf l = starten({QStringLiteral("abdeckung"), QStringLiteral("--csv")});
        QCOMPARE(l.status, 0);
        const QStringList z = zeilen(l.aus);
        const AbdeckungsBericht b = SystemAbdeckung();
        QCOMPARE(z.size(), static_cast<qsizetype>(b.zeilen.size()) + 1);
        QCOMPARE(z[0], QStringLiteral("position,rg,wz,ga,tr,ungedeckt"));
        // Position 31 cannot hold every pair: 196 triples leave exactly 7 open.
        QCOMPARE(z[32], QStringLiteral("31,3,35,2,196,7"));
        const Lauf t = starten({QStringLiteral("abdeckung")});
        QVERIFY(t.aus.endsWith(
            QStringLiteral("%1 von %2 Systemen mit erfüllter Garantie\n").arg(b.erfuellt).arg(b.garantiert)));
    }

    void zufall() {
        const QStringList argumente{QStringLiteral("zufall"), QStringLiteral("--anzahl"),
                                    QStringLiteral("20"),     QStringLiteral("--bankzahlen"),
                                    QStringLiteral("1,2"),    QStringLiteral("--quotenkiller"),
                                    QStringLiteral("3"),      QStringLiteral("--favoriten"),
                                    QStringLiteral("4"),      QStringLiteral("--seed"),
                                    QStringLiteral("42"),     QStringLiteral("--csv")};
        const Lauf l = starten(argumente);
        QCOMPARE(l.status, 0);
        const QStringList z = zeilen(l.aus);
        QCOMPARE(z.size(), 21);
        // The generator of the window with the same seed gives the same rows.
        ZufallsAuswahl auswahl;
        QVERIFY(auswahl.umschalten(ZufallsGruppe::Bankzahlen, 1).ok());
        QVERIFY(auswahl.umschalten(ZufallsGruppe::Bankzahlen, 2).ok());
        QVERIFY(auswahl.umschalten(ZufallsGruppe::Quotenkiller, 3).ok());
        QVERIFY(auswahl.umschalten(ZufallsGruppe::Favoriten, 4).ok());
        const ZufallsErgebnis e = ZufallszahlenErmitteln(auswahl, 20, 42);
        for (int i = 0; i < 20; ++i) {
            QStringList erwartet{QString::number(i + 1)};
            for (const std::uint8_t n : e.Zufreihen[static_cast<std::size_t>(i)])
                erwartet.append(QString::number(n));
            QCOMPARE(z[i + 1], erwartet.join(QLatin1Char(',')));
        }
        QCOMPARE(starten(argumente).aus, l.aus);

        const QString datei = pfad(QStringLiteral("zufall.nkb"));
        const Lauf s = starten({QStringLiteral("zufall"), QStringLiteral("--anzahl"), QStringLiteral("1000"),
                                QStringLiteral("--bankzahlen"), QStringLiteral("7,13"),
                                QStringLiteral("--ausgabe"), datei});
        QCOMPARE(s.status, 0);
        QCOMPARE(s.aus, QStringLiteral("1.000 Tippreihen gespeichert in: zufall.nkb\n"));
        const Result<NormalScheinDatei> schein = NormalscheinLesen(datei);
        QVERIFY(schein.ok());
        QCOMPARE(schein->reihen.size(), 1000);
        for (const TNormalSchein& r : schein->reihen)
            QVERIFY(ZahlenMenge::aus(r.WZ.begin(), r.WZ.end()).enthaelt(7) &&
                    ZahlenMenge::aus(r.WZ.begin(), r.WZ.end()).enthaelt(13));
    }

    void importText() {
        Lauf l = starten(
            {QStringLiteral("import-text"), pfad(QStringLiteral("reihen.txt")), QStringLiteral("--csv")});
        QCOMPARE(l.status, 0);
        QCOMPARE(zeilen(l.aus),
                 (QStringList{QStringLiteral("reihe,z1,z2,z3,z4,z5,z6"), QStringLiteral("1,1,2,3,4,5,6"),
                              QStringLiteral("2,44,45,46,47,48,49")}));
        // The blank question: unanswered it stops with its text, answered it goes on.
        l = starten({QStringLiteral("import-text"), pfad(QStringLiteral("blanks.txt"))});
        QCOMPARE(l.status, 2);
        QVERIFY2(
            l.fehler.startsWith(QStringLiteral("Dienen die Leerzeichen der Trennung der Zahlen?\nWenn Sie")),
            qPrintable(l.fehler));
        QVERIFY(l.aus.isEmpty());
        const QString datei = pfad(QStringLiteral("import.nkb"));
        l = starten({QStringLiteral("import-text"), pfad(QStringLiteral("blanks.txt")),
                     QStringLiteral("--leerzeichen"), QStringLiteral("trennen"), QStringLiteral("--ausgabe"),
                     datei, QStringLiteral("--superzahl"), QStringLiteral("4")});
        QCOMPARE(l.status, 0);
        const Result<NormalScheinDatei> schein = NormalscheinLesen(datei);
        QVERIFY(schein.ok());
        QCOMPARE(schein->SZ, 4);
        QCOMPARE(schein->reihen.size(), 2);
        QCOMPARE(schein->reihen[1].WZ, (Tippreihe{7, 8, 9, 10, 11, 12}));
        // Deleting the blanks leaves one number per line, which is no row.
        l = starten({QStringLiteral("import-text"), pfad(QStringLiteral("blanks.txt")),
                     QStringLiteral("--leerzeichen"), QStringLiteral("loeschen")});
        QCOMPARE(l.status, 1);
        QVERIFY(l.fehler.startsWith(QStringLiteral("In Zeile 1 kann ich keine sechs Zahlen ausmachen.\n")));
    }

    void quotenImport() {
        Lauf l = starten(
            {QStringLiteral("quoten-import"), pfad(QStringLiteral("quoten.txt")), QStringLiteral("--csv")});
        QCOMPARE(l.status, 0);
        QCOMPARE(zeilen(l.aus), (QStringList{QStringLiteral("klasse,betrag"), QStringLiteral("1,"),
                                             QStringLiteral("2,"), QStringLiteral("3,\"15986,30\""),
                                             QStringLiteral("4,\"4967,10\""), QStringLiteral("5,\"228,30\""),
                                             QStringLiteral("6,\"57,00\""), QStringLiteral("7,\"23,40\""),
                                             QStringLiteral("8,\"12,30\""), QStringLiteral("9,\"5,00\"")}));
        // Tab form, third column: "unbesetzt" empties class 1, class 2 gets its amount, 3..9 stay.
        l = starten({QStringLiteral("quoten-import"), pfad(QStringLiteral("quoten-tabs.txt")),
                     QStringLiteral("--spalte"), QStringLiteral("3")});
        QCOMPARE(l.status, 0);
        QVERIFY2(l.aus.contains(QStringLiteral("(leer)")), qPrintable(l.aus));
        QVERIFY(l.aus.contains(QStringLiteral("1234567,80")));
        QCOMPARE(l.aus.count(QStringLiteral("(unverändert)")), 7);
    }

    void nUeberK() {
        Lauf l = starten({QStringLiteral("n-ueber-k"), QStringLiteral("49"), QStringLiteral("6")});
        QCOMPARE(l.status, 0);
        QCOMPARE(l.aus, QStringLiteral("49 über 6 = 13.983.816\n"));
        l = starten({QStringLiteral("n-ueber-k"), QStringLiteral("100"), QStringLiteral("50"),
                     QStringLiteral("--csv")});
        QCOMPARE(l.status, 0);
        QCOMPARE(l.aus, QStringLiteral("n,k,wert\n100,50,100891344545564193334812497256\n"));
    }

    // Refusals and wrong usage: the program's German message on stderr, nothing on stdout.
    void fehler_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("meldung");
        const auto a = [](std::initializer_list<const char*> w) {
            QStringList l;
            for (const char* s : w)
                l.append(QString::fromUtf8(s));
            return l;
        };
        QTest::newRow("ohne Befehl") << QStringList{} << 2 << QStringLiteral("Aufruf: kugelblick-cli BEFEHL");
        QTest::newRow("unbekannter Befehl")
            << a({"ziehen"}) << 2 << QStringLiteral("Unbekannter Befehl \"ziehen\".");
        QTest::newRow("unbekannte Option")
            << a({"ziehungen", "--seit", "1.1.2024"}) << 2 << QStringLiteral("Unbekannte Option \"--seit\".");
        QTest::newRow("Wert fehlt") << a({"ziehungen", "--von"}) << 2
                                    << QStringLiteral("Nach \"--von\" fehlt ein Wert.");
        QTest::newRow("falsches Datum") << a({"ziehungen", "--von", "31.02.2024"}) << 2
                                        << QStringLiteral("\"31.02.2024\" (--von) ist kein gültiges Datum.");
        QTest::newRow("Datenordner ohne Ziehungen")
            << a({"ziehungen", "--daten", "/nicht/da"}) << 1
            << QStringLiteral("Die Datei \"/nicht/da/GZ.649\" wurde nicht gefunden.");
        QTest::newRow("auswerten ohne Datei")
            << a({"auswerten"}) << 2 << QStringLiteral("Falsche Anzahl von Argumenten für \"auswerten\".");
        QTest::newRow("keine Samstagsziehung")
            << a({"auswerten", "x.nkb", "--bis", "06.03.2024", "--tage", "sa"}) << 1
            << QStringLiteral(
                   "An einem Mittwoch gibt es keine Samstagsziehung. ;-)\nIch breche erst einmal ab.\n");
        QTest::newRow("Zeitraum ohne Ziehung")
            << a({"auswerten", "x.nkb", "--von", "01.01.2025"}) << 1
            << QStringLiteral("Bitte kontrollieren Sie die Angaben für den Zeitraum");
        QTest::newRow("falsche Tage") << a({"auswerten", "x.nkb", "--tage", "so"}) << 2
                                      << QStringLiteral("--tage erlaubt beide, sa oder mi");
        QTest::newRow("falsche Statistik")
            << a({"statistik", "drillinge"}) << 2 << QStringLiteral("Unbekannte Statistik \"drillinge\"");
        QTest::newRow("falsche Kategorie") << a({"statistik", "paare", "--kategorie", "3"}) << 2
                                           << QStringLiteral("--kategorie erlaubt 0 bis 2, nicht 3.");
        QTest::newRow("sieben Suchzahlen")
            << a({"suche", "1,2,3,4,5,6,7"}) << 1
            << QStringLiteral("Sie können maximal sechs Zahlen für die Suche angeben.");
        QTest::newRow("eine Suchzahl") << a({"suche", "3"}) << 1 << QStringLiteral("mindestens zwei Zahlen");
        QTest::newRow("Suchzahl doppelt")
            << a({"suche", "3,3"}) << 1 << QStringLiteral("Die Zahl 3 ist mehr als einmal angegeben.");
        QTest::newRow("genau allein")
            << a({"systeme", "--genau"}) << 2 << QStringLiteral("--genau gehört hinter");
        QTest::newRow("Pool zu klein")
            << a({"systeme", "--pool", "3"}) << 2 << QStringLiteral("--pool erlaubt 4 bis 49");
        QTest::newRow("unbekannte Position")
            << a({"systemtest", "437"}) << 1
            << QStringLiteral("Eine Position 437 gibt es im Systemkatalog nicht");
        QTest::newRow("Position keine Zahl") << a({"system", "x", "--wahlzahlen", "1"}) << 2
                                             << QStringLiteral("'x' ist kein gültiger Integerwert");
        QTest::newRow("Wahlzahlen fehlen") << a({"system", "355", "--wahlzahlen", "1,2,3"}) << 1
                                           << QStringLiteral("Bitte wählen Sie oben 10 Tippahlen.\n");
        QTest::newRow("zu viele Bankzahlen")
            << a({"system", "431", "--wahlzahlen", "1,2,3,4,5,6,7", "--bankzahlen", "8"}) << 1
            << QStringLiteral("Sie haben bereits 7 Zahlen gewählt.");
        QTest::newRow("Zahl 50") << a({"system", "431", "--wahlzahlen", "1,2,3,4,5,6,50"}) << 1
                                 << QStringLiteral("Die Zahl 50 ist keine Lottozahl");
        QTest::newRow("sechs Bankzahlen")
            << a({"zufall", "--anzahl", "5", "--bankzahlen", "1,2,3,4,5,6"}) << 1
            << QStringLiteral("Mehr als fünf Bankzahlen lässt dem Zufall keinen Raum.");
        QTest::newRow("zu viele Reihen")
            << a({"zufall", "--anzahl", "45", "--bankzahlen", "1,2,3,4,5"}) << 1
            << QStringLiteral("Ihre \"Manipulationen\" lassen dem Zufall keine Chance, 45 "
                              "Tippreihen zu bilden.\nich muss abbrechen.");
        QTest::newRow("ohne Anzahl") << a({"zufall"}) << 1
                                     << QStringLiteral(
                                            "Bitte geben Sie die Anzahl der gewünschten Tippreihen an.");
        QTest::newRow("falsche Endung") << a({"zufall", "--anzahl", "5", "--ausgabe", "x.txt"}) << 2
                                        << QStringLiteral("muss auf .nkb (Spielschein) oder .csv enden.");
        QTest::newRow("Text fehlt") << a({"import-text", "/nicht/da.txt"}) << 1
                                    << QStringLiteral("Die Datei \"/nicht/da.txt\" wurde nicht gefunden.");
        QTest::newRow("Superzahl 10") << a({"import-text", "x.txt", "--superzahl", "10"}) << 2
                                      << QStringLiteral("--superzahl erlaubt 0 bis 9, nicht 10.");
        QTest::newRow("Spalte 11") << a({"quoten-import", "x.txt", "--spalte", "11"}) << 2
                                   << QStringLiteral("--spalte erlaubt 1 bis 10, nicht 11.");
        QTest::newRow("n kleiner k")
            << a({"n-ueber-k", "6", "49"}) << 1
            << QStringLiteral("Die Zahl für \"n\" muss größer als die für \"k\" sein.\nIch breche");
        QTest::newRow("n zu groß") << a({"n-ueber-k", "1001", "2"}) << 1
                                   << QStringLiteral("Für \"n\" größer als 1.000 ist das Ergebnis zu groß");
    }
    void fehler() {
        QFETCH(QStringList, argumente);
        QFETCH(int, status);
        QFETCH(QString, meldung);
        const Lauf l = starten(argumente);
        QCOMPARE(l.status, status);
        QVERIFY2(l.fehler.contains(meldung), qPrintable(l.fehler));
        QVERIFY2(!l.fehler.contains(QLatin1Char('\r')), qPrintable(l.fehler));
        QVERIFY2(argumente.isEmpty() || l.aus.isEmpty(), qPrintable(l.aus));
    }

    void dateiFehler() {
        // Files that exist but say nothing usable.
        Lauf l = starten({QStringLiteral("import-text"), pfad(QStringLiteral("falsch.txt"))});
        QCOMPARE(l.status, 1);
        QVERIFY(l.fehler.startsWith(
            QStringLiteral("In Zeile 1 ist die 6. Zahl, die 50, keine gültige Tippzahl.\n")));
        l = starten({QStringLiteral("quoten-import"), pfad(QStringLiteral("leer.txt"))});
        QCOMPARE(l.status, 1);
        QCOMPARE(l.fehler,
                 QStringLiteral(
                     "Das Textfeld ist leer. Es gibt nichts zu übertragen.\nIch breche erst einmal ab.\n"));
        // The tab form with a column the lines do not have: the message names the line.
        l = starten({QStringLiteral("quoten-import"), pfad(QStringLiteral("quoten-tabs.txt")),
                     QStringLiteral("--spalte"), QStringLiteral("5")});
        QCOMPARE(l.status, 1);
        QVERIFY2(l.fehler.startsWith(QStringLiteral("Die Zeile 1 (")), qPrintable(l.fehler));
        // Unreadable: a folder where a ticket should be.
        QVERIFY(QDir().mkpath(pfad(QStringLiteral("ordner.nkb"))));
        l = starten({QStringLiteral("auswerten"), pfad(QStringLiteral("ordner.nkb"))});
        QCOMPARE(l.status, 1);
        QVERIFY2(l.fehler.contains(QStringLiteral("ordner.nkb")), qPrintable(l.fehler));
    }
};

KB_TEST(CliTest)
#include "cli_test.moc"
