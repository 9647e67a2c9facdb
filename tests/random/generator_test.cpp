#include "core/ini_file.h"
#include "random/random_generator.h"
#include "random/random_settings.h"
#include "systems/combinatorics.h"
#include "test_main.h"

#include <QSet>

#include <numeric>
#include <random>
#include <set>

using namespace kb;

namespace {

using G = ZufallsGruppe;

ZufallsAuswahl auswahl(const QList<int>& bank, const QList<int>& kill, const QList<int>& fav = {}) {
    ZufallsAuswahl a;
    for (int n : bank)
        a.umschalten(G::Bankzahlen, n);
    for (int n : kill)
        a.umschalten(G::Quotenkiller, n);
    for (int n : fav)
        a.umschalten(G::Favoriten, n);
    return a;
}

QList<int> bereich(int von, int bis) {
    QList<int> r;
    for (int n = von; n <= bis; ++n)
        r.append(n);
    return r;
}

// The process as first described, for reference: weighted picks without repetition inside a
// row, a row equal to an accepted one drawn again.
std::vector<std::uint64_t> einfacheSimulation(const ZufallsAuswahl& a, int anzahl, std::mt19937_64& zufall) {
    std::vector<int> topf;
    std::uint64_t bank = 0;
    for (int n = 1; n <= MaxZahl; ++n) {
        if (a.BZGewaehlt().enthaelt(n))
            bank |= std::uint64_t{1} << n;
        else if (!a.KillGewaehlt().enthaelt(n)) {
            topf.push_back(n);
            if (a.FavGewaehlt().enthaelt(n))
                topf.push_back(n);
        }
    }
    std::uniform_int_distribution<std::size_t> pick(0, topf.size() - 1);
    std::set<std::uint64_t> gesehen;
    std::vector<std::uint64_t> reihen;
    while (static_cast<int>(reihen.size()) < anzahl) {
        std::uint64_t r = bank;
        while (std::popcount(r) < 6)
            r |= std::uint64_t{1} << topf[pick(zufall)];
        if (gesehen.insert(r).second)
            reihen.push_back(r);
    }
    return reihen;
}

bool enthaelt(const Tippreihe& r, int n) {
    return std::find(r.begin(), r.end(), n) != r.end();
}

} // namespace

class GeneratorTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void gruppenGrenzen() {
        ZufallsAuswahl a = auswahl({1, 2, 3, 4, 5}, {});
        const Status sechste = a.umschalten(G::Bankzahlen, 6);
        QCOMPARE(sechste.fehler(), QStringLiteral("Mehr als fünf Bankzahlen lässt dem Zufall keinen Raum."));
        QCOMPARE(a.anzahl(G::Bankzahlen), 5);
        QVERIFY(!a.BZGewaehlt().enthaelt(6));
        // Removing one makes room again.
        QVERIFY(a.umschalten(G::Bankzahlen, 3).ok());
        QVERIFY(a.umschalten(G::Bankzahlen, 6).ok());

        // 5 + 43 = 48 numbers taken: one more Quotenkiller is refused.
        ZufallsAuswahl b = auswahl({1, 2, 3, 4, 5}, bereich(6, 48));
        QCOMPARE(b.anzahl(G::Quotenkiller), 43);
        QCOMPARE(b.umschalten(G::Quotenkiller, 49).fehler(),
                 QStringLiteral("Noch einen Quotenkiller mehr und der Zufall hat gar keine Chance mehr.\r\r"
                                "Ich breche ab."));
        QCOMPARE(b.anzahl(G::Quotenkiller), 43);
        ZufallsAuswahl c = auswahl({}, bereich(1, 48));
        QCOMPARE(c.anzahl(G::Quotenkiller), 48);
        QVERIFY(!c.umschalten(G::Quotenkiller, 49).ok());
        QVERIFY(c.umschalten(G::Favoriten, 49).ok()); // Favoriten have no limit

