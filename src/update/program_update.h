#pragma once

#include "core/result.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace kb {

inline const QString VersionsDateiName = QStringLiteral("verinfos.k2b");
inline const QString InstallerServerName = QStringLiteral("kbupdate.exe");
inline const QString InstallerDateiName = QStringLiteral("Update.exe");

// Version file: 24-byte records; byte 8 holds the length (0 to 15) of the text in bytes 9 to 23.
constexpr qsizetype VersionsRecordGroesse = 24;
constexpr int VersionsTextMax = 15;

QUrl VersionsAdresse(const QUrl& basis);
QUrl InstallerAdresse(const QUrl& basis);

// The version text of the last whole record, which is the one that counts. A file without a
// whole record, or whose last record claims a longer text than a record holds, is not a version
// file (an error page of the server, for instance).
Result<QString> VerfuegbareVersion(const QByteArray& daten);
// A version file listing the given versions in order (texts longer than 15 bytes are cut).
QByteArray VersionsDatei(const QStringList& versionen);

// Messages of the installation step; D is the data folder, P the program folder, both shown
// with their trailing separator.
QString InstallationFrage(const QString& datenPfad);
QString InstallationAbgebrochen(const QString& datenPfad, const QString& programmPfad,
                                const QString& programmName);
QString InstallerNichtGestartet(const QString& datenPfad);
QString UebergabeNichtMoeglich(const QString& programmDatei, const QString& grund);

// The script left behind when the program hands over to the installer: once the program has
// ended it deletes the old program file, removes the program folder if that is empty, and
// deletes itself. It gives up waiting after a bounded time.
enum class SkriptArt { Posix, Batch };
#if defined(Q_OS_WIN)
constexpr SkriptArt EigeneSkriptArt = SkriptArt::Batch;
#else
constexpr SkriptArt EigeneSkriptArt = SkriptArt::Posix;
#endif

struct Uebergabe {
    QString programmDatei;  // F: full path of the running program file
    QString programmOrdner; // P: its folder, with trailing separator
    QString skript;         // S: the script's own full path
    qint64 prozess = 0;     // process id of the running program; 0 = unknown, do not wait for it
    int wartezeitSekunden = 120;
};
QByteArray UebergabeSkript(const Uebergabe& u, SkriptArt art = EigeneSkriptArt);

// Single-quoted for a POSIX shell: every character stands for itself.
QString ShellZitat(const QString& text);

} // namespace kb
