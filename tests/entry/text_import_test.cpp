#include "entry/text_import.h"
#include "entry/ticket_entry.h"
#include "test_main.h"

using namespace kb;

Q_DECLARE_METATYPE(QList<Tippreihe>)

namespace {

const QString Abbruch = QStringLiteral("\r\rIch breche erst einmal ab.");

// The example text the entry window starts with.
QStringList beispiel() {
    return {"1,2,3,4,5,6",   "1,2,3,7,8,9",    "1,2,4,7,10,11",  "1,2,5,8,10,12", "1,2,6,9,11,12",
            "1,3,4,8,11,12", "1,3,5,9,10,11",  "1,3,6,7,10,12",  "1,4,5,7,9,12",  "1,4,6,8,9,10",
            "1,5,6,7,8,11",  "1,2,3,4,5,6",    "2,3,4,9,10,12",  "2,3,5,7,11,12", "2,3,5,8,10,11",
            "2,4,5,8,9,11",  "2,4,6,7,8,12",   "2,5,6,7,9,10",   "3,4,5,7,8,10",  "3,4,6,7,9,11",
            "3,5,6,8,9,12",  "4,5,6,10,11,12", "7,8,9,10,11,12", "1,2,3,4,5,6"};
}

TippreihenDaten mitReihen(int reihen, int zeilen) {
    TippreihenDaten t(zeilen);
    for (int z = 1; z <= reihen; ++z)
        t.setzeReihe(z, {static_cast<std::uint8_t>(z), 10, 11, 12, 13, 14});
    return t;
}

} // namespace

class TextImportTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void uebertragen_data() {
        QTest::addColumn<QStringList>("text");
        QTest::addColumn<int>("antwort"); // LeerzeichenWahl; -1: no question expected
        QTest::addColumn<QStringList>("danach");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<QList<Tippreihe>>("reihen");
        const int keine = -1;
        const int ja = int(LeerzeichenWahl::Trennen), nein = int(LeerzeichenWahl::Entfernen);

