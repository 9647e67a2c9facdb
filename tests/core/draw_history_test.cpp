#include "core/date.h"
#include "core/draw_history.h"
#include "core/record_file.h"
#include "test_main.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace kb;

namespace {
TGewZahlen ziehung(TDate datum, std::array<std::uint8_t, 6> gz, std::uint8_t sz) {
    TGewZahlen z;
    z.datum = datum;
    z.GZ = gz;
    z.SZ = sz;
    return z;
}

QByteArray bytesVon(const QVector<TGewZahlen>& v) {
    return RecordsZuBytes<TGewZahlen>(v);
}

bool schreiben(const QString& pfad, const QByteArray& b) {
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(b) == b.size();
}

QByteArray lesen(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QVector<TGewZahlen> drei = {ziehung(45388, {3, 11, 19, 26, 38, 45}, 7), // Sa 06.04.2024
                                  ziehung(45392, {49, 1, 17, 22, 30, 8}, 0),  // Mi 10.04.2024, drawing order
                                  ziehung(45395, {2, 4, 6, 8, 10, 12}, 255)}; // Sa 13.04.2024, SZ unknown
} // namespace

class GewinnzahlenDateiTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lesenNachGroesse_data() {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<int>("anzahl");
        const QByteArray voll = bytesVon(drei);
        QTest::newRow("0 Bytes") << QByteArray() << 0;
        QTest::newRow("15 Bytes") << voll.left(15) << 0;
        QTest::newRow("16 × 3 + 5 Bytes") << voll + QByteArray("\x01\x02\x03\x04\x05", 5) << 3;
        QTest::newRow("16 × 2 + 15 Bytes") << voll.left(47) << 2;
    }
    void lesenNachGroesse() {
        QFETCH(QByteArray, inhalt);
        QFETCH(int, anzahl);
        QTemporaryDir dir;
        const QString pfad = dir.filePath(GZDateiName);
        QVERIFY(schreiben(pfad, inhalt));
        const Result<QVector<TGewZahlen>> r = GZDateiLesen(pfad);
        QVERIFY(r.ok());
        QCOMPARE(r->size(), anzahl);
        QCOMPARE(*r, drei.mid(0, anzahl));
    }

    void fehlendeDateiIstLeer() {
        QTemporaryDir dir;
        const Result<QVector<TGewZahlen>> r = GZDateiLesen(dir.filePath(GZDateiName));
        QVERIFY(r.ok());
        QVERIFY(r->isEmpty());
    }

    void unlesbareDateiIstFehler() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(GZDateiName));
        const Result<QVector<TGewZahlen>> r = GZDateiLesen(dir.filePath(GZDateiName));
        QVERIFY(!r.ok());
        QVERIFY(r.fehler().startsWith(QStringLiteral("Die Datei \"")));
    }

    void nichtsWirdGeprueftOderSortiert() {
        // Out-of-range numbers, unknown Superzahl and unordered dates come back as stored.
        QVector<TGewZahlen> fremd = {ziehung(45390, {0, 50, 255, 7, 7, 1}, 200),
                                     ziehung(100, {1, 2, 3, 4, 5, 6}, 9)};
        QTemporaryDir dir;
        const QString pfad = dir.filePath(GZDateiName);
        QVERIFY(GZDateiSchreiben(pfad, fremd).ok());
        QCOMPARE(*GZDateiLesen(pfad), fremd);
    }

    void anhaengenGibtGenau16ByteMehr() {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(GZDateiName);
        QVERIFY(GZDateiSchreiben(pfad, drei).ok());
        const QByteArray vorher = lesen(pfad);
        QCOMPARE(vorher.size(), 48);
        QVector<TGewZahlen> mehr = drei;
        const TGewZahlen neu = ziehung(45399, {5, 9, 14, 21, 33, 40}, 4);
        mehr.append(neu);
        QVERIFY(GZDateiSchreiben(pfad, mehr).ok());
        const QByteArray nachher = lesen(pfad);
        QCOMPARE(nachher.size(), vorher.size() + 16);
        QCOMPARE(nachher.left(48), vorher);
        QCOMPARE(TGewZahlen::lesen(nachher.constData() + 48), neu);
        QCOMPARE(nachher.at(63), '\0'); // filler
    }

#ifdef Q_OS_LINUX
    void gescheitertesSpeichernLaesstAlteDatei() {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(GZDateiName);
        QVERIFY(GZDateiSchreiben(pfad, drei).ok());
        QVector<TGewZahlen> viele;
        for (int i = 0; i < 200; ++i)
            viele.append(ziehung(45383 + i, {1, 2, 3, 4, 5, 6}, 1));
        // A file size limit makes the write fail midway, like a full disk.
        rlimit alt{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &alt), 0);
        const auto altesSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit knapp = alt;
        knapp.rlim_cur = 1000;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &knapp), 0);
        const Status s = GZDateiSchreiben(pfad, viele);
        setrlimit(RLIMIT_FSIZE, &alt);
        std::signal(SIGXFSZ, altesSignal);
        QVERIFY(!s.ok());
        QVERIFY(s.fehler().contains(QStringLiteral("kann nicht gespeichert werden")));
        QCOMPARE(lesen(pfad), bytesVon(drei));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{GZDateiName});
    }
#endif

    void inhaltPruefen_data() {
        QTest::addColumn<QByteArray>("daten");
        QTest::addColumn<bool>("plausibel");
        const QByteArray gut = bytesVon(drei);
        QTest::newRow("Gewinnzahlen") << gut << true;
        QTest::newRow("leer") << QByteArray() << false;
        QTest::newRow("angeschnitten") << gut.left(40) << false;
        QTest::newRow("HTML-Fehlerseite")
            << QByteArray("<!DOCTYPE html><html><body>404 Not Found</body></html>").leftJustified(64, ' ')
            << false;
        QTest::newRow("Datum mit Uhrzeit") << bytesVon({ziehung(45383.5, {1, 2, 3, 4, 5, 6}, 1)}) << false;
        QTest::newRow("Datum 1900") << bytesVon({ziehung(1, {1, 2, 3, 4, 5, 6}, 1)}) << false;
        QTest::newRow("Datum 2200") << bytesVon({ziehung(ausQDate(QDate(2200, 1, 1)), {1, 2, 3, 4, 5, 6}, 1)})
                                    << false;
        QTest::newRow("Datum NaN") << bytesVon({ziehung(std::nan(""), {1, 2, 3, 4, 5, 6}, 1)}) << false;
        QTest::newRow("Zahl 0") << bytesVon({drei[0], ziehung(45394, {0, 2, 3, 4, 5, 6}, 1)}) << false;
        QTest::newRow("Zahl 50") << bytesVon({ziehung(45394, {1, 2, 3, 4, 5, 50}, 1)}) << false;
        QTest::newRow("erste Ziehung 1955")
            << bytesVon({ziehung(20371, {13, 41, 3, 23, 12, 16}, 255)}) << true;
    }
    void inhaltPruefen() {
        QFETCH(QByteArray, daten);
        QFETCH(bool, plausibel);
        const Status s = GZInhaltPruefen(daten);
        QCOMPARE(s.ok(), plausibel);
        if (!plausibel)
            QVERIFY(s.fehler().startsWith(QStringLiteral("Die geladene Datei ist keine Gewinnzahlen-Datei")));
    }
};
KB_TEST(GewinnzahlenDateiTest)

#include "draw_history_test.moc"
