#include "program_update.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace kb {

QUrl VersionsAdresse(const QUrl& basis) {
    return basis.isValid() ? basis.resolved(QUrl(VersionsDateiName)) : QUrl();
}

QUrl InstallerAdresse(const QUrl& basis) {
    return basis.isValid() ? basis.resolved(QUrl(InstallerServerName)) : QUrl();
}

Result<QString> VerfuegbareVersion(const QByteArray& daten) {
    const qsizetype records = daten.size() / VersionsRecordGroesse;
    if (records == 0)
        return Fehler{QStringLiteral("Die Versionsdatei enthält keinen vollständigen Eintrag.")};
    const char* letzter = daten.constData() + (records - 1) * VersionsRecordGroesse;
    const int laenge = static_cast<unsigned char>(letzter[8]);
    if (laenge > VersionsTextMax)
        return Fehler{QStringLiteral("Die Versionsdatei ist beschädigt.")};
    // Single-byte characters.
    return QString::fromLatin1(letzter + 9, laenge);
}

QByteArray VersionsDatei(const QStringList& versionen) {
    QByteArray r(versionen.size() * VersionsRecordGroesse, '\0');
    for (qsizetype i = 0; i < versionen.size(); ++i) {
        const QByteArray text = versionen[i].toLatin1().left(VersionsTextMax);
        char* rec = r.data() + i * VersionsRecordGroesse;
        rec[8] = static_cast<char>(text.size());
        std::copy(text.begin(), text.end(), rec + 9);
    }
    return r;
}

namespace {
QString anzeige(const QString& pfad) {
    return QDir::toNativeSeparators(pfad);
}
} // namespace

QString InstallationFrage(const QString& datenPfad) {
    return QStringLiteral("Um die Installation durchführen zu können, muss das Programm jetzt geschlossen "
                          "werden. Die Programm-Datei wird gelöscht und das Update gestartet. Wenn etwas "
                          "schief läuft, bitte das Update manuell durch Doppelklick auf die Datei "
                          "\"Update.exe\" im Verzeichnis ") +
           anzeige(datenPfad) + QStringLiteral(" starten.\r\rSoll fortgefahren werden?");
}

QString InstallationAbgebrochen(const QString& datenPfad, const QString& programmPfad,
                                const QString& programmName) {
    return QStringLiteral("Installation wurde auf Ihren Wunsch abgebrochen. Sie  könnnen das Update manuell "
                          "durch Doppelklick auf die Datei \"Update.exe\" im Verzeichnis ") +
           anzeige(datenPfad) +
           QStringLiteral(" starten.\r\rZuvor muss das Programm geschlossen und die Datei \"") +
           programmName + QStringLiteral("\" im Verzeichnis ") + anzeige(programmPfad) +
           QStringLiteral(" gelöscht werden.");
}

QString InstallerNichtGestartet(const QString& datenPfad) {
    return QStringLiteral(
               "Update konnte nicht gestartet werden. Bitte schließen Sie das Programm und starten "
               "Sie das Update manuell durch Doppelklick auf die Datei \"Update.exe\" im "
               "Verzeichnis ") +
           anzeige(datenPfad) + QLatin1Char('.');
}

QString UebergabeNichtMoeglich(const QString& programmDatei, const QString& grund) {
    return QStringLiteral("Das Update wurde gestartet, aber die alte Programm-Datei kann nicht zum Löschen "
                          "vorgemerkt werden.\r\r%1\r\rBitte löschen Sie die Datei \"%2\" selbst, sobald "
                          "das Programm beendet ist.")
        .arg(grund, anzeige(programmDatei));
}

QString ShellZitat(const QString& text) {
    QString r = text;
    r.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + r + QLatin1Char('\'');
}

namespace {

QByteArray posixSkript(const Uebergabe& u) {
    const auto zeile = [](const QString& s) { return QFile::encodeName(s) + '\n'; };
    QByteArray r;
    r += "#!/bin/sh\n";
    r += "# Kugelblick: removes the old program file once the program has ended.\n";
    r += zeile(QStringLiteral("f=") + ShellZitat(u.programmDatei));
    r += zeile(QStringLiteral("d=") + ShellZitat(u.programmOrdner));
    r += zeile(QStringLiteral("s=") + ShellZitat(u.skript));
    r += "n=0\n";
    r += "while :; do\n";
    // A running program could be deleted at once here; wait for its end like the installer expects.
    const QByteArray laeuft =
        u.prozess > 0 ? "kill -0 " + QByteArray::number(u.prozess) + " 2>/dev/null" : QByteArray("false");
    r += "  if ! " + laeuft + "; then\n";
    r += "    rm -f -- \"$f\" 2>/dev/null\n";
    r += "    [ -e \"$f\" ] || [ -L \"$f\" ] || break\n";
    r += "  fi\n";
    r += "  [ \"$n\" -ge " + QByteArray::number(u.wartezeitSekunden) + " ] && break\n";
    r += "  n=$((n + 1))\n";
    r += "  sleep 1\n";
    r += "done\n";
    r += "rmdir -- \"$d\" 2>/dev/null\n";
    r += "rm -f -- \"$s\"\n";
    return r;
}

// cmd.exe: Windows paths cannot hold quotation marks; percent signs must be doubled in a batch file.
QString batchPfad(const QString& pfad) {
    QString r = pfad;
    r.replace(QLatin1Char('/'), QLatin1Char('\\'));
    r.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return QLatin1Char('"') + r + QLatin1Char('"');
}

QByteArray batchSkript(const Uebergabe& u) {
    const QString f = batchPfad(u.programmDatei);
    QStringList z;
    z << QStringLiteral("@echo off") << QStringLiteral("set n=0") << QStringLiteral(":Label1")
      << QStringLiteral("del ") + f + QStringLiteral(" >nul 2>&1")
      << QStringLiteral("if not exist ") + f + QStringLiteral(" goto Label2")
      << QStringLiteral("if %n% geq %1 goto Label2").arg(u.wartezeitSekunden)
      << QStringLiteral("set /a n+=1")
      // One second; "timeout" refuses to run without a console.
      << QStringLiteral("ping -n 2 127.0.0.1 >nul") << QStringLiteral("goto Label1")
      << QStringLiteral(":Label2")
      << QStringLiteral("rmdir ") + batchPfad(u.programmOrdner) + QStringLiteral(" >nul 2>&1")
      << QStringLiteral("del ") + batchPfad(u.skript);
    return z.join(QStringLiteral("\r\n")).toLocal8Bit() + "\r\n";
}

} // namespace

QByteArray UebergabeSkript(const Uebergabe& u, SkriptArt art) {
    return art == SkriptArt::Posix ? posixSkript(u) : batchSkript(u);
}

} // namespace kb
