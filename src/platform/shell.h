#pragma once

#include <QString>
#include <QUrl>

namespace kb {

// Hand-offs to the desktop: browser, associated programs, calculator, scripts, ending the program.
class Shell {
public:
    virtual ~Shell() = default;
    virtual bool oeffneUrl(const QUrl& url) = 0;
    virtual bool oeffneDatei(const QString& pfad) = 0;
    virtual bool rechnerStarten() = 0;
    // Runs a command script hidden and detached, with its own folder as the current directory;
    // it outlives the program.
    virtual bool skriptStarten(const QString& pfad) = 0;
    // Creates an empty file with a unique name in the temporary folder, "uis…" with the extension
    // of this platform's command scripts. Empty when that failed.
    virtual QString skriptDateiAnlegen() = 0;
    // The running program file and its process.
    virtual QString programmDatei() const = 0;
    virtual qint64 prozessNummer() const = 0;
    // Clears attributes such as read-only that keep a file from being deleted.
    virtual bool schreibschutzAufheben(const QString& pfad) = 0;
    // Closes the program the normal way: windows may ask and save first.
    virtual void beenden() = 0;
    // Ends the program at once: no closing questions, nothing saved.
    virtual void sofortBeenden() = 0;
};

} // namespace kb
