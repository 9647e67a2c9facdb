#include "core/ini_file.h"
#include "core/program_state.h"
#include "core/ticket_file.h"
#include "evaluation/main_window.h"
#include "evaluation/startup.h"
#include "platform/testing/test_services.h"
#include "printing/detail_window.h"
#include "printing/field_table_frame.h"
#include "printing/print_window.h"
#include "test_main.h"
#include "widgets/row_grid.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>

using namespace kb;

namespace {

template <class T> T* kind(QWidget* w, const char* name) {
    T* c = w->findChild<T*>(QString::fromLatin1(name));
    if (!c)
        qFatal("control %s missing", name);
    return c;
}

// Rows i..i+5 for i = 1..n (numbers wrapped into 1..49).
QVector<Tippreihe> reihen(int n) {
    QVector<Tippreihe> r;
    for (int i = 0; i < n; ++i) {
        Tippreihe t{};
        for (int s = 0; s < 6; ++s)
            t[s] = static_cast<std::uint8_t>((i + s) % 49 + 1);
        r.append(t);
    }
    return r;
}

// A "2 x 6" format: fields 290 apart in x, 320 in y; pitch 37 by 40 within a field.
TScheinFormat format2x6() {
    TScheinFormat f;
    f.anordnung = 0;
    f.B = 222;
    f.C = 240;
    f.nrX = 700;
    f.nrY = 130;
    const int zusatz[] = {192, 1995, 230, 1995, 302, 1995, 340, 1995};
    for (int i = 0; i < 8; ++i)
        f.zusatz[i] = zusatz[i];
    for (int feld = 0; feld < 12; ++feld)
        for (int k = 0; k < 49; ++k)
            f.A[feld][k] = {180 + (feld % 6) * 290 + (k % 7) * 37, 355 + (feld / 6) * 320 + (k / 7) * 40};
    return f;
}

} // namespace

class DruckFensterTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString datei(const QString& name) const { return m_dir.filePath(name); }

    QString reihenDatei(const QString& name, const QVector<Tippreihe>& r) {
        const QString p = datei(name);
        [&] { QVERIFY(NormalscheinSchreiben(p, 3, r).ok()); }();
        return p;
    }

    void laden(TFDruck& w, test::TestDienste& d, const QString& pfad) {
        d.dateiDialoge.oeffnenAntworten.enqueue({pfad, datei(QStringLiteral("zweite.nkb"))});
        w.BOpen2Click();
    }

    void formatLaden(TFDruck& w, const TScheinFormat& f) {
        const QString p = datei(QStringLiteral("format.awadr"));
        QVERIFY(FormatDateiSchreiben(p, f).ok());
        QVERIFY(w.FormatEinlesen(p));
    }

    QStringList druckAufrufe(TFDruck& w, test::TestDienste& d) {
        QSignalSpy ende(&w, &TFDruck::druckBeendet);
        kind<QPushButton>(&w, "BAusdruck")->click();
        if (w.druckLaeuft())
            [&] { QVERIFY(ende.wait(20000)); }();
        return d.drucker.aufrufe;
    }

