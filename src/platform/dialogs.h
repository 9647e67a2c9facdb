#pragma once

#include <QString>

class QWidget;

namespace kb {

enum class Nachricht { Information, Warnung, Fehler, Bestaetigung };
enum class Knoepfe { Ok, OkAbbrechen, JaNein, JaNeinAbbrechen };
enum class Antwort { Ok, Ja, Nein, Abbrechen };

// Modal message boxes. Texts are passed exactly as written; "\r\r" is a paragraph break.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual Antwort zeige(QWidget* eltern, Nachricht art, const QString& text, Knoepfe knoepfe) = 0;

    void information(QWidget* eltern, const QString& text) { zeige(eltern, Nachricht::Information, text, Knoepfe::Ok); }
    void warnung(QWidget* eltern, const QString& text) { zeige(eltern, Nachricht::Warnung, text, Knoepfe::Ok); }
    void fehler(QWidget* eltern, const QString& text) { zeige(eltern, Nachricht::Fehler, text, Knoepfe::Ok); }
    Antwort frage(QWidget* eltern, const QString& text, Knoepfe knoepfe = Knoepfe::JaNein) {
        return zeige(eltern, Nachricht::Bestaetigung, text, knoepfe);
    }
};

} // namespace kb
