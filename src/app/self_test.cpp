#include "self_test.h"

#include "core/program_state.h"
#include "evaluation/startup.h"
#include "platform/qt_help.h"
#include "platform/qt_service_set.h"
#include "statistics/draw_changes.h"
#include "widgets/skin.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace kb {

namespace {

// Answers every question with "Ja" and prints every message instead of waiting for a click.
class JaDialoge final : public Dialogs {
public:
    Antwort zeige(QWidget*, Nachricht, const QString& text, Knoepfe knoepfe) override {
        std::printf("Meldung: %s\n",
                    QString(text).replace(QLatin1Char('\r'), QLatin1Char(' ')).toUtf8().constData());
        return knoepfe == Knoepfe::Ok || knoepfe == Knoepfe::OkAbbrechen ? Antwort::Ok : Antwort::Ja;
    }
};

void zeile(const char* was, const QString& wert) {
    std::printf("%s: %s\n", was, QDir::toNativeSeparators(wert).toUtf8().constData());
}

} // namespace

bool SelbsttestVerlangt(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--selbsttest") == 0)
            return true;
    return false;
}

int Selbsttest(int argc, char* argv[]) {
    // The user's own files are never touched: data, settings and help cache go to a temporary folder.
    QTemporaryDir heim;
    if (!heim.isValid())
        return 2;
    qputenv("XDG_DATA_HOME", QFile::encodeName(heim.filePath(QStringLiteral("daten"))));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(heim.filePath(QStringLiteral("cache"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(heim.filePath(QStringLiteral("config"))));

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kugelblick"));
    QApplication::setApplicationVersion(QStringLiteral("1.7.0.0"));
    deutscheUebersetzungLaden(app);
    skin::anwenden(app);

    QtDiensteSatz satz;
    Dienste dienste = satz.dienste();
    JaDialoge dialoge;
    dienste.dialoge = &dialoge;
    bool ok = true;
    {
        Programmstart start(dienste);
        start.ausfuehren();
        const Programmzustand& z = zustand();
        zeile("Programm", z.ProgrammPfad);
        zeile("Datensatz", z.DatensatzPfad.isEmpty() ? QStringLiteral("nicht gefunden") : z.DatensatzPfad);
        ok = ok && !z.DatensatzPfad.isEmpty() && start.hauptfenster();

        if (start.hauptfenster()) {
            // Showing the main window with an empty history offers the download, answered "Ja".
            QEventLoop warten;
            QObject::connect(&Ziehungsmeldungen::instanz(), &Ziehungsmeldungen::gewZahlenGeaendert, &warten,
                             &QEventLoop::quit);
            QTimer::singleShot(60000, &warten, &QEventLoop::quit);
            start.hauptfenster()->show();
            if (zustand().GewZahlen.isEmpty())
                warten.exec();
            QApplication::processEvents();
        }
        std::printf("Hauptfenster: %s\n",
                    start.hauptfenster() && start.hauptfenster()->isVisible() ? "sichtbar" : "fehlt");
        std::printf("Gewinnreihen: %lld\n", static_cast<long long>(zustand().GewZahlen.size()));
        std::printf("Quoten: %lld\n", static_cast<long long>(zustand().QuotenListe.size()));
        ok = ok && !zustand().GewZahlen.isEmpty() && !zustand().QuotenListe.isEmpty();

        HilfeBetrachter hilfe(zustand().HilfeDatei);
        const bool hilfeDa = hilfe.bereit() && !hilfe.seiteFuer(1010).isEmpty();
        zeile("Hilfe",
              zustand().HilfeDatei + (hilfeDa ? QStringLiteral(" (bereit)") : QStringLiteral(" (fehlt)")));
        ok = ok && hilfeDa;

        const QString uebersetzung =
            QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm");
        zeile("Übersetzung",
              uebersetzung + (QFile::exists(uebersetzung) ? QString() : QStringLiteral(" (fehlt)")));
    }
    std::printf("Selbsttest: %s\n", ok ? "bestanden" : "gescheitert");
    std::fflush(stdout);
    return ok ? 0 : 1;
}

} // namespace kb
