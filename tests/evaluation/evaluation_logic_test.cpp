#include "core/date.h"
#include "evaluation/period_evaluation.h"
#include "evaluation/prize_classes.h"
#include "evaluation/ticket_rows.h"
#include "quotas/quota_file.h"
#include "core/record_file.h"
#include "test_main.h"

#include <QMap>

using namespace kb;

namespace {
const QLocale deutsch(QLocale::German, QLocale::Germany);

TGewZahlen ziehung(const QDate& d, std::array<std::uint8_t, 6> gz, std::uint8_t sz) {
    TGewZahlen z;
    z.datum = ausQDate(d);
    z.GZ = gz;
    z.SZ = sz;
    return z;
}

TQuoten quote(TDate d, Geld basis) {
    TQuoten q;
    q.datum = d;
    for (int k = 1; k <= 9; ++k)
        q.q[k] = basis * (10 - k);
    return q;
}

AuswertungsFeld feld(const QString& name, const QVector<std::array<std::uint8_t, 6>>& reihen) {
    AuswertungsFeld f{name, {}};
    for (const auto& r : reihen)
        f.reihen.push_back(ReihenMaske(r));
    return f;
}
} // namespace

class AuswertungLogikTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void klassen_data() {
        QTest::addColumn<int>("treffer");
        QTest::addColumn<int>("scheinSZ");
        QTest::addColumn<int>("ziehungSZ");
        QTest::addColumn<int>("klasse");
        QTest::newRow("6+SZ") << 6 << 3 << 3 << 1;
        QTest::newRow("6 ohne SZ auf dem Schein") << 6 << -1 << 3 << 2;
        QTest::newRow("6 andere SZ") << 6 << 4 << 3 << 2;
        QTest::newRow("5+SZ") << 5 << 0 << 0 << 3;
        QTest::newRow("4") << 4 << 0 << 1 << 6;
        QTest::newRow("3+SZ") << 3 << 9 << 9 << 7;
        QTest::newRow("2+SZ") << 2 << 5 << 5 << 9;
        QTest::newRow("2 ohne") << 2 << 5 << 6 << 0;
        QTest::newRow("1+SZ") << 1 << 5 << 5 << 0;
        QTest::newRow("unbekannte SZ der Ziehung") << 6 << -1 << 255 << 2;
    }
    void klassen() {
        QFETCH(int, treffer);
        QFETCH(int, scheinSZ);
        QFETCH(int, ziehungSZ);
        QFETCH(int, klasse);
        QCOMPARE(Gewinnklasse(treffer, SuperzahlTrifft(scheinSZ, ziehungSZ)), klasse);
        QCOMPARE(KlassenTexte[klasse].isEmpty(), klasse == 0);
        if (klasse > 0)
            QCOMPARE(TrefferDerKlasse(klasse), treffer);
    }

    void quotenSuche() {
        // A duplicate date: the first record of it gives the amounts.
        const QVector<TQuoten> liste = {quote(45000, 100), quote(45004, 200), quote(45004, 300), quote(45010, 400)};
        const QuotenSuche s(liste);
        QCOMPARE(s.betrag(9, 45004), Geld(200));
        QCOMPARE(s.betrag(1, 45010), Geld(3600)); // exactly on the last record
        QCOMPARE(s.betrag(3, 45011), Geld(121354000)); // one day later: standard quotas
        QCOMPARE(s.betrag(4, 45002), Geld(40192000));  // inside, without a record: standard too
        QCOMPARE(s.betrag(0, 45000), Geld(0));
        // Out of date order: the last record's date alone decides.
        QVector<TQuoten> ungeordnet = liste;
        ungeordnet.append(quote(44990, 500));
        const QuotenSuche u(ungeordnet);
        QCOMPARE(u.betrag(9, 45004), Geld(60000));
        QCOMPARE(u.betrag(9, 44990), Geld(500));

        const QVector<TQuoten> leer;
        const QuotenSuche ohne(leer);
        QCOMPARE(ohne.betrag(9, 44097), Geld(60000));   // 6,00 from 23.09.2020
        QCOMPARE(ohne.betrag(9, 44096), Geld(50000));   // 5,00 until 22.09.2020
        QCOMPARE(ohne.betrag(5, 40428), Geld(44700));   // 4,47 before 08.09.2010
        QCOMPARE(ohne.betrag(6, 40428), Geld(0));       // no standard amount for class 6 then
    }

    void ziehungenWaehlen_data() {
        QTest::addColumn<int>("tage");
        QTest::addColumn<bool>("zurueck");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("ende");
        QTest::addColumn<QStringList>("erwartet"); // SDatum texts, or the message
        // History: Sa 06.04., Mi 10.04., Fr 12.04., Sa 13.04.2024
        QTest::newRow("einzeln") << 0 << false << 3 << 1 << QStringList{"10.04.2024 (Mi)"};
        QTest::newRow("Zeitraum Samstage") << 1 << true << 0 << 3
                                           << QStringList{"06.04.2024 (Sa)", "13.04.2024 (Sa)"};
        QTest::newRow("Zeitraum alle, Freitag ohne Marke")
            << 0 << true << 1 << 2 << QStringList{"10.04.2024 (Mi)", "12.04.2024"};
        QTest::newRow("Samstag gewaehlt, Mittwoch verlangt")
            << 2 << false << 0 << 0
            << QStringList{"An einem Samstag gibt es keine Mittwochsziehung. ;-)\r\rIch breche erst einmal ab."};
        QTest::newRow("Zeitraum ohne Samstag")
            << 1 << true << 1 << 2
            << QStringList{"In dem für die Gewinnauswertung gewählten Zeitraum gibt es keine Samstagsziehung.\r\r"
                           "Ich breche erst einmal ab."};
        QTest::newRow("Anfang nach Ende")
            << 0 << true << 3 << 1
            << QStringList{"Bitte kontrollieren Sie die Angaben für den Zeitraum der Gewinnauswertung\r\r"
                           "Ich breche erst einmal ab."};
        QTest::newRow("kein Anfang gewaehlt")
            << 0 << true << -1 << 1
            << QStringList{"Bitte kontrollieren Sie die Angaben für den Zeitraum der Gewinnauswertung\r\r"
                           "Ich breche erst einmal ab."};
    }
    void ziehungenWaehlen() {
        QFETCH(int, tage);
        QFETCH(bool, zurueck);
        QFETCH(int, start);
        QFETCH(int, ende);
        QFETCH(QStringList, erwartet);
        const QVector<TGewZahlen> gew = {ziehung({2024, 4, 6}, {1, 2, 3, 4, 5, 6}, 1),
                                         ziehung({2024, 4, 10}, {1, 2, 3, 4, 5, 6}, 1),
                                         ziehung({2024, 4, 12}, {1, 2, 3, 4, 5, 6}, 1),
                                         ziehung({2024, 4, 13}, {1, 2, 3, 4, 5, 6}, 1)};
        const auto r = ZiehungenWaehlen(gew, ZiehungsWahl{tage, zurueck, start, ende}, deutsch);
        QStringList ist;
        if (r.ok())
            for (const TGewAusw& a : *r)
                ist.append(a.SDatum);
        else
            ist.append(r.fehler());
        QCOMPARE(ist, erwartet);
        QCOMPARE(ZiehungenWaehlen({}, ZiehungsWahl{}, deutsch).fehler(),
                 QStringLiteral("Es sind keine Ziehungen vorhanden."));
    }

    void normalscheinListe() {
        // Three rows; draw 1 no win, draw 2 two equal wins (rows 1 and 3), draw 3 a class 9.
        const QVector<TGewZahlen> gew = {ziehung({2024, 4, 6}, {40, 41, 42, 43, 44, 45}, 3),
                                         ziehung({2024, 4, 10}, {1, 2, 3, 20, 21, 22}, 3),
                                         ziehung({2024, 4, 13}, {1, 2, 30, 31, 32, 33}, 7)};
        AuswertungsSchein s;
        s.SZ = 7;
        s.felder = {feld({}, {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}, {20, 21, 22, 13, 14, 15}})};
        const QVector<TQuoten> quoten;
        const auto e = Auswerten(s, *ZiehungenWaehlen(gew, {0, true, 0, 2}, deutsch), QuotenSuche(quoten));
        QCOMPARE(e.zeilen.size(), 4);
        QVERIFY(e.zeilen[0].ersteZeile && e.zeilen[0].klasse == 0); // "---"
        QVERIFY(e.zeilen[1].ersteZeile && e.zeilen[1].klasse == 8 && e.zeilen[1].reihe == 1);
        QVERIFY(!e.zeilen[2].ersteZeile && e.zeilen[2].klasse == 8 && e.zeilen[2].reihe == 3);
        QVERIFY(e.zeilen[3].ersteZeile && e.zeilen[3].klasse == 9 && e.zeilen[3].reihe == 1);
        QCOMPARE(e.gesamt, Geld(111000 * 2 + 60000));
        QCOMPARE(e.hoechst, Geld(111000));
        QCOMPARE(e.hoechstZeile, 2); // the first of the equal wins
        QCOMPARE(e.hoechstDatum, QStringLiteral("10.04.2024"));
    }

    void systemscheinNurFeldZweiGewinnt() {
        const QVector<TGewZahlen> gew = {ziehung({2024, 4, 10}, {7, 8, 9, 10, 40, 41}, 2)};
        AuswertungsSchein s;
        s.system = true;
        s.SZ = -1; // without Superzahl: never an odd class
        s.felder = {feld(QStringLiteral("007"), {{1, 2, 3, 4, 5, 6}}),
                    feld(QStringLiteral("9/12"), {{7, 8, 9, 10, 11, 12}, {30, 31, 32, 33, 34, 35}, {7, 8, 20, 21, 22, 23}})};
        const QVector<TQuoten> quoten;
        const auto e = Auswerten(s, *ZiehungenWaehlen(gew, {0, false, 0, 0}, deutsch), QuotenSuche(quoten));
        QCOMPARE(e.zeilen.size(), 2);
        QCOMPARE(e.zeilen[0].feld, std::int16_t(0));
        QVERIFY(e.zeilen[0].ersteZeile && e.zeilen[0].klasse == 0);
        QCOMPARE(e.zeilen[1].feld, std::int16_t(1));
        QCOMPARE(e.zeilen[1].klasse, std::uint8_t(6));
        QCOMPARE(e.zeilen[1].reihe, 1);
        QVERIFY(!e.zeilen[1].ersteZeile);
        QCOMPARE(e.gesamt, Geld(503000)); // 4 hits: 50,30 (2 + SZ impossible without SZ)
    }

    // A broken quota file may hold any amounts: the total stops at the largest amount
    // instead of overflowing.
    void gesamtBeiRiesigenQuoten() {
        const QVector<TGewZahlen> gew = {ziehung({2024, 4, 6}, {1, 2, 3, 4, 5, 6}, 1),
                                         ziehung({2024, 4, 10}, {1, 2, 3, 4, 5, 6}, 1)};
        QVector<TQuoten> quoten(2);
        quoten[0].datum = gew[0].datum;
        quoten[1].datum = gew[1].datum;
        quoten[0].q[2] = quoten[1].q[2] = std::numeric_limits<Geld>::max() - 5;
        AuswertungsSchein s;
        s.SZ = 7;
        s.felder = {feld({}, {{1, 2, 3, 4, 5, 6}})};
        const auto e = Auswerten(s, *ZiehungenWaehlen(gew, {0, true, 0, 1}, deutsch), QuotenSuche(quoten));
        QCOMPARE(e.gesamt, std::numeric_limits<Geld>::max());
        QCOMPARE(e.hoechst, std::numeric_limits<Geld>::max() - 5);
        QCOMPARE(GeldSumme(std::numeric_limits<Geld>::min() + 1, -2), std::numeric_limits<Geld>::min());
        QCOMPARE(GeldSumme(-5, 3), Geld(-2));
    }

    void echteZiehungenUndQuoten() {
        const auto gz = DateiLesen(QStringLiteral(KB_DATENSATZ_DIR "/GZ.649"));
        const auto quo = DateiLesen(QStringLiteral(KB_DATENSATZ_DIR "/Quo.649"));
        QVERIFY(gz.ok() && gz->vorhanden && quo.ok() && quo->vorhanden);
        const QVector<TGewZahlen> gew = RecordsAusBytes<TGewZahlen>(gz->daten);
        const QVector<TQuoten> quoten = RecordsAusBytes<TQuoten>(quo->daten);
        AuswertungsSchein s;
        s.SZ = 0;
        s.felder = {feld({}, {{7, 11, 13, 20, 35, 41}, {1, 2, 7, 8, 13, 43}, {13, 23, 28, 30, 35, 38}})};
        const auto ziehungen = ZiehungenWaehlen(gew, {0, true, 0, int(gew.size()) - 1}, deutsch);
        QVERIFY(ziehungen.ok());
        QCOMPARE(ziehungen->size(), 5031);
        const auto e = Auswerten(s, *ziehungen, QuotenSuche(quoten));
        // Wins by hand from the published results and quotas.
        QMap<QString, QStringList> gewinne;
        for (const Ergebniszeile& z : e.zeilen)
            if (z.klasse)
                gewinne[e.ziehungen[z.ziehung].SDatum].append(
                    QStringLiteral("%1/%2/%3").arg(KlassenTexte[z.klasse]).arg(z.reihe).arg(GeldText(z.betrag, deutsch)));
        QCOMPARE(gewinne.value(QStringLiteral("06.04.2024 (Sa)")),
                 (QStringList{"6 + SZ/1/2.389.207,20", "2 + SZ/2/6,00", "2 + SZ/3/6,00"}));
        QCOMPARE(gewinne.value(QStringLiteral("10.04.2024 (Mi)")), QStringList{"4/2/47,50"});
        QCOMPARE(gewinne.value(QStringLiteral("04.06.2025 (Mi)")), QStringList{"6/3/1.126.429,40"});
        QCOMPARE(e.hoechst, Geld(23892072000));
        QCOMPARE(e.hoechstDatum, QStringLiteral("06.04.2024"));
    }

    void nurSechsFelder() {
        // A file of seven fields: a tab and the command line take the first six, each expanded.
        TSySSchein f;
        f.Sys = 1; // "007"
        for (std::uint8_t i = 0; i < 7; ++i)
            f.WZ[i] = static_cast<std::uint8_t>(i + 1);
        SystemScheinDatei d;
        d.felder = QVector<TSySSchein>(7, f);
        d.felder[1].Sys = 99;
        const QVector<FeldAnsicht> felder = FelderAufloesen(d);
        QCOMPARE(felder.size(), 6);
        QVERIFY(felder[0].gueltig);
        QCOMPARE(felder[0].reihen.size(), 7);
        QCOMPARE(felder[1].systemName, UngueltigesSystem);
        QVERIFY(felder[1].reihen.isEmpty());
    }

    void ungueltigeReihenSpielenNichtMit() {
        QCOMPARE(ReihenMaske({1, 2, 3, 4, 5, 50}), std::uint64_t(0));
        QCOMPARE(ReihenMaske({1, 1, 3, 4, 5, 6}), std::uint64_t(0));
        QCOMPARE(ReihenMaske({0, 2, 3, 4, 5, 6}), std::uint64_t(0));
        QVERIFY(ReihenMaske({49, 2, 3, 4, 5, 1}) != 0);
    }
};
KB_TEST(AuswertungLogikTest)

#include "evaluation_logic_test.moc"
