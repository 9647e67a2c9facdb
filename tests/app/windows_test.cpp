// Every window of the program as the user sees it: title, client size, named controls, nothing
// sticking out of its window or cut off, accelerators, F1, Escape, tab order, readable colours.
// Runs at 100 % and (second CTest entry) at QT_SCALE_FACTOR=2.
#include "core/program_state.h"
#include "evaluation/startup.h"
#include "platform/paths.h"
#include "platform/testing/test_services.h"
#include "printing/detail_window.h"
#include "printing/print_window.h"
#include "quotas/quota_editor_window.h"
#include "quotas/quota_tool_window.h"
#include "statistics/statistics_frame.h"
#include "statistics/statistics_window.h"
#include "test_main.h"
#include "widgets/icons.h"
#include "widgets/number_pad.h"
#include "widgets/skin.h"
#include "widgets/window_setup.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include <memory>

using namespace kb;

namespace {

struct Soll {
    QString titel = QStringLiteral("Kugelblick 1.7.0.0");
    QSize groesse;         // client area; a dimension of -1 is not fixed
    QStringList sichtbar;  // named controls visible as the window opens
    QStringList vorhanden; // named controls on other pages
    int hilfe = 0;         // topic of F1; 0: the window has none
    bool dialog = false;   // Escape closes it
};

QString name(const QWidget* w) {
    QString n = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
    if (const auto* b = qobject_cast<const QAbstractButton*>(w); b && !b->text().isEmpty())
        n += QStringLiteral(" \"%1\"").arg(b->text());
    if (const auto* l = qobject_cast<const QLabel*>(w); l && !l->text().isEmpty())
        n += QStringLiteral(" \"%1\"").arg(l->text().left(40));
    return n;
}

// Inside a scrolled view a widget may lie outside the visible part: that is what scrolling is for.
bool imScrollBereich(const QWidget* w) {
    for (const QWidget* p = w->parentWidget(); p && !p->isWindow(); p = p->parentWidget())
        if (auto* s = qobject_cast<const QAbstractScrollArea*>(p->parentWidget()); s && s->viewport() == p)
            return true;
    return false;
}

QString ohneKuerzel(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return text;
}

QChar kuerzel(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

// Does every line of the text fit into the width, with the room the style needs beside it?
bool passtInBreite(const QWidget* w, const QString& text, int rand) {
    const QFontMetrics fm(w->font());
    int breiteste = 0;
    for (const QString& zeile : ohneKuerzel(text).split(QLatin1Char('\n')))
        breiteste = std::max(breiteste, fm.horizontalAdvance(zeile));
    return breiteste + rand <= w->width();
}

// Everything visible in the window now: no widget beyond its parent, no text cut off, no
// accelerator twice.
void pruefeSichtbares(QWidget* fenster, QStringList& fehler) {
    QHash<QChar, QString> kuerzelVon;
    const auto kuerzelMerken = [&](const QString& text, const QString& wer) {
        const QChar k = kuerzel(text);
        if (k.isNull())
            return;
        if (kuerzelVon.contains(k))
            fehler << QStringLiteral("Alt+%1 doppelt: %2 und %3").arg(k, kuerzelVon.value(k), wer);
        kuerzelVon.insert(k, wer);
    };
    if (auto* haupt = qobject_cast<QMainWindow*>(fenster))
        for (QAction* a : haupt->menuBar()->actions())
            kuerzelMerken(a->text(), QStringLiteral("Menü ") + a->text());

    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        if (w->window() != fenster || !w->isVisible() || imScrollBereich(w))
            continue;
        const QWidget* eltern = w->parentWidget();
        if (!eltern->rect().contains(w->geometry()))
            fehler << QStringLiteral("%1 ragt aus %2 (%3,%4 %5×%6 in %7×%8)")
                          .arg(name(w), name(eltern))
                          .arg(w->x())
                          .arg(w->y())
                          .arg(w->width())
                          .arg(w->height())
                          .arg(eltern->width())
                          .arg(eltern->height());
        if (auto* l = qobject_cast<QLabel*>(w); l && !l->text().isEmpty() && l->textFormat() != Qt::RichText &&
                                                 !Qt::mightBeRichText(l->text())) {
            const int rand = 2 * l->frameWidth() + 2 * l->margin() + l->indent() * (l->indent() > 0);
            if (l->wordWrap()) {
                if (l->heightForWidth(l->width()) > l->height() + 1)
                    fehler << QStringLiteral("%1: Text abgeschnitten (%2 statt %3 hoch)")
                                  .arg(name(l))
                                  .arg(l->height())
                                  .arg(l->heightForWidth(l->width()));
            } else if (!passtInBreite(l, l->text(), rand)) {
                fehler << QStringLiteral("%1: Text abgeschnitten (%2 breit, %3 nötig)")
                              .arg(name(l))
                              .arg(l->width())
                              .arg(QFontMetrics(l->font()).horizontalAdvance(ohneKuerzel(l->text())) + rand);
            }
            if (!kuerzel(l->text()).isNull()) {
                if (!l->buddy())
                    fehler << QStringLiteral("%1: Kürzel ohne Ziel").arg(name(l));
                kuerzelMerken(l->text(), name(l));
            }
        }
        if (auto* b = qobject_cast<QAbstractButton*>(w); b && !b->text().isEmpty()) {
            auto* tb = qobject_cast<QToolButton*>(b);
            int rand = 8;
            if (qobject_cast<QCheckBox*>(b) || qobject_cast<QRadioButton*>(b))
                rand = b->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, b) +
                       b->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, b) + 1;
            else if (!b->icon().isNull() && (!tb || tb->toolButtonStyle() == Qt::ToolButtonTextBesideIcon))
                rand += b->iconSize().width() + 4;
            const bool zeigtText = !tb || tb->toolButtonStyle() != Qt::ToolButtonIconOnly;
            if (qobject_cast<PadKnopf*>(b))
                rand = 2;
            if (zeigtText && !passtInBreite(b, b->text(), rand))
                fehler << QStringLiteral("%1: Beschriftung abgeschnitten (%2 breit, %3 nötig)")
                              .arg(name(b))
                              .arg(b->width())
                              .arg(QFontMetrics(b->font()).horizontalAdvance(ohneKuerzel(b->text())) + rand);
            kuerzelMerken(b->text(), name(b));
        }
        if (auto* c = qobject_cast<QComboBox*>(w); c && !c->currentText().isEmpty()) {
            const int pfeil = c->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, c);
            if (!passtInBreite(c, c->currentText(), pfeil + 12))
                fehler << QStringLiteral("%1: Eintrag \"%2\" abgeschnitten (%3 breit)")
                              .arg(name(c), c->currentText())
                              .arg(c->width());
        }
        if (auto* g = qobject_cast<QGroupBox*>(w); g && !g->title().isEmpty()) {
            if (!passtInBreite(g, g->title(), 12))
                fehler << QStringLiteral("%1: Titel abgeschnitten").arg(name(g));
            kuerzelMerken(g->title(), name(g));
        }
        if (auto* t = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < t->count(); ++i) {
                const QFontMetrics fm(t->font());
                if (fm.horizontalAdvance(ohneKuerzel(t->tabText(i))) + 8 > t->tabRect(i).width())
                    fehler << QStringLiteral("Reiter \"%1\" abgeschnitten").arg(t->tabText(i));
                kuerzelMerken(t->tabText(i), QStringLiteral("Reiter ") + t->tabText(i));
            }
        }
        if (auto* h = qobject_cast<QHeaderView*>(w); h && h->orientation() == Qt::Horizontal) {
            const QFontMetrics fm(h->font());
            for (int s = 0; s < h->count(); ++s) {
                if (h->isSectionHidden(s) || h->sectionSize(s) == 0 || !h->model())
                    continue;
                const QString text = h->model()->headerData(s, Qt::Horizontal).toString().trimmed();
                if (fm.horizontalAdvance(text) + 4 > h->sectionSize(s))
                    fehler << QStringLiteral("%1: Spaltenkopf \"%2\" abgeschnitten (%3 breit)")
                                  .arg(name(h->parentWidget()), text)
                                  .arg(h->sectionSize(s));
            }
        }
    }
}

