#pragma once

#include "core/lotto.h"
#include "core/ticket_file.h"

#include <QPoint>
#include <QString>
#include <QVector>

#include <array>

namespace kb {

// One field of the paper system slip as the system ticket entry shows it: a picture of
// 144 x 335 pixels with 49 number boxes and 18 system boxes of 16 x 16 pixels each.
inline constexpr int ScheinFelder = 6;
inline constexpr int FeldBildBreite = 144;
inline constexpr int FeldBildHoehe = 335;
inline constexpr int KastenGroesse = 16;

// Top left corner of a box on the picture; the top row of number boxes starts above it.
QPoint ZahlKasten(int zahl);   // 1..49
QPoint SystemKasten(int code); // 1..18

enum class TrefferArt { Keine = 0, Zahl = 1, System = 2 };

struct Treffer {
    TrefferArt art = TrefferArt::Keine;
    int wert = 0;
    bool operator==(const Treffer&) const = default;
};

// The box under a click at (x, y) on the picture, by horizontal bands: numbers down to 154,
// then the three rows of system boxes.
Treffer TrefferAnPunkt(int x, int y);

// What a field holds.
struct SystemFeldStand {
    int code = 0;       // slip system code 1..18, 0 = no system box marked
    int benoetigt = 0;  // numbers the system needs (WZ)
    ZahlenMenge zahlen; // the crossed numbers
    int anzahl = 0;
    bool komplett = false;
};

enum class StandFarbe { Normal, Komplett, Zuviel };

enum class Verwertung {
    Gesetzt,    // a cross was placed (a system box: the mark moved there)
    Entfernt,   // a cross was taken back
    OhneSystem, // a number in a field without a system: refused with a message
    Voll,       // the field has all its numbers: the click does nothing
    Ungueltig,  // no such number or slip system
};

struct KorrekteFelderErgebnis {
    int anzahl = 0;
    QString phrase; // names the complete fields for 1 to 5 of them; empty for 0 and 6
};

inline const QString OhneSystemText = QStringLiteral("Bitte wählen Sie zuächst das System aus.");
inline const QString KeinFeldText =
    QStringLiteral("Kein Feld enthält vollständige Angaben.\r\rDer Speichervorgang wird abgebrochen.");
inline const QString SuperzahlFrageText = QStringLiteral("Wollen Sie zuvor noch die Superzahl eingeben?");
QString SpeichernFrageText(const QString& phrase);

// The six fields of a system slip and every change made to them.
class Systemschein {
public:
    // The one way a mark is set or taken back: art number or system box, field 1..6.
    Verwertung TrefferVerwerten(TrefferArt art, int wert, int feld);
    // Recomputes the field's complete flag; the colour of its count.
    StandFarbe AnzeigeKontrollieren(int feld);
    // Takes back every number of the field, then its system box.
    void FeldLeeren(int feld);
    void NeuerSchein();

    const SystemFeldStand& feld(int feld) const { return m_felder[index(feld)]; }
    StandFarbe farbe(int feld) const;
    KorrekteFelderErgebnis KorrekteFelder() const;
    // The complete fields in field order, for the ticket file.
    QVector<SystemFeld> SpeicherFelder() const;

    // Empties the slip and fills field k from record k. Returns a German note on what could not
    // be taken over (records beyond six, unknown systems, bad numbers); empty when all was.
    QString Einlesen(const QVector<TSySSchein>& records);

private:
    static std::size_t index(int feld) { return static_cast<std::size_t>(feld - 1); }
    std::array<SystemFeldStand, ScheinFelder> m_felder{};
};

} // namespace kb
