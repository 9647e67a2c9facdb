#include "core/ini_file.h"
#include "core/program_state.h"
#include "core/record_file.h"
#include "evaluation/window_router.h"
#include "platform/testing/test_services.h"
#include "systems/catalogue.h"
#include "systems/selection_window.h"
#include "systems/system_test_page.h"
#include "test_main.h"
#include "widgets/number_pad.h"
#include "widgets/row_grid.h"
#include "widgets/tile_panel.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>

using namespace kb;

namespace {

const QString Abbruch = QStringLiteral("\r\rIch breche erst einmal ab.");

struct Aufbau {
    test::TestDienste d;
    Fensterverwaltung router;
    TFSystemwahl w{d.dienste, router};

    Aufbau() {
        w.show();
        if (!QTest::qWaitForWindowExposed(&w))
            qWarning("Fenster nicht sichtbar");
    }
    template <class T> T* teil(const QString& name) const { return w.findChild<T*>(name); }
    QString label(const QString& name) const { return teil<QLabel>(name)->text(); }
    void klick(const QString& name) {
        auto* b = teil<QAbstractButton>(name);
        QVERIFY2(b, qPrintable(name));
        b->click();
    }
    QListWidget* l1() const { return teil<QListWidget>(QStringLiteral("l1")); }
    void listeKlicken(int zeile) {
        QListWidget* l = l1();
        const QRect r = l->visualItemRect(l->item(zeile));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, r.center());
        QCoreApplication::processEvents();
    }
    // Chooses a slip system from the "nur Lottoschein- Systeme" list by its catalogue position.
    void scheinSystemWaehlen(int position) {
        klick(QStringLiteral("BFilternEx"));
        klick(QStringLiteral("cbNur"));
        const int zeile = static_cast<int>(w.ListenSysteme().indexOf(position));
        QVERIFY(zeile >= 0);
        listeKlicken(zeile);
        QCOMPARE(w.auswahl().GewSystem(), position);
    }
    void zahlen(std::initializer_list<int> zahlen) {
        for (int n : zahlen)
            klick(QStringLiteral("lot%1").arg(n));
    }
    QString g2(int spalte, int zeile) const {
        return w.testSeite()->modell()->tabelle()[static_cast<std::size_t>(zeile)]
                                                 [static_cast<std::size_t>(spalte)];
    }
    void testLaufen() {
        QSignalSpy fertig(w.testSeite(), &SystemtestSeite::testFertig);
        klick(QStringLiteral("BTesten"));
        QVERIFY(fertig.wait(60000));
    }
};

} // namespace

class SystemwahlFensterTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_daten;

