#include "platform/spreadsheet_files.h"
#include "test_main.h"

#include <QFile>
#include <QTemporaryDir>

using namespace kb;

namespace {
QString fixture(const QString& name) {
    return qEnvironmentVariable("KB_SOURCE_DIR") + QStringLiteral("/tests/platform/fixtures/") + name;
}
} // namespace

class TabellenDateienTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    QString kopie(const QString& quelle, const QString& name, qint64 laenge = -1) {
        QFile f(quelle);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        const QByteArray daten = laenge < 0 ? f.readAll() : f.read(laenge);
        const QString ziel = m_dir.filePath(name);
        QFile z(ziel);
        if (!z.open(QIODevice::WriteOnly))
            return {};
        z.write(daten);
        return ziel;
    }

private Q_SLOTS:
    // The same sheet saved by a spreadsheet program in three formats.
    void fixturesLesen_data() {
        QTest::addColumn<QString>("datei");
        QTest::newRow("xlsx") << "Tippreihen.xlsx";
        QTest::newRow("ods") << "Tippreihen.ods";
        QTest::newRow("xls") << "Tippreihen.xls";
    }
    void fixturesLesen() {
        QFETCH(QString, datei);
        const auto blatt = TabelleLesen(fixture(datei));
        QVERIFY2(blatt.ok(), blatt.ok() ? "" : qPrintable(blatt.fehler()));
        QCOMPARE(blatt->name, QStringLiteral("Tippreihen"));
        QCOMPARE(blatt->zeilen, 5);
        QCOMPARE(blatt->spalten, 8);
        QCOMPARE(blatt->zellen.value(0), (QStringList{"3", "8", "11", "17", "22", "29"}));
        QCOMPARE(blatt->zellen.value(1), (QStringList{"1", "2", "3", "4", "5", "6"}));
        QCOMPARE(blatt->zellen.value(2), (QStringList{"7", "Text mit Blank", "12,5"}));
        QVERIFY(blatt->zellen.value(3).isEmpty());
        QCOMPARE(blatt->zelle(8, 5), QStringLiteral("44"));
        QCOMPARE(blatt->zelle(7, 5), QString());
    }

    void kaputteDateien_data() {
        QTest::addColumn<QString>("quelle");
        QTest::addColumn<qint64>("laenge");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("meldungBeginn");
        QTest::newRow("abgeschnittene xlsx") << "Tippreihen.xlsx" << qint64(3000) << "kurz.xlsx"
                                             << "Die Datei \"%1\" ist beschädigt oder unvollständig";
        QTest::newRow("abgeschnittene ods") << "Tippreihen.ods" << qint64(4000) << "kurz.ods"
                                            << "Die Datei \"%1\" ist beschädigt oder unvollständig";
        QTest::newRow("abgeschnittene xls") << "Tippreihen.xls" << qint64(1500) << "kurz.xls"
                                            << "Die Datei \"%1\" ist beschädigt oder unvollständig";
        // Found by fuzzing, each a fault of libfreexl on a broken compound file: a directory name
        // read far beyond its 64 bytes, "end of chain" taken as the first directory sector, a
        // leak on a broken allocation table, 4 GB allocated for a stream of a 5 KB file, a leak
        // on a free sector inside the directory chain.
        const char* beschaedigt = "Die Datei \"%1\" ist beschädigt oder unvollständig";
        for (const char* xls : {"Verzeichnisname.xls", "Verzeichnisbeginn.xls", "Zuordnungstabelle.xls",
                                "Streamgroesse.xls", "Kettenende.xls"})
            QTest::newRow(xls) << xls << qint64(-1) << "kaputt.xls" << beschaedigt;
        // One cell repeated over a million rows and 16 000 columns, in a file of 500 bytes.
        QTest::newRow("ods mit einer Million Zeilen") << "Wiederholt.ods" << qint64(-1) << "gross.ods"
                                                     << "Die Tabelle in \"%1\" ist zu groß, um sie einzulesen.";
        QTest::newRow("Text als xlsx") << "" << qint64(0) << "text.xlsx"
                                       << "Die Datei \"%1\" ist keine Tabelle, die ich lesen kann.";
        QTest::newRow("fehlt") << "" << qint64(-1) << "fehlt.xlsx"
                               << "Die Datei \"%1\" kann nicht gelesen werden.";
    }
    void kaputteDateien() {
        QFETCH(QString, quelle);
        QFETCH(qint64, laenge);
        QFETCH(QString, name);
        QFETCH(QString, meldungBeginn);
        QString pfad = m_dir.filePath(name);
        if (!quelle.isEmpty()) {
            pfad = kopie(fixture(quelle), name, laenge);
        } else if (laenge == 0) {
            QFile f(pfad);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("3,8,11,17,22,29\r\n");
        }
        const auto blatt = TabelleLesen(pfad);
        QVERIFY(!blatt.ok());
        QVERIFY2(blatt.fehler().startsWith(meldungBeginn.arg(pfad)), qPrintable(blatt.fehler()));
    }

    void schreibenUndLesen() {
        ExportBlatt blatt;
        blatt.name = QStringLiteral("Tippreihen");
        blatt.zeilen = 3;
        blatt.spalten = 4;
        blatt.zelle = [](int s, int z) {
            return s == 4 ? QString() : QStringLiteral("%1·%2 \"ä\"").arg(s).arg(z);
        };
        const QString pfad = m_dir.filePath(QStringLiteral("neu.xlsx"));
        QVERIFY(XlsxSchreiben(pfad, blatt).ok());
        const auto gelesen = TabelleLesen(pfad);
        QVERIFY(gelesen.ok());
        QCOMPARE(gelesen->dimension, QStringLiteral("A1:D3"));
        QCOMPARE(gelesen->zeilen, 3);
        QCOMPARE(gelesen->spalten, 3);
        QCOMPARE(gelesen->zelle(2, 3), QStringLiteral("2·3 \"ä\""));
    }

    void ungueltigerBlattnameHinterlaesstKeineDatei() {
        ExportBlatt blatt;
        blatt.name = QStringLiteral("Tipp[reihen]");
        blatt.zeilen = 1;
        blatt.spalten = 1;
        blatt.zelle = [](int, int) { return QStringLiteral("1"); };
        const QString pfad = m_dir.filePath(QStringLiteral("name.xlsx"));
        const Status s = XlsxSchreiben(pfad, blatt);
        QVERIFY(!s.ok());
        QVERIFY(s.fehler().contains(
            QStringLiteral("\"Tipp[reihen]\" ist als Name eines Tabellenblatts nicht erlaubt.")));
        QVERIFY(!QFile::exists(pfad));
    }

    void zahlenAlsText_data() {
        QTest::addColumn<double>("wert");
        QTest::addColumn<QString>("text");
        QTest::newRow("ganz") << 17.0 << "17";
        QTest::newRow("negativ") << -3.0 << "-3";
        QTest::newRow("dezimal") << 12.5 << "12,5";
        QTest::newRow("ohne Tausenderpunkt") << 1234.25 << "1234,25";
    }
    void zahlenAlsText() {
        QFETCH(double, wert);
        QFETCH(QString, text);
        QCOMPARE(TabellenZahl(wert), text);
    }
};
KB_TEST(TabellenDateienTest)

#include "spreadsheet_test.moc"
