#include "qt_services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace kb {

bool QtShell::oeffneUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

bool QtShell::oeffneDatei(const QString& pfad) { return QDesktopServices::openUrl(QUrl::fromLocalFile(pfad)); }

bool QtShell::rechnerStarten() {
#if defined(Q_OS_WIN)
    const QStringList kandidaten = {QStringLiteral("calc.exe")};
#elif defined(Q_OS_MACOS)
    return QProcess::startDetached(QStringLiteral("open"), {QStringLiteral("-a"), QStringLiteral("Calculator")});
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
#if defined(Q_OS_WIN)
    return QProcess::startDetached(QStringLiteral("cmd.exe"), {QStringLiteral("/c"), pfad});
#else
    return QProcess::startDetached(QStringLiteral("/bin/sh"), {pfad});
#endif
}

void QtShell::beenden() { QApplication::quit(); }

} // namespace kb
