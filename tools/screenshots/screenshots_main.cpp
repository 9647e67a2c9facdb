// Renders every window the program can show into PNG files, offscreen, with scripted
// platform services so no dialog blocks: kb_screenshots <output folder>.
#include "evaluation/startup.h"
#include "platform/qt_help.h"
#include "platform/paths.h"
#include "platform/testing/test_services.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
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
    QFile::copy(pfade.datensatzPfad + QStringLiteral("GZ.649"), pfade.datenPfad + QStringLiteral("GZ.649"));

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
    speichern(start.startfenster(), QStringLiteral("FStart"));
    start.startfenster()->hide();
    for (QWidget* w : start.router().alleFenster())
        speichern(w, w->objectName());
    for (const QString& name : start.router().registrierteNamen())
        if (!start.router().FensterOffen(name))
            if (QWidget* w = start.router().oeffne(name))
                speichern(w, name);
    // The help viewer, on the system selection topic.
    kb::HilfeBetrachter hilfe(QCoreApplication::applicationDirPath() + QStringLiteral("/Kugelblick.qhc"));
    hilfe.zeigeThema(1070);
    speichern(&hilfe, QStringLiteral("FHilfe"));
    return fehler == 0 ? 0 : 1;
}
