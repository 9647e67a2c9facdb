#pragma once

class QLineEdit;
class QWidget;

namespace kb {

// The one-digit Superzahl entry "ESZ": digits 0 to 9 and backspace; any other character key
// is dropped with a short beep.
QLineEdit* superzahlFeld(QWidget* eltern);

} // namespace kb
