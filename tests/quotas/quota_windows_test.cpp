#include "core/date.h"
#include "core/ini_file.h"
#include "core/program_state.h"
#include "evaluation/startup.h"
#include "platform/paths.h"
#include "platform/testing/test_services.h"
#include "quotas/quota_editor_window.h"
#include "quotas/quota_file.h"
#include "quotas/quota_settings.h"
#include "quotas/quota_table.h"
#include "quotas/quota_tool_window.h"
#include "test_main.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>

using namespace kb;

namespace {
TDate tag(int j, int m, int t) {
    return ausQDate(QDate(j, m, t));
}

TQuoten quoten(TDate datum, Geld basis) {
    TQuoten q;
    q.datum = datum;
    for (int k = 1; k <= 9; ++k)
        q.q[k] = basis * k;
    return q;
}

QByteArray dateiInhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList felder(const TFQuoten& w) {
    QStringList t;
    for (int k = 1; k <= 9; ++k)
        t.append(w.feld(k)->text());
    return t;
}

template <class T> T kind(QWidget* w, const char* name) {
    T k = w->findChild<T>(QString::fromLatin1(name));
    if (!k)
        qFatal("control %s missing", name);
    return k;
}

void klick(QWidget* w, const char* name) {
    QTest::mouseClick(kind<QPushButton*>(w, name), Qt::LeftButton);
}

void loeschen() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
} // namespace

class QuotenFensterTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_daten;
    QString quoPfad() const { return zustand().DatenPfad + QuoDateiName; }

    // Last record: Saturday 02.01.2021.
    void dateiAnlegen() {
        QVERIFY(QuotenDateiSchreiben(quoPfad(),
                                     {quoten(tag(2020, 12, 30), 10000), quoten(tag(2021, 1, 2), 20000)})
                    .ok());
    }

