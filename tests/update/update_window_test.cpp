#include "core/data_set.h"
#include "core/date.h"
#include "core/draw_history.h"
#include "core/ini_file.h"
#include "core/program_state.h"
#include "core/record_file.h"
#include "evaluation/draw_management.h"
#include "evaluation/startup.h"
#include "platform/testing/test_services.h"
#include "statistics/draw_changes.h"
#include "test_http_server.h"
#include "test_main.h"
#include "update_test_support.h"
#include "update/update_window.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace kb;

namespace {

using test::ziehung;
const QVector<TGewZahlen> alt = test::alteZiehungen();
const QVector<TGewZahlen> neu =
    alt + QVector<TGewZahlen>{ziehung(QDate(2024, 4, 10), 4), ziehung(QDate(2024, 4, 13), 5)};
const QByteArray altBytes = RecordsZuBytes<TGewZahlen>(alt);
const QByteArray neuBytes = RecordsZuBytes<TGewZahlen>(neu);
const QByteArray frueherBytes = RecordsZuBytes<TGewZahlen>(alt.mid(0, 1));

QByteArray lesen(const QString& pfad) { return test::dateiLesen(pfad); }
bool schreiben(const QString& pfad, const QByteArray& b) { return test::dateiSchreiben(pfad, b); }
QString text(QWidget& w, const char* name) {
    return w.findChild<QLabel*>(QLatin1String(name))->text();
}

} // namespace

class UpdateFensterTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString gz() const { return zustand().DatenPfad + GZDateiName; }
    QString bak() const { return zustand().DatenPfad + GZSicherungName; }

    void serverEintragen(const QUrl& basis) {
        IniDatei ini(zustand().einstellungenPfad());
        ini.WriteString(QStringLiteral("Update"), QStringLiteral("Server"), basis.toString());
        QVERIFY(ini.speichern().ok());
    }

