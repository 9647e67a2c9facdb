#include "paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kb {

namespace {
QString mitTrenner(QString pfad) {
    if (!pfad.endsWith(QLatin1Char('/')))
        pfad += QLatin1Char('/');
    return pfad;
}
} // namespace

Pfade pfadeErmitteln() {
    Pfade p;
    p.programmPfad = mitTrenner(QCoreApplication::applicationDirPath());
    p.datenPfad = mitTrenner(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)) +
                  QStringLiteral("Kugelblick/");
    p.tempDatei = mitTrenner(QDir::tempPath()) + QStringLiteral("tmp.tmp");
    // Build tree: beside the program; installed: in <prefix>/share/kugelblick with the data set.
    p.hilfeDatei = p.programmPfad + QStringLiteral("Kugelblick.qhc");
    const QString installiert =
        QDir::cleanPath(p.programmPfad + QStringLiteral("../share/kugelblick/Kugelblick.qhc"));
    if (!QFileInfo::exists(p.hilfeDatei) && QFileInfo::exists(installiert))
        p.hilfeDatei = installiert;
    // Installed layout: <prefix>/bin/kugelblick and <prefix>/share/kugelblick; build tree: <build>/bin and <build>/data.
    const QStringList kandidaten = {p.programmPfad + QStringLiteral("../share/kugelblick/"),
                                    p.programmPfad + QStringLiteral("../data/"), p.programmPfad + QStringLiteral("data/")};
    // Packagers and tests can point elsewhere.
    const QString vorgabe = qEnvironmentVariable("KUGELBLICK_DATENSATZ");
    if (!vorgabe.isEmpty() && QDir(vorgabe).exists()) {
        p.datensatzPfad = mitTrenner(QDir::cleanPath(vorgabe));
        return p;
    }
    for (const QString& k : kandidaten) {
        if (QDir(k).exists()) {
            p.datensatzPfad = mitTrenner(QDir::cleanPath(k));
            break;
        }
    }
    return p;
}

bool datenOrdnerAnlegen(const QString& datenPfad) {
    // The whole path: on a fresh account even the per-user data folder may be missing.
    return QDir().mkpath(datenPfad);
}

} // namespace kb
