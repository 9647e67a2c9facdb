#include "core/date.h"
#include "core/draw_history.h"
#include "core/ini_file.h"
#include "core/program_state.h"
#include "core/record_file.h"
#include "evaluation/draw_panel.h"
#include "evaluation/main_window.h"
#include "evaluation/window_router.h"
#include "platform/testing/test_services.h"
#include "quotas/quota_file.h"
#include "statistics/number_statistics.h"
#include "test_main.h"
#include "widgets/number_pad.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>

using namespace kb;

namespace {
TGewZahlen ziehung(const QDate& d, std::array<std::uint8_t, 6> gz, std::uint8_t sz) {
    TGewZahlen z;
    z.datum = ausQDate(d);
    z.GZ = gz;
    z.SZ = sz;
    return z;
}

// Sa 30.03.2024 (unknown Superzahl), Mi 03.04.2024 (drawing order), Sa 06.04.2024.
const QVector<TGewZahlen> beispiel = {ziehung(QDate(2024, 3, 30), {2, 4, 6, 8, 10, 12}, 255),
                                      ziehung(QDate(2024, 4, 3), {49, 1, 17, 22, 30, 8}, 0),
                                      ziehung(QDate(2024, 4, 6), {3, 11, 19, 26, 38, 45}, 7)};

QByteArray dateiInhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class ZiehungsverwaltungTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_daten;
    int m_updateGeoeffnet = 0;

    QString gzPfad() const { return zustand().DatenPfad + GZDateiName; }

    struct Fenster {
        test::TestDienste d;
        Fensterverwaltung router;
        std::unique_ptr<TFAuswertung> w;
        QComboBox* combo = nullptr;
        QPushButton* hinzu = nullptr;
        QPushButton* speichern = nullptr;
        QLabel* label5 = nullptr;
        QLabel* lday = nullptr;
        QLabel* lzt = nullptr;
        QTableView* g1 = nullptr;

        explicit Fenster(int* updateZaehler, QDateTime jetzt = QDateTime(QDate(2024, 4, 11), QTime(12, 0))) {
            d.uhr.zeit = jetzt;
            router.registriere(QStringLiteral("FUpdate"), [updateZaehler] {
                ++*updateZaehler;
                auto* f = new QWidget;
                f->setAttribute(Qt::WA_DeleteOnClose);
                return f;
            });
            w = std::make_unique<TFAuswertung>(d.dienste, router);
            combo = w->findChild<QComboBox*>(QStringLiteral("Combo1"));
            hinzu = w->findChild<QPushButton*>(QStringLiteral("BHinzu"));
            speichern = w->findChild<QPushButton*>(QStringLiteral("bsSkinSpeedButton2"));
            label5 = w->findChild<QLabel*>(QStringLiteral("Label5"));
            lday = w->findChild<QLabel*>(QStringLiteral("LDay"));
            lzt = w->findChild<QLabel*>(QStringLiteral("LZT"));
            g1 = w->findChild<QTableView*>(QStringLiteral("G1"));
        }
        ~Fenster() {
            for (QWidget* f : router.alleFenster())
                delete f;
        }
        void klick(const QString& name) {
            auto* b = w->findChild<QAbstractButton*>(name);
            QVERIFY2(b, qPrintable(name));
            QTest::mouseClick(b, Qt::LeftButton);
        }
        bool gewaehlt(const QString& name) const {
            auto* k = w->findChild<PadKnopf*>(name);
            return k && k->gewaehlt();
        }
        QStringList gewaehlteKnoepfe() const {
            QStringList r;
            for (PadKnopf* k : w->findChildren<PadKnopf*>())
                if (k->gewaehlt())
                    r.append(k->objectName());
            r.sort();
            return r;
        }
        void waehle(int index) {
            combo->setCurrentIndex(index);
            Q_EMIT combo->activated(index);
        }
        QStringList eintraege() const {
            QStringList r;
            for (int i = 0; i < combo->count(); ++i)
                r.append(combo->itemText(i));
            return r;
        }
        QStringList zeile(int r) const {
            QStringList t;
            for (int c = 0; c < g1->model()->columnCount(); ++c)
                t.append(g1->model()->index(r, c).data().toString());
            return t;
        }
    };

private Q_SLOTS:
    void init() {
        zustand() = Programmzustand{};
        zustand().DatenPfad = m_daten.path() + QLatin1Char('/');
        QDir(m_daten.path()).removeRecursively();
        QDir().mkpath(m_daten.path());
        m_updateGeoeffnet = 0;
    }

