#include "core/ini_file.h"
#include "core/program_state.h"
#include "core/ticket_file.h"
#include "evaluation/main_window.h"
#include "evaluation/startup.h"
#include "evaluation/window_router.h"
#include "platform/testing/test_services.h"
#include "random/random_window.h"
#include "test_main.h"
#include "widgets/number_pad.h"
#include "widgets/row_grid.h"
#include "widgets/tile_panel.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace kb;

namespace {

const QString Abbruch = QStringLiteral("\r\rIch breche erst einmal ab.");

void einstellungenSchreiben(const QString& text) {
    QFile f(zustand().einstellungenPfad());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text.toUtf8());
}

struct Aufbau {
    test::TestDienste d;
    Fensterverwaltung router;
    QPointer<TFZufall> w = new TFZufall(d.dienste, router);

    Aufbau() {
        w->show();
        if (!QTest::qWaitForWindowExposed(w))
            qWarning("Fenster nicht sichtbar");
    }
    ~Aufbau() { delete w.data(); }
    template <class T> T* teil(const QString& name) const { return w->findChild<T*>(name); }
    TBZahl2* knopf(int pad, int n) const {
        return teil<Zahlenpad>(QStringLiteral("P%1").arg(pad))->zahlKnopf(n);
    }
    void klick(int pad, int n) { QTest::mouseClick(knopf(pad, n), Qt::LeftButton); }
    void druecke(const char* name) {
        QTest::mouseClick(teil<QPushButton>(QString::fromLatin1(name)), Qt::LeftButton);
    }
    TippreihenGitter* GZuf() const { return teil<TippreihenGitter>(QStringLiteral("GZuf")); }
    QLineEdit* EAnz() const { return teil<QLineEdit>(QStringLiteral("EAnz")); }
    bool lauf(const QString& anzahl) {
        EAnz()->setText(anzahl);
        QSignalSpy fertig(w.data(), &TFZufall::laufFertig);
        druecke("bsSkinSpeedButton1");
        return fertig.wait(20000) && fertig.at(0).at(0).toBool();
    }
};

} // namespace

class ZufallFensterTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_daten;

