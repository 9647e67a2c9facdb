#include "qt_services.h"

#include "spreadsheet_files.h"

#include <QProcess>
#include <QStandardPaths>

namespace kb {

QtSpreadsheet::QtSpreadsheet(Shell& shell) : m_shell(shell) {}

bool QtSpreadsheet::programmVorhanden() {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    // The shell knows its associations; a failed opening is reported afterwards.
    return true;
#else
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (!xdgMime.isEmpty()) {
        QProcess p;
        p.start(xdgMime,
                {QStringLiteral("query"), QStringLiteral("default"),
                 QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet")});
        if (p.waitForFinished(3000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
            return !p.readAllStandardOutput().trimmed().isEmpty();
    }
    // Without the desktop's association database: any known spreadsheet program on the path.
    for (const char* programm : {"localc", "libreoffice", "soffice", "gnumeric", "onlyoffice-desktopeditors"})
        if (!QStandardPaths::findExecutable(QString::fromLatin1(programm)).isEmpty())
            return true;
    return false;
#endif
}

Status QtSpreadsheet::schreiben(const QString& pfad, const ExportBlatt& blatt) {
    return XlsxSchreiben(pfad, blatt);
}

bool QtSpreadsheet::oeffnen(const QString& pfad) {
    return m_shell.oeffneDatei(pfad);
}

Result<Tabellenblatt> QtSpreadsheet::lesen(const QString& pfad) {
    return TabelleLesen(pfad);
}

} // namespace kb
