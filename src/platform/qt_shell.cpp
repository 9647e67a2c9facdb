#include "qt_services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace kb {

bool QtShell::oeffneUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

bool QtShell::oeffneDatei(const QString& pfad) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(pfad));
}

bool QtShell::rechnerStarten() {
#if defined(Q_OS_WIN)
    const QStringList kandidaten = {QStringLiteral("calc.exe")};
#elif defined(Q_OS_MACOS)
    return QProcess::startDetached(QStringLiteral("open"),
                                   {QStringLiteral("-a"), QStringLiteral("Calculator")});
#else
    const QStringList kandidaten = {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
                                    QStringLiteral("galculator"),       QStringLiteral("mate-calc"),
                                    QStringLiteral("qalculate-gtk"),    QStringLiteral("xcalc")};
#endif
#if !defined(Q_OS_MACOS)
    for (const QString& programm : kandidaten) {
        const QString pfad = QStandardPaths::findExecutable(programm);
        if (!pfad.isEmpty())
            return QProcess::startDetached(pfad, {});
    }
    return false;
#endif
}

bool QtShell::skriptStarten(const QString& pfad) {
    QProcess p;
    p.setWorkingDirectory(QFileInfo(pfad).absolutePath());
    p.setStandardInputFile(QProcess::nullDevice());
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
#if defined(Q_OS_WIN)
    p.setProgram(QStringLiteral("cmd.exe"));
    p.setArguments({QStringLiteral("/c"), QDir::toNativeSeparators(pfad)});
    // CREATE_NO_WINDOW: no console window appears.
    p.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments* a) { a->flags |= 0x08000000; });
#else
    p.setProgram(QStringLiteral("/bin/sh"));
    p.setArguments({pfad});
#endif
    return p.startDetached();
}

QString QtShell::skriptDateiAnlegen() {
#if defined(Q_OS_WIN)
    const QString endung = QStringLiteral(".bat");
#else
    const QString endung = QStringLiteral(".sh");
#endif
    QTemporaryFile f(QDir::tempPath() + QStringLiteral("/uisXXXXXX") + endung);
    f.setAutoRemove(false);
    return f.open() ? f.fileName() : QString();
}

QString QtShell::programmDatei() const {
    return QCoreApplication::applicationFilePath();
}

qint64 QtShell::prozessNummer() const {
    return QCoreApplication::applicationPid();
}

bool QtShell::schreibschutzAufheben(const QString& pfad) {
    return QFile::setPermissions(pfad,
                                 QFile::permissions(pfad) | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void QtShell::beenden() {
    QApplication::quit();
}

// exit() leaves the event loop without the close events that quit() sends to every window.
void QtShell::sofortBeenden() {
    QCoreApplication::exit(0);
}

} // namespace kb