private Q_SLOTS:
    void init() {
        zustand() = Programmzustand{};
        zustand().DatenPfad = m_daten.path() + QLatin1Char('/');
        QFile::remove(zustand().einstellungenPfad());
    }

    void aufbauUndRouting() {
        test::TestDienste d;
        Programmstart start(d.dienste);
        start.ausfuehren();
        QVERIFY(start.hauptfenster()->aktion(QStringLiteral("BZufall"))->isEnabled());
        start.hauptfenster()->aktion(QStringLiteral("BZufall"))->trigger();
        start.hauptfenster()->aktion(QStringLiteral("BZufall"))->trigger();
        auto* w = qobject_cast<TFZufall*>(start.router().fenster(QStringLiteral("FZufall")));
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("Kugelblick 1.7.0.0"));
        for (const char* name :
             {"EAnz", "P1", "P2", "P3", "GZuf", "LReihen", "ESZ", "LDatei", "PVert", "BAuf", "BSave",
              "bsSkinSpeedButton1", "bsSkinSpeedButton3", "bsSkinSpeedButton4", "bsSkinSpeedButton5",
              "bsSkinSpeedButton7", "bsSkinSpeedButton8"})
            QVERIFY2(w->findChild<QWidget*>(QString::fromLatin1(name)), name);
        QCOMPARE(w->findChild<QLabel*>(QStringLiteral("LReihen"))->text(), QStringLiteral("Zufallsreihen"));
        // Without a settings file the count stays empty and nothing is selected.
        QCOMPARE(w->findChild<QLineEdit*>(QStringLiteral("EAnz"))->text(), QString());
        w->findChild<QAction*>(QStringLiteral("BHelp"))->trigger();
        QCOMPARE(d.hilfe.aufrufe, QStringList{QStringLiteral("thema:1060")});
        QPointer<TFZufall> weg(w);
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(weg.isNull());
    }

    void padsSchliessenSichAus() {
        Aufbau a;
        a.klick(3, 22); // Favorit
        QVERIFY(a.knopf(3, 22)->isChecked());
        QVERIFY(a.knopf(1, 22)->isHidden());
        QVERIFY(a.knopf(2, 22)->isHidden());
        for (int n = 1; n <= 6; ++n)
            a.klick(1, n);
        QCOMPARE(a.d.dialoge.texte(),
                 QStringList{QStringLiteral("Mehr als fünf Bankzahlen lässt dem Zufall keinen Raum.")});
        QCOMPARE(a.w->auswahl().anzahl(ZufallsGruppe::Bankzahlen), 5);
        QVERIFY(!a.knopf(1, 6)->isChecked());
        QVERIFY(!a.knopf(2, 6)->isHidden());
        a.klick(1, 3); // deselected: back on the other pads
        QVERIFY(!a.knopf(2, 3)->isHidden());
        QVERIFY(a.knopf(2, 4)->isHidden());
        a.druecke("bsSkinSpeedButton5");
        QVERIFY(a.w->auswahl().BZGewaehlt().leer());
        for (int n = 1; n <= 6; ++n)
            QVERIFY(!a.knopf(2, n)->isHidden() && !a.knopf(1, n)->isChecked());
        a.druecke("bsSkinSpeedButton8");
        QVERIFY(!a.knopf(1, 22)->isHidden());
    }

    void laufMitBankzahl() {
        Aufbau a;
        a.klick(1, 7);
        a.klick(3, 22);
        QVERIFY(a.lauf(QStringLiteral("12")));
        QCOMPARE(a.teil<QLabel>(QStringLiteral("LReihen"))->text(), QStringLiteral("12 Zufallsreihen"));
        const TippreihenModell* m = a.GZuf()->modell();
        QCOMPARE(m->rowCount(), 12);
        QAbstractItemModelTester pruefer(const_cast<TippreihenModell*>(m),
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
        auto* kacheln = a.teil<ZahlKachelFeld>(QStringLiteral("PVert"));
        QCOMPARE(kacheln->wert(7)->text(), QStringLiteral("12"));
        QCOMPARE(kacheln->wert(7)->palette().color(QPalette::Window), TFZufall::BankKachel);
        QCOMPARE(kacheln->wert(22)->palette().color(QPalette::Window), TFZufall::FavoritFarbe);
        int summe = 0;
        for (int n = 1; n <= 49; ++n)
            summe += a.w->NrCount()[static_cast<std::size_t>(n - 1)];
        QCOMPARE(summe, 72);
        for (int z = 0; z < 12; ++z) {
            QCOMPARE(m->data(m->index(z, 0)).toString(), QString::number(z + 1));
            for (int s = 1; s <= 6; ++s) {
                const QModelIndex i = m->index(z, s);
                const int zahl = m->data(i).toInt();
                const QColor soll = zahl == 7    ? TFZufall::BankZelle
                                    : zahl == 22 ? TFZufall::FavoritFarbe
                                                 : Qt::white;
                QCOMPARE(m->data(i, Qt::BackgroundRole).value<QColor>(), soll);
                QVERIFY(!m->data(i, Qt::FontRole).value<QFont>().bold());
            }
        }
        // The colours follow the groups, also after the run.
        a.druecke("bsSkinSpeedButton5");
        QCOMPARE(m->data(m->index(0, 1), Qt::BackgroundRole).value<QColor>() == TFZufall::BankZelle, false);

        // Sorting by count moves the tiles and back.
        a.druecke("BAuf");
        QCOMPARE(a.teil<QPushButton>(QStringLiteral("BAuf"))->text(), QStringLiteral("Von 1 - 49 sortieren"));
        QCOMPARE(kacheln->wert(7)->pos(), kacheln->heimat(49)); // the most frequent number last
        a.druecke("BAuf");
        QCOMPARE(a.teil<QPushButton>(QStringLiteral("BAuf"))->text(),
                 QStringLiteral("Aufsteigend sortieren"));
        QCOMPARE(kacheln->wert(7)->pos(), kacheln->heimat(7));
    }

    void abweisungen_data() {
        QTest::addColumn<QString>("anzahl");
        QTest::addColumn<QString>("meldung");
        const QString keine =
            QStringLiteral("Bitte geben Sie die Anzahl der gewünschten Tippreihen an.") + Abbruch;
        QTest::newRow("leer") << QString() << keine;
        QTest::newRow("null") << QStringLiteral("0") << keine;
        QTest::newRow("zwei") << QStringLiteral("2")
                              << QStringLiteral(
                                     "Ihre \"Manipulationen\" lassen dem Zufall keine Chance, 2 Tippreihen "
                                     "zu bilden.\r\rich muss abbrechen.");
        QTest::newRow("zu gross") << QStringLiteral("999999999999")
                                  << QStringLiteral("'999999999999' ist kein gültiger Integerwert");
    }
    void abweisungen() {
        QFETCH(QString, anzahl);
        QFETCH(QString, meldung);
        Aufbau a;
        a.EAnz()->setMaxLength(20);
        for (int n = 1; n <= 5; ++n)
            a.klick(1, n);
        for (int n = 6; n <= 48; ++n)
            a.klick(2, n);
        QVERIFY(a.d.dialoge.meldungen.isEmpty());
        a.EAnz()->setText(anzahl);
        a.druecke("bsSkinSpeedButton1");
        QCOMPARE(a.d.dialoge.texte(), QStringList{meldung});
        QVERIFY(!a.w->laeuft());
        QCOMPARE(a.GZuf()->modell()->rowCount(), 1);
        // Tiles are refreshed whatever the outcome.
        QCOMPARE(a.teil<ZahlKachelFeld>(QStringLiteral("PVert"))->wert(3)->palette().color(QPalette::Window),
                 TFZufall::BankKachel);
    }

    void leereTabelle() {
        Aufbau a;
        a.druecke("BSave");
        a.druecke("bsSkinSpeedButton3");
        a.druecke("bsSkinSpeedButton4");
        const QString speichern =
            QStringLiteral("Die Tabelle ist leer. Es gibt nichts zu speichern.") + Abbruch;
        QCOMPARE(
            a.d.dialoge.texte(),
            (QStringList{speichern, speichern,
                         QStringLiteral("Die Tabelle ist leer. Es gibt nichts zu exportieren.") + Abbruch}));
        QVERIFY(a.d.dateiDialoge.aufrufe.isEmpty());
    }

    void speichernAlsSchein() {
        Aufbau a;
        QVERIFY(a.lauf(QStringLiteral("12")));
        a.teil<QLineEdit>(QStringLiteral("ESZ"))->setText(QStringLiteral("4"));
        const QString pfad = m_daten.filePath(QStringLiteral("zufall.nkb"));
        a.d.dateiDialoge.speichernAntworten.enqueue(pfad);
        QSignalSpy fertig(a.w.data(), &TFZufall::hintergrundFertig);
        a.druecke("BSave");
        QVERIFY(fertig.wait(10000));
        QCOMPARE(a.d.dateiDialoge.aufrufe.at(0).titel, QStringLiteral("Als Spielschein speichern..."));
        QCOMPARE(a.d.dateiDialoge.aufrufe.at(0).startOrdner, zustand().DatenPfad);
        QCOMPARE(QFileInfo(pfad).size(), 84);
        const auto schein = NormalscheinLesen(pfad);
        QVERIFY(schein.ok());
        QCOMPARE(schein->SZ, 4);
        QCOMPARE(schein->reihen.size(), 12);
        QCOMPARE(schein->reihen.at(11).WZ[0],
                 static_cast<std::uint8_t>(a.GZuf()->daten().alsGanzzahl(1, 12).value()));
        QCOMPARE(a.teil<QLabel>(QStringLiteral("LDatei"))->text(),
                 QStringLiteral("Gespeichert in: zufall.nkb"));

        const QString csv = m_daten.filePath(QStringLiteral("zufall.csv"));
        a.d.dateiDialoge.speichernAntworten.enqueue(csv);
        a.druecke("bsSkinSpeedButton3");
        QVERIFY(fertig.wait(10000));
        QCOMPARE(a.d.dateiDialoge.aufrufe.at(1).titel, QStringLiteral("Als CSV-Datei speichern..."));
        QVERIFY(QFileInfo(csv).size() > 12 * 12);
        QCOMPARE(a.teil<QLabel>(QStringLiteral("LDatei"))->text(),
                 QStringLiteral("Gespeichert in: zufall.csv"));

        a.druecke("bsSkinSpeedButton4");
        QVERIFY(fertig.wait(10000));
        QCOMPARE(a.d.tabellen.geoeffnet.size(), 1);
    }

    void einstellungenBeispiel() {
        einstellungenSchreiben(QStringLiteral("[Zufall]\nBankzahlen=7,13\nFavoriten=22\n"));
        Aufbau a;
        QCOMPARE(a.EAnz()->text(), QStringLiteral("12"));
        for (int n : {7, 13}) {
            QVERIFY(a.knopf(1, n)->isChecked());
            QVERIFY(a.knopf(2, n)->isHidden() && a.knopf(3, n)->isHidden());
        }
        QVERIFY(a.knopf(3, 22)->isChecked());
        QVERIFY(a.knopf(1, 22)->isHidden() && a.knopf(2, 22)->isHidden());
        // Showing again (after minimising) must not toggle them off.
        a.w->hide();
        a.w->show();
        QVERIFY(a.knopf(1, 7)->isChecked());
        QVERIFY(a.d.dialoge.meldungen.isEmpty());
    }

    void einstellungenUnlesbar() {
        einstellungenSchreiben(QStringLiteral("[Zufall]\nAnzahl=30\nBankzahlen=7\nQuotenkiller=1,zwei,3\n"
                                              "Favoriten=22\n"));
        Aufbau a;
        QCOMPARE(a.d.dialoge.texte(), QStringList{QStringLiteral("'zwei' ist kein gültiger Integerwert")});
        QCOMPARE(a.EAnz()->text(), QStringLiteral("30"));
        QVERIFY(a.knopf(1, 7)->isChecked());
        QVERIFY(a.knopf(2, 1)->isChecked());
        QVERIFY(!a.knopf(2, 3)->isChecked());
        QVERIFY(!a.knopf(3, 22)->isChecked());
    }

    void schliessenMerktAuswahl() {
        {
            Aufbau a;
            a.EAnz()->setText(QStringLiteral("25"));
            for (int n : {9, 3, 30, 41})
                a.klick(1, n);
            a.klick(2, 5);
            a.klick(3, 44);
            a.w->close();
        }
        const IniDatei ini(zustand().einstellungenPfad());
        QCOMPARE(ini.ReadString(QStringLiteral("Zufall"), QStringLiteral("Bankzahlen"), {}),
                 QStringLiteral("3,9,30,41"));
        Aufbau b;
        QCOMPARE(b.EAnz()->text(), QStringLiteral("25"));
        QVERIFY(b.knopf(2, 5)->isChecked() && b.knopf(3, 44)->isChecked());
        b.klick(1, 12); // the fifth Bankzahl is still allowed
        QVERIFY(b.d.dialoge.meldungen.isEmpty());
        QCOMPARE(b.w->auswahl().anzahl(ZufallsGruppe::Bankzahlen), 5);
    }

    // Every possible row in the background: stopping keeps the previous table, closing ends the run.
    void grosserLaufAnhaltenUndSchliessen() {
        Aufbau a;
        QVERIFY(a.lauf(QStringLiteral("3")));
        a.EAnz()->setText(QStringLiteral("13983816"));
        QSignalSpy fertig(a.w.data(), &TFZufall::laufFertig);
        a.druecke("bsSkinSpeedButton1");
        QVERIFY(a.w->laeuft());
        QVERIFY(!a.teil<QPushButton>(QStringLiteral("BSave"))->isEnabled());
        a.druecke("BStopp");
        QVERIFY(fertig.wait(20000));
        QCOMPARE(fertig.at(0).at(0).toBool(), false);
        QCOMPARE(a.GZuf()->modell()->rowCount(), 3);
        QCOMPARE(a.teil<QLabel>(QStringLiteral("LReihen"))->text(), QStringLiteral("3 Zufallsreihen"));

        a.druecke("bsSkinSpeedButton1");
        QVERIFY(a.w->laeuft());
        a.w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(a.w.isNull());
    }
};

KB_TEST(ZufallFensterTest)
#include "random_window_test.moc"
