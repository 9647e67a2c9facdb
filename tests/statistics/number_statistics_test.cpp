#include "statistics/number_statistics.h"
#include "test_main.h"

using namespace kb;

namespace {
TGewZahlen ziehung(TDate datum, std::array<std::uint8_t, 6> gz) {
    TGewZahlen z;
    z.datum = datum;
    z.GZ = gz;
    z.SZ = 3;
    return z;
}
// 45388 Sa 06.04.2024, 45392 Mi 10.04.2024, 45394 Fr 12.04.2024, 45395 Sa 13.04.2024.
const QVector<TGewZahlen> gemischt = {
    ziehung(45388, {1, 2, 3, 4, 5, 6}),
    ziehung(45392, {6, 7, 8, 9, 10, 11}),
    ziehung(45394, {1, 6, 20, 30, 40, 49}), // Friday: category 0 only
    ziehung(45395, {49, 6, 1, 12, 13, 14}),
};
} // namespace

class ZahlenStatistikTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wochentag_data() {
        QTest::addColumn<double>("datum");
        QTest::addColumn<int>("tag");
        QTest::newRow("23.09.2020 Mittwoch") << 44097.0 << 4;
        QTest::newRow("08.09.2010 Mittwoch") << 40429.0 << 4;
        QTest::newRow("30.12.1899 Samstag") << 0.0 << 7;
        QTest::newRow("29.12.1899 Freitag") << -1.0 << 6;
        QTest::newRow("09.10.1955 Sonntag") << 20371.0 << 1;
        QTest::newRow("mit Uhrzeit") << 44097.9 << 4;
        QTest::newRow("NaN") << std::nan("") << 0;
    }
    void wochentag() {
        QFETCH(double, datum);
        QFETCH(int, tag);
        QCOMPARE(WochentagVon(datum), tag);
    }

    void kategorienUndZaehler() {
        ZahlenStatistik s;
        StatistikStart(s, gemischt);
        QCOMPARE(s.ziehungen[KategorieAlle], gemischt);
        QCOMPARE(s.ziehungen[KategorieSamstag], (QVector<TGewZahlen>{gemischt[0], gemischt[3]}));
        QCOMPARE(s.ziehungen[KategorieMittwoch], QVector<TGewZahlen>{gemischt[1]});
        QCOMPARE(s.mengen[KategorieAlle].size(), 4);
        QCOMPARE(s.mengen[KategorieAlle][2], ZahlenMenge::aus({1, 6, 20, 30, 40, 49}));
        QCOMPARE(s.mengen[KategorieSamstag][1], ZahlenMenge::aus({1, 6, 12, 13, 14, 49}));
        // The Friday draw counts in no row: 20, 30, 40 stay 0; 6 was drawn on Sa, Mi, Sa.
        QCOMPARE(s.zaehler[KategorieAlle][6 - 1], 3);
        QCOMPARE(s.zaehler[KategorieSamstag][6 - 1], 2);
        QCOMPARE(s.zaehler[KategorieMittwoch][6 - 1], 1);
        QCOMPARE(s.zaehler[KategorieAlle][20 - 1], 0);
        QCOMPARE(s.zaehler[KategorieAlle][49 - 1], 1);
        QCOMPARE(s.zaehler[KategorieAlle][1 - 1], 2);
        // Over category 0 a stretch counts every draw, the Friday one included.
        const Zahlenzaehler& teil = TeilStatistik(s, 1, 2, KategorieAlle);
        QCOMPARE(teil[20 - 1], 1);
        QCOMPARE(teil[6 - 1], 2);
        QCOMPARE(teil[1 - 1], 1);
        QCOMPARE(s.zaehler[KategorieAlle][20 - 1], 1);   // the row itself was overwritten
        QCOMPARE(s.zaehler[KategorieSamstag][6 - 1], 2); // other rows untouched
        // bis < von, and stretches beyond the list, are clipped instead of read out of bounds.
        QCOMPARE(TeilStatistik(s, 3, 2, KategorieSamstag), Zahlenzaehler{});
        QCOMPARE(TeilStatistik(s, -5, 99, KategorieSamstag)[6 - 1], 2);
        QCOMPARE(TeilStatistik(s, 0, 0, 7), Zahlenzaehler{});

        // Counters of Saturday and Wednesday only: row 0 equals the number of draws holding n.
        ZahlenStatistik nurZiehungstage;
        QVector<TGewZahlen> ohneFreitag = gemischt;
        ohneFreitag.removeAt(2);
        StatistikStart(nurZiehungstage, ohneFreitag);
        for (int n = 1; n <= MaxZahl; ++n) {
            int enthalten = 0;
            for (const TGewZahlen& d : ohneFreitag)
                enthalten += d.menge().enthaelt(n) ? 1 : 0;
            QCOMPARE(nurZiehungstage.zaehler[KategorieAlle][n - 1], enthalten);
        }
    }

    void neuAufbauErsetztAlles() {
        ZahlenStatistik s;
        StatistikStart(s, gemischt);
        const ZahlenStatistik erste = s;
        StatistikStart(s, gemischt);
        QCOMPARE(s.ziehungen, erste.ziehungen);
        QCOMPARE(s.mengen, erste.mengen);
        QCOMPARE(s.zaehler, erste.zaehler);
        StatistikStart(s, gemischt.mid(1));
        QCOMPARE(s.mengen[KategorieAlle][0], ZahlenMenge::aus({6, 7, 8, 9, 10, 11}));
        QCOMPARE(s.ziehungen[KategorieSamstag].size(), 1);
        QCOMPARE(s.zaehler[KategorieAlle][2 - 1], 0);
        StatistikStart(s, {});
        for (int k = 0; k < KategorieAnzahl; ++k) {
            QVERIFY(s.ziehungen[k].isEmpty());
            QVERIFY(s.mengen[k].isEmpty());
            QCOMPARE(s.zaehler[k], Zahlenzaehler{});
        }
    }

    void ausgeblieben() {
        // Ten Saturdays; 7 is drawn in the last one, 49 never.
        const std::array<std::array<std::uint8_t, 6>, 10> zahlen = {{{1, 2, 3, 4, 5, 6},
                                                                     {8, 9, 10, 11, 12, 13},
                                                                     {14, 15, 16, 17, 18, 19},
                                                                     {20, 21, 22, 23, 24, 25},
                                                                     {26, 27, 28, 29, 30, 31},
                                                                     {32, 33, 34, 35, 36, 37},
                                                                     {38, 39, 40, 41, 42, 43},
                                                                     {44, 45, 46, 47, 48, 1},
                                                                     {2, 3, 4, 5, 6, 8},
                                                                     {13, 12, 11, 10, 9, 7}}};
        QVector<TGewZahlen> zehn;
        for (int i = 0; i < 10; ++i)
            zehn.append(ziehung(45388 + 7 * i, zahlen[i]));
        ZahlenStatistik s;
        StatistikStart(s, zehn);
        const Abwesenheit a = Ausgeblieben(s, 0, 9, KategorieSamstag);
        QCOMPARE(a.luecke[7 - 1], 0);
        QCOMPARE(a.luecke[8 - 1], 1);
        QCOMPARE(a.luecke[1 - 1], 2);
        QCOMPARE(a.luecke[14 - 1], 7);
        QCOMPARE(a.luecke[49 - 1], 10);
        // Largest gap first; equal gaps in ascending order of the number.
        const Zahlenfolge erwartet = {49, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29,
                                      30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 1,  44, 45,
                                      46, 47, 48, 2,  3,  4,  5,  6,  8,  7,  9,  10, 11, 12, 13};
        QCOMPARE(a.reihenfolge, erwartet);
        // The same stretch over category 0 gives the same; a shorter one ending earlier differs.
        QCOMPARE(Ausgeblieben(s, 0, 9, KategorieAlle).luecke, a.luecke);
        const Abwesenheit b = Ausgeblieben(s, 0, 1, KategorieSamstag);
        QCOMPARE(b.luecke[7 - 1], 2);
        QCOMPARE(b.luecke[8 - 1], 0);
        QCOMPARE(b.luecke[1 - 1], 1);
        // An empty stretch and an empty category: all gaps 0, numbers in order 1..49.
        for (const Abwesenheit& leer :
             {Ausgeblieben(s, 5, 4, KategorieSamstag), Ausgeblieben(s, 0, 9, KategorieMittwoch)}) {
            QCOMPARE(leer.luecke, Zahlenzaehler{});
            for (int i = 0; i < MaxZahl; ++i)
                QCOMPARE(leer.reihenfolge[i], i + 1);
        }
    }

    void nachAnzahlOrdnen() {
        Zahlenzaehler z{};
        z.fill(5);
        z[49 - 1] = 1;
        z[10 - 1] = 1;
        z[3 - 1] = 9;
        const Zahlenfolge f = NachAnzahlOrdnen(z);
        QCOMPARE(f[0], 10);
        QCOMPARE(f[1], 49);
        QCOMPARE(f[2], 1);
        QCOMPARE(f[3], 2);
        QCOMPARE(f[4], 4);
        QCOMPARE(f[48], 3);
    }
};
KB_TEST(ZahlenStatistikTest)

#include "number_statistics_test.moc"