        QTest::newRow("Feld-Form, Ja") << QStringList{"Feld 1:\t1 2 3 4 5 6", "Feld 2:\t7 8 9 10 11 12"} << ja
                                       << QStringList{"1,2,3,4,5,6", "7,8,9,10,11,12"} << QString()
                                       << QList<Tippreihe>{{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}};
        QTest::newRow("Feld-Form, Nein")
            << QStringList{"Feld 1:\t1 2 3 4 5 6", "Feld 2:\t7 8 9 10 11 12"} << nein
            << QStringList{"123456", "789101112"}
            << QStringLiteral(
                   "In Zeile 1 kann ich keine sechs Zahlen ausmachen.\r\rBitte geben Sie Ihre Tippzahlen, "
                   "6 aus 49 zeilenweise, jeweils durch Kommata getrennt ein.") +
                   Abbruch
            << QList<Tippreihe>{};
        QTest::newRow("Tipp-Form") << QStringList{"Tipp 1\t1,2,3,4,5,6", "Tipp 2\t7,8,9,10,11,12"} << keine
                                   << QStringList{"1,2,3,4,5,6", "7,8,9,10,11,12"} << QString()
                                   << QList<Tippreihe>{{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}};
        QTest::newRow("Semikolons") << QStringList{"1;2;3;4;5;6"} << keine << QStringList{"1,2,3,4,5,6"}
                                    << QString() << QList<Tippreihe>{{1, 2, 3, 4, 5, 6}};
        QTest::newRow("Blanks an Kommas, Komma am Ende")
            << QStringList{"  1 ,2, 3 , 4,5,6,  "} << keine << QStringList{"1,2,3,4,5,6"} << QString()
            << QList<Tippreihe>{{1, 2, 3, 4, 5, 6}};
        QTest::newRow("geschützte Leerzeichen, Tabs, leere Zeilen")
            << QStringList{"", "\u00A01\t2\t3,,4,5,6", "\t "} << keine << QStringList{"1,2,3,4,5,6"}
            << QString() << QList<Tippreihe>{{1, 2, 3, 4, 5, 6}};
        QTest::newRow("fünf Zahlen")
            << QStringList{"1,2,3,4,5"} << keine << QStringList{"1,2,3,4,5"}
            << QStringLiteral(
                   "In Zeile 1 kann ich keine sechs Zahlen ausmachen.\r\rBitte geben Sie Ihre Tippzahlen, "
                   "6 aus 49 zeilenweise, jeweils durch Kommata getrennt ein.") +
                   Abbruch
            << QList<Tippreihe>{};
        QTest::newRow("50 an Stelle 6")
            << QStringList{"1,2,3,4,5,50"} << keine << QStringList{"1,2,3,4,5,50"}
            << QStringLiteral("In Zeile 1 ist die 6. Zahl, die 50, keine gültige Tippzahl.\r\r"
                              "Die sechs Tippzahlen sind aus der Zahlenreihe 1 bis 49 zu wählen.") +
                   Abbruch
            << QList<Tippreihe>{};
        QTest::newRow("gleich an Stelle 2 und 6")
            << QStringList{"1,7,3,4,5,7"} << keine << QStringList{"1,7,3,4,5,7"}
            << QStringLiteral(
                   "In Zeile 1 ist die 2. und die 6. Zahl gleich.\r\r"
                   "Bitte wählen Sie sechs verschiedene Tippzahlen aus der Zahlenreihe 1 bis 49.") +
                   Abbruch
            << QList<Tippreihe>{};
        QTest::newRow("Bereich vor Wiederholung")
            << QStringList{"1,1,2,3,4,5", "1,2,3,4,5,0"} << keine << QStringList{"1,1,2,3,4,5", "1,2,3,4,5,0"}
            << QStringLiteral("In Zeile 2 ist die 6. Zahl, die 0, keine gültige Tippzahl.\r\r"
                              "Die sechs Tippzahlen sind aus der Zahlenreihe 1 bis 49 zu wählen.") +
                   Abbruch
            << QList<Tippreihe>{};
        QTest::newRow("keine Zahl") << QStringList{"1,2,x,4,5,6"} << keine << QStringList{"1,2,x,4,5,6"}
                                    << QStringLiteral("'x' ist kein gültiger Integerwert")
                                    << QList<Tippreihe>{};
        QTest::newRow("absteigend wird aufsteigend")
            << QStringList{"49,40,30,20,10,1"} << keine << QStringList{"49,40,30,20,10,1"} << QString()
            << QList<Tippreihe>{{1, 10, 20, 30, 40, 49}};
        QTest::newRow("leer") << QStringList{} << keine << QStringList{}
                              << QStringLiteral("Das Textfeld ist leer. Es gibt nichts zu übertragen.") +
                                     Abbruch
                              << QList<Tippreihe>{};
        QTest::newRow("nur Leerraum")
            << QStringList{" ", "\t"} << keine << QStringList{}
            << QStringLiteral("Das Textfeld ist leer. Es gibt nichts zu übertragen.") + Abbruch
            << QList<Tippreihe>{};
    }
    void uebertragen() {
        QFETCH(QStringList, text);
        QFETCH(int, antwort);
        QFETCH(QStringList, danach);
        QFETCH(QString, meldung);
        QFETCH(QList<Tippreihe>, reihen);
        int fragen = 0;
        const TextUebertragung r = ReihenAusText(text, [&](const QStringList&) {
            ++fragen;
            return LeerzeichenWahl(antwort);
        });
        QCOMPARE(fragen, antwort < 0 ? 0 : 1);
        QCOMPARE(r.zeilen, danach);
        QCOMPARE(r.meldung.text, meldung);
        QCOMPARE(r.meldung.art, meldung.isEmpty() ? MeldungsArt::Keine : MeldungsArt::Fehler);
        QCOMPARE(r.reihen, reihen);
    }

    // Cancel at the blank question: no message, the text as cleaned up to the question.
    void leerzeichenFrageAbbrechen() {
        QStringList gezeigt;
        const TextUebertragung r = ReihenAusText({"1  2 3;4\t5 6"}, [&](const QStringList& bisher) {
            gezeigt = bisher;
            return LeerzeichenWahl::Abbrechen;
        });
        QVERIFY(r.abgebrochen);
        QVERIFY(!r.ok());
        QCOMPARE(r.meldung.art, MeldungsArt::Keine);
        QCOMPARE(gezeigt, QStringList{"1 2 3,4,5 6"});
        QCOMPARE(r.zeilen, gezeigt);
    }

    void inTabelle_data() {
        QTest::addColumn<int>("gefuellt");
        QTest::addColumn<int>("zeilen");
        QTest::addColumn<bool>("ueberschreiben");
        QTest::addColumn<int>("ersteNeue");
        QTest::addColumn<int>("zeilenDanach");
        QTest::newRow("anhängen an 3 Reihen") << 3 << 50 << false << 4 << 6;
        QTest::newRow("anhängen an leere Tabelle") << 0 << 50 << false << 1 << 3;
        QTest::newRow("anhängen an volle Tabelle") << 4 << 5 << false << 5 << 7;
        QTest::newRow("überschreiben kürzt") << 10 << 11 << true << 1 << 3;
    }
    void inTabelle() {
        QFETCH(int, gefuellt);
        QFETCH(int, zeilen);
        QFETCH(bool, ueberschreiben);
        QFETCH(int, ersteNeue);
        QFETCH(int, zeilenDanach);
        TippreihenDaten t = mitReihen(gefuellt, zeilen);
        ReihenInTabelle(t, {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}, ueberschreiben);
        QCOMPARE(t.zeilenAnzahl(), zeilenDanach);
        QCOMPARE(t.zelle(0, ersteNeue), QString::number(ersteNeue));
        QCOMPARE(t.zelle(1, ersteNeue), QStringLiteral("1"));
        QCOMPARE(t.zelle(0, ersteNeue + 1), QString::number(ersteNeue + 1));
        QCOMPARE(t.zelle(6, ersteNeue + 1), QStringLiteral("12"));
        if (ersteNeue > 1)
            QCOMPARE(t.zelle(1, ersteNeue - 1), QString::number(ersteNeue - 1));
    }

    void dopplungen_data() {
        QTest::addColumn<QStringList>("text");
        QTest::addColumn<bool>("loeschen");
        QTest::addColumn<QStringList>("danach");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<bool>("fehler");
        QStringList ohneDoppelte = beispiel();
        ohneDoppelte.removeAt(23);
        ohneDoppelte.removeAt(11);
        QTest::newRow("Beispiel löschen")
            << beispiel() << true << ohneDoppelte << "Es wurden 2 doppelte Reihen gelöscht." << false;
        QTest::newRow("Beispiel melden") << beispiel() << false << beispiel()
                                         << "Die Reihe 1: \"1,2,3,4,5,6\" ist von den Zahlen her identisch "
                                            "mit Reihe 12: \"1,2,3,4,5,6\".\r\r"
                                            "Ich mache erst einmal nicht weiter."
                                         << false;
        QTest::newRow("andere Reihenfolge ist doppelt")
            << QStringList{"1,2,3,4,5,6", "7,8,9,10,11,12", "6,5,4,3,2,1"} << true
            << QStringList{"1,2,3,4,5,6", "7,8,9,10,11,12"} << "Es wurde eine doppelte Reihe gelöscht."
            << false;
        QTest::newRow("frühestes Paar gewinnt")
            << QStringList{"7,8,9,10,11,12", "1,2,3,4,5,6", "1,2,3,4,5,6", "12,11,10,9,8,7"} << false
            << QStringList{"7,8,9,10,11,12", "1,2,3,4,5,6", "1,2,3,4,5,6", "12,11,10,9,8,7"}
            << "Die Reihe 1: \"7,8,9,10,11,12\" ist von den Zahlen her identisch mit Reihe 4: "
               "\"12,11,10,9,8,7\".\r\r"
               "Ich mache erst einmal nicht weiter."
            << false;
        QTest::newRow("über 55 gelöscht, nicht gezählt")
            << QStringList{"1,2,3,4,5,6", "56,57,58,59,60,61", "7,8,9,10,11,12"} << true
            << QStringList{"1,2,3,4,5,6", "7,8,9,10,11,12"} << "Es wurden keine doppelten Reihen gefunden."
            << false;
        QTest::newRow("keine gefunden")
            << QStringList{"1;2;3;4;5;6", "1;2;3;4;5;7"} << false << QStringList{"1;2;3;4;5;6", "1;2;3;4;5;7"}
            << "Es wurden keine doppelten Reihen gefunden." << false;
        QTest::newRow("Blanks, Feld- und Tipp-Vorsatz")
            << QStringList{"Feld 1:\t1  2 3 4 5 6", "Feld 2:\t2 3 4 5 6 1"} << true
            << QStringList{"1  2 3 4 5 6"} << "Es wurde eine doppelte Reihe gelöscht." << false;
        QTest::newRow("Tipp-Vorsatz")
            << QStringList{"Tipp 1\t1,2,3,4,5,6", "Tipp 2\t1,2,3,4,5,6"} << true << QStringList{"1,2,3,4,5,6"}
            << "Es wurde eine doppelte Reihe gelöscht." << false;
        QTest::newRow("ohne Trennzeichen")
            << QStringList{"123456"} << true << QStringList{"123456"}
            << QStringLiteral("Ich kann kein Trennzeichen - Komma, Semikolon oder "
                              "Leerzeichen - ausmachen.") +
                   Abbruch
            << true;
        QTest::newRow("leeres Stück") << QStringList{"1,2,,4,5,6"} << true << QStringList{"1,2,,4,5,6"}
                                      << "'' ist kein gültiger Integerwert" << true;
        QTest::newRow("leer") << QStringList{} << true << QStringList{}
                              << QStringLiteral("Das Textfeld ist leer. Es gibt nichts zu prüfen.") + Abbruch
                              << true;
    }
    void dopplungen() {
        QFETCH(QStringList, text);
        QFETCH(bool, loeschen);
        QFETCH(QStringList, danach);
        QFETCH(QString, meldung);
        QFETCH(bool, fehler);
        const Dopplungspruefung r = DopplungenPruefen(text, loeschen);
        QCOMPARE(r.zeilen, danach);
        QCOMPARE(r.meldung.text, meldung);
        QCOMPARE(r.meldung.art, fehler ? MeldungsArt::Fehler : MeldungsArt::Information);
    }

    void teile_data() {
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<QString>("trenner");
        QTest::addColumn<QStringList>("teile");
        QTest::newRow("Kommas") << "1,2,3"
                                << "," << QStringList{"1", "2", "3"};
        QTest::newRow("Blanks trennen auch") << "1, 2 3"
                                             << "," << QStringList{"1", "2", "3"};
        QTest::newRow("doppelter Trenner") << "1,,2"
                                           << "," << QStringList{"1", "", "2"};
        QTest::newRow("Trenner am Ende") << "1,2,"
                                         << "," << QStringList{"1", "2", ""};
        QTest::newRow("Zitat") << "\"1\",\"a\"\"b\",3"
                               << "," << QStringList{"1", "a\"b", "3"};
        QTest::newRow("Blank als Trenner") << "1   2\t3"
                                           << " " << QStringList{"1", "2", "3"};
        QTest::newRow("Semikolon") << "1;2; 3"
                                   << ";" << QStringList{"1", "2", "3"};
    }
    void teile() {
        QFETCH(QString, zeile);
        QFETCH(QString, trenner);
        QFETCH(QStringList, teile);
        QCOMPARE(GetrennteTeile(zeile, trenner.at(0)), teile);
    }

    void zahlenfeldSchreibtZeilen() {
        QString text;
        for (int n = 1; n <= 7; ++n)
            text = ZahlAnhaengen(text, n);
        QCOMPARE(text, QStringLiteral("1,2,3,4,5,6\n7,"));
        QCOMPARE(MemoZeilen(text), (QStringList{"1,2,3,4,5,6", "7,"}));
        QCOMPARE(MemoZeilen(QStringLiteral("1,2\n")), QStringList{"1,2"});
        QCOMPARE(MemoZeilen(QString()), QStringList());
        QCOMPARE(ZeilenAnhaengen(QStringLiteral("a"), {"b", "c"}), QStringLiteral("a\nb\nc\n"));
        QCOMPARE(ZeilenAnhaengen(QStringLiteral("a\n"), {"b"}), QStringLiteral("a\nb\n"));
    }

    void csvEinlesen() {
        const TippreihenDaten t =
            *CSVAlsTabelle(QByteArray("\"\"\r\n1,2,3\r\n\r\n4,5,6,7,8,9,10,11\n\"a b\",x\r\n\xe4\r\n"), {});
        QCOMPARE(t.zeilenAnzahl(), 5);
        QCOMPARE(t.spaltenAnzahl(), 9);
        QCOMPARE(t.zelle(0, 1), QStringLiteral("1"));
        QCOMPARE(t.zelle(3, 1), QStringLiteral("3"));
        QCOMPARE(t.zelle(4, 1), QString());
        QCOMPARE(t.zelle(8, 2), QStringLiteral("11"));
        QCOMPARE(t.zelle(1, 3), QStringLiteral("\"a b\"")); // no quoting rules on reading
        QCOMPARE(t.zelle(1, 4), QStringLiteral("ä"));       // Windows-1252
        QCOMPARE(CSVAlsTabelle(QByteArray(), {})->zeilenAnzahl(), 2);
        const auto breit = CSVAlsTabelle(QByteArray(BlattMaxSpalten, ','), QStringLiteral("/x/breit.csv"));
        QCOMPARE(breit.fehler(),
                 QStringLiteral("Die Datei \"/x/breit.csv\" hat Zeilen mit mehr als 16.384 Werten "
                                "und enthält daher keine Tippreihen.\r\rIch breche erst einmal ab."));
    }

    void tabelleAlsZeilen() {
        TippreihenDaten t(3, 4);
        QCOMPARE(TabelleAlsZeilen(t).fehler(),
                 QStringLiteral("Die Tabelle ist leer. Es gibt nichts zu übertragen.") + Abbruch);
        t.setzeZelle(1, 1, QStringLiteral("1"));
        t.setzeZelle(2, 1, QStringLiteral("a b"));
        t.setzeZelle(3, 1, QStringLiteral("\u00A03"));
        QCOMPARE(*TabelleAlsZeilen(t), (QStringList{"1,\"a b\",\u00A03", ",,"}));
        TippreihenDaten eineSpalte(3, 2);
        eineSpalte.setzeZelle(1, 1, QStringLiteral("7"));
        QCOMPARE(*TabelleAlsZeilen(eineSpalte), (QStringList{"7", "\"\""}));
    }

    void blattAlsTabelle() {
        Tabellenblatt b;
        b.zeilen = 3;
        b.spalten = 8;
        b.zellen = {{"3", "8"}, {}, {"", "", "", "", "", "", "", "44"}};
        const TippreihenDaten t = BlattAlsTabelle(b);
        QCOMPARE(t.zeilenAnzahl(), 4);
        QCOMPARE(t.spaltenAnzahl(), 9);
        QCOMPARE(t.zelle(0, 2), QStringLiteral("2"));
        QCOMPARE(t.zelle(2, 1), QStringLiteral("8"));
        QCOMPARE(t.zelle(8, 3), QStringLiteral("44"));
        QCOMPARE(t.zelle(1, 0), QStringLiteral(" Z1"));
        QCOMPARE(BlattAlsTabelle(Tabellenblatt{}).zeilenAnzahl(), 2);
    }

    void scheinReihen() {
        TippreihenDaten t(3);
        t.setzeReihe(1, {1, 2, 3, 4, 5, 6});
        QCOMPARE(ScheinReihen(t).fehler(), QStringLiteral("'' ist kein gültiger Integerwert"));
        t.setzeReihe(2, {7, 8, 9, 10, 11, 12});
        QCOMPARE(ScheinReihen(t)->size(), 2);
        t.setzeZelle(3, 2, QStringLiteral("50"));
        QCOMPARE(ScheinReihen(t).fehler(), QStringLiteral("In Zeile 2 ist die 3. Zahl, die 50, keine gültige "
                                                          "Tippzahl.\r\rDie sechs Tippzahlen sind aus der "
                                                          "Zahlenreihe 1 bis 49 zu wählen.") +
                                               Abbruch);
    }

    void einstellungen_data() {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<bool>("ueberschreiben");
        QTest::addColumn<int>("schrift");
        QTest::newRow("ohne Abschnitt") << "[Andere]\nx=1\n" << false << 10;
        QTest::newRow("überschreiben") << "[Eingabe]\noverwrite1=1\noverwrite2=0\nFontsize=7\n" << true << 7;
        QTest::newRow("Größe außerhalb bleibt") << "[Eingabe]\nFontsize=13\n" << false << 9;
        QTest::newRow("beide gesetzt: anhängen") << "[eingabe]\nOVERWRITE1=1\noverwrite2=1\n" << false << 10;
    }
    void einstellungen() {
        QFETCH(QString, ini);
        QFETCH(bool, ueberschreiben);
        QFETCH(int, schrift);
        const IniDatei datei = IniDatei::ausText(ini);
        const EingabeEinstellungen e = EingabeEinstellungenLesen(datei, {true, 9});
        QCOMPARE(e.ueberschreiben, ueberschreiben);
        QCOMPARE(e.schriftgroesse, schrift);
    }
};
KB_TEST(TextImportTest)

#include "text_import_test.moc"
