#include "core/record_file.h"
#include "core/records.h"
#include "test_main.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace kb;

namespace {
QByteArray hex(const char* text) { return QByteArray::fromHex(QByteArray(text).replace(' ', "")); }
} // namespace

class RecordsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void gewZahlen() {
        // 23.09.2020 (44097.0), 3 11 19 26 38 45, Superzahl 7, filler 0.
        const QByteArray b = hex("000000002088e540 03 0b 13 1a 26 2d 07 00");
        QCOMPARE(b.size(), TGewZahlen::Groesse);
        const TGewZahlen z = TGewZahlen::lesen(b.constData());
        QCOMPARE(z.datum, 44097.0);
        QCOMPARE(z.GZ, (std::array<std::uint8_t, 6>{3, 11, 19, 26, 38, 45}));
        QCOMPARE(z.SZ, std::uint8_t(7));
        QVERIFY(z.szBekannt());
        QByteArray aus(16, '\x55');
        z.schreiben(aus.data());
        QCOMPARE(aus, b);
        // Filler is not read; a Superzahl byte above 9 means unknown.
        const TGewZahlen fremd = TGewZahlen::lesen(hex("000000002088e540 2d 26 1a 13 0b 03 ff 99").constData());
        QCOMPARE(fremd.GZ[0], std::uint8_t(45));
        QVERIFY(!fremd.szBekannt());
    }

    void gewAusw() {
        TGewAusw a;
        a.dat = 44097.0;
        a.SDatum = QStringLiteral("Mi. 23.09.2020");
        a.GZA = ZahlenMenge::aus({3, 11, 49});
        a.SZ = 7;
        QByteArray b(TGewAusw::Groesse, '\x55');
        a.schreiben(b.data());
        QByteArray erwartet = hex("000000002088e540 0e") + QByteArray("Mi. 23.09.2020") + QByteArray(4, '\0');
        erwartet += hex("0808 0000 0000 0200") + QByteArray(24, '\0'); // {3, 11} in byte 0/1, 49 in byte 6
        erwartet += hex("07 00000000");
        QCOMPARE(b.size(), 64);
        QCOMPARE(b, erwartet);
        QCOMPARE(TGewAusw::lesen(b.constData()), a);
        // An oversized length byte is cut to the 18 characters the field can hold.
        QByteArray kaputt = b;
        kaputt[8] = char(200);
        QCOMPARE(TGewAusw::lesen(kaputt.constData()).SDatum.size(), TGewAusw::SDatumMax);
    }

    void normalSchein() {
        const QByteArray b = hex("ff 01 07 0d 1c 25 31");
        const TNormalSchein r = TNormalSchein::lesen(b.constData());
        QCOMPARE(r.SZ, std::int8_t(-1));
        QCOMPARE(r.WZ, (std::array<std::uint8_t, 6>{1, 7, 13, 28, 37, 49}));
        QByteArray aus(7, '\0');
        r.schreiben(aus.data());
        QCOMPARE(aus, b);
        QCOMPARE(ScheinSZ(r.SZ), -1);
        QCOMPARE(ScheinSZ(9), 9);
        QCOMPARE(ScheinSZ(10), -1);
    }

    void sysSchein() {
        // Code 7 ("9/12"): nine ascending numbers, then 40 zero bytes.
        const QByteArray b = hex("03 07 01 05 09 0c 11 16 1d 24 31") + QByteArray(40, '\0');
        QCOMPARE(b.size(), TSySSchein::Groesse);
        const TSySSchein s = TSySSchein::lesen(b.constData());
        QCOMPARE(s.SZ, std::int8_t(3));
        QCOMPARE(s.Sys, std::uint8_t(7));
        QCOMPARE(s.WZ[0], std::uint8_t(1));
        QCOMPARE(s.WZ[8], std::uint8_t(49));
        QCOMPARE(s.WZ[9], std::uint8_t(0));
        QByteArray aus(51, '\x55');
        s.schreiben(aus.data());
        QCOMPARE(aus, b);
    }

    void quoten() {
        TQuoten q;
        q.datum = 44097.0;
        q.q[1] = 125854344000; // 12.585.434,40
        q.q[3] = 121354000;    // 12.135,40
        q.q[9] = 60000;        // 6,00
        QByteArray b(TQuoten::Groesse, '\0');
        q.schreiben(b.data());
        QCOMPARE(b.mid(0, 8), hex("000000002088e540"));
        QCOMPARE(b.mid(8, 8), hex("40e3804d1d000000"));
        QCOMPARE(b.mid(24, 8), hex("10b73b0700000000"));
        QCOMPARE(b.mid(72, 8), hex("60ea000000000000"));
        QCOMPARE(TQuoten::lesen(b.constData()), q);
        // Negative amounts keep their sign (two's complement).
        QByteArray neg = b;
        neg.replace(16, 8, hex("ffffffffffffffff"));
        QCOMPARE(TQuoten::lesen(neg.constData()).q[2], qint64(-1));
    }

    void dateiMitRestStueck() {
        // 2 records and 5 stray bytes: the partial record is ignored.
        QByteArray b = hex("000000002088e540 01 02 03 04 05 06 07 00 000000008088e540 0a 0b 0c 0d 0e 0f 08 00");
        b += hex("0102030405");
        const QVector<TGewZahlen> z = RecordsAusBytes<TGewZahlen>(b);
        QCOMPARE(z.size(), 2);
        QCOMPARE(z[1].datum, 44100.0);
        QCOMPARE(RecordsZuBytes<TGewZahlen>(z), b.left(32));
        QVERIFY(RecordsAusBytes<TNormalSchein>(QByteArray(6, '\x01')).isEmpty());
    }

    void atomaresSchreiben() {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("GZ.649"));
        QVERIFY(DateiSchreibenAtomar(pfad, QByteArray(32, 'a')).ok());
        const auto gelesen = DateiLesen(pfad);
        QVERIFY(gelesen.ok() && gelesen->vorhanden);
        QCOMPARE(gelesen->daten, QByteArray(32, 'a'));
        QVERIFY(!DateiLesen(dir.filePath(QStringLiteral("fehlt"))).wert().vorhanden);

        // A save into a folder that does not exist fails and reports it.
        const Status s = DateiSchreibenAtomar(dir.filePath(QStringLiteral("nein/GZ.649")), QByteArray(16, 'b'));
        QVERIFY(!s.ok());
        QVERIFY(s.fehler().contains(QStringLiteral("kann nicht gespeichert werden")));

        // The target is untouched by a save that cannot even start.
        QVERIFY(!DateiSchreibenAtomar(dir.path(), QByteArray(16, 'c')).ok());
        QCOMPARE(DateiLesen(pfad)->daten, QByteArray(32, 'a'));
    }
};
KB_TEST(RecordsTest)

#include "records_test.moc"