private Q_SLOTS:
    void init() {
        zustand() = Programmzustand{};
        zustand().DatenPfad = m_daten.path() + QLatin1Char('/');
        zustand().BildschirmBreite = 1280;
        zustand().BildschirmHoehe = 800;
        QFile::remove(zustand().einstellungenPfad());
        QFile::remove(quoPfad());
    }

    void erzeugenHaengtFehlendeZiehungenAnUndSpeichert_data() {
        QTest::addColumn<QDateTime>("jetzt");
        QTest::addColumn<QStringList>("daten");
        QTest::newRow("donnerstag") << QDateTime(QDate(2021, 1, 7), QTime(12, 0))
                                    << QStringList{"30.12.2020", "02.01.2021", "06.01.2021"};
        QTest::newRow("samstag morgens")
            << QDateTime(QDate(2021, 1, 9), QTime(8, 0))
            << QStringList{"30.12.2020", "02.01.2021", "06.01.2021", "09.01.2021"};
    }
    void erzeugenHaengtFehlendeZiehungenAnUndSpeichert() {
        QFETCH(QDateTime, jetzt);
        QFETCH(QStringList, daten);
        dateiAnlegen();
        test::TestDienste d;
        d.uhr.zeit = jetzt;
        QPointer<TFQuoten> w = new TFQuoten(d.dienste);
        QCOMPARE(w->windowTitle(), QStringLiteral("Kugelblick 1.7.0.0"));
        // The stated size at the least; wider where this system's font needs it.
        QVERIFY(w->width() >= 663);
        QCOMPARE(w->height(), 613);
        QCOMPARE(w->tabelle()->datumsTexte(), daten);
        auto* g1 = kind<QTableView*>(w, "G1");
        for (int k = 0; k < 10; ++k) {
            QCOMPARE(g1->columnWidth(k), w->spaltenBreite(k));
            QVERIFY(w->spaltenBreite(k) >= TFQuoten::SpaltenBreiten[k]);
            const QString inhalt = g1->model()->index(0, k).data().toString();
            QVERIFY2(g1->fontMetrics().horizontalAdvance(inhalt) < w->spaltenBreite(k), qPrintable(inhalt));
        }
        for (int k = 1; k <= 9; ++k) {
            QCOMPARE(w->feld(k)->width(), w->spaltenBreite(k));
            QVERIFY(w->feld(k)->geometry().right() < w->width());
        }
        const int neu = daten.size() - 1;
        QCOMPARE(w->tabelle()->zelle(neu, 1), QStringLiteral("12.585.434,40"));
        QCOMPARE(w->tabelle()->zelle(neu, 9), QStringLiteral("6,00"));
        QVERIFY(!kind<QLabel*>(w, "LFehlt")->isVisibleTo(w));

        // Saved at once, and the evaluation sees the new records.
        const QByteArray datei = dateiInhalt(quoPfad());
        QCOMPARE(datei.size(), 80 * daten.size());
        QCOMPARE(DatumText(TQuoten::lesen(datei.constData() + 80 * neu).datum, QLocale()), daten.last());
        QCOMPARE(zustand().QuotenListe.size(), daten.size());
        auto* combo = kind<QComboBox*>(w, "Combo1");
        QCOMPARE(combo->count(), daten.size());
        QCOMPARE(combo->currentText(), daten.last());
        QCOMPARE(combo->maxVisibleItems(), 16);

        QCOMPARE(felder(*w), (QStringList{"", "", "", "", "", "", "", "", "5,00"}));
        w->close();
        QVERIFY(d.dialoge.meldungen.isEmpty()); // no changes: no question
        loeschen();
        QVERIFY(w.isNull());
    }

    void ersetzenSpeichernUndSchliessen() {
        dateiAnlegen();
        test::TestDienste d;
        d.uhr.zeit = QDateTime(QDate(2021, 1, 7), QTime(12, 0));
        QPointer<TFQuoten> w = new TFQuoten(d.dienste);
        w->show();
        auto* combo = kind<QComboBox*>(w, "Combo1");
        combo->setCurrentIndex(1); // 02.01.2021
        const QStringList getippt{"12135,40", "4019,2", "191", "50,3", "21,2", "5"};
        for (int k = 3; k <= 8; ++k)
            QTest::keyClicks(w->feld(k), getippt[k - 3]);
        klick(w, "BErsetzen");
        QVERIFY(w->geaendert());
        QCOMPARE(felder(*w), QStringList(9));
        QuotenTabelle* t = w->tabelle();
        QCOMPARE(t->zelle(1, 1), QStringLiteral("2,00"));
        QCOMPARE(t->zelle(1, 2), QStringLiteral("4,00"));
        for (int k = 3; k <= 8; ++k)
            QCOMPARE(t->zelle(1, k), getippt[k - 3]);
        QCOMPARE(t->zelle(1, 9), QStringLiteral("5,00")); // the pre-filled field
        QCOMPARE(t->zelle(0, 3), QStringLiteral("3,00"));
        QCOMPARE(t->zelle(2, 3), QStringLiteral("12.135,40"));

        // Cancel keeps the window and its table.
        d.dialoge.antworten.enqueue(Antwort::Abbrechen);
        QVERIFY(!w->close());
        QCOMPARE(d.dialoge.texte(),
                 QStringList{"Gegebenenfalls geänderte Quoten wurden noch nicht gespeichert.\r\r"
                             "Wollen Sie die Änderungen jetzt speichern?"});
        QCOMPARE(d.dialoge.meldungen.first().knoepfe, Knoepfe::JaNeinAbbrechen);
        QVERIFY(w->isVisible());
        QCOMPARE(t->zelle(1, 3), QStringLiteral("12135,40"));
        // The position was written also for the cancelled close.
        QVERIFY(IniDatei(zustand().einstellungenPfad())
                    .ValueExists(QStringLiteral("Fenster"), QStringLiteral("Quoten-Left")));

        // Yes saves and closes.
        d.dialoge.antworten.enqueue(Antwort::Ja);
        QVERIFY(w->close());
        const QVector<TQuoten> gespeichert = QuotenDateiLesen(quoPfad())->quoten;
        QCOMPARE(gespeichert.size(), 3);
        QCOMPARE(gespeichert[1].q[3], Geld(121354000));
        QCOMPARE(gespeichert[1].q[4], Geld(40192000));
        QCOMPARE(gespeichert[1].q[5], Geld(1910000));
        QCOMPARE(gespeichert[1].q[8], Geld(50000));
        QCOMPARE(gespeichert[1].q[9], Geld(50000));
        QCOMPARE(gespeichert[1].q[1], Geld(20000));
        QCOMPARE(zustand().QuotenListe, gespeichert);
        loeschen();
        QVERIFY(w.isNull());
    }

    void tastenfilter() {
        dateiAnlegen();
        test::TestDienste d;
        TFQuoten w(d.dienste);
        w.show();
        TQEdit* f = w.feld(2);
        QTest::keyClicks(f, QStringLiteral("1a .2-3,4#"));
        QTest::sendKeyEvent(QTest::Click, f, Qt::Key_unknown, QStringLiteral("€"), Qt::NoModifier);
        QCOMPARE(f->text(), QStringLiteral("123,4"));
        QTest::keyClick(f, Qt::Key_Backspace);
        QCOMPARE(f->text(), QStringLiteral("123,"));
        QTest::keyClick(f, Qt::Key_Left);
        QTest::keyClicks(f, QStringLiteral("9"));
        QCOMPARE(f->text(), QStringLiteral("1239,"));
        QTest::keyClick(f, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f->text(), QStringLiteral("1239,"));
        QCOMPARE(f->alignment(), Qt::AlignRight | Qt::AlignVCenter);
        QVERIFY(f->font().bold());
        QCOMPARE(f->height(), 20);
        QCOMPARE(w.feld(1)->x(), 10);
        QCOMPARE(w.feld(2)->x(), 20 + w.spaltenBreite(1));
    }

    void unlesbarerBetragLaesstDateiUnveraendert() {
        dateiAnlegen();
        test::TestDienste d;
        d.uhr.zeit = QDateTime(QDate(2021, 1, 3), QTime(12, 0)); // nothing to append
        TFQuoten w(d.dienste);
        const QByteArray vorher = dateiInhalt(quoPfad());
        w.feldSetzen(4, QStringLiteral("1,234,567"));
        klick(&w, "BErsetzen");
        klick(&w, "BSave");
        QCOMPARE(d.dialoge.texte(),
                 QStringList{"'1,234,567' ist kein gültiger Betrag.\r\rZeile 2 (Ziehung "
                             "02.01.2021), Spalte \"5 Richtige\".\r\rDie Quotendatei bleibt "
                             "unverändert."});
        QCOMPARE(dateiInhalt(quoPfad()), vorher);
        QVERIFY(w.geaendert());
        // A failed save on closing keeps the window open.
        d.dialoge.antworten.enqueue(Antwort::Ja);
        w.show();
        QVERIFY(!w.close());
        QVERIFY(w.isVisible());
    }

    void fehlendeDateiZeigtLeereTabelle_data() {
        QTest::addColumn<bool>("leereDatei");
        QTest::newRow("fehlt") << false;
        QTest::newRow("leer") << true;
    }
    void fehlendeDateiZeigtLeereTabelle() {
        QFETCH(bool, leereDatei);
        if (leereDatei)
            QVERIFY(QuotenDateiSchreiben(quoPfad(), {}).ok());
        test::TestDienste d;
        TFQuoten w(d.dienste);
        QCOMPARE(w.tabelle()->rowCount(), 0);
        QCOMPARE(QFile::exists(quoPfad()), leereDatei);
        auto* fehlt = kind<QLabel*>(&w, "LFehlt");
        QVERIFY(fehlt->isVisibleTo(&w));
        const QString text =
            QStringLiteral("Die Quotendatei des Programms (Quo.649) fehlt im Datenordner oder enthält "
                           "keine Quoten. Der Editor kann darum keine Quoten zeigen oder speichern; "
                           "die Auswertung rechnet mit den Standardquoten.");
        QCOMPARE(fehlt->text(), text);
        QVERIFY(d.dialoge.meldungen.isEmpty());
        klick(&w, "BErsetzen");
        klick(&w, "BSave");
        QCOMPARE(d.dialoge.texte(), (QStringList{text + "\r\rIch breche ab.", text + "\r\rIch breche ab."}));
        QCOMPARE(QFile::exists(quoPfad()), leereDatei);
    }

    void lageAusDenEinstellungen() {
        dateiAnlegen();
        IniDatei ini(zustand().einstellungenPfad());
        ini.WriteInteger(QStringLiteral("Fenster"), QStringLiteral("Quoten-Left"), 120);
        ini.WriteInteger(QStringLiteral("Fenster"), QStringLiteral("Quoten-Top"), 30);
        QVERIFY(ini.speichern().ok());
        test::TestDienste d;
        auto* w = new TFQuoten(d.dienste);
        w->show();
        QCOMPARE(w->pos(), QPoint(120, 30));
        w->move(200, 40);
        w->close();
        const IniDatei nachher(zustand().einstellungenPfad());
        QCOMPARE(nachher.ReadInteger(QStringLiteral("Fenster"), QStringLiteral("Quoten-Left"), 0), 200);
        QCOMPARE(nachher.ReadInteger(QStringLiteral("Fenster"), QStringLiteral("Quoten-Top"), 0), 40);
        loeschen();
    }

    void toolFuelltDieFelderDesEditors() {
        dateiAnlegen();
        test::TestDienste d;
        TFQuoten w(d.dienste);
        w.show();
        w.feldSetzen(1, QStringLiteral("77"));
        klick(&w, "BQTool");
        QPointer<TFQTool> tool = w.tool();
        QVERIFY(tool && tool->isVisible());
        QCOMPARE(tool->size(), QSize(475, 380));
        QCOMPARE(tool->windowTitle(), QStringLiteral("Kugelblick 1.7.0.0"));
        QCOMPARE(kind<QLineEdit*>(tool, "EUrl")->text(), QuotenUrlVorgabe);
        // The default URL is stored at once.
        QCOMPARE(IniDatei(zustand().einstellungenPfad()).ReadString("Quoten", "Url", {}), QuotenUrlVorgabe);
        QCOMPARE(kind<QScrollBar*>(tool, "Scroll1")->value(), 4);
        QCOMPARE(kind<QLabel*>(tool, "LSpalte")->text(), QStringLiteral("4"));

        klick(tool, "BUebertragen");
        QCOMPARE(felder(w),
                 (QStringList{"77", "", "15986,30", "4967,10", "228,30", "57,00", "23,40", "12,30", "5,00"}));
        QVERIFY(d.dialoge.meldungen.isEmpty());

        klick(tool, "BDel");
        QVERIFY(kind<QPlainTextEdit*>(tool, "M1")->toPlainText().isEmpty());
        klick(tool, "BUebertragen");
        QCOMPARE(d.dialoge.texte(), QStringList{"Das Textfeld ist leer. Es gibt nichts zu übertragen.\r\r"
                                                "Ich breche erst einmal ab."});

        // "Quoten- Tool" again brings the same tool back.
        tool->showMinimized();
        klick(&w, "BQTool");
        QCOMPARE(w.tool(), tool.data());
        QVERIFY(!tool->isMinimized());
        kind<QScrollBar*>(tool, "Scroll1")->setValue(2);
        QCOMPARE(kind<QLabel*>(tool, "LSpalte")->text(), QStringLiteral("2"));
        tool->move(300, 20);
        klick(tool, "BSchliessen");
        loeschen();
        QVERIFY(tool.isNull());
        const IniDatei ini(zustand().einstellungenPfad());
        QCOMPARE(ini.ReadInteger("Quoten", "Spalte", 0), 2);
        QCOMPARE(ini.ReadInteger("Fenster", "QTool-Left", 0), 300);
        QCOMPARE(ini.ReadInteger("Fenster", "QTool-Top", 0), 20);
    }

    void toolNebenDemEditor() {
        dateiAnlegen();
        test::TestDienste d;
        TFQuoten w(d.dienste);
        w.show();
        w.move(100, 50);
        klick(&w, "BQTool");
        TFQTool* tool = w.tool();
        QCOMPARE(tool->pos(),
                 QuotenToolLage(QPoint(), w.frameGeometry(), tool->frameGeometry().size(), QSize(1280, 800)));
        QCOMPARE(tool->y(), 50);
    }

    void einfuegenWieVonEchtenSeiten_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("spalte");
        QTest::addColumn<QStringList>("erwartet");
        // Selected on a results page: class, name, winners and quota; classes 1 without winners.
        QTest::newRow("zeilen mit unbesetzt")
            << QStringLiteral(
                   "Gewinnklasse\nAnzahl der Gewinner\nQuote\n\nKlasse 1\n6 Richtige + SZ\nunbesetzt\n\n"
                   "Klasse 2\n6 Richtige\n2 x\n1.835.402,70 €\nKlasse 3\n5 Richtige + SZ\n11 x\n"
                   "15.986,30 €\nKlasse 4\n5 Richtige\n86 x\n4.967,10 €\nKlasse 5\n4 Richtige + SZ\n"
                   "1.051 x\n228,30 €\nKlasse 6\n4 Richtige\n8.337 x\n57,00 €\nKlasse 7\n"
                   "3 Richtige + SZ\n20.409 x\n23,40 €\nKlasse 8\n3 Richtige\n157.221 x\n12,30 €\n"
                   "Klasse 9\n2 Richtige + SZ\n152.330 x\n5,00 €\n")
            << 4 << QStringList{"77",    "1835402,70", "15986,30", "4967,10", "228,30",
                                "57,00", "23,40",      "12,30",    "5,00"};
        // A table copied cell by cell: tabs between the cells, no-break space before the euro sign.
        QTest::newRow("tabulatoren")
            << QStringLiteral(
                   "1\t6 Richtige + SZ\t0\tunbesetzt\n2\t6 Richtige\t1\t2.406.389,30\u00a0€\n"
                   "3\t5 Richtige + SZ\t9\t19.538,40\u00a0€\n4\t5 Richtige\t52\t5.072,30\u00a0€\n"
                   "5\t4 Richtige + SZ\t843\t208,60\u00a0€\n6\t4 Richtige\t7.264\t48,40\u00a0€\n"
                   "7\t3 Richtige + SZ\t16.955\t20,70\u00a0€\n8\t3 Richtige\t138.620\t10,80\u00a0€\n"
                   "9\t2 Richtige + SZ\t121.014\t6,00\u00a0€\n")
            << 4 << QStringList{"",      "2406389,30", "19538,40", "5072,30", "208,60",
                                "48,40", "20,70",      "10,80",    "6,00"};
        // Amounts with "Euro" and thousands points in the third column, aligned with extra blanks.
        QTest::newRow("euro und tausenderpunkte")
            << QStringLiteral("Klasse I\t6 Richtige + Superzahl\t12.585.434,40 Euro\t1\n"
                              "Klasse II\t6 Richtige\t  1.003.509,30 Euro\t3\n"
                              "Klasse III\t5 Richtige + Superzahl\t12.135,40 Euro\t14\n"
                              "Klasse IV\t5 Richtige\t4.019,20 Euro\t101\n"
                              "Klasse V\t4 Richtige + Superzahl\t191,10 Euro\t905\n"
                              "Klasse VI\t4 Richtige\t50,30 Euro\t8.012\n"
                              "Klasse VII\t3 Richtige + Superzahl\t21,20 Euro\t17.320\n"
                              "Klasse VIII\t3 Richtige\t11,10 Euro\t151.002\n"
                              "Klasse IX\t2 Richtige + Superzahl\t6,00 Euro\t129.931\n")
            << 3 << QStringList{"12585434,40", "1003509,30", "12135,40", "4019,20", "191,10",
                                "50,30",       "21,20",      "11,10",    "6,00"};
    }
    void einfuegenWieVonEchtenSeiten() {
        QFETCH(QString, text);
        QFETCH(int, spalte);
        QFETCH(QStringList, erwartet);
        dateiAnlegen();
        test::TestDienste d;
        TFQuoten w(d.dienste);
        w.feldSetzen(1, QStringLiteral("77"));
        klick(&w, "BQTool");
        TFQTool* tool = w.tool();
        QGuiApplication::clipboard()->setText(text);
        klick(tool, "BClip");
        // The text field keeps no-break spaces as plain blanks.
        QCOMPARE(kind<QPlainTextEdit*>(tool, "M1")->toPlainText(), QString(text).replace(QChar(0xa0), u' '));
        kind<QScrollBar*>(tool, "Scroll1")->setValue(spalte);
        klick(tool, "BUebertragen");
        QVERIFY2(d.dialoge.meldungen.isEmpty(), qPrintable(d.dialoge.texte().join(QLatin1Char('|'))));
        QCOMPARE(felder(w), erwartet);
        // And on into the table and the file.
        klick(&w, "BErsetzen");
        klick(&w, "BSave");
        QVERIFY(d.dialoge.meldungen.isEmpty());
        QCOMPARE(QuotenDateiLesen(quoPfad())->quoten.last().q[3], *GeldAusText(erwartet[2], QLocale()));
    }

    void kurzeTabZeileMeldetUndBehaeltFelder() {
        dateiAnlegen();
        test::TestDienste d;
        TFQuoten w(d.dienste);
        klick(&w, "BQTool");
        TFQTool* tool = w.tool();
        kind<QPlainTextEdit*>(tool, "M1")
            ->setPlainText(QStringLiteral("1\ta\tb\t3,00\n2\ta\tb\t4,00\nGesamt\t9"));
        klick(tool, "BUebertragen");
        QCOMPARE(felder(w).mid(0, 3), (QStringList{"3,00", "4,00", ""}));
        QCOMPARE(d.dialoge.texte(),
                 QStringList{"Die Zeile 3 (\"Gesamt\t9\") hat keine Spalte 4.\r\rWählen Sie die "
                             "Spalte, in der die Quote steht, oder entfernen Sie Zeilen ohne Quote "
                             "aus dem Textfeld.\r\rIch breche erst einmal ab."});
    }

    void urlAufrufenUndSpeichern() {
        dateiAnlegen();
        test::TestDienste d;
        TFQuoten w(d.dienste);
        klick(&w, "BQTool");
        QPointer<TFQTool> tool = w.tool();
        auto* url = kind<QLineEdit*>(tool, "EUrl");
        url->clear();
        QTest::keyClicks(url, QStringLiteral("abcde"));
        QVERIFY(tool->urlGeaendert());
        klick(tool, "BAufruf");
        QCOMPARE(d.shell.aufrufe, QStringList{"url:" + QuotenUrlVorgabe});

        d.netz.istOnline = false;
        klick(tool, "BAufruf");
        QCOMPARE(d.dialoge.texte(),
                 QStringList{"Für den Aufruf aktueller Quoten muss eine Verbindung zum Internet bestehen."});
        d.netz.istOnline = true;

        url->clear();
        QTest::keyClicks(url, QStringLiteral("https://quoten.example/heute"));
        klick(tool, "BAufruf");
        QCOMPARE(d.shell.aufrufe.last(), QStringLiteral("url:https://quoten.example/heute"));

        // Closing asks about the unsaved URL; Yes stores it.
        d.dialoge.meldungen.clear();
        d.dialoge.antworten.enqueue(Antwort::Ja);
        tool->close();
        QCOMPARE(d.dialoge.texte(), QStringList{"Die gegebenenfalls geänderte Quoten-Url wurde noch nicht "
                                                "gespeichert.\r\rWollen Sie Änderungen jetzt speichern?"});
        QCOMPARE(IniDatei(zustand().einstellungenPfad()).ReadString("Quoten", "Url", {}),
                 QStringLiteral("https://quoten.example/heute"));

        // Saved with the button: no question.
        klick(&w, "BQTool");
        tool = w.tool();
        QCOMPARE(kind<QLineEdit*>(tool, "EUrl")->text(), QStringLiteral("https://quoten.example/heute"));
        kind<QLineEdit*>(tool, "EUrl")->setText(QStringLiteral("x"));
        QTest::keyClicks(kind<QLineEdit*>(tool, "EUrl"), QStringLiteral("y"));
        klick(tool, "BUrlSave");
        d.dialoge.meldungen.clear();
        tool->close();
        QVERIFY(d.dialoge.meldungen.isEmpty());
        QCOMPARE(IniDatei(zustand().einstellungenPfad()).ReadString("Quoten", "Url", {}),
                 QStringLiteral("xy"));
    }

    void startUndRouting() {
        // The start settles the data folder itself: the quota file goes there first.
        zustand().DatenPfad = pfadeErmitteln().datenPfad;
        QVERIFY(datenOrdnerAnlegen(zustand().DatenPfad));
        dateiAnlegen();
        test::TestDienste d;
        d.uhr.zeit = QDateTime(QDate(2021, 1, 7), QTime(12, 0));
        Programmstart start(d.dienste);
        start.ausfuehren();
        // Created hidden at start: its creation already appended and saved.
        QPointer<QWidget> erster = start.router().fenster(QStringLiteral("FQuoten"));
        QVERIFY(erster && !erster->isVisible());
        QCOMPARE(QuotenDateiLesen(quoPfad())->quoten.size(), 3);
        QStringList reihenfolge;
        for (QWidget* f : start.router().alleFenster())
            reihenfolge.append(f->objectName());
        QVERIFY(reihenfolge.indexOf("FEingabe") < reihenfolge.indexOf("FQuoten"));
        QVERIFY(reihenfolge.indexOf("FQuoten") < reihenfolge.indexOf("FStat1"));

        QAction* knopf = start.hauptfenster()->aktion(QStringLiteral("BQuoten"));
        QVERIFY(knopf->isEnabled());
        knopf->trigger();
        QCOMPARE(start.router().fenster(QStringLiteral("FQuoten")), erster.data());
        QVERIFY(erster->isVisible());
        erster->close();
        loeschen();
        QVERIFY(erster.isNull());
        QVERIFY(knopf->isEnabled());

        // Opened again: created anew, with a fresh field 9.
        d.uhr.zeit = QDateTime(QDate(2021, 1, 9), QTime(8, 0));
        knopf->trigger();
        auto* zweiter = qobject_cast<TFQuoten*>(start.router().fenster(QStringLiteral("FQuoten")));
        QVERIFY(zweiter && zweiter->isVisible());
        QCOMPARE(zweiter->feld(9)->text(), QStringLiteral("5,00"));
        QCOMPARE(zweiter->tabelle()->rowCount(), 4);
        QCOMPARE(zustand().QuotenListe.size(), 4);
        QCOMPARE(d.hilfe.aufrufe, QStringList());
        klick(zweiter, "BHelp");
        QCOMPARE(d.hilfe.aufrufe, QStringList{"thema:1090"});
        // The program may end with the tool closed but not yet deleted.
        zweiter->BQToolClick();
        zweiter->tool()->close();
    }
};

KB_TEST(QuotenFensterTest)
#include "quota_windows_test.moc"
