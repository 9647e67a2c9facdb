#include "core/date.h"
#include "statistics/number_statistics.h"
#include "test_main.h"
#include "update/draw_update.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace kb;

namespace {
TGewZahlen ziehung(const QDate& d) {
    TGewZahlen z;
    z.datum = ausQDate(d);
    z.GZ = {1, 2, 3, 4, 5, 6};
    z.SZ = 1;
    return z;
}
} // namespace

class GewinnzahlenStandTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void erwarteteZiehung_data() {
        QTest::addColumn<QDateTime>("jetzt");
        QTest::addColumn<QDate>("samstag");
        QTest::addColumn<QDate>("mittwoch");
        // 13.04.2024 is a Saturday, 10.04.2024 a Wednesday.
        QTest::newRow("Samstag 19:59")
            << QDateTime(QDate(2024, 4, 13), QTime(19, 59)) << QDate(2024, 4, 6) << QDate(2024, 4, 10);
        QTest::newRow("Samstag 20:00")
            << QDateTime(QDate(2024, 4, 13), QTime(20, 0)) << QDate(2024, 4, 6) << QDate(2024, 4, 10);
        QTest::newRow("Samstag 20:01")
            << QDateTime(QDate(2024, 4, 13), QTime(20, 1)) << QDate(2024, 4, 13) << QDate(2024, 4, 10);
        QTest::newRow("Mittwoch 20:30")
            << QDateTime(QDate(2024, 4, 10), QTime(20, 30)) << QDate(2024, 4, 6) << QDate(2024, 4, 10);
        QTest::newRow("Donnerstag 08:00")
            << QDateTime(QDate(2024, 4, 11), QTime(8, 0)) << QDate(2024, 4, 6) << QDate(2024, 4, 10);
        QTest::newRow("Sonntag 00:30")
            << QDateTime(QDate(2024, 4, 14), QTime(0, 30)) << QDate(2024, 4, 13) << QDate(2024, 4, 10);
    }
    void erwarteteZiehung() {
        QFETCH(QDateTime, jetzt);
        QFETCH(QDate, samstag);
        QFETCH(QDate, mittwoch);
        QCOMPARE(ErwarteteZiehung(jetzt, Samstag), samstag);
        QCOMPARE(ErwarteteZiehung(jetzt, Mittwoch), mittwoch);
    }

    void stand_data() {
        QTest::addColumn<QDateTime>("jetzt");
        QTest::addColumn<QString>("standSa");
        QTest::addColumn<QString>("standMi");
        QTest::addColumn<bool>("moeglich");
        QTest::newRow("Donnerstag früh, alles da")
            << QDateTime(QDate(2024, 4, 11), QTime(8, 0)) << "06.04.2024"
            << "10.04.2024" << false;
        QTest::newRow("Samstag 20:30, Ziehung fehlt")
            << QDateTime(QDate(2024, 4, 13), QTime(20, 30)) << "06.04.2024"
            << "10.04.2024" << true;
    }
    void stand() {
        QFETCH(QDateTime, jetzt);
        QFETCH(QString, standSa);
        QFETCH(QString, standMi);
        QFETCH(bool, moeglich);
        ZahlenStatistik s;
        // A Sunday draw at the end belongs to neither day.
        StatistikStart(s, {ziehung(QDate(2024, 4, 3)), ziehung(QDate(2024, 4, 6)),
                           ziehung(QDate(2024, 4, 10)), ziehung(QDate(2024, 4, 7))});
        const GewinnzahlenStand st = GewinnzahlenStandErmitteln(s, jetzt, QLocale());
        QCOMPARE(st.standSamstag, standSa);
        QCOMPARE(st.standMittwoch, standMi);
        QCOMPARE(st.downloadMoeglich(), moeglich);
    }

    void leereHistorie() {
        ZahlenStatistik s;
        StatistikStart(s, {});
        const GewinnzahlenStand st =
            GewinnzahlenStandErmitteln(s, QDateTime(QDate(2024, 4, 11), QTime(8, 0)), QLocale());
        QCOMPARE(st.standSamstag, QString());
        QCOMPARE(st.standMittwoch, QString());
        QCOMPARE(st.aktuellSamstag, QStringLiteral("06.04.2024"));
        QCOMPARE(st.aktuellMittwoch, QStringLiteral("10.04.2024"));
        QVERIFY(st.downloadMoeglich());
    }

    void serveradresse() {
        QCOMPARE(DownloadBasis(IniDatei::ausText({}), QStringLiteral("/opt/kb/share/kugelblick/")),
                 QUrl(QStringLiteral("file:///opt/kb/share/kugelblick/downloads/")));
        QCOMPARE(GZDownloadAdresse(DownloadBasis(IniDatei::ausText({}), QStringLiteral("/opt/kb/data/"))),
                 QUrl(QStringLiteral("file:///opt/kb/data/downloads/GZ.649")));
        const IniDatei ini =
            IniDatei::ausText(QStringLiteral("[Update]\nServer=https://example.org/lotto/downloads\n"));
        QCOMPARE(GZDownloadAdresse(DownloadBasis(ini, QStringLiteral("/opt/kb/data/"))),
                 QUrl(QStringLiteral("https://example.org/lotto/downloads/GZ.649")));
        QVERIFY(!GZDownloadAdresse(DownloadBasis(IniDatei::ausText({}), QString())).isValid());
    }

    void sicherung() {
        QTemporaryDir dir;
        const QString pfad = dir.path() + QLatin1Char('/');
        const auto schreiben = [&](const QString& name, const QByteArray& b) {
            QFile f(pfad + name);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(b);
        };
        const auto inhalt = [&](const QString& name) {
            QFile f(pfad + name);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("fehlt");
        };
        QVERIFY(!GZSicherungAnlegen(pfad)); // nothing to move
        schreiben(QStringLiteral("GZ.649"), "alt");
        QVERIFY(GZSicherungAnlegen(pfad));
        QCOMPARE(inhalt(QStringLiteral("GZ.649")), QByteArray("fehlt"));
        QCOMPARE(inhalt(QStringLiteral("GZ.649.bak")), QByteArray("alt"));
        GZSicherungZurueck(pfad);
        QCOMPARE(inhalt(QStringLiteral("GZ.649")), QByteArray("alt"));
        // An existing backup is neither replaced nor put over an existing file.
        schreiben(QStringLiteral("GZ.649.bak"), "früher");
        QVERIFY(!GZSicherungAnlegen(pfad));
        GZSicherungZurueck(pfad);
        QCOMPARE(inhalt(QStringLiteral("GZ.649")), QByteArray("alt"));
        QCOMPARE(inhalt(QStringLiteral("GZ.649.bak")), QByteArray("früher"));
    }
};
KB_TEST(GewinnzahlenStandTest)

#include "draw_update_test.moc"
