#pragma once

#include <QList>

class QWidget;

namespace kb {

enum class FensterArt {
    Arbeit, // a working window: Escape does nothing, work is not thrown away by a key
    Dialog, // a small tool or dialog window: Escape closes it
};

// What every window gets beside its controls: the tab order follows the reading order
// (set again whenever the window is shown, so controls added later fall in line) and, for
// dialogs, Escape closes. One call after the window is built; calling twice is harmless.
void fensterEinrichten(QWidget* fenster, FensterArt art);

// The widgets of fenster that take the focus by Tab, in reading order: containers are read
// whole, their parts from top to bottom, side by side from left to right; the pages of a tab
// or stacked widget in page order.
QList<QWidget*> lesereihenfolge(QWidget* fenster);
void tabReihenfolgeSetzen(QWidget* fenster);

} // namespace kb
