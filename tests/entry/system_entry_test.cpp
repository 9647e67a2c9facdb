#include "core/date.h"
#include "core/program_state.h"
#include "core/record_file.h"
#include "core/ticket_file.h"
#include "entry/slip_field_frame.h"
#include "entry/system_entry_window.h"
#include "entry/system_slip.h"
#include "evaluation/evaluation_panel.h"
#include "evaluation/main_window.h"
#include "evaluation/startup.h"
#include "evaluation/ticket_models.h"
#include "evaluation/ticket_tabs.h"
#include "evaluation/window_router.h"
#include "platform/testing/test_services.h"
#include "systems/catalogue.h"
#include "test_main.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>

using namespace kb;

namespace {

const QColor Gruen(0, 255, 0);
const QColor Hellrot(255, 91, 91);

// Centre of a box: a number box's column j (1..7) and row i (0..6), written out as on the slip.
QPoint zahlPunkt(int n) {
    static const int x[] = {5, 26, 47, 67, 87, 107, 127};
    static const int y[] = {-3, 19, 42, 63, 85, 107, 129};
    return {x[(n - 1) % 7] + 8, y[(n - 1) / 7] + 8};
}
QPoint systemPunkt(int code) {
    static const int x[] = {5, 26, 47, 67, 87, 107};
    static const int y[] = {174, 240, 284};
    return {x[(code - 1) % 6] + 8, y[(code - 1) / 6] + 8};
}

// The window with its scripted services.
struct Aufbau {
    test::TestDienste d;
    Fensterverwaltung router;
    TFEingabeSys2 w{d.dienste, router};

    Aufbau() {
        w.show();
        if (!QTest::qWaitForWindowExposed(&w))
            qWarning("Fenster nicht sichtbar");
    }
    TFfrSysSchein* feld(int f) const { return w.findChild<TFfrSysSchein*>(QStringLiteral("Feld%1").arg(f)); }
    // A click where the user would click: whatever lies on the picture there gets it (a cross
    // above the click panel, or the panel itself).
    void klick(int f, QPoint p) {
        QWidget* bild = feld(f)->bild();
        QWidget* ziel = bild->childAt(p);
        QVERIFY(ziel);
        QTest::mouseClick(ziel, Qt::LeftButton, {}, ziel->mapFrom(bild, p));
    }
    void zahl(int f, int n) { klick(f, zahlPunkt(n)); }
    void system(int f, int code) { klick(f, systemPunkt(code)); }
    void fuellen(int f, int code, const QList<int>& zahlen) {
        system(f, code);
        for (int n : zahlen)
            zahl(f, n);
    }
    QLabel* stand(int f) const { return feld(f)->stand(); }
    QColor standFarbe(int f) const { return stand(f)->palette().color(QPalette::Window); }
    // Names of the field's crosses, sorted.
    QStringList kreuze(int f) const {
        QStringList namen;
        for (TKreuz* k : feld(f)->kreuze())
            namen.append(k->objectName());
        namen.sort();
        return namen;
    }
    QLineEdit* esz() const { return w.findChild<QLineEdit*>(QStringLiteral("ESZ")); }
    QString datei() const { return w.findChild<QLabel*>(QStringLiteral("LDatei"))->text(); }
    void knopf(const char* name) {
        QTest::mouseClick(
            w.findChild<QWidget*>(QStringLiteral("Tool1"))->findChild<QPushButton*>(QLatin1String(name)),
            Qt::LeftButton);
    }
};

QVector<TSySSchein> lesen(const QString& pfad) {
    const auto s = SystemscheinLesen(pfad);
    return s.ok() ? s->felder : QVector<TSySSchein>{};
}

TSySSchein record(int sz, int sys, const QList<int>& zahlen) {
    TSySSchein r;
    r.SZ = static_cast<std::int8_t>(sz);
    r.Sys = static_cast<std::uint8_t>(sys);
    for (int i = 0; i < zahlen.size(); ++i)
        r.WZ[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(zahlen[i]);
    return r;
}

QStringList sortiert(QStringList l) {
    l.sort();
    return l;
}

QList<int> bereich(int von, int bis) {
    QList<int> l;
    for (int n = von; n <= bis; ++n)
        l.append(n);
    return l;
}

} // namespace

class SystemscheinEingabeTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_daten;
    QString pfad(const QString& name) const { return m_daten.filePath(name); }

private Q_SLOTS:
    void initTestCase() { SystemeAufbauen(); }

