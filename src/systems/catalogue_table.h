#pragma once

// The fixed tables of the system catalogue: the built-in systems and the slip systems.
// Header-only and free of Qt, so that the offline row tools share exactly these values.

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace kb {

// One play system: RG numbers per row from the Wahlzahlen (the other 6 - RG are Bankzahlen),
// WZ Wahlzahlen, guarantee GA (0 = none), TR tip rows.
struct TSysteme {
    std::uint8_t RG = 0;
    std::uint8_t WZ = 0;
    std::uint8_t GA = 0;
    std::uint16_t TR = 0;

    constexpr int bankzahlen() const { return 6 - RG; }
    constexpr int pool() const { return WZ + 6 - RG; }
    constexpr bool operator==(const TSysteme&) const = default;
};

inline constexpr int MaxSystemreihen = 924;
inline constexpr int EingebauteSysteme = 359;
inline constexpr int SystemReihenGroesse = 136017; // bytes of the rows of all built-in systems

namespace detail {

struct Lauf {
    int erste;
    int RG;
    int GA;
    int ersteWZ;
    std::initializer_list<int> TR;
};

// Runs of consecutive positions with equal RG and GA and WZ rising by one.
inline constexpr Lauf SystemLaeufe[] = {
    {0, 3, 2, 4, {3,  4,  6,   7,   11,  12,  17,  19,  24,  26,  33,  36,  43,  46,  54,  57,  67,  70, 81,
                  85, 96, 100, 113, 117, 131, 136, 150, 155, 171, 176, 193, 196, 216, 222, 241, 247, 267}},
    {37, 4, 3, 7, {12, 14, 25, 30, 47, 57, 78, 91, 124, 140, 183, 207, 258, 285}},
    {51, 5, 3, 7, {5, 8, 12, 17, 20, 29, 34, 43, 56, 65, 68, 94, 108, 133, 151, 172, 187}},
    {68, 5, 2, 6, {3,  3,  4,  5,  6,  7,  9,  10, 12, 13, 15,  16,  18,  19,  21,
                   21, 27, 28, 30, 30, 37, 38, 40, 43, 48, 50,  52,  55,  62,  63,
                   66, 68, 76, 78, 82, 82, 93, 95, 98, 99, 111, 113, 117, 124, 130}},
    {113, 5, 4, 6, {5, 9, 20, 30, 51, 66, 113, 157, 229}},
    {122, 5, 0, 32, {28, 30, 31, 33, 34, 36, 37, 39, 40, 42, 42, 48, 49, 51, 51, 57, 58, 60, 60}},
    {141, 5, 0, 9, {2,   2,   5,   6,   8,   10,  13,  14,  18,  22,  26,  32,  37,  40,
                    49,  54,  63,  68,  77,  86,  97,  102, 111, 124, 133, 136, 162, 176,
                    201, 216, 240, 255, 280, 295, 320, 338, 359, 374, 411, 432, 447, 491}},
    {183, 5, 0, 12, {4}},
    {184, 5, 0, 14, {6,  8,  10, 12, 14, 17, 20, 24, 27,  31,  36, 39,
                     44, 51, 57, 63, 71, 77, 86, 95, 104, 111, 120}},
    {207, 5, 0, 38, {140, 151, 163, 175, 189, 205, 219, 237, 256, 276, 296, 316, 338}},
    {220, 4, 2, 5, {3,  3,  5,  6,  8,  9,  11, 12, 13, 18, 19, 20, 26, 27, 31,  35,
                    37, 39, 46, 48, 50, 59, 61, 63, 73, 75, 78, 88, 91, 94, 105, 108}},
    {252, 6, 2, 7, {3, 3, 3, 4, 6, 6, 7, 7, 10, 10, 12, 12, 15, 16, 17, 19, 21, 22, 23, 24, 27, 28, 30, 31}},
    {276, 6, 3, 7, {4, 4, 7, 10, 11, 15, 21, 25, 31, 38, 44, 48, 60, 71, 77, 77, 104, 116, 130, 130}},
    {296, 6, 4, 7, {5, 7, 12, 20, 32, 41, 66, 80, 117, 152, 188, 236}},
    {308, 6, 5, 7, {6, 12, 30, 50, 100, 132, 245}},
    {315, 6, 2, 31, {31, 38, 39, 40, 42, 47, 50, 52, 54, 55, 59, 63, 65, 67, 70, 73, 79, 81, 82}},
    {334, 4, 2, 37, {111, 124, 127, 130, 144, 147, 151, 165, 169, 173, 188, 192, 196}},
};

// Positions 347 to 358: single systems of six numbers per row (WZ, GA, TR).
inline constexpr int SchlussSysteme[][3] = {{9, 4, 12},  {14, 4, 87},  {12, 3, 22},  {26, 3, 130},
                                            {22, 3, 77}, {16, 3, 112}, {12, 5, 132}, {11, 4, 66},
                                            {10, 3, 15}, {10, 4, 30},  {10, 5, 50},  {12, 4, 52}};

constexpr std::array<TSysteme, EingebauteSysteme> konstAufbauen() {
    std::array<TSysteme, EingebauteSysteme> a{};
    int pos = 0;
    for (const Lauf& l : SystemLaeufe) {
        if (l.erste != pos)
            throw "runs of the system table are not contiguous";
        int wz = l.ersteWZ;
        for (int tr : l.TR)
            a[static_cast<std::size_t>(pos++)] =
                TSysteme{static_cast<std::uint8_t>(l.RG), static_cast<std::uint8_t>(wz++),
                         static_cast<std::uint8_t>(l.GA), static_cast<std::uint16_t>(tr)};
    }
    for (const auto& s : SchlussSysteme)
        a[static_cast<std::size_t>(pos++)] =
            TSysteme{6, static_cast<std::uint8_t>(s[0]), static_cast<std::uint8_t>(s[1]),
                     static_cast<std::uint16_t>(s[2])};
    if (pos != EingebauteSysteme)
        throw "the system table does not have 359 entries";
    return a;
}

constexpr std::array<int, EingebauteSysteme + 1>
versaetzeAufbauen(const std::array<TSysteme, EingebauteSysteme>& s) {
    std::array<int, EingebauteSysteme + 1> v{};
    for (int i = 0; i < EingebauteSysteme; ++i)
        v[static_cast<std::size_t>(i + 1)] =
            v[static_cast<std::size_t>(i)] +
            s[static_cast<std::size_t>(i)].RG * s[static_cast<std::size_t>(i)].TR;
    return v;
}

} // namespace detail

// The 359 built-in systems, catalogue positions 0 to 358.
inline constexpr std::array<TSysteme, EingebauteSysteme> SystemeKonst = detail::konstAufbauen();

// Byte offset of each built-in system's rows within the row data; the last entry is the total.
inline constexpr std::array<int, EingebauteSysteme + 1> SystemReihenVersatz =
    detail::versaetzeAufbauen(SystemeKonst);
static_assert(SystemReihenVersatz[EingebauteSysteme] == SystemReihenGroesse);

// A system of the paper system slip, indexed by its slip code 1 to 18.
struct TScheinSystem {
    std::uint8_t WZ;
    const char* Name; // label on the slip, at most 9 characters
    std::int32_t TR;
    std::int32_t Index; // catalogue position
};

inline constexpr int ScheinSystemAnzahl = 18;

// ScheinSysteme[code - 1] is the slip system with that code.
inline constexpr std::array<TScheinSystem, ScheinSystemAnzahl> ScheinSysteme = {{
    {7, "007", 7, 431},
    {8, "008", 28, 432},
    {9, "009", 84, 433},
    {10, "010", 210, 434},
    {11, "011", 462, 435},
    {12, "012", 924, 436},
    {9, "9/12", 12, 347},
    {10, "10/15", 15, 355},
    {10, "10/30", 30, 356},
    {10, "10/50", 50, 357},
    {11, "11/66", 66, 354},
    {12, "12/22", 22, 349},
    {12, "12/52", 52, 358},
    {12, "12/132", 132, 353},
    {14, "14/87", 87, 348},
    {16, "16/112", 112, 352},
    {22, "22/77", 77, 351},
    {26, "26/130", 130, 350},
}};

// True exactly for the catalogue positions that the slip systems name.
constexpr bool IstScheinSystem(int position) {
    return (position >= 347 && position <= 358) || (position >= 431 && position <= 436);
}

} // namespace kb
