#pragma once

#include "core/money.h"
#include "core/records.h"

#include <QHash>
#include <QString>
#include <QVector>

#include <array>
#include <bit>
#include <cstdint>

namespace kb {

// Labels of the prize classes 1..9; index 0 (no prize) is empty.
extern const std::array<QString, 10> KlassenTexte;

// Class 1..9 from the hits on the six numbers and whether the Superzahl matches; 0 = no prize.
constexpr int Gewinnklasse(int treffer, bool szTreffer) {
    switch (treffer) {
    case 6: return szTreffer ? 1 : 2;
    case 5: return szTreffer ? 3 : 4;
    case 4: return szTreffer ? 5 : 6;
    case 3: return szTreffer ? 7 : 8;
    case 2: return szTreffer ? 9 : 0;
    default: return 0;
    }
}

// Hits on the six numbers of a prize class 1..9 (the inverse of Gewinnklasse); 0 for no prize.
constexpr int TrefferDerKlasse(int klasse) {
    return klasse >= 1 && klasse <= 9 ? 6 - (klasse - 1) / 2 : 0;
}

// A ticket without Superzahl (-1) and a draw with an unknown one (above 9) never match.
constexpr bool SuperzahlTrifft(int scheinSZ, int ziehungSZ) {
    return scheinSZ >= 0 && scheinSZ <= 9 && scheinSZ == ziehungSZ;
}

inline int Gewinnklasse(const ZahlenMenge& reihe, const TGewAusw& ziehung, int scheinSZ) {
    return Gewinnklasse(reihe.treffer(ziehung.GZA), SuperzahlTrifft(scheinSZ, ziehung.SZ));
}

// Amount of a class in a draw: the draw's own quota record when its date lies within the
// quota list, else the standard quotas of the date's period. Dates within the list but
// without a record, and an empty list, also take the standard quotas.
class QuotenSuche {
public:
    explicit QuotenSuche(const QVector<TQuoten>& liste);
    Geld betrag(int klasse, TDate datum) const;

private:
    const QVector<TQuoten>& m_liste;
    bool m_leer = true;
    TDate m_letztes = 0;
    QHash<qint64, qsizetype> m_ersterIndex; // whole-day date -> first record with it
};

} // namespace kb