    void startZeigtNeuesteZiehungUndTabelle() {
        QVERIFY(GZDateiSchreiben(gzPfad(), beispiel).ok());
        QVector<TQuoten> quoten(2);
        quoten[1].datum = 45388;
        QVERIFY(QuotenDateiSchreiben(zustand().DatenPfad + QuoDateiName, quoten).ok());
        Fenster f(&m_updateGeoeffnet);
        QCOMPARE(f.eintraege(), (QStringList{"30.03.2024", "03.04.2024", "06.04.2024"}));
        QCOMPARE(f.combo->currentIndex(), 2);
        QVERIFY(f.combo->font().bold());
        QCOMPARE(f.combo->maxVisibleItems(), 16);
        QCOMPARE(f.lday->text(), QString());
        QCOMPARE(f.label5->text(), QStringLiteral("Gewinnzahlen vom"));
        QVERIFY(f.gewaehlteKnoepfe().isEmpty());
        QCOMPARE(f.hinzu->text(), QStringLiteral("Neue Ziehung"));
        QCOMPARE(f.lzt->text(), QStringLiteral("  3 Gewinnreihen"));
        QCOMPARE(zustand().QuotenListe.size(), 2);
        QCOMPARE(statistik().ziehungen[KategorieSamstag].size(), 2);

        // Newest on top, numbers in stored order, unknown Superzahl empty.
        QAbstractItemModelTester pruefer(f.g1->model(),
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(f.g1->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Datum"));
        QCOMPARE(f.g1->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Z3"));
        QCOMPARE(f.g1->model()->headerData(7, Qt::Horizontal).toString(), QStringLiteral("SZ"));
        QCOMPARE(f.zeile(0), (QStringList{"06.04.2024", "3", "11", "19", "26", "38", "45", "7"}));
        QCOMPARE(f.zeile(1), (QStringList{"03.04.2024", "49", "1", "17", "22", "30", "8", "0"}));
        QCOMPARE(f.zeile(2), (QStringList{"30.03.2024", "2", "4", "6", "8", "10", "12", ""}));
        QVERIFY(f.g1->columnWidth(0) >= 68);
        QVERIFY(f.g1->columnWidth(0) > f.g1->fontMetrics().horizontalAdvance(QStringLiteral("30.03.2024")));
        QCOMPARE(f.g1->columnWidth(1), 25);
        QCOMPARE(f.g1->verticalHeader()->defaultSectionSize(), 16);

        // The draw with the unknown Superzahl presses no Superzahl button.
        f.waehle(0);
        QCOMPARE(f.lday->text(), QStringLiteral("Samstag"));
        QCOMPARE(f.gewaehlteKnoepfe(),
                 (QStringList{"PNummer10", "PNummer12", "PNummer2", "PNummer4", "PNummer6", "PNummer8"}));
        QCOMPARE(f.w->ziehungen()->pad().superzahl, KeineSZ);
    }

    void leereDateiOhneEintrag() {
        QVERIFY(GZDateiSchreiben(gzPfad(), {}).ok());
        Fenster f(&m_updateGeoeffnet);
        QCOMPARE(f.combo->count(), 0);
        QCOMPARE(f.combo->currentIndex(), -1);
        QCOMPARE(f.lzt->text(), QStringLiteral("  0 Gewinnreihen"));
        QCOMPARE(f.g1->model()->rowCount(), 0);
    }

    void vorschlag_data() {
        QTest::addColumn<int>("ziehungen");
        QTest::addColumn<QDate>("heute");
        QTest::addColumn<QString>("vorschlag");
        QTest::addColumn<QString>("tag");
        QTest::newRow("nach Samstag 06.04.2024") << 3 << QDate(2024, 4, 11) << "10.04.2024"
                                                 << "Mittwoch";
        QTest::newRow("nach Mittwoch 03.04.2024") << 2 << QDate(2024, 4, 11) << "06.04.2024"
                                                  << "Samstag";
        QTest::newRow("leer, Donnerstag") << 0 << QDate(2024, 4, 11) << "10.04.2024"
                                          << "Mittwoch";
        QTest::newRow("leer, Samstag") << 0 << QDate(2024, 4, 13) << "10.04.2024"
                                       << "Mittwoch";
        QTest::newRow("leer, Mittwoch") << 0 << QDate(2024, 4, 10) << "06.04.2024"
                                        << "Samstag";
    }
    void vorschlag() {
        QFETCH(int, ziehungen);
        QFETCH(QDate, heute);
        QFETCH(QString, vorschlag);
        QFETCH(QString, tag);
        if (ziehungen > 0)
            QVERIFY(GZDateiSchreiben(gzPfad(), beispiel.mid(0, ziehungen)).ok());
        Fenster f(&m_updateGeoeffnet, QDateTime(heute, QTime(21, 0)));
        f.klick(QStringLiteral("BHinzu"));
        if (ziehungen == 0) {
            // An empty history first offers the download; "Abbrechen" goes on with the new draw.
            QCOMPARE(f.d.dialoge.texte(),
                     QStringList{"Es fehlen jegliche Gewinnreihen.\r\rSoll ich deren Download "
                                 "gleich starten?"});
            QCOMPARE(f.d.dialoge.meldungen[0].knoepfe, Knoepfe::JaNeinAbbrechen);
            QCOMPARE(m_updateGeoeffnet, 0);
        }
        QCOMPARE(f.combo->count(), ziehungen + 1);
        QCOMPARE(f.combo->currentIndex(), ziehungen);
        QCOMPARE(f.combo->currentText(), vorschlag);
        QCOMPARE(f.label5->text(), QStringLiteral("Gewinnzahlen vom ") + vorschlag);
        QCOMPARE(f.lday->text(), tag);
        QCOMPARE(f.hinzu->text(), QStringLiteral("Abbrechen"));
    }

    void hinzufuegenUndAbbrechen() {
        QVERIFY(GZDateiSchreiben(gzPfad(), beispiel).ok());
        Fenster f(&m_updateGeoeffnet);
        f.waehle(0);
        const QStringList vorher = f.eintraege();
        const QIcon ersteIcon = f.hinzu->icon();
        f.klick(QStringLiteral("BHinzu"));
        QVERIFY(f.w->ziehungen()->hinzuModus());
        QVERIFY(f.gewaehlteKnoepfe().isEmpty()); // the pad was cleared for the new draw
        QVERIFY(f.hinzu->icon().cacheKey() != ersteIcon.cacheKey());
        f.klick(QStringLiteral("PNummer5"));
        f.klick(QStringLiteral("BHinzu"));
        QVERIFY(!f.w->ziehungen()->hinzuModus());
        QCOMPARE(f.eintraege(), vorher);
        QCOMPARE(f.combo->currentIndex(), 2);
        QCOMPARE(f.hinzu->text(), QStringLiteral("Neue Ziehung"));
        QVERIFY(f.gewaehlteKnoepfe().isEmpty());
        QCOMPARE(f.label5->text(), QStringLiteral("Gewinnzahlen vom"));
        QVERIFY(f.d.dialoge.meldungen.isEmpty());
    }

    void zahlenUndSuperzahlWaehlen() {
        Fenster f(&m_updateGeoeffnet);
        for (int n : {40, 3, 17, 9, 28, 33})
            f.klick(QStringLiteral("PNummer%1").arg(n));
        f.klick(QStringLiteral("PNummer41"));
        QCOMPARE(f.d.dialoge.texte(), QStringList{"Sie haben bereits sechs Gewinnzahlen gewählt."});
        QCOMPARE(f.d.dialoge.meldungen[0].art, Nachricht::Information);
        QVERIFY(!f.gewaehlt(QStringLiteral("PNummer41")));
        QCOMPARE(f.w->ziehungen()->pad().anzahl, 6);
        // Clicking a chosen number takes it back; then another fits.
        f.klick(QStringLiteral("PNummer17"));
        QVERIFY(!f.gewaehlt(QStringLiteral("PNummer17")));
        f.klick(QStringLiteral("PNummer41"));
        QVERIFY(f.gewaehlt(QStringLiteral("PNummer41")));
        QCOMPARE(f.d.dialoge.meldungen.size(), 1);

        f.klick(QStringLiteral("PSZNummer3"));
        QVERIFY(f.gewaehlt(QStringLiteral("PSZNummer3")));
        f.klick(QStringLiteral("PSZNummer5"));
        QVERIFY(!f.gewaehlt(QStringLiteral("PSZNummer3")));
        QVERIFY(f.gewaehlt(QStringLiteral("PSZNummer5")));
        f.klick(QStringLiteral("PSZNummer5"));
        QVERIFY(!f.gewaehlt(QStringLiteral("PSZNummer5")));
        QCOMPARE(f.w->ziehungen()->pad().superzahl, KeineSZ);

        f.klick(QStringLiteral("PSZNummer0"));
        f.klick(QStringLiteral("BDel"));
        QVERIFY(f.gewaehlteKnoepfe().isEmpty());
        QCOMPARE(f.w->ziehungen()->pad().anzahl, 0);
        QCOMPARE(f.w->ziehungen()->pad().superzahl, KeineSZ);
    }

    void neueZiehungSpeichern() {
        QVERIFY(GZDateiSchreiben(gzPfad(), beispiel).ok());
        const QByteArray vorher = dateiInhalt(gzPfad());
        Fenster f(&m_updateGeoeffnet);
        QAbstractItemModelTester pruefer(f.g1->model(),
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
        f.klick(QStringLiteral("BHinzu"));
        for (int n : {44, 2, 31, 7, 19})
            f.klick(QStringLiteral("PNummer%1").arg(n));
        f.klick(QStringLiteral("PSZNummer9"));
        f.klick(QStringLiteral("bsSkinSpeedButton2"));
        QCOMPARE(
            f.d.dialoge.texte(),
            QStringList{
                "Bitte geben Sie sechs Gewinnzahlen und die Zusatzzahl an.\r\rIch breche erst einmal ab."});
        QCOMPARE(f.d.dialoge.meldungen[0].art, Nachricht::Fehler);
        QVERIFY(f.w->ziehungen()->hinzuModus());
        QCOMPARE(dateiInhalt(gzPfad()), vorher);
        QCOMPARE(zustand().GewZahlen.size(), 3);

        f.klick(QStringLiteral("PNummer25"));
        f.klick(QStringLiteral("bsSkinSpeedButton2"));
        QCOMPARE(f.d.dialoge.meldungen.size(), 1);
        const QByteArray nachher = dateiInhalt(gzPfad());
        QCOMPARE(nachher.size(), vorher.size() + 16);
        QCOMPARE(nachher.left(vorher.size()), vorher);
        QCOMPARE(TGewZahlen::lesen(nachher.constData() + 48),
                 ziehung(QDate(2024, 4, 10), {2, 7, 19, 25, 31, 44}, 9));
        QCOMPARE(zustand().GewZahlen.size(), 4);
        QVERIFY(!f.w->ziehungen()->hinzuModus());
        QCOMPARE(f.hinzu->text(), QStringLiteral("Neue Ziehung"));
        QCOMPARE(f.combo->count(), 4);
        QCOMPARE(f.combo->currentIndex(), 3);
        QCOMPARE(f.zeile(0), (QStringList{"10.04.2024", "2", "7", "19", "25", "31", "44", "9"}));
        QCOMPARE(f.lzt->text(), QStringLiteral("  4 Gewinnreihen"));
        // The statistics follow: 44 was drawn on no Wednesday before.
        QCOMPARE(statistik().ziehungen[KategorieMittwoch].size(), 2);
        QCOMPARE(statistik().zaehler[KategorieMittwoch][44 - 1], 1);

        // The next proposal follows the new Wednesday draw.
        f.klick(QStringLiteral("BHinzu"));
        QCOMPARE(f.combo->currentText(), QStringLiteral("13.04.2024"));
    }

    void korrekturAendertNurDieseZiehung() {
        QVERIFY(GZDateiSchreiben(gzPfad(), beispiel).ok());
        const QByteArray vorher = dateiInhalt(gzPfad());
        Fenster f(&m_updateGeoeffnet);
        f.waehle(1);
        QCOMPARE(f.lday->text(), QStringLiteral("Mittwoch"));
        QCOMPARE(f.label5->text(), QStringLiteral("Gewinnzahlen vom 03.04.2024"));
        QCOMPARE(f.gewaehlteKnoepfe(), (QStringList{"PNummer1", "PNummer17", "PNummer22", "PNummer30",
                                                    "PNummer49", "PNummer8", "PSZNummer0"}));
        // Without a Superzahl the correction is refused like a new draw.
        f.klick(QStringLiteral("PSZNummer0"));
        f.klick(QStringLiteral("bsSkinSpeedButton2"));
        QCOMPARE(
            f.d.dialoge.texte(),
            QStringList{
                "Bitte geben Sie sechs Gewinnzahlen und die Zusatzzahl an.\r\rIch breche erst einmal ab."});
        QCOMPARE(dateiInhalt(gzPfad()), vorher);

        f.klick(QStringLiteral("PSZNummer0"));
        f.klick(QStringLiteral("PNummer49"));
        f.klick(QStringLiteral("PNummer48"));
        f.klick(QStringLiteral("bsSkinSpeedButton2"));
        QCOMPARE(f.d.dialoge.meldungen.size(), 1);
        const QByteArray nachher = dateiInhalt(gzPfad());
        QCOMPARE(nachher.size(), vorher.size());
        QCOMPARE(nachher.left(16), vorher.left(16));
        QCOMPARE(nachher.mid(32), vorher.mid(32));
        QCOMPARE(TGewZahlen::lesen(nachher.constData() + 16),
                 ziehung(QDate(2024, 4, 3), {1, 8, 17, 22, 30, 48}, 0));
        // Stored in drawing order before, ascending after the correction.
        QCOMPARE(f.zeile(1), (QStringList{"03.04.2024", "1", "8", "17", "22", "30", "48", "0"}));
        QCOMPARE(f.combo->currentIndex(), 1);
        QCOMPARE(f.combo->count(), 3);
    }

    void gescheitertesSpeichernAendertNichts() {
        QVERIFY(GZDateiSchreiben(gzPfad(), beispiel).ok());
        Fenster f(&m_updateGeoeffnet);
        zustand().DatenPfad = m_daten.path() + QStringLiteral("/fehlt/");
        f.klick(QStringLiteral("BHinzu"));
        for (int n : {1, 2, 3, 4, 5, 6})
            f.klick(QStringLiteral("PNummer%1").arg(n));
        f.klick(QStringLiteral("PSZNummer1"));
        f.klick(QStringLiteral("bsSkinSpeedButton2"));
        QCOMPARE(f.d.dialoge.meldungen.size(), 1);
        QCOMPARE(f.d.dialoge.meldungen[0].art, Nachricht::Fehler);
        QVERIFY(f.d.dialoge.meldungen[0].text.contains(QStringLiteral("kann nicht gespeichert werden")));
        // Memory stays as the file is; the new draw can be saved again once the folder is back.
        QCOMPARE(zustand().GewZahlen, beispiel);
        QVERIFY(f.w->ziehungen()->hinzuModus());
        QCOMPARE(f.lzt->text(), QStringLiteral("  3 Gewinnreihen"));
        zustand().DatenPfad = m_daten.path() + QLatin1Char('/');
        f.klick(QStringLiteral("bsSkinSpeedButton2"));
        QCOMPARE(zustand().GewZahlen.size(), 4);
        QCOMPARE(dateiInhalt(gzPfad()).size(), 64);
    }

    void unlesbareDateiWirdNichtUeberschrieben() {
        QVERIFY(QDir().mkpath(gzPfad())); // a folder where the file should be
        Fenster f(&m_updateGeoeffnet);
        QCOMPARE(f.d.dialoge.meldungen.size(), 1);
        QCOMPARE(f.d.dialoge.meldungen[0].art, Nachricht::Fehler);
        QCOMPARE(f.combo->count(), 0);
        f.d.dialoge.antworten.enqueue(Antwort::Nein); // no download
        f.klick(QStringLiteral("BHinzu"));
        for (int n : {1, 2, 3, 4, 5, 6})
            f.klick(QStringLiteral("PNummer%1").arg(n));
        f.klick(QStringLiteral("PSZNummer1"));
        f.klick(QStringLiteral("bsSkinSpeedButton2"));
        QCOMPARE(f.d.dialoge.meldungen.size(), 3);
        QVERIFY(f.d.dialoge.meldungen[2].text.startsWith(
            QStringLiteral("Die Gewinnzahlen-Datei konnte beim Start")));
        QVERIFY(zustand().GewZahlen.isEmpty());
    }

    void ohneAuswahlKeineKorrektur() {
        QVERIFY(GZDateiSchreiben(gzPfad(), {}).ok());
        Fenster f(&m_updateGeoeffnet);
        f.klick(QStringLiteral("bsSkinSpeedButton2"));
        QCOMPARE(f.d.dialoge.texte(), QStringList{TextKeineZiehungGewaehlt});
    }

    void downloadAngebotBeimStart() {
        {
            Fenster f(&m_updateGeoeffnet);
            f.d.dialoge.antworten.enqueue(Antwort::Nein);
            f.w->show();
            QCOMPARE(f.d.dialoge.texte(), QStringList{TextDownloadFrage});
            QVERIFY(zustand().DownloadFragen);
            QCOMPARE(m_updateGeoeffnet, 0);
        }
        {
            Fenster f(&m_updateGeoeffnet);
            f.d.dialoge.antworten.enqueue(Antwort::Ja);
            f.w->show();
            QVERIFY(!zustand().DownloadFragen);
            QCOMPARE(m_updateGeoeffnet, 1);
            QVERIFY(f.router.FensterOffen(QStringLiteral("FUpdate")));
        }
        {
            QVERIFY(GZDateiSchreiben(gzPfad(), beispiel).ok());
            Fenster f(&m_updateGeoeffnet);
            f.w->show();
            QVERIFY(f.d.dialoge.meldungen.isEmpty());
        }
    }

    void webLinks_data() {
        QTest::addColumn<QString>("knopf");
        QTest::addColumn<QString>("adresse");
        QTest::addColumn<QString>("offline");
        const QString gewinnzahlen = QStringLiteral(
            "Für den Aufruf aktueller Gewinnzahlen muss eine Verbindung zum Internet bestehen.");
        QTest::newRow("bsSkinSpeedButton4")
            << "bsSkinSpeedButton4"
            << "https://www.lotto.de/lotto-6aus49/lottozahlen" << gewinnzahlen;
        QTest::newRow("Image1") << "Image1"
                                << "https://www.lotto.de/lotto-6aus49/lottozahlen" << gewinnzahlen;
        QTest::newRow("Image3") << "Image3"
                                << "https://example.org/kugelblick" << gewinnzahlen;
        QTest::newRow("Image5") << "Image5"
                                << "https://www.lotto.de/lotto-6aus49/quoten"
                                << "Für den Aufruf der Seite muss eine Verbindung zum Internet bestehen.";
    }
    void webLinks() {
        QFETCH(QString, knopf);
        QFETCH(QString, adresse);
        QFETCH(QString, offline);
        {
            IniDatei ini(zustand().einstellungenPfad());
            ini.WriteString(QStringLiteral("Web"), QStringLiteral("Startseite"),
                            QStringLiteral("https://example.org/kugelblick"));
            QVERIFY(ini.speichern().ok());
        }
        QVERIFY(GZDateiSchreiben(gzPfad(), beispiel).ok());
        Fenster f(&m_updateGeoeffnet);
        f.klick(knopf);
        QCOMPARE(f.d.shell.aufrufe, QStringList{QStringLiteral("url:") + adresse});
        QVERIFY(f.d.dialoge.meldungen.isEmpty());
        f.d.netz.istOnline = false;
        f.klick(knopf);
        QCOMPARE(f.d.shell.aufrufe.size(), 1);
        QCOMPARE(f.d.dialoge.texte(), QStringList{offline});
        QCOMPARE(f.d.dialoge.meldungen[0].art, Nachricht::Information);
    }
};
KB_TEST(ZiehungsverwaltungTest)

#include "draw_panel_test.moc"
