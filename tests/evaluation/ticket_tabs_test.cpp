#include "core/date.h"
#include "core/ini_file.h"
#include "core/program_state.h"
#include "core/record_file.h"
#include "core/ticket_file.h"
#include "evaluation/evaluation_panel.h"
#include "evaluation/main_window.h"
#include "evaluation/ticket_models.h"
#include "evaluation/ticket_tabs.h"
#include "evaluation/window_router.h"
#include "platform/testing/test_services.h"
#include "systems/catalogue.h"
#include "test_main.h"

#include <QAbstractItemModelTester>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>

using namespace kb;

namespace {

TGewZahlen ziehung(const QDate& d, std::array<std::uint8_t, 6> gz, std::uint8_t sz) {
    TGewZahlen z;
    z.datum = ausQDate(d);
    z.GZ = gz;
    z.SZ = sz;
    return z;
}

QStringList zeilen(const ErgebnisModell* m) {
    QStringList t;
    for (int r = 0; r < m->rowCount(); ++r) {
        QStringList z;
        for (int c = 0; c < m->columnCount(); ++c)
            z.append(m->text(r, c));
        t.append(z.join(QLatin1Char('|')));
    }
    return t;
}

AuswertungsPanel* panelVon(QWidget* tab) { return tab->findChild<AuswertungsPanel*>(); }

} // namespace

class ScheinTabsTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString pfad(const QString& name) const { return m_dir.filePath(name); }

