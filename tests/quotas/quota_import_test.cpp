#include "quotas/quota_import.h"
#include "test_main.h"

using namespace kb;

namespace {
using Felder = QVector<QuotenFeldText>;
}

class QuotenImportTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void bereinigen_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("ergebnis");
        QTest::newRow("punkt als komma") << "15986.30 €"
                                         << "15986,30";
        QTest::newRow("tausenderpunkte") << " 1.234.567,80 € "
                                         << "1234567,80";
        QTest::newRow("nur punkte") << "1.234.567 €"
                                    << "1,234,567";
        QTest::newRow("euro") << "12.585.434,40 Euro"
                              << "12585434,40";
        QTest::newRow("eur klein") << "228,30 eur"
                                   << "228,30";
        QTest::newRow("geschuetzte blanks") << QStringLiteral("4.967,10\u00a0€") << "4967,10";
        QTest::newRow("unbesetzt") << "unbesetzt"
                                   << "";
        QTest::newRow("leer") << "  "
                              << "";
        QTest::newRow("anzahl mit x") << "12 x"
                                      << "";
        QTest::newRow("vorzeichen") << "-5,00"
                                    << "";
        // A jackpot above 21 million euros is still an amount.
        QTest::newRow("grosser jackpot") << "45.123.456,70 €"
                                         << "45123456,70";
    }
    void bereinigen() {
        QFETCH(QString, text);
        QFETCH(QString, ergebnis);
        QCOMPARE(QuoteBereinigen(text), ergebnis);
    }

    void beispielInZeilenform() {
        const QuotenImport i = QuotenAusText(QuotenBeispielText(), 4);
        QVERIFY(i.zeilenform);
        QVERIFY(i.fehler.isEmpty());
        QCOMPARE(i.felder, (Felder{{9, "5,00"},
                                   {8, "12,30"},
                                   {7, "23,40"},
                                   {6, "57,00"},
                                   {5, "228,30"},
                                   {4, "4967,10"},
                                   {3, "15986,30"}}));
    }

    void leereZeilenUndBlanksWerdenEntfernt() {
        const QuotenImport i = QuotenAusText(QStringLiteral("a   b\r\n\r\n\t c  d\n\n"), 1);
        QCOMPARE(i.text, QStringLiteral("a b\n\t c d"));
    }

    void tabellenform() {
        QStringList zeilen;
        for (int k = 1; k <= 10; ++k)
            zeilen.append(QStringLiteral("%1\tKlasse %1\t%2 x\t%3,%4 €")
                              .arg(k)
                              .arg(k * 7)
                              .arg(k * 100)
                              .arg(k % 10, 2, 10, QLatin1Char('0')));
        const QuotenImport i = QuotenAusText(zeilen.join(QLatin1Char('\n')), 4);
        QVERIFY(!i.zeilenform);
        QVERIFY(i.fehler.isEmpty());
        QCOMPARE(i.felder.size(), 9); // the tenth line is not used
        for (int k = 1; k <= 9; ++k)
            QCOMPARE(i.felder[k - 1], (QuotenFeldText{k, QStringLiteral("%1,0%2").arg(k * 100).arg(k)}));
    }

    void zwoelfZeilenOhneTabs() {
        QStringList zeilen;
        for (int k = 1; k <= 12; ++k)
            zeilen.append(QStringLiteral("%1,50 €").arg(k));
        const QString text = zeilen.join(QLatin1Char('\n'));
        const QuotenImport eins = QuotenAusText(text, 1);
        QVERIFY(!eins.zeilenform);
        QCOMPARE(eins.felder.size(), 9);
        QCOMPARE(eins.felder.first(), (QuotenFeldText{1, "1,50"}));
        QCOMPARE(eins.felder.last(), (QuotenFeldText{9, "9,50"}));

        const QuotenImport vier = QuotenAusText(text, 4);
        QVERIFY(vier.felder.isEmpty());
        QCOMPARE(vier.fehler,
                 QStringLiteral("Die Zeile 1 (\"1,50 €\") hat keine Spalte 4.\r\rWählen Sie die "
                                "Spalte, in der die Quote steht, oder entfernen Sie Zeilen ohne Quote "
                                "aus dem Textfeld.\r\rIch breche erst einmal ab."));
    }

    void kurzeZeileHaeltAnNachGeschriebenenFeldern() {
        const QuotenImport i =
            QuotenAusText(QStringLiteral("1\ta\t3,00\n2\tb\t4,00\nKopfzeile\n4\td\t6,00"), 3);
        QCOMPARE(i.felder, (Felder{{1, "3,00"}, {2, "4,00"}}));
        QVERIFY(i.fehler.startsWith(QStringLiteral("Die Zeile 3 (\"Kopfzeile\") hat keine Spalte 3.")));
    }

    void zeilenformAbstandUndLetztesZeichen() {
        // "C 10" lies less than three lines above a taken amount; "unbesetzt" ends in neither 0 nor €.
        const QString text =
            QStringLiteral("x\nx\nx\nx\n1\nA\nunbesetzt\n2\nB\n70,00 €\n3\nC 10\n40,00 €\n4\nD\n50 €");
        const QuotenImport i = QuotenAusText(text, 4);
        QVERIFY(i.zeilenform);
        QCOMPARE(i.felder, (Felder{{9, "50"}, {8, "40,00"}, {7, "70,00"}}));
    }
};

KB_TEST(QuotenImportTest)
#include "quota_import_test.moc"