    void init() {
        zustand() = Programmzustand{};
        zustand().DatenPfad = m_daten.path() + QLatin1Char('/');
        zustand().LandesFormat = QLocale(QLocale::German, QLocale::Germany);
    }

    // Hit rules: bands by y, 16 x 16 boxes, gaps between boxes hit nothing.
    void trefferAnPunkt_data() {
        QTest::addColumn<QPoint>("punkt");
        QTest::addColumn<int>("art");
        QTest::addColumn<int>("wert");
        QTest::newRow("1 oben links") << QPoint(5, 0) << 1 << 1;
        QTest::newRow("1 unten rechts") << QPoint(20, 12) << 1 << 1;
        QTest::newRow("Lücke zwischen 1 und 2") << QPoint(21, 5) << 0 << 0;
        QTest::newRow("Lücke zwischen den Zeilen") << QPoint(10, 15) << 0 << 0;
        QTest::newRow("8") << QPoint(5, 19) << 1 << 8;
        QTest::newRow("49 unten rechts") << QPoint(142, 144) << 1 << 49;
        QTest::newRow("rechts neben 49") << QPoint(143, 144) << 0 << 0;
        QTest::newRow("unter den Zahlen") << QPoint(10, 150) << 0 << 0;
        QTest::newRow("über den Vollsystemen") << QPoint(10, 173) << 0 << 0;
        QTest::newRow("007") << QPoint(5, 174) << 2 << 1;
        QTest::newRow("012") << QPoint(122, 189) << 2 << 6;
        QTest::newRow("siebte Spalte der Systeme") << QPoint(130, 180) << 0 << 0;
        QTest::newRow("9/12") << QPoint(12, 245) << 2 << 7;
        QTest::newRow("zwischen den Teilsystemen") << QPoint(12, 262) << 0 << 0;
        QTest::newRow("14/87 (13 bis 18)") << QPoint(30, 290) << 2 << 14;
        QTest::newRow("26/130") << QPoint(122, 299) << 2 << 18;
        QTest::newRow("Fuß") << QPoint(10, 320) << 0 << 0;
    }
    void trefferAnPunkt() {
        QFETCH(QPoint, punkt);
        QFETCH(int, art);
        QFETCH(int, wert);
        QCOMPARE(TrefferAnPunkt(punkt.x(), punkt.y()), (Treffer{static_cast<TrefferArt>(art), wert}));
    }

    void korrekteFelder_data() {
        QTest::addColumn<QList<int>>("felder");
        QTest::addColumn<QString>("phrase");
        QTest::newRow("keins") << QList<int>{} << QString();
        QTest::newRow("eins") << QList<int>{4} << QStringLiteral("wird nur Feld 4");
        QTest::newRow("zwei") << QList<int>{1, 3} << QStringLiteral("werden die Felder 1 und 3");
        QTest::newRow("vier") << QList<int>{1, 2, 5, 6} << QStringLiteral("werden die Felder 1, 2, 5 und 6");
        QTest::newRow("fünf") << QList<int>{1, 2, 3, 4, 6}
                              << QStringLiteral("werden die Felder 1, 2, 3, 4 und 6");
        QTest::newRow("sechs") << QList<int>{1, 2, 3, 4, 5, 6} << QString();
    }
    void korrekteFelder() {
        QFETCH(QList<int>, felder);
        QFETCH(QString, phrase);
        Systemschein s;
        for (int f = 1; f <= ScheinFelder; ++f) {
            s.TrefferVerwerten(TrefferArt::System, 1, f);
            // Incomplete fields (six of seven) must not be named.
            for (int n = 1; n <= (felder.contains(f) ? 7 : 6); ++n)
                s.TrefferVerwerten(TrefferArt::Zahl, n, f);
        }
        const KorrekteFelderErgebnis k = s.KorrekteFelder();
        QCOMPARE(k.anzahl, felder.size());
        QCOMPARE(k.phrase, phrase);
        QCOMPARE(s.SpeicherFelder().size(), felder.size());
    }

