#include "core/date.h"
#include "core/money.h"
#include "test_main.h"

using namespace kb;

namespace {
const QLocale deutsch(QLocale::German, QLocale::Germany);
}

class DatumGeldTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void datumUndWochentag_data() {
        QTest::addColumn<double>("serie");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("wochentag");
        QTest::newRow("44097") << 44097.0 << "23.09.2020" << int(Mittwoch);
        QTest::newRow("40429") << 40429.0 << "08.09.2010" << int(Mittwoch);
        QTest::newRow("Tag 0") << 0.0 << "30.12.1899" << int(Samstag);
        QTest::newRow("erste Ziehung") << 20371.0 << "09.10.1955" << int(Sonntag);
        QTest::newRow("Schalttag") << 45351.0 << "29.02.2024" << 5;
        QTest::newRow("Samstag") << 45388.0 << "06.04.2024" << int(Samstag);
    }
    void datumUndWochentag() {
        QFETCH(double, serie);
        QFETCH(QString, text);
        QFETCH(int, wochentag);
        QCOMPARE(DatumText(serie, deutsch), text);
        QCOMPARE(Wochentag(serie), wochentag);
        const auto zurueck = DatumAusText(text, deutsch);
        QVERIFY(zurueck.has_value());
        QCOMPARE(*zurueck, serie);
        QCOMPARE(WochentagNamen.value(wochentag).isEmpty(), false);
    }

    void datumTextFremdeLocale() {
        // Other locales keep their own order but always show four year digits.
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        const QString t = DatumText(44097.0, us);
        QVERIFY2(t.contains(QLatin1String("2020")), qPrintable(t));
        QCOMPARE(DatumAusText(t, us).value_or(-1), 44097.0);
        QVERIFY(!DatumAusText(QStringLiteral("31.02.2020"), deutsch).has_value());
        QVERIFY(!DatumAusText(QStringLiteral("kein Datum"), deutsch).has_value());
    }

    void wochentagNamen() {
        QCOMPARE(WochentagNamen.size(), 8);
        QCOMPARE(WochentagNamen[1], QStringLiteral("Sonntag"));
        QCOMPARE(WochentagNamen[4], QStringLiteral("Mittwoch"));
        QCOMPARE(WochentagNamen[7], QStringLiteral("Samstag"));
    }

    void geldText_data() {
        QTest::addColumn<qint64>("betrag");
        QTest::addColumn<QString>("text");
        QTest::newRow("Quote") << qint64(125854344000) << "12.585.434,40";
        QTest::newRow("klein") << qint64(50000) << "5,00";
        QTest::newRow("null") << qint64(0) << "0,00";
        QTest::newRow("negativ") << qint64(-121354000) << "-12.135,40";
        QTest::newRow("halb gerade ab") << qint64(12345050) << "1.234,50";  // 1234,5050 -> ,50
        QTest::newRow("halb auf gerade") << qint64(150) << "0,02";          // 0,0150 -> ,02
        QTest::newRow("halb bleibt gerade") << qint64(250) << "0,02";       // 0,0250 -> ,02
        QTest::newRow("Maximum") << qint64(std::numeric_limits<qint64>::max()) << "922.337.203.685.477,58";
        QTest::newRow("Minimum") << qint64(std::numeric_limits<qint64>::min()) << "-922.337.203.685.477,58";
    }
    void geldText() {
        QFETCH(qint64, betrag);
        QFETCH(QString, text);
        QCOMPARE(GeldText(betrag, deutsch), text);
    }

    void geldWaehrung() {
        QCOMPARE(GeldWaehrungText(121354000, deutsch), QStringLiteral("12.135,40\u00a0€"));
        QCOMPARE(ZahlText(1234567, deutsch), QStringLiteral("1.234.567"));
        QCOMPARE(ZahlText(425, deutsch), QStringLiteral("425"));
    }

    void geldParsen_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("betrag");
        QTest::addColumn<bool>("gueltig");
        QTest::newRow("gruppiert") << "12.135,40" << qint64(121354000) << true;
        QTest::newRow("ohne Gruppen") << "12135,4" << qint64(121354000) << true;
        QTest::newRow("ganz") << "5" << qint64(50000) << true;
        QTest::newRow("Waehrung") << "1.003.509,30 €" << qint64(10035093000) << true;
        QTest::newRow("vier Stellen") << "1.414.604,3800" << qint64(14146043800) << true;
        QTest::newRow("negativ") << "-6,00" << qint64(-60000) << true;
        QTest::newRow("Leerzeichen") << "  191,10 " << qint64(1911000) << true;
        QTest::newRow("Buchstaben") << "12a" << qint64(0) << false;
        QTest::newRow("leer") << "" << qint64(0) << false;
        QTest::newRow("fuenf Stellen") << "1,23456" << qint64(0) << false;
        QTest::newRow("zu gross") << "99999999999999999999" << qint64(0) << false;
    }
    void geldParsen() {
        QFETCH(QString, text);
        QFETCH(qint64, betrag);
        QFETCH(bool, gueltig);
        const auto r = GeldAusText(text, deutsch);
        QCOMPARE(r.has_value(), gueltig);
        if (gueltig)
            QCOMPARE(*r, betrag);
    }

    void rundung_data() {
        QTest::addColumn<qint64>("z");
        QTest::addColumn<qint64>("n");
        QTest::addColumn<qint64>("ergebnis");
        QTest::newRow("2,5") << qint64(5) << qint64(2) << qint64(2);
        QTest::newRow("3,5") << qint64(7) << qint64(2) << qint64(4);
        QTest::newRow("-2,5") << qint64(-5) << qint64(2) << qint64(-2);
        QTest::newRow("-3,5") << qint64(-7) << qint64(2) << qint64(-4);
        QTest::newRow("2,4") << qint64(12) << qint64(5) << qint64(2);
        QTest::newRow("-2,6") << qint64(-13) << qint64(5) << qint64(-3);
    }
    void rundung() {
        QFETCH(qint64, z);
        QFETCH(qint64, n);
        QFETCH(qint64, ergebnis);
        QCOMPARE(rundeHalbGerade(z, n), ergebnis);
    }
};
KB_TEST(DatumGeldTest)

#include "date_money_test.moc"