// Brightness distance of text and background; 0.4 reads well, white on white is 0.
double abstand(const QColor& a, const QColor& b) {
    const auto l = [](const QColor& c) { return 0.2126 * c.redF() + 0.7152 * c.greenF() + 0.0722 * c.blueF(); };
    return std::abs(l(a) - l(b));
}

void pruefeFarben(QWidget* fenster, QStringList& fehler) {
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        if (w->window() != fenster || !w->isVisible())
            continue;
        if (auto* l = qobject_cast<QLabel*>(w); l && !l->text().isEmpty() && l->autoFillBackground()) {
            const QPalette& p = l->palette();
            if (abstand(p.color(l->foregroundRole()), p.color(l->backgroundRole())) < 0.35)
                fehler << QStringLiteral("%1: Schrift auf Hintergrund unleserlich").arg(name(l));
        }
        if (auto* v = qobject_cast<QAbstractItemView*>(w); v && v->model()) {
            const QAbstractItemModel* m = v->model();
            for (int z = 0; z < std::min(m->rowCount(), 30); ++z) {
                for (int s = 0; s < std::min(m->columnCount(), 10); ++s) {
                    const QModelIndex i = m->index(z, s);
                    if (m->data(i).toString().isEmpty())
                        continue;
                    const QVariant hg = m->data(i, Qt::BackgroundRole);
                    const QVariant vg = m->data(i, Qt::ForegroundRole);
                    const QColor h = hg.isValid() ? hg.value<QBrush>().color() : v->palette().color(QPalette::Base);
                    const QColor t = vg.isValid() ? vg.value<QBrush>().color() : v->palette().color(QPalette::Text);
                    if (abstand(h, t) < 0.35) {
                        fehler << QStringLiteral("%1: Zelle %2/%3 unleserlich").arg(name(v)).arg(z).arg(s);
                        return;
                    }
                }
            }
        }
    }
}

} // namespace

