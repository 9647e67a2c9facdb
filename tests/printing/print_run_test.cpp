#include "printing/print_run.h"
#include "test_main.h"

#include <limits>

using namespace kb;

namespace {

// Box of number k in field f (both 1-based): distinct values that tell field and number apart.
TScheinFormat testFormat() {
    TScheinFormat f;
    for (int feld = 1; feld <= 18; ++feld)
        for (int k = 1; k <= 49; ++k)
            f.A[feld - 1][k - 1] = {feld * 100 + k, 2000 + feld * 10};
    return f;
}

// Rows 1..n: row i holds i, i+1, ... i+5 (wrapped into 1..49).
QVector<std::array<QString, 6>> zeilen(int n) {
    QVector<std::array<QString, 6>> z(n);
    for (int i = 0; i < n; ++i)
        for (int s = 0; s < 6; ++s)
            z[i][s] = QString::number((i + s) % 49 + 1);
    return z;
}

// The fields that got crosses, in drawing order without repeats.
QList<int> felder(const Schein& s) {
    QList<int> f;
    for (const DruckZeichen& z : s.zeichen)
        if (z.text == QStringLiteral("x") && z.punkt.y() >= 2000) {
            const int feld = (z.punkt.y() - 2000) / 10;
            if (!f.contains(feld))
                f.append(feld);
        }
    return f;
}

QString reihenUndNummern(Druckablauf& lauf, const QList<bool>& antworten) {
    QStringList teile;
    int i = 0;
    while (!lauf.fertig()) {
        const Result<Schein> s = lauf.naechsterSchein();
        if (!s.ok())
            return s.fehler();
        teile.append(QStringLiteral("%1-%2#%3").arg(s->ersteReihe).arg(s->letzteReihe).arg(s->nummer));
        if (i < antworten.size() && !antworten[i])
            lauf.wiederholen();
        ++i;
    }
    return teile.join(QLatin1Char(' '));
}

} // namespace

class DruckablaufTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void scheinAnzahl_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("ende");
        QTest::addColumn<int>("anordnung");
        QTest::addColumn<QString>("ergebnis");
        const QString falsch =
            QStringLiteral("Bitte überpfrüfen Sie die Angaben für Start und Ende des Ausdrucks."
                           "\r\rIch breche ab.");
        QTest::newRow("1-30 2x6") << "1"
                                  << "30" << 0 << "3";
        QTest::newRow("3-14 2x6") << "3"
                                  << "14" << 0 << "1";
        QTest::newRow("1-12 2x6") << "1"
                                  << "12" << 0 << "1";
        QTest::newRow("1-13 2x6") << "1"
                                  << "13" << 0 << "2";
        QTest::newRow("1-30 5x3") << "1"
                                  << "30" << 3 << "2";
        QTest::newRow("1-37 2x9") << "1"
                                  << "37" << 2 << "3";
        QTest::newRow("Ende leer") << "1"
                                   << "" << 0 << "";
        QTest::newRow("Ende 0") << "1"
                                << "0" << 0 << falsch;
        QTest::newRow("Ende vor Start") << "5"
                                        << "4" << 0 << falsch;
        QTest::newRow("keine Zahl") << "x"
                                    << "4" << 0 << falsch;
        QTest::newRow("ohne Anordnung")
            << "1"
            << "4" << -1
            << QStringLiteral("Für das Drucken benötige ich Anordnung und Anzahl der "
                              "Tippfelder.\rDie Auswahl ist unter der Grafik links zu "
                              "treffen.\r\rIch breche ab.");
    }
    void scheinAnzahl() {
        QFETCH(QString, start);
        QFETCH(QString, ende);
        QFETCH(int, anordnung);
        QFETCH(QString, ergebnis);
        const Result<std::optional<int>> r = ScheinAnzahl(start, ende, anordnung);
        QCOMPARE(r.ok() ? (*r ? QString::number(**r) : QString()) : r.fehler(), ergebnis);
    }

    void scheine_data() {
        QTest::addColumn<int>("s");
        QTest::addColumn<int>("e");
        QTest::addColumn<int>("startNr");
        QTest::addColumn<QList<bool>>("antworten");
        QTest::addColumn<QString>("ablauf");
        QTest::newRow("1-30") << 1 << 30 << 1 << QList<bool>{} << "1-12#1 13-24#2 25-30#3";
        QTest::newRow("3-14") << 3 << 14 << 1 << QList<bool>{} << "3-14#1";
        QTest::newRow("Nein nach Schein 6")
            << 1 << 30 << 5 << QList<bool>{true, false} << "1-12#5 13-24#6 13-24#6 25-30#7";
        QTest::newRow("Nein nach dem letzten")
            << 1 << 30 << 1 << QList<bool>{true, true, false} << "1-12#1 13-24#2 25-30#3 25-30#3";
    }
    void scheine() {
        QFETCH(int, s);
        QFETCH(int, e);
        QFETCH(int, startNr);
        QFETCH(QList<bool>, antworten);
        QFETCH(QString, ablauf);
        DruckVorgaben v;
        v.startNr = startNr;
        Druckablauf lauf(zeilen(30), s, e, testFormat(), v);
        QCOMPARE(reihenUndNummern(lauf, antworten), ablauf);
    }

    void kreuzeInFeldern() {
        DruckVorgaben v;
        Druckablauf lauf(zeilen(30), 1, 30, testFormat(), v);
        QCOMPARE(felder(*lauf.naechsterSchein()), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
        lauf.naechsterSchein();
        const Schein dritter = *lauf.naechsterSchein();
        QCOMPARE(felder(dritter), (QList<int>{1, 2, 3, 4, 5, 6}));
        // Row 25 = 25..30 in field 1: x = 100 + k.
        QCOMPARE(dritter.zeichen.first(), (DruckZeichen{{125, 2010}, QStringLiteral("x")}));

        Druckablauf teil(zeilen(30), 3, 14, testFormat(), v);
        const Schein s = *teil.naechsterSchein();
        QCOMPARE(s.zeichen.first().punkt, QPoint(103, 2010)); // row 3 in field 1
        QCOMPARE(s.zeichen.last().punkt, QPoint(1219, 2120)); // row 14 (14..19) in field 12
    }

    // A broken format file may hold any coordinates: marks far off the page stay there.
    void koordinatenAmRand() {
        TScheinFormat f = testFormat();
        f.A[0][0] = {std::numeric_limits<int>::max() - 10, 5};
        DruckVorgaben v;
        v.hori = 1000;
        v.vert = std::numeric_limits<int>::min();
        v.rand = QPoint(40, 60);
        v.nrDrucken = true;
        v.nrX = std::numeric_limits<int>::min();
        v.nrY = 100;
        Druckablauf lauf(zeilen(1), 1, 1, f, v);
        const Schein s = *lauf.naechsterSchein();
        QCOMPARE(s.zeichen.first().punkt, QPoint(std::numeric_limits<int>::max(), std::numeric_limits<int>::min()));
        QCOMPARE(s.zeichen.last().punkt, QPoint(std::numeric_limits<int>::min() + 960, std::numeric_limits<int>::min() + 40));
    }

    void zusatzNummerUndVersatz() {
        DruckVorgaben v;
        v.felderProSchein = 12;
        v.startNr = 5;
        v.hori = -10;
        v.vert = 20;
        v.rand = QPoint(40, 60);
        v.zusatz[ZusatzIndex(1, 1, 1)] = 192;
        v.zusatz[ZusatzIndex(1, 1, 2)] = 1995;
        v.zusatz[ZusatzIndex(1, 2, 1)] = 230;
        v.zusatz[ZusatzIndex(1, 2, 2)] = 1995;
        v.zusatz[ZusatzIndex(2, 1, 1)] = 302; // "nein" of Super6 empty: nothing when unchecked
        v.zusatz[ZusatzIndex(2, 1, 2)] = 1995;
        v.zusatz[ZusatzIndex(5, 1, 1)] = 500; // "Laufzeit" only when checked
        v.zusatz[ZusatzIndex(5, 1, 2)] = 1990;
        v.nrDrucken = true;
        v.nrX = 700;
        v.nrY = 130;
        QVector<std::array<QString, 6>> eine(1);
        eine[0] = {QStringLiteral("1"), QString(), QString(), QString(), QString(), QString()};
        const auto zeichen = [&](std::array<bool, 6> an) {
            v.zusatzAn = an;
            Druckablauf lauf(eine, 1, 1, testFormat(), v);
            return lauf.naechsterSchein()->zeichen;
        };
        const auto p = [](int x, int y) { return QPoint(x - 40 - 10, y - 60 + 20); };
        QCOMPARE(zeichen({}), (QVector<DruckZeichen>{{p(101, 2010), QStringLiteral("x")},
                                                     {p(230, 1995), QStringLiteral("x")},
                                                     {p(700, 130), QStringLiteral("5")}}));
        QCOMPARE(zeichen({true, true, false, false, true, false}),
                 (QVector<DruckZeichen>{{p(101, 2010), QStringLiteral("x")},
                                        {p(192, 1995), QStringLiteral("x")},
                                        {p(302, 1995), QStringLiteral("x")},
                                        {p(500, 1990), QStringLiteral("x")},
                                        {p(700, 130), QStringLiteral("5")}}));
    }

    void zellenOhneZahl() {
        QVector<std::array<QString, 6>> z(1);
        z[0] = {
            QStringLiteral("0"), QStringLiteral("50"), QString(), QStringLiteral("7"), QString(), QString()};
        DruckVorgaben v;
        TScheinFormat f = testFormat();
        f.A[0][6] = {0, 0}; // number 7 never measured
        Druckablauf lauf(z, 1, 1, f, v);
        QVERIFY(lauf.naechsterSchein()->zeichen.isEmpty());
        z[0][0] = QStringLiteral("x1");
        Druckablauf falsch(z, 1, 1, f, v);
        QCOMPARE(falsch.naechsterSchein().fehler(), QStringLiteral("'x1' ist kein gültiger Integerwert"));
    }
};

KB_TEST(DruckablaufTest)
#include "print_run_test.moc"