    void aufbau() {
        Aufbau a;
        QCOMPARE(a.w.windowTitle(), QStringLiteral("Kugelblick 1.7.0.0"));
        QCOMPARE(a.w.size(), QSize(871, 554));
        for (int f = 1; f <= 6; ++f) {
            TFfrSysSchein* r = a.feld(f);
            QVERIFY(r);
            QCOMPARE(r->x(), (f - 1) * 145);
            QCOMPARE(r->bild()->size(), QSize(144, 335));
            QCOMPARE(r->panel()->geometry(), QRect(0, 0, 144, 335));
            QCOMPARE(a.stand(f)->text(), QStringLiteral("0"));
            QVERIFY(r->findChild<QToolButton*>(QStringLiteral("BDel")));
            // The picture is inside the window, not cut off by it.
            QVERIFY(a.w.rect().contains(r->mapTo(&a.w, r->rect().bottomRight())));
        }
        QStringList texte;
        for (QLabel* l : a.w.findChild<QWidget*>(QStringLiteral("Tool1"))->findChildren<QLabel*>())
            texte.append(l->text());
        for (const char* t : {"Hier können Sie Ihren Systemschein eingeben",
                              "Wählen Sie erst das Spielsystem und im Anschluss die entsprechenden Zahlen.",
                              "Super-\nzahl:", "letzte Ziffer der Losnummer auf Ihrem Spielschein"})
            QVERIFY2(texte.contains(QString::fromUtf8(t)), t);
        const auto knopfText = [&a](const char* name) {
            return a.w.findChild<QWidget*>(QStringLiteral("Tool1"))
                ->findChild<QPushButton*>(QLatin1String(name))
                ->text();
        };
        QCOMPARE(knopfText("BOpen"), QStringLiteral("Spielschein ö&ffnen"));
        QCOMPARE(knopfText("BSave"), QStringLiteral("Spielschein s&peichern"));
        QCOMPARE(knopfText("BDel"), QStringLiteral("Alle Angaben löschen"));
        QCOMPARE(a.w.findChild<QPushButton*>(QStringLiteral("BSchliessen"))->text(),
                 QStringLiteral("Sch&ließen"));
        QStringList navigation;
        for (QAction* act : a.w.findChild<QToolBar*>(QStringLiteral("NavLeiste"))->actions())
            navigation.append(act->objectName());
        QCOMPARE(navigation, (QStringList{"BClose", "BEingabeN", "BDruck", "BSystemWahl", "BStatistik",
                                          "BUpdate", "BQuoten", "BNoverK", "BKal", "BCalc", "BHelp"}));
        a.w.findChild<QToolBar*>(QStringLiteral("NavLeiste"))
            ->findChild<QAction*>(QStringLiteral("BHelp"))
            ->trigger();
        QCOMPARE(a.d.hilfe.aufrufe, QStringList{"thema:1040"});

        // Superzahl: one digit, other keys dropped.
        QTest::keyClicks(a.esz(), QStringLiteral("a7x8"));
        QCOMPARE(a.esz()->text(), QStringLiteral("7"));
    }