private Q_SLOTS:
    void initTestCase() { SystemeAufbauen(); }

    void init() {
        zustand() = Programmzustand{};
        zustand().DatenPfad = m_dir.path() + QLatin1Char('/');
        zustand().LandesFormat = QLocale(QLocale::German, QLocale::Germany);
        // Sa 06.04., Mi 10.04., Sa 13.04.2024
        zustand().GewZahlen = {ziehung({2024, 4, 6}, {1, 2, 3, 4, 5, 6}, 7), ziehung({2024, 4, 10}, {1, 2, 3, 10, 11, 12}, 7),
                               ziehung({2024, 4, 13}, {40, 41, 42, 43, 44, 45}, 1)};
        QFile::remove(zustand().einstellungenPfad());
    }

    void normalTabUndAuswertung() {
        const QString datei = pfad(QStringLiteral("drei.nkb"));
        QVERIFY(NormalscheinSschreiben(datei));
        test::TestDienste d;
        Tippauswertung t(d.dienste);
        QWidget* tab = t.DateienEinlesen(datei);
        QCOMPARE(t.tabs()->tabText(0), QStringLiteral("drei"));
        QCOMPARE(tab->findChild<QLabel*>(QStringLiteral("LDatei"))->text(), QStringLiteral("drei.nkb"));
        QCOMPARE(tab->findChild<QLabel*>(QStringLiteral("LSZ"))->text(), QStringLiteral("7"));
        QCOMPARE(tab->findChild<QLabel*>(QStringLiteral("LReihen"))->text(), QStringLiteral("3"));
        auto* g3 = tab->findChild<QTableView*>(QStringLiteral("G3"));
        QCOMPARE(g3->model()->rowCount(), 3);
        QCOMPARE(g3->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral(" Z1"));
        QAbstractItemModelTester pruefer(g3->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);

        AuswertungsPanel* p = panelVon(tab);
        QAbstractItemModelTester pruefer2(p->modell(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        auto* combo1 = p->findChild<QComboBox*>(QStringLiteral("Combo1"));
        auto* combo2 = p->findChild<QComboBox*>(QStringLiteral("combo2"));
        QCOMPARE(combo1->currentText(), QStringLiteral("13.04.2024"));
        QCOMPARE(combo2->currentText(), QStringLiteral("10.04.2024"));

        // Single Saturday draw with "Mittwoch": the single-draw message.
        p->findChild<QRadioButton*>(QStringLiteral("RGTage2"))->click();
        QCOMPARE(zustand().NZiehung, 2);
        QTest::mouseClick(p->findChild<QPushButton*>(QStringLiteral("BStart")), Qt::LeftButton);
        QCOMPARE(d.dialoge.texte(),
                 QStringList{"An einem Samstag gibt es keine Mittwochsziehung. ;-)\r\rIch breche erst einmal ab."});

        // The whole period on both days.
        p->findChild<QRadioButton*>(QStringLiteral("RGTage0"))->click();
        p->findChild<QCheckBox*>(QStringLiteral("cbBack"))->setChecked(true);
        combo2->setCurrentIndex(0);
        QTest::mouseClick(p->findChild<QPushButton*>(QStringLiteral("BStart")), Qt::LeftButton);
        // Rows: {1..6}, {1,2,3,20,21,22}, {10,11,12,30,31,32}; ticket SZ 7.
        QCOMPARE(zeilen(p->modell()), (QStringList{"06.04.2024 (Sa)|6 + SZ|1|12.585.434,40",
                                                   "|3 + SZ|2|21,20",
                                                   "10.04.2024 (Mi)|3 + SZ|1|21,20",
                                                   "|3 + SZ|2|21,20",
                                                   "|3 + SZ|3|21,20",
                                                   "13.04.2024 (Sa)|---|---|---"}));
        QCOMPARE(p->findChild<QLabel*>(QStringLiteral("LHGew"))->text(), QStringLiteral("12.585.434,40\u00a0€"));
        QCOMPARE(p->findChild<QLabel*>(QStringLiteral("LHGewWann"))->text(), QStringLiteral("06.04.2024"));
        QCOMPARE(p->findChild<QLabel*>(QStringLiteral("LGesGewinn"))->text(), QStringLiteral("12.585.519,20\u00a0€"));
        QCOMPARE(p->modell()->data(p->modell()->index(0, 1), Qt::BackgroundRole).value<QBrush>().color(),
                 QColor(185, 241, 253));

        // A period that runs backwards: the check message, results stay, labels empty.
        combo2->setCurrentIndex(2);
        combo1->setCurrentIndex(0);
        QTest::mouseClick(p->findChild<QPushButton*>(QStringLiteral("BStart")), Qt::LeftButton);
        QCOMPARE(d.dialoge.texte().last(), QStringLiteral("Bitte kontrollieren Sie die Angaben für den Zeitraum der "
                                                          "Gewinnauswertung\r\rIch breche erst einmal ab."));
        QCOMPARE(p->modell()->rowCount(), 6);
        QVERIFY(p->findChild<QLabel*>(QStringLiteral("LGesGewinn"))->text().isEmpty());
    }

    void systemTabMitDreiFeldern() {
        const QString datei = pfad(QStringLiteral("drei.skb"));
        QVERIFY(SystemscheinSchreiben(datei, -1,
                                      {{1, {30, 31, 32, 33, 34, 35, 36}},
                                       {6, {13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}},
                                       {7, {1, 2, 3, 10, 11, 12, 20, 21, 22}}})
                    .ok());
        test::TestDienste d;
        Tippauswertung t(d.dienste);
        QWidget* tab = t.DateienEinlesen(datei);
        const int n = tab->property("tag").toInt();
        auto* seiten = tab->findChild<QTabWidget*>(QStringLiteral("PCSys"));
        QCOMPARE(seiten->count(), 4);
        QCOMPARE(seiten->tabText(0), QStringLiteral("Überblick"));
        QCOMPARE(seiten->tabText(1), QStringLiteral("007"));
        const QList<int> groessen = {7, 924, 12};
        for (int i = 1; i <= 6; ++i) {
            auto* ansicht = tab->findChild<QWidget*>(QStringLiteral("frView%1").arg(n * 1000 + i));
            QVERIFY(ansicht);
            auto* knopf = ansicht->findChild<QPushButton*>(QStringLiteral("BReihen"));
            QCOMPARE(knopf->isEnabled(), i <= 3);
            if (i > 3) {
                QVERIFY(ansicht->findChild<QLabel*>(QStringLiteral("LSystem"))->text().isEmpty());
                continue;
            }
            auto* tabelle = tab->findChild<QTableView*>(QStringLiteral("GridDetail%1").arg(n * 1000 + i));
            QCOMPARE(tabelle->model()->rowCount(), groessen[i - 1]);
            QCOMPARE(ansicht->findChild<QLabel*>(QStringLiteral("LReihen"))->text(), QString::number(groessen[i - 1]));
            knopf->click();
            QCOMPARE(seiten->currentIndex(), i);
        }
        QCOMPARE(tab->findChild<QLabel*>(QStringLiteral("LSZ"))->text(), QString());

        // Only field 3 (9/12) wins on 10.04.: fields 1 and 2 show "---"; without SZ no odd class.
        AuswertungsPanel* p = panelVon(tab);
        p->findChild<QComboBox*>(QStringLiteral("Combo1"))->setCurrentIndex(1);
        QTest::mouseClick(p->findChild<QPushButton*>(QStringLiteral("BStart")), Qt::LeftButton);
        QCOMPARE(d.dialoge.meldungen.size(), 0);
        const QStringList z = zeilen(p->modell());
        QVERIFY(z.size() >= 3);
        QCOMPARE(z[0], QStringLiteral("10.04.2024|007|---|---|---"));
        QCOMPARE(z[1], QStringLiteral("|012|---|---|---"));
        QVERIFY(z[2].startsWith(QStringLiteral("|9/12|")));
        for (const ErgebnisModell* m = p->modell(); const Ergebniszeile& e : m->ergebnis().zeilen)
            QVERIFY(e.klasse % 2 == 0);
    }

    void tabsOeffnenUndSchliessen() {
        const QString a = pfad(QStringLiteral("a.nkb"));
        QVERIFY(NormalscheinSchreiben(a, 1, {{1, 2, 3, 4, 5, 6}}).ok());
        test::TestDienste d;
        Tippauswertung t(d.dienste);
        // Two files chosen with the box ticked, then one: only the last is remembered.
        d.dateiDialoge.oeffnenAntworten.enqueue({a, a});
        d.dateiDialoge.gewaehlterFilter = 1;
        t.BOpenClick();
        QCOMPARE(d.dateiDialoge.aufrufe.last().titel, QStringLiteral("Spielschein-Datei einlesen"));
        QCOMPARE(d.dateiDialoge.aufrufe.last().filterIndex, 3);
        QCOMPARE(t.tabs()->count(), 2);
        QVERIFY(t.tabs()->widget(0)->objectName() != t.tabs()->widget(1)->objectName());
        QCOMPARE(t.tabs()->currentIndex(), 1);
        d.dateiDialoge.oeffnenAntworten.enqueue({a});
        t.BOpenClick();
        QCOMPARE(t.tabs()->count(), 3);
        const IniDatei ini(zustand().einstellungenPfad());
        QCOMPARE(ini.ReadInteger(QStringLiteral("Spielscheine"), QStringLiteral("Dateienanzahl"), 0), 1);
        QCOMPARE(ini.ReadString(QStringLiteral("Spielscheine"), QStringLiteral("Datei1"), {}), a);
        AuswertungEinstellungen e;
        t.einstellungenEintragen(e);
        QCOMPARE(e.filterIndex, 1);

        // Closing the first of three activates the new first tab; closing the rest empties PC1.
        QWidget* zweiter = t.tabs()->widget(1);
        t.tabs()->setCurrentIndex(0);
        t.BKr2Click();
        QCOMPARE(t.tabs()->count(), 2);
        QCOMPARE(t.tabs()->currentWidget(), zweiter);
        t.BKr1Click();
        QCOMPARE(t.tabs()->count(), 0);
        t.BKr2Click(); // nothing to close
    }

    void startOeffnetGemerkteOderBeispiele() {
        const QString a = pfad(QStringLiteral("Demo-Normalschein.nkb"));
        const QString b = pfad(QStringLiteral("Demo-Systemschein.skb"));
        QVERIFY(NormalscheinSchreiben(a, 1, {{1, 2, 3, 4, 5, 6}}).ok());
        QVERIFY(SystemscheinSchreiben(b, 1, {{1, {1, 2, 3, 4, 5, 6, 7}}}).ok());
        {
            test::TestDienste d;
            Tippauswertung t(d.dienste);
            t.startDateienOeffnen(AuswertungEinstellungen{});
            QCOMPARE(t.tabs()->count(), 2);
            QCOMPARE(t.tabs()->tabText(0), QStringLiteral("Demo-Systemschein"));
        }
        test::TestDienste d;
        Tippauswertung t(d.dienste);
        AuswertungEinstellungen e;
        e.dateien = {pfad(QStringLiteral("weg.nkb")), a};
        t.startDateienOeffnen(e);
        QCOMPARE(t.tabs()->count(), 1);
        QCOMPARE(d.dialoge.texte(), QStringList{QStringLiteral("Die mit dem Programmstart zu ladende Datei ") +
                                                pfad(QStringLiteral("weg.nkb")) +
                                                QStringLiteral("\r\r wurde nicht gefunden.")});
    }

    void kaputteDateienGebenLeereTabs() {
        QVERIFY(DateiSchreibenAtomar(pfad(QStringLiteral("leer.skb")), {}).ok());
        QByteArray fremd(51, '\0');
        fremd[1] = char(40); // no such slip system
        fremd[2] = char(3);
        QVERIFY(DateiSchreibenAtomar(pfad(QStringLiteral("fremd.skb")), fremd).ok());
        test::TestDienste d;
        Tippauswertung t(d.dienste);
        t.DateienEinlesen(pfad(QStringLiteral("leer.skb")));
        t.DateienEinlesen(pfad(QStringLiteral("fehlt.nkb")));
        t.DateienEinlesen(pfad(QStringLiteral("liste.txt")));
        QWidget* tab = t.DateienEinlesen(pfad(QStringLiteral("fremd.skb")));
        QCOMPARE(t.tabs()->count(), 4);
        QCOMPARE(d.dialoge.meldungen.size(), 2);
        const int n = tab->property("tag").toInt();
        auto* ansicht = tab->findChild<QWidget*>(QStringLiteral("frView%1").arg(n * 1000 + 1));
        QCOMPARE(ansicht->findChild<QLabel*>(QStringLiteral("LSystem"))->text(), QStringLiteral("ungültiges System"));
        QCOMPARE(ansicht->findChild<QLabel*>(QStringLiteral("LZahlen"))->text(), QStringLiteral("3"));
        AuswertungsPanel* p = panelVon(tab);
        QTest::mouseClick(p->findChild<QPushButton*>(QStringLiteral("BStart")), Qt::LeftButton);
        QCOMPARE(zeilen(p->modell()), QStringList{QStringLiteral("13.04.2024|ungültiges System|---|---|---")});
    }

private:
    static bool NormalscheinSschreiben(const QString& datei) {
        return NormalscheinSchreiben(datei, 7, {{1, 2, 3, 4, 5, 6}, {1, 2, 3, 20, 21, 22}, {10, 11, 12, 30, 31, 32}})
            .ok();
    }
};
KB_TEST(ScheinTabsTest)

#include "ticket_tabs_test.moc"
