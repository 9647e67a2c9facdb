#include "core/date.h"
#include "core/draw_history.h"
#include "core/ini_file.h"
#include "core/program_state.h"
#include "core/record_file.h"
#include "platform/testing/test_services.h"
#include "statistics/draw_changes.h"
#include "test_http_server.h"
#include "test_main.h"
#include "update/program_update.h"
#include "update/update_window.h"
#include "update_test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace kb;

namespace {

// Version records written byte by byte: 8 unused bytes, the length, 15 text bytes.
QByteArray versionen(const QList<QByteArray>& texte) {
    QByteArray r;
    for (const QByteArray& t : texte)
        r += QByteArray(8, '\0') + static_cast<char>(t.size()) + t.leftJustified(15, '\0');
    return r;
}

const QString TextGescheitert = QStringLiteral("Die Aktualisierung hat leider nicht geklappt.\r");

QPushButton* knopf(QWidget& w, const char* name) {
    return w.findChild<QPushButton*>(QLatin1String(name));
}
QString text(QWidget& w, const char* name) {
    return w.findChild<QLabel*>(QLatin1String(name))->text();
}

} // namespace

class ProgrammUpdateFensterTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString versionsDatei() const { return zustand().DatenPfad + QStringLiteral("verinfos.k2b"); }
    QString installer() const { return zustand().DatenPfad + QStringLiteral("Update.exe"); }

    void serverEintragen(const QUrl& basis) {
        IniDatei ini(zustand().einstellungenPfad());
        ini.WriteString(QStringLiteral("Update"), QStringLiteral("Server"), basis.toString());
        QVERIFY(ini.speichern().ok());
    }

    // Runs "Prüfen" and waits for its outcome.
    static void pruefen(TFUpdate& w) {
        QSignalSpy fertig(&w, &TFUpdate::programmDownloadBeendet);
        QTest::mouseClick(knopf(w, "BCalc"), Qt::LeftButton);
        QVERIFY(fertig.wait(20000));
    }

