#include "core/record_file.h"
#include "core/ticket_file.h"
#include "test_main.h"

#include <QTemporaryDir>

using namespace kb;

class TicketDateiTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString pfad(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }

private Q_SLOTS:
    void art_data() {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<int>("art");
        QTest::newRow("nkb") << "/a/b.nkb" << int(ScheinArt::Normal);
        QTest::newRow("SKB") << "/a/B.SKB" << int(ScheinArt::System);
        QTest::newRow("Skb") << "c.Skb" << int(ScheinArt::System);
        QTest::newRow("andere") << "/a/b.txt" << int(ScheinArt::Unbekannt);
        QTest::newRow("ohne") << "/a.nkb/datei" << int(ScheinArt::Unbekannt);
    }
    void art() {
        QFETCH(QString, datei);
        QFETCH(int, art);
        QCOMPARE(int(ScheinArtVon(datei)), art);
    }

    void normalscheinDreiReihen() {
        const QString p = pfad("drei.nkb");
        QVERIFY(NormalscheinSchreiben(p, 4, {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}, {44, 45, 46, 47, 48, 49}}).ok());
        const QByteArray b = DateiLesen(p)->daten;
        QCOMPARE(b.size(), 21);
        QCOMPARE(b.mid(0, 7), QByteArray("\x04\x01\x02\x03\x04\x05\x06", 7));
        QCOMPARE(b[7], '\x04');
        QCOMPARE(b[14], '\x04');
        const auto s = NormalscheinLesen(p);
        QVERIFY(s.ok());
        QCOMPARE(s->SZ, 4);
        QCOMPARE(s->reihen.size(), 3);
        QCOMPARE(s->reihen[2].WZ, (Tippreihe{44, 45, 46, 47, 48, 49}));
    }

    void ohneSuperzahl() {
        const QString p = pfad("ohne.nkb");
        QVERIFY(NormalscheinSchreiben(p, -1, {{1, 2, 3, 4, 5, 6}, {2, 3, 4, 5, 6, 7}}).ok());
        const QByteArray b = DateiLesen(p)->daten;
        QCOMPARE(b[0], '\xff');
        QCOMPARE(b[7], '\xff');
        QCOMPARE(NormalscheinLesen(p)->SZ, -1);
    }

    void systemscheinZweiFelder() {
        const QString p = pfad("zwei.skb");
        QVERIFY(SystemscheinSchreiben(p, 7,
                                      {{2, {8, 1, 5, 12, 20, 33, 41, 49}}, {7, {3, 6, 9, 12, 15, 18, 21, 24, 27}}})
                    .ok());
        const QByteArray b = DateiLesen(p)->daten;
        QCOMPARE(b.size(), 102);
        QCOMPARE(b.mid(0, 10), QByteArray("\x07\x02\x01\x05\x08\x0c\x14\x21\x29\x31", 10));
        QCOMPARE(b.mid(10, 41), QByteArray(41, '\0'));
        QCOMPARE(b.mid(51, 11), QByteArray("\x07\x07\x03\x06\x09\x0c\x0f\x12\x15\x18\x1b", 11));
        QCOMPARE(b.mid(62, 40), QByteArray(40, '\0'));
        const auto s = SystemscheinLesen(p);
        QVERIFY(s.ok());
        QCOMPARE(s->SZ, 7);
        QCOMPARE(s->felder.size(), 2);
        QCOMPARE(s->felder[1].Sys, std::uint8_t(7));
    }

    void kaputteDateien() {
        // Superzahl only from the first record; a trailing partial record is not read.
        const QString p = pfad("kaputt.skb");
        QByteArray b(51, '\0');
        b[0] = char(12); // out of range: no Superzahl
        b[1] = char(99); // code without slip system: taken as stored
        b += QByteArray(30, '\x05');
        QVERIFY(DateiSchreibenAtomar(p, b).ok());
        const auto s = SystemscheinLesen(p);
        QVERIFY(s.ok());
        QCOMPARE(s->SZ, -1);
        QCOMPARE(s->felder.size(), 1);
        QCOMPARE(s->felder[0].Sys, std::uint8_t(99));

        QVERIFY(DateiSchreibenAtomar(pfad("leer.nkb"), {}).ok());
        const auto leer = NormalscheinLesen(pfad("leer.nkb"));
        QVERIFY(leer.ok() && leer->reihen.isEmpty() && leer->SZ == -1);

        const auto fehlt = NormalscheinLesen(pfad("fehlt.nkb"));
        QVERIFY(!fehlt.ok());
        QVERIFY(fehlt.fehler().contains(QStringLiteral("wurde nicht gefunden")));
    }

    void reiheGueltig_data() {
        QTest::addColumn<QByteArray>("zahlen");
        QTest::addColumn<bool>("gueltig");
        QTest::newRow("normal") << QByteArray("\x01\x02\x03\x04\x05\x31", 6) << true;
        QTest::newRow("ungeordnet") << QByteArray("\x31\x02\x03\x04\x05\x01", 6) << true;
        QTest::newRow("50") << QByteArray("\x01\x02\x03\x04\x05\x32", 6) << false;
        QTest::newRow("0") << QByteArray("\x00\x02\x03\x04\x05\x06", 6) << false;
        QTest::newRow("doppelt") << QByteArray("\x01\x01\x03\x04\x05\x06", 6) << false;
    }
    void reiheGueltig() {
        QFETCH(QByteArray, zahlen);
        QFETCH(bool, gueltig);
        Tippreihe r{};
        std::copy_n(zahlen.cbegin(), 6, r.begin());
        QCOMPARE(ReiheGueltig(r), gueltig);
    }
};
KB_TEST(TicketDateiTest)

#include "ticket_file_test.moc"