private Q_SLOTS:
    void initTestCase() {
        test::ohneProxy();
    }

    void init() {
        test::datenOrdnerEinrichten(m_dir.path());
        QVERIFY(schreiben(gz(), altBytes));
        QVERIFY(GewZahlenNeuLaden(gz()).ok());
    }

    void download_data() {
        QTest::addColumn<QList<int>>("status");
        QTest::addColumn<QList<QByteArray>>("koerper");
        QTest::addColumn<bool>("serverAn");
        QTest::addColumn<bool>("alteSicherung");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<QByteArray>("gzDanach");
        QTest::addColumn<QByteArray>("bakDanach");
        QTest::addColumn<int>("anfragen");
        const QString ok = TFUpdate::TextErfolg, gescheitert = TFUpdate::TextGescheitert;
        const QByteArray html = "<!DOCTYPE html><html><head><title>Wartung</title></head><body>Bitte später."
                                "</body></html>";
        QTest::newRow("Erfolg") << QList<int>{200} << QList<QByteArray>{neuBytes} << true << false << ok
                                << neuBytes << altBytes << 2;
        QTest::newRow("kürzer als 4 Bytes") << QList<int>{200} << QList<QByteArray>{"GZ"} << true << false
                                            << gescheitert << altBytes << QByteArray("fehlt") << 1;
        QTest::newRow("HTML-Seite mit 200") << QList<int>{200} << QList<QByteArray>{html} << true << false
                                            << gescheitert << altBytes << QByteArray("fehlt") << 2;
        QTest::newRow("zweiter Abruf liefert HTML")
            << QList<int>{200, 200} << QList<QByteArray>{neuBytes, html} << true << false << gescheitert
            << altBytes << QByteArray("fehlt") << 2;
        QTest::newRow("404 mit Fehlerseite") << QList<int>{404} << QList<QByteArray>{html} << true << false
                                             << gescheitert << altBytes << QByteArray("fehlt") << 1;
        QTest::newRow("Server aus") << QList<int>{} << QList<QByteArray>{} << false << false << gescheitert
                                    << altBytes << QByteArray("fehlt") << 0;
        QTest::newRow("alte Sicherung, Erfolg") << QList<int>{200} << QList<QByteArray>{neuBytes} << true
                                                << true << ok << neuBytes << frueherBytes << 2;
        QTest::newRow("alte Sicherung, Fehlerseite") << QList<int>{200} << QList<QByteArray>{html} << true
                                                     << true << gescheitert << altBytes << frueherBytes << 2;
    }
    void download() {
        QFETCH(QList<int>, status);
        QFETCH(QList<QByteArray>, koerper);
        QFETCH(bool, serverAn);
        QFETCH(bool, alteSicherung);
        QFETCH(QString, meldung);
        QFETCH(QByteArray, gzDanach);
        QFETCH(QByteArray, bakDanach);
        QFETCH(int, anfragen);

        TestHttpServer server;
        QVERIFY(server.starten());
        for (int i = 0; i < status.size(); ++i)
            server.antworten[QStringLiteral("/downloads/GZ.649")].append({status[i], koerper[i]});
        serverEintragen(server.basis());
        if (!serverAn)
            server.stoppen();
        if (alteSicherung)
            QVERIFY(schreiben(bak(), frueherBytes));

        test::TestDienste d;
        test::LokalesNetz netz;
        d.dienste.netz = &netz;
        d.uhr.zeit = QDateTime(QDate(2024, 4, 14), QTime(10, 0)); // Sunday
        TFUpdate w(d.dienste);
        w.show();
        QCOMPARE(text(w, "LStandSo"), QStringLiteral("06.04.2024"));
        QCOMPARE(text(w, "LStandMi"), QStringLiteral("03.04.2024"));
        QCOMPARE(text(w, "LAktuellSo"), QStringLiteral("13.04.2024"));
        QCOMPARE(text(w, "LAktuellMi"), QStringLiteral("10.04.2024"));
        auto* knopf = w.findChild<QPushButton*>(QStringLiteral("Bupdate"));
        QVERIFY(knopf->isEnabled());

        QSignalSpy beendet(&w, &TFUpdate::downloadBeendet);
        QTest::mouseClick(knopf, Qt::LeftButton);
        QVERIFY(!knopf->isEnabled()); // no second download while one runs
        QVERIFY(!w.findChild<QPushButton*>(QStringLiteral("BCalc"))->isEnabled()); // nor a check
        QVERIFY(beendet.wait(20000));
        QCOMPARE(d.dialoge.texte(), QStringList{meldung});
        QCOMPARE(d.dialoge.meldungen[0].art, Nachricht::Information);
        QCOMPARE(lesen(gz()), gzDanach);
        QCOMPARE(lesen(bak()), bakDanach);
        QCOMPARE(server.anfragen.size(), anfragen);
        for (const QString& a : server.anfragen)
            QCOMPARE(a, QStringLiteral("GET /downloads/GZ.649"));
        QVERIFY(!QFile::exists(zustand().TempDatei));
        // The history in memory is the file's, reloaded either way, and the dates follow it.
        QCOMPARE(beendet.first().first().toBool(), true);
        QCOMPARE(RecordsZuBytes<TGewZahlen>(zustand().GewZahlen), gzDanach);
        const bool erfolg = gzDanach == neuBytes;
        QCOMPARE(text(w, "LStandSo"), erfolg ? QStringLiteral("13.04.2024") : QStringLiteral("06.04.2024"));
        QCOMPARE(knopf->isEnabled(), !erfolg);
    }

    void ohneInternetNichtsAngefasst() {
        test::TestDienste d;
        d.netz.istOnline = false;
        serverEintragen(QUrl(QStringLiteral("https://example.org/downloads/")));
        TFUpdate w(d.dienste);
        w.show();
        QSignalSpy beendet(&w, &TFUpdate::downloadBeendet);
        w.BupdateClick();
        QVERIFY(beendet.wait(5000));
        QCOMPARE(d.dialoge.texte(),
                 QStringList{"Für den Download der Installations-Datei muss eine Verbindung zum "
                             "Internet bestehen.\r\rIch breche ab."});
        QVERIFY(d.netz.abrufe.isEmpty());
        QCOMPARE(lesen(gz()), altBytes);
        QVERIFY(!QFile::exists(bak()));
    }

    void schliessenWaehrendDesDownloadsStelltWiederHer() {
        test::TestDienste d;
        serverEintragen(QUrl(QStringLiteral("https://example.org/downloads/")));
        d.netz.antworten.insert(QStringLiteral("https://example.org/downloads/GZ.649"), {true, neuBytes, {}});
        auto* w = new TFUpdate(d.dienste);
        w->show();
        w->BupdateClick();
        QVERIFY(w->downloadLaeuft());
        QCOMPARE(lesen(bak()), altBytes); // moved aside while the download runs
        w->close();                       // destroyed on close
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(lesen(gz()), altBytes);
        QVERIFY(!QFile::exists(bak()));
        QCoreApplication::processEvents(); // the aborted request ends without anyone listening
        QCOMPARE(zustand().GewZahlen, alt);
    }

    void leereHistorieMitFrage_data() {
        QTest::addColumn<bool>("fragen");
        QTest::addColumn<int>("antwort");
        QTest::newRow("Frage, Nein") << true << int(Antwort::Nein);
        QTest::newRow("Frage, Ja") << true << int(Antwort::Ja);
        QTest::newRow("schon zugestimmt") << false << -1;
    }
    void leereHistorieMitFrage() {
        QFETCH(bool, fragen);
        QFETCH(int, antwort);
        QFile::remove(gz());
        zustand().GewZahlen.clear();
        GewZahlenGeaendert(true);
        zustand().DownloadFragen = fragen;
        serverEintragen(QUrl(QStringLiteral("https://example.org/downloads/")));
        test::TestDienste d;
        d.uhr.zeit = QDateTime(QDate(2024, 4, 14), QTime(10, 0)); // Sunday
        d.netz.antworten.insert(QStringLiteral("https://example.org/downloads/GZ.649"), {true, neuBytes, {}});
        if (antwort >= 0)
            d.dialoge.antworten.enqueue(Antwort(antwort));
        TFUpdate w(d.dienste);
        QSignalSpy beendet(&w, &TFUpdate::downloadBeendet);
        w.show();
        QStringList erwartet;
        if (fragen)
            erwartet.append(
                QStringLiteral("Es fehlen jegliche Gewinnreihen.\r\rSoll ich deren Download gleich "
                               "starten?"));
        if (antwort == int(Antwort::Nein)) {
            QCOMPARE(d.dialoge.texte(), erwartet);
            QCOMPARE(text(w, "LStandSo"), QString());
            QCOMPARE(text(w, "LStandMi"), QString());
            QCOMPARE(text(w, "LAktuellSo"), QStringLiteral("13.04.2024"));
            QCOMPARE(text(w, "LAktuellMi"), QStringLiteral("10.04.2024"));
            QVERIFY(w.findChild<QPushButton*>(QStringLiteral("Bupdate"))->isEnabled());
            QVERIFY(d.netz.abrufe.isEmpty());
            return;
        }
        QVERIFY(beendet.wait(5000));
        erwartet.append(TFUpdate::TextErfolg);
        QCOMPARE(d.dialoge.texte(), erwartet);
        QCOMPARE(d.netz.abrufe.size(), 2);
        QCOMPARE(zustand().GewZahlen, neu);
        QVERIFY(!QFile::exists(bak())); // there was nothing to move aside
        QCOMPARE(text(w, "LStandMi"), QStringLiteral("10.04.2024"));
        QVERIFY(!w.findChild<QPushButton*>(QStringLiteral("Bupdate"))->isEnabled());
    }

    void ersterStartLaedtMitgelieferteZiehungen() {
        // A new user: no data folder yet, the program beside its data set, the download answered "Ja".
        const QString daten = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                              QStringLiteral("/Kugelblick/");
        QDir(daten).removeRecursively();
        qputenv("KUGELBLICK_DATENSATZ", KB_DATENSATZ_DIR);
        zustand() = Programmzustand{};
        test::TestDienste d;
        test::LokalesNetz netz;
        d.dienste.netz = &netz;
        d.dialoge.antworten.enqueue(Antwort::Ja);
        Programmstart start(d.dienste);
        start.ausfuehren();
        qunsetenv("KUGELBLICK_DATENSATZ");
        QCOMPARE(zustand().DatenPfad, daten);
        for (const QString& name : DatensatzStartDateien)
            QCOMPARE(lesen(daten + name), lesen(QStringLiteral(KB_DATENSATZ_DIR "/") + name));
        QVERIFY(!QFile::exists(daten + GZDateiName));
        QCOMPARE(zustand().QuotenListe.size(), 731);
        QVERIFY(zustand().GewZahlen.isEmpty());

        QSignalSpy geladen(&Ziehungsmeldungen::instanz(), &Ziehungsmeldungen::gewZahlenGeaendert);
        start.hauptfenster()->show();
        QCOMPARE(d.dialoge.texte().value(0), TextDownloadFrage);
        QVERIFY(start.router().FensterOffen(QStringLiteral("FUpdate")));
        QVERIFY(geladen.wait(20000));
        QCOMPARE(zustand().GewZahlen.size(), 5031);
        auto* combo = start.hauptfenster()->findChild<QComboBox*>(QStringLiteral("Combo1"));
        QCOMPARE(combo->count(), 5031);
        QCOMPARE(combo->currentText(), QStringLiteral("22.07.2026"));
        QCOMPARE(start.hauptfenster()->findChild<QLabel*>(QStringLiteral("LZT"))->text(),
                 QStringLiteral("  5.031 Gewinnreihen"));
        QCOMPARE(lesen(daten + GZDateiName), lesen(QStringLiteral(KB_DATENSATZ_DIR "/GZ.649")));
        QTRY_COMPARE(d.dialoge.texte().size(), 2);
        QCOMPARE(d.dialoge.texte().at(1), TFUpdate::TextErfolg);
        for (QWidget* w : start.router().alleFenster())
            if (w != start.hauptfenster())
                delete w;
    }
};
KB_TEST(UpdateFensterTest)

#include "update_window_test.moc"
