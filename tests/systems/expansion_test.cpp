#include "core/ini_file.h"
#include "systems/catalogue.h"
#include "systems/expansion.h"
#include "systems/system_filter.h"
#include "test_main.h"

using namespace kb;

namespace {

QString reihe(const Tippreihe& t) {
    QStringList s;
    for (auto z : t)
        s.append(QString::number(z));
    return s.join(QLatin1Char(' '));
}

} // namespace

class ExpansionTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QCOMPARE(SystemeAufbauen(MaxSystemreihen), 437); }

    void ohneSystem() {
        Systemauswahl a;
        QCOMPARE(a.BLotUrClick(5)->text, KeinSystemText);
        QCOMPARE(a.BZufallClick(1)->text, KeinSystemText);
        const auto r = a.SystemAnwenden();
        QCOMPARE(std::get<AuswahlMeldung>(r).text, KeinSystemText);
        QCOMPARE(a.AnzWZ(), 0);
    }

    void wahlUndBankzahlen() {
        // Position 76: RG 5, 14 Wahlzahlen; we need one with 10 Wahlzahlen and 1 Bankzahl.
        int pos = -1;
        for (int p = 0; p < static_cast<int>(Systeme().size()); ++p)
            if (Systeme()[static_cast<std::size_t>(p)].WZ == 10 &&
                Systeme()[static_cast<std::size_t>(p)].RG == 5) {
                pos = p;
                break;
            }
        QVERIFY(pos >= 0);
        Systemauswahl a;
        a.GewaehltesSystem(pos);
        QCOMPARE(a.SollWZ(), 10);
        QCOMPARE(a.SollBZ(), 1);
        for (int n = 1; n <= 10; ++n)
            QVERIFY(!a.BLotUrClick(n));
        QVERIFY(!a.BLotUrClick(11));
        QCOMPARE(a.look(11), ZahlLook::Bankzahl);
        QCOMPARE(a.look(10), ZahlLook::Wahlzahl);
        const auto m = a.BLotUrClick(12);
        QVERIFY(m && m->fehler);
        QCOMPARE(m->text, QStringLiteral("Sie haben bereits 1 Bankzahlen gewählt."));
        QCOMPARE(a.AnzBZ(), 1);
        // Taking back a Wahlzahl lets the next new number be a Wahlzahl again.
        QVERIFY(!a.BLotUrClick(3));
        QVERIFY(!a.BLotUrClick(12));
        QCOMPARE(a.look(12), ZahlLook::Wahlzahl);
        QVERIFY(std::holds_alternative<Systemreihen>(a.SystemAnwenden()));

        Systemauswahl ohne;
        ohne.GewaehltesSystem(355); // 10/15, no Bankzahl
        for (int n = 1; n <= 10; ++n)
            ohne.BLotUrClick(n);
        QCOMPARE(ohne.BLotUrClick(20)->text, QStringLiteral("Sie haben bereits 10 Zahlen gewählt."));
        ohne.BLotUrClick(10);
        QCOMPARE(std::get<AuswahlMeldung>(ohne.SystemAnwenden()).text,
                 QStringLiteral("Bitte wählen Sie oben 10 Tippahlen.\r\rIch breche erst einmal ab."));
    }

    void neunZwoelf() {
        Systemauswahl a;
        a.GewaehltesSystem(347);
        for (int n : {3, 8, 11, 17, 22, 29, 34, 40, 45})
            a.BLotUrClick(n);
        const auto r = std::get<Systemreihen>(a.SystemAnwenden());
        QCOMPARE(r.TR, 12);
        QCOMPARE(reihe(r.Tippreihen.front()), QStringLiteral("3 8 11 17 22 29"));
        for (int n : {3, 8, 11, 17, 22, 29, 34, 40, 45})
            QCOMPARE(r.ZahlHaeufigkeit[static_cast<std::size_t>(n)], 8);
        QCOMPARE(r.ZahlHaeufigkeit[1], 0);
        QCOMPARE(KachelFuer(8, 12), KachelLook::Normal);
        QCOMPARE(KachelFuer(0, 12), KachelLook::Leer);
        const TippreihenDaten d = ReihenTabelle(r);
        QCOMPARE(d.zeilenAnzahl(), 13);
        QCOMPARE(d.zelle(0, 12), QStringLiteral("12"));
    }

    void vollsystemSieben() {
        Systemauswahl a;
        a.GewaehltesSystem(431);
        for (int n : {40, 2, 9, 33, 17, 5, 21})
            a.BLotUrClick(n);
        const auto r = std::get<Systemreihen>(a.SystemAnwenden());
        QCOMPARE(r.TR, 7);
        for (int n : {2, 5, 9, 17, 21, 33, 40})
            QCOMPARE(r.ZahlHaeufigkeit[static_cast<std::size_t>(n)], 6);
        const TippreihenDaten d = ReihenTabelle(r);
        QStringList erste;
        for (int s = 1; s <= 6; ++s)
            erste.append(d.zelle(s, 1));
        QCOMPARE(erste.join(QLatin1Char(' ')), QStringLiteral("2 5 9 17 21 33"));
        QCOMPARE(d.zelle(0, 1), QStringLiteral("1"));
    }

    void zweiBankzahlen() {
        Systemauswahl a;
        a.GewaehltesSystem(220); // RG 4, 5 Wahlzahlen, 3 rows
        QCOMPARE(a.SollBZ(), 2);
        for (int n : {1, 2, 3, 4, 5, 48, 49})
            a.BLotUrClick(n);
        const auto r = std::get<Systemreihen>(a.SystemAnwenden());
        QCOMPARE(r.ZahlHaeufigkeit[48], r.TR);
        QCOMPARE(r.ZahlHaeufigkeit[49], r.TR);
        QCOMPARE(KachelFuer(r.ZahlHaeufigkeit[48], r.TR), KachelLook::Hervorgehoben);
        for (const Tippreihe& t : r.Tippreihen)
            QCOMPARE(int(t[4]) * 100 + t[5], 4849);
    }

    void zufall_data() {
        QTest::addColumn<int>("position");
        QTest::newRow("9/12, drawn") << 347;
        QTest::newRow("26/130, excluded drawn") << 350;
        QTest::newRow("48 + 1, whole pool") << 180;
        QTest::newRow("two Bankzahlen") << 220;
    }
    void zufall() {
        QFETCH(int, position);
        Systemauswahl a;
        a.GewaehltesSystem(position);
        a.BLotUrClick(1); // earlier choices go
        QVERIFY(!a.BZufallClick(4711));
        QCOMPARE(a.AnzWZ(), a.SollWZ());
        QCOMPARE(a.AnzBZ(), a.SollBZ());
        QVERIFY(a.WahlZahlen().schnitt(a.BankZahlen()).leer());
        QVERIFY(std::holds_alternative<Systemreihen>(a.SystemAnwenden()));
        // The same seed gives the same choice.
        Systemauswahl b;
        b.GewaehltesSystem(position);
        b.BZufallClick(4711);
        QCOMPARE(b.WahlZahlen(), a.WahlZahlen());
    }

    void trPasst_data() {
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("von");
        QTest::addColumn<int>("bis");
        QTest::newRow("24") << 24 << 18 << 30;
        QTest::newRow("200") << 200 << 150 << 250;
        QTest::newRow("12") << 12 << 1 << 20;
        QTest::newRow("22") << 22 << 17 << 30;
    }
    void trPasst() {
        QFETCH(int, w);
        QFETCH(int, von);
        QFETCH(int, bis);
        for (int r = 1; r <= 400; ++r)
            QVERIFY2(TRPasst(r, w) == (r >= von && r <= bis), qPrintable(QString::number(r)));
        QVERIFY(TRPasst(900, w, true));
        QVERIFY(TRPasst(900, w, false, true));
    }

    void filter() {
        FilterWerte alles;
        alles.ZPegal = alles.GAegal = alles.TRegal = alles.BZegal = true;
        const FilterErgebnis e = SystemeFiltern(alles);
        int erwartet = 0;
        for (const TSysteme& s : Systeme())
            erwartet += s.WZ + s.bankzahlen() <= 49 ? 1 : 0;
        QCOMPARE(e.ListenSysteme.size(), erwartet);
        QCOMPARE(e.anzahlText, QStringLiteral("%1 Systeme gefunden").arg(erwartet));
        for (qsizetype i = 1; i < e.ListenSysteme.size(); ++i) {
            const auto& a = Systeme()[static_cast<std::size_t>(e.ListenSysteme[i - 1])];
            const auto& b = Systeme()[static_cast<std::size_t>(e.ListenSysteme[i])];
            QVERIFY(a.bankzahlen() < b.bankzahlen() ||
                    (a.bankzahlen() == b.bankzahlen() && e.ListenSysteme[i - 1] < e.ListenSysteme[i]));
        }

        alles.Scheinsysteme = true;
        const FilterErgebnis schein = SystemeFiltern(alles);
        QVector<int> reihenfolge;
        for (int p = 347; p <= 358; ++p)
            reihenfolge.append(p);
        for (int p = 431; p <= 436; ++p)
            reihenfolge.append(p);
        QCOMPARE(schein.ListenSysteme, reihenfolge);
        for (const QString& t : schein.eintraege)
            QVERIFY(t.startsWith(QStringLiteral("* ")));

        FilterWerte f;
        f.ZP = 12;
        f.GA = 3;
        f.TR = 22;
        f.BZ = 0;
        f.GARadio = f.BZRadio = GenauItem;
        QVERIFY(SystemeFiltern(f).eintraege.contains(
            QStringLiteral("* 12 Wahlzahlen ohne BZ in 22 Reihen mit 3er Garantie")));

        FilterWerte g;
        g.BZegal = true;
        g.GA = 3;
        g.GARadio = 0;
        const FilterErgebnis gesenkt = SystemeFiltern(g);
        QVERIFY(gesenkt.garantieGesenkt);
        QCOMPARE(gesenkt.GA, 2);
        QCOMPARE(gesenkt.GARadio, GenauItem);

        FilterWerte fest;
        fest.BZ = 0;
        fest.BZRadio = GenauItem;
        fest.GA = 6;
        fest.ZP = 10;
        QVERIFY(ReihenzahlFest(fest));
        QCOMPARE(FesteReihenzahl(fest), 210);
        QCOMPARE(SystemeFiltern(fest).ListenSysteme, QVector<int>{434});
        fest.GAegal = true;
        QVERIFY(!ReihenzahlFest(fest));

        FilterWerte leer;
        leer.ZP = 4;
        leer.BZ = 0;
        QCOMPARE(SystemeFiltern(leer).anzahlText, QStringLiteral("Keine Systeme gefunden"));
    }

    void einstellungen() {
        const IniDatei leer = IniDatei::ausText(QString());
        const FilterWerte d = FilterLesen(leer);
        QCOMPARE(d.ZP, 12);
        QCOMPARE(d.BZ, 0);
        QCOMPARE(d.GARadio, 0);
        QVERIFY(!d.Scheinsysteme);
        FilterWerte f;
        f.ZP = 22;
        f.GA = 3;
        f.TR = 77;
        f.BZ = 1;
        f.GARadio = 0;
        f.BZRadio = 1;
        f.Scheinsysteme = true;
        f.TRegal = true;
        IniDatei ini = IniDatei::ausText(QString());
        FilterSchreiben(ini, f);
        QCOMPARE(FilterLesen(IniDatei::ausText(ini.text())), f);
        QCOMPARE(FilterLesen(IniDatei::ausText(QStringLiteral("[Filter]\nZP=400\nBZ=-3\n"))).ZP, 49);
    }
};

KB_TEST(ExpansionTest)
#include "expansion_test.moc"
