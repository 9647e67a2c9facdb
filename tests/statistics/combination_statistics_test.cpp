#include "statistics/combination_statistics.h"
#include "systems/combinatorics.h"
#include "test_main.h"

#include <bit>
#include <random>

using namespace kb;

namespace {

QVector<ZahlenMenge> zufallsHistorie(int anzahl, std::uint32_t saat) {
    std::mt19937 zufall(saat);
    QVector<ZahlenMenge> h;
    for (int i = 0; i < anzahl; ++i) {
        ZahlenMenge m;
        while (m.anzahl() < 6)
            m.hinzu(static_cast<int>(zufall() % 49) + 1);
        h.append(m);
    }
    return h;
}

// Every entry tested against every draw, as the plain description goes.
std::vector<std::uint32_t> einzelnZaehlen(const KombiTabelle& t, const QVector<ZahlenMenge>& h, int von,
                                          int bis) {
    std::vector<std::uint32_t> a(static_cast<std::size_t>(t.anzahl()), 0);
    for (int e = 0; e < t.anzahl(); ++e) {
        const ZahlenMenge m = MaskeZuMenge(t.maske(e));
        for (int k = std::max(von, 0); k <= bis && k < h.size(); ++k)
            if (h[k].schnitt(m) == m)
                ++a[static_cast<std::size_t>(e)];
    }
    return a;
}

// The list loop as described: rescan the table once per count value until more than 100.
QVector<KombiPlatz> listeEinzeln(const std::vector<std::uint32_t>& a, bool absteigend) {
    QVector<KombiPlatz> l;
    const auto [lo, hi] = std::minmax_element(a.begin(), a.end());
    long long m = absteigend ? *hi : *lo;
    do {
        for (std::size_t e = 0; e < a.size(); ++e)
            if (a[e] == m)
                l.append({static_cast<int>(e), static_cast<int>(m)});
        m += absteigend ? -1 : 1;
    } while (l.size() <= FavoritenMindestens && m >= *lo && m <= *hi);
    return l;
}

bool gleich(const QVector<KombiPlatz>& x, const QVector<KombiPlatz>& y) {
    if (x.size() != y.size())
        return false;
    for (qsizetype i = 0; i < x.size(); ++i)
        if (x[i].index != y[i].index || x[i].anzahl != y[i].anzahl)
            return false;
    return true;
}

} // namespace

class KombiStatistikTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Lexicographic order, and the rank of each entry's numbers is its position.
    void tabellen_data() {
        QTest::addColumn<int>("groesse");
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<QString>("erste");
        QTest::addColumn<QString>("zweite");
        QTest::addColumn<QString>("letzte");
        QTest::newRow("Paare") << 2 << 1176 << "1,2"
                               << "1,3"
                               << "48,49";
        QTest::newRow("Dreier") << 3 << 18424 << "1,2,3"
                                << "1,2,4"
                                << "47,48,49";
        QTest::newRow("Vierer") << 4 << 211876 << "1,2,3,4"
                                << "1,2,3,5"
                                << "46,47,48,49";
    }
    void tabellen() {
        QFETCH(int, groesse);
        QFETCH(int, anzahl);
        const KombiTabelle& t = KombiTabelleFuer(groesse);
        QCOMPARE(t.groesse(), groesse);
        QCOMPARE(t.anzahl(), anzahl);
        QTEST(t.text(0), "erste");
        QTEST(t.text(1), "zweite");
        QTEST(t.text(anzahl - 1), "letzte");
        for (int e = 0; e < t.anzahl(); ++e) {
            int z[4];
            int i = 0;
            for (std::uint64_t b = t.maske(e); b != 0; b &= b - 1)
                z[i++] = std::countr_zero(b);
            if (t.rang(z) != e)
                QFAIL(qPrintable(QStringLiteral("Rang von %1 ist %2").arg(t.text(e)).arg(t.rang(z))));
        }
    }

    // Counting through the subsets of each draw gives the counts and lists of the plain count.
    void wieEinzelnGezaehlt_data() {
        QTest::addColumn<int>("groesse");
        QTest::addColumn<int>("von");
        QTest::addColumn<int>("bis");
        QTest::newRow("Paare alle") << 2 << 0 << 199;
        QTest::newRow("Dreier Ausschnitt") << 3 << 37 << 150;
        QTest::newRow("Vierer alle") << 4 << 0 << 199;
        QTest::newRow("Vierer bis vor von") << 4 << 20 << 10;
        QTest::newRow("Dreier über das Ende") << 3 << 190 << 5000;
    }
    void wieEinzelnGezaehlt() {
        QFETCH(int, groesse);
        QFETCH(int, von);
        QFETCH(int, bis);
        QVector<ZahlenMenge> h = zufallsHistorie(200, 99);
        h[100] = ZahlenMenge::aus({3, 3, 7, 0, 60, 49}); // a broken record: only 3, 7, 49 count
        const KombiTabelle& t = KombiTabelleFuer(groesse);
        const std::vector<std::uint32_t> erwartet = einzelnZaehlen(t, h, von, bis);
        const KombiFavoriten f = KombinationenFavoriten(t, h, von, bis);
        QVERIFY(f.anzahl == erwartet);
        QVERIFY(gleich(f.haeufigste, listeEinzeln(erwartet, true)));
        QVERIFY(gleich(f.seltenste, listeEinzeln(erwartet, false)));
        QVERIFY(f.haeufigste.size() > FavoritenMindestens);
        if (bis < von)
            QCOMPARE(f.haeufigste.size(), t.anzahl()); // all zero: every entry in table order
    }

    // 120 pairs share the top count: the list holds exactly those, in table order.
    void gleichstandOben() {
        std::vector<std::uint32_t> a(1176, 0);
        std::mt19937 z(5);
        for (auto& x : a)
            x = z() % 7;
        QVector<int> oben;
        for (int e = 3; oben.size() < 120; e += 9) {
            a[static_cast<std::size_t>(e)] = 7;
            oben.append(e);
        }
        const KombiFavoriten f = FavoritenListen(a);
        QCOMPARE(f.haeufigste.size(), 120);
        for (int i = 0; i < 120; ++i) {
            QCOMPARE(f.haeufigste[i].index, oben[i]);
            QCOMPARE(f.haeufigste[i].anzahl, 7);
        }
        // The rarest list ends after a whole count value, beyond 100 entries.
        QVERIFY(f.seltenste.size() > FavoritenMindestens);
        const int letzte = f.seltenste.last().anzahl;
        QCOMPARE(int(std::count(a.begin(), a.end(), std::uint32_t(letzte))),
                 int(std::count_if(f.seltenste.begin(), f.seltenste.end(),
                                   [&](const KombiPlatz& p) { return p.anzahl == letzte; })));
    }

    // Counts are wide: a long history of one draw does not wrap at 65536.
    void keinUeberlauf() {
        const QVector<ZahlenMenge> h(70000, ZahlenMenge::aus({1, 2, 3, 4, 5, 6}));
        const KombiFavoriten f = KombinationenFavoriten(KombiTabelleFuer(2), h, 0, 69999);
        QCOMPARE(f.haeufigste.first().anzahl, 70000);
        QCOMPARE(f.haeufigste.size(), 1176); // then the value 0: all the others
        QCOMPARE(KombiTabelleFuer(2).text(f.haeufigste.first().index), QStringLiteral("1,2"));
    }

    void suche() {
        ZahlenStatistik s;
        QVector<TGewZahlen> gz;
        const auto d = [&](TDate datum, std::array<std::uint8_t, 6> z) {
            TGewZahlen g;
            g.datum = datum;
            g.GZ = z;
            gz.append(g);
        };
        d(45388, {17, 3, 40, 1, 22, 9}); // Sa 06.04.2024
        d(45392, {3, 18, 4, 5, 6, 7});   // Mi
        d(45395, {49, 17, 2, 3, 44, 8}); // Sa 13.04.2024
        d(45399, {17, 30, 31, 32, 33, 34});
        StatistikStart(s, gz);
        const QVector<KombiTreffer> t = KombisSuchen(s, 0, 3, KategorieAlle, ZahlenMenge::aus({3, 17}));
        QCOMPARE(t.size(), 2);
        QCOMPARE(t[0].index, 0);
        QCOMPARE(t[0].datum, 45388.0);
        QCOMPARE(t[0].mit, (QVector<int>{1, 9, 22, 40}));
        QCOMPARE(t[1].index, 2);
        QCOMPARE(t[1].mit, (QVector<int>{2, 8, 44, 49}));
        // Saturday list: the same two draws, at indices 0 and 1.
        QCOMPARE(KombisSuchen(s, 0, 1, KategorieSamstag, ZahlenMenge::aus({3, 17})).size(), 2);
        QCOMPARE(KombisSuchen(s, 1, 3, KategorieAlle, ZahlenMenge::aus({3, 17})).size(), 1);
        QVERIFY(KombisSuchen(s, 3, 0, KategorieAlle, ZahlenMenge::aus({3, 17})).isEmpty());
        QVERIFY(KombisSuchen(s, 0, 3, KategorieAlle, ZahlenMenge::aus({3, 17, 30})).isEmpty());
    }

    void auswahl() {
        KombiAuswahl a;
        QVERIFY(!a.suchbar());
        QCOMPARE(a.umschalten(5), KombiAuswahl::Ergebnis::Gewaehlt);
        QVERIFY(!a.suchbar()); // one number is no combination
        for (int n : {9, 12, 20, 33, 41})
            QCOMPARE(a.umschalten(n), KombiAuswahl::Ergebnis::Gewaehlt);
        QCOMPARE(a.umschalten(44), KombiAuswahl::Ergebnis::Voll);
        QCOMPARE(a.anzahl(), 6);
        QVERIFY(!a.enthaelt(44));
        QCOMPARE(a.umschalten(9), KombiAuswahl::Ergebnis::Abgewaehlt);
        QCOMPARE(a.umschalten(44), KombiAuswahl::Ergebnis::Gewaehlt);
        QCOMPARE(a.umschalten(0), KombiAuswahl::Ergebnis::Ungueltig);
        QCOMPARE(a.umschalten(50), KombiAuswahl::Ergebnis::Ungueltig);
        QVERIFY(a.suchbar());
    }
};

KB_TEST(KombiStatistikTest)
#include "combination_statistics_test.moc"
