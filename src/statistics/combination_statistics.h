#pragma once

#include "core/lotto.h"
#include "number_statistics.h"

#include <QString>
#include <QVector>

#include <array>
#include <cstdint>
#include <vector>

namespace kb {

// Every combination of s distinct numbers from 1..49 (s = 2, 3, 4) in lexicographic order,
// as bit masks (bit n = number n); an entry's position is its combinatorial rank.
class KombiTabelle {
public:
    using Anteile = std::array<std::array<int, MaxZahl + 1>, 4>;

    explicit KombiTabelle(int groesse);

    int groesse() const { return m_groesse; }
    int anzahl() const { return static_cast<int>(m_masken.size()); }
    std::uint64_t maske(int index) const { return m_masken[static_cast<std::size_t>(index)]; }
    // Position of an ascending combination of groesse() numbers from 1..49.
    int rang(const int* zahlen) const;
    // The rank is the sum of rangAnteile()[i][c_i] over the places i of c_0 < c_1 < ...
    const Anteile& rangAnteile() const { return m_anteil; }
    // "3,17,22": the entry's numbers ascending, joined by commas.
    QString text(int index) const;

private:
    int m_groesse;
    std::vector<std::uint64_t> m_masken;
    Anteile m_anteil{};
};

// The shared tables of pairs, triples and quadruples, built once on first use.
const KombiTabelle& KombiTabelleFuer(int groesse);

struct KombiPlatz {
    int index = 0;  // entry of the table
    int anzahl = 0; // draws containing it
};

// Result of a favourites run: every entry's count and the two lists.
struct KombiFavoriten {
    std::vector<std::uint32_t> anzahl; // per entry of the table
    QVector<KombiPlatz> haeufigste;
    QVector<KombiPlatz> seltenste;
};

// Both lists hold whole count values, from the highest (lowest) count on, until more than
// this many entries are listed; ties in table order.
inline constexpr int FavoritenMindestens = 100;

// Counts every entry of the table over the draws von..bis (clipped to the list) of one
// category: each draw adds one to each of its s-subsets. bis < von counts nothing.
std::vector<std::uint32_t> KombinationenZaehlen(const KombiTabelle& tabelle,
                                                const QVector<ZahlenMenge>& mengen, int von, int bis);
// The most and least frequent lists from counts, by one counting sort over the count values.
KombiFavoriten FavoritenListen(std::vector<std::uint32_t> anzahl);
KombiFavoriten KombinationenFavoriten(const KombiTabelle& tabelle, const QVector<ZahlenMenge>& mengen,
                                      int von, int bis);

// One draw of a combination search: its date and its numbers outside the searched ones.
struct KombiTreffer {
    int index = 0; // draw index in the category
    TDate datum = 0;
    QVector<int> mit;
};

// The draws among von..bis of the category that contain every number of auswahl.
QVector<KombiTreffer> KombisSuchen(const ZahlenStatistik& s, int von, int bis, int kategorie,
                                   const ZahlenMenge& auswahl);

// Refusal of a seventh number for the search.
inline const QString SucheVollText = QStringLiteral("Sie können maximal sechs Zahlen für die Suche angeben.");

// A search selection of one category: at most six numbers.
class KombiAuswahl {
public:
    static constexpr int Hoechstens = 6;
    enum class Ergebnis { Gewaehlt, Abgewaehlt, Voll, Ungueltig };

    // Toggles n; a seventh number is refused (Voll) and nothing changes.
    Ergebnis umschalten(int n);
    void leeren() { m_menge.leeren(); }
    const ZahlenMenge& menge() const { return m_menge; }
    int anzahl() const { return m_menge.anzahl(); }
    bool enthaelt(int n) const { return m_menge.enthaelt(n); }
    // "Suche starten" needs at least two numbers.
    bool suchbar() const { return anzahl() > 1; }
    void setzen(const ZahlenMenge& m) { m_menge = m; }

private:
    ZahlenMenge m_menge;
};

} // namespace kb
