#include "core/ini_file.h"
#include "core/program_state.h"
#include "core/record_file.h"
#include "core/ticket_file.h"
#include "entry/entry_window.h"
#include "entry/text_import.h"
#include "evaluation/main_window.h"
#include "evaluation/startup.h"
#include "evaluation/window_router.h"
#include "platform/spreadsheet_files.h"
#include "platform/testing/test_services.h"
#include "statistics/distribution_window.h"
#include "systems/row_export.h"
#include "test_main.h"
#include "widgets/number_pad.h"
#include "widgets/row_grid.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>

using namespace kb;

namespace {

const QString Abbruch = QStringLiteral("\r\rIch breche erst einmal ab.");

QString fixture(const QString& name) {
    return qEnvironmentVariable("KB_SOURCE_DIR") + QStringLiteral("/tests/platform/fixtures/") + name;
}

// The window with its scripted services.
struct Aufbau {
    test::TestDienste d;
    Fensterverwaltung router;
    TFEingabe w{d.dienste, router};

    Aufbau() {
        w.show();
        if (!QTest::qWaitForWindowExposed(&w))
            qWarning("Fenster nicht sichtbar");
    }
    template <class T> T* teil(const char* name) const { return w.findChild<T*>(QString::fromLatin1(name)); }
    QPlainTextEdit* M1() const { return teil<QPlainTextEdit>("M1"); }
    TippreihenGitter* G1() const { return teil<TippreihenGitter>("G1"); }
    TippreihenGitter* G2() const { return teil<TippreihenGitter>("G2"); }
    QString label(const char* name) const { return teil<QLabel>(name)->text(); }
    void klick(const char* name) {
        if (auto* b = teil<QToolButton>(name))
            QTest::mouseClick(b, Qt::LeftButton);
        else
            QTest::mouseClick(teil<QPushButton>(name), Qt::LeftButton);
    }
    void seite(int i) { teil<QTabWidget>("PC1")->setCurrentIndex(i); }
    void text(const QString& t) { M1()->setPlainText(t); }
    // Runs a button whose work finishes on a worker thread.
    bool klickUndWarten(const char* name) {
        QSignalSpy fertig(&w, &TFEingabe::hintergrundFertig);
        klick(name);
        return fertig.count() > 0 || fertig.wait(20000);
    }
};

} // namespace

class EingabeFensterTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_daten;

