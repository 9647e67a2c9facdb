#include "web_links.h"

namespace kb {

namespace {
struct Eintrag {
    const char* schluessel;
    const char* vorgabe;
};
Eintrag eintrag(WebLink link) {
    switch (link) {
    case WebLink::Gewinnzahlen:
        return {"Gewinnzahlen", "https://www.lotto.de/lotto-6aus49/lottozahlen"};
    case WebLink::Startseite:
        return {"Startseite", "https://www.lotto.de/lotto-6aus49"};
    case WebLink::Seite:
        return {"Seite", "https://www.lotto.de/lotto-6aus49/quoten"};
    }
    return {"", ""};
}
} // namespace

QUrl WebAdresse(WebLink link, const IniDatei& ini) {
    const Eintrag e = eintrag(link);
    const QString text = ini.ReadString(QStringLiteral("Web"), QString::fromLatin1(e.schluessel),
                                        QString::fromLatin1(e.vorgabe));
    return QUrl::fromUserInput(text.trimmed());
}

QString WebOfflineText(WebLink link) {
    if (link == WebLink::Seite)
        return QStringLiteral("Für den Aufruf der Seite muss eine Verbindung zum Internet bestehen.");
    return QStringLiteral(
        "Für den Aufruf aktueller Gewinnzahlen muss eine Verbindung zum Internet bestehen.");
}

} // namespace kb