        // A Favorit cannot become Bankzahl or Quotenkiller until it is removed.
        ZufallsAuswahl d = auswahl({}, {}, {22});
        QVERIFY(!d.umschalten(G::Bankzahlen, 22).ok());
        QVERIFY(!d.umschalten(G::Quotenkiller, 22).ok());
        QCOMPARE(d.gruppeVon(22), std::optional<G>(G::Favoriten));
        QVERIFY(d.umschalten(G::Favoriten, 22).ok());
        QVERIFY(d.umschalten(G::Bankzahlen, 22).ok());
        QCOMPARE(d.gruppeVon(22), std::optional<G>(G::Bankzahlen));
        QVERIFY(!d.umschalten(G::Favoriten, 0).ok());
        QVERIFY(!d.umschalten(G::Favoriten, 50).ok());
    }

    void anzahlPruefen_data() {
        QTest::addColumn<int>("banks");
        QTest::addColumn<int>("killer");
        QTest::addColumn<qint64>("anzahl");
        QTest::addColumn<QString>("meldung");
        const QString nichts;
        const auto keine = [](const char* n) {
            return QStringLiteral("Ihre \"Manipulationen\" lassen dem Zufall keine Chance, %1 Tippreihen zu "
                                  "bilden.\r\rich muss abbrechen.")
                .arg(QLatin1String(n));
        };
        QTest::newRow("eine moegliche Reihe") << 5 << 43 << qint64(1) << nichts;
        QTest::newRow("zwei bei einer moeglichen") << 5 << 43 << qint64(2) << keine("2");
        QTest::newRow("44 Quotenkiller") << 0 << 44 << qint64(1) << keine("1");
        QTest::newRow("alle Reihen") << 0 << 0 << qint64(13983816) << nichts;
        QTest::newRow("eine mehr als alle") << 0 << 0 << qint64(13983817) << keine("13983817");
        QTest::newRow("null") << 0 << 0 << qint64(0)
                              << QStringLiteral(
                                     "Bitte geben Sie die Anzahl der gewünschten Tippreihen an.\r\r"
                                     "Ich breche erst einmal ab.");
    }
    void anzahlPruefen() {
        QFETCH(int, banks);
        QFETCH(int, killer);
        QFETCH(qint64, anzahl);
        QFETCH(QString, meldung);
        const ZufallsAuswahl a = auswahl(bereich(1, banks), bereich(banks + 1, banks + killer));
        QCOMPARE(ReihenAnzahlPruefen(a, anzahl).fehler(), meldung);
    }

    void einzigeReihe() {
        ZufallsAuswahl b = auswahl({3, 9, 17, 30, 44}, {});
        for (int n = 1; n <= 49; ++n)
            if (n != 25 && !b.gruppeVon(n))
                QVERIFY(b.umschalten(G::Quotenkiller, n).ok());
        const ZufallsErgebnis e = ZufallszahlenErmitteln(b, 1, 99);
        QCOMPARE(e.Zufreihen.size(), std::size_t(1));
        QCOMPARE(e.Zufreihen[0], (Tippreihe{3, 9, 17, 25, 30, 44}));
    }

    // Both ways of drawing (rejection, and the rest from the rows not yet taken) keep the rules.
    void regelnGelten_data() {
        QTest::addColumn<QList<int>>("bank");
        QTest::addColumn<QList<int>>("kill");
        QTest::addColumn<QList<int>>("fav");
        QTest::addColumn<int>("anzahl");
        QTest::newRow("ohne Vorgaben") << QList<int>{} << QList<int>{} << QList<int>{} << 3000;
        QTest::newRow("alle drei, wenige")
            << QList<int>{7, 13} << bereich(30, 40) << QList<int>{22, 23} << 2000;
        // C(36, 4) = 58905 possible rows: all of them, and just over half.
        QTest::newRow("alle drei, alle Reihen")
            << QList<int>{7, 13} << bereich(30, 40) << QList<int>{22, 23} << 58905;
        QTest::newRow("alle drei, ueber die Haelfte")
            << QList<int>{7, 13} << bereich(30, 40) << QList<int>{22, 23} << 29453;
        QTest::newRow("zehn freie, ein Favorit") << QList<int>{} << bereich(11, 49) << QList<int>{4} << 210;
        QTest::newRow("nur Favoriten frei") << QList<int>{1} << bereich(20, 49) << bereich(2, 19) << 8568;
    }
    void regelnGelten() {
        QFETCH(QList<int>, bank);
        QFETCH(QList<int>, kill);
        QFETCH(QList<int>, fav);
        QFETCH(int, anzahl);
        const ZufallsAuswahl a = auswahl(bank, kill, fav);
        QVERIFY(ReihenAnzahlPruefen(a, anzahl).ok());
        const ZufallsErgebnis e = ZufallszahlenErmitteln(a, anzahl, 4711);
        QVERIFY(!e.abgebrochen);
        QCOMPARE(static_cast<int>(e.Zufreihen.size()), anzahl);
        std::array<int, MaxZahl> zaehler{};
        QSet<quint64> verschieden;
        for (const Tippreihe& r : e.Zufreihen) {
            quint64 schluessel = 0;
            for (std::size_t i = 0; i < 6; ++i) {
                QVERIFY(r[i] >= 1 && r[i] <= 49);
                if (i > 0)
                    QVERIFY(r[i - 1] < r[i]);
                QVERIFY(!a.KillGewaehlt().enthaelt(r[i]));
                ++zaehler[r[i] - 1u];
                schluessel |= quint64{1} << r[i];
            }
            for (int b : bank)
                QVERIFY(enthaelt(r, b));
            verschieden.insert(schluessel);
        }
        QCOMPARE(verschieden.size(), anzahl);
        QCOMPARE(e.NrCount, zaehler);
        QCOMPARE(std::accumulate(e.NrCount.begin(), e.NrCount.end(), 0), 6 * anzahl);
        for (int b : bank)
            QCOMPARE(e.NrCount[static_cast<std::size_t>(b - 1)], anzahl);
    }

    void saatBestimmtAlles() {
        const ZufallsAuswahl a = auswahl({5}, {}, {8});
        const auto eins = ZufallszahlenErmitteln(a, 500, 1).Zufreihen;
        QCOMPARE(ZufallszahlenErmitteln(a, 500, 1).Zufreihen, eins);
        QVERIFY(ZufallszahlenErmitteln(a, 500, 2).Zufreihen != eins);
    }

    void stopBeendetDenLauf() {
        std::atomic<bool> stop{true};
        const ZufallsErgebnis e = ZufallszahlenErmitteln(ZufallsAuswahl{}, 13983816, 1, &stop);
        QVERIFY(e.abgebrochen);
        QVERIFY(e.Zufreihen.empty());
    }

    // A Favorit stands twice in the pot; as a row takes no number twice, it ends up in fewer than
    // twice as many rows as a plain number: the simple simulation gives the figure.
    void favoritDoppeltGewichtet() {
        const ZufallsAuswahl a = auswahl({}, {47, 48, 49}, {10});
        const int reihen = 20000;
        const auto anteil = [](const std::array<int, MaxZahl>& z) {
            double plain = 0;
            for (int n = 1; n <= 46; ++n)
                if (n != 10)
                    plain += z[static_cast<std::size_t>(n - 1)];
            return z[9] / (plain / 45.0);
        };
        std::mt19937_64 zufall(17);
        std::array<int, MaxZahl> erwartet{};
        for (std::uint64_t r : einfacheSimulation(a, reihen, zufall))
            for (int n = 1; n <= 49; ++n)
                erwartet[static_cast<std::size_t>(n - 1)] += (r >> n) & 1;
        const double soll = anteil(erwartet);
        QVERIFY2(soll > 1.7 && soll < 1.9, qPrintable(QString::number(soll)));
        const double ist = anteil(ZufallszahlenErmitteln(a, reihen, 4711).NrCount);
        QVERIFY2(std::abs(ist - soll) < 0.12, qPrintable(QStringLiteral("%1 / %2").arg(ist).arg(soll)));
    }

    // When most rows are wanted, the rows come from the list of rows not yet taken; their order
    // must follow the same law as the plain process: rows with the Favorit early, without late.
    void reihenfolgeWieBeimEinfachenVerfahren() {
        const ZufallsAuswahl a = auswahl({}, bereich(11, 49), {4}); // 10 free numbers, 210 rows
        const int laeufe = 1500;
        const std::array<int, 4> stellen{0, 60, 150, 205};
        std::array<int, 4> soll{}, ist{};
        std::mt19937_64 zufall(5);
        for (int i = 0; i < laeufe; ++i) {
            const auto einfach = einfacheSimulation(a, 210, zufall);
            const auto unsere = ZufallszahlenErmitteln(a, 210, static_cast<std::uint64_t>(i)).Zufreihen;
            for (std::size_t s = 0; s < stellen.size(); ++s) {
                soll[s] += (einfach[static_cast<std::size_t>(stellen[s])] >> 4) & 1;
                ist[s] += enthaelt(unsere[static_cast<std::size_t>(stellen[s])], 4);
            }
        }
        for (std::size_t s = 0; s < stellen.size(); ++s)
            QVERIFY2(
                std::abs(ist[s] - soll[s]) < laeufe / 20,
                qPrintable(QStringLiteral("Reihe %1: %2 / %3").arg(stellen[s] + 1).arg(ist[s]).arg(soll[s])));
        QVERIFY(soll[0] > soll[3] + laeufe / 4); // the law really differs along the order
    }

    void einstellungen() {
        const IniDatei ini = IniDatei::ausText(QStringLiteral("[Zufall]\nAnzahl=\nBankzahlen=7,13\n"
                                                              "Quotenkiller=13,40\nFavoriten=22\n"));
        const ZufallEinstellungen e = ZufallEinstellungenLesen(ini);
        QCOMPARE(e.anzahl, QStringLiteral("12"));
        ZufallsAuswahl a;
        QStringList meldungen;
        ZufallsListenAnwenden(a, e, [&](const QString& m) { meldungen.append(m); });
        QVERIFY(meldungen.isEmpty());
        QCOMPARE(ZahlenListe(a.BZGewaehlt()), QStringLiteral("7,13"));
        QCOMPARE(ZahlenListe(a.KillGewaehlt()), QStringLiteral("40")); // 13 is a Bankzahl already
        QCOMPARE(ZahlenListe(a.FavGewaehlt()), QStringLiteral("22"));

        // An unreadable entry stops the rest; a refused one is reported and the next follows.
        ZufallEinstellungen kaputt;
        kaputt.bankzahlen = QStringLiteral("1,2,3,4,5,6,7");
        kaputt.quotenkiller = QStringLiteral("8,x9,10");
        kaputt.favoriten = QStringLiteral("20");
        ZufallsAuswahl b;
        meldungen.clear();
        ZufallsListenAnwenden(b, kaputt, [&](const QString& m) { meldungen.append(m); });
        QCOMPARE(meldungen,
                 (QStringList{QStringLiteral("Mehr als fünf Bankzahlen lässt dem Zufall keinen Raum."),
                              QStringLiteral("Mehr als fünf Bankzahlen lässt dem Zufall keinen Raum."),
                              QStringLiteral("'x9' ist kein gültiger Integerwert")}));
        QCOMPARE(ZahlenListe(b.BZGewaehlt()), QStringLiteral("1,2,3,4,5"));
        QCOMPARE(ZahlenListe(b.KillGewaehlt()), QStringLiteral("8"));
        QVERIFY(b.FavGewaehlt().leer());

        IniDatei neu = IniDatei::ausText({});
        ZufallEinstellungenSchreiben(neu, QStringLiteral("30"), b);
        const ZufallEinstellungen zurueck = ZufallEinstellungenLesen(neu);
        QCOMPARE(zurueck.anzahl, QStringLiteral("30"));
        QCOMPARE(zurueck.bankzahlen, QStringLiteral("1,2,3,4,5"));
        QCOMPARE(zurueck.quotenkiller, QStringLiteral("8"));
        QCOMPARE(zurueck.favoriten, QString());
    }
};

KB_TEST(GeneratorTest)
#include "generator_test.moc"
