#include "core/date.h"
#include "core/ini_file.h"
#include "quotas/quota_file.h"
#include "quotas/quota_settings.h"
#include "quotas/quota_table.h"
#include "test_main.h"

#include <QAbstractItemModelTester>

using namespace kb;

namespace {
TDate tag(int j, int m, int t) {
    return ausQDate(QDate(j, m, t));
}

TQuoten quoten(TDate datum, Geld basis) {
    TQuoten q;
    q.datum = datum;
    for (int k = 1; k <= 9; ++k)
        q.q[k] = basis * k;
    return q;
}

QString datumListe(const QVector<TQuoten>& liste) {
    QStringList t;
    for (const TQuoten& q : liste)
        t.append(DatumText(q.datum, QLocale()));
    return t.join(QLatin1Char(' '));
}
} // namespace

class QuotenTabelleTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fehlendeZiehungen_data() {
        QTest::addColumn<TDate>("letztes");
        QTest::addColumn<QDate>("heute");
        QTest::addColumn<QString>("daten");
        QTest::newRow("donnerstag") << tag(2021, 1, 2) << QDate(2021, 1, 7) << "06.01.2021";
        QTest::newRow("samstag morgens") << tag(2021, 1, 2) << QDate(2021, 1, 9) << "06.01.2021 09.01.2021";
        QTest::newRow("am selben tag") << tag(2021, 1, 2) << QDate(2021, 1, 2) << "";
        QTest::newRow("uhr zurueck") << tag(2021, 1, 2) << QDate(2020, 12, 1) << "";
        QTest::newRow("periodenwechsel")
            << tag(2020, 9, 12) << QDate(2020, 9, 24) << "16.09.2020 19.09.2020 23.09.2020";
    }
    void fehlendeZiehungen() {
        QFETCH(TDate, letztes);
        QFETCH(QDate, heute);
        QFETCH(QString, daten);
        QCOMPARE(datumListe(FehlendeZiehungen(letztes, heute)), daten);
    }

    void angehaengteZeilenZeigenDieQuotenIhrerPeriode() {
        QuotenTabelle t(QLocale{});
        QAbstractItemModelTester pruefer(&t, QAbstractItemModelTester::FailureReportingMode::QtTest);
        t.setzeQuoten({quoten(tag(2020, 9, 12), 10000)});
        t.anhaengen(FehlendeZiehungen(tag(2020, 9, 12), QDate(2020, 9, 24)));
        QCOMPARE(t.rowCount(), 4);
        QCOMPARE(t.columnCount(), 10);
        QCOMPARE(t.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Ziehung"));
        QCOMPARE(t.headerData(2, Qt::Horizontal).toString(), QStringLiteral("   6 Richtige"));
        const auto zeile = [&](int r) {
            QStringList z;
            for (int k = 0; k < 10; ++k)
                z.append(t.data(t.index(r, k)).toString());
            return z;
        };
        QCOMPARE(zeile(0), (QStringList{"12.09.2020", "1,00", "2,00", "3,00", "4,00", "5,00", "6,00", "7,00",
                                        "8,00", "9,00"}));
        QCOMPARE(zeile(2), (QStringList{"19.09.2020", "8.949.642,20", "574.596,50", "10.022,00", "3.340,60",
                                        "190,80", "42,40", "20,90", "10,40", "5,00"}));
        QCOMPARE(zeile(3), (QStringList{"23.09.2020", "12.585.434,40", "1.003.509,30", "12.135,40",
                                        "4.019,20", "191,10", "50,30", "21,20", "11,10", "6,00"}));
        QCOMPARE(t.data(t.index(3, 4), Qt::TextAlignmentRole).toInt(),
                 int(Qt::AlignRight | Qt::AlignVCenter));
        QCOMPARE(t.datumsTexte().last(), QStringLiteral("23.09.2020"));
    }

    void ersetzenUndZurueckLesen() {
        QuotenTabelle t(QLocale{});
        // Four decimals in the file survive a save of an untouched cell, though shown as cents.
        TQuoten genau = quoten(tag(2021, 1, 2), 12345);
        t.setzeQuoten({quoten(tag(2020, 12, 30), 10000), genau});
        QuotenTabelle::Zeile felder;
        felder[3] = QStringLiteral("12.135,40");
        felder[4] = QStringLiteral("5");
        felder[9] = QStringLiteral("5,00");
        t.ersetzen(1, felder);
        QCOMPARE(t.zelle(1, 3), QStringLiteral("12.135,40"));
        QCOMPARE(t.zelle(1, 4), QStringLiteral("5"));
        QCOMPARE(t.zelle(1, 2), QStringLiteral("2,47"));
        QCOMPARE(t.zelle(0, 3), QStringLiteral("3,00"));

        const Result<QVector<TQuoten>> r = t.alsQuoten();
        QVERIFY(r.ok());
        QCOMPARE(r->size(), 2);
        QCOMPARE(r->at(0), quoten(tag(2020, 12, 30), 10000));
        QCOMPARE(r->at(1).datum, tag(2021, 1, 2));
        QCOMPARE(r->at(1).q[3], Geld(121354000));
        QCOMPARE(r->at(1).q[4], Geld(50000));
        QCOMPARE(r->at(1).q[9], Geld(50000));
        QCOMPARE(r->at(1).q[2], genau.q[2]);

        t.gespeichert(*r);
        QCOMPARE(t.zelle(1, 3), QStringLiteral("12.135,40"));
        QCOMPARE(t.zelle(1, 4), QStringLiteral("5,00"));
    }

    void unlesbareZelleNenntZeileUndSpalte() {
        QuotenTabelle t(QLocale{});
        t.setzeQuoten({quoten(tag(2020, 12, 30), 10000), quoten(tag(2021, 1, 2), 10000)});
        QuotenTabelle::Zeile felder;
        felder[5] = QStringLiteral("1,234,567");
        t.ersetzen(1, felder);
        const Result<QVector<TQuoten>> r = t.alsQuoten();
        QVERIFY(!r.ok());
        QCOMPARE(r.fehler(),
                 QStringLiteral("'1,234,567' ist kein gültiger Betrag.\r\rZeile 2 (Ziehung 02.01.2021), "
                                "Spalte \"4 Ri. + SZ\".\r\rDie Quotendatei bleibt unverändert."));
    }

    void toolEinstellungen() {
        IniDatei ini = IniDatei::ausText(QStringLiteral("[Quoten]\nSpalte=17\n[Fenster]\nQTool-Left=40\n"));
        QuotenToolEinstellungen e = QuotenToolEinstellungenLesen(ini);
        QCOMPARE(e.url, QuotenUrlVorgabe);
        QVERIFY(e.urlNeu);
        QCOMPARE(e.spalte, 10);
        QCOMPARE(e.position, QPoint(40, 0));
        QuotenUrlSchreiben(ini, QStringLiteral("https://quoten.example/seite"));
        QuotenToolLageSchreiben(ini, QPoint(5, 6), 3);
        e = QuotenToolEinstellungenLesen(ini);
        QCOMPARE(e.url, QStringLiteral("https://quoten.example/seite"));
        QVERIFY(!e.urlNeu);
        QCOMPARE(e.spalte, 3);
        QCOMPARE(e.position, QPoint(5, 6));
        QCOMPARE(QuotenUrlZumAufruf(QStringLiteral("abcde")), QuotenUrlVorgabe);
        QCOMPARE(QuotenUrlZumAufruf(QStringLiteral("abcdef")), QStringLiteral("abcdef"));
        QVERIFY(QuotenUrlVorgabe.endsWith(QStringLiteral("/lotto-gewinnquoten.php")));
    }

    void toolLage_data() {
        QTest::addColumn<QPoint>("gespeichert");
        QTest::addColumn<QPoint>("lage");
        // Editor at 100/50, 670 wide and 640 high; tool 480 × 400; screen 1280 × 800.
        QTest::newRow("neben dem editor") << QPoint(0, 0) << QPoint(770, 50);
        QTest::newRow("gespeichert") << QPoint(300, 200) << QPoint(300, 200);
        QTest::newRow("unten heraus") << QPoint(10, 600) << QPoint(10, 400);
        QTest::newRow("rechts heraus") << QPoint(1000, 0) << QPoint(800, 50);
    }
    void toolLage() {
        QFETCH(QPoint, gespeichert);
        QFETCH(QPoint, lage);
        QCOMPARE(QuotenToolLage(gespeichert, QRect(100, 50, 670, 640), QSize(480, 400), QSize(1280, 800)),
                 lage);
        // The editor far right: the tool ends at the screen's edge.
        QCOMPARE(QuotenToolLage(QPoint(), QRect(900, 50, 670, 640), QSize(480, 400), QSize(1280, 800)),
                 QPoint(800, 50));
    }
};

KB_TEST(QuotenTabelleTest)
#include "quota_table_test.moc"
