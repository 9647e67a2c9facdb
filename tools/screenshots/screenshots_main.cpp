// Renders every window the program can show into PNG files, offscreen, with scripted
// platform services so no dialog blocks: kb_screenshots <output folder>.
#include "entry/system_entry_window.h"
#include "evaluation/startup.h"
#include "evaluation/ticket_tabs.h"
#include "platform/paths.h"
#include "platform/qt_help.h"
#include "platform/testing/test_services.h"
#include "systems/selection_window.h"
#include "systems/system_test_page.h"

#include <QEventLoop>
#include <QListWidget>
#include "printing/detail_window.h"
#include "printing/print_window.h"
#include "random/random_window.h"
#include "update/update_window.h"
#include "quotas/quota_editor_window.h"
#include "quotas/quota_tool_window.h"
#include "widgets/skin.h"

#include <QApplication>
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// index.html beside the pictures: every picture at a glance, each linked to its full size.
bool kontaktbogen(const QString& ziel, const QStringList& bilder) {
    QString html = QStringLiteral(
        "<!DOCTYPE html>\n<html lang=\"de\"><head><meta charset=\"utf-8\"><title>Kugelblick – Fenster</title>\n"
        "<style>body{font-family:sans-serif;background:#eef2f5;color:#1b2733;margin:16px}"
        "figure{display:inline-block;vertical-align:top;margin:8px;padding:8px;background:#fff;"
        "border:1px solid #9aa7b3}img{max-width:420px;max-height:320px;display:block}"
        "figcaption{margin-top:4px;font-size:13px}</style></head><body>\n"
        "<h1>Kugelblick – alle Fenster</h1>\n");
    if (QFileInfo::exists(ziel + QStringLiteral("/200/index.html")))
        html += QStringLiteral("<p><a href=\"200/index.html\">Dieselben Fenster bei 200 %</a></p>\n");
    for (const QString& bild : bilder) {
        const QString name = bild.toHtmlEscaped();
        html += QStringLiteral("<figure><a href=\"%1\"><img src=\"%1\" alt=\"%2\"></a>"
                               "<figcaption>%2</figcaption></figure>\n")
                    .arg(name, QFileInfo(bild).completeBaseName().toHtmlEscaped());
    }
    html += QStringLiteral("</body></html>\n");
    QSaveFile datei(ziel + QStringLiteral("/index.html"));
    if (!datei.open(QIODevice::WriteOnly))
        return false;
    datei.write(html.toUtf8());
    const bool ok = datei.commit();
    if (ok)
        std::printf("%s\n", qPrintable(ziel + QStringLiteral("/index.html")));
    return ok;
}

} // namespace

