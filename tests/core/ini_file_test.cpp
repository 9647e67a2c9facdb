#include "core/ini_file.h"
#include "test_main.h"

#include <QFile>
#include <QTemporaryDir>

using namespace kb;

class IniDateiTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lesen_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("abschnitt");
        QTest::addColumn<QString>("schluessel");
        QTest::addColumn<QString>("erwartet");
        const QString datei = QStringLiteral(
            "; Kommentar am Anfang\n"
            "[Zufall]\n"
            "Bankzahlen=3,7,12\n"
            "Quotenkiller = 1;2;3 \n"
            "Pfad=C:\\Lotto\\Scheine\\a.nkb\n"
            "Zitat=\"  mit Rand  \"\n"
            "Halb=\"nur vorn\n"
            "Doppelt=\"\"innen\"\"\n"
            "Leer=\n"
            "Umlaut=Übersicht für Größen\n"
            "[Druck]\n"
            "Formatdatei=x.awadr\n"
            "Formatdatei=zweiter\n");
        QTest::newRow("Kommas") << datei << "Zufall" << "Bankzahlen" << "3,7,12";
        QTest::newRow("Semikolons, Leerraum") << datei << "Zufall" << "Quotenkiller" << "1;2;3";
        QTest::newRow("Backslashes") << datei << "Zufall" << "Pfad" << "C:\\Lotto\\Scheine\\a.nkb";
        QTest::newRow("ein Paar Anfuehrungszeichen") << datei << "Zufall" << "Zitat" << "  mit Rand  ";
        QTest::newRow("nur vorn bleibt") << datei << "Zufall" << "Halb" << "\"nur vorn";
        QTest::newRow("nur ein Paar") << datei << "Zufall" << "Doppelt" << "\"innen\"";
        QTest::newRow("leerer Wert") << datei << "Zufall" << "Leer" << "";
        QTest::newRow("Umlaute") << datei << "Zufall" << "Umlaut" << "Übersicht für Größen";
        QTest::newRow("Gross/klein") << datei << "zUFALL" << "BANKZAHLEN" << "3,7,12";
        QTest::newRow("erster gewinnt") << datei << "Druck" << "Formatdatei" << "x.awadr";
        QTest::newRow("fehlender Schluessel") << datei << "Druck" << "ScheinNr" << "<vorgabe>";
        QTest::newRow("fehlender Abschnitt") << datei << "Eingabe" << "Fontsize" << "<vorgabe>";
        QTest::newRow("Kommentar ist kein Schluessel") << datei << "" << "; Kommentar am Anfang" << "<vorgabe>";
        QTest::newRow("CRLF") << QStringLiteral("[A]\r\nx=1\r\ny=zwei\r\n") << "A" << "y" << "zwei";
    }
    void lesen() {
        QFETCH(QString, text);
        QFETCH(QString, abschnitt);
        QFETCH(QString, schluessel);
        QFETCH(QString, erwartet);
        const IniDatei ini = IniDatei::ausText(text);
        QCOMPARE(ini.ReadString(abschnitt, schluessel, QStringLiteral("<vorgabe>")), erwartet);
    }

    void zahlenUndBooleans_data() {
        QTest::addColumn<QString>("wert");
        QTest::addColumn<int>("zahl");
        QTest::addColumn<bool>("wahr");
        QTest::newRow("0") << "0" << 0 << false;
        QTest::newRow("1") << "1" << 1 << true;
        QTest::newRow("7 unveraendert") << "7" << 7 << true;
        QTest::newRow("negativ") << "-2" << -2 << true;
        QTest::newRow("keine Zahl") << "ja" << 42 << true; // default 42 / default true
        QTest::newRow("leer") << "" << 42 << true;
        QTest::newRow("Kommazahl") << "1,5" << 42 << true;
    }
    void zahlenUndBooleans() {
        QFETCH(QString, wert);
        QFETCH(int, zahl);
        QFETCH(bool, wahr);
        const IniDatei ini = IniDatei::ausText(QStringLiteral("[A]\nk=") + wert + QLatin1Char('\n'));
        QCOMPARE(ini.ReadInteger(QStringLiteral("A"), QStringLiteral("k"), 42), zahl);
        QCOMPARE(ini.ReadBool(QStringLiteral("A"), QStringLiteral("k"), true), wahr);
    }

    void schreibenBehaeltKommentareUndReihenfolge() {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("Einstellungen.ini"));
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("; von Hand\r\n[Eingabe]\r\nFontsize=12\r\n; zum Filter\r\n\r\n[Filter]\r\nZP=12\r\nfremd = x\r\n");
        f.close();

        IniDatei ini(pfad);
        QVERIFY(ini.dateiVorhanden());
        ini.WriteInteger(QStringLiteral("EINGABE"), QStringLiteral("fontSIZE"), 14); // other letter case: same key
        ini.WriteBool(QStringLiteral("Eingabe"), QStringLiteral("overwrite1"), true);
        ini.WriteString(QStringLiteral("Neu"), QStringLiteral("Url"), QStringLiteral("https://x.de/a?b=1;c=2"));
        ini.WriteString(QStringLiteral("Neu"), QStringLiteral("Rand"), QStringLiteral(" a "));
        QVERIFY(ini.speichern().ok());

        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray geschrieben = f.readAll();
        f.close();
        QCOMPARE(geschrieben, QByteArray("; von Hand\r\n[Eingabe]\r\nFontsize=14\r\noverwrite1=1\r\n; zum Filter\r\n\r\n"
                                         "[Filter]\r\nZP=12\r\nfremd = x\r\n\r\n[Neu]\r\nUrl=https://x.de/a?b=1;c=2\r\n"
                                         "Rand=\" a \"\r\n"));
        const IniDatei wieder(pfad);
        QCOMPARE(wieder.ReadString(QStringLiteral("Neu"), QStringLiteral("Rand"), {}), QStringLiteral(" a "));
        QCOMPARE(wieder.ReadInteger(QStringLiteral("Eingabe"), QStringLiteral("Fontsize"), 0), 14);
    }

    void abschnittLoeschen() {
        IniDatei ini = IniDatei::ausText(QStringLiteral(
            "[Spielscheine]\nDateienanzahl=3\nDatei1=a\nDatei2=b\nDatei3=c\n[Auswertung]\nN-Ziehung=1\n"));
        ini.EraseSection(QStringLiteral("spielscheine"));
        QVERIFY(!ini.SectionExists(QStringLiteral("Spielscheine")));
        QCOMPARE(ini.text(), QStringLiteral("[Auswertung]\nN-Ziehung=1\n"));
        QCOMPARE(ini.ReadSection(QStringLiteral("Auswertung")), QStringList{QStringLiteral("N-Ziehung")});
    }

    void windows1252WirdGelesenUtf8Geschrieben() {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("alt.ini"));
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Spielscheine]\nDatei1=C:\\M\xfcller\\Gr\xf6\xdf" "e \x80.nkb\n");
        f.close();
        IniDatei ini(pfad);
        QCOMPARE(ini.ReadString(QStringLiteral("Spielscheine"), QStringLiteral("Datei1"), {}),
                 QStringLiteral("C:\\Müller\\Größe €.nkb"));
        QVERIFY(ini.speichern().ok());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().contains("M\xc3\xbcller"));
    }

    void fehlendeDatei() {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("gibtsnicht.ini"));
        IniDatei ini(pfad);
        QVERIFY(!ini.dateiVorhanden());
        QCOMPARE(ini.ReadInteger(QStringLiteral("A"), QStringLiteral("b"), 5), 5);
        ini.WriteInteger(QStringLiteral("A"), QStringLiteral("b"), 6);
        QVERIFY(ini.speichern().ok());
        QVERIFY(QFile::exists(pfad));
        QCOMPARE(IniDatei(pfad).ReadInteger(QStringLiteral("A"), QStringLiteral("b"), 5), 6);
    }
};
KB_TEST(IniDateiTest)

#include "ini_file_test.moc"
