#pragma once

// The player's choice of numbers for a play system and its expansion into tip rows.

#include "core/lotto.h"
#include "core/row_table.h"
#include "core/ticket_file.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace kb {

inline const QString KeinSystemText = QStringLiteral("Bitte wählen Sie links zunächst ein System aus.");

// Refusal of an expansion before all numbers are chosen: wz Wahlzahlen and bz Bankzahlen wanted.
QString ZahlenFehlenText(int wz, int bz);

// A refusal of the selection: information or error box.
struct AuswahlMeldung {
    bool fehler = false;
    QString text;
};

// How a number button looks.
enum class ZahlLook { Normal, Wahlzahl, Bankzahl };
// How a count tile looks.
enum class KachelLook { Leer, Normal, Hervorgehoben };

struct Systemreihen {
    int TR = 0;
    std::vector<Tippreihe> Tippreihen;              // in the system's order, each ascending
    std::array<int, MaxZahl + 1> ZahlHaeufigkeit{}; // index 1..49
};

// The chosen system and numbers; lives as long as the selection window.
class Systemauswahl {
public:
    // Makes a catalogue position the chosen system; the chosen numbers stay.
    void GewaehltesSystem(int position);

    int GewSystem() const { return m_gewSystem; }
    int SollWZ() const { return m_sollWZ; }
    int SollBZ() const { return m_sollBZ; }
    const ZahlenMenge& WahlZahlen() const { return m_wahl; }
    const ZahlenMenge& BankZahlen() const { return m_bank; }
    int AnzWZ() const { return m_wahl.anzahl(); }
    int AnzBZ() const { return m_bank.anzahl(); }
    bool bankModus() const { return m_bankModus; }
    ZahlLook look(int zahl) const;

    // A click on number n: it becomes a Wahlzahl while Wahlzahlen are missing, then a
    // Bankzahl while those are missing; a chosen number is taken back. A refusal changes nothing.
    std::optional<AuswahlMeldung> BLotUrClick(int n);
    // Chooses all numbers the system needs at random (engine seeded from saat).
    std::optional<AuswahlMeldung> BZufallClick(std::uint64_t saat);
    void BLoeschenClick();

    // The rows of the chosen system for the chosen numbers, or the refusal.
    std::variant<Systemreihen, AuswahlMeldung> SystemAnwenden() const;

private:
    int m_gewSystem = -1;
    int m_sollWZ = 0;
    int m_sollBZ = 0;
    ZahlenMenge m_wahl;
    ZahlenMenge m_bank;
    bool m_bankModus = false;
};

// The row table of the first page: TR rows sorted ascending by their six numbers, column 0
// numbered 1..TR.
TippreihenDaten ReihenTabelle(const Systemreihen& reihen);

// Look of the count tile of a number.
KachelLook KachelFuer(int anzahl, int tr);

} // namespace kb