private Q_SLOTS:
    void init() {
        zustand() = Programmzustand{};
        zustand().DatenPfad = m_daten.path() + QLatin1Char('/');
        QFile::remove(zustand().einstellungenPfad());
    }

    void aufbau() {
        Aufbau a;
        QCOMPARE(a.w.windowTitle(), QStringLiteral("Kugelblick 1.7.0.0"));
        QCOMPARE(a.w.size(), QSize(980, 473));
        for (const char* name : {"PC1", "M1", "G1", "G2", "ESZ", "LSZ", "LDatei", "LDatei1", "LZeilen",
                                 "RG1a", "RG1b", "cbDel", "up1"})
            QVERIFY2(a.w.findChild<QWidget*>(QString::fromLatin1(name)), name);
        auto* pc1 = a.teil<QTabWidget>("PC1");
        QCOMPARE(pc1->tabText(0), QStringLiteral("Manuelle Eingabe"));
        QCOMPARE(pc1->tabText(1), QStringLiteral("Datei einlesen"));
        QCOMPARE(a.M1()->toPlainText().count(QLatin1Char('\n')), 24);
        QCOMPARE(a.label("LZeilen"), QStringLiteral("24"));
        QCOMPARE(a.G1()->modell()->rowCount(), 49);
        QCOMPARE(a.G1()->modell()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Reihe"));
        QCOMPARE(a.G1()->modell()->headerData(6, Qt::Horizontal).toString(), QStringLiteral(" Z6"));
        QCOMPARE(a.G1()->columnWidth(0), 45);
        QCOMPARE(a.G2()->columnWidth(0), 47);
        QVERIFY(a.teil<QRadioButton>("RG1a")->isChecked());
        QVERIFY(a.teil<QCheckBox>("cbDel")->isChecked());
        QCOMPARE(a.teil<QSpinBox>("up1")->value(), 10);
        QCOMPARE(a.w.aktion(QStringLiteral("bsSkinSpeedButton1"))->text(),
                 QStringLiteral("Als Spielschein s&peichern..."));
        QCOMPARE(a.w.aktion(QStringLiteral("bsSkinSpeedButton3"))->text(),
                 QStringLiteral("Im &CSV-Format speichern..."));
        QCOMPARE(a.w.aktion(QStringLiteral("bsSkinSpeedButton7"))->text(),
                 QStringLiteral("Spielschein ö&ffnen..."));
        QCOMPARE(a.w.aktion(QStringLiteral("bsSkinSpeedButton13"))->text(), QStringLiteral("-Datei öffnen"));
        QStringList navigation;
        for (QAction* act : a.teil<QToolBar>("NavLeiste")->actions())
            navigation.append(act->objectName());
        QCOMPARE(navigation, (QStringList{"BClose", "BNoverK", "BStatistik", "BHelp", "BCalc", "BEingabeS",
                                          "BSystemWahl", "BUpdate", "BKal", "BQuoten", "BDruck"}));
    }

    void zahlenfeld() {
        Aufbau a;
        a.klick("bsSkinSpeedButton9");
        QCOMPARE(a.M1()->toPlainText(), QString());
        QCOMPARE(a.label("LZeilen"), QStringLiteral("0"));
        for (int n = 1; n <= 7; ++n)
            QTest::mouseClick(a.teil<TBZahl2>(qPrintable(QStringLiteral("BZahl%1").arg(n))), Qt::LeftButton);
        QCOMPARE(a.M1()->toPlainText(), QStringLiteral("1,2,3,4,5,6\n7,"));
        QCOMPARE(a.label("LZeilen"), QStringLiteral("2"));
    }

    void speichern_data() {
        QTest::addColumn<QString>("superzahl");
        QTest::addColumn<int>("byte");
        QTest::newRow("ohne") << "" << 0xFF;
        QTest::newRow("7") << "7" << 7;
    }
    void speichern() {
        QFETCH(QString, superzahl);
        QFETCH(int, byte);
        Aufbau a;
        a.klick("bsSkinSpeedButton8");
        a.teil<QLineEdit>("ESZ")->setText(superzahl);
        const QString pfad = m_daten.filePath(QStringLiteral("schein.nkb"));
        a.d.dateiDialoge.speichernAntworten.enqueue(pfad);
        a.klick("bsSkinSpeedButton1");
        const DateiDialogOptionen& o = a.d.dateiDialoge.aufrufe.constLast();
        QCOMPARE(o.titel, QStringLiteral("Als Spielschein speichern..."));
        QCOMPARE(o.filter, QStringLiteral("Normalschein-Datei (*.nkb)"));
        QCOMPARE(o.standardEndung, QStringLiteral("nkb"));
        QCOMPARE(o.startOrdner, zustand().DatenPfad);
        const QByteArray b = DateiLesen(pfad)->daten;
        QCOMPARE(b.size(), 24 * 7);
        for (int i = 0; i < 24; ++i)
            QCOMPARE(static_cast<unsigned char>(b[i * 7]), static_cast<unsigned char>(byte));
        QCOMPARE(b.mid(7 * 23, 7),
                 QByteArray(1, static_cast<char>(byte)) + QByteArray("\x01\x02\x03\x04\x05\x06"));
        QCOMPARE(a.label("LDatei"), QStringLiteral("Gespeichert in: schein.nkb"));
        QVERIFY(a.d.dialoge.meldungen.isEmpty());
    }

    // A table cell without a number stops the save before anything is written.
    void speichernMitLeererZelleSchreibtNichts() {
        Aufbau a;
        const QString pfad = m_daten.filePath(QStringLiteral("alt.nkb"));
        QVERIFY(NormalscheinSchreiben(pfad, 3, {{1, 2, 3, 4, 5, 6}}).ok());
        a.d.dateiDialoge.speichernAntworten.enqueue(pfad);
        a.klick("bsSkinSpeedButton1");
        QCOMPARE(a.d.dialoge.texte(), QStringList{"'' ist kein gültiger Integerwert"});
        QCOMPARE(DateiLesen(pfad)->daten, QByteArray("\x03\x01\x02\x03\x04\x05\x06", 7));
        QCOMPARE(a.label("LDatei"), QString());
    }

    void superzahlNimmtNurEineZiffer() {
        Aufbau a;
        auto* esz = a.teil<QLineEdit>("ESZ");
        QTest::keyClicks(esz, QStringLiteral("a7b9"));
        QCOMPARE(esz->text(), QStringLiteral("7"));
        QTest::keyClick(esz, Qt::Key_Backspace);
        QTest::keyClicks(esz, QStringLiteral("x0"));
        QCOMPARE(esz->text(), QStringLiteral("0"));
    }

    void uebertragenUeberschreibenUndAnhaengen() {
        Aufbau a;
        a.klick("bsSkinSpeedButton8");
        const TippreihenDaten& g1 = a.G1()->daten();
        QCOMPARE(g1.zeilenAnzahl(), 25);
        QCOMPARE(g1.zelle(0, 24), QStringLiteral("24"));
        QCOMPARE(g1.zelle(6, 23), QStringLiteral("12"));
        a.teil<QRadioButton>("RG1b")->setChecked(true);
        a.text(QStringLiteral("49 40 30 20 10 1\n5;4;3;2;1;6\n"));
        a.d.dialoge.antworten.enqueue(Antwort::Ja);
        a.klick("bsSkinSpeedButton8");
        QCOMPARE(a.d.dialoge.meldungen.size(), 1);
        QCOMPARE(a.d.dialoge.meldungen[0].text, LeerzeichenFrageText);
        QCOMPARE(a.d.dialoge.meldungen[0].knoepfe, Knoepfe::JaNeinAbbrechen);
        QCOMPARE(a.G1()->daten().zeilenAnzahl(), 27);
        QCOMPARE(a.G1()->daten().zelle(0, 25), QStringLiteral("25"));
        QCOMPARE(a.G1()->daten().zelle(1, 25), QStringLiteral("1"));
        QCOMPARE(a.G1()->daten().zelle(6, 25), QStringLiteral("49"));
        QCOMPARE(a.G1()->daten().zelle(6, 26), QStringLiteral("6"));
        QCOMPARE(a.M1()->toPlainText(), QStringLiteral("49,40,30,20,10,1\n5,4,3,2,1,6\n"));

        // An error leaves the table alone and shows the cleaned text.
        a.text(QStringLiteral(" 1,2,3,4,5,60 \n"));
        a.klick("bsSkinSpeedButton8");
        QCOMPARE(a.d.dialoge.meldungen.constLast().art, Nachricht::Fehler);
        QCOMPARE(a.d.dialoge.meldungen.constLast().text,
                 QStringLiteral("In Zeile 1 ist die 6. Zahl, die 60, keine gültige Tippzahl.\r\r"
                                "Die sechs Tippzahlen sind aus der Zahlenreihe 1 bis 49 zu wählen.") +
                     Abbruch);
        QCOMPARE(a.G1()->daten().zeilenAnzahl(), 27);
        QCOMPARE(a.M1()->toPlainText(), QStringLiteral("1,2,3,4,5,60\n"));
    }

    void dopplungenPruefen() {
        Aufbau a;
        a.klick("bsSkinSpeedButton15");
        QCOMPARE(a.d.dialoge.meldungen.constLast().art, Nachricht::Information);
        QCOMPARE(a.d.dialoge.meldungen.constLast().text,
                 QStringLiteral("Es wurden 2 doppelte Reihen gelöscht."));
        QCOMPARE(a.label("LZeilen"), QStringLiteral("22"));

        auto* cbDel = a.teil<QCheckBox>("cbDel");
        QVERIFY(a.teil<QLabel>("PGeloescht")->isVisible());
        QTest::mouseClick(cbDel, Qt::LeftButton);
        QVERIFY(!cbDel->isChecked());
        QVERIFY(!a.teil<QLabel>("PGeloescht")->isVisible());
        a.text(QStringLiteral("1,2,3,4,5,6\n7,8,9,10,11,12\n6,5,4,3,2,1\n"));
        a.klick("bsSkinSpeedButton15");
        QCOMPARE(a.d.dialoge.meldungen.constLast().text,
                 QStringLiteral("Die Reihe 1: \"1,2,3,4,5,6\" ist von den Zahlen her identisch mit Reihe 3: "
                                "\"6,5,4,3,2,1\".\r\rIch mache erst einmal nicht weiter."));
        QCOMPARE(a.label("LZeilen"), QStringLiteral("3"));
    }

    void schriftgroesse() {
        Aufbau a;
        a.teil<QSpinBox>("up1")->setValue(7);
        QCOMPARE(a.M1()->font().pointSize(), 7);
        a.teil<QSpinBox>("up1")->setValue(13);
        QCOMPARE(a.teil<QSpinBox>("up1")->value(), 12);
    }

    void tabellenStatistik() {
        Aufbau a;
        a.klick("bsSkinSpeedButton2");
        a.klick("bsSkinSpeedButton16");
        QCOMPARE(a.d.dialoge.texte(),
                 QStringList{
                     QStringLiteral("Die Tabelle ist leer. Eine statistische Auswertung macht keinen Sinn.") +
                     Abbruch});
        QVERIFY(!a.router.FensterOffen(QStringLiteral("FStat1")));

        a.text(QStringLiteral("1,2,3,4,5,6\n1,2,3,7,8,9\n1,2,4,10,11,12\n"));
        a.klick("bsSkinSpeedButton8");
        a.klick("bsSkinSpeedButton16");
        auto* erstes = qobject_cast<TFStat1*>(a.router.fenster(QStringLiteral("FStat1")));
        QVERIFY(erstes && erstes->isVisible());
        ZahlKachelFeld* k = erstes->kacheln();
        const auto farbe = [&](int n) { return k->wert(n)->palette().color(QPalette::Window); };
        QCOMPARE(k->wert(1)->text(), QStringLiteral("3"));
        QCOMPARE(farbe(1), TFStat1::Gruen);
        QCOMPARE(farbe(2), TFStat1::Gruen);
        QCOMPARE(k->wert(3)->text(), QStringLiteral("2"));
        QCOMPARE(farbe(3), QPalette().color(QPalette::Button));
        QCOMPARE(k->wert(13)->text(), QString());
        QCOMPARE(farbe(13), TFStat1::Rot);
        QCOMPARE(farbe(49), TFStat1::Rot);

        QTest::mouseClick(erstes->findChild<QPushButton*>(QStringLiteral("BAuf")), Qt::LeftButton);
        QVERIFY(erstes->sortiert());
        // A second window starts unsorted, whatever the first one shows.
        a.klick("bsSkinSpeedButton16");
        auto* zweites = qobject_cast<TFStat1*>(a.router.fenster(QStringLiteral("FStat1")));
        QVERIFY(zweites && zweites != erstes);
        QVERIFY(!zweites->sortiert());
        QCOMPARE(zweites->kacheln()->nummer(1)->text(), QStringLiteral("1"));
        QPointer<TFStat1> weg(zweites);
        zweites->close();
        QTRY_VERIFY(weg.isNull()); // destroyed when closed
    }

    void scheinEinlesen_data() {
        QTest::addColumn<int>("sz");
        QTest::addColumn<QString>("lsz");
        QTest::newRow("mit Superzahl") << 4 << "4";
        QTest::newRow("ohne") << -1 << "";
    }
    void scheinEinlesen() {
        QFETCH(int, sz);
        QFETCH(QString, lsz);
        Aufbau a;
        a.seite(1);
        const QString pfad = m_daten.filePath(QStringLiteral("zwei.nkb"));
        QVERIFY(NormalscheinSchreiben(pfad, sz, {{1, 2, 3, 4, 5, 6}, {44, 45, 46, 47, 48, 49}}).ok());
        a.d.dateiDialoge.oeffnenAntworten.enqueue({pfad});
        a.klick("bsSkinSpeedButton7");
        QCOMPARE(a.d.dateiDialoge.aufrufe.constLast().titel, QStringLiteral("Normalschein-Datei einlesen"));
        QCOMPARE(a.d.dateiDialoge.aufrufe.constLast().filter, QStringLiteral("Normalschein-Dateien (*.nkb)"));
        QCOMPARE(a.G2()->daten().zeilenAnzahl(), 3);
        QCOMPARE(a.G2()->daten().zelle(0, 2), QStringLiteral("2"));
        QCOMPARE(a.G2()->daten().zelle(6, 2), QStringLiteral("49"));
        QCOMPARE(a.label("LSZ"), lsz);
        QCOMPARE(a.label("LDatei1"), QStringLiteral("zwei.nkb"));
    }

    void csvEinlesenUndInsTextfeld() {
        Aufbau a;
        a.seite(1);
        a.klick("bsSkinSpeedButton6");
        QCOMPARE(
            a.d.dialoge.texte(),
            QStringList{QStringLiteral("Die Tabelle ist leer. Es gibt nichts zu übertragen.") + Abbruch});
        const QString pfad = m_daten.filePath(QStringLiteral("reihen.csv"));
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("\"\"\r\n1,2,3\r\n4,5,6,7,8,9\r\n");
        f.close();
        a.d.dateiDialoge.oeffnenAntworten.enqueue({pfad});
        a.klick("bsSkinSpeedButton13");
        QCOMPARE(a.d.dateiDialoge.aufrufe.constLast().titel, QStringLiteral("CSV-Datei einlesen"));
        QCOMPARE(a.G2()->daten().zeilenAnzahl(), 3);
        QCOMPARE(a.G2()->daten().zelle(3, 1), QStringLiteral("3"));
        QCOMPARE(a.G2()->daten().zelle(4, 1), QString());
        QCOMPARE(a.label("LDatei1"), QStringLiteral("reihen.csv"));
        // The next CSV dialog starts where this one ended.
        a.klick("bsSkinSpeedButton13");
        QCOMPARE(a.d.dateiDialoge.aufrufe.constLast().startOrdner, m_daten.path());

        a.text(QStringLiteral("7,"));
        a.klick("bsSkinSpeedButton6");
        QCOMPARE(a.M1()->toPlainText(), QStringLiteral("7,\n1,2,3,,,\n4,5,6,7,8,9\n"));
    }

    void excelImport_data() {
        QTest::addColumn<QString>("datei");
        QTest::newRow("xlsx") << "Tippreihen.xlsx";
        QTest::newRow("ods") << "Tippreihen.ods";
        QTest::newRow("xls") << "Tippreihen.xls";
    }
    void excelImport() {
        QFETCH(QString, datei);
        Aufbau a;
        a.seite(1);
        a.d.dateiDialoge.oeffnenAntworten.enqueue({fixture(datei)});
        QVERIFY(a.klickUndWarten("bsSkinSpeedButton10"));
        QCOMPARE(a.d.dateiDialoge.aufrufe.constLast().titel, QStringLiteral("Excel-Tabelle einlesen"));
        QCOMPARE(a.d.dateiDialoge.aufrufe.constLast().filter,
                 QStringLiteral("Excel-Datei (*.xl*);;OpenDocument-Tabelle (*.ods)"));
        QVERIFY(a.d.dialoge.meldungen.isEmpty());
        const TippreihenDaten& g2 = a.G2()->daten();
        QCOMPARE(g2.zeilenAnzahl(), 6);
        QCOMPARE(g2.spaltenAnzahl(), 9);
        QCOMPARE(g2.zelle(0, 5), QStringLiteral("5"));
        QCOMPARE(g2.zelle(6, 1), QStringLiteral("29"));
        QCOMPARE(g2.zelle(2, 3), QStringLiteral("Text mit Blank"));
        QCOMPARE(g2.zelle(8, 5), QStringLiteral("44"));
        QCOMPARE(g2.zelle(1, 0), QStringLiteral(" Z1"));
        QCOMPARE(a.label("LDatei1"), datei);
    }

    void excelImportKaputt() {
        Aufbau a;
        a.seite(1);
        const QString pfad = m_daten.filePath(QStringLiteral("kaputt.xlsx"));
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("PK\x03\x04 kein zip");
        f.close();
        a.d.dateiDialoge.oeffnenAntworten.enqueue({pfad});
        QVERIFY(a.klickUndWarten("bsSkinSpeedButton10"));
        QCOMPARE(a.d.dialoge.meldungen.size(), 1);
        QVERIFY(a.d.dialoge.meldungen[0].text.contains(QStringLiteral("ist beschädigt oder unvollständig")));
        QCOMPARE(a.G2()->daten().zeilenAnzahl(), 2);
        QCOMPARE(a.label("LDatei1"), QString());
    }

    void csvSpeichern() {
        Aufbau a;
        a.klick("bsSkinSpeedButton8");
        const QString pfad = m_daten.filePath(QStringLiteral("reihen.csv"));
        a.d.dateiDialoge.speichernAntworten.enqueue(pfad);
        QVERIFY(a.klickUndWarten("bsSkinSpeedButton3"));
        QCOMPARE(a.d.dateiDialoge.aufrufe.constLast().titel, QStringLiteral("Als CSV-Datei speichern..."));
        QCOMPARE(a.d.dateiDialoge.aufrufe.constLast().filter, QStringLiteral("CSV-Datei (*.csv)"));
        const QByteArray csv = DateiLesen(pfad)->daten;
        QVERIFY(csv.startsWith("1,2,3,4,5,6\r\n1,2,3,7,8,9\r\n"));
        QCOMPARE(csv.count("\r\n"), 24);
        QCOMPARE(a.label("LDatei"), QStringLiteral("Gespeichert in: reihen.csv"));
    }

    void excelExport() {
        Aufbau a;
        a.klick("bsSkinSpeedButton8");
        QVERIFY(a.klickUndWarten("bsSkinSpeedButton4"));
        QVERIFY(a.d.dialoge.meldungen.isEmpty());
        QCOMPARE(a.d.tabellen.geoeffnet.size(), 1);
        const QString pfad = a.d.tabellen.geoeffnet[0];
        QVERIFY(pfad.endsWith(QLatin1String(".xlsx")));
        const auto blatt = TabelleLesen(pfad);
        QVERIFY(blatt.ok());
        QCOMPARE(blatt->name, QStringLiteral("Tippreihen"));
        QCOMPARE(blatt->dimension, QStringLiteral("A1:G25"));
        QCOMPARE(blatt->zeilen, 24);
        QCOMPARE(blatt->zelle(1, 1), QStringLiteral("\u00A01"));
        QCOMPARE(blatt->zelle(6, 24), QStringLiteral("\u00A06"));
        QFile::remove(pfad);
    }

    void excelExportOhneProgramm_data() {
        QTest::addColumn<bool>("programm");
        QTest::newRow("kein Programm") << false;
        QTest::newRow("Öffnen scheitert") << true;
    }
    void excelExportOhneProgramm() {
        QFETCH(bool, programm);
        Aufbau a;
        a.klick("bsSkinSpeedButton8");
        a.d.tabellen.programm = programm;
        a.d.tabellen.oeffnenOk = false;
        QVERIFY(a.klickUndWarten("bsSkinSpeedButton4"));
        QCOMPARE(a.d.dialoge.meldungen.size(), 1);
        QCOMPARE(a.d.dialoge.meldungen[0].art, Nachricht::Information);
        QCOMPARE(a.d.dialoge.meldungen[0].text,
                 QStringLiteral(
                     "Excel ist nicht auf Ihrem Rechner installiert, der Export daher nicht möglich.\r\r"
                     "Ich breche ab."));
        // Nothing is left behind.
        for (const QString& p : a.d.tabellen.geoeffnet)
            QVERIFY(!QFile::exists(p));
        QCOMPARE(a.d.tabellen.geoeffnet.size(), programm ? 1 : 0);
    }

    void einstellungen_data() {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<bool>("ueberschreiben");
        QTest::addColumn<int>("schrift");
        QTest::newRow("ohne Abschnitt") << "[Auswertung]\nN-Ziehung=0\n" << false << 10;
        QTest::newRow("gespeichert") << "[Eingabe]\noverwrite1=1\noverwrite2=0\nFontsize=8\n" << true << 8;
    }
    void einstellungen() {
        QFETCH(QString, ini);
        QFETCH(bool, ueberschreiben);
        QFETCH(int, schrift);
        QFile f(zustand().einstellungenPfad());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(ini.toUtf8());
        f.close();
        Aufbau a;
        QCOMPARE(a.teil<QRadioButton>("RG1a")->isChecked(), ueberschreiben);
        QCOMPARE(a.teil<QRadioButton>("RG1b")->isChecked(), !ueberschreiben);
        QCOMPARE(a.teil<QSpinBox>("up1")->value(), schrift);
        QCOMPARE(a.M1()->font().pointSize(), schrift);

        a.teil<QRadioButton>("RG1b")->setChecked(true);
        a.teil<QSpinBox>("up1")->setValue(11);
        a.klick("BSchliessen");
        QVERIFY(!a.w.isVisible());
        const IniDatei gespeichert(zustand().einstellungenPfad());
        QCOMPARE(gespeichert.ReadString(QStringLiteral("Eingabe"), QStringLiteral("overwrite1"), {}),
                 QStringLiteral("0"));
        QCOMPARE(gespeichert.ReadString(QStringLiteral("Eingabe"), QStringLiteral("overwrite2"), {}),
                 QStringLiteral("1"));
        QCOMPARE(gespeichert.ReadInteger(QStringLiteral("Eingabe"), QStringLiteral("Fontsize"), 0), 11);
    }

    // Without a settings file the design values stay.
    void ohneEinstellungsdatei() {
        Aufbau a;
        QVERIFY(a.teil<QRadioButton>("RG1a")->isChecked());
        QCOMPARE(a.teil<QSpinBox>("up1")->value(), 10);
    }

    // The main window opens the entry created at start; it hides on closing and keeps its content.
    void hauptfensterOeffnetEingabe() {
        test::TestDienste d;
        Programmstart start(d.dienste);
        start.ausfuehren();
        QAction* eingabeN = start.hauptfenster()->aktion(QStringLiteral("BEingabeN"));
        QVERIFY(eingabeN->isEnabled());
        eingabeN->trigger();
        auto* eingabe = qobject_cast<TFEingabe*>(start.router().fenster(QStringLiteral("FEingabe")));
        QVERIFY(eingabe && eingabe->isVisible());
        eingabe->findChild<QPlainTextEdit*>(QStringLiteral("M1"))->setPlainText(QStringLiteral("1,2"));
        eingabe->close();
        eingabeN->trigger();
        QCOMPARE(start.router().fenster(QStringLiteral("FEingabe")), eingabe);
        QCOMPARE(eingabe->findChild<QPlainTextEdit*>(QStringLiteral("M1"))->toPlainText(),
                 QStringLiteral("1,2"));
        // The distribution window made at start stays hidden.
        QWidget* verteilung = start.router().fenster(QStringLiteral("FStat1"));
        QVERIFY(verteilung && !verteilung->isVisible());
    }
};
KB_TEST(EingabeFensterTest)

#include "entry_window_test.moc"
