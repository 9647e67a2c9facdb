#include "core/row_table.h"
#include "test_main.h"

using namespace kb;

class TabellenTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ganzzahl_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("wert");
        QTest::newRow("schlicht") << "17" << true << 17;
        QTest::newRow("Blanks davor") << "  5" << true << 5;
        QTest::newRow("Plus") << "+5" << true << 5;
        QTest::newRow("Minus") << "-12" << true << -12;
        QTest::newRow("kleinste") << "-2147483648" << true << int(-2147483648LL);
        QTest::newRow("zu groß") << "2147483648" << false << 0;
        QTest::newRow("Blank danach") << "5 " << false << 0;
        QTest::newRow("leer") << "" << false << 0;
        QTest::newRow("nur Vorzeichen") << "-" << false << 0;
        QTest::newRow("Dezimal") << "1.0" << false << 0;
        QTest::newRow("Hex") << "$10" << false << 0;
        QTest::newRow("geschütztes Leerzeichen") << QString(QChar(0xA0)) + "5" << false << 0;
    }
    void ganzzahl() {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(int, wert);
        const auto z = GanzzahlAusText(text);
        QCOMPARE(z.has_value(), ok);
        if (ok)
            QCOMPARE(*z, wert);
    }

    void zellenKompaktUndAlsText() {
        TippreihenDaten t(3);
        QCOMPARE(t.zeilenAnzahl(), 3);
        QCOMPARE(t.spaltenAnzahl(), 7);
        QCOMPARE(t.zelle(0, 0), QStringLiteral("Reihe"));
        QCOMPARE(t.zelle(6, 0), QStringLiteral(" Z6"));
        t.setzeReihe(1, {3, 8, 11, 17, 22, 29});
        QCOMPARE(t.zelle(0, 1), QStringLiteral("1"));
        QCOMPARE(t.zelle(6, 1), QStringLiteral("29"));
        QCOMPARE(t.zelle(0, 2), QString()); // rows get a number only when filled
        // Anything that is not a plain number 1..255 is kept as written.
        for (const QString& text : {QStringLiteral("0"), QStringLiteral("007"), QStringLiteral("256"),
                                    QStringLiteral("abc"), QStringLiteral(" 5")}) {
            t.setzeZelle(2, 2, text);
            QCOMPARE(t.zelle(2, 2), text);
            QVERIFY(!t.zelleLeer(2, 2));
        }
        QCOMPARE(t.alsGanzzahl(2, 2), std::optional<int>(5));
        t.setzeZelle(2, 2, QStringLiteral("49"));
        QCOMPARE(t.zelle(2, 2), QStringLiteral("49"));
        t.setzeZelle(2, 2, QString());
        QVERIFY(t.zelleLeer(2, 2));
        QCOMPARE(t.alsGanzzahl(2, 2), std::nullopt);
        // Column 0 holds the row number or any other text.
        t.setzeZelle(0, 2, QStringLiteral("x"));
        QCOMPARE(t.zelle(0, 2), QStringLiteral("x"));
        t.setzeZelle(0, 2, QStringLiteral("2"));
        QCOMPARE(t.zelle(0, 2), QStringLiteral("2"));
        // Outside the table nothing is stored or read.
        t.setzeZelle(7, 1, QStringLiteral("9"));
        t.setzeZelle(1, 3, QStringLiteral("9"));
        QCOMPARE(t.zelle(7, 1), QString());
        QCOMPARE(t.zelle(1, 3), QString());
    }

    void umordnenBewegtAllesAusserSpalteNull() {
        TippreihenDaten t(4, 9);
        t.setzeReihe(1, {1, 2, 3, 4, 5, 6});
        t.setzeReihe(2, {7, 8, 9, 10, 11, 12});
        t.setzeReihe(3, {13, 14, 15, 16, 17, 18});
        t.setzeZelle(3, 1, QStringLiteral("abc"));
        t.setzeZelle(8, 3, QStringLiteral("extra"));
        t.setzeZelle(0, 2, QStringLiteral("zwei"));
        t.zeilenUmordnen(1, {2, 0, 1});
        QCOMPARE(t.zelle(1, 1), QStringLiteral("13"));
        QCOMPARE(t.zelle(8, 1), QStringLiteral("extra"));
        QCOMPARE(t.zelle(3, 2), QStringLiteral("abc"));
        QCOMPARE(t.zelle(1, 3), QStringLiteral("7"));
        QCOMPARE(t.zelle(8, 3), QString());
        QCOMPARE(t.zelle(0, 1), QStringLiteral("1"));
        QCOMPARE(t.zelle(0, 2), QStringLiteral("zwei"));
        QCOMPARE(t.zelle(0, 3), QStringLiteral("3"));
    }

    void groesseAendernUndLeeren() {
        TippreihenDaten t(4, 8);
        t.setzeReihe(3, {1, 2, 3, 4, 5, 6});
        t.setzeZelle(7, 3, QStringLiteral("weg"));
        t.setzeZelle(2, 1, QStringLiteral("Text"));
        const auto kopie = t.schnappschuss();
        t.setzeZeilenAnzahl(3);
        t.setzeZeilenAnzahl(4);
        QVERIFY(t.zelleLeer(1, 3));
        QVERIFY(t.zelleLeer(7, 3));
        QCOMPARE(t.zelle(2, 1), QStringLiteral("Text"));
        // The copy taken before is untouched.
        QCOMPARE(kopie->zelle(7, 3), QStringLiteral("weg"));
        QCOMPARE(kopie->zelle(6, 3), QStringLiteral("6"));

        t.setzeReihe(2, {9, 8, 7, 6, 5, 4});
        t.datenLeeren();
        QCOMPARE(t.zeilenAnzahl(), 4);
        QCOMPARE(t.zelle(0, 2), QStringLiteral("2"));
        for (int s = 1; s < t.spaltenAnzahl(); ++s)
            for (int z = 1; z < t.zeilenAnzahl(); ++z)
                QVERIFY(t.zelleLeer(s, z));

        t.setzeReihe(1, {1, 2, 3, 4, 5, 6});
        t.setzeSpaltenAnzahl(4);
        QCOMPARE(t.zelle(3, 1), QStringLiteral("3"));
        QCOMPARE(t.zelle(4, 1), QString());
        t.setzeSpaltenAnzahl(7);
        QCOMPARE(t.zelle(4, 1), QString()); // columns cut off stay empty when they come back
    }
};
KB_TEST(TabellenTest)

#include "row_table_test.moc"
