#include "core/row_table.h"
#include "statistics/distribution.h"
#include "statistics/distribution_window.h"
#include "test_main.h"

#include <QPushButton>

#include <numeric>

using namespace kb;

class VerteilungTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void zaehlen() {
        TippreihenDaten t(4);
        QCOMPARE(TippzahlenZaehlen(t).fehler(),
                 QStringLiteral("Die Tabelle ist leer. Eine statistische Auswertung macht keinen Sinn.\r\r"
                                "Ich breche erst einmal ab."));
        t.setzeReihe(1, {1, 2, 3, 4, 5, 6});
        t.setzeReihe(2, {1, 2, 3, 7, 8, 9});
        QCOMPARE(TippzahlenZaehlen(t).fehler(), QStringLiteral("'' ist kein gültiger Integerwert"));
        t.setzeReihe(3, {1, 2, 10, 11, 12, 13});
        t.setzeZelle(6, 3, QStringLiteral("50")); // counted nowhere
        const auto v = TippzahlenZaehlen(t);
        QVERIFY(v.ok());
        QCOMPARE(v->zeilen, 3);
        QCOMPARE(v->anzahl[1], 3);
        QCOMPARE(v->anzahl[3], 2);
        QCOMPARE(v->anzahl[13], 0);
        QCOMPARE(std::accumulate(v->anzahl.begin(), v->anzahl.end(), 0), 17);
        t.setzeZelle(4, 2, QStringLiteral("sieben"));
        QCOMPARE(TippzahlenZaehlen(t).fehler(), QStringLiteral("'sieben' ist kein gültiger Integerwert"));
    }

    void kacheln_data() {
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("farbe");
        QTest::newRow("nie") << 0 << "" << int(KachelFarbe::Rot);
        QTest::newRow("immer") << 3 << "3" << int(KachelFarbe::Gruen);
        QTest::newRow("manchmal") << 2 << "2" << int(KachelFarbe::Standard);
    }
    void kacheln() {
        QFETCH(int, anzahl);
        QFETCH(QString, text);
        QFETCH(int, farbe);
        const Kachel k = VerteilungsKachel(anzahl, 3);
        QCOMPARE(k.text, text);
        QCOMPARE(int(k.farbe), farbe);
    }

    // Ascending by count, ties by number; all equal counts keep 1..49.
    void reihenfolge() {
        std::array<int, 50> anzahl{};
        anzahl.fill(2);
        std::array<int, 49> eins_bis_49{};
        std::iota(eins_bis_49.begin(), eins_bis_49.end(), 1);
        QCOMPARE(AufsteigendNachAnzahl(anzahl), eins_bis_49);
        anzahl[7] = 0;
        anzahl[3] = 0;
        anzahl[1] = 5;
        anzahl[49] = 1;
        const auto r = AufsteigendNachAnzahl(anzahl);
        QCOMPARE(r[0], 3);
        QCOMPARE(r[1], 7);
        QCOMPARE(r[2], 49);
        QCOMPARE(r[3], 2);
        QCOMPARE(r[48], 1);
    }

    void sortierenUndZurueck() {
        TFStat1 w;
        QCOMPARE(w.objectName(), QStringLiteral("FStat1"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Kugelblick 1.7.0.0"));
        QCOMPARE(w.size(), QSize(260, 371));
        ZahlKachelFeld* k = w.kacheln();
        QCOMPARE(k->size(), QSize(240, 312));
        QCOMPARE(k->nummer(9)->pos(), QPoint(33 + 5, 40 + 20 + 8));
        QCOMPARE(k->heimat(9), QPoint(33 + 5, 23 + 2 * 17 + 20 + 7));
        std::array<int, 50> anzahl{};
        for (int n = 1; n <= 49; ++n) {
            anzahl[n] = (n * 7) % 5;
            k->setzeWert(n, QString::number(anzahl[n]));
        }
        w.setzeAnzahlen(anzahl);
        auto* bAuf = w.findChild<QPushButton*>(QStringLiteral("BAuf"));
        QCOMPARE(bAuf->text(), QStringLiteral("Aufsteigend sortieren"));

        QTest::mouseClick(bAuf, Qt::LeftButton);
        QVERIFY(w.sortiert());
        QCOMPARE(bAuf->text(), QStringLiteral("Von 1 - 49 sortieren"));
        const auto ordnung = AufsteigendNachAnzahl(anzahl);
        for (int p = 1; p <= 49; ++p) {
            const int n = ordnung[p - 1];
            QCOMPARE(k->nummer(p)->text(), QString::number(n));
            QCOMPARE(k->wert(n)->pos(), k->heimat(p));
        }
        QCOMPARE(k->nummer(1)->text(), QStringLiteral("5")); // the first number with count 0

        QTest::mouseClick(bAuf, Qt::LeftButton);
        QVERIFY(!w.sortiert());
        QCOMPARE(bAuf->text(), QStringLiteral("Aufsteigend sortieren"));
        for (int n = 1; n <= 49; ++n) {
            QCOMPARE(k->nummer(n)->text(), QString::number(n));
            QCOMPARE(k->wert(n)->pos(), k->heimat(n));
            QCOMPARE(k->wert(n)->text(), QString::number(anzahl[n]));
        }
    }
};
KB_TEST(VerteilungTest)

#include "distribution_test.moc"
