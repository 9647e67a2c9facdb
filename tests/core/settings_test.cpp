#include "evaluation/main_window_settings.h"
#include "test_main.h"

#include <QTemporaryDir>

using namespace kb;

class EinstellungenTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ohneDateiGeltenVorgaben() {
        QTemporaryDir dir;
        const AuswertungEinstellungen e = AuswertungEinstellungenLesen(IniDatei(dir.filePath("Einstellungen.ini")));
        QCOMPARE(e.nZiehung, 0);
        QCOMPARE(e.sZiehung, 0);
        QCOMPARE(e.filterIndex, 3);
        QVERIFY(e.merken); // the check box keeps its initial, ticked state
        QVERIFY(e.dateien.isEmpty());
    }

    void werteWieGespeichert() {
        // 7 is not a valid choice but is taken as it stands; a missing "Merken" reads as false.
        const IniDatei ini = IniDatei::ausText(QStringLiteral(
            "[Auswertung]\nN-Ziehung=7\nS-Ziehung=abc\n[Spielscheine]\nFilterindex=1\nDateienanzahl=2\n"
            "Datei1=/home/a/x.nkb\nDatei2=/home/a/y.SKB\n"));
        const AuswertungEinstellungen e = AuswertungEinstellungenLesen(ini);
        QCOMPARE(e.nZiehung, 7);
        QCOMPARE(e.sZiehung, 0);
        QCOMPARE(e.filterIndex, 1);
        QVERIFY(!e.merken);
        QCOMPARE(e.dateien, (QStringList{QStringLiteral("/home/a/x.nkb"), QStringLiteral("/home/a/y.SKB")}));
    }

    void dateiauswahlErsetztListe() {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("Einstellungen.ini"));
        {
            IniDatei ini(pfad);
            DateiauswahlMerken(ini, {QStringLiteral("/a.nkb"), QStringLiteral("/b.skb"), QStringLiteral("/c.nkb")});
            AuswertungEinstellungenSchreiben(ini, AuswertungEinstellungen{1, 2, 2, true, {}});
            QVERIFY(ini.speichern().ok());
        }
        {
            IniDatei ini(pfad);
            QCOMPARE(ini.ReadInteger(QStringLiteral("Spielscheine"), QStringLiteral("Dateienanzahl"), 0), 3);
            DateiauswahlMerken(ini, {QStringLiteral("/d.nkb")});
            QVERIFY(ini.speichern().ok());
        }
        const IniDatei ini(pfad);
        QCOMPARE(ini.ReadInteger(QStringLiteral("Spielscheine"), QStringLiteral("Dateienanzahl"), 0), 1);
        QVERIFY(!ini.ValueExists(QStringLiteral("Spielscheine"), QStringLiteral("Datei2")));
        // The erase took "Filterindex" and "Merken" with it; the other section stayed.
        QVERIFY(!ini.ValueExists(QStringLiteral("Spielscheine"), QStringLiteral("Filterindex")));
        const AuswertungEinstellungen e = AuswertungEinstellungenLesen(ini);
        QCOMPARE(e.dateien, QStringList{QStringLiteral("/d.nkb")});
        QCOMPARE(e.nZiehung, 1);
        QCOMPARE(e.sZiehung, 2);
    }
};
KB_TEST(EinstellungenTest)

#include "settings_test.moc"
