#pragma once

#include "date.h"
#include "lotto.h"
#include "money.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

// Record types of the program's files, each with its exact byte layout.
// Fields are (de)serialised one by one, little-endian; never by casting structs.

namespace kb {

// One draw (16 bytes).
struct TGewZahlen {
    static constexpr int Groesse = 16;

    TDate datum = 0;
    std::array<std::uint8_t, 6> GZ{}; // GZ[0..5] = elements 1..6, in stored order
    std::uint8_t SZ = 0;              // 0..9; anything else means "unknown"

    bool szBekannt() const { return SZ <= 9; }
    ZahlenMenge menge() const { return ZahlenMenge::aus(GZ.begin(), GZ.end()); }

    static TGewZahlen lesen(const char* p);
    void schreiben(char* p) const;
    bool operator==(const TGewZahlen&) const = default;
};

// A draw prepared for an evaluation (64 bytes, memory only).
struct TGewAusw {
    static constexpr int Groesse = 64;
    static constexpr int SDatumMax = 18;

    TDate dat = 0;
    QString SDatum; // at most 18 Latin-1 characters
    ZahlenMenge GZA;
    std::uint8_t SZ = 0;

    static TGewAusw lesen(const char* p);
    void schreiben(char* p) const;
    bool operator==(const TGewAusw&) const = default;
};

// One tip row of a normal ticket file (7 bytes).
struct TNormalSchein {
    static constexpr int Groesse = 7;

    std::int8_t SZ = -1; // 0..9, -1 = none
    std::array<std::uint8_t, 6> WZ{};

    static TNormalSchein lesen(const char* p);
    void schreiben(char* p) const;
    bool operator==(const TNormalSchein&) const = default;
};

// One field of a system ticket file (51 bytes).
struct TSySSchein {
    static constexpr int Groesse = 51;

    std::int8_t SZ = -1;
    std::uint8_t Sys = 0; // slip system code 1..18
    std::array<std::uint8_t, 49> WZ{};

    static TSySSchein lesen(const char* p);
    void schreiben(char* p) const;
    bool operator==(const TSySSchein&) const = default;
};

// Quotas of one draw (80 bytes): q[1..9] in ten-thousandths of a euro; q[0] unused.
struct TQuoten {
    static constexpr int Groesse = 80;

    TDate datum = 0;
    std::array<Geld, 10> q{};

    static TQuoten lesen(const char* p);
    void schreiben(char* p) const;
    bool operator==(const TQuoten&) const = default;
};

// Superzahl of a ticket from its first record's byte: 0..9, otherwise none (-1).
inline int ScheinSZ(std::int8_t ersterSZ) { return (ersterSZ >= 0 && ersterSZ <= 9) ? ersterSZ : -1; }

} // namespace kb