class FensterTest : public QObject {
    Q_OBJECT

    test::TestDienste m_dienste;
    std::unique_ptr<Programmstart> m_start;

    QWidget* fenster(const QString& n) {
        if (n == QLatin1String("FStart"))
            return m_start->startfenster();
        if (n == QLatin1String("FDetail")) {
            auto* druck = qobject_cast<TFDruck*>(m_start->router().oeffne(QStringLiteral("FDruck")));
            return druck ? druck->detail() : nullptr;
        }
        if (n == QLatin1String("FQTool")) {
            auto* quoten = qobject_cast<TFQuoten*>(m_start->router().oeffne(QStringLiteral("FQuoten")));
            if (!quoten)
                return nullptr;
            if (!quoten->tool())
                quoten->BQToolClick();
            return quoten->tool();
        }
        if (QWidget* w = m_start->router().fenster(n))
            return w;
        return m_start->router().oeffne(n);
    }

    QWidget* zeigen(const QString& n) {
        QWidget* w = fenster(n);
        if (!w)
            return nullptr;
        w->show();
        w->setWindowOpacity(1.0);
        QApplication::processEvents();
        return w;
    }

    static QSize clientGroesse(QWidget* w) {
        if (auto* haupt = qobject_cast<QMainWindow*>(w); haupt && haupt->menuBar()->isVisible())
            return {w->width(), w->height() - haupt->menuBar()->height()};
        return w->size();
    }

