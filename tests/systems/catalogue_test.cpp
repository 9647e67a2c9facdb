#include "systems/catalogue.h"
#include "test_main.h"

#include <cstring>

using namespace kb;

namespace {

QList<int> zahlen(Zahlenmaske m) {
    QList<int> r;
    for (int n = 0; n < 64; ++n)
        if (m & (Zahlenmaske{1} << n))
            r.append(n);
    return r;
}

} // namespace

class CatalogueTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QCOMPARE(SystemeAufbauen(MaxSystemreihen), 437); }

    // Run boundaries of the built-in table and of the generated full systems.
    void eintraege_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("RG");
        QTest::addColumn<int>("WZ");
        QTest::addColumn<int>("GA");
        QTest::addColumn<int>("TR");
        const int f[][5] = {
            {0, 3, 4, 2, 3},      {31, 3, 35, 2, 196},  {36, 3, 40, 2, 267},  {37, 4, 7, 3, 12},
            {50, 4, 20, 3, 285},  {51, 5, 7, 3, 5},     {67, 5, 23, 3, 187},  {68, 5, 6, 2, 3},
            {112, 5, 50, 2, 130}, {113, 5, 6, 4, 5},    {121, 5, 14, 4, 229}, {122, 5, 32, 0, 28},
            {140, 5, 50, 0, 60},  {141, 5, 9, 0, 2},    {182, 5, 50, 0, 491}, {183, 5, 12, 0, 4},
            {184, 5, 14, 0, 6},   {206, 5, 36, 0, 120}, {207, 5, 38, 0, 140}, {219, 5, 50, 0, 338},
            {220, 4, 5, 2, 3},    {251, 4, 36, 2, 108}, {252, 6, 7, 2, 3},    {275, 6, 30, 2, 31},
            {276, 6, 7, 3, 4},    {295, 6, 26, 3, 130}, {296, 6, 7, 4, 5},    {307, 6, 18, 4, 236},
            {308, 6, 7, 5, 6},    {314, 6, 13, 5, 245}, {315, 6, 31, 2, 31},  {333, 6, 49, 2, 82},
            {334, 4, 37, 2, 111}, {346, 4, 49, 2, 196}, {347, 6, 9, 4, 12},   {350, 6, 26, 3, 130},
            {355, 6, 10, 3, 15},  {358, 6, 12, 4, 52},  {359, 2, 3, 2, 3},    {399, 2, 43, 2, 903},
            {400, 3, 4, 3, 4},    {414, 3, 18, 3, 816}, {415, 4, 5, 4, 5},    {423, 4, 13, 4, 715},
            {424, 5, 6, 5, 6},    {430, 5, 12, 5, 792}, {431, 6, 7, 6, 7},    {436, 6, 12, 6, 924}};
        for (const auto& e : f)
            QTest::addRow("%d", e[0]) << e[0] << e[1] << e[2] << e[3] << e[4];
    }
    void eintraege() {
        QFETCH(int, position);
        QFETCH(int, RG);
        QFETCH(int, WZ);
        QFETCH(int, GA);
        QFETCH(int, TR);
        QCOMPARE(static_cast<int>(Systeme().size()), 437);
        const TSysteme* s = SystemAn(position);
        QVERIFY(s != nullptr);
        QCOMPARE(int(s->RG), RG);
        QCOMPARE(int(s->WZ), WZ);
        QCOMPARE(int(s->GA), GA);
        QCOMPARE(int(s->TR), TR);
    }

    void zeilenLimitBegrenztVollsysteme() {
        // Each run of full systems ends at the first WZ with more rows than the limit:
        // with 10, RG 2 takes WZ 3 to 5, RG 3 takes 4 and 5, RG 4, 5 and 6 one system each.
        QCOMPARE(SystemeAufbauen(10), 359 + 3 + 2 + 1 + 1 + 1);
        QCOMPARE(Systeme().back(), (TSysteme{6, 7, 6, 7}));
        QVERIFY(SystemAn(367) == nullptr && SystemAn(-1) == nullptr);
        QCOMPARE(SystemeAufbauen(MaxSystemreihen), 437); // a second build starts afresh
    }

    void binomial_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("k");
        QTest::addColumn<qint64>("wert");
        QTest::newRow("49/6") << 49 << 6 << qint64(13983816);
        QTest::newRow("12/6") << 12 << 6 << qint64(924);
        QTest::newRow("13/6") << 13 << 6 << qint64(1716);
        QTest::newRow("7/7") << 7 << 7 << qint64(1);
        QTest::newRow("44/2") << 44 << 2 << qint64(946);
        QTest::newRow("1/1") << 1 << 1 << qint64(1);
        // The products of the step-wise method overflow 64 bits here; the result does not.
        QTest::newRow("52/26") << 52 << 26 << qint64(495918532948104);
        QTest::newRow("66/33, largest that fits") << 66 << 33 << qint64(7219428434016265740);
        QTest::newRow("67/33 does not fit") << 67 << 33 << qint64(-1);
        QTest::newRow("k > n") << 5 << 6 << qint64(0);
    }
    void binomial() {
        QFETCH(int, n);
        QFETCH(int, k);
        QFETCH(qint64, wert);
        QCOMPARE(Binomial(n, k), wert);
    }

    void binomialBreit() {
        QCOMPARE(DezimalText(*BinomialBreit(67, 33)), QStringLiteral("14226520737620288370"));
        QCOMPARE(DezimalText(*BinomialBreit(100, 50)), QStringLiteral("100891344545564193334812497256"));
        QCOMPARE(DezimalText(*BinomialBreit(1000, 1)), QStringLiteral("1000"));
        QVERIFY(!BinomialBreit(200, 100).has_value()); // beyond 128 bits
        QCOMPARE(DezimalText(0), QStringLiteral("0"));
    }

    void kombinationen_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("k");
        QTest::newRow("7/6") << 7 << 6;
        QTest::newRow("4/2") << 4 << 2;
        QTest::newRow("9/9") << 9 << 9;
        QTest::newRow("20/5") << 20 << 5;
        QTest::newRow("12/9") << 12 << 9;
    }
    // Count, every set of size k within 1..n, strictly lexicographic order.
    void kombinationen() {
        QFETCH(int, n);
        QFETCH(int, k);
        const std::vector<Zahlenmaske> alle = KombinationenBilden(n, k);
        QCOMPARE(static_cast<qint64>(alle.size()), Binomial(n, k));
        for (std::size_t i = 0; i < alle.size(); ++i) {
            const QList<int> z = zahlen(alle[i]);
            QCOMPARE(z.size(), k);
            QVERIFY(z.first() >= 1 && z.last() <= n);
            if (i > 0)
                QVERIFY2(zahlen(alle[i - 1]) < z, qPrintable(QString::number(i)));
        }
    }

    void kombinationenBeispiele() {
        const std::vector<Zahlenmaske> sieben = KombinationenBilden(7, 6);
        QCOMPARE(sieben.size(), std::size_t{7});
        QCOMPARE(MaskeZuMenge(sieben.front()), ZahlenMenge::aus({1, 2, 3, 4, 5, 6}));
        QCOMPARE(MaskeZuMenge(sieben.back()), ZahlenMenge::aus({2, 3, 4, 5, 6, 7}));
        std::vector<QList<int>> vier;
        for (Zahlenmaske m : KombinationenBilden(4, 2))
            vier.push_back(zahlen(m));
        QCOMPARE(vier, (std::vector<QList<int>>{{1, 2}, {1, 3}, {1, 4}, {2, 3}, {2, 4}, {3, 4}}));
        QVERIFY(KombinationenBilden(10, 1).empty());
        QVERIFY(KombinationenBilden(12, 10).empty());
        QVERIFY(KombinationenBilden(5, 6).empty());
    }

    void kombinationenVorzeitigBeenden() {
        int gesehen = 0;
        KombinationenDurchlaufen(49, 6, [&gesehen](Zahlenmaske) { return ++gesehen < 5; });
        QCOMPARE(gesehen, 5);
    }

    void systemZahl_data() {
        QTest::addColumn<int>("s");
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("i");
        QTest::addColumn<int>("j");
        QTest::addColumn<int>("zahl");
        QTest::newRow("9/12 letzte Stelle") << 347 << 6 << 12 << 6 << 8;
        QTest::newRow("9/12 erste Stelle") << 347 << 6 << 1 << 1 << 1;
        QTest::newRow("10/15 Reihe 2") << 355 << 6 << 2 << 5 << 9;
        QTest::newRow("Position 0 Reihe 3") << 0 << 3 << 3 << 2 << 3;
        QTest::newRow("hinter der letzten Reihe") << 347 << 6 << 13 << 1 << 0;
        QTest::newRow("Stelle 0") << 347 << 6 << 1 << 0 << 0;
        QTest::newRow("Stelle über r") << 347 << 6 << 1 << 7 << 0;
        QTest::newRow("Vollsystem hat keine Reihen") << 431 << 6 << 1 << 1 << 0;
        QTest::newRow("negative Position") << -1 << 6 << 1 << 1 << 0;
    }
    void systemZahl() {
        QFETCH(int, s);
        QFETCH(int, r);
        QFETCH(int, i);
        QFETCH(int, j);
        QFETCH(int, zahl);
        QCOMPARE(int(SystemZahl(s, r, i, j)), zahl);
    }

    void scheinSysteme_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("schein");
        for (int p : {346, 359, 430, 0, 437})
            QTest::addRow("%d", p) << p << false;
        for (int p : {347, 358, 431, 436})
            QTest::addRow("%d", p) << p << true;
    }
    void scheinSysteme() {
        QFETCH(int, position);
        QFETCH(bool, schein);
        QCOMPARE(IstScheinSystem(position), schein);
    }

    // Each slip code names a catalogue system of six numbers per row with its WZ and TR.
    void scheinSystemTabelle() {
        for (int code = 1; code <= ScheinSystemAnzahl; ++code) {
            const TScheinSystem* s = ScheinSystemFuerCode(code);
            QVERIFY(s != nullptr);
            const TSysteme* k = SystemAn(s->Index);
            QVERIFY(k != nullptr);
            QVERIFY(IstScheinSystem(s->Index));
            QCOMPARE(int(k->RG), 6);
            QCOMPARE(int(k->WZ), int(s->WZ));
            QCOMPARE(int(k->TR), s->TR);
            QCOMPARE(int(k->GA == k->RG), int(code <= 6));
            QVERIFY(std::strlen(s->Name) <= 9);
        }
        QCOMPARE(QString::fromLatin1(ScheinSystemFuerCode(7)->Name), QStringLiteral("9/12"));
        QVERIFY(ScheinSystemFuerCode(0) == nullptr);
        QVERIFY(ScheinSystemFuerCode(19) == nullptr);
        QVERIFY(ScheinSystemFuerCode(-3) == nullptr);
    }

    void texte_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("kurz");
        QTest::addColumn<QString>("beschreibung");
        QTest::newRow("355")
            << 355 << QStringLiteral("10 Wahlzahlen ohne BZ in 15 Reihen mit 3er Garantie")
            << QStringLiteral("Gewählt wurde ein System für 10 Wahlzahlen ohne Bankzahl in 15 Tippreihen "
                              "mit 3er Garantie.");
        QTest::newRow("431") << 431 << QStringLiteral("7 Wahlzahlen ohne BZ in 7 Reihen mit 6er Garantie")
                             << QStringLiteral(
                                    "Gewählt wurde ein System für 7 Wahlzahlen ohne Bankzahl in 7 Tippreihen "
                                    "mit 6er Garantie.\rEin klassisches Vollsystem.");
        QTest::newRow("424") << 424
                             << QStringLiteral("6 Wahlzahlen plus eine BZ in 6 Reihen mit 5er Garantie")
                             << QStringLiteral(
                                    "Gewählt wurde ein System für 6 Wahlzahlen plus eine Bankzahl in 6 "
                                    "Tippreihen mit 5er Garantie.\rEin \"Vollsystem\" auf einer Bankzahl.");
        QTest::newRow("122") << 122 << QStringLiteral("32 Wahlzahlen plus eine BZ in 28 Reihen ohne Garantie")
                             << QStringLiteral(
                                    "Gewählt wurde ein System für 32 Wahlzahlen plus eine Bankzahl in 28 "
                                    "Tippreihen ohne Garantie.");
        QTest::newRow("359, vier Bankzahlen")
            << 359 << QStringLiteral("3 Wahlzahlen plus 4 BZ in 3 Reihen mit 2er Garantie")
            << QStringLiteral(
                   "Gewählt wurde ein System für 3 Wahlzahlen plus 4 Bankzahlen in 3 Tippreihen mit 2er "
                   "Garantie.\rEin \"Vollsystem\" auf 4 Bankzahlen.");
        QTest::newRow("220, reduziert mit zwei Bankzahlen")
            << 220 << QStringLiteral("5 Wahlzahlen plus 2 BZ in 3 Reihen mit 2er Garantie")
            << QStringLiteral(
                   "Gewählt wurde ein System für 5 Wahlzahlen plus 2 Bankzahlen in 3 Tippreihen mit 2er "
                   "Garantie.");
        QTest::newRow("außerhalb") << 437 << QString() << QString();
    }
    void texte() {
        QFETCH(int, position);
        QFETCH(QString, kurz);
        QFETCH(QString, beschreibung);
        const TSysteme* s = SystemAn(position);
        QCOMPARE(SystemKurztext(position, s ? s->bankzahlen() : 0), kurz);
        QCOMPARE(SystemBeschreibung(position), beschreibung);
    }
};
KB_TEST(CatalogueTest)

#include "catalogue_test.moc"
