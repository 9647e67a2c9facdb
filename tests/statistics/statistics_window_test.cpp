#include "core/date.h"
#include "core/draw_history.h"
#include "core/ini_file.h"
#include "core/program_state.h"
#include "evaluation/window_router.h"
#include "platform/testing/test_services.h"
#include "statistics/draw_changes.h"
#include "statistics/number_statistics.h"
#include "statistics/statistics_frame.h"
#include "statistics/statistics_window.h"
#include "test_main.h"
#include "widgets/bar_chart.h"
#include "widgets/number_pad.h"
#include "widgets/tile_panel.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>

#include <map>
#include <random>

using namespace kb;

namespace {

// Saturday and Wednesday draws from 06.01.2024 on, with a Friday draw after the tenth.
QVector<TGewZahlen> historie(int anzahl) {
    std::mt19937 zufall(17);
    QVector<TGewZahlen> h;
    QDate d(2024, 1, 6);
    for (int i = 0; i < anzahl; ++i) {
        TGewZahlen z;
        z.datum = ausQDate(i == 10 ? d.addDays(-1) : d);
        ZahlenMenge m;
        for (int k = 0; k < 6;) {
            const int n = static_cast<int>(zufall() % 49) + 1;
            if (!m.enthaelt(n)) {
                m.hinzu(n);
                z.GZ[static_cast<std::size_t>(k++)] = static_cast<std::uint8_t>(n);
            }
        }
        z.SZ = 1;
        h.append(z);
        if (i != 9)
            d = d.addDays(d.dayOfWeek() == Qt::Saturday ? 4 : 3);
    }
    return h;
}

void historieSetzen(const QVector<TGewZahlen>& h) {
    zustand().GewZahlen = h;
    GewZahlenGeaendert(true);
}

template <class T> T* kind(QWidget* w, const char* name) {
    T* k = w->findChild<T*>(QLatin1String(name));
    if (!k)
        qFatal("control %s missing", name);
    return k;
}

int summe(TFfrStatistik* r) {
    int s = 0;
    auto* p = kind<ZahlKachelFeld>(r, "P1");
    for (int n = 1; n <= MaxZahl; ++n)
        s += p->wert(n)->text().toInt();
    return s;
}

QString zelle(QTableView* t, int zeile, int spalte) {
    return t->model()->index(zeile, spalte).data().toString();
}

void klicke(TFfrStatistik* r, int n) {
    kind<PadKnopf>(r, qPrintable(QStringLiteral("BKombi%1").arg(n)))->click();
}

bool gewaehlt(TFfrStatistik* r, int n) {
    return kind<PadKnopf>(r, qPrintable(QStringLiteral("BKombi%1").arg(n)))->gewaehlt();
}

} // namespace

class StatistikFensterTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    std::unique_ptr<test::TestDienste> m_d;
    std::unique_ptr<Fensterverwaltung> m_router;

    std::unique_ptr<TFStatistik> fenster() {
        auto w = std::make_unique<TFStatistik>(m_d->dienste, *m_router);
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        return w;
    }

