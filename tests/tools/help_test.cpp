#include "platform/qt_help.h"
#include "test_main.h"

#include <QHelpEngine>
#include <QHelpSearchEngine>
#include <QSignalSpy>
#include <QTextBrowser>

using namespace kb;

class HilfeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void jederKontextHatEineSeite() {
        HilfeBetrachter b(QStringLiteral(KB_HILFE_QHC));
        QVERIFY(b.bereit());
        for (int kontext : {1010, 1020, 1030, 1040, 1050, 1060, 1070, 1090, 1100, 1120, 1130, 1140, 1150, 1160, 1180}) {
            const QUrl url = b.seiteFuer(kontext);
            QVERIFY2(url.isValid() && !url.isEmpty(), qPrintable(QString::number(kontext)));
            const QByteArray html = b.engine()->fileData(url);
            QVERIFY2(html.contains("<h1"), qPrintable(url.toString()));
        }
        QVERIFY(b.seiteFuer(4711).isEmpty());
        QVERIFY(b.zeigeThema(1070));
        QVERIFY(b.aktuelleSeite().toString().endsWith(QLatin1String("systemwahl.html")));
    }

    void volltextsucheFindetSystemseiten() {
        HilfeBetrachter b(QStringLiteral(KB_HILFE_QHC));
        QHelpSearchEngine* suche = b.engine()->searchEngine();
        // The viewer schedules its own indexing; wait for that run to end.
        QSignalSpy indiziert(suche, &QHelpSearchEngine::indexingFinished);
        QVERIFY(indiziert.wait(60000));
        QSignalSpy gesucht(suche, &QHelpSearchEngine::searchingFinished);
        suche->search(QStringLiteral("Bankzahl*"));
        QVERIFY(gesucht.wait(60000));
        QStringList seiten;
        for (const QHelpSearchResult& r : suche->searchResults(0, suche->searchResultCount()))
            seiten.append(r.url().fileName());
        QVERIFY2(seiten.contains(QStringLiteral("systemwahl.html")), qPrintable(seiten.join(QLatin1Char(','))));
        QVERIFY2(seiten.contains(QStringLiteral("systemschein.html")), qPrintable(seiten.join(QLatin1Char(','))));
    }

    void fehlendeSammlung() {
        HilfeBetrachter b(QStringLiteral("/gibt/es/nicht.qhc"));
        QVERIFY(!b.bereit());
        QVERIFY(!b.zeigeThema(1010));
    }
};
KB_TEST(HilfeTest)

#include "help_test.moc"
