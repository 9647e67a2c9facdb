#include "core/lotto.h"
#include "test_main.h"

using namespace kb;

class LottoTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void mengeGrundoperationen() {
        ZahlenMenge m;
        QVERIFY(m.leer());
        for (int n : {0, 1, 49, 63, 64, 200, 255})
            m.hinzu(n);
        QCOMPARE(m.anzahl(), 7);
        QVERIFY(m.enthaelt(64) && m.enthaelt(255) && m.enthaelt(0));
        QVERIFY(!m.enthaelt(2) && !m.enthaelt(-1) && !m.enthaelt(256));
        m.hinzu(49); // already a member
        QCOMPARE(m.anzahl(), 7);
        m.entferne(64);
        m.entferne(3); // not a member
        QCOMPARE(m.anzahl(), 6);
        m.hinzu(300); // out of range is ignored, never an out-of-bounds write
        QCOMPARE(m.anzahl(), 6);
    }

    void trefferIstSchnittmenge_data() {
        QTest::addColumn<QList<int>>("reihe");
        QTest::addColumn<QList<int>>("ziehung");
        QTest::addColumn<int>("treffer");
        QTest::newRow("sechs") << QList<int>{1, 2, 3, 4, 5, 6} << QList<int>{6, 5, 4, 3, 2, 1} << 6;
        QTest::newRow("keiner") << QList<int>{1, 2, 3, 4, 5, 6} << QList<int>{7, 8, 9, 10, 11, 12} << 0;
        QTest::newRow("drei, Rand 49") << QList<int>{1, 20, 33, 40, 48, 49} << QList<int>{1, 2, 3, 33, 45, 49} << 3;
        QTest::newRow("ueber 63") << QList<int>{70, 130, 200} << QList<int>{70, 200, 255} << 2;
    }
    void trefferIstSchnittmenge() {
        QFETCH(QList<int>, reihe);
        QFETCH(QList<int>, ziehung);
        QFETCH(int, treffer);
        const ZahlenMenge a = ZahlenMenge::aus(reihe.begin(), reihe.end());
        const ZahlenMenge b = ZahlenMenge::aus(ziehung.begin(), ziehung.end());
        QCOMPARE(a.treffer(b), treffer);
        QCOMPARE(a.schnitt(b).anzahl(), treffer);
        QCOMPARE(a.vereinigung(b).anzahl(), a.anzahl() + b.anzahl() - treffer);
    }

    void dateiBytes() {
        // Number n is bit n mod 8 of byte n div 8.
        const ZahlenMenge m = ZahlenMenge::aus({0, 1, 9, 49, 255});
        const QByteArray b = m.zuBytes();
        QCOMPARE(b.size(), 32);
        QCOMPARE(static_cast<unsigned char>(b[0]), 0x03u);
        QCOMPARE(static_cast<unsigned char>(b[1]), 0x02u);
        QCOMPARE(static_cast<unsigned char>(b[6]), 0x02u);
        QCOMPARE(static_cast<unsigned char>(b[31]), 0x80u);
        QCOMPARE(ZahlenMenge::ausBytes(b.constData()), m);
    }

    void mengeZuZahlen_data() {
        QTest::addColumn<QList<int>>("menge");
        QTest::addColumn<int>("k");
        QTest::addColumn<QByteArray>("erwartet");
        QTest::newRow("aufsteigend") << QList<int>{49, 3, 17, 1, 22, 8} << 6 << QByteArray("\x01\x03\x08\x11\x16\x31", 6);
        QTest::newRow("weniger als k") << QList<int>{5, 2} << 6 << QByteArray("\x02\x05\0\0\0\0", 6);
        QTest::newRow("leer") << QList<int>{} << 6 << QByteArray(6, '\0');
        QTest::newRow("stoppt nach k") << QList<int>{1, 2, 3, 4, 5, 6, 7} << 6 << QByteArray("\x01\x02\x03\x04\x05\x06", 6);
        QTest::newRow("nur 1 bis m") << QList<int>{0, 12, 50, 60} << 3 << QByteArray("\x0c\0\0", 3);
    }
    void mengeZuZahlen() {
        QFETCH(QList<int>, menge);
        QFETCH(int, k);
        QFETCH(QByteArray, erwartet);
        QCOMPARE(MengeZuZahlen(ZahlenMenge::aus(menge.begin(), menge.end()), k, MaxZahl), erwartet);
    }
};
KB_TEST(LottoTest)

#include "lotto_test.moc"
