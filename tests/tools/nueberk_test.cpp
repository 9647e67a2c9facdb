#include "core/program_state.h"
#include "platform/testing/test_services.h"
#include "test_main.h"
#include "tools/binomial_text.h"
#include "tools/nueberk_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace kb;

class NueberKTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { zustand().LandesFormat = QLocale(QLocale::German, QLocale::Germany); }

    void berechnen_data() {
        QTest::addColumn<QString>("n");
        QTest::addColumn<QString>("k");
        QTest::addColumn<QString>("erwartet"); // result text, or the start of the message
        QTest::newRow("49/6") << "49" << "6" << "13.983.816";
        QTest::newRow("6/6") << "6" << "6" << "1";
        QTest::newRow("44/2") << "44" << "2" << "946";
        QTest::newRow("60/30") << "60" << "30" << "118.264.581.564.861.424";
        QTest::newRow("100/50") << "100" << "50" << "100.891.344.545.564.193.334.812.497.256";
        QTest::newRow("52/26") << "52" << "26" << "495.918.532.948.104";
        QTest::newRow("1000/1") << "1000" << "1" << "1.000";
        QTest::newRow("6/7") << "6" << "7" << "Die Zahl für \"n\" muss größer als die für \"k\" sein.\r\r";
        QTest::newRow("0/1") << "0" << "1" << "Sie müssen für \"n\" und \"k\" eine Zahl größer Null eingeben.\r\r";
        QTest::newRow("leer") << "" << "3" << "Sie müssen für \"n\" und \"k\" eine Zahl größer Null eingeben.\r\r";
        QTest::newRow("zu gross") << "1001" << "2" << "Für \"n\" größer als 1.000";
    }
    void berechnen() {
        QFETCH(QString, n);
        QFETCH(QString, k);
        QFETCH(QString, erwartet);
        const Result<QString> r = NueberKBerechnen(n, k, zustand().LandesFormat);
        QVERIFY2((r.ok() ? *r : r.fehler()).startsWith(erwartet), qPrintable(r.ok() ? *r : r.fehler()));
        if (r.ok())
            QCOMPARE(*r, erwartet);
        else
            QVERIFY(r.fehler().endsWith(QStringLiteral("Ich breche erst einmal ab.")));
    }

    void grosseWerteExakt() {
        // Symmetry and Pascal's rule on values far beyond 64 bits.
        QCOMPARE(BinomialDezimal(1000, 700), BinomialDezimal(1000, 300));
        const QString a = BinomialDezimal(999, 499), b = BinomialDezimal(999, 500), c = BinomialDezimal(1000, 500);
        QCOMPARE(c.size(), 300);
        QVERIFY(c.startsWith(QLatin1String("27028824094543656951561469362597527549615200844654828700739287510662")));
        QCOMPARE(a, b);
        // c = 2a: check by doubling the decimal string.
        QString doppelt;
        int uebertrag = 0;
        for (qsizetype i = a.size() - 1; i >= 0; --i) {
            const int z = (a[i].unicode() - '0') * 2 + uebertrag;
            doppelt.prepend(QChar('0' + z % 10));
            uebertrag = z / 10;
        }
        if (uebertrag)
            doppelt.prepend(QChar('0' + uebertrag));
        QCOMPARE(doppelt, c);
    }

    void fenster() {
        test::TestDienste d;
        auto* w = new TFNueberK(d.dienste);
        QCOMPARE(w->windowTitle(), QStringLiteral("Kugelblick 1.7.0.0"));
        QCOMPARE(w->size(), QSize(370, 222));
        QVERIFY(w->windowFlags() & Qt::WindowStaysOnTopHint);
        w->show();
        auto* e1 = w->findChild<QLineEdit*>(QStringLiteral("e1"));
        auto* e2 = w->findChild<QLineEdit*>(QStringLiteral("e2"));
        auto* p1 = w->findChild<QLineEdit*>(QStringLiteral("P1"));
        QVERIFY(e1 && e2 && p1);
        QTest::keyClicks(e1, QStringLiteral("4a9x"));
        QCOMPARE(e1->text(), QStringLiteral("49")); // letters have no effect
        QTest::keyClick(e1, Qt::Key_Return);         // k empty: nothing happens
        QVERIFY(p1->text().isEmpty());
        QVERIFY(d.dialoge.meldungen.isEmpty());
        QTest::keyClicks(e2, QStringLiteral("6"));
        QTest::keyClick(e2, Qt::Key_Return);
        QCOMPARE(p1->text(), QStringLiteral("13.983.816"));

        e2->setText(QStringLiteral("50"));
        QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("BCalc")), Qt::LeftButton);
        QCOMPARE(d.dialoge.meldungen.size(), 1);
        QCOMPARE(d.dialoge.meldungen[0].art, Nachricht::Information);
        QCOMPARE(p1->text(), QStringLiteral("13.983.816")); // the result stays

        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::keyClick(w, Qt::Key_F1);
        QCOMPARE(d.hilfe.aufrufe, QStringList{QStringLiteral("thema:1100")});
        QPointer<TFNueberK> zeiger(w);
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(zeiger.isNull()); // destroyed when closed
    }
};
KB_TEST(NueberKTest)

#include "nueberk_test.moc"
