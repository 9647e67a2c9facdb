#include "core/row_table.h"
#include "printing/slip_format.h"
#include "printing/slip_geometry.h"
#include "test_main.h"

#include <QFile>
#include <QQueue>
#include <QTemporaryDir>

using namespace kb;

namespace {

// Records the questions and answers Yes/No from a script (default Yes).
struct TestRueckfrage final : Rueckfrage {
    void information(const QString& t) override { texte.append(QStringLiteral("info:") + t); }
    void hinweis(const QString& t) override { texte.append(QStringLiteral("ok:") + t); }
    bool bestaetigt(const QString& t) override {
        texte.append(QStringLiteral("frage:") + t);
        return antworten.isEmpty() ? true : antworten.dequeue();
    }
    void fehler(const QString& t) override { texte.append(QStringLiteral("fehler:") + t); }
    QStringList texte;
    QQueue<bool> antworten;
};

void i32(QByteArray& b, int offset, qint32 v) {
    for (int i = 0; i < 4; ++i)
        b[offset + i] = static_cast<char>((static_cast<quint32>(v) >> (8 * i)) & 0xFF);
}

} // namespace

class ScheinFormatTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void teilung_data() {
        QTest::addColumn<int>("abstand");
        QTest::addColumn<int>("teilung");
        QTest::newRow("222") << 222 << 37;
        QTest::newRow("231 = 38.5 to even") << 231 << 38;
        QTest::newRow("237 = 39.5 to even") << 237 << 40;
        QTest::newRow("240") << 240 << 40;
    }
    void teilung() {
        QFETCH(int, abstand);
        QFETCH(int, teilung);
        QCOMPARE(KaestchenTeilung(abstand), teilung);
    }

    void ableitenAusFeldtabelle() {
        Scheingeometrie g;
        TestRueckfrage f;
        for (int k = 0; k < 12; ++k)
            for (int r = 0; r < 7; ++r)
                g.setzeFeldZelle(k, r, 0, QStringLiteral("100"));
        g.setzeFeldZelle(0, 1, 0, QStringLiteral("180"));
        g.setzeFeldZelle(0, 1, 1, QStringLiteral("395"));
        QVERIFY(g.DetailTransfer(QStringLiteral("222"), 0, f));
        QVERIFY(g.gueltig());
        QStringList x;
        for (int n = 8; n <= 14; ++n) {
            x.append(g.aWerte()[0][n - 1].x);
            QCOMPARE(g.aWerte()[0][n - 1].y, QStringLiteral("395"));
        }
        QCOMPARE(x.join(QLatin1Char(' ')), QStringLiteral("180 217 254 291 328 365 402"));
        QCOMPARE(g.aWerte()[1][0].y, QString()); // an empty Y stays empty
        QVERIFY(g.aWerte()[12][0].x.isEmpty());  // field 13 is not part of "2 x 6"
        QVERIFY(f.texte.isEmpty());
    }

    void ableitenVerweigert_data() {
        QTest::addColumn<QString>("B");
        QTest::addColumn<int>("anordnung");
        QTest::addColumn<bool>("ja");
        QTest::addColumn<QString>("text");
        QTest::newRow("B leer") << QString() << 0 << true
                                << QStringLiteral(
                                       "info:Bitte geben Sie als B-Wert den horizontalen Abstand zwischen "
                                       "den Kästchen für Zahl1 1 und die Zahl 7 an.\r\rIch breche erst "
                                       "einmal ab.");
        QTest::newRow("B 140 Nein") << QStringLiteral("140") << 0 << false
                                    << QStringLiteral(
                                           "frage:Der B-Wert, den Sie für den horizontalen Abstand "
                                           "zwischen den Kästchen für Zahl1 1 und die Zahl 7 angegeben "
                                           "haben, ist zu 99 % falsch.\r\rSind Sie sicher, dass 140 der "
                                           "korrekte Wert ist?.");
        QTest::newRow("ohne Anordnung")
            << QStringLiteral("222") << -1 << true
            << QStringLiteral("ok:Für das automatische Ausfüllen benötige ich Anordnung "
                              "und Anzahl der Tippfelder.\rDie Auswahl ist unter der "
                              "Grafik links zu treffen.\r\rIch breche ab.");
        QTest::newRow("X leer") << QStringLiteral("222") << 0 << true
                                << QStringLiteral("fehler:'' ist kein gültiger Integerwert");
    }
    void ableitenVerweigert() {
        QFETCH(QString, B);
        QFETCH(int, anordnung);
        QFETCH(bool, ja);
        QFETCH(QString, text);
        Scheingeometrie g;
        TestRueckfrage f;
        f.antworten.enqueue(ja);
        QVERIFY(!g.DetailTransfer(B, anordnung, f));
        QCOMPARE(f.texte.last(), text);
        QVERIFY(!g.gueltig());
        QVERIFY(g.aWerte()[0][0].x.isEmpty());
    }

    // Found by fuzzing format files: a box near the end of int. The derived boxes beyond it
    // stop the save with the conversion error instead of overflowing.
    void koordinatenAmEndeVonInt() {
        Scheingeometrie g;
        TestRueckfrage f;
        for (int k = 0; k < 12; ++k)
            for (int r = 0; r < 7; ++r)
                g.setzeFeldZelle(k, r, 0, QStringLiteral("100"));
        g.setzeFeldZelle(0, 0, 0, QStringLiteral("2147483646"));
        QVERIFY(g.DetailTransfer(QStringLiteral("222"), 0, f));
        QCOMPARE(g.aWerte()[0][6].x, QStringLiteral("2147483868")); // + 6 * 37
        FormatFelder felder;
        felder.anordnung = 0;
        felder.B = QStringLiteral("222");
        QVERIFY(!g.formatZumSpeichern(felder, f));
        QCOMPARE(f.texte.last(), QStringLiteral("fehler:") + KonvertierungsFehler(QStringLiteral("2147483683")));

        g.setzeFeldZelle(0, 0, 1, QStringLiteral("2147483600"));
        g.setzeFeldZelle(6, 0, 1, QStringLiteral("675"));
        QVERIFY(g.automatischAusfuellen(0, QStringLiteral("240"), f));
        QCOMPARE(g.felder()[0][6].y, QStringLiteral("2147483840")); // + 6 * 40
    }

    void automatischAusfuellen() {
        Scheingeometrie g;
        TestRueckfrage f;
        g.felderLoeschen();
        const int x[] = {180, 470, 760, 1050, 1340, 1630};
        for (int i = 0; i < 6; ++i)
            g.setzeFeldZelle(i, 0, 0, QString::number(x[i]));
        g.setzeFeldZelle(0, 0, 1, QStringLiteral("355"));
        g.setzeFeldZelle(6, 0, 1, QStringLiteral("675"));
        g.setzeFeldZelle(1, 3, 1, QStringLiteral("999")); // typed by the user: stays
        g.setzeFeldZelle(0, 5, 0, QStringLiteral("111")); // an X below the first row: overwritten
        QVERIFY(g.automatischAusfuellen(0, QStringLiteral("240"), f));
        QVERIFY(f.texte.isEmpty());
        for (int r = 0; r < 7; ++r) {
            QCOMPARE(g.felder()[0][r].y, QString::number(355 + 40 * r));
            QCOMPARE(g.felder()[5][r].y, QString::number(355 + 40 * r));
            QCOMPARE(g.felder()[6][r].y, QString::number(675 + 40 * r));
            QCOMPARE(g.felder()[11][r].y, QString::number(675 + 40 * r));
            QCOMPARE(g.felder()[0][r].x, QStringLiteral("180"));
            QCOMPARE(g.felder()[6][r].x, QStringLiteral("180"));
            QCOMPARE(g.felder()[11][r].x, QStringLiteral("1630"));
        }
        QCOMPARE(g.felder()[1][3].y, QStringLiteral("999"));
        QVERIFY(g.felder()[12][0].y.isEmpty());
        QVERIFY(g.rueckgaengigMoeglich());
        QCOMPARE(g.rueckgaengigText(), QStringLiteral("Ausfüllen rückgängig"));
        g.rueckgaengig();
        QCOMPARE(g.felder()[0][5].x, QStringLiteral("111"));
        QVERIFY(g.felder()[0][1].y.isEmpty());
        QVERIFY(!g.rueckgaengigMoeglich());
    }

    void ausfuellenVerweigert_data() {
        QTest::addColumn<int>("anordnung");
        QTest::addColumn<QString>("C");
        QTest::addColumn<QString>("text");
        QTest::newRow("C 140 Nein") << 0 << QStringLiteral("140")
                                    << QStringLiteral(
                                           "frage:Der C-Wert, den Sie für den vertikalen Abstand zwischen "
                                           "den Kästchen für Zahl 1 und die Zahl 43 angegeben haben, ist "
                                           "zu 99 % falsch.\r\rSind Sie sicher, dass 140 der korrekte Wert "
                                           "ist?.");
        QTest::newRow("C leer") << 0 << QString()
                                << QStringLiteral(
                                       "info:Bitte geben Sie als C-Wert den vertikalen Abstand zwischen "
                                       "den Kästchen für die Zahl 1 und die Zahl 43 an.\r\rIch breche "
                                       "erst einmal ab.");
        QTest::newRow("5 x 3 ohne Feld 13")
            << 3 << QStringLiteral("240")
            << QStringLiteral("ok:Für das automatische Ausfüllen benötige ich im "
                              "Tippfeld 13 für die Zahl 1 die y-Koordinate.\r\rIch "
                              "breche ab.");
    }
    void ausfuellenVerweigert() {
        QFETCH(int, anordnung);
        QFETCH(QString, C);
        QFETCH(QString, text);
        Scheingeometrie g;
        g.setzeFeldZelle(12, 0, 1, QString());
        const Feldtabellen vorher = g.felder();
        TestRueckfrage f;
        f.antworten.enqueue(false);
        QVERIFY(!g.automatischAusfuellen(anordnung, C, f));
        QCOMPARE(f.texte, QStringList{text});
        QVERIFY(g.felder() == vorher);
        QVERIFY(!g.rueckgaengigMoeglich());
    }

    void leerenUndFeldLeeren() {
        Scheingeometrie g;
        for (int k = 0; k < 18; ++k)
            for (int r = 0; r < 7; ++r)
                g.setzeFeldZelle(k, r, 0, QStringLiteral("5"));
        g.setzeFeldZelle(1, 6, 1, QStringLiteral("43"));
        g.feldLeeren(1);
        QCOMPARE(g.felder()[1], Feldtabelle{});
        QCOMPARE(g.felder()[0][6].x, QStringLiteral("5"));
        QCOMPARE(g.felder()[2][0].x, QStringLiteral("5"));
        QCOMPARE(g.felder()[17][6].x, QStringLiteral("5"));
        g.felderLoeschen();
        QCOMPARE(g.rueckgaengigText(), QStringLiteral("Löschen rückgängig"));
        QCOMPARE(g.felder()[17][6].x, QString());
        g.rueckgaengig();
        QCOMPARE(g.felder()[17][6].x, QStringLiteral("5"));
    }

    // A record built byte by byte: every field at its documented offset.
    void dateiLayout() {
        QByteArray b(7184, '\0');
        i32(b, 0, 0x11223344);
        i32(b, 4, 2);
        i32(b, 8, 231);
        i32(b, 12, 237);
        i32(b, 16, -15);
        i32(b, 20, 12);
        i32(b, 24, 700);
        i32(b, 28, -1);
        i32(b, 32 + 1 * 392 + 7 * 8, 180);     // field 2, number 8, x
        i32(b, 32 + 1 * 392 + 7 * 8 + 4, 395); // y
        i32(b, 32 + 17 * 392 + 48 * 8 + 4, 2000);
        for (int i = 0; i < 16; ++i)
            i32(b, 7088 + i * 4, 1000 + i);
        i32(b, 7088 + 2 * 16, -1); // mark 3 "ja" x empty
        i32(b, 7152, 192);
        i32(b, 7156, 1995);
        i32(b, 7160, 77);
        i32(b, 7164, 78);
        i32(b, 7168, 300);
        i32(b, 7172, 1900);
        i32(b, 7176, -5);
        i32(b, 7180, 99);

        const TScheinFormat f = TScheinFormat::lesen(b.constData());
        QCOMPARE(f.reserviert0, 0x11223344);
        QCOMPARE(f.anordnung, 2);
        QCOMPARE(f.B, 231);
        QCOMPARE(f.C, 237);
        QCOMPARE(f.hori, -15);
        QCOMPARE(f.vert, 12);
        QCOMPARE(f.nrX, 700);
        QCOMPARE(f.nrY, -1);
        QCOMPARE(f.A[1][7][0], 180);
        QCOMPARE(f.A[1][7][1], 395);
        QCOMPARE(f.A[17][48][1], 2000);
        QCOMPARE(f.zusatz[ZusatzIndex(1, 1, 1)], 1000);
        QCOMPARE(f.zusatz[ZusatzIndex(2, 2, 2)], 1007);
        QCOMPARE(f.zusatz[ZusatzIndex(3, 1, 1)], -1);
        QCOMPARE(f.zusatz[ZusatzIndex(5, 1, 1)], 192);
        QCOMPARE(f.zusatz[ZusatzIndex(6, 1, 2)], 1900);
        QCOMPARE(f.reserviert1[1], 78);
        QCOMPARE(f.reserviert2[0], -5);

        QByteArray zurueck(7184, '\x55');
        f.schreiben(zurueck.data());
        QCOMPARE(zurueck, b);
    }

    void dateiLesenUndSchreiben() {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("a.awadr"));
        TScheinFormat f;
        f.reserviert2[1] = 42;
        f.A[3][10] = {500, 600};
        QVERIFY(FormatDateiSchreiben(pfad, f).ok());
        QCOMPARE(QFileInfo(pfad).size(), 7184);
        const Result<TScheinFormat> r = FormatDateiLesen(pfad);
        QVERIFY(r.ok());
        QVERIFY(*r == f);
        QFile kurz(pfad);
        QVERIFY(kurz.resize(7183));
        QVERIFY(!FormatDateiLesen(pfad).ok());
        QVERIFY(!FormatDateiLesen(dir.filePath(QStringLiteral("fehlt.awadr"))).ok());
    }

    // Loading: -1 and 0 become empty cells; saving writes them back as -1, keeps reserved fields.
    void ladenUndSpeichern() {
        TScheinFormat f;
        f.reserviert0 = 7;
        f.reserviert1 = {3, 4};
        f.anordnung = 0;
        f.B = 222;
        f.C = 240;
        f.A[0][0] = {0, 355}; // an X of 0 shows as empty
        f.A[0][7] = {180, 395};
        f.A[12][20] = {900, 0};
        f.zusatz[ZusatzIndex(1, 1, 1)] = 192;
        Scheingeometrie g;
        const FormatFelder felder = g.formatUebernehmen(f);
        QCOMPARE(felder.anordnung, 0);
        QCOMPARE(felder.B, QStringLiteral("222"));
        QCOMPARE(felder.zusatz[ZusatzIndex(1, 1, 1)], QStringLiteral("192"));
        for (int i = ZusatzIndex(3, 1, 1); i <= ZusatzIndex(3, 2, 2); ++i)
            QVERIFY(felder.zusatz[i].isEmpty());
        QCOMPARE(felder.nrX, QString());
        QCOMPARE(g.aWerte()[0][0].x, QString());
        QCOMPARE(g.aWerte()[0][0].y, QStringLiteral("355"));
        QCOMPARE(g.aWerte()[12][20].x, QStringLiteral("900"));
        QCOMPARE(g.aWerte()[12][20].y, QString());
        // Field table cells only take values > 0: the example X of field 1 stays.
        QCOMPARE(g.felder()[0][0].x, QStringLiteral("180"));
        QCOMPARE(g.felder()[0][1].x, QStringLiteral("180"));
        QVERIFY(!g.gueltig());
        QVERIFY(!g.extrahiert());

        // Extracted and hand-edited: saving keeps the edit and fills the empty fields' substitutes.
        TestRueckfrage frage;
        for (int k = 0; k < 12; ++k)
            for (int r = 0; r < 7; ++r)
                g.setzeFeldZelle(k, r, 0, QStringLiteral("100"));
        QVERIFY(g.extrahieren(QStringLiteral("222"), 0, frage));
        g.setzeAWert(0, 48, 0, QStringLiteral("1234"));
        FormatFelder leer = felder;
        leer.B.clear();
        leer.C.clear();
        leer.hori.clear();
        const std::optional<TScheinFormat> neu = g.formatZumSpeichern(leer, frage);
        QVERIFY(neu.has_value());
        QCOMPARE(neu->A[0][48][0], 1234);
        QCOMPARE(neu->A[12][20][0], 900); // fields beyond the arrangement keep the loaded values
        QCOMPARE(neu->B, 78);
        QCOMPARE(neu->C, 480);
        QCOMPARE(neu->hori, 0);
        QCOMPARE(neu->nrX, -1);
        QCOMPARE(neu->zusatz[ZusatzIndex(3, 2, 2)], -1);
        QCOMPARE(neu->reserviert0, 7);
        QCOMPARE(neu->reserviert1[1], 4);
    }

    void speichernOhneBNachLaden() {
        Scheingeometrie g;
        TScheinFormat f;
        f.anordnung = 0;
        FormatFelder felder = g.formatUebernehmen(f);
        felder.B.clear();
        TestRueckfrage frage;
        QVERIFY(!g.formatZumSpeichern(felder, frage).has_value());
        QCOMPARE(frage.texte.size(), 1);
        QVERIFY(frage.texte.first().startsWith(QStringLiteral("info:Bitte geben Sie als B-Wert")));
    }
};

KB_TEST(ScheinFormatTest)
#include "slip_format_test.moc"
