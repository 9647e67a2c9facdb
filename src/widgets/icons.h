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

// The program's icon set: SVG files compiled into the program (":/kugelblick/icons/"), drawn
// sharp at every size and scale; no desktop icon theme is asked.
QIcon symbolIcon(Symbol s);
QIcon symbolIcon(const QString& svgPfad);
QString symbolPfad(Symbol s);

// A lottery ball with its number, as used on the start window and the pads.
void kugelZeichnen(class QPainter& p, const QRectF& rahmen, int zahl, const QColor& farbe);

} // namespace kb