    static QMap<QString, Soll> tabelle() {
        const QStringList werkzeuge{QStringLiteral("BClose"), QStringLiteral("BHelp")};
        QMap<QString, Soll> t;
        t[QStringLiteral("FStart")] = {
            QStringLiteral("Kugelblick 1.7.0.0"),
            {400, 300},
            {QStringLiteral("Image1"), QStringLiteral("LSysAnz"), QStringLiteral("BWeiter")},
            {},
            1010};
        t[QStringLiteral("FAuswertung")] = {
            {},
            {925, 679},
            {QStringLiteral("Tool1"),        QStringLiteral("BClose"),     QStringLiteral("BEingabeN"),
             QStringLiteral("BEingabeS"),    QStringLiteral("BDruck"),     QStringLiteral("BSystemWahl"),
             QStringLiteral("BZufall"),      QStringLiteral("BStatistik"), QStringLiteral("BUpdate"),
             QStringLiteral("BQuoten"),      QStringLiteral("BNoverK"),    QStringLiteral("BKal"),
             QStringLiteral("BCalc"),        QStringLiteral("Image5"),     QStringLiteral("BHelp"),
             QStringLiteral("Pleft"),        QStringLiteral("Combo1"),     QStringLiteral("LDay"),
             QStringLiteral("bsSkinSpeedButton4"), QStringLiteral("Image1"), QStringLiteral("BHinzu"),
             QStringLiteral("BDel"),         QStringLiteral("bsSkinSpeedButton2"), QStringLiteral("Label5"),
             QStringLiteral("PNummer1"),     QStringLiteral("PNummer49"),  QStringLiteral("PSZ"),
             QStringLiteral("PSZNummer0"),   QStringLiteral("PSZNummer9"), QStringLiteral("LZT"),
             QStringLiteral("G1"),           QStringLiteral("Pright"),     QStringLiteral("Image3"),
             QStringLiteral("BOpen"),        QStringLiteral("cbMerken")},
            {},
            1020};
        t[QStringLiteral("FEingabe")] = {
            {},
            {980, 473},
            {QStringLiteral("PC1"), QStringLiteral("M1"), QStringLiteral("BZahl1"), QStringLiteral("BZahl49"),
             QStringLiteral("up1"), QStringLiteral("LZeilen"), QStringLiteral("ESZ")},
            {QStringLiteral("LSZ"), QStringLiteral("G1"), QStringLiteral("G2"), QStringLiteral("RG1a"), QStringLiteral("RG1b"),
             QStringLiteral("cbDel"), QStringLiteral("LDatei"), QStringLiteral("LDatei1")},
            1030};
        t[QStringLiteral("FEingabeSys2")] = {
            {},
            {871, 554},
            werkzeuge + QStringList{QStringLiteral("Tool1"), QStringLiteral("PClient"), QStringLiteral("Feld1"),
                                    QStringLiteral("Feld6"), QStringLiteral("LDatei")},
            {},
            1040};
        t[QStringLiteral("FSystemwahl")] = {
            {},
            {996, 720},
            werkzeuge + QStringList{QStringLiteral("PC1"), QStringLiteral("l1"), QStringLiteral("cbNur"),
                                    QStringLiteral("BFiltern"), QStringLiteral("BFilternEx"),
                                    QStringLiteral("LSysAnz"), QStringLiteral("PWZ2"), QStringLiteral("PBZ3"),
                                    QStringLiteral("lot1"), QStringLiteral("lot49"), QStringLiteral("BStatW49"),
                                    QStringLiteral("Label9"), QStringLiteral("G1"), QStringLiteral("BSpeichern"),
                                    QStringLiteral("BCSV"), QStringLiteral("ESZ"), QStringLiteral("BZufall"),
                                    QStringLiteral("BLoeschen"), QStringLiteral("BTRBilden")},
            {QStringLiteral("G2"), QStringLiteral("BTesten"), QStringLiteral("Gauge1"), QStringLiteral("LKombiAnz")},
            1070};
        t[QStringLiteral("FStatistik")] = {
            {},
            {3 * TFfrStatistik::Breite + 10, TFStatistik::ClientHoehe},
            werkzeuge + QStringList{QStringLiteral("P1"), QStringLiteral("BAuf"), QStringLiteral("combo1"),
                                    QStringLiteral("combo2"), QStringLiteral("BStart"), QStringLiteral("LZie"),
                                    QStringLiteral("RGLetzte"), QStringLiteral("cbAuch"), QStringLiteral("PCStat"),
                                    QStringLiteral("BStatNr1"), QStringLiteral("BStatW49")},
            {QStringLiteral("BStart2"), QStringLiteral("BStart3"), QStringLiteral("PNr"), QStringLiteral("BSuche"),
             QStringLiteral("LErg"), QStringLiteral("BKombi1"), QStringLiteral("BKombi49")},
            1050};
        t[QStringLiteral("FStat1")] = {
            {},
            {7 * 32 + 16 + 20, 371},
            {QStringLiteral("PVert"), QStringLiteral("BAuf"), QStringLiteral("BStatNr1"), QStringLiteral("BStatW49")},
            {},
            0,
            true};
        // Three pads side by side, the rows and the tiles need more than 850 pixels: wider, so
        // that nothing is cut off.
        t[QStringLiteral("FZufall")] = {
            {},
            {-1, 451},
            werkzeuge + QStringList{QStringLiteral("P1"), QStringLiteral("P2"), QStringLiteral("P3"),
                                    QStringLiteral("EAnz"), QStringLiteral("GZuf"), QStringLiteral("PVert"),
                                    QStringLiteral("BSave"), QStringLiteral("LReihen"), QStringLiteral("ESZ"),
                                    QStringLiteral("bsSkinSpeedButton1")},
            {},
            1060};
        t[QStringLiteral("FDruck")] = {
            {},
            {1005, 674},
            {QStringLiteral("Tool1"), QStringLiteral("LDatei"), QStringLiteral("RG1"), QStringLiteral("cbNr"),
             QStringLiteral("eAbstandh"), QStringLiteral("eAbstandv"), QStringLiteral("ENr"),
             QStringLiteral("GReihen"), QStringLiteral("BAusdruck"), QStringLiteral("cbFragen"),
             QStringLiteral("LDatei2")},
            {},
            1140};
        t[QStringLiteral("FDetail")] = {{},
                                        {1178, -1},
                                        {QStringLiteral("Tool1"), QStringLiteral("GDetail"), QStringLiteral("BHelp")},
                                        {},
                                        1180,
                                        true};
        // As wide as its amount columns need (at least 663).
        t[QStringLiteral("FQuoten")] = {
            {},
            {-1, 613},
            {QStringLiteral("G1"), QStringLiteral("PQuoten"), QStringLiteral("Combo1"), QStringLiteral("BSave"),
             QStringLiteral("BHelp"), QStringLiteral("BErsetzen")},
            {},
            1090};
        t[QStringLiteral("FQTool")] = {
            {},
            {475, 380},
            {QStringLiteral("EUrl"), QStringLiteral("M1"), QStringLiteral("Scroll1"), QStringLiteral("LSpalte"),
             QStringLiteral("BUebertragen"), QStringLiteral("BClip"), QStringLiteral("BAufruf")},
            {},
            1100,
            true};
        t[QStringLiteral("FUpdate")] = {
            {}, {-1, 289}, {QStringLiteral("Bupdate"), QStringLiteral("BSchliessen")}, {}, 1130, true};
        t[QStringLiteral("FNueberK")] = {
            {},
            {370, 222},
            {QStringLiteral("e1"), QStringLiteral("e2"), QStringLiteral("P1"), QStringLiteral("BCalc")},
            {},
            1100,
            true};
        t[QStringLiteral("FKal")] = {{}, {368, 282}, {QStringLiteral("MonthCalendar1")}, {}, 1120, true};
        t[QStringLiteral("FInfo")] = {QStringLiteral("Kugelblick"), {400, 300}, {}, {}, 1130, true};
        return t;
    }

