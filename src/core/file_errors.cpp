#include "file_errors.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace kb {

namespace {

QString speicherGrund(const QString& pfad, const QString& systemText, int fehlerNummer) {
    const QFileInfo ziel(pfad);
    const QFileInfo ordner(ziel.absolutePath());
    const QString ordnerName = QDir::toNativeSeparators(ordner.absoluteFilePath());
    if (ziel.isDir())
        return QStringLiteral("An ihrer Stelle liegt ein Ordner gleichen Namens.");
    if (!ordner.isDir())
        return QStringLiteral("Der Ordner \"%1\" existiert nicht.").arg(ordnerName);
    // Qt passes the C library's text on, in the process locale, except for a few English ones of its own.
    const auto meldet = [&systemText, fehlerNummer](int code, const char* qtText) {
        return fehlerNummer == code ||
               systemText.contains(QString::fromLocal8Bit(std::strerror(code)), Qt::CaseInsensitive) ||
               (qtText && systemText.contains(QLatin1String(qtText), Qt::CaseInsensitive));
    };
    if (meldet(ENOSPC, "No space left on device") || meldet(EDQUOT, nullptr) || meldet(EFBIG, nullptr))
        return QStringLiteral(
            "Auf dem Datenträger ist nicht genug Platz, oder die Datei wäre größer als erlaubt.");
    if (meldet(EROFS, nullptr))
        return QStringLiteral("Der Datenträger ist schreibgeschützt.");
    if (ziel.exists() && !ziel.isWritable())
        return QStringLiteral("Die Datei ist schreibgeschützt.");
    if (meldet(EACCES, "Permission denied") || meldet(EPERM, nullptr) || !ordner.isWritable())
        return QStringLiteral("Es fehlt die Berechtigung, in den Ordner \"%1\" zu schreiben.")
            .arg(ordnerName);
    return QStringLiteral("Das System meldet: %1").arg(systemText);
}

} // namespace

QString SpeicherFehlerText(const QString& pfad, const QString& systemText, int fehlerNummer) {
    return QStringLiteral("Die Datei \"%1\" kann nicht gespeichert werden.\r\r%2")
        .arg(QDir::toNativeSeparators(pfad), speicherGrund(pfad, systemText, fehlerNummer));
}

QString LeseFehlerText(const QString& pfad, const QString& systemText) {
    const QFileInfo datei(pfad);
    QString grund = QStringLiteral("Das System meldet: %1").arg(systemText);
    if (datei.isDir())
        grund = QStringLiteral("An ihrer Stelle liegt ein Ordner gleichen Namens.");
    else if (datei.exists() && !datei.isReadable())
        grund = QStringLiteral("Es fehlt die Berechtigung, sie zu lesen.");
    return QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.\r\r%2")
        .arg(QDir::toNativeSeparators(pfad), grund);
}

} // namespace kb
