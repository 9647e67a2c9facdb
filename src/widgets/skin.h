#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPalette>

class QApplication;
class QFrame;
class QLabel;
class QWidget;

// The program's one look: a light palette of its own (so a dark desktop theme cannot put
// white text on the white cells the windows paint), one type size, the named looks of the
// windows and the icons. Every colour a window sets comes from here.
namespace kb::skin {

// The program's palette.
namespace farbe {
inline const QColor Fenster{238, 242, 245};      // window and panel background
inline const QColor Flaeche{225, 231, 236};      // button face
inline const QColor Feld{255, 255, 255};         // input fields and table cells
inline const QColor Schrift{27, 39, 51};         // text on every light colour
inline const QColor SchriftGrau{120, 130, 140};  // disabled text
inline const QColor Rahmen{154, 167, 179};       // frames and grid lines
inline const QColor Kopf{221, 228, 234};         // table headings, alternating rows
inline const QColor Akzent{26, 111, 128};        // selection, focus
inline const QColor AkzentSchrift{255, 255, 255};
inline const QColor Verweis{20, 90, 170};
inline const QColor Warnung{176, 0, 0};          // red bold notes
inline const QColor Hinweis{0, 0, 128};          // navy notes

// Colours the windows are described with, used exactly.
inline const QColor Weiss{255, 255, 255};
inline const QColor Schwarz{0, 0, 0};
inline const QColor TealDunkel{0, 55, 55};       // number tiles
inline const QColor TealSchrift{183, 255, 183};  // their text
inline const QColor Hellgruen{179, 255, 179};    // Bankzahl cells
inline const QColor KachelGruen{147, 254, 114};  // Bankzahl value tiles
inline const QColor Himmelblau{40, 184, 255};    // Favoriten
inline const QColor Gruen{0, 255, 0};            // complete, equal, found
inline const QColor Gruen213{0, 213, 0};         // full coverage
inline const QColor Hellrot{255, 91, 91};        // too many
inline const QColor HellrotSuche{255, 102, 102}; // nothing found
inline const QColor Hellorange{255, 223, 128};   // partial coverage
inline const QColor Hellblau{185, 241, 253};     // the line of the highest win
inline const QColor Kreuzblau{0, 0, 255};        // slip crosses

// Lottery balls of the pads.
inline const QColor KugelRot{215, 45, 40};
inline const QColor KugelGold{235, 175, 20};
inline const QColor KugelTeal{0, 110, 110};
inline const QColor Wahlzahl{240, 190, 40};
inline const QColor Bankzahl{50, 160, 60};
inline const QColor Quotenkiller{230, 90, 70};
} // namespace farbe

// Spacing in pixels: outer margin of a window's content, gap between controls.
inline constexpr int Rand = 6;
inline constexpr int Abstand = 4;
// The type size every window is laid out for.
inline constexpr int Punkte = 9;

// Style, palette, type and program icon for the whole application; call once after the
// QApplication exists. A desktop theme does not leak in: every window looks the same
// on a light or a dark desktop.
void anwenden(QApplication& app);
QPalette palette();
QIcon programmIcon();
// The program icon as an SVG file in the resources (":/kugelblick/icons/kugelblick.svg").
QString programmIconPfad();

// Black or white, whichever reads better on that background.
QColor schriftAuf(const QColor& hintergrund);

// Fills w with the background and sets the matching text colour; an invalid colour means
// the button face. Foreground and background are always set together.
void flaeche(QWidget* w, const QColor& hintergrund);

// Light text on dark teal (the number tiles).
void zahlKachel(QLabel* l);
// Centred bold figure on the face colour in a lowered frame (count fields, value tiles).
void rahmenLabel(QLabel* l);
// Bold notes: plain, red ("don't forget") and navy (advice).
void fett(QWidget* w, int punkte = 0);
void warnHinweis(QLabel* l);
void blauerHinweis(QLabel* l);

// The bold type of table cells.
QFont zellenSchrift(const QFont& basis);

// Escape closes the window (dialog-like windows).
void escapeSchliesst(QWidget* fenster);

} // namespace kb::skin