    static void fensterZeilen() {
        QTest::addColumn<QString>("fenster");
        for (const QString& n : tabelle().keys())
            QTest::newRow(qPrintable(n)) << n;
    }

private Q_SLOTS:
    void initTestCase() {
        // A dark desktop: the program's own palette must win over it.
        QPalette dunkel;
        dunkel.setColor(QPalette::Window, QColor(40, 40, 40));
        dunkel.setColor(QPalette::WindowText, Qt::white);
        dunkel.setColor(QPalette::Base, QColor(30, 30, 30));
        dunkel.setColor(QPalette::Text, Qt::white);
        dunkel.setColor(QPalette::Button, QColor(50, 50, 50));
        dunkel.setColor(QPalette::ButtonText, Qt::white);
        QApplication::setPalette(dunkel);
        skin::anwenden(*qApp);

        const Pfade pfade = pfadeErmitteln();
        datenOrdnerAnlegen(pfade.datenPfad);
        for (const char* datei : {"GZ.649", "Quo.649", "Demo-Normalschein.nkb", "Demo-Systemschein.skb"})
            QVERIFY(QFile::copy(QStringLiteral(KB_DATENSATZ_DIR "/") + QLatin1String(datei),
                                pfade.datenPfad + QLatin1String(datei)));
        m_dienste.uhr.zeit = QDateTime(QDate(2026, 7, 23), QTime(10, 0));
        m_start = std::make_unique<Programmstart>(m_dienste.dienste);
        m_start->ausfuehren();
        // The ticket tabs as a player sees them: the last twenty draws evaluated.
        QWidget* haupt = zeigen(QStringLiteral("FAuswertung"));
        QVERIFY(haupt);
        for (QCheckBox* zurueck : haupt->findChildren<QCheckBox*>(QStringLiteral("cbBack"))) {
            QWidget* tab = zurueck->parentWidget();
            zurueck->setChecked(true);
            auto* von = tab->findChild<QComboBox*>(QStringLiteral("combo2"));
            von->setCurrentIndex(std::max(0, von->count() - 20));
            tab->findChild<QPushButton*>(QStringLiteral("BStart"))->click();
        }
        QTRY_VERIFY(!haupt->findChildren<QLabel*>(QStringLiteral("LGesGewinn")).isEmpty() &&
                    !haupt->findChildren<QLabel*>(QStringLiteral("LGesGewinn")).first()->text().isEmpty());
        m_dienste.dialoge.meldungen.clear();
    }

