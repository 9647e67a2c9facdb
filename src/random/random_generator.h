#pragma once

#include "core/lotto.h"
#include "core/result.h"
#include "core/ticket_file.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace kb {

// The three groups that steer the random tips. A number belongs to at most one group.
enum class ZufallsGruppe { Bankzahlen = 1, Quotenkiller = 2, Favoriten = 3 };

class ZufallsAuswahl {
public:
    static constexpr int MaxBankzahlen = 5;

    const ZahlenMenge& BZGewaehlt() const { return m_bank; }
    const ZahlenMenge& KillGewaehlt() const { return m_kill; }
    const ZahlenMenge& FavGewaehlt() const { return m_fav; }
    const ZahlenMenge& menge(ZufallsGruppe g) const;
    int anzahl(ZufallsGruppe g) const { return menge(g).anzahl(); }

    // The group n belongs to, if any.
    std::optional<ZufallsGruppe> gruppeVon(int n) const;
    // Adds n to the group or removes it. Refused with the message when a limit is broken;
    // refused without one when n is outside 1..49 or already belongs to another group.
    Status umschalten(ZufallsGruppe g, int n);

private:
    ZahlenMenge& mengeRef(ZufallsGruppe g);

    ZahlenMenge m_bank;
    ZahlenMenge m_kill;
    ZahlenMenge m_fav;
};

// How many different rows the groups allow: C(49 - banks - killers, 6 - banks).
std::int64_t MoeglicheReihen(const ZufallsAuswahl& auswahl);

// The message for a request the groups cannot satisfy; empty when the request is possible.
// A request for no row at all is refused like an empty field.
Status ReihenAnzahlPruefen(const ZufallsAuswahl& auswahl, std::int64_t anzahl);
QString KeineAnzahlText();
// The row count field's text read and checked: empty, no whole number, or a count the groups
// cannot satisfy gives the message.
Result<int> ReihenAnzahlAusText(const ZufallsAuswahl& auswahl, const QString& text);

// Small fast generator (xoshiro256**), seeded from one 64-bit value.
class ZufallsMotor {
public:
    explicit ZufallsMotor(std::uint64_t saat);
    std::uint64_t naechste();
    // Uniform in [0, grenze), grenze > 0; no modulo bias.
    std::uint32_t bis(std::uint32_t grenze);
    std::uint64_t bis64(std::uint64_t grenze);
    // Uniform in [0, 1).
    double real();

private:
    std::array<std::uint64_t, 4> m_s{};
};

struct ZufallsErgebnis {
    std::vector<Tippreihe> Zufreihen;   // acceptance order, each ascending
    std::array<int, MaxZahl> NrCount{}; // index n - 1
    bool abgebrochen = false;           // stopped before the end; rows and counts then empty
};

// Draws anzahl different rows: every row holds the Bankzahlen, no Quotenkiller, and each pick is
// uniform over the pot in which every Favorit stands twice; a row equal to an accepted one is
// discarded. Duplicates are found through one bit per possible row. Once discards grow costly
// the rest is drawn from the rows not yet taken, with the same law (see the .cpp).
// The request must have passed ReihenAnzahlPruefen. stop is polled; fortschritt(done) is called
// now and then from the calling thread.
ZufallsErgebnis ZufallszahlenErmitteln(const ZufallsAuswahl& auswahl, int anzahl, std::uint64_t saat,
                                       const std::atomic<bool>* stop = nullptr,
                                       const std::function<void(int)>& fortschritt = {});

} // namespace kb