int main(int argc, char* argv[]) {
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QApplication app(argc, argv);
    kb::skin::anwenden(app);
    const QString ziel = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("build/screenshots");
    QDir().mkpath(ziel);

    // Shown as after the first download: the bundled draw history in the data folder.
    const kb::Pfade pfade = kb::pfadeErmitteln();
    kb::datenOrdnerAnlegen(pfade.datenPfad);
    for (const QString& datei :
         {QStringLiteral("GZ.649"), QStringLiteral("Quo.649"), QStringLiteral("Demo-Normalschein.nkb"),
          QStringLiteral("Demo-Systemschein.skb")})
        QFile::copy(pfade.datensatzPfad + datei, pfade.datenPfad + datei);

    kb::test::TestDienste dienste;
    // The morning after the newest bundled draw, so the update window shows a current history.
    dienste.uhr.zeit = QDateTime(QDate(2026, 7, 23), QTime(10, 0));
    kb::Programmstart start(dienste.dienste);
    start.ausfuehren();

    int fehler = 0;
    QStringList bilder; // in the order taken, for the contact sheet
    const auto merken = [&](const QString& datei) {
        const QString name = QFileInfo(datei).fileName();
        bilder.removeAll(name);
        bilder.append(name);
        std::printf("%s\n", qPrintable(datei));
    };
    const auto speichern = [&](QWidget* w, const QString& name) {
        w->show();
        QApplication::processEvents();
        w->setWindowOpacity(1.0);
        const QString datei = ziel + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!w->grab().save(datei)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(datei));
            ++fehler;
        } else {
            merken(datei);
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
    // The system slip with two fields filled: "10/15" complete, "008" with one number too few.
    auto* systemschein =
        qobject_cast<kb::TFEingabeSys2*>(start.router().fenster(QStringLiteral("FEingabeSys2")));
    if (systemschein) {
        systemschein->TrefferVerwerten(2, 8, 1);
        for (int n : {3, 9, 14, 17, 22, 28, 31, 36, 42, 47})
            systemschein->TrefferVerwerten(1, n, 1);
        systemschein->TrefferVerwerten(2, 2, 2);
        for (int n : {1, 7, 19, 24, 33, 40, 49})
            systemschein->TrefferVerwerten(1, n, 2);
    }
    // The system selection with the slip system "12/22": numbers by chance, rows formed, tested.
    if (auto* wahl = qobject_cast<kb::TFSystemwahl*>(start.router().fenster(QStringLiteral("FSystemwahl")))) {
        wahl->BFilternExClick();
        wahl->findChild<QCheckBox*>(QStringLiteral("cbNur"))->setChecked(true);
        wahl->BFilternClick();
        auto* liste = wahl->findChild<QListWidget*>(QStringLiteral("l1"));
        liste->setCurrentRow(static_cast<int>(wahl->ListenSysteme().indexOf(349)));
        wahl->l1ListBoxClick();
        wahl->BZufallClick();
        wahl->BTRBildenClick();
        QEventLoop warten;
        QObject::connect(wahl->testSeite(), &kb::SystemtestSeite::testFertig, &warten, &QEventLoop::quit);
        wahl->testSeite()->BTestenClick();
        warten.exec();
    }
    for (QWidget* w : start.router().alleFenster())
        mitSeiten(w, w->objectName());
    // The drawn slip at a device pixel ratio of 2, as on a high-resolution screen.
    if (systemschein) {
        QPixmap bild(systemschein->size() * 2);
        bild.setDevicePixelRatio(2);
        systemschein->render(&bild);
        const QString datei = ziel + QStringLiteral("/FEingabeSys2@2x.png");
        if (!bild.save(datei))
            ++fehler;
        else
            merken(datei);
    }
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
        if (beide.save(ziel + QStringLiteral("/FQuoten-mit-FQTool.png")))
            merken(ziel + QStringLiteral("/FQuoten-mit-FQTool.png"));
        tool->close();
    }
    for (const QString& name : start.router().registrierteNamen())
        if (!start.router().FensterOffen(name))
            if (QWidget* w = start.router().oeffne(name))
                mitSeiten(w, name);
    // The print window with a format measured from its example values, the demo rows, the
    // detail window and the first printed slip beside the A-value grid.
    if (auto* druck = qobject_cast<kb::TFDruck*>(start.router().fenster(QStringLiteral("FDruck")))) {
        druck->findChild<QRadioButton*>(QStringLiteral("RG1_3"))->click();
        druck->BAutoFillClick();
        druck->BExtrahierenClick();
        dienste.dateiDialoge.speichernAntworten.enqueue(pfade.datenPfad + QStringLiteral("Beispiel.awadr"));
        druck->BsaveClick();
        dienste.dateiDialoge.oeffnenAntworten.enqueue(
            {pfade.datenPfad + QStringLiteral("Demo-Normalschein.nkb")});
        druck->BOpen2Click();
        speichern(druck, QStringLiteral("FDruck-Format"));
        kb::TFDetail* detail = druck->detail();
        speichern(detail, QStringLiteral("FDetail"));
        druck->findChild<QCheckBox*>(QStringLiteral("cbFragen"))->setChecked(false);
        QEventLoop warten;
        QObject::connect(druck, &kb::TFDruck::druckBeendet, &warten, &QEventLoop::quit);
        druck->BAusdruckClick();
        if (druck->druckLaeuft())
            warten.exec();
        QProcess pdftoppm;
        const QString png = ziel + QStringLiteral("/Schein-1");
        pdftoppm.start(QStringLiteral("pdftoppm"),
                       {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"),
                        QStringLiteral("-singlefile"), dienste.drucker.pdf(1), png});
        if (pdftoppm.waitForFinished(30000) && pdftoppm.exitCode() == 0) {
            const QPixmap schein(png + QStringLiteral(".png"));
            const QPixmap gitter = detail->grab();
            QPixmap bild(schein.width() + gitter.width() + 10, std::max(schein.height(), gitter.height()));
            bild.fill(Qt::darkGray);
            QPainter p(&bild);
            p.drawPixmap(0, 0, schein);
            p.drawPixmap(schein.width() + 10, 0, gitter);
            p.end();
            if (bild.save(ziel + QStringLiteral("/FDruck-Schein-und-A-Werte.png")))
                merken(ziel + QStringLiteral("/FDruck-Schein-und-A-Werte.png"));
        } else {
            std::fprintf(stderr, "pdftoppm failed: the printed slip has no picture\n");
        }
    }
    // The random tips after a run with Bankzahlen, Quotenkiller and Favoriten.
    if (auto* zufall = qobject_cast<kb::TFZufall*>(start.router().oeffne(QStringLiteral("FZufall")))) {
        for (int tag : {107, 113, 201, 202, 203, 249, 322, 333})
            zufall->BLotAuswerten(tag);
        zufall->findChild<QLineEdit*>(QStringLiteral("EAnz"))->setText(QStringLiteral("100"));
        QEventLoop warten;
        QObject::connect(zufall, &kb::TFZufall::laufFertig, &warten, &QEventLoop::quit);
        zufall->bsSkinSpeedButton1Click();
        if (zufall->laeuft())
            warten.exec();
        speichern(zufall, QStringLiteral("FZufall-Lauf"));
    }
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
    // The update window after checking the program version against the bundled server.
    if (auto* update = qobject_cast<kb::TFUpdate*>(start.router().oeffne(QStringLiteral("FUpdate")))) {
        const QString versionen = pfade.datensatzPfad + QStringLiteral("downloads/verinfos.k2b");
        QFile f(versionen);
        if (f.open(QIODevice::ReadOnly))
            dienste.netz.antworten.insert(QUrl::fromLocalFile(versionen).toString(), {true, f.readAll(), {}});
        QEventLoop warten;
        QObject::connect(update, &kb::TFUpdate::programmDownloadBeendet, &warten, &QEventLoop::quit);
        update->BCalcClick();
        if (update->programmDownloadLaeuft())
            warten.exec();
        speichern(update, QStringLiteral("FUpdate-geprueft"));
    }
    // The help viewer, on the system selection topic.
    kb::HilfeBetrachter hilfe(QCoreApplication::applicationDirPath() + QStringLiteral("/Kugelblick.qhc"));
    hilfe.zeigeThema(1070);
    speichern(&hilfe, QStringLiteral("FHilfe"));
    if (!kontaktbogen(ziel, bilder))
        ++fehler;
    return fehler == 0 ? 0 : 1;
}