    void cleanupTestCase() { m_start.reset(); }

    void titelGroesseUndSteuerelemente_data() { fensterZeilen(); }
    void titelGroesseUndSteuerelemente() {
        QFETCH(QString, fenster);
        const Soll soll = tabelle().value(fenster);
        QWidget* w = zeigen(fenster);
        QVERIFY2(w, qPrintable(fenster));
        QCOMPARE(w->objectName(), fenster);
        QCOMPARE(w->windowTitle(), soll.titel.isEmpty() ? QStringLiteral("Kugelblick 1.7.0.0") : soll.titel);
        const QSize ist = clientGroesse(w);
        if (soll.groesse.width() > 0)
            QCOMPARE(ist.width(), soll.groesse.width());
        if (soll.groesse.height() > 0)
            QCOMPARE(ist.height(), soll.groesse.height());
        QVERIFY(!w->windowIcon().isNull());
        for (const QString& n : soll.sichtbar) {
            const QList<QWidget*> treffer = w->findChildren<QWidget*>(n);
            QVERIFY2(!treffer.isEmpty(), qPrintable(n + QStringLiteral(" fehlt")));
            QVERIFY2(std::any_of(treffer.begin(), treffer.end(), [](QWidget* k) { return k->isVisible(); }),
                     qPrintable(n + QStringLiteral(" unsichtbar")));
        }
        for (const QString& n : soll.vorhanden)
            QVERIFY2(w->findChild<QObject*>(n), qPrintable(n + QStringLiteral(" fehlt")));
    }

