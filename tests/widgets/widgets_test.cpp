#include "test_main.h"
#include "widgets/number_pad.h"
#include "widgets/row_grid.h"

#include <QAbstractItemModelTester>
#include <QButtonGroup>
#include <QSignalSpy>

using namespace kb;

class WidgetsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tippreihenModell() {
        TippreihenGitter gitter;
        TippreihenModell* m = gitter.modell();
        QAbstractItemModelTester pruefer(m, QAbstractItemModelTester::FailureReportingMode::QtTest);
        TippreihenDaten d(4);
        d.setzeReihe(1, {9, 10, 11, 12, 13, 14});
        d.setzeReihe(2, {1, 2, 3, 4, 5, 6});
        d.setzeReihe(3, {1, 2, 3, 4, 5, 7});
        m->setzeDaten(d);
        QCOMPARE(m->rowCount(), 3);
        QCOMPARE(m->columnCount(), 7);
        QCOMPARE(m->headerData(1, Qt::Horizontal).toString(), QStringLiteral(" Z1"));
        QCOMPARE(m->index(0, 1).data().toString(), QStringLiteral("9"));
        QVERIFY(m->index(0, 1).data(Qt::FontRole).value<QFont>().bold());
        QCOMPARE(m->index(0, 1).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::white));
        QCOMPARE(m->index(0, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::Alignment(Qt::AlignCenter));
        QVERIFY(!m->index(0, 0).data(Qt::FontRole).isValid());
        QVERIFY(!(m->flags(m->index(0, 1)) & Qt::ItemIsEditable));

        QVERIFY(gitter.sortieren({1, 2, 3, 4, 5, 6}, 1, 3).ok());
        QCOMPARE(m->index(0, 6).data().toString(), QStringLiteral("6"));
        QCOMPARE(m->index(2, 1).data().toString(), QStringLiteral("9"));
        QCOMPARE(m->index(2, 0).data().toString(), QStringLiteral("3"));
        QCOMPARE(gitter.sortieren({1}, 1, 4).fehler(), QStringLiteral("Falsche Zeilenangabe"));

        m->setEditierbar(true);
        QVERIFY(m->setData(m->index(1, 2), QStringLiteral("x")));
        QCOMPARE(m->daten().zelle(2, 2), QStringLiteral("x"));
        QVERIFY(!m->setData(m->index(1, 0), QStringLiteral("x")));
        m->aendern([](TippreihenDaten& t) {
            t.setzeSpaltenAnzahl(9);
            t.setzeZeilenAnzahl(2);
        });
        QCOMPARE(m->rowCount(), 1);
        QCOMPARE(m->columnCount(), 9);
    }

    void zahlenfeldIds() {
        Zahlenpad feld(Zahlenpad::feldAufbau(2));
        QCOMPARE(feld.gruppe()->buttons().size(), 49);
        QCOMPARE(feld.gruppe()->id(feld.zahlKnopf(17)), 217);
        QCOMPARE(feld.zahlKnopf(17)->text(), QStringLiteral("17"));
        QSignalSpy geklickt(&feld, &Zahlenpad::zahlGeklickt);
        QTest::mouseClick(feld.zahlKnopf(17), Qt::LeftButton);
        QCOMPARE(geklickt.count(), 1);
        QCOMPARE(geklickt[0][0].toInt(), 17);

        feld.setzeAuswaehlbar(true);
        QTest::mouseClick(feld.zahlKnopf(3), Qt::LeftButton);
        QTest::mouseClick(feld.zahlKnopf(49), Qt::LeftButton);
        QCOMPARE(feld.auswahl(), ZahlenMenge::aus({3, 49}));
        feld.setzeAuswahl(ZahlenMenge::aus({1}));
        QCOMPARE(feld.auswahl(), ZahlenMenge::aus({1}));
    }
};
KB_TEST(WidgetsTest)

#include "widgets_test.moc"
