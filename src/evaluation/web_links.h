#pragma once

#include "core/ini_file.h"

#include <QString>
#include <QUrl>

namespace kb {

// The web pages the main window opens in the browser; addresses live in "Einstellungen.ini",
// section "Web", so a distributor or user can point them elsewhere.
enum class WebLink {
    Gewinnzahlen, // current winning numbers and quotas (key "Gewinnzahlen")
    Startseite,   // the program's home page (key "Startseite")
    Seite,        // a further page (key "Seite")
};

QUrl WebAdresse(WebLink link, const IniDatei& ini);
// Shown when the system reports no internet connection.
QString WebOfflineText(WebLink link);

} // namespace kb