private Q_SLOTS:
    void init() {
        zustand() = Programmzustand{};
        zustand().LandesFormat = QLocale(QLocale::German, QLocale::Germany);
        zustand().DatenPfad = m_dir.path() + QLatin1Char('/');
        QFile::remove(zustand().einstellungenPfad());
        m_d = std::make_unique<test::TestDienste>();
        m_router = std::make_unique<Fensterverwaltung>();
        historieSetzen(historie(60));
    }
    void cleanup() {
        m_router.reset();
        m_d.reset();
    }

    void aufbau() {
        auto w = fenster();
        QCOMPARE(w->objectName(), QStringLiteral("FStatistik"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Kugelblick 1.7.0.0"));
        QCOMPARE(w->height(), 784);
        const QStringList titel = {QStringLiteral("Statistiken für Ziehungen am Samstag und Mittwoch"),
                                   QStringLiteral("Statistiken für Ziehungen am Samstag"),
                                   QStringLiteral("Statistiken für Ziehungen am Mittwoch")};
        const ZahlenStatistik& s = statistik();
        for (int k = 0; k < 3; ++k) {
            TFfrStatistik* r = w->rahmen(k);
            QCOMPARE(r->title(), titel[k]);
            const int n = static_cast<int>(s.mengen[static_cast<std::size_t>(k)].size());
            QCOMPARE(kind<QComboBox>(r, "combo1")->count(), n);
            QCOMPARE(kind<QComboBox>(r, "combo1")->currentIndex(), 0);
            QCOMPARE(kind<QComboBox>(r, "combo2")->currentIndex(), n - 1);
            QCOMPARE(
                kind<QComboBox>(r, "combo2")->currentText(),
                DatumText(s.ziehungen[static_cast<std::size_t>(k)].last().datum, zustand().LandesFormat));
            QCOMPARE(kind<QLabel>(r, "LZie")->text(), QString::number(n));
            // The Friday draw counts in category 0 as in its date lists.
            QCOMPARE(summe(r), 6 * n);
            QCOMPARE(kind<QRadioButton>(r, "RGLetzte5")->text(), QString::number(n));
            QVERIFY(kind<QRadioButton>(r, "RGLetzte5")->isChecked());
            QCOMPARE(kind<QRadioButton>(r, "RGLetzte1")->text(),
                     k == 0 ? QStringLiteral("8") : QStringLiteral("4"));
            auto* tabs = kind<QTabWidget>(r, "PCStat");
            QCOMPARE(tabs->count(), 4);
            QCOMPARE(tabs->tabText(3), QStringLiteral("Kombi-Suche"));
            QVERIFY(!kind<QPushButton>(r, "BSuche")->isEnabled());
            QCOMPARE(kind<QTableView>(r, "GKombi7")->model()->rowCount(), 50);
            QVERIFY(kind<QTableView>(r, "GKombi1")->model()->rowCount() > 100);
            QCOMPARE(kind<QTableView>(r, "GKombi5")->model()->rowCount(), 0);
            QCOMPARE(kind<QTableView>(r, "GAus")->model()->index(1, 0).data().toString(),
                     QStringLiteral("Anzahl:"));
            QCOMPARE(r->findChild<QCheckBox*>(QStringLiteral("cbAuch")) != nullptr, k == 0);
            for (const char* t : {"GKombi1", "GKombi5", "GKombi7", "GAus"})
                QAbstractItemModelTester(kind<QTableView>(r, t)->model(),
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
        }
    }

    void letzteZiehungen_data() {
        QTest::addColumn<int>("kategorie");
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("x");
        QTest::newRow("beide 8") << 0 << 0 << 8;
        QTest::newRow("beide 104 > alle") << 0 << 3 << 60;
        QTest::newRow("Samstag 13") << 1 << 1 << 13;
    }
    void letzteZiehungen() {
        QFETCH(int, kategorie);
        QFETCH(int, option);
        QFETCH(int, x);
        auto w = fenster();
        TFfrStatistik* r = w->rahmen(kategorie);
        const int n = kind<QComboBox>(r, "combo1")->count();
        kind<QRadioButton>(r, qPrintable(QStringLiteral("RGLetzte%1").arg(option + 1)))->click();
        QCOMPARE(kind<QComboBox>(r, "combo1")->currentIndex(), n - x);
        QCOMPARE(kind<QComboBox>(r, "combo2")->currentIndex(), n - 1);
        QCOMPARE(kind<QLabel>(r, "LZie")->text(), QString::number(x));
        QCOMPARE(summe(r), 6 * x);
        // The chart follows the panel.
        const auto werte = r->findChild<Balkendiagramm*>(QStringLiteral("DHaeufigkeit"))->werte();
        for (int z = 1; z <= MaxZahl; ++z)
            QCOMPARE(werte[static_cast<std::size_t>(z - 1)],
                     kind<ZahlKachelFeld>(r, "P1")->wert(z)->text().toInt());
    }

    void bisVorVon() {
        auto w = fenster();
        TFfrStatistik* r = w->rahmen(0);
        kind<QComboBox>(r, "combo1")->setCurrentIndex(30);
        QCOMPARE(kind<QLabel>(r, "LZie")->text(), QStringLiteral("30"));
        QCOMPARE(summe(r), 180);
        kind<QComboBox>(r, "combo2")->setCurrentIndex(20);
        QCOMPARE(kind<QLabel>(r, "LZie")->text(), QString());
        QCOMPARE(summe(r), 180);
        // The favourites and the search still run with it and count nothing.
        kind<QPushButton>(r, "BStart3")->click();
        QCOMPARE(zelle(kind<QTableView>(r, "GKombi3"), 0, 2), QStringLiteral("0"));
        QCOMPARE(kind<QTableView>(r, "GKombi3")->model()->rowCount(), 18424);
        QCOMPARE(kind<QProgressBar>(r, "PBar3")->value(), kind<QProgressBar>(r, "PBar3")->maximum());
    }

    void sortieren() {
        auto w = fenster();
        TFfrStatistik* r = w->rahmen(0);
        auto* p = kind<ZahlKachelFeld>(r, "P1");
        const Zahlenzaehler vorher = r->angezeigteAnzahlen();
        kind<QPushButton>(r, "BAuf")->click();
        const Zahlenfolge f = NachAnzahlOrdnen(vorher);
        for (int platz = 1; platz <= MaxZahl; ++platz) {
            const int zahl = f[static_cast<std::size_t>(platz - 1)];
            QCOMPARE(p->nummer(platz)->text(), QString::number(zahl));
            QCOMPARE(p->wert(zahl)->pos(), p->heimat(platz));
        }
        for (int platz = 2; platz <= MaxZahl; ++platz)
            QVERIFY(vorher[static_cast<std::size_t>(f[platz - 2] - 1)] <=
                    vorher[static_cast<std::size_t>(f[platz - 1] - 1)]);
        QCOMPARE(kind<QPushButton>(r, "BAuf")->text(), QStringLiteral("Von 1 - 49 sortieren"));
        kind<QPushButton>(r, "BAuf")->click();
        for (int n = 1; n <= MaxZahl; ++n) {
            QCOMPARE(p->nummer(n)->text(), QString::number(n));
            QCOMPARE(p->wert(n)->pos(), p->heimat(n));
            QCOMPARE(p->wert(n)->text(), QString::number(vorher[static_cast<std::size_t>(n - 1)]));
        }
    }

    void suche() {
        auto w = fenster();
        TFfrStatistik* r = w->rahmen(0);
        const TGewZahlen& z = zustand().GewZahlen[7];
        klicke(r, z.GZ[0]);
        QVERIFY(!kind<QPushButton>(r, "BSuche")->isEnabled());
        klicke(r, z.GZ[1]);
        QVERIFY(kind<QPushButton>(r, "BSuche")->isEnabled());
        kind<QPushButton>(r, "BSuche")->click();
        const ZahlenMenge s = ZahlenMenge::aus({int(z.GZ[0]), int(z.GZ[1])});
        int erwartet = 0;
        for (const TGewZahlen& g : zustand().GewZahlen)
            erwartet += g.menge().schnitt(s) == s ? 1 : 0;
        auto* t = kind<QTableView>(r, "GKombi7");
        auto* erg = kind<QLabel>(r, "LErg");
        QCOMPARE(erg->text(), QString::number(erwartet));
        QCOMPARE(erg->palette().color(QPalette::Window), QColor(0, 255, 0));
        QCOMPARE(t->model()->rowCount(), erwartet);
        bool gefunden = false;
        for (int i = 0; i < erwartet; ++i)
            if (zelle(t, i, 1) == DatumText(z.datum, zustand().LandesFormat)) {
                gefunden = true;
                QCOMPARE(zelle(t, i, 2).split(QLatin1Char(',')).size(), 4);
            }
        QVERIFY(gefunden);

        // Six numbers that never came together: no hit.
        for (int n = 1; r->auswahl().anzahl() < 6; ++n)
            if (!r->auswahl().enthaelt(n))
                klicke(r, n);
        klicke(r, 49);
        QCOMPARE(m_d->dialoge.texte(),
                 QStringList{QStringLiteral("Sie können maximal sechs Zahlen für die Suche angeben.")});
        QCOMPARE(r->auswahl().anzahl(), 6);
        QVERIFY(!gewaehlt(r, 49));
        kind<QPushButton>(r, "BSuche")->click();
        QCOMPARE(erg->text(), QStringLiteral("0"));
        QCOMPARE(erg->palette().color(QPalette::Window), QColor(255, 102, 102));
        QCOMPARE(t->model()->rowCount(), 1);
        QCOMPARE(zelle(t, 0, 1), QString());
        QCOMPARE(zelle(t, 0, 2), QString());

        kind<QPushButton>(r, "BDel")->click();
        QCOMPARE(r->auswahl().anzahl(), 0);
        QVERIFY(!gewaehlt(r, z.GZ[0]));
        QCOMPARE(t->model()->rowCount(), 50);
        QCOMPARE(erg->text(), QString());
        QVERIFY(!kind<QPushButton>(r, "BSuche")->isEnabled());
    }

    void parallel() {
        auto w = fenster();
        TFfrStatistik* alle = w->rahmen(0);
        klicke(alle, 5);
        QVERIFY(!gewaehlt(w->rahmen(1), 5)); // not yet in parallel mode
        kind<QCheckBox>(alle, "cbAuch")->click();
        QVERIFY(gewaehlt(w->rahmen(1), 5) && gewaehlt(w->rahmen(2), 5));
        klicke(alle, 9);
        for (int k = 1; k < 3; ++k) {
            QVERIFY(gewaehlt(w->rahmen(k), 5));
            QVERIFY(gewaehlt(w->rahmen(k), 9));
            QVERIFY(kind<QPushButton>(w->rahmen(k), "BSuche")->isEnabled());
        }
        // Each category searches over its own period: Saturday's last 4 draws only.
        kind<QRadioButton>(w->rahmen(1), "RGLetzte1")->click();
        kind<QPushButton>(alle, "BSuche")->click();
        const ZahlenMenge s = ZahlenMenge::aus({5, 9});
        for (int k = 0; k < 3; ++k) {
            const auto& mengen = statistik().mengen[static_cast<std::size_t>(k)];
            const int von = k == 1 ? static_cast<int>(mengen.size()) - 4 : 0;
            int erwartet = 0;
            for (int i = von; i < mengen.size(); ++i)
                erwartet += mengen[i].schnitt(s) == s ? 1 : 0;
            QCOMPARE(kind<QLabel>(w->rahmen(k), "LErg")->text(), QString::number(erwartet));
            QCOMPARE(kind<QTableView>(w->rahmen(k), "GKombi7")->model()->rowCount(), std::max(erwartet, 1));
        }
        kind<QPushButton>(alle, "BDel")->click();
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(w->rahmen(k)->auswahl().anzahl(), 0);
            QCOMPARE(kind<QLabel>(w->rahmen(k), "LErg")->text(), QString());
        }
    }

    // Selections belong to one window; the parallel setting lives in the settings file.
    void neuesFensterUndEinstellung() {
        {
            auto w = fenster();
            w->show();
            QVERIFY(!kind<QCheckBox>(w->rahmen(0), "cbAuch")->isChecked()); // no settings file yet
            kind<QCheckBox>(w->rahmen(0), "cbAuch")->click();
            klicke(w->rahmen(0), 3);
            klicke(w->rahmen(0), 17);
            w->close();
        }
        QCOMPARE(IniDatei(zustand().einstellungenPfad())
                     .ReadString(QStringLiteral("Statistik"), QStringLiteral("Parallelauswertung"), {}),
                 QStringLiteral("1"));
        auto w = fenster();
        w->show();
        QVERIFY(kind<QCheckBox>(w->rahmen(0), "cbAuch")->isChecked());
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(w->rahmen(k)->auswahl().anzahl(), 0);
            QVERIFY(!gewaehlt(w->rahmen(k), 3));
            QVERIFY(!kind<QPushButton>(w->rahmen(k), "BSuche")->isEnabled());
        }
    }

    void ohneZiehungen_data() {
        QTest::addColumn<int>("antwort");
        QTest::addColumn<bool>("geoeffnet");
        QTest::newRow("Ja") << int(Antwort::Ja) << true;
        QTest::newRow("Nein") << int(Antwort::Nein) << false;
        QTest::newRow("Abbrechen") << int(Antwort::Abbrechen) << false;
    }
    void ohneZiehungen() {
        QFETCH(int, antwort);
        QFETCH(bool, geoeffnet);
        historieSetzen({});
        m_router->registriere(QStringLiteral("FUpdate"), [] {
            auto* u = new QWidget;
            u->setObjectName(QStringLiteral("FUpdate"));
            u->setAttribute(Qt::WA_DeleteOnClose);
            return u;
        });
        QPointer<TFStatistik> w = new TFStatistik(m_d->dienste, *m_router);
        w->show();
        kind<QPushButton>(w->rahmen(1), "BStart2")->click();
        QCOMPARE(m_d->dialoge.texte(),
                 QStringList{QStringLiteral(" Bitte Verbindung zum Internet bestehen.")});
        m_d->dialoge.antworten.enqueue(static_cast<Antwort>(antwort));
        kind<QPushButton>(w->rahmen(1), "BStart")->click();
        QCOMPARE(m_d->dialoge.meldungen.last().text,
                 QStringLiteral("Für eine statistische Auswertung fehlen die Gewinnreihen.\r\r"
                                "Soll ich den Downloadbereich öffnen?"));
        QCOMPARE(m_d->dialoge.meldungen.last().knoepfe, Knoepfe::JaNeinAbbrechen);
        QCOMPARE(m_router->FensterOffen(QStringLiteral("FUpdate")), geoeffnet);
        QCOMPARE(zustand().DownloadFragen, !geoeffnet);
        QTest::qWait(0); // deferred deletion of the closed window
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(w.isNull(), geoeffnet);
        delete w.data();
        if (QWidget* u = m_router->fenster(QStringLiteral("FUpdate")))
            delete u;
    }

    // The window against the bundled history, checked by a count of its own over the CSV source.
    void echteHistorie() {
        const auto gz = GZDateiLesen(QStringLiteral(KB_DATENSATZ_DIR "/GZ.649"));
        QVERIFY(gz.ok());
        historieSetzen(*gz);
        QFile csv(QStringLiteral(KB_QUELLEN_DIR "/draws.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly | QIODevice::Text));
        std::array<std::vector<std::array<int, 6>>, 3> ziehungen;
        csv.readLine();
        while (!csv.atEnd()) {
            const QList<QByteArray> f = csv.readLine().trimmed().split(',');
            std::array<int, 6> z{};
            for (int i = 0; i < 6; ++i)
                z[static_cast<std::size_t>(i)] = f[i + 1].toInt();
            std::sort(z.begin(), z.end());
            const int tag = QDate::fromString(QString::fromLatin1(f[0]), Qt::ISODate).dayOfWeek();
            ziehungen[0].push_back(z);
            if (tag == Qt::Saturday)
                ziehungen[1].push_back(z);
            if (tag == Qt::Wednesday)
                ziehungen[2].push_back(z);
        }
        QCOMPARE(int(ziehungen[0].size()), int(zustand().GewZahlen.size()));

        auto w = fenster();
        for (int k = 0; k < 3; ++k) {
            TFfrStatistik* r = w->rahmen(k);
            const auto& liste = ziehungen[static_cast<std::size_t>(k)];
            const int n = static_cast<int>(liste.size());
            QCOMPARE(kind<QLabel>(r, "LZie")->text(), QString::number(n));
            QCOMPARE(summe(r), 6 * n);

            std::map<int, int> einzeln;
            std::map<std::pair<int, int>, int> paare;
            std::map<int, int> letzte; // number -> last index
            for (int i = 0; i < n; ++i) {
                const auto& z = liste[static_cast<std::size_t>(i)];
                for (int a = 0; a < 6; ++a) {
                    ++einzeln[z[a]];
                    letzte[z[a]] = i;
                    for (int b = a + 1; b < 6; ++b)
                        ++paare[{z[a], z[b]}];
                }
            }
            // Sorted panel: ascending by count, ties by number.
            kind<QPushButton>(r, "BAuf")->click();
            std::vector<std::pair<int, int>> ordnung;
            for (int z = 1; z <= 49; ++z)
                ordnung.push_back({einzeln[z], z});
            std::sort(ordnung.begin(), ordnung.end());
            auto* p = kind<ZahlKachelFeld>(r, "P1");
            for (int platz = 1; platz <= 49; ++platz) {
                const auto [anzahl, zahl] = ordnung[static_cast<std::size_t>(platz - 1)];
                QCOMPARE(p->nummer(platz)->text(), QString::number(zahl));
                QCOMPARE(p->wert(zahl)->text(), QString::number(anzahl));
            }
            // Absence: largest gap first, ties by number.
            std::vector<std::pair<int, int>> luecken;
            for (int z = 1; z <= 49; ++z)
                luecken.push_back({-(letzte.count(z) ? n - 1 - letzte[z] : n), z});
            std::sort(luecken.begin(), luecken.end());
            auto* aus = kind<QTableView>(r, "GAus");
            for (int c = 1; c <= 49; ++c) {
                QCOMPARE(zelle(aus, 0, c),
                         QStringLiteral(" %1").arg(luecken[static_cast<std::size_t>(c - 1)].second));
                QCOMPARE(zelle(aus, 1, c), QString::number(-luecken[static_cast<std::size_t>(c - 1)].first));
            }
            // Pair lists.
            std::vector<std::tuple<int, int, int>> alle; // (-count, a, b)
            for (int a = 1; a <= 49; ++a)
                for (int b = a + 1; b <= 49; ++b)
                    alle.emplace_back(-(paare.count({a, b}) ? paare[{a, b}] : 0), a, b);
            std::sort(alle.begin(), alle.end());
            const auto pruefen = [&](QTableView* t, auto anfang, auto ende) {
                int zeile = 0;
                int letzterWert = 0;
                for (auto it = anfang; it != ende; ++it, ++zeile) {
                    const auto [minus, a, b] = *it;
                    if (zeile > 100 && -minus != letzterWert)
                        break;
                    QCOMPARE(zelle(t, zeile, 0), QString::number(zeile + 1));
                    QCOMPARE(zelle(t, zeile, 1), QStringLiteral("%1,%2").arg(a).arg(b));
                    QCOMPARE(zelle(t, zeile, 2), QString::number(-minus));
                    letzterWert = -minus;
                }
                QCOMPARE(t->model()->rowCount(), zeile);
            };
            pruefen(kind<QTableView>(r, "GKombi1"), alle.begin(), alle.end());
            // Rarest: ascending count, ties in table order.
            std::stable_sort(alle.begin(), alle.end(),
                             [](const auto& x, const auto& y) { return std::get<0>(x) > std::get<0>(y); });
            pruefen(kind<QTableView>(r, "GKombi2"), alle.begin(), alle.end());
        }
        // A quadruple run over the whole history of category 0 lists its favourites.
        kind<QPushButton>(w->rahmen(0), "BStart2")->click();
        QVERIFY(kind<QTableView>(w->rahmen(0), "GKombi5")->model()->rowCount() > 100);
        QVERIFY(zelle(kind<QTableView>(w->rahmen(0), "GKombi5"), 0, 2).toInt() >= 4);
    }
};

KB_TEST(StatistikFensterTest)
#include "statistics_window_test.moc"
