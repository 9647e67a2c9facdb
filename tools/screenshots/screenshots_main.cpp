// Renders every window the program can show into PNG files, offscreen, with scripted
// platform services so no dialog blocks: kb_screenshots <output folder>.
#include "evaluation/startup.h"
#include "evaluation/ticket_tabs.h"
#include "platform/qt_help.h"
#include "platform/paths.h"
#include "platform/testing/test_services.h"

#include <QApplication>
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>
#include <QDir>
#include <QFile>
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
    for (const QString& name : start.router().registrierteNamen())
        if (!start.router().FensterOffen(name))
            if (QWidget* w = start.router().oeffne(name))
                mitSeiten(w, name);
    // The statistics after a quadruple run over all draws of both days, with a search.
    if (QWidget* statistik = start.router().fenster(QStringLiteral("FStatistik"))) {
        QWidget* alle = statistik->findChild<QWidget*>(QStringLiteral("frStatistik0"));
        alle->findChild<QPushButton*>(QStringLiteral("BStart2"))->click();
        alle->findChild<QTabWidget*>(QStringLiteral("PCStat"))->setCurrentIndex(2);
        QWidget* mittwoch = statistik->findChild<QWidget*>(QStringLiteral("frStatistik2"));
        for (const char* knopf : {"BKombi3", "BKombi17"})
            mittwoch->findChild<QAbstractButton*>(QLatin1String(knopf))->click();
        mittwoch->findChild<QPushButton*>(QStringLiteral("BSuche"))->click();
        mittwoch->findChild<QTabWidget*>(QStringLiteral("PCStat"))->setCurrentIndex(3);
        speichern(statistik, QStringLiteral("FStatistik-4er"));
    }
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
