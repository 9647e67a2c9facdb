#include "expansion.h"

#include "catalogue.h"
#include "row_sort.h"

#include <algorithm>
#include <bit>
#include <random>

namespace kb {

QString ZahlenFehlenText(int wz, int bz) {
    const QString x = bz == 0   ? QStringLiteral(".")
                      : bz == 1 ? QStringLiteral(" und eine Bankzahl.")
                                : QStringLiteral(" und %1 Bankzahlen.").arg(bz);
    return QStringLiteral("Bitte wählen Sie oben %1 Tippahlen").arg(wz) + x +
           QStringLiteral("\r\rIch breche erst einmal ab.");
}

void Systemauswahl::GewaehltesSystem(int position) {
    const TSysteme* s = SystemAn(position);
    if (s == nullptr)
        return;
    m_gewSystem = position;
    m_sollWZ = s->WZ;
    m_sollBZ = s->bankzahlen();
}

ZahlLook Systemauswahl::look(int zahl) const {
    if (m_bank.enthaelt(zahl))
        return ZahlLook::Bankzahl;
    if (m_wahl.enthaelt(zahl))
        return ZahlLook::Wahlzahl;
    return ZahlLook::Normal;
}

std::optional<AuswahlMeldung> Systemauswahl::BLotUrClick(int n) {
    if (m_sollWZ == 0)
        return AuswahlMeldung{false, KeinSystemText};
    if (n < 1 || n > MaxZahl)
        return std::nullopt;
    bool bank = m_bankModus;
    if (m_bank.enthaelt(n))
        bank = true;
    else if (m_wahl.enthaelt(n) || AnzWZ() < m_sollWZ)
        bank = false;

    if (!bank) {
        if (m_wahl.enthaelt(n)) {
            m_wahl.entferne(n);
        } else if (AnzWZ() < m_sollWZ) {
            m_wahl.hinzu(n);
        } else if (m_sollBZ > 0) {
            bank = true;
        } else {
            return AuswahlMeldung{true, QStringLiteral("Sie haben bereits %1 Zahlen gewählt.").arg(AnzWZ())};
        }
        if (!bank) {
            m_bankModus = false;
            return std::nullopt;
        }
    }
    if (m_bank.enthaelt(n)) {
        m_bank.entferne(n);
    } else if (AnzBZ() < m_sollBZ) {
        m_bank.hinzu(n);
    } else {
        return AuswahlMeldung{true, QStringLiteral("Sie haben bereits %1 Bankzahlen gewählt.").arg(AnzBZ())};
    }
    m_bankModus = true;
    return std::nullopt;
}

std::optional<AuswahlMeldung> Systemauswahl::BZufallClick(std::uint64_t saat) {
    if (m_sollWZ == 0)
        return AuswahlMeldung{false, KeinSystemText};
    const int p = m_sollWZ + m_sollBZ;
    std::mt19937_64 engine(saat);
    std::uniform_int_distribution<int> zahl(1, MaxZahl);
    std::vector<int> wahl;
    std::vector<int> bank;
    ZahlenMenge gezogen;
    const auto ziehen = [&] {
        for (;;) {
            const int z = zahl(engine);
            if (!gezogen.enthaelt(z)) {
                gezogen.hinzu(z);
                return z;
            }
        }
    };
    if (p < 24) {
        for (int i = 0; i < p; ++i)
            (i < m_sollWZ ? wahl : bank).push_back(ziehen());
    } else {
        // Many numbers: drawing the few left out is quicker than drawing the many taken.
        for (int i = 0; i < m_sollBZ; ++i)
            bank.push_back(ziehen());
        if (p < MaxZahl)
            for (int i = 0; i < MaxZahl - p; ++i)
                ziehen();
        for (int z = 1; z <= MaxZahl; ++z)
            if (!gezogen.enthaelt(z))
                wahl.push_back(z);
    }
    BLoeschenClick();
    for (int z : wahl)
        BLotUrClick(z);
    for (int z : bank)
        BLotUrClick(z);
    return std::nullopt;
}

void Systemauswahl::BLoeschenClick() {
    m_wahl.leeren();
    m_bank.leeren();
    m_bankModus = false;
}

std::variant<Systemreihen, AuswahlMeldung> Systemauswahl::SystemAnwenden() const {
    if (m_sollWZ == 0)
        return AuswahlMeldung{false, KeinSystemText};
    const TSysteme* s = SystemAn(m_gewSystem);
    if (s == nullptr)
        return AuswahlMeldung{false, KeinSystemText};
    const int b = s->bankzahlen();
    if (AnzWZ() != m_sollWZ || AnzBZ() != b)
        return AuswahlMeldung{false, ZahlenFehlenText(m_sollWZ, b)};
    int w[64] = {};
    int i = 0;
    for (int z = 1; z <= MaxZahl; ++z)
        if (m_wahl.enthaelt(z))
            w[++i] = z;
    Systemreihen r;
    const std::vector<Zahlenmaske> reihen = SystemReihenMasken(m_gewSystem);
    r.TR = static_cast<int>(reihen.size());
    r.Tippreihen.reserve(reihen.size());
    for (const Zahlenmaske reihe : reihen) {
        Tippreihe t{};
        std::size_t j = 0;
        for (Zahlenmaske m = reihe; m != 0 && j < t.size(); m &= m - 1)
            t[j++] = static_cast<std::uint8_t>(w[std::countr_zero(m)]);
        for (int z = 1; z <= MaxZahl && j < t.size(); ++z)
            if (m_bank.enthaelt(z))
                t[j++] = static_cast<std::uint8_t>(z);
        std::sort(t.begin(), t.end());
        for (std::uint8_t z : t)
            ++r.ZahlHaeufigkeit[z];
        r.Tippreihen.push_back(t);
    }
    return r;
}

TippreihenDaten ReihenTabelle(const Systemreihen& reihen) {
    TippreihenDaten d(reihen.TR + 1);
    for (int i = 0; i < reihen.TR; ++i)
        d.setzeReihe(i + 1, reihen.Tippreihen[static_cast<std::size_t>(i)]);
    if (reihen.TR > 1)
        ReihenSortieren(d, {1, 2, 3, 4, 5, 6}, 1, reihen.TR);
    return d;
}

KachelLook KachelFuer(int anzahl, int tr) {
    if (anzahl == 0)
        return KachelLook::Leer;
    return anzahl > 1 && anzahl == tr ? KachelLook::Hervorgehoben : KachelLook::Normal;
}

} // namespace kb
