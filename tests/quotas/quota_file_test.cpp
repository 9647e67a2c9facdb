#include "core/byte_io.h"
#include "quotas/quota_file.h"
#include "test_main.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace kb;

namespace {
bool schreiben(const QString& pfad, const QByteArray& b) {
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(b) == b.size();
}
} // namespace

class QuotenDateiTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void zweiRecordsIn160Bytes() {
        // Built byte by byte; the newer draw comes first, and file order is kept.
        QByteArray b(160, '\0');
        bytes::schreibeDouble(b.data(), 44100);      // Sa 26.09.2020
        bytes::schreibeDouble(b.data() + 80, 44097); // Mi 23.09.2020
        for (int k = 1; k <= 9; ++k) {
            bytes::schreibeI64(b.data() + 8 * k, 1000000LL * k);
            bytes::schreibeI64(b.data() + 80 + 8 * k, 2000000LL * k);
        }
        bytes::schreibeI64(b.data() + 72, 60000);          // 6,00 €
        bytes::schreibeI64(b.data() + 152, 50000);         // 5,00 €
        bytes::schreibeI64(b.data() + 80 + 24, 121354000); // q[3] = 12.135,40 €
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QuoDateiName);
        QVERIFY(schreiben(pfad, b + QByteArray(79, '\x7f'))); // a trailing partial record is ignored

        QVector<TQuoten> liste;
        QVERIFY(QuotenListeLaden(pfad, liste).ok());
        QCOMPARE(liste.size(), 2);
        QCOMPARE(liste[0].datum, 44100.0);
        QCOMPARE(liste[1].datum, 44097.0); // out of date order, still in file order
        QCOMPARE(liste[0].q[1], Geld(1000000));
        QCOMPARE(liste[0].q[9], Geld(60000));
        QCOMPARE(liste[1].q[9], Geld(50000));
        QCOMPARE(liste[1].q[3], Geld(121354000));

        const QString kopie = dir.filePath(QStringLiteral("Kopie.649"));
        QVERIFY(QuotenDateiSchreiben(kopie, liste).ok());
        QFile f(kopie);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), b);
    }

    void fehlendeOderUnlesbareDateiLaesstListe() {
        QTemporaryDir dir;
        QVector<TQuoten> liste(3);
        liste[2].datum = 45000;
        QVERIFY(QuotenListeLaden(dir.filePath(QuoDateiName), liste).ok());
        QCOMPARE(liste.size(), 3);
        QVERIFY(QDir(dir.path()).mkdir(QuoDateiName));
        const Status s = QuotenListeLaden(dir.filePath(QuoDateiName), liste);
        QVERIFY(!s.ok());
        QCOMPARE(liste.size(), 3);
        QCOMPARE(liste[2].datum, 45000.0);
        // An empty file is a file: the list becomes empty.
        QVERIFY(schreiben(dir.filePath(QStringLiteral("leer.649")), {}));
        QVERIFY(QuotenListeLaden(dir.filePath(QStringLiteral("leer.649")), liste).ok());
        QVERIFY(liste.isEmpty());
    }

    void standardquoten_data() {
        QTest::addColumn<double>("datum");
        QTest::addColumn<QList<qint64>>("q");
        const QList<qint64> neu = {125854344000, 10035093000, 121354000, 40192000, 1911000,
                                   503000,       212000,      111000,    60000};
        const QList<qint64> mitte = {89496422000, 5745965000, 100220000, 33406000, 1908000,
                                     424000,      209000,     104000,    50000};
        const QList<qint64> alt = {14146043800, 701940300, 14355500, 479700, 44700, 0, 0, 0, 0};
        QTest::newRow("23.09.2020") << 44097.0 << neu;
        QTest::newRow("2026") << 46200.0 << neu;
        QTest::newRow("22.09.2020") << 44096.0 << mitte;
        QTest::newRow("08.09.2010") << 40429.0 << mitte;
        QTest::newRow("04.09.2010") << 40425.0 << alt;
        QTest::newRow("1955") << 20371.0 << alt;
    }
    void standardquoten() {
        QFETCH(double, datum);
        QFETCH(QList<qint64>, q);
        const StandardquotenZeile& z = StandardquotenFuer(datum);
        for (int k = 1; k <= 9; ++k)
            QCOMPARE(z.q[k], q[k - 1]);
    }

    void klassenTexte() {
        QCOMPARE(QuotenKlassenTexte,
                 (QStringList{"", "6 Richtige + SZ", "   6 Richtige", "  5 Ri. + SZ", "5 Richtige",
                              "4 Ri. + SZ", "   4 Ri.", "3 Ri. + SZ", " 3 Ri.", "2 + SZ"}));
    }
};
KB_TEST(QuotenDateiTest)

#include "quota_file_test.moc"
