#include "core/program_state.h"
#include "evaluation/startup.h"
#include "platform/testing/test_services.h"
#include "test_main.h"
#include "tools/calendar_window.h"
#include "tools/info_window.h"

#include <QAction>
#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>
#include <QTextCharFormat>

using namespace kb;

class WerkzeugFensterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void kalender() {
        test::TestDienste d;
        d.uhr.zeit = QDateTime(QDate(2024, 4, 11), QTime(9, 0));
        TFKal w(d.dienste);
        QCOMPARE(w.windowTitle(), QStringLiteral("Kugelblick 1.7.0.0"));
        QCOMPARE(w.size(), QSize(368, 282));
        QVERIFY(w.windowFlags() & Qt::WindowStaysOnTopHint);
        QCalendarWidget* k = w.kalender();
        QCOMPARE(k->selectedDate(), QDate(2024, 4, 11));
        QCOMPARE(k->firstDayOfWeek(), Qt::Sunday);
        QCOMPARE(k->verticalHeaderFormat(), QCalendarWidget::NoVerticalHeader);
        QCOMPARE(k->weekdayTextFormat(Qt::Wednesday).fontWeight(), int(QFont::Bold));
        QCOMPARE(k->weekdayTextFormat(Qt::Saturday).fontWeight(), int(QFont::Bold));
        QVERIFY(k->weekdayTextFormat(Qt::Thursday).fontWeight() != int(QFont::Bold));
        QVERIFY(k->dateTextFormat(QDate(2024, 4, 11)).fontUnderline());
        w.show();
        QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("BSchliessen")), Qt::LeftButton);
        QVERIFY(!w.isVisible()); // hidden, not destroyed
    }

    void info() {
        test::TestDienste d;
        QPointer<TFInfo> w = new TFInfo(d.dienste);
        QCOMPARE(w->windowTitle(), QStringLiteral("Kugelblick"));
        QCOMPARE(w->size(), QSize(400, 300));
        QCOMPARE(w->findChild<QLabel*>(QStringLiteral("LVersion"))->text(), QStringLiteral("Version 1.7.0.0"));
        QList<QLabel*> kontakt;
        for (int i = 1; i <= 6; ++i)
            kontakt.append(w->findChild<QLabel*>(QStringLiteral("LKontakt%1").arg(i)));
        QVERIFY(!kontakt.contains(nullptr));
        QCOMPARE(kontakt[3]->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(kontakt[2]->cursor().shape(), Qt::ArrowCursor);
        w->show();
        QTest::mouseClick(kontakt[3], Qt::LeftButton);
        QCOMPARE(d.shell.aufrufe,
                 QStringList{QStringLiteral("url:mailto:service@kugelblick.example?subject=Kugelblick")});
        d.shell.erfolg = false;
        QTest::mouseClick(kontakt[3], Qt::LeftButton);
        QCOMPARE(d.dialoge.meldungen.size(), 1);
        QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("BSchliessen")), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
    }

    void hauptfensterOeffnetWerkzeugeUndHilfe() {
        test::TestDienste d;
        Programmstart start(d.dienste);
        start.ausfuehren();
        TFAuswertung* haupt = start.hauptfenster();
        for (const char* name : {"BNoverK", "BKal", "MInfo", "BHelp", "MInhalt", "MSuchen"})
            QVERIFY2(haupt->aktion(QString::fromLatin1(name))->isEnabled(), name);
        haupt->aktion(QStringLiteral("BNoverK"))->trigger();
        haupt->aktion(QStringLiteral("BNoverK"))->trigger();
        QCOMPARE(start.router().fenster(QStringLiteral("FNueberK"))->isVisible(), true);
        haupt->aktion(QStringLiteral("BKal"))->trigger();
        QVERIFY(start.router().FensterOffen(QStringLiteral("FKal")));
        haupt->aktion(QStringLiteral("MInfo"))->trigger();
        QVERIFY(start.router().FensterOffen(QStringLiteral("FInfo")));

        haupt->aktion(QStringLiteral("BHelp"))->trigger();
        haupt->aktion(QStringLiteral("MInhalt"))->trigger();
        haupt->aktion(QStringLiteral("MSuchen"))->trigger();
        start.router().fenster(QStringLiteral("FEingabe"))->findChild<QAction*>(QStringLiteral("BHelp"))->trigger();
        QCOMPARE(d.hilfe.aufrufe, (QStringList{"thema:1020", "thema:1010", "suche", "thema:1030"}));
        for (const char* name : {"FNueberK", "FKal", "FInfo"})
            delete start.router().fenster(QString::fromLatin1(name));
    }
};
KB_TEST(WerkzeugFensterTest)

#include "tool_windows_test.moc"
