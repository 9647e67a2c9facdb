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
    virtual bool skriptStarten(const QString& pfad) = 0;
    virtual void beenden() = 0;
};

} // namespace kb
