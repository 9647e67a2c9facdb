#include "systems/catalogue.h"
#include "systems/covering.h"
#include "test_main.h"

#include <algorithm>
#include <set>

using namespace kb;

namespace {

Zahlenmaske maske(std::initializer_list<int> z) {
    Zahlenmaske m = 0;
    for (int n : z)
        m |= Zahlenmaske{1} << n;
    return m;
}

} // namespace

class SystemRowsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { SystemeAufbauen(MaxSystemreihen); }

    // The check itself, on small fixtures where the missing subsets are known.
    void fehlendeTeilmengen_data() {
        QTest::addColumn<QList<qulonglong>>("reihen");
        QTest::addColumn<int>("v");
        QTest::addColumn<int>("t");
        QTest::addColumn<qint64>("fehlend");
        QTest::newRow("Paare von 4, eines fehlt")
            << QList<qulonglong>{maske({1, 2, 3}), maske({1, 2, 4})} << 4 << 2 << qint64(1);
        QTest::newRow("Paare von 4, vollständig")
            << QList<qulonglong>{maske({1, 2, 3}), maske({1, 2, 4}), maske({1, 3, 4})} << 4 << 2 << qint64(0);
        QTest::newRow("Tripel von 5, nur ein Block")
            << QList<qulonglong>{maske({1, 2, 3, 4})} << 5 << 3 << qint64(6);
        QTest::newRow("höchste Position zählt")
            << QList<qulonglong>{maske({1, 2, 3, 4, 5, 6})} << 7 << 2 << qint64(6);
        QTest::newRow("Zahlen über v zählen nicht")
            << QList<qulonglong>{maske({1, 2, 9})} << 3 << 2 << qint64(2);
        QTest::newRow("keine Reihen") << QList<qulonglong>{} << 6 << 4 << qint64(15);
        QTest::newRow("ohne Garantie") << QList<qulonglong>{} << 6 << 0 << qint64(0);
    }
    void fehlendeTeilmengen() {
        QFETCH(QList<qulonglong>, reihen);
        QFETCH(int, v);
        QFETCH(int, t);
        QFETCH(qint64, fehlend);
        const std::vector<Zahlenmaske> r(reihen.begin(), reihen.end());
        QCOMPARE(FehlendeTeilmengen(r, v, t), fehlend);
    }

    // Every built-in position: TR rows of RG distinct ascending numbers in 1..WZ, no row twice.
    void aufbauJederPosition() {
        for (int p = 0; p < EingebauteSysteme; ++p) {
            const TSysteme& s = SystemeKonst[static_cast<std::size_t>(p)];
            const auto bytes = SystemReihen(p);
            QCOMPARE(static_cast<int>(bytes.size()), s.RG * s.TR);
            std::set<Zahlenmaske> verschieden;
            for (int i = 0; i < s.TR; ++i) {
                Zahlenmaske m = 0;
                for (int j = 0; j < s.RG; ++j) {
                    const int z = SystemZahl(p, s.RG, i + 1, j + 1);
                    QVERIFY2(z >= 1 && z <= s.WZ,
                             qPrintable(QStringLiteral("Position %1 Reihe %2").arg(p).arg(i + 1)));
                    QVERIFY2(j == 0 || z > SystemZahl(p, s.RG, i + 1, j),
                             qPrintable(
                                 QStringLiteral("Position %1 Reihe %2 nicht aufsteigend").arg(p).arg(i + 1)));
                    m |= Zahlenmaske{1} << z;
                }
                verschieden.insert(m);
            }
            QVERIFY2(static_cast<int>(verschieden.size()) == s.TR,
                     qPrintable(QStringLiteral("Position %1 hat doppelte Reihen").arg(p)));
        }
    }

    // Every claim of the data is true, and the slip systems realise their guarantee.
    void garantie() {
        int erfuellt = 0;
        for (int p = 0; p < EingebauteSysteme; ++p) {
            const TSysteme& s = SystemeKonst[static_cast<std::size_t>(p)];
            const std::int64_t fehlend = FehlendeTeilmengen(SystemReihenMasken(p), s.WZ, s.GA);
            QVERIFY2(fehlend == SystemLuecken(p),
                     qPrintable(QStringLiteral("Position %1: %2 Lücken, angegeben %3")
                                    .arg(p)
                                    .arg(fehlend)
                                    .arg(SystemLuecken(p))));
            if (IstScheinSystem(p))
                QVERIFY2(fehlend == 0, qPrintable(QStringLiteral("Schein-System %1 ohne Garantie").arg(p)));
            erfuellt += s.GA > 0 && fehlend == 0;
        }
        qInfo("%d von 261 Systemen mit erfüllter Garantie", erfuellt);
    }

    void vollsystemeHabenAlleTeilmengen_data() {
        QTest::addColumn<int>("position");
        for (int p : {359, 399, 414, 423, 430, 431, 436})
            QTest::addRow("%d", p) << p;
    }
    void vollsystemeHabenAlleTeilmengen() {
        QFETCH(int, position);
        const TSysteme* s = SystemAn(position);
        const auto reihen = SystemReihenMasken(position);
        QCOMPARE(static_cast<int>(reihen.size()), int(s->TR));
        QCOMPARE(FehlendeTeilmengen(reihen, s->WZ, s->GA), qint64(0));
        QCOMPARE(SystemLuecken(position), 0);
    }

    // Rows of systems without guarantee use every position about equally often.
    void ohneGarantieGleichmaessig() {
        for (int p = 0; p < EingebauteSysteme; ++p) {
            const TSysteme& s = SystemeKonst[static_cast<std::size_t>(p)];
            if (s.GA != 0)
                continue;
            std::vector<int> nutzung(s.WZ + 1, 0);
            for (std::uint8_t z : SystemReihen(p))
                ++nutzung[z];
            const auto [min, max] = std::minmax_element(nutzung.begin() + 1, nutzung.end());
            QVERIFY2(*max - *min <= 1,
                     qPrintable(QStringLiteral("Position %1: %2 bis %3").arg(p).arg(*min).arg(*max)));
        }
    }

    // The rows that the examples of expansion and system test are written for.
    void vorgegebeneReihen_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QByteArray>("reihen");
        QTest::newRow("0") << 0 << QByteArray("123124134");
        QTest::newRow("347 (9/12)")
            << 347
            << QByteArray("123456123478123679124589125678134689135789145679234579235689246789"
                          "345678");
        // Position numbers 10 written as 'A'.
        QTest::newRow("355 (10/15)")
            << 355
            << QByteArray("12357812369A12459A12467812789A13458913467A13568A14567923457A234689"
                          "23567924568A34789A56789A");
    }
    void vorgegebeneReihen() {
        QFETCH(int, position);
        QFETCH(QByteArray, reihen);
        QByteArray ist;
        for (std::uint8_t z : SystemReihen(position))
            ist.append(z == 10 ? 'A' : char('0' + z));
        QCOMPARE(ist, reihen);
    }
};
KB_TEST(SystemRowsTest)

#include "system_rows_test.moc"
