#pragma once

#include "core/result.h"

#include <QString>

#include <array>
#include <cstdint>

namespace kb {

// How the tip fields lie on a slip.
struct Anordnung {
    const char* titel;
    int proReihe; // fields per row of fields
    int reihen;   // rows of fields
    int felder;   // fields per slip
};
inline constexpr int AnordnungAnzahl = 4;
inline constexpr std::array<Anordnung, AnordnungAnzahl> Anordnungen{{
    {"2 x 6", 6, 2, 12},
    {"2 x 7", 7, 2, 14},
    {"2 x 9", 9, 2, 18},
    {"5 x 3", 3, 5, 15},
}};
inline constexpr int MaxTippfelder = 18;
inline constexpr int FeldZeilen = 7;
inline constexpr int ZusatzKoordinaten = 20;

// Box pitch from the distance over six pitches, half rounded to even (231 -> 38, 237 -> 40).
int KaestchenTeilung(int abstand);

// Index of an extra-mark coordinate field "EZus" i j k in the file order: marks 1 to 4 hold
// "ja" x, y and "nein" x, y; marks 5 and 6 one position each. -1 for a name that does not exist.
int ZusatzIndex(int marke, int position, int achse);

// The slip format as stored in a ".awadr" file: one record of 7184 bytes, signed 32-bit
// little-endian integers; all lengths in tenths of a millimetre.
struct TScheinFormat {
    static constexpr int Groesse = 7184;
    static constexpr int LeerWert = -1;

    std::int32_t reserviert0 = 0; // kept as read
    std::int32_t anordnung = -1;  // 0..3, -1 none
    std::int32_t B = 78;
    std::int32_t C = 480;
    std::int32_t hori = 0;
    std::int32_t vert = 0;
    std::int32_t nrX = LeerWert;
    std::int32_t nrY = LeerWert;
    // A-values: [field 0..17][number 0..48] = {x, y}; 0 means not set.
    std::array<std::array<std::array<std::int32_t, 2>, 49>, MaxTippfelder> A{};
    // ZusatzIndex order; -1 means empty.
    std::array<std::int32_t, ZusatzKoordinaten> zusatz;
    std::array<std::int32_t, 2> reserviert1{}; // after mark 5, kept as read
    std::array<std::int32_t, 2> reserviert2{}; // after mark 6, kept as read

    TScheinFormat() { zusatz.fill(LeerWert); }

    static TScheinFormat lesen(const char* p);
    void schreiben(char* p) const;
    bool operator==(const TScheinFormat&) const = default;
};

// A file shorter than one record cannot be read; anything after the record is ignored.
Result<TScheinFormat> FormatDateiLesen(const QString& pfad);
// Atomic: a failed save keeps the old file.
Status FormatDateiSchreiben(const QString& pfad, const TScheinFormat& format);

} // namespace kb