    // A number before its system is refused; crosses carry their names and tags; a number's
    // cross can always be taken back, also after the system box was cleared.
    void zahlVorSystemUndZuruecknehmen() {
        Aufbau a;
        a.zahl(1, 5);
        QCOMPARE(a.d.dialoge.texte(), QStringList{"Bitte wählen Sie zuächst das System aus."});
        QCOMPARE(a.d.dialoge.meldungen.first().art, Nachricht::Information);
        QVERIFY(a.kreuze(1).isEmpty());

        a.system(1, 7);
        a.zahl(1, 5);
        a.zahl(1, 49);
        QCOMPARE(a.kreuze(1), sortiert({"Kreuz1005", "Kreuz10049", "Kreuz10007"}));
        QCOMPARE(a.feld(1)->kreuz(105)->property("tag").toInt(), 105);
        QCOMPARE(a.feld(1)->kreuz(1007)->property("tag").toInt(), 1007);
        TKreuz* k = a.feld(1)->kreuz(105);
        QCOMPARE(k->text(), QStringLiteral("x"));
        QCOMPARE(k->size(), QSize(13, 13));
        QCOMPARE(k->font().family(), QStringLiteral("Arial"));
        QCOMPARE(k->font().pointSize(), 14);
        QCOMPARE(k->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(a.stand(1)->text(), QStringLiteral("2"));
        QVERIFY(a.kreuze(2).isEmpty()); // the other fields are untouched

        // A click on the system cross clears the system; the numbers stay.
        a.system(1, 7);
        QCOMPARE(a.kreuze(1), sortiert({"Kreuz1005", "Kreuz10049"}));
        QCOMPARE(a.w.schein().feld(1).code, 0);
        // Clicking the cross of 5 takes it back without any message.
        a.zahl(1, 5);
        QCOMPARE(a.kreuze(1), QStringList{"Kreuz10049"});
        QCOMPARE(a.stand(1)->text(), QStringLiteral("1"));
        QCOMPARE(a.d.dialoge.meldungen.size(), 1);
        // A click on another system box moves the mark.
        a.system(1, 1);
        a.system(1, 18);
        QCOMPARE(a.kreuze(1), sortiert({"Kreuz10049", "Kreuz100018"}));
        QCOMPARE(a.w.schein().feld(1).benoetigt, 26);
    }

    void zehnAusFuenfzehnUndWechselAufNeunAusZwoelf() {
        Aufbau a;
        a.fuellen(2, 8, bereich(11, 20));
        QCOMPARE(a.stand(2)->text(), QStringLiteral("10"));
        QCOMPARE(a.standFarbe(2), Gruen);
        QVERIFY(a.w.schein().feld(2).komplett);
        a.zahl(2, 30); // the eleventh is ignored
        QCOMPARE(a.stand(2)->text(), QStringLiteral("10"));
        QVERIFY(!a.feld(2)->kreuz(230));
        QVERIFY(a.d.dialoge.meldungen.isEmpty());

        a.system(2, 7); // "9/12"
        QCOMPARE(a.w.schein().feld(2).anzahl, 10);
        QCOMPARE(a.stand(2)->text(), QStringLiteral("10"));
        QCOMPARE(a.standFarbe(2), Hellrot);
        QVERIFY(!a.w.schein().feld(2).komplett);
        QVERIFY(a.feld(2)->kreuz(2007) && !a.feld(2)->kreuz(2008));
        // One number back: nine of nine, complete again.
        a.zahl(2, 20);
        QCOMPARE(a.standFarbe(2), Gruen);
        a.zahl(2, 19);
        QCOMPARE(a.standFarbe(2), a.feld(1)->stand()->palette().color(QPalette::Window));
    }

    void loeschen() {
        Aufbau a;
        a.fuellen(1, 1, bereich(1, 7));
        a.fuellen(3, 2, bereich(1, 8));
        a.system(4, 5); // only the system box
        a.esz()->setText(QStringLiteral("3"));
        // The delete button of field 3 empties that field only.
        QTest::mouseClick(a.feld(3)->findChild<QToolButton*>(QStringLiteral("BDel")), Qt::LeftButton);
        QVERIFY(a.kreuze(3).isEmpty());
        QCOMPARE(a.stand(3)->text(), QStringLiteral("0"));
        QCOMPARE(a.kreuze(1).size(), 8);

        a.knopf("BDel");
        for (int f = 1; f <= 6; ++f) {
            QVERIFY(a.kreuze(f).isEmpty());
            QCOMPARE(a.stand(f)->text(), QStringLiteral("0"));
            QCOMPARE(a.w.schein().feld(f).code, 0);
        }
        QVERIFY(a.standFarbe(1) != Gruen);
        QVERIFY(a.esz()->text().isEmpty());
        // The slip is usable again: a number needs a system first.
        a.zahl(4, 1);
        QCOMPARE(a.d.dialoge.texte(), QStringList{"Bitte wählen Sie zuächst das System aus."});
    }

    void speichernFelderEinsUndDrei() {
        Aufbau a;
        a.fuellen(3, 7, {40, 2, 33, 4, 25, 6, 17, 8, 9}); // "9/12", crossed out of order
        a.fuellen(1, 2, bereich(1, 8));                   // "008"
        a.fuellen(2, 8, bereich(1, 9));                   // incomplete
        a.esz()->setText(QStringLiteral("7"));
        const QString datei = pfad(QStringLiteral("eins-drei.skb"));
        a.d.dialoge.antworten.enqueue(Antwort::Ja);
        a.d.dateiDialoge.speichernAntworten.enqueue(datei);
        a.knopf("BSave");
        QCOMPARE(a.d.dialoge.texte(),
                 QStringList{"Es werden die Felder 1 und 3 gespeichert.\r\rIst das korrekt?"});
        QCOMPARE(a.d.dialoge.meldungen.first().knoepfe, Knoepfe::JaNein);
        const DateiDialogOptionen& o = a.d.dateiDialoge.aufrufe.first();
        QCOMPARE(o.titel, QStringLiteral("Systemschein speichern"));
        QCOMPARE(o.standardEndung, QStringLiteral("skb"));
        QCOMPARE(o.startOrdner, zustand().DatenPfad);
        QVERIFY(o.filter.contains(QStringLiteral("Systemschein-Datei")) &&
                o.filter.contains(QStringLiteral("*.skb")));

        QFile f(datei);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QCOMPARE(bytes.size(), 102);
        QCOMPARE(bytes.mid(0, 10), QByteArray::fromHex("07020102030405060708"));
        QCOMPARE(bytes.mid(10, 41), QByteArray(41, '\0'));
        QCOMPARE(bytes.mid(51, 11), QByteArray::fromHex("0707020406080911192128"));
        const QVector<TSySSchein> r = lesen(datei);
        QCOMPARE(r[1], record(7, 7, {2, 4, 6, 8, 9, 17, 25, 33, 40}));
        QCOMPARE(a.datei(), QStringLiteral("Gespeichert: eins-drei.skb"));
    }

    // No to the field question, Yes to the Superzahl question, or a cancelled dialog: no file.
    void speichernAbgebrochen_data() {
        QTest::addColumn<QList<int>>("antworten");
        QTest::addColumn<bool>("dialog");
        QTest::addColumn<QStringList>("texte");
        const QString frage = QStringLiteral("Es wird nur Feld 2 gespeichert.\r\rIst das korrekt?");
        const QString sz = QStringLiteral("Wollen Sie zuvor noch die Superzahl eingeben?");
        QTest::newRow("Felder: Nein") << QList<int>{int(Antwort::Nein)} << false << QStringList{frage};
        QTest::newRow("Superzahl: Ja")
            << QList<int>{int(Antwort::Ja), int(Antwort::Ja)} << false << QStringList{frage, sz};
        QTest::newRow("Dialog abgebrochen")
            << QList<int>{int(Antwort::Ja), int(Antwort::Nein)} << true << QStringList{frage, sz};
    }
    void speichernAbgebrochen() {
        QFETCH(QList<int>, antworten);
        QFETCH(bool, dialog);
        QFETCH(QStringList, texte);
        Aufbau a;
        a.fuellen(2, 1, bereich(1, 7));
        for (int x : antworten)
            a.d.dialoge.antworten.enqueue(static_cast<Antwort>(x));
        a.d.dateiDialoge.speichernAntworten.enqueue(QString());
        a.knopf("BSave");
        QCOMPARE(a.d.dialoge.texte(), texte);
        QCOMPARE(a.d.dateiDialoge.aufrufe.size(), dialog ? 1 : 0);
        QVERIFY(a.datei().isEmpty());
        QCOMPARE(a.kreuze(2).size(), 8);
    }

    void speichernOhneVollstaendigesFeld() {
        Aufbau a;
        a.fuellen(1, 3, bereich(1, 8)); // "009" with 8 of 9
        a.knopf("BSave");
        QCOMPARE(
            a.d.dialoge.texte(),
            QStringList{"Kein Feld enthält vollständige Angaben.\r\rDer Speichervorgang wird abgebrochen."});
        QCOMPARE(a.d.dialoge.meldungen.first().art, Nachricht::Fehler);
        QVERIFY(a.d.dateiDialoge.aufrufe.isEmpty());
    }

    void sechsFelderOhneFrage() {
        Aufbau a;
        for (int f = 1; f <= 6; ++f)
            a.fuellen(f, f, bereich(f, f + 5 + f));
        a.esz()->setText(QStringLiteral("4"));
        const QString datei = pfad(QStringLiteral("sechs.skb"));
        a.d.dateiDialoge.speichernAntworten.enqueue(datei);
        a.knopf("BSave");
        QVERIFY(a.d.dialoge.meldungen.isEmpty());
        const QVector<TSySSchein> r = lesen(datei);
        QCOMPARE(r.size(), 6);
        for (int f = 1; f <= 6; ++f) {
            QCOMPARE(r[f - 1].SZ, 4);
            QCOMPARE(r[f - 1].Sys, f);
            QCOMPARE(r[f - 1].WZ[0], f);
            QCOMPARE(r[f - 1].WZ[static_cast<std::size_t>(6 + f - 1)], f + 5 + f);
            QCOMPARE(r[f - 1].WZ[static_cast<std::size_t>(6 + f)], 0);
        }
    }

    // No Superzahl: the file holds -1, and opening it leaves the entry empty.
    void ohneSuperzahlUndWiederOeffnen() {
        Aufbau a;
        a.fuellen(5, 12, bereich(20, 31)); // "12/22"
        a.d.dialoge.antworten.enqueue(Antwort::Ja);
        a.d.dialoge.antworten.enqueue(Antwort::Nein);
        const QString datei = pfad(QStringLiteral("ohne.skb"));
        a.d.dateiDialoge.speichernAntworten.enqueue(datei);
        a.knopf("BSave");
        QCOMPARE(a.d.dialoge.texte().last(), QStringLiteral("Wollen Sie zuvor noch die Superzahl eingeben?"));
        const QVector<TSySSchein> r = lesen(datei);
        QCOMPARE(r.size(), 1);
        QCOMPARE(r[0].SZ, -1);

        a.esz()->setText(QStringLiteral("5"));
        a.d.dateiDialoge.oeffnenAntworten.enqueue({datei});
        a.knopf("BOpen");
        QVERIFY(a.esz()->text().isEmpty());
        // Record 1 lands in field 1, wherever it was on the slip.
        QCOMPARE(a.w.schein().feld(1).code, 12);
        QCOMPARE(a.standFarbe(1), Gruen);
        QVERIFY(a.kreuze(5).isEmpty());
        QCOMPARE(a.d.dateiDialoge.aufrufe.last().titel, QStringLiteral("Systemschein-Datei öffnen"));
    }

    void zweiRecordsOeffnen() {
        Aufbau a;
        a.fuellen(6, 1, bereich(40, 46)); // emptied by the opening
        const QString datei = pfad(QStringLiteral("zwei.skb"));
        QVERIFY(SystemscheinSchreiben(
                    datei, 3, {{2, {3, 5, 7, 9, 11, 13, 15, 17}}, {7, {41, 42, 43, 44, 45, 46, 47, 48, 49}}})
                    .ok());
        a.d.dateiDialoge.oeffnenAntworten.enqueue({datei});
        a.knopf("BOpen");
        QVERIFY(a.d.dialoge.meldungen.isEmpty());
        QCOMPARE(a.esz()->text(), QStringLiteral("3"));
        QCOMPARE(a.datei(), QStringLiteral("Geöffnet: zwei.skb"));
        QCOMPARE(a.kreuze(1), sortiert({"Kreuz10011", "Kreuz10013", "Kreuz10015", "Kreuz10017", "Kreuz1003",
                                        "Kreuz1005", "Kreuz1007", "Kreuz1009", "Kreuz10002"}));
        QCOMPARE(a.stand(2)->text(), QStringLiteral("9"));
        QCOMPARE(a.standFarbe(2), Gruen);
        QVERIFY(a.feld(2)->kreuz(2007));
        for (int f = 3; f <= 6; ++f) {
            QVERIFY(a.kreuze(f).isEmpty());
            QCOMPARE(a.stand(f)->text(), QStringLiteral("0"));
        }
        // The opened slip can be edited by hand: its crosses work like clicked ones.
        a.zahl(1, 3);
        QCOMPARE(a.stand(1)->text(), QStringLiteral("7"));
    }

    // Files this program never writes: more than six records, unknown systems, bad numbers,
    // no records at all, or a file that cannot be read.
    void fremdeDateienOeffnen() {
        Aufbau a;
        QVector<TSySSchein> records;
        records.append(record(2, 1, bereich(1, 7)));
        records.append(record(2, 25, bereich(1, 7)));
        records.append(record(2, 1, {1, 2, 60, 4, 4, 6, 7}));
        for (int i = 0; i < 5; ++i)
            records.append(record(2, 1, bereich(10 + i, 16 + i)));
        const QString datei = pfad(QStringLiteral("acht.skb"));
        QVERIFY(DateiSchreibenAtomar(datei, RecordsZuBytes<TSySSchein>(records)).ok());
        a.d.dateiDialoge.oeffnenAntworten.enqueue({datei});
        a.knopf("BOpen");
        QCOMPARE(a.d.dialoge.texte(),
                 QStringList{
                     "Die Datei enthält 8 Felder, ein Systemschein aber nur 6. Geöffnet wurden die ersten 6."
                     "\r\rFeld 2 hat kein gültiges Spielsystem (Code 25) und bleibt leer."
                     "\r\rFeld 3 enthält ungültige Zahlen; sie wurden übergangen."});
        QVERIFY(a.w.schein().feld(1).komplett);
        QVERIFY(a.kreuze(2).isEmpty());
        QCOMPARE(a.w.schein().feld(3).anzahl, 5);
        QVERIFY(!a.w.schein().feld(3).komplett);
        QCOMPARE(a.w.schein().feld(6).zahlen.enthaelt(12), true);
        QCOMPARE(a.esz()->text(), QStringLiteral("2"));

        // An empty file: an empty slip with its name.
        const QString leer = pfad(QStringLiteral("leer.skb"));
        QVERIFY(DateiSchreibenAtomar(leer, {}).ok());
        a.d.dateiDialoge.oeffnenAntworten.enqueue({leer});
        a.knopf("BOpen");
        QCOMPARE(a.datei(), QStringLiteral("Geöffnet: leer.skb"));
        for (int f = 1; f <= 6; ++f)
            QVERIFY(a.kreuze(f).isEmpty());
        QCOMPARE(a.d.dialoge.meldungen.size(), 1);

        // A file that cannot be read: a message, and the slip as it was.
        a.fuellen(1, 1, bereich(1, 7));
        a.d.dateiDialoge.oeffnenAntworten.enqueue({pfad(QStringLiteral("fehlt.skb"))});
        a.knopf("BOpen");
        QCOMPARE(a.d.dialoge.meldungen.size(), 2);
        QCOMPARE(a.d.dialoge.meldungen.last().art, Nachricht::Fehler);
        QVERIFY(a.w.schein().feld(1).komplett);
        QCOMPARE(a.datei(), QStringLiteral("Geöffnet: leer.skb"));
    }

    // A slip entered by clicks, saved, opened in a ticket tab of the main window and evaluated.
    void rundreiseBisZurAuswertung() {
        TGewZahlen z;
        z.datum = ausQDate(QDate(2024, 4, 10));
        z.GZ = {1, 2, 3, 4, 5, 6};
        z.SZ = 7;
        zustand().GewZahlen = {z};
        Aufbau a;
        a.fuellen(1, 1, bereich(1, 7));                        // "007": 7 rows
        a.fuellen(2, 7, {10, 11, 12, 13, 14, 15, 16, 17, 18}); // "9/12": no hits
        a.esz()->setText(QStringLiteral("7"));
        a.d.dialoge.antworten.enqueue(Antwort::Ja);
        const QString datei = pfad(QStringLiteral("rund.skb"));
        a.d.dateiDialoge.speichernAntworten.enqueue(datei);
        a.knopf("BSave");

        test::TestDienste d;
        Tippauswertung t(d.dienste);
        QWidget* tab = t.DateienEinlesen(datei);
        QVERIFY(tab);
        QCOMPARE(tab->findChild<QLabel*>(QStringLiteral("LSZ"))->text(), QStringLiteral("7"));
        auto* seiten = tab->findChild<QTabWidget*>(QStringLiteral("PCSys"));
        QCOMPARE(seiten->tabText(1), QStringLiteral("007"));
        QCOMPARE(seiten->tabText(2), QStringLiteral("9/12"));
        AuswertungsPanel* p = tab->findChild<AuswertungsPanel*>();
        QTest::mouseClick(p->findChild<QPushButton*>(QStringLiteral("BStart")), Qt::LeftButton);
        QVERIFY(d.dialoge.meldungen.isEmpty());
        // 007 over 1..7 against 1..6 + SZ 7: one row of 6 + SZ (class 1), six of 5 + SZ (class 3).
        QMap<int, int> klassen;
        for (const Ergebniszeile& e : p->modell()->ergebnis().zeilen)
            ++klassen[e.klasse];
        QCOMPARE(klassen.value(1), 1);
        QCOMPARE(klassen.value(3), 6);
        QVERIFY(!p->findChild<QLabel*>(QStringLiteral("LGesGewinn"))->text().isEmpty());
    }

    // Created at start after the normal entry; the main window shows it and it keeps its slip.
    void startUndHauptfenster() {
        test::TestDienste d;
        Programmstart start(d.dienste);
        start.ausfuehren();
        QStringList namen;
        for (QWidget* w : start.router().alleFenster())
            namen.append(w->objectName());
        QVERIFY(namen.indexOf(QStringLiteral("FEingabe")) < namen.indexOf(QStringLiteral("FEingabeSys2")));
        QVERIFY(namen.indexOf(QStringLiteral("FEingabeSys2")) < namen.indexOf(QStringLiteral("FStat1")));
        QAction* eingabeS = start.hauptfenster()->aktion(QStringLiteral("BEingabeS"));
        QVERIFY(eingabeS->isEnabled());
        QCOMPARE(eingabeS->text(), QStringLiteral("Neuen Systemschein eingeben..."));
        eingabeS->trigger();
        auto* w = qobject_cast<TFEingabeSys2*>(start.router().fenster(QStringLiteral("FEingabeSys2")));
        QVERIFY(w && w->isVisible());
        w->TrefferVerwerten(2, 3, 4);
        w->close();
        QVERIFY(!w->isVisible());
        eingabeS->trigger();
        QCOMPARE(start.router().fenster(QStringLiteral("FEingabeSys2")), w);
        QCOMPARE(w->schein().feld(4).code, 3);
        QVERIFY(w->feldRahmen(4)->kreuz(4003));
    }

    // Ending the program with a window that another long-lived window parents (the entry's
    // distribution window): each window is deleted once.
    void programmEndeMitKindfenster() {
        test::TestDienste d;
        {
            Programmstart start(d.dienste);
            start.ausfuehren();
            QWidget* eingabe = start.router().fenster(QStringLiteral("FEingabe"));
            QVERIFY(QMetaObject::invokeMethod(eingabe, "bsSkinSpeedButton8Click"));
            QVERIFY(QMetaObject::invokeMethod(eingabe, "bsSkinSpeedButton16Click"));
        }
        QVERIFY(d.dialoge.meldungen.isEmpty());
    }
};
KB_TEST(SystemscheinEingabeTest)

#include "system_entry_test.moc"
