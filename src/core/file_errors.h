#pragma once

#include <QString>

namespace kb {

// "Die Datei ... kann nicht gespeichert werden." with the reason in German where it is a common
// one (no permission, a folder in the way, disk full); Qt's own texts are English and, after a
// short write, only "Unknown error": pass errno as taken right after the failed call.
QString SpeicherFehlerText(const QString& pfad, const QString& systemText, int fehlerNummer = 0);

// "Die Datei ... kann nicht gelesen werden." with the reason, likewise.
QString LeseFehlerText(const QString& pfad, const QString& systemText);

} // namespace kb
