// Renders every window the program can show into PNG files, offscreen, with scripted
// platform services so no dialog blocks: kb_screenshots <output folder>.
#include "evaluation/startup.h"
#include "evaluation/ticket_tabs.h"
#include "platform/qt_help.h"
#include "platform/paths.h"
#include "platform/testing/test_services.h"
#include "quotas/quota_editor_window.h"
#include "quotas/quota_tool_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char* argv[]) {
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QApplication app(argc, argv);
    const QString ziel = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("build/screenshots");
    QDir().mkpath(ziel);

    // Shown as after the first download: the bundled draw history in the data folder.
    const kb::Pfade pfade = kb::pfadeErmitteln();
    kb::datenOrdnerAnlegen(pfade.datenPfad);
    for (const QString& datei : {QStringLiteral("GZ.649"), QStringLiteral("Quo.649"), QStringLiteral("Demo-Normalschein.nkb"),
                                 QStringLiteral("Demo-Systemschein.skb")})
        QFile::copy(pfade.datensatzPfad + datei, pfade.datenPfad + datei);

    kb::test::TestDienste dienste;
    // The morning after the newest bundled draw, so the update window shows a current history.
    dienste.uhr.zeit = QDateTime(QDate(2026, 7, 23), QTime(10, 0));
    kb::Programmstart start(dienste.dienste);
    start.ausfuehren();

    int fehler = 0;
    const auto speichern = [&](QWidget* w, const QString& name) {
        w->show();
        QApplication::processEvents();
        w->setWindowOpacity(1.0);
        const QString datei = ziel + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!w->grab().save(datei)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(datei));
            ++fehler;
        } else {
            std::printf("%s\n", qPrintable(datei));
        }
    };
    // Every page of a window's tab controls gets a picture of its own.
    const auto mitSeiten = [&](QWidget* w, const QString& name) {
        speichern(w, name);
        for (QTabWidget* seiten : w->findChildren<QTabWidget*>()) {
            for (int i = 1; i < seiten->count(); ++i) {
                seiten->setCurrentIndex(i);
                speichern(w, name + QLatin1Char('-') + seiten->objectName() + QLatin1Char('-') +
                                 QString::number(i));
            }
            seiten->setCurrentIndex(0);
        }
    };
    speichern(start.startfenster(), QStringLiteral("FStart"));
    start.startfenster()->hide();
    // Example content: the entry's sample rows in its table and their distribution.
    if (QWidget* eingabe = start.router().fenster(QStringLiteral("FEingabe"))) {
        QMetaObject::invokeMethod(eingabe, "bsSkinSpeedButton8Click");
        QMetaObject::invokeMethod(eingabe, "bsSkinSpeedButton16Click");
    }
    for (QWidget* w : start.router().alleFenster())
        mitSeiten(w, w->objectName());
    // The quota editor on the last draw with real quotas, and the quota tool beside it after
    // transferring its sample.
    if (auto* quoten = qobject_cast<kb::TFQuoten*>(start.router().fenster(QStringLiteral("FQuoten")))) {
        auto* combo = quoten->findChild<QComboBox*>(QStringLiteral("Combo1"));
        combo->setCurrentIndex(combo->findText(QStringLiteral("31.12.2025")));
        speichern(quoten, QStringLiteral("FQuoten"));
        quoten->move(0, 0);
        quoten->BQToolClick();
        kb::TFQTool* tool = quoten->tool();
        tool->findChild<QPushButton*>(QStringLiteral("BUebertragen"))->click();
        speichern(tool, QStringLiteral("FQTool"));
        const QPixmap links = quoten->grab();
        const QPixmap rechts = tool->grab();
        QPixmap beide(links.width() + rechts.width() + 8, std::max(links.height(), rechts.height()));
        beide.fill(QColor(90, 90, 90));
        QPainter p(&beide);
        p.drawPixmap(0, 0, links);
        p.drawPixmap(links.width() + 8, 0, rechts);
        p.end();
        beide.save(ziel + QStringLiteral("/FQuoten-mit-FQTool.png"));
        tool->close();
    }
    for (const QString& name : start.router().registrierteNamen())
        if (!start.router().FensterOffen(name))
            if (QWidget* w = start.router().oeffne(name))
                mitSeiten(w, name);
    // Every ticket tab of the main window after evaluating the last twenty draws.
    if (kb::TFAuswertung* haupt = start.hauptfenster()) {
        QTabWidget* tabs = haupt->tippauswertung()->tabs();
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QWidget* tab = tabs->widget(i);
            if (auto* back = tab->findChild<QCheckBox*>(QStringLiteral("cbBack"))) {
                back->setChecked(true);
                auto* von = tab->findChild<QComboBox*>(QStringLiteral("combo2"));
                von->setCurrentIndex(qMax(0, von->count() - 20));
                tab->findChild<QPushButton*>(QStringLiteral("BStart"))->click();
            }
            speichern(haupt, QStringLiteral("FAuswertung-") + tabs->tabText(i));
        }
    }
    // The help viewer, on the system selection topic.
    kb::HilfeBetrachter hilfe(QCoreApplication::applicationDirPath() + QStringLiteral("/Kugelblick.qhc"));
    hilfe.zeigeThema(1070);
    speichern(&hilfe, QStringLiteral("FHilfe"));
    return fehler == 0 ? 0 : 1;
}
