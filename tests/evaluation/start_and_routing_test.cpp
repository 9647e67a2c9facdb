#include "core/program_state.h"
#include "evaluation/start_window.h"
#include "evaluation/startup.h"
#include "evaluation/window_router.h"
#include "platform/testing/test_services.h"
#include "systems/catalogue.h"
#include "test_main.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>

using namespace kb;

class StartUndRoutingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void zweitesOeffnenHoltDasErsteZurueck() {
        Fensterverwaltung router;
        int erzeugt = 0;
        router.registriere(QStringLiteral("FZufall"), [&] {
            ++erzeugt;
            auto* w = new QWidget;
            w->setAttribute(Qt::WA_DeleteOnClose);
            w->setObjectName(QStringLiteral("FZufall"));
            return w;
        });
        QVERIFY(!router.FensterOffen(QStringLiteral("FZufall")));
        QWidget* erstes = router.oeffne(QStringLiteral("FZufall"));
        QVERIFY(erstes && erstes->isVisible());
        erstes->showMinimized();
        QVERIFY(erstes->isMinimized());

        QWidget* zweites = router.oeffne(QStringLiteral("FZufall"));
        QCOMPARE(zweites, erstes);
        QCOMPARE(erzeugt, 1);
        QVERIFY(!zweites->isMinimized());
        QVERIFY(zweites->isVisible());

        // The name comparison is exact.
        QVERIFY(!router.FensterOffen(QStringLiteral("fzufall")));
        // A closed on-demand window is gone; the next opening creates a new one.
        erstes->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!router.FensterOffen(QStringLiteral("FZufall")));
        QVERIFY(router.oeffne(QStringLiteral("FZufall")));
        QCOMPARE(erzeugt, 2);
        delete router.fenster(QStringLiteral("FZufall"));
    }

    void neuestesFensterZuerst() {
        Fensterverwaltung router;
        QWidget a, b;
        a.setObjectName(QStringLiteral("FKal"));
        b.setObjectName(QStringLiteral("FKal"));
        router.anmelden(&a);
        router.anmelden(&b);
        QCOMPARE(router.fenster(QStringLiteral("FKal")), &b);
        QVERIFY(router.oeffne(QStringLiteral("FUnbekannt")) == nullptr);
        QVERIFY(!router.kannOeffnen(QStringLiteral("FUnbekannt")));
    }

    void startfensterZeigtImmer425() {
        TFStart start;
        // Creating the start window builds the catalogue.
        QCOMPARE(zustand().SystemAnzahl, 437);
        QCOMPARE(Systeme().size(), std::size_t{437});
        QCOMPARE(start.windowTitle(), QStringLiteral("Kugelblick 1.7.0.0"));
        QCOMPARE(start.size(), QSize(400, 300));
        auto* label = start.findChild<QLabel*>(QStringLiteral("LSysAnz"));
        QVERIFY(label);
        for (int anzahl : {0, 437, 1234}) {
            start.SystemeEinlesen(anzahl);
            QCOMPARE(label->text(), QStringLiteral("   425 Systeme inside   "));
            QCOMPARE(zustand().SystemAnzahl, anzahl);
        }
        auto* weiter = start.findChild<QPushButton*>(QStringLiteral("BWeiter"));
        QVERIFY(weiter && !weiter->isEnabled());
        start.setInitializationDone(true);
        QVERIFY(weiter->isEnabled());
        QCOMPARE(weiter->text(), QStringLiteral("Weiter"));
    }

    void startLegtDatenordnerAnUndBlendetUeber() {
        const QString daten =
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Kugelblick");
        QDir(daten).removeRecursively();
        test::TestDienste dienste;
        Programmstart start(dienste.dienste);
        start.ausfuehren();
        QVERIFY(QDir(daten).exists());
        QCOMPARE(zustand().DatenPfad, daten + QLatin1Char('/'));
        QVERIFY(zustand().TempDatei.endsWith(QLatin1String("/tmp.tmp")));
        QVERIFY(start.hauptfenster());
        QVERIFY(!start.hauptfenster()->isVisible()); // hidden until the hand-over
        QVERIFY(start.startfenster()->InitializationDone());

        QPointer<TFStart> startfenster = start.startfenster();
        QSignalSpy fertig(startfenster.data(), &TFStart::uebergabeFertig);
        QTest::mouseClick(startfenster->findChild<QPushButton*>(QStringLiteral("BWeiter")), Qt::LeftButton);
        QVERIFY(start.hauptfenster()->isVisible());
        QVERIFY(fertig.wait(5000));
        QTRY_VERIFY(startfenster.isNull()); // destroyed, never shown again
        QCOMPARE(start.hauptfenster()->windowOpacity(), 1.0);
    }
};
KB_TEST(StartUndRoutingTest)

#include "start_and_routing_test.moc"
