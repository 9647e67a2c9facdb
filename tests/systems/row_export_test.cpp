#include "core/ini_file.h"
#include "core/record_file.h"
#include "platform/spreadsheet_files.h"
#include "systems/row_export.h"
#include "test_main.h"

#include <QFile>
#include <QTemporaryDir>

using namespace kb;

namespace {
// A table of texts: rows of cells for columns 1.. (column 0 gets the row number).
TippreihenDaten tabelle(const QList<QStringList>& zeilen, int spalten = 7) {
    TippreihenDaten t(static_cast<int>(zeilen.size()) + 1, spalten);
    for (qsizetype z = 0; z < zeilen.size(); ++z) {
        t.setzeZelle(0, static_cast<int>(z) + 1, QString::number(z + 1));
        for (qsizetype s = 0; s < zeilen[z].size(); ++s)
            t.setzeZelle(static_cast<int>(s) + 1, static_cast<int>(z) + 1, zeilen[z][s]);
    }
    return t;
}
} // namespace

class ReihenExportTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    void csv_data() {
        QTest::addColumn<QList<QStringList>>("zeilen");
        QTest::addColumn<QByteArray>("erwartet");
        QTest::newRow("Reihe") << QList<QStringList>{{"3", "8", "11", "17", "22", "29"}}
                               << QByteArray("3,8,11,17,22,29\r\n");
        QTest::newRow("zwei Reihen, Kopf und Spalte 0 nicht")
            << QList<QStringList>{{"1", "2", "3", "4", "5", "6"}, {"7", "8", "9", "10", "11", "12"}}
            << QByteArray("1,2,3,4,5,6\r\n7,8,9,10,11,12\r\n");
        QTest::newRow("Zitate") << QList<QStringList>{{"a b", "x\"y", "1,5", "tab\t", "z"},
                                                      {"1", "", "3", "4", "5"}}
                                << QByteArray("\"a b\",\"x\"\"y\",\"1,5\",\"tab\t\",z\r\n1,,3,4,5\r\n");
        QTest::newRow("Spalten bis zur ersten leeren in Zeile 1")
            << QList<QStringList>{{"1", "2", ""}, {"4", "5", "6"}} << QByteArray("1,2\r\n4,5\r\n");
        QTest::newRow("eine leere Zelle") << QList<QStringList>{{"1"}, {""}} << QByteArray("1\r\n\"\"\r\n");
        QTest::newRow("Windows-1252")
            << QList<QStringList>{{"5 €", "äß", "Ω"}} << QByteArray("\"5 \x80\",\xe4\xdf,?\r\n");
    }
    void csv() {
        QFETCH(QList<QStringList>, zeilen);
        QFETCH(QByteArray, erwartet);
        const TippreihenDaten t = tabelle(zeilen);
        QCOMPARE(CSVText(t), erwartet);
        const QString pfad = m_dir.filePath(QStringLiteral("t.csv"));
        QVERIFY(CSVSchreiben(t, pfad).ok());
        QCOMPARE(DateiLesen(pfad)->daten, erwartet);
    }

    void csvFehlerLaesstAlteDateiStehen() {
        const QString pfad = m_dir.filePath(QStringLiteral("fehlt/t.csv"));
        const Status s = CSVSchreiben(tabelle({{"1"}}), pfad);
        QVERIFY(!s.ok());
        QVERIFY(s.fehler().startsWith(QStringLiteral("Die Datei \"")));
        QVERIFY(s.fehler().contains(QStringLiteral("kann nicht gespeichert werden.")));
        QVERIFY(!QFile::exists(pfad));
    }

    // Every character of the code page survives writing and reading back.
    void codepageHinUndZurueck() {
        QByteArray alle;
        for (int b = 0x20; b <= 0xFF; ++b)
            if (b != 0x7F && b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D)
                alle.append(static_cast<char>(b));
        const QString text = TextDekodieren(alle);
        QCOMPARE(text.size(), alle.size());
        QCOMPARE(Windows1252(text), alle);
        QCOMPARE(TextDekodieren(QByteArray("\x84\x85\x8c\x9f", 4)), QStringLiteral("„…ŒŸ"));
    }

    void spaltenNamen_data() {
        QTest::addColumn<int>("spalte");
        QTest::addColumn<QString>("name");
        for (const auto& [s, n] : {std::pair{1, "A"},
                                   {7, "G"},
                                   {26, "Z"},
                                   {27, "AA"},
                                   {52, "AZ"},
                                   {53, "BA"},
                                   {702, "ZZ"},
                                   {703, "AAA"}})
            QTest::newRow(n) << s << QString::fromLatin1(n);
    }
    void spaltenNamen() {
        QFETCH(int, spalte);
        QFETCH(QString, name);
        QCOMPARE(SpaltenName(spalte), name);
    }

    // 15 rows land in A1:G16 of the named sheet, the cells as text behind a no-break space.
    void excelExportFuenfzehnReihen() {
        TippreihenDaten t(16);
        for (int z = 1; z <= 15; ++z)
            t.setzeReihe(z,
                         {static_cast<std::uint8_t>(z), 20, 21, 22, 23, static_cast<std::uint8_t>(30 + z)});
        const auto blatt = ExcelExport(t.schnappschuss(), QStringLiteral("Tippreihen aus System"), 6);
        QVERIFY(blatt.ok());
        QCOMPARE(blatt->zeilen, 16);
        QCOMPARE(blatt->spalten, 7);
        const QString pfad = m_dir.filePath(QStringLiteral("export.xlsx"));
        QVERIFY(XlsxSchreiben(pfad, *blatt).ok());
        const auto gelesen = TabelleLesen(pfad);
        QVERIFY2(gelesen.ok(), gelesen.ok() ? "" : qPrintable(gelesen.fehler()));
        QCOMPARE(gelesen->name, QStringLiteral("Tippreihen aus System"));
        QCOMPARE(gelesen->dimension, QStringLiteral("A1:G16"));
        QCOMPARE(gelesen->zeilen, 15);
        QCOMPARE(gelesen->spalten, 6);
        const QString nbsp(QChar(0xA0));
        QCOMPARE(gelesen->zelle(1, 1), nbsp + QStringLiteral("1"));
        QCOMPARE(gelesen->zelle(6, 15), nbsp + QStringLiteral("45"));
        QCOMPARE(gelesen->zelle(2, 7), nbsp + QStringLiteral("20"));
    }

    void excelExportZuVieleZeilen() {
        const TippreihenDaten t(BlattMaxZeilen + 2);
        const auto blatt = ExcelExport(t.schnappschuss(), QStringLiteral("Tippreihen"), 6);
        QVERIFY(!blatt.ok());
        QCOMPARE(blatt.fehler(),
                 QStringLiteral("Die Tabelle hat 1.048.577 Zeilen; ein Tabellenblatt fasst höchstens "
                                "1.048.576 Zeilen. Der Export ist daher nicht möglich.\r\r"
                                "Ich breche ab."));
    }
};
KB_TEST(ReihenExportTest)

#include "row_export_test.moc"