private Q_SLOTS:
    void initTestCase() { test::ohneProxy(); }

    void init() {
        test::datenOrdnerEinrichten(m_dir.path());
        zustand().ProgrammPfad = QStringLiteral("/opt/Kugel Blick/");
        // A history, so that opening the window asks nothing.
        TGewZahlen z;
        z.datum = ausQDate(QDate(2024, 4, 10));
        z.GZ = {1, 2, 3, 4, 5, 6};
        QVERIFY(
            test::dateiSchreiben(zustand().DatenPfad + GZDateiName, RecordsZuBytes<TGewZahlen>(QVector{z})));
        QVERIFY(GewZahlenNeuLaden(zustand().DatenPfad + GZDateiName).ok());
    }

    void neuesFenster() {
        test::TestDienste d;
        TFUpdate w(d.dienste);
        w.show();
        QCOMPARE(text(w, "PiVersion"), QStringLiteral("1.7.0.0"));
        QCOMPARE(text(w, "PvVersion"), QString());
        QVERIFY(knopf(w, "BCalc")->isEnabled());
        QVERIFY(!knopf(w, "BDown")->isEnabled());
        QVERIFY(!knopf(w, "BSetup")->isEnabled());
        QCOMPARE(knopf(w, "BCalc")->text(), QStringLiteral("Prüfen"));
        QCOMPARE(knopf(w, "BDown")->text(), QStringLiteral("Download"));
        QCOMPARE(knopf(w, "BSetup")->text(), QStringLiteral("Installation"));
        QStringList texte;
        for (const QLabel* l : w.findChildren<QLabel*>())
            texte << l->text();
        for (const char* t :
             {"Installierte Version", "Verfügbare Version",
              "Wenn online eine aktuellere Version verfügbar ist, wird der Download-Button aktiv.",
              "Nach dem Download wird der Installations-Button aktiv."})
            QVERIFY2(texte.contains(QString::fromUtf8(t)), t);
    }

    void pruefen_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<bool>("serverAn");
        QTest::addColumn<QString>("version");
        QTest::addColumn<bool>("download");
        QTest::addColumn<QStringList>("meldungen");
        const QStringList keine, fehler{TextGescheitert};
        QTest::newRow("zuletzt die eigene Version")
            << 200 << versionen({"1.9.0.0", "1.7.0.0"}) << true << "1.7.0.0" << false << keine;
        QTest::newRow("Leerzeichen dahinter")
            << 200 << versionen({"1.7.0.0 "}) << true << "1.7.0.0 " << true << keine;
        QTest::newRow("neuere Version")
            << 200 << versionen({"1.7.0.0", "1.8.0.0"}) << true << "1.8.0.0" << true << keine;
        QTest::newRow("ältere Version")
            << 200 << versionen({"1.6.0.0"}) << true << "1.6.0.0" << true << keine;
        QTest::newRow("404") << 404 << QByteArray("<html>Not Found</html>") << true << "" << false << fehler;
        QTest::newRow("Fehlerseite mit 200")
            << 200 << QByteArray("<html><body>Wartungsarbeiten</body></html>") << true << "" << false
            << fehler;
        QTest::newRow("kein ganzer Eintrag") << 200 << QByteArray(20, '\1') << true << "" << false << fehler;
        QTest::newRow("kürzer als 4 Bytes") << 200 << QByteArray("1.7") << true << "" << false << fehler;
        QTest::newRow("Server aus") << 200 << QByteArray() << false << "" << false << fehler;
    }
    void pruefen() {
        QFETCH(int, status);
        QFETCH(QByteArray, datei);
        QFETCH(bool, serverAn);
        QFETCH(QString, version);
        QFETCH(bool, download);
        QFETCH(QStringList, meldungen);

        TestHttpServer server;
        QVERIFY(server.starten());
        server.antworten[QStringLiteral("/downloads/verinfos.k2b")].append({status, datei});
        serverEintragen(server.basis());
        if (!serverAn)
            server.stoppen();
        // A stale copy from an earlier check must not be read.
        QVERIFY(test::dateiSchreiben(versionsDatei(), versionen({"0.1"})));

        test::TestDienste d;
        test::LokalesNetz netz;
        d.dienste.netz = &netz;
        TFUpdate w(d.dienste);
        w.show();
        QSignalSpy fertig(&w, &TFUpdate::programmDownloadBeendet);
        QTest::mouseClick(knopf(w, "BCalc"), Qt::LeftButton);
        QCOMPARE(netz.cacheGeleert, 1);
        QVERIFY(!QFile::exists(versionsDatei()));
        // One download at a time: the downloads share the temporary file.
        QVERIFY(!knopf(w, "BCalc")->isEnabled());
        QVERIFY(!knopf(w, "Bupdate")->isEnabled());
        QVERIFY(fertig.wait(20000));

        QCOMPARE(d.dialoge.texte(), meldungen);
        for (const auto& m : d.dialoge.meldungen)
            QCOMPARE(m.art, Nachricht::Information);
        QCOMPARE(text(w, "PvVersion"), version);
        QCOMPARE(knopf(w, "BDown")->isEnabled(), download);
        QVERIFY(!knopf(w, "BSetup")->isEnabled());
        QVERIFY(knopf(w, "BCalc")->isEnabled());
        QCOMPARE(test::dateiLesen(versionsDatei()), meldungen.isEmpty() ? datei : QByteArray("fehlt"));
        QVERIFY(!QFile::exists(zustand().TempDatei));
        for (const QString& a : server.anfragen)
            QCOMPARE(a, QStringLiteral("GET /downloads/verinfos.k2b"));
    }

    void pruefenOhneInternet() {
        test::TestDienste d;
        d.netz.istOnline = false;
        serverEintragen(QUrl(QStringLiteral("https://example.org/downloads/")));
        TFUpdate w(d.dienste);
        w.show();
        w.BCalcClick();
        QCOMPARE(d.dialoge.texte(),
                 QStringList{"Für die Aktualisierung muss eine Verbindung zum Internet bestehen."});
        QVERIFY(d.netz.abrufe.isEmpty());
        QVERIFY(!w.programmDownloadLaeuft());
        QVERIFY(knopf(w, "BCalc")->isEnabled());
    }

    void mitgelieferterServerBietetNichtsAn() {
        zustand().DatensatzPfad = QStringLiteral(KB_DATENSATZ_DIR "/");
        test::TestDienste d;
        test::LokalesNetz netz;
        d.dienste.netz = &netz;
        TFUpdate w(d.dienste);
        w.show();
        pruefen(w);
        QCOMPARE(d.dialoge.texte(), QStringList());
        QCOMPARE(text(w, "PvVersion"), VersionText);
        QVERIFY(!knopf(w, "BDown")->isEnabled());
    }

    void installerDownload_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QStringList>("meldungen");
        QTest::addColumn<bool>("installation");
        const QByteArray exe = QByteArray("MZ\x90\0", 4) + QByteArray(3000, 'x');
        QTest::newRow("Erfolg") << 200 << exe << QStringList() << true;
        QTest::newRow("404") << 404 << QByteArray("<html>Not Found</html>")
                             << QStringList{TFUpdate::TextGescheitert} << false;
        QTest::newRow("zu kurz") << 200 << QByteArray("MZ") << QStringList{TFUpdate::TextGescheitert}
                                 << false;
    }
    void installerDownload() {
        QFETCH(int, status);
        QFETCH(QByteArray, inhalt);
        QFETCH(QStringList, meldungen);
        QFETCH(bool, installation);

        TestHttpServer server;
        QVERIFY(server.starten());
        server.antworten[QStringLiteral("/downloads/verinfos.k2b")].append({200, versionen({"1.8.0.0"})});
        server.antworten[QStringLiteral("/downloads/kbupdate.exe")].append({status, inhalt});
        serverEintragen(server.basis());
        QVERIFY(test::dateiSchreiben(installer(), "altes Update"));

        test::TestDienste d;
        test::LokalesNetz netz;
        d.dienste.netz = &netz;
        auto* w = new TFUpdate(d.dienste);
        w->show();
        pruefen(*w);
        QVERIFY(knopf(*w, "BDown")->isEnabled());

        QSignalSpy fertig(w, &TFUpdate::programmDownloadBeendet);
        QTest::mouseClick(knopf(*w, "BDown"), Qt::LeftButton);
        QVERIFY(!QFile::exists(installer())); // the old installer goes first
        QVERIFY(!knopf(*w, "BDown")->isEnabled());
        QVERIFY(fertig.wait(20000));
        QCOMPARE(d.dialoge.texte(), meldungen);
        QCOMPARE(knopf(*w, "BSetup")->isEnabled(), installation);
        QCOMPARE(test::dateiLesen(installer()), installation ? inhalt : QByteArray("fehlt"));
        QCOMPARE(server.anfragen.filter(QStringLiteral("kbupdate.exe")).size(),
                 status == 200 && inhalt.size() >= 4 ? 2 : 1);

        // A new window offers nothing until it has checked again.
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        TFUpdate neu(d.dienste);
        neu.show();
        QCOMPARE(text(neu, "PvVersion"), QString());
        QVERIFY(!knopf(neu, "BDown")->isEnabled());
        QVERIFY(!knopf(neu, "BSetup")->isEnabled());
    }

    void downloadOhneInternet() {
        test::TestDienste d;
        serverEintragen(QUrl(QStringLiteral("https://example.org/downloads/")));
        d.netz.antworten.insert(QStringLiteral("https://example.org/downloads/verinfos.k2b"),
                                {true, versionen({"2.0.0.0"}), {}});
        TFUpdate w(d.dienste);
        w.show();
        pruefen(w);
        QVERIFY(knopf(w, "BDown")->isEnabled());
        d.netz.istOnline = false;
        QTest::mouseClick(knopf(w, "BDown"), Qt::LeftButton);
        QCOMPARE(d.dialoge.texte(),
                 QStringList{"Für den Download der Installations-Datei muss eine Verbindung "
                             "zum Internet bestehen.\r\rIch breche ab."});
        QCOMPARE(d.netz.abrufe.size(), 2); // only the check's
        QVERIFY(!knopf(w, "BSetup")->isEnabled());
    }

    void installation_data() {
        QTest::addColumn<int>("antwort");
        QTest::addColumn<bool>("installerStartet");
        QTest::addColumn<bool>("skriptDatei");
        QTest::newRow("Nein") << int(Antwort::Nein) << true << true;
        QTest::newRow("Ja, Installer startet nicht") << int(Antwort::Ja) << false << true;
        QTest::newRow("Ja") << int(Antwort::Ja) << true << true;
        QTest::newRow("Ja, kein Skript möglich") << int(Antwort::Ja) << true << false;
    }
    void installation() {
        QFETCH(int, antwort);
        QFETCH(bool, installerStartet);
        QFETCH(bool, skriptDatei);
        test::TestDienste d;
        d.dialoge.antworten.enqueue(Antwort(antwort));
        d.shell.erfolg = installerStartet;
        d.shell.skriptDateiMoeglich = skriptDatei;
        TFUpdate w(d.dienste);
        w.show();
        w.BSetupClick();

        const QString D = zustand().DatenPfad;
        QStringList erwartet{
            "Um die Installation durchführen zu können, muss das Programm jetzt geschlossen werden. Die "
            "Programm-Datei wird gelöscht und das Update gestartet. Wenn etwas schief läuft, bitte das "
            "Update "
            "manuell durch Doppelklick auf die Datei \"Update.exe\" im Verzeichnis " +
            D + " starten.\r\rSoll fortgefahren werden?"};
        QStringList aufrufe;
        if (antwort == int(Antwort::Nein)) {
            erwartet
                << "Installation wurde auf Ihren Wunsch abgebrochen. Sie  könnnen das Update manuell durch "
                   "Doppelklick auf die Datei \"Update.exe\" im Verzeichnis " +
                       D +
                       " starten.\r\rZuvor muss das Programm geschlossen und die Datei \"kugelblick\" im "
                       "Verzeichnis /opt/Kugel Blick/ gelöscht werden.";
        } else if (!installerStartet) {
            aufrufe << "datei:" + D + "Update.exe";
            erwartet
                << "Update konnte nicht gestartet werden. Bitte schließen Sie das Programm und starten Sie "
                   "das Update manuell durch Doppelklick auf die Datei \"Update.exe\" im Verzeichnis " +
                       D + ".";
        } else if (!skriptDatei) {
            aufrufe << "datei:" + D + "Update.exe"
                    << "skriptdatei:"
                    << "sofortBeenden";
            erwartet << UebergabeNichtMoeglich(
                d.shell.programm,
                QStringLiteral("Im Ordner für temporäre Dateien lässt sich keine Datei anlegen."));
        } else {
            const QString skript = d.shell.aufrufe.value(1).mid(QStringLiteral("skriptdatei:").size());
            QVERIFY(QFileInfo(skript).fileName().startsWith(QStringLiteral("uis")));
            aufrufe << "datei:" + D + "Update.exe"
                    << "skriptdatei:" + skript << "schreibschutz:/opt/Kugel Blick/kugelblick"
                    << "skript:" + skript << "sofortBeenden";
            Uebergabe u;
            u.programmDatei = QStringLiteral("/opt/Kugel Blick/kugelblick");
            u.programmOrdner = QStringLiteral("/opt/Kugel Blick/");
            u.skript = skript;
            u.prozess = 4242;
            const QByteArray inhalt = test::dateiLesen(skript);
            QCOMPARE(inhalt, UebergabeSkript(u));
            QVERIFY(inhalt.contains("f='/opt/Kugel Blick/kugelblick'\n"));
            QVERIFY(inhalt.contains("kill -0 4242"));
        }
        QCOMPARE(d.dialoge.texte(), erwartet);
        QCOMPARE(d.dialoge.meldungen[0].knoepfe, Knoepfe::JaNein);
        QCOMPARE(d.shell.aufrufe, aufrufe);
    }
};
KB_TEST(ProgrammUpdateFensterTest)

#include "program_update_window_test.moc"