private Q_SLOTS:
    void initTestCase() {
        zustand().DatenPfad = m_dir.path() + QLatin1Char('/');
        zustand().BildschirmHoehe = 1080;
    }
    void init() { QFile::remove(zustand().einstellungenPfad()); }

    void fensterUndAnfangswerte() {
        test::TestDienste d;
        TFDruck w(d.dienste);
        QCOMPARE(w.objectName(), QStringLiteral("FDruck"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Kugelblick 1.7.0.0"));
        QCOMPARE(w.size(), QSize(1005, 674));
        QCOMPARE(kind<QLineEdit>(&w, "eAbstandh")->text(), QStringLiteral("222"));
        QCOMPARE(kind<QLineEdit>(&w, "eAbstandh")->maxLength(), 3);
        QCOMPARE(kind<QLineEdit>(&w, "eAbstandv")->text(), QStringLiteral("240"));
        for (int i = 0; i < 4; ++i)
            QVERIFY(!w.findChild<QRadioButton*>(QStringLiteral("RG1_%1").arg(i))->isChecked());
        QCOMPARE(kind<QLineEdit>(&w, "ENr")->text(), QStringLiteral("1"));
        QCOMPARE(kind<QLineEdit>(&w, "ENrx")->text(), QStringLiteral("700"));
        QCOMPARE(kind<QLineEdit>(&w, "ENry")->text(), QStringLiteral("130"));
        QCOMPARE(kind<QLineEdit>(&w, "EZus122")->text(), QStringLiteral("1995"));
        QCOMPARE(kind<QLineEdit>(&w, "EZus221")->text(), QStringLiteral("340"));
        QCOMPARE(kind<QLineEdit>(&w, "EZus311")->text(), QString());
        QCOMPARE(kind<QLineEdit>(&w, "EZus611")->text(), QStringLiteral("192"));
        QCOMPARE(kind<QLineEdit>(&w, "Ehori")->text(), QString());
        QCOMPARE(kind<QCheckBox>(&w, "cbZus5")->text(), QStringLiteral("Laufzeit"));
        QCOMPARE(kind<QPushButton>(&w, "BUndo")->text(), QStringLiteral("Ausfüllen rückgängig"));
        QVERIFY(!kind<QPushButton>(&w, "BUndo")->isEnabled());
        QVERIFY(!kind<QPushButton>(&w, "BExtrahieren")->isEnabled());
        QVERIFY(!kind<QPushButton>(&w, "BStop")->isEnabled());
        QVERIFY(kind<QCheckBox>(&w, "cbFragen")->isChecked());
        QCOMPARE(kind<QLineEdit>(&w, "EStart")->text(), QStringLiteral("1"));
        QCOMPARE(kind<QLineEdit>(&w, "EEnde")->text(), QString());
        QCOMPARE(w.reihen()->modell()->rowCount(), 24);
        QCOMPARE(w.reihen()->modell()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Z1"));
        QCOMPARE(w.reihen()->columnWidth(0), 45);
        QCOMPARE(w.reihen()->columnWidth(3), 25);
        auto* feld1 = kind<TFfrDruck>(&w, "xyFeld1");
        QCOMPARE(feld1->tabelle()->model()->index(1, 0).data().toString(), QStringLiteral("8"));
        QCOMPARE(feld1->tabelle()->model()->index(0, 1).data().toString(), QStringLiteral("180"));
        QCOMPARE(kind<TFfrDruck>(&w, "xyFeld13")->tabelle()->model()->index(0, 2).data().toString(),
                 QStringLiteral("1635"));
        QAbstractItemModelTester feldTester(feld1->tabelle()->model());

        // The strip reaches only the arrangement's fields.
        kind<QRadioButton>(&w, "RG1_3")->click();
        QVERIFY(!kind<TFfrDruck>(&w, "xyFeld16")->isVisibleTo(&w));
        QVERIFY(kind<TFfrDruck>(&w, "xyFeld15")->isVisibleTo(&w));

        TFDetail* detail = w.detail();
        QVERIFY(detail);
        QCOMPARE(detail->size(), QSize(1178, 944));
        QCOMPARE(detail->tabelle()->model()->columnCount(), 37);
        QCOMPARE(detail->tabelle()->model()->rowCount(), 49);
        QCOMPARE(detail->tabelle()->model()->headerData(2, Qt::Horizontal).toString(),
                 QStringLiteral("   y"));
        QAbstractItemModelTester detailTester(detail->tabelle()->model());
    }

    void hilfeSeiten() {
        test::TestDienste d;
        TFDruck w(d.dienste);
        w.show();
        kind<QToolButton>(&w, "BHelp")->click();
        kind<QToolButton>(&w, "PHinweiseHilfe")->click();
        kind<QToolButton>(&w, "PZusHilfe")->click();
        kind<QToolButton>(&w, "PNrHilfe")->click();
        kind<QToolButton>(w.detail(), "BHelp")->click();
        QCOMPARE(d.hilfe.aufrufe,
                 (QStringList{"thema:1140", "thema:1150", "thema:1160", "thema:1160", "thema:1180"}));
    }

    void reihenLaden() {
        test::TestDienste d;
        TFDruck w(d.dienste);
        kind<QRadioButton>(&w, "RG1_0")->click();
        laden(w, d, reihenDatei(QStringLiteral("dreissig.nkb"), reihen(30)));
        QCOMPARE(d.dateiDialoge.aufrufe.first().titel, QStringLiteral("Normal-Schein-Datei einlesen"));
        QCOMPARE(w.reihen()->modell()->rowCount(), 30);
        QCOMPARE(w.reihen()->daten().zelle(0, 30), QStringLiteral("30"));
        QCOMPARE(w.reihen()->daten().zelle(6, 30), QStringLiteral("35"));
        QCOMPARE(kind<QLineEdit>(&w, "EEnde")->text(), QStringLiteral("30"));
        QCOMPARE(kind<QLabel>(&w, "LAnzTs")->text(), QStringLiteral("3"));
        QCOMPARE(kind<QLabel>(&w, "LDatei2")->text(), QStringLiteral("dreissig.nkb"));
        QVERIFY(d.dialoge.meldungen.isEmpty());

        // An empty file: no rows, "bis" 0 and the start/end message; printing has nothing to do.
        laden(w, d, reihenDatei(QStringLiteral("leer.nkb"), {}));
        QCOMPARE(w.reihen()->modell()->rowCount(), 0);
        QCOMPARE(kind<QLineEdit>(&w, "EEnde")->text(), QStringLiteral("0"));
        QCOMPARE(d.dialoge.texte(),
                 QStringList{QStringLiteral("Bitte überpfrüfen Sie die Angaben für Start und Ende "
                                            "des Ausdrucks.\r\rIch breche ab.")});
        kind<QPushButton>(&w, "BAusdruck")->click();
        QCOMPARE(d.dialoge.texte().last(), QStringLiteral("Es gibt nichts zu drucken, ich breche ab."));
        QVERIFY(d.drucker.aufrufe.isEmpty());
    }

    void sortieren() {
        test::TestDienste d;
        TFDruck w(d.dienste);
        laden(w, d,
              reihenDatei(QStringLiteral("sort.nkb"), {{5, 8, 12, 20, 33, 41}, {3, 9, 10, 11, 12, 13}}));
        kind<QPushButton>(&w, "BSort")->click();
        const TippreihenDaten& t = w.reihen()->daten();
        QCOMPARE(t.zelle(0, 1) + QLatin1Char(':') + t.zelle(1, 1) + QLatin1Char(' ') + t.zelle(6, 1),
                 QStringLiteral("1:3 13"));
        QCOMPARE(t.zelle(1, 2), QStringLiteral("5"));
    }

    void feldLoeschenUndTasten() {
        test::TestDienste d;
        TFDruck w(d.dienste);
        w.show();
        for (int k = 0; k < 18; ++k)
            for (int r = 0; r < 7; ++r)
                w.geometrie().setzeFeldZelle(k, r, 1, QStringLiteral("9"));
        QTest::mouseClick(kind<QToolButton>(kind<TFfrDruck>(&w, "xyFeld2"), "BDel"), Qt::LeftButton);
        QVERIFY(w.geometrie().felder()[1][6].y.isEmpty());
        QCOMPARE(w.geometrie().felder()[0][6].y, QStringLiteral("9"));
        QCOMPARE(w.geometrie().felder()[2][0].y, QStringLiteral("9"));

        // The A-value table takes digits only.
        TFDetail* detail = w.detail();
        detail->show();
        QTableView* g = detail->tabelle();
        g->setCurrentIndex(g->model()->index(4, 3));
        QTest::keyClick(g, Qt::Key_A);
        QCOMPARE(w.geometrie().aWerte()[1][4].x, QString());
        QVERIFY(!g->findChild<QLineEdit*>()); // no editor opened for the letter
        QTest::keyClick(g, Qt::Key_7);
        auto* editor = g->findChild<QLineEdit*>();
        QVERIFY(editor);
        QTest::keyClicks(editor, QStringLiteral("b5"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(w.geometrie().aWerte()[1][4].x, QStringLiteral("75")); // committed from the event loop
        kind<QToolButton>(detail, "BDel")->click();
        QCOMPARE(w.geometrie().aWerte()[1][4].x, QString());

        // B and C take digits only, at most three.
        QLineEdit* b = kind<QLineEdit>(&w, "eAbstandh");
        b->clear();
        QTest::keyClicks(b, QStringLiteral("2a-3456"));
        QCOMPARE(b->text(), QStringLiteral("234"));
        QLineEdit* h = kind<QLineEdit>(&w, "Ehori");
        QTest::keyClicks(h, QStringLiteral("-1x5"));
        QCOMPARE(h->text(), QStringLiteral("-15"));
    }

    void ausfuellenUndExtrahieren() {
        test::TestDienste d;
        TFDruck w(d.dienste);
        kind<QRadioButton>(&w, "RG1_0")->click();
        kind<QLineEdit>(&w, "eAbstandv")->setText(QStringLiteral("140"));
        d.dialoge.antworten.enqueue(Antwort::Nein);
        const Feldtabellen vorher = w.geometrie().felder();
        kind<QPushButton>(&w, "BAutoFill")->click();
        QCOMPARE(d.dialoge.meldungen.size(), 1);
        QCOMPARE(d.dialoge.meldungen.first().knoepfe, Knoepfe::JaNeinAbbrechen);
        QVERIFY(w.geometrie().felder() == vorher);
        QVERIFY(!kind<QPushButton>(&w, "BUndo")->isEnabled());

        kind<QLineEdit>(&w, "eAbstandv")->setText(QStringLiteral("240"));
        for (int i = 3; i < 6; ++i)
            w.geometrie().setzeFeldZelle(i, 0, 0, QString::number(180 + 290 * i));
        w.geometrie().setzeFeldZelle(6, 0, 1, QStringLiteral("675"));
        kind<QPushButton>(&w, "BAutoFill")->click();
        QVERIFY(kind<QPushButton>(&w, "BUndo")->isEnabled());
        QVERIFY(kind<QPushButton>(&w, "BExtrahieren")->isEnabled());
        kind<QPushButton>(&w, "BExtrahieren")->click();
        QVERIFY(w.detail()->isVisible());
        QCOMPARE(w.detail()->tabelle()->model()->index(13, 23).data().toString(), QStringLiteral("1852"));
        QCOMPARE(w.detail()->tabelle()->model()->index(48, 24).data().toString(), QStringLiteral("915"));
        kind<QPushButton>(&w, "BDel")->click();
        QCOMPARE(kind<QPushButton>(&w, "BUndo")->text(), QStringLiteral("Löschen rückgängig"));
        QVERIFY(!kind<QPushButton>(&w, "BExtrahieren")->isEnabled());
        w.close();
        QVERIFY(!w.detail()->isVisible());
    }

    void speichernUndLaden() {
        test::TestDienste d;
        TFDruck w(d.dienste);
        TScheinFormat f = format2x6();
        f.zusatz[ZusatzIndex(3, 1, 1)] = -1;
        formatLaden(w, f);
        QCOMPARE(kind<QLabel>(&w, "LDatei")->text(), QStringLiteral("Geöffnet: format.awadr"));
        QVERIFY(kind<QRadioButton>(&w, "RG1_0")->isChecked());
        QCOMPARE(kind<QLineEdit>(&w, "EZus311")->text(), QString());

        // Right after loading, saving derives again: without B nothing is written.
        kind<QLineEdit>(&w, "eAbstandh")->clear();
        const QString ziel = datei(QStringLiteral("neu.awadr"));
        d.dateiDialoge.speichernAntworten.enqueue(ziel);
        w.BsaveClick();
        QCOMPARE(d.dateiDialoge.aufrufe.last().titel, QStringLiteral("Schein-Format speichern"));
        QVERIFY(d.dialoge.texte().last().startsWith(QStringLiteral("Bitte geben Sie als B-Wert")));
        QVERIFY(!QFile::exists(ziel));

        kind<QLineEdit>(&w, "eAbstandh")->setText(QStringLiteral("222"));
        d.dateiDialoge.speichernAntworten.enqueue(ziel);
        w.BsaveClick();
        QCOMPARE(kind<QLabel>(&w, "LDatei")->text(), QStringLiteral("Gespeichert: neu.awadr"));
        const Result<TScheinFormat> gespeichert = FormatDateiLesen(ziel);
        QVERIFY(gespeichert.ok());
        QCOMPARE(gespeichert->zusatz[ZusatzIndex(3, 1, 1)], -1);
        QCOMPARE(gespeichert->A[7][8], (std::array<std::int32_t, 2>{180 + 290 + 37, 355 + 320 + 40}));
        QCOMPARE(gespeichert->nrX, 700);
        // The first save becomes the default format.
        QCOMPARE(IniDatei(zustand().einstellungenPfad())
                     .ReadString(QStringLiteral("Druck"), QStringLiteral("Formatdatei"), {}),
                 ziel);
    }

    void einstellungen() {
        {
            IniDatei ini(zustand().einstellungenPfad());
            ini.WriteBool(QStringLiteral("Druck"), QStringLiteral("Zusatz3"), true);
            ini.WriteBool(QStringLiteral("Druck"), QStringLiteral("Fragen"), false);
            const QString p = datei(QStringLiteral("standard.awadr"));
            QVERIFY(FormatDateiSchreiben(p, format2x6()).ok());
            ini.WriteString(QStringLiteral("Druck"), QStringLiteral("Formatdatei"), p);
            QVERIFY(ini.speichern().ok());
        }
        test::TestDienste d;
        TFDruck w(d.dienste);
        w.show();
        QVERIFY(kind<QCheckBox>(&w, "cbZus3")->isChecked());
        QVERIFY(!kind<QCheckBox>(&w, "cbFragen")->isChecked());
        QCOMPARE(kind<QLabel>(&w, "LDatei")->text(), QStringLiteral("Geöffnet: standard.awadr"));
        kind<QCheckBox>(&w, "cbNr")->setChecked(true);
        w.close();
        const IniDatei ini(zustand().einstellungenPfad());
        QVERIFY(ini.ReadBool(QStringLiteral("Druck"), QStringLiteral("ScheinNr"), false));
        QVERIFY(ini.ReadBool(QStringLiteral("Druck"), QStringLiteral("Zusatz3"), false));
        QVERIFY(!ini.ReadBool(QStringLiteral("Druck"), QStringLiteral("Zusatz1"), true));
    }

    void druckOhneFrage() {
        test::TestDienste d;
        TFDruck w(d.dienste);
        formatLaden(w, format2x6());
        laden(w, d, reihenDatei(QStringLiteral("dreissig.nkb"), reihen(30)));
        kind<QLineEdit>(&w, "EEnde")->clear();
        kind<QCheckBox>(&w, "cbFragen")->setChecked(false);
        kind<QCheckBox>(&w, "cbNr")->setChecked(true);
        const QStringList a = druckAufrufe(w, d);
        QCOMPARE(kind<QLineEdit>(&w, "EEnde")->text(), QStringLiteral("30"));
        QCOMPARE(a.count(QStringLiteral("beginnen:Tippschein-Druck")), 3);
        QCOMPARE(a.count(QStringLiteral("beenden")), 3);
        QCOMPARE(a.first(), QStringLiteral("auswaehlen"));
        // 72 + 72 + 36 crosses in fields, one "nein" cross each for Spiel77 and Super6, the number.
        QCOMPARE(a.filter(QRegularExpression(QStringLiteral(":x$"))).size(), 180 + 3 * 2);
        const QString nr =
            QStringLiteral("text:%1,%2:").arg(700 - d.drucker.rand().x()).arg(130 - d.drucker.rand().y());
        QCOMPARE(a.filter(QRegularExpression(QStringLiteral(":[0-9]+$"))),
                 (QStringList{nr + "1", nr + "2", nr + "3"}));
        QVERIFY(d.dialoge.meldungen.isEmpty());
        QVERIFY(!kind<QPushButton>(&w, "BStop")->isEnabled());
    }

    void druckMitFrage() {
        test::TestDienste d;
        TFDruck w(d.dienste);
        formatLaden(w, format2x6());
        laden(w, d, reihenDatei(QStringLiteral("dreissig.nkb"), reihen(30)));
        kind<QCheckBox>(&w, "cbNr")->setChecked(true);
        kind<QLineEdit>(&w, "ENr")->setText(QStringLiteral("5"));
        for (Antwort a : {Antwort::Ja, Antwort::Nein, Antwort::Ja, Antwort::Nein, Antwort::Abbrechen})
            d.dialoge.antworten.enqueue(a);
        const QStringList a = druckAufrufe(w, d);
        QCOMPARE(a.filter(QRegularExpression(QStringLiteral(":[0-9]+$"))).join(QLatin1Char(' ')),
                 QStringList({"5", "6", "6", "7", "7"})
                     .replaceInStrings(QRegularExpression(QStringLiteral("^")),
                                       QStringLiteral("text:%1,%2:")
                                           .arg(700 - d.drucker.rand().x())
                                           .arg(130 - d.drucker.rand().y()))
                     .join(QLatin1Char(' ')));
        QCOMPARE(d.drucker.auftraege, 5);
        QCOMPARE(d.dialoge.meldungen.size(), 5);
        QCOMPARE(
            d.dialoge.meldungen.first().text,
            QStringLiteral("War der Ausdruck in Ordnung?\r- \"Ja\" macht mit dem nächsten Schein weiter,\r"
                           "- \"Nein\" wiederholt den Ausdruck des letzten Scheins,\r- \"Abbrechen\" bricht "
                           "den Ausdruck ab."));
    }

    void druckStoppenUndAbgelehnt() {
        test::TestDienste d;
        TFDruck w(d.dienste);
        laden(w, d, reihenDatei(QStringLiteral("dreissig.nkb"), reihen(30)));
        // Without an arrangement the run refuses after the printer dialog.
        kind<QPushButton>(&w, "BAusdruck")->click();
        QVERIFY(
            d.dialoge.texte().last().startsWith(QStringLiteral("Für das Drucken benötige ich Anordnung")));
        QVERIFY(!w.druckLaeuft());
        formatLaden(w, format2x6());
        d.drucker.ausgewaehlt = false;
        kind<QPushButton>(&w, "BAusdruck")->click();
        QVERIFY(!w.druckLaeuft());
        d.drucker.ausgewaehlt = true;
        kind<QLineEdit>(&w, "EStart")->setText(QStringLiteral("20"));
        kind<QLineEdit>(&w, "EEnde")->setText(QStringLiteral("10"));
        kind<QPushButton>(&w, "BAusdruck")->click();
        QCOMPARE(
            d.dialoge.texte().last(),
            QStringLiteral("Bitte prüfen Sie Start und Ende des Tippreihen-Ausdrucks.\r\rIch breche ab."));
        kind<QLineEdit>(&w, "EStart")->setText(QStringLiteral("1"));
        kind<QLineEdit>(&w, "EEnde")->setText(QStringLiteral("30"));

        QSignalSpy ende(&w, &TFDruck::druckBeendet);
        d.dialoge.antworten.enqueue(Antwort::Ja);
        kind<QPushButton>(&w, "BAusdruck")->click();
        QVERIFY(kind<QPushButton>(&w, "BStop")->isEnabled());
        kind<QPushButton>(&w, "BStop")->click();
        QCOMPARE(d.dialoge.texte().last(), QStringLiteral("Soll der Ausdruck gestoppt werden?."));
        QVERIFY(!kind<QPushButton>(&w, "BStop")->isEnabled());
        QVERIFY(ende.wait(5000));
        QCOMPARE(d.drucker.auftraege, 0);
    }

    // A real print: three slips as PDF files, each cross and the number where the format puts them.
    void echterDruck() {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        test::TestDienste d;
        d.drucker.randMm = QMarginsF(4.2, 6.4, 4, 6);
        TFDruck w(d.dienste);
        formatLaden(w, format2x6());
        laden(w, d, reihenDatei(QStringLiteral("fuenfundzwanzig.nkb"), reihen(25)));
        kind<QCheckBox>(&w, "cbFragen")->setChecked(false);
        kind<QCheckBox>(&w, "cbNr")->setChecked(true);
        kind<QCheckBox>(&w, "cbZus1")->setChecked(true);
        kind<QLineEdit>(&w, "Ehori")->setText(QStringLiteral("-12"));
        kind<QLineEdit>(&w, "Evert")->setText(QStringLiteral("8"));
        druckAufrufe(w, d);
        QCOMPARE(d.drucker.auftraege, 3);

        const TScheinFormat f = format2x6();
        const QVector<Tippreihe> rows = reihen(25);
        for (int schein = 0; schein < 3; ++schein) {
            // Expected top-left corners on the paper, in tenths of a millimetre.
            QList<QPair<QPoint, QString>> erwartet;
            for (int i = schein * 12; i < std::min(25, schein * 12 + 12); ++i)
                for (std::uint8_t k : rows[i])
                    erwartet.append({QPoint(f.A[i % 12][k - 1][0] - 12, f.A[i % 12][k - 1][1] + 8), "x"});
            erwartet.append({QPoint(192 - 12, 1995 + 8), "x"});
            erwartet.append({QPoint(340 - 12, 1995 + 8), "x"});
            erwartet.append({QPoint(700 - 12, 130 + 8), QString::number(schein + 1)});

            QProcess p;
            p.start(pdftotext, {QStringLiteral("-bbox"), d.drucker.pdf(schein + 1), QStringLiteral("-")});
            QVERIFY(p.waitForFinished(30000));
            const QString html = QString::fromUtf8(p.readAllStandardOutput());
            QList<QPair<QPointF, QString>> gefunden;
            static const QRegularExpression wort(QString::fromLatin1(
                R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="[0-9.]+" yMax="[0-9.]+">([^<]*)</word>)re"));
            for (auto it = wort.globalMatch(html); it.hasNext();) {
                const auto m = it.next();
                const double zehntel = 254.0 / 72.0;
                gefunden.append(
                    {QPointF(m.captured(1).toDouble() * zehntel, m.captured(2).toDouble() * zehntel),
                     m.captured(3)});
            }
            QCOMPARE(gefunden.size(), erwartet.size());
            for (const auto& [punkt, text] : erwartet) {
                const auto treffer = std::find_if(gefunden.begin(), gefunden.end(), [&](const auto& g) {
                    return g.second == text && std::abs(g.first.x() - punkt.x()) <= 5 &&
                           std::abs(g.first.y() - punkt.y()) <= 5;
                });
                if (treffer == gefunden.end())
                    QFAIL(qPrintable(QStringLiteral("slip %1: \"%2\" not at %3,%4; first found at %5,%6")
                                         .arg(schein + 1)
                                         .arg(text)
                                         .arg(punkt.x())
                                         .arg(punkt.y())
                                         .arg(gefunden.first().first.x())
                                         .arg(gefunden.first().first.y())));
                gefunden.erase(treffer);
            }
        }
    }

    void route() {
        test::TestDienste d;
        Programmstart start(d.dienste);
        start.ausfuehren();
        start.hauptfenster()->aktion(QStringLiteral("BDruck"))->trigger();
        auto* w = qobject_cast<TFDruck*>(start.router().fenster(QStringLiteral("FDruck")));
        QVERIFY(w);
        QVERIFY(w->isVisible());
        QVERIFY(w->detail());
        QCOMPARE(w->detail()->objectName(), QStringLiteral("FDetail"));
        w->close();
        start.hauptfenster()->aktion(QStringLiteral("BDruck"))->trigger();
        QCOMPARE(start.router().fenster(QStringLiteral("FDruck")), w);
    }
};

KB_TEST(DruckFensterTest)
#include "print_window_test.moc"
