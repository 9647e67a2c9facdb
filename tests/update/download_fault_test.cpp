// Downloads of the draw history that go wrong on the wire: whatever the server does, the
// history file and the history in memory stay as they were and the player reads German.
#include "core/date.h"
#include "core/draw_history.h"
#include "core/ini_file.h"
#include "core/program_state.h"
#include "core/record_file.h"
#include "platform/qt_services.h"
#include "platform/testing/test_services.h"
#include "statistics/draw_changes.h"
#include "test_http_server.h"
#include "test_main.h"
#include "update_test_support.h"
#include "update/draw_download.h"
#include "update/update_window.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace kb;

namespace {

using test::LokalesNetz;
using test::ziehung;

const QVector<TGewZahlen> alt = test::alteZiehungen();
const QByteArray altBytes = RecordsZuBytes<TGewZahlen>(alt);
// A plausible newer history: a cut-off copy of it is still whole records of valid draws.
const QByteArray neuBytes = RecordsZuBytes<TGewZahlen>(
    alt + QVector<TGewZahlen>{ziehung(QDate(2024, 4, 10), 4), ziehung(QDate(2024, 4, 13), 5),
                              ziehung(QDate(2024, 4, 17), 6), ziehung(QDate(2024, 4, 20), 7)});

QByteArray lesen(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("fehlt");
}

} // namespace

class DownloadFehlerTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString gz() const { return zustand().DatenPfad + GZDateiName; }

private Q_SLOTS:
    void initTestCase() {
        test::ohneProxy();
    }

    void init() {
        test::datenOrdnerEinrichten(m_dir.path());
        QVERIFY(test::dateiSchreiben(gz(), altBytes));
        QVERIFY(GewZahlenNeuLaden(gz()).ok());
    }

    void serverFehler_data() {
        QTest::addColumn<bool>("serverAn");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("koerper");
        QTest::addColumn<bool>("stumm");
        QTest::addColumn<qint64>("laengeAngabe");
        QTest::addColumn<qint64>("nachschub");
        QTest::addColumn<QString>("grund");
        const qint64 gib = qint64(1) << 30;
        const QByteArray seite = "<html><body><h1>Nicht gefunden</h1></body></html>";
        QTest::newRow("Verbindung abgelehnt") << false << 200 << QByteArray() << false << qint64(-1)
                                              << qint64(0) << "hat die Verbindung abgelehnt";
        QTest::newRow("keine Antwort")
            << true << 200 << QByteArray() << true << qint64(-1) << qint64(0) << "antwortet nicht";
        QTest::newRow("Körper nach der Hälfte abgeschnitten")
            << true << 200 << neuBytes.left(neuBytes.size() / 2) << false << qint64(neuBytes.size())
            << qint64(0) << "vorzeitig beendet";
        QTest::newRow("404-Seite") << true << 404 << seite << false << qint64(-1) << qint64(0)
                                   << "gibt es auf dem Server nicht";
        QTest::newRow("riesig, Länge angekündigt")
            << true << 200 << QByteArray() << false << gib << gib << "größer als 16 MB";
        QTest::newRow("riesig, ohne Längenangabe")
            << true << 200 << QByteArray() << false << qint64(-2) << gib << "größer als 16 MB";
    }
    void serverFehler() {
        QFETCH(bool, serverAn);
        QFETCH(int, status);
        QFETCH(QByteArray, koerper);
        QFETCH(bool, stumm);
        QFETCH(qint64, laengeAngabe);
        QFETCH(qint64, nachschub);
        QFETCH(QString, grund);

        TestHttpServer server;
        QVERIFY(server.starten());
        TestHttpServer::Antwort a;
        a.status = status;
        a.body = koerper;
        a.stumm = stumm;
        a.laengeAngabe = laengeAngabe;
        a.nachschub = nachschub;
        server.antworten[QStringLiteral("/downloads/GZ.649")].append(a);
        IniDatei ini(zustand().einstellungenPfad());
        ini.WriteString(QStringLiteral("Update"), QStringLiteral("Server"), server.basis().toString());
        QVERIFY(ini.speichern().ok());
        if (!serverAn)
            server.stoppen();

        test::TestDienste d;
        LokalesNetz netz(500); // a short transfer timeout for the silent server
        d.dienste.netz = &netz;
        d.uhr.zeit = QDateTime(QDate(2024, 4, 21), QTime(10, 0));
        TFUpdate w(d.dienste);
        w.show();
        auto* download = w.findChild<GZDownload*>();
        QVERIFY(download);
        QString meldung;
        int ergebnis = -1;
        connect(download, &GZDownload::fertig, this, [&](GZDownload::Ergebnis e, const QString& m, bool) {
            ergebnis = int(e);
            meldung = m;
        });
        QSignalSpy beendet(&w, &TFUpdate::downloadBeendet);
        w.BupdateClick();
        QVERIFY(beendet.wait(30000));

        QCOMPARE(ergebnis, int(GZDownload::Ergebnis::Gescheitert));
        QVERIFY2(meldung.contains(grund), qPrintable(meldung));
        QCOMPARE(d.dialoge.texte(), QStringList{TFUpdate::TextGescheitert});
        QCOMPARE(lesen(gz()), altBytes);
        QVERIFY(!QFile::exists(zustand().DatenPfad + GZSicherungName));
        QVERIFY(!QFile::exists(zustand().TempDatei));
        QCOMPARE(zustand().GewZahlen, alt);
        // A huge body is given up early, not received whole.
        if (nachschub > 0)
            QVERIFY2(server.gesendet < (qint64(64) << 20), qPrintable(QString::number(server.gesendet)));
    }
};
KB_TEST(DownloadFehlerTest)

#include "download_fault_test.moc"
