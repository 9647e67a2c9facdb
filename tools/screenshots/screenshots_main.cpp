// Renders every window the program can show into PNG files, offscreen, with scripted
// platform services so no dialog blocks: kb_screenshots <output folder>.
#include "evaluation/startup.h"
#include "platform/testing/test_services.h"

#include <QApplication>
#include <QDir>
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

    kb::test::TestDienste dienste;
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
    return fehler == 0 ? 0 : 1;
}
