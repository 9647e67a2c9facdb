#pragma once

#include <QIcon>
#include <QPixmap>

namespace kb {

enum class Symbol {
    Schliessen,
    NormalscheinNeu,
    SystemscheinNeu,
    Drucken,
    SystemWahl,
    Zufall,
    Statistik,
    Update,
    Quoten,
    NueberK,
    Kalender,
    Rechner,
    Hilfe,
    Web,
    Hinzufuegen, // a new draw
    Abbrechen,   // cancel the new draw
    Leeren,      // clear the number pad
    Speichern,
    Oeffnen,
    Loeschen,
    CSV,
    TabelleExport,
    TabelleImport,
    SortAuf,
    SortZurueck,
};

// Tool-bar pictograms drawn by the program, so no image files need to ship.
QIcon symbolIcon(Symbol s);

// A lottery ball with its number, as used on the start window and the pads.
void kugelZeichnen(class QPainter& p, const QRectF& rahmen, int zahl, const QColor& farbe);

} // namespace kb