    // Every page of every tab control, as the user can bring it up.
    void nichtsAbgeschnitten_data() { fensterZeilen(); }
    void nichtsAbgeschnitten() {
        QFETCH(QString, fenster);
        QWidget* w = zeigen(fenster);
        QVERIFY(w);
        QStringList fehler;
        pruefeSichtbares(w, fehler);
        for (QTabWidget* reiter : w->findChildren<QTabWidget*>()) {
            if (!reiter->isVisible())
                continue;
            const int vorher = reiter->currentIndex();
            for (int i = 0; i < reiter->count(); ++i) {
                if (i == vorher || !reiter->isTabEnabled(i))
                    continue;
                reiter->setCurrentIndex(i);
                QApplication::processEvents();
                pruefeSichtbares(w, fehler);
            }
            reiter->setCurrentIndex(vorher);
        }
        fehler.removeDuplicates();
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(QStringLiteral("\n"))));
    }

    void lesbareFarben_data() { fensterZeilen(); }
    void lesbareFarben() {
        QFETCH(QString, fenster);
        QWidget* w = zeigen(fenster);
        QVERIFY(w);
        QStringList fehler;
        pruefeFarben(w, fehler);
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(QStringLiteral("\n"))));
    }

    void tabReihenfolgeIstLesereihenfolge_data() { fensterZeilen(); }
    void tabReihenfolgeIstLesereihenfolge() {
        QFETCH(QString, fenster);
        QWidget* w = zeigen(fenster);
        QVERIFY(w);
        QApplication::processEvents();
        const QList<QWidget*> soll = lesereihenfolge(w);
        QVERIFY(!soll.isEmpty());
        QList<QWidget*> ist;
        for (QWidget* k = soll.first()->nextInFocusChain(); k != soll.first() && ist.size() <= soll.size();
             k = k->nextInFocusChain())
            if (soll.contains(k))
                ist.append(k);
        ist.prepend(soll.first());
        QCOMPARE(ist, soll);
    }

    void f1UndEscape_data() { fensterZeilen(); }
    void f1UndEscape() {
        QFETCH(QString, fenster);
        const Soll soll = tabelle().value(fenster);
        QPointer<QWidget> w = zeigen(fenster);
        QVERIFY(w);
        // Alone on the screen: the offscreen platform is unreliable about which of a window and
        // its child window is active.
        for (QWidget* anderes : QApplication::topLevelWidgets())
            if (anderes != w && anderes->isVisible())
                anderes->hide();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(QApplication::activeWindow(), w.data());
        m_dienste.hilfe.aufrufe.clear();
        QTest::keyClick(w, Qt::Key_F1);
        if (soll.hilfe)
            QCOMPARE(m_dienste.hilfe.aufrufe, QStringList{QStringLiteral("thema:%1").arg(soll.hilfe)});
        QTest::keyClick(w, Qt::Key_Escape);
        QApplication::processEvents();
        QCOMPARE(w && w->isVisible(), !soll.dialog);
    }

    // Containers are read whole, their parts row by row, left to right.
    void lesereihenfolgeAufEinemBeispiel() {
        QWidget fenster;
        fenster.resize(300, 200);
        auto* rechts = new QWidget(&fenster);
        rechts->setGeometry(150, 0, 150, 150);
        auto* links = new QWidget(&fenster);
        links->setGeometry(0, 0, 150, 150);
        const auto knopf = [](QWidget* eltern, const char* text, QRect r) {
            auto* b = new QPushButton(QString::fromLatin1(text), eltern);
            b->setGeometry(r);
            return b;
        };
        // Made in a muddled order on purpose.
        QPushButton* unten = knopf(&fenster, "unten", {0, 160, 100, 30});
        QPushButton* r2 = knopf(rechts, "r2", {0, 50, 100, 30});
        QPushButton* l2b = knopf(links, "l2b", {60, 52, 50, 26});
        QPushButton* l1 = knopf(links, "l1", {0, 0, 100, 30});
        QPushButton* l2a = knopf(links, "l2a", {0, 50, 50, 30});
        QPushButton* r1 = knopf(rechts, "r1", {0, 0, 100, 30});
        QCOMPARE(lesereihenfolge(&fenster), (QList<QWidget*>{l1, l2a, l2b, r1, r2, unten}));
        tabReihenfolgeSetzen(&fenster);
        const auto naechster = [](QWidget* w) {
            do
                w = w->nextInFocusChain();
            while (!qobject_cast<QPushButton*>(w));
            return w;
        };
        QCOMPARE(naechster(l1), l2a);
        QCOMPARE(naechster(l2b), r1);
        QCOMPARE(naechster(r2), unten);
        QCOMPARE(naechster(unten), l1);
    }

    // The pads: arrow keys walk the grid, skipping hidden buttons; the looks are kept apart.
    void padTastenUndLooks() {
        Zahlenpad::Aufbau a = Zahlenpad::feldAufbau(1);
        Zahlenpad pad(a);
        pad.show();
        const auto fokus = [&pad] { return pad.focusWidget(); };
        QCOMPARE(pad.zahlKnopf(17)->objectName(), QStringLiteral("BZahl117"));
        pad.zahlKnopf(9)->setFocus();
        QTest::keyClick(pad.zahlKnopf(9), Qt::Key_Right);
        QCOMPARE(fokus(), pad.zahlKnopf(10));
        QTest::keyClick(pad.zahlKnopf(10), Qt::Key_Down);
        QCOMPARE(fokus(), pad.zahlKnopf(17));
        pad.zahlKnopf(24)->hide();
        QTest::keyClick(pad.zahlKnopf(17), Qt::Key_Down);
        QCOMPARE(fokus(), pad.zahlKnopf(31));
        QTest::keyClick(pad.zahlKnopf(31), Qt::Key_Up); // over the hidden 24
        QCOMPARE(fokus(), pad.zahlKnopf(17));
        QTest::keyClick(pad.zahlKnopf(17), Qt::Key_Up);
        QTest::keyClick(pad.zahlKnopf(10), Qt::Key_Up);
        QCOMPARE(fokus(), pad.zahlKnopf(3));
        QTest::keyClick(pad.zahlKnopf(3), Qt::Key_Up); // the edge: stays
        QCOMPARE(fokus(), pad.zahlKnopf(3));

        PadKnopf* k = pad.zahlKnopf(5);
        QCOMPARE(k->look(), PadLook::Normal);
        k->setLook(PadLook::Bankzahl);
        QVERIFY(k->gewaehlt());
        QCOMPARE(k->look(), PadLook::Bankzahl);
        pad.alleNormal();
        QVERIFY(!k->gewaehlt());
        pad.setzeAuswaehlbar(true);
        QTest::mouseClick(k, Qt::LeftButton);
        QCOMPARE(k->look(), PadLook::Hervorgehoben);
        QCOMPARE(pad.auswahl(), ZahlenMenge::aus({5}));
    }

    // Icons come from the program itself, sharp at any size.
    void symboleAusDemProgramm() {
        QVERIFY(!skin::programmIcon().isNull());
        for (int s = 0; s <= static_cast<int>(Symbol::SortZurueck); ++s) {
            const QIcon icon = symbolIcon(static_cast<Symbol>(s));
            const QImage bild = icon.pixmap(QSize(32, 32), 2.0).toImage();
            QCOMPARE(bild.size(), QSize(64, 64));
            int deckend = 0;
            for (int y = 0; y < bild.height(); ++y)
                for (int x = 0; x < bild.width(); ++x)
                    deckend += qAlpha(bild.pixel(x, y)) > 128;
            QVERIFY2(deckend > 64 * 64 / 12, qPrintable(symbolPfad(static_cast<Symbol>(s))));
        }
    }
};
KB_TEST(FensterTest)

#include "windows_test.moc"
