#include "core/ini_file.h"
#include "core/program_state.h"
#include "evaluation/main_window.h"
#include "evaluation/window_router.h"
#include "platform/testing/test_services.h"
#include "test_main.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>

using namespace kb;

namespace {
QStringList menuTexte(QMenu* m) {
    QStringList t;
    for (QAction* a : m->actions())
        t.append(a->isSeparator() ? QStringLiteral("—") : a->text());
    return t;
}
} // namespace

class HauptfensterTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_daten;

private Q_SLOTS:
    void init() {
        zustand() = Programmzustand{};
        zustand().DatenPfad = m_daten.path() + QLatin1Char('/');
        QFile::remove(zustand().einstellungenPfad());
    }

    void titelGroesseMenues() {
        test::TestDienste d;
        Fensterverwaltung router;
        TFAuswertung w(d.dienste, router);
        QCOMPARE(w.windowTitle(), QStringLiteral("Kugelblick 1.7.0.0"));
        QCOMPARE(w.clientGroesse(), QSize(925, 679));
        QList<QMenu*> menues;
        for (QAction* a : w.menuBar()->actions())
            menues.append(a->menu());
        QCOMPARE(menues.size(), 3);
        QCOMPARE(menues[0]->title(), QStringLiteral("&Datei"));
        QCOMPARE(menuTexte(menues[0]),
                 (QStringList{"Tippschein(e) öffnen...", "Neuen Normalschein eingeben...",
                              "Neuen Systemschein eingeben...", "Tippschein drucken...", "—",
                              "Spielsystem auswählen...", "—", "&Beenden"}));
        QCOMPARE(menues[1]->title(), QStringLiteral("&Extras"));
        QCOMPARE(menuTexte(menues[1]),
                 (QStringList{"&n über k berechnen", "&Kalender", "Taschen&rechner", "—", "&Update-Prüfung"}));
        QCOMPARE(menues[2]->title(), QStringLiteral("&Hilfe"));
        QCOMPARE(menuTexte(menues[2]), (QStringList{"&Inhalt", "In Hilfe &suchen...", "—", "&Update-Prüfung", "—",
                                                     "Programm-&Info"}));

        // Tool bar buttons left to right, help at the right end.
        auto* tool = w.findChild<QToolBar*>(QStringLiteral("Tool1"));
        QVERIFY(tool);
        QStringList knoepfe;
        for (QAction* a : tool->actions())
            if (QWidget* b = tool->widgetForAction(a); b && !b->objectName().isEmpty())
                knoepfe.append(b->objectName());
        QCOMPARE(knoepfe, (QStringList{"BClose", "BEingabeN", "BEingabeS", "BDruck", "BSystemWahl", "BZufall",
                                       "BStatistik", "BUpdate", "BQuoten", "BNoverK", "BKal", "BCalc", "Image5", "BHelp"}));
    }

    void eintraegeOhneFensterSindAus() {
        test::TestDienste d;
        Fensterverwaltung router;
        router.registriere(QStringLiteral("FKal"), [] { return new QWidget; }, Fensterverwaltung::Regel::OhneNachVorn);
        TFAuswertung w(d.dienste, router);
        QVERIFY(w.aktion(QStringLiteral("BKal"))->isEnabled());
        QVERIFY(!w.aktion(QStringLiteral("BZufall"))->isEnabled());
        QVERIFY(w.aktion(QStringLiteral("BCalc"))->isEnabled());

        w.aktion(QStringLiteral("BKal"))->trigger();
        QWidget* kal = router.fenster(QStringLiteral("FKal"));
        QVERIFY(kal && kal->isVisible());
        w.aktion(QStringLiteral("BKal"))->trigger();
        QCOMPARE(router.fenster(QStringLiteral("FKal")), kal);
        delete kal;

        d.shell.erfolg = false;
        w.aktion(QStringLiteral("BCalc"))->trigger();
        QCOMPARE(d.shell.aufrufe, QStringList{QStringLiteral("rechner")});
        QCOMPARE(d.dialoge.meldungen.size(), 1);
    }

    void schliessenSchreibtEinstellungenUndBeendet() {
        test::TestDienste d;
        Fensterverwaltung router;
        {
            IniDatei ini(zustand().einstellungenPfad());
            ini.WriteInteger(QStringLiteral("Auswertung"), QStringLiteral("N-Ziehung"), 7);
            ini.WriteString(QStringLiteral("Fremd"), QStringLiteral("Wert"), QStringLiteral("a,b;c"));
            QVERIFY(ini.speichern().ok());
        }
        TFAuswertung w(d.dienste, router);
        w.show();
        QCOMPARE(zustand().NZiehung, 7);
        zustand().SZiehung = 2;
        QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("BSchliessen")), Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QCOMPARE(d.shell.aufrufe, QStringList{QStringLiteral("beenden")});
        const IniDatei ini(zustand().einstellungenPfad());
        QCOMPARE(ini.ReadInteger(QStringLiteral("Auswertung"), QStringLiteral("N-Ziehung"), -1), 7);
        QCOMPARE(ini.ReadInteger(QStringLiteral("Auswertung"), QStringLiteral("S-Ziehung"), -1), 2);
        QCOMPARE(ini.ReadInteger(QStringLiteral("Spielscheine"), QStringLiteral("Filterindex"), -1), 3);
        QCOMPARE(ini.ReadString(QStringLiteral("Spielscheine"), QStringLiteral("Merken"), {}), QStringLiteral("0"));
        QCOMPARE(ini.ReadString(QStringLiteral("Fremd"), QStringLiteral("Wert"), {}), QStringLiteral("a,b;c"));
    }

    void ohneEinstellungsdateiBleibtMerkenAn() {
        test::TestDienste d;
        Fensterverwaltung router;
        TFAuswertung w(d.dienste, router);
        w.show();
        QVERIFY(w.einstellungen().merken);
        w.close();
        QCOMPARE(IniDatei(zustand().einstellungenPfad()).ReadString(QStringLiteral("Spielscheine"),
                                                                  QStringLiteral("Merken"), {}),
                 QStringLiteral("1"));
    }

    void unlesbareEinstellungenWerdenNichtUeberschrieben() {
        test::TestDienste d;
        Fensterverwaltung router;
        // A folder where the file should be: reading fails, the save must not replace it.
        QDir().mkpath(zustand().einstellungenPfad());
        TFAuswertung w(d.dienste, router);
        w.show();
        w.close();
        // The first message offers the download of the missing draws.
        QCOMPARE(d.dialoge.meldungen.size(), 2);
        QCOMPARE(d.dialoge.meldungen[1].art, Nachricht::Fehler);
        QVERIFY(QFileInfo(zustand().einstellungenPfad()).isDir());
        QDir(zustand().einstellungenPfad()).removeRecursively();
    }
};
KB_TEST(HauptfensterTest)

#include "main_window_test.moc"