private Q_SLOTS:
    void initTestCase() { QCOMPARE(SystemeAufbauen(MaxSystemreihen), 437); }
    void init() {
        zustand() = Programmzustand{};
        zustand().DatenPfad = m_daten.path() + QLatin1Char('/');
        QFile::remove(zustand().einstellungenPfad());
    }

    void aufbau() {
        Aufbau a;
        QCOMPARE(a.w.windowTitle(), QStringLiteral("Kugelblick 1.7.0.0"));
        QCOMPARE(a.w.size(), QSize(996, 720));
        for (const char* name :
             {"PC1",     "G1",      "G2",        "l1",         "LSysAnz",  "Slider1",
              "Slider3", "Slider4", "Slider5",   "cb1",        "cb3",      "cb4",
              "cb5",     "cbNur",   "BFiltern",  "BFilternEx", "PWZ",      "PBZ2",
              "PWZ2",    "PBZ3",    "lot1",      "lot49",      "BStatW49", "Label9",
              "ESZ",     "BTesten", "LKombiAnz", "Gauge1",     "Image3",   "LSysBeschreibung"})
            QVERIFY2(a.w.findChild<QWidget*>(QString::fromLatin1(name)), name);
        auto* pc1 = a.teil<QTabWidget>(QStringLiteral("PC1"));
        QCOMPARE(pc1->tabText(0), QStringLiteral("Tippreihen bilden"));
        QCOMPARE(pc1->tabText(1), QStringLiteral("Tippreihen testen"));
        QCOMPARE(a.g2(1, 0), QStringLiteral("Kombinationen"));
        QCOMPARE(a.g2(7, 0), QStringLiteral("6 Richtige"));
        QCOMPARE(a.g2(0, 9), QStringLiteral("6 Treffer"));
        QCOMPARE(a.g2(0, 10), QStringLiteral("      in %"));
        QCOMPARE(a.label(QStringLiteral("LSlider1")), QStringLiteral("13"));
        QCOMPARE(a.teil<QPushButton>(QStringLiteral("BTesten"))->text(),
                 QStringLiteral("Systemtest starten"));
        QAbstractItemModelTester tester(const_cast<TrefferbildModell*>(a.w.testSeite()->modell()));
    }

    void ohneSystem() {
        Aufbau a;
        for (const QString& n : {QStringLiteral("lot5"), QStringLiteral("BZufall"),
                                 QStringLiteral("BTRBilden"), QStringLiteral("bsSkinSpeedButton5")})
            a.klick(n);
        QCOMPARE(a.d.dialoge.texte(),
                 QStringList(4, QStringLiteral("Bitte wählen Sie links zunächst ein System aus.")));
        a.klick(QStringLiteral("BTesten"));
        QCOMPARE(a.d.dialoge.texte().last(),
                 QStringLiteral("Bitte wählen Sie zunächst ein Spielsystem aus.") + Abbruch);
        // The empty list before any filtering.
        QTest::mouseClick(a.l1()->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
        QCoreApplication::processEvents();
        QCOMPARE(a.d.dialoge.texte().last(),
                 QStringLiteral("Es ist noch kein System gelistet. Bitte prüfen Sie gegebenenfalls Ihre "
                                "Filtereinstellungen.") +
                     Abbruch);
        a.klick(QStringLiteral("BCSV"));
        QCOMPARE(a.d.dialoge.texte().last(), QStringLiteral("Es gibt nichts zu speichern.") + Abbruch);
        a.klick(QStringLiteral("bsSkinSpeedButton6"));
        QCOMPARE(a.d.dialoge.texte().last(), QStringLiteral("Es gibt nichts zu exportieren.") + Abbruch);
        QVERIFY(a.d.dateiDialoge.aufrufe.isEmpty());
    }

    void filterUndListe() {
        Aufbau a;
        a.klick(QStringLiteral("BFilternEx"));
        QCOMPARE(a.label(QStringLiteral("LSlider1")), QStringLiteral("X"));
        a.klick(QStringLiteral("cbNur")); // filters at once once shown
        QCOMPARE(a.l1()->count(), 18);
        QCOMPARE(a.label(QStringLiteral("LSysAnz")), QStringLiteral("18 Systeme gefunden"));
        QCOMPARE(a.l1()->item(2)->text(),
                 QStringLiteral("* 12 Wahlzahlen ohne BZ in 22 Reihen mit 3er Garantie"));
        a.listeKlicken(2);
        QCOMPARE(a.w.auswahl().GewSystem(), 349);
        QCOMPARE(a.label(QStringLiteral("PWZ")), QStringLiteral("12"));
        QCOMPARE(a.label(QStringLiteral("PBZ2")), QStringLiteral("0"));
        QVERIFY(a.label(QStringLiteral("LSysBeschreibung"))
                    .startsWith(
                        QStringLiteral("Gewählt wurde ein System für 12 Wahlzahlen ohne Bankzahl in 22")));
        QVERIFY(a.teil<QLabel>(QStringLiteral("Img1"))->isVisible());
        // Filtering again keeps the chosen system.
        a.klick(QStringLiteral("cbNur"));
        QCOMPARE(a.w.auswahl().GewSystem(), 349);
        QVERIFY(!a.teil<QLabel>(QStringLiteral("Img1"))->isVisible());
    }

    void garantieUndFesteReihen() {
        Aufbau a;
        auto* s3 = a.teil<QSlider>(QStringLiteral("Slider3"));
        auto* s5 = a.teil<QSlider>(QStringLiteral("Slider5"));
        s5->setValue(0);
        s3->setValue(3);
        a.teil<QRadioButton>(QStringLiteral("Radio30"))->setChecked(true);
        a.klick(QStringLiteral("cb5"));
        QCOMPARE(s3->maximum(), 6);
        a.klick(QStringLiteral("BFiltern"));
        QCOMPARE(s3->value(), 2);
        QVERIFY(a.teil<QRadioButton>(QStringLiteral("Radio31"))->isChecked());

        a.klick(QStringLiteral("cb5")); // Bankzahlen count again: exactly 0
        a.teil<QRadioButton>(QStringLiteral("Radio51"))->setChecked(true);
        a.teil<QSlider>(QStringLiteral("Slider1"))->setValue(10);
        s3->setValue(6);
        QVERIFY(a.teil<QToolButton>(QStringLiteral("BInfo4"))->isVisible());
        QVERIFY(!a.teil<QSlider>(QStringLiteral("Slider4"))->isVisible());
        QCOMPARE(a.label(QStringLiteral("LSlider4")), QStringLiteral("210"));
        a.klick(QStringLiteral("BFiltern"));
        QCOMPARE(a.w.ListenSysteme(), QVector<int>{434});
        a.klick(QStringLiteral("BInfo4"));
        QVERIFY(a.d.dialoge.texte().last().startsWith(
            QStringLiteral("Sie haben sich durch die Wahl der vollen")));
        s3->setValue(5);
        QVERIFY(a.teil<QSlider>(QStringLiteral("Slider4"))->isVisible());
        QCOMPARE(a.label(QStringLiteral("LSlider4")), QStringLiteral("24"));
    }

    void reihenBildenUndSpeichern() {
        Aufbau a;
        a.scheinSystemWaehlen(347);
        a.zahlen({3, 8, 11, 17, 22, 29, 34, 40, 45});
        QCOMPARE(a.label(QStringLiteral("PWZ2")), QStringLiteral("9"));
        a.klick(QStringLiteral("BTRBilden"));
        QCOMPARE(a.label(QStringLiteral("Label9")), QStringLiteral("12 Tippreihen"));
        const TippreihenDaten& d = a.teil<TippreihenGitter>(QStringLiteral("G1"))->daten();
        QCOMPARE(d.zeilenAnzahl(), 13);
        QCOMPARE(a.teil<QLabel>(QStringLiteral("BStatW3"))->text(), QStringLiteral("8"));
        QCOMPARE(a.teil<QLabel>(QStringLiteral("BStatW4"))->text(), QString());

        const QString pfad = m_daten.filePath(QStringLiteral("neun.nkb"));
        a.d.dateiDialoge.speichernAntworten.enqueue(pfad);
        a.teil<QLineEdit>(QStringLiteral("ESZ"))->setText(QStringLiteral("7"));
        a.klick(QStringLiteral("BSpeichern"));
        QCOMPARE(a.d.dateiDialoge.aufrufe.last().titel, QStringLiteral("Als Spielschein speichern..."));
        const QByteArray b = DateiLesen(pfad)->daten;
        QCOMPARE(b.size(), 12 * 7);
        QCOMPARE(b.at(0), char(7));
        QCOMPARE(a.label(QStringLiteral("LDatei")), QStringLiteral("Gespeichert in: neun.nkb"));

        // One number short now.
        a.klick(QStringLiteral("lot45"));
        a.klick(QStringLiteral("BTRBilden"));
        QCOMPARE(a.d.dialoge.texte().last(), QStringLiteral("Bitte wählen Sie oben 9 Tippahlen.") + Abbruch);
        QCOMPARE(a.label(QStringLiteral("Label9")), QStringLiteral("12 Tippreihen"));
    }

    void zufallUndBankzahlen() {
        Aufbau a;
        a.klick(QStringLiteral("BFilternEx"));
        a.klick(QStringLiteral("BFiltern"));
        const int zeile = static_cast<int>(a.w.ListenSysteme().indexOf(220)); // 5 + 2 Bankzahlen, 3 rows
        a.listeKlicken(zeile);
        a.klick(QStringLiteral("BZufall"));
        QCOMPARE(a.label(QStringLiteral("PWZ2")), QStringLiteral("5"));
        QCOMPARE(a.label(QStringLiteral("PBZ3")), QStringLiteral("2"));
        a.klick(QStringLiteral("BTRBilden"));
        int hervor = 0;
        for (int n = 1; n <= 49; ++n)
            if (a.w.auswahl().BankZahlen().enthaelt(n)) {
                QCOMPARE(a.teil<QLabel>(QStringLiteral("BStatW%1").arg(n))->text(), QStringLiteral("3"));
                ++hervor;
            }
        QCOMPARE(hervor, 2);
        auto* g1 = a.teil<TippreihenGitter>(QStringLiteral("G1"));
        const QModelIndex bank = g1->modell()->index(0, 6); // the largest number of the first row
        const int z = bank.data().toInt();
        QCOMPARE(g1->modell()->data(bank, Qt::BackgroundRole).value<QColor>(),
                 a.w.auswahl().BankZahlen().enthaelt(z) ? QColor(179, 255, 179) : QColor(Qt::white));
        a.klick(QStringLiteral("BLoeschen"));
        QCOMPARE(a.label(QStringLiteral("PWZ2")), QStringLiteral("0"));
        QCOMPARE(a.teil<QLabel>(QStringLiteral("BStatW1"))->text(), QString());
    }

    void systemtest() {
        Aufbau a;
        a.scheinSystemWaehlen(347);
        a.klick(QStringLiteral("BZumTest"));
        QCOMPARE(a.teil<QTabWidget>(QStringLiteral("PC1"))->currentIndex(), 1);
        QCOMPARE(a.label(QStringLiteral("LKombiAnz")), QLocale().toString(12 * (36 + 84 + 126 + 126 + 84)));
        a.testLaufen();
        QCOMPARE(a.g2(1, 7), QStringLiteral("126"));
        QCOMPARE(a.g2(5, 7), QStringLiteral("54"));
        QCOMPARE(a.g2(6, 7), QStringLiteral("72"));
        QCOMPARE(a.g2(5, 8), QStringLiteral("42,86"));
        QCOMPARE(a.g2(6, 8), QStringLiteral("57,14"));
        QCOMPARE(a.g2(6, 10), QStringLiteral("85,71"));
        QCOMPARE(a.g2(7, 10), QStringLiteral("14,29"));
        QCOMPARE(a.g2(2, 1), QStringLiteral("---"));
        QCOMPARE(a.g2(3, 1), QStringLiteral("36"));
        QCOMPARE(a.g2(3, 2), QStringLiteral("100,00"));
        QCOMPARE(G2ZellFarbe(a.w.testSeite()->modell()->tabelle(), 3, 2), G2Farbe::Gruen);
        QCOMPARE(G2ZellFarbe(a.w.testSeite()->modell()->tabelle(), 3, 1), G2Farbe::Gruen);
        QCOMPARE(G2ZellFarbe(a.w.testSeite()->modell()->tabelle(), 6, 8), G2Farbe::Orange);
        QCOMPARE(a.teil<QPushButton>(QStringLiteral("BTesten"))->text(),
                 QStringLiteral("Systemtest starten"));

        // The full system of 7 numbers: 833 operations, the diagonal all 100,00.
        a.scheinSystemWaehlen(431);
        a.klick(QStringLiteral("BZumTest"));
        QCOMPARE(a.label(QStringLiteral("LKombiAnz")), QStringLiteral("833"));
        a.testLaufen();
        for (int k = 2; k <= 6; ++k) {
            QCOMPARE(a.g2(k + 1, 2 * k - 2), QStringLiteral("100,00"));
            QCOMPARE(a.g2(k, 2 * k - 3), QStringLiteral("---"));
        }
    }

    void testStoppenUndSchliessen() {
        Aufbau a;
        a.klick(QStringLiteral("BFilternEx"));
        a.klick(QStringLiteral("BFiltern"));
        a.listeKlicken(static_cast<int>(a.w.ListenSysteme().indexOf(332))); // 48 Wahlzahlen: 5 and 6 hits
        QSignalSpy fertig(a.w.testSeite(), &SystemtestSeite::testFertig);
        a.klick(QStringLiteral("BTesten"));
        QCOMPARE(a.teil<QPushButton>(QStringLiteral("BTesten"))->text(), QStringLiteral("Test stoppen"));
        a.w.close();
        QVERIFY(fertig.wait(60000));
        QCOMPARE(a.teil<QPushButton>(QStringLiteral("BTesten"))->text(),
                 QStringLiteral("Systemtest starten"));
        QCOMPARE(a.g2(7, 9), QString()); // the 6-hits level never finished
        QVERIFY(!a.w.testSeite()->laeuft());
    }

    void einstellungen() {
        {
            Aufbau a;
            a.teil<QSlider>(QStringLiteral("Slider1"))->setValue(22);
            a.teil<QSlider>(QStringLiteral("Slider4"))->setValue(77);
            a.teil<QSlider>(QStringLiteral("Slider5"))->setValue(1);
            a.teil<QRadioButton>(QStringLiteral("Radio50"))->setChecked(true);
            a.klick(QStringLiteral("cb4"));
            a.klick(QStringLiteral("cbNur"));
            a.w.close();
        }
        const IniDatei ini(zustand().einstellungenPfad());
        QCOMPARE(ini.ReadInteger(QStringLiteral("Filter"), QStringLiteral("ZP"), 0), 22);
        Aufbau b;
        QCOMPARE(b.teil<QSlider>(QStringLiteral("Slider1"))->value(), 22);
        QCOMPARE(b.teil<QSlider>(QStringLiteral("Slider4"))->value(), 77);
        QCOMPARE(b.teil<QSlider>(QStringLiteral("Slider5"))->value(), 1);
        QVERIFY(b.teil<QRadioButton>(QStringLiteral("Radio50"))->isChecked());
        QVERIFY(b.teil<QCheckBox>(QStringLiteral("cb4"))->isChecked());
        QCOMPARE(b.label(QStringLiteral("LSlider4")), QStringLiteral("X"));
        QVERIFY(b.teil<QCheckBox>(QStringLiteral("cbNur"))->isChecked());
        QVERIFY(!b.teil<QCheckBox>(QStringLiteral("cb1"))->isChecked());
    }

    void image3() {
        Aufbau a;
        a.d.netz.istOnline = false;
        a.klick(QStringLiteral("Image3"));
        QCOMPARE(a.d.dialoge.texte().last(),
                 QStringLiteral(
                     "Für den Aufruf aktueller Gewinnzahlen muss eine Verbindung zum Internet bestehen."));
        a.d.netz.istOnline = true;
        a.klick(QStringLiteral("Image3"));
        QVERIFY(a.d.shell.aufrufe.last().endsWith(QStringLiteral("lsp.php")));
    }
};

KB_TEST(SystemwahlFensterTest)
#include "selection_window_test.moc"
