#include "systems/row_sort.h"
#include "test_main.h"

#include <algorithm>
#include <random>

using namespace kb;

namespace {
TippreihenDaten tabelle(const QList<QStringList>& zeilen) {
    int spalten = 7;
    for (const QStringList& z : zeilen)
        spalten = std::max(spalten, static_cast<int>(z.size()) + 1);
    TippreihenDaten t(static_cast<int>(zeilen.size()) + 1, spalten);
    for (qsizetype z = 0; z < zeilen.size(); ++z) {
        t.setzeZelle(0, static_cast<int>(z) + 1, QString::number(z + 1));
        for (qsizetype s = 0; s < zeilen[z].size(); ++s)
            t.setzeZelle(static_cast<int>(s) + 1, static_cast<int>(z) + 1, zeilen[z][s]);
    }
    return t;
}
QList<QStringList> inhalt(const ZellenTabelle& t) {
    QList<QStringList> r;
    for (int z = 1; z < t.zeilenAnzahl(); ++z) {
        QStringList zeile;
        for (int s = 0; s < t.spaltenAnzahl(); ++s)
            zeile.append(t.zelle(s, z));
        r.append(zeile);
    }
    return r;
}
const QVector<int> AlleSpalten{1, 2, 3, 4, 5, 6};
} // namespace

class ReihenSortTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sortieren_data() {
        QTest::addColumn<QList<QStringList>>("vorher");
        QTest::addColumn<QList<QStringList>>("nachher");
        QTest::newRow("Beispiel") << QList<QStringList>{{"9", "10", "11", "12", "13", "14"},
                                                        {"1", "2", "3", "4", "5", "6"},
                                                        {"1", "2", "3", "4", "5", "7"}}
                                  << QList<QStringList>{{"1", "1", "2", "3", "4", "5", "6"},
                                                        {"2", "1", "2", "3", "4", "5", "7"},
                                                        {"3", "9", "10", "11", "12", "13", "14"}};
        QTest::newRow("Punkt trennt Tausender") << QList<QStringList>{{"1.234"}, {"999"}, {"1.000,5"}}
                                                << QList<QStringList>{{"1", "999", "", "", "", "", ""},
                                                                      {"2", "1.000,5", "", "", "", "", ""},
                                                                      {"3", "1.234", "", "", "", "", ""}};
        QTest::newRow("leer nach 0 und Negativem, vor 1")
            << QList<QStringList>{{"1"}, {""}, {"0"}, {"-3"}, {"0,5"}}
            << QList<QStringList>{{"1", "-3", "", "", "", "", ""},
                                  {"2", "0", "", "", "", "", ""},
                                  {"3", "", "", "", "", "", ""},
                                  {"4", "0,5", "", "", "", "", ""},
                                  {"5", "1", "", "", "", "", ""}};
        QTest::newRow("gleiche Schlüssel bleiben in ihrer Reihenfolge")
            << QList<QStringList>{{"2", "", "", "", "", "", "a"},
                                  {"1"},
                                  {"2", "", "", "", "", "", "b"},
                                  {"2", "", "", "", "", "", "c"}}
            << QList<QStringList>{{"1", "1", "", "", "", "", ""},
                                  {"2", "2", "", "", "", "", "", "a"},
                                  {"3", "2", "", "", "", "", "", "b"},
                                  {"4", "2", "", "", "", "", "", "c"}};
    }
    void sortieren() {
        QFETCH(QList<QStringList>, vorher);
        QFETCH(QList<QStringList>, nachher);
        TippreihenDaten t = tabelle(vorher);
        QVERIFY(ReihenSortieren(t, AlleSpalten, 1, t.zeilenAnzahl() - 1).ok());
        const QList<QStringList> ist = inhalt(t);
        QCOMPARE(ist.size(), nachher.size());
        for (qsizetype i = 0; i < nachher.size(); ++i)
            QCOMPARE(ist[i].mid(0, nachher[i].size()), nachher[i]);
    }

    void fehler_data() {
        QTest::addColumn<int>("zeilen");
        QTest::addColumn<int>("erste");
        QTest::addColumn<int>("letzte");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("letzte hinter dem Ende") << 3 << 1 << 4 << "Falsche Zeilenangabe";
        QTest::newRow("erste nach letzter") << 3 << 3 << 2 << "Falsche Zeilenangabe";
        QTest::newRow("erste negativ") << 3 << -1 << 2 << "Falsche Zeilenangabe";
        QTest::newRow("ohne Datenzeilen") << 0 << 1 << 0 << "Falsche Zeilenangabe";
        QTest::newRow("keine Zahl") << 3 << 1 << 3 << "Werte entsprechen nicht dem Typ Zahl";
    }
    void fehler() {
        QFETCH(int, zeilen);
        QFETCH(int, erste);
        QFETCH(int, letzte);
        QFETCH(QString, meldung);
        QList<QStringList> daten;
        for (int z = 0; z < zeilen; ++z)
            daten.append({QString::number(10 - z), z == 1 ? QStringLiteral("x") : QStringLiteral("1")});
        TippreihenDaten t = tabelle(daten);
        const auto vorher = inhalt(t);
        const Status s = ReihenSortieren(t, AlleSpalten, erste, letzte);
        QCOMPARE(s.fehler(), meldung);
        QCOMPARE(inhalt(t), vorher); // nothing moved
    }

    // The packed fast path and the general comparison give the same order as a plain
    // stable sort of the numbers.
    void gleichesErgebnisWieEinfacheSortierung() {
        std::mt19937 rng(7);
        for (const bool mitDezimal : {false, true}) {
            QList<QStringList> daten;
            for (int z = 0; z < 3000; ++z) {
                QStringList zeile;
                for (int s = 0; s < 7; ++s) {
                    // Empty cells and zeros too: empty sorts between 0 and 1.
                    const int w = static_cast<int>(rng() % 13);
                    zeile.append(w == 0 ? QString() : QString::number(w % 12));
                }
                if (mitDezimal && z % 100 == 0)
                    zeile[2] = QStringLiteral("%1,5").arg(rng() % 12);
                daten.append(zeile);
            }
            TippreihenDaten t = tabelle(daten);
            const auto schluessel = [](const QStringList& zeile) {
                std::array<double, 6> k{};
                for (int s = 0; s < 6; ++s)
                    k[s] = zeile[s].isEmpty() ? 1e-300 : QLocale().toDouble(zeile[s]);
                return k;
            };
            std::stable_sort(daten.begin(), daten.end(), [&](const QStringList& a, const QStringList& b) {
                return schluessel(a) < schluessel(b);
            });
            QVERIFY(ReihenSortieren(t, AlleSpalten, 1, 3000).ok());
            for (int z = 0; z < 3000; ++z)
                for (int s = 0; s < 7; ++s)
                    QCOMPARE(t.zelle(s + 1, z + 1), daten[z][s]);
        }
    }

    void teilbereichUndSchluesselauswahl() {
        TippreihenDaten t = tabelle({{"5", "1"}, {"4", "2"}, {"3", "3"}, {"2", "1"}, {"1", "2"}});
        QVERIFY(ReihenSortieren(t, {2, 1}, 2, 4).ok());
        QCOMPARE(t.zelle(1, 1), QStringLiteral("5"));
        QCOMPARE(t.zelle(1, 2), QStringLiteral("2"));
        QCOMPARE(t.zelle(1, 3), QStringLiteral("4"));
        QCOMPARE(t.zelle(1, 4), QStringLiteral("3"));
        QCOMPARE(t.zelle(1, 5), QStringLiteral("1"));
    }
};
KB_TEST(ReihenSortTest)

#include "row_sort_test.moc"
