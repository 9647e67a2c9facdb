#pragma once

#include <QByteArray>

#include <array>
#include <bit>
#include <cstdint>

namespace kb {

inline constexpr int MaxZahl = 49;
inline constexpr int KeineSZ = 50; // "no Superzahl selected" on a pad

// A number 1..49 and a set of them, as used by the ticket entry.
using TZB = std::uint8_t;

// Set of the integers 0..255; 32 bytes in files (bit n mod 8 of byte n div 8).
// In memory four 64-bit words, so that hit counting is a few ANDs and popcounts.
class ZahlenMenge {
public:
    static constexpr int DateiGroesse = 32;

    constexpr ZahlenMenge() = default;

    constexpr bool enthaelt(int n) const {
        return n >= 0 && n < 256 && ((m_w[static_cast<unsigned>(n) >> 6] >> (n & 63)) & 1u) != 0;
    }
    constexpr void hinzu(int n) {
        if (n >= 0 && n < 256)
            m_w[static_cast<unsigned>(n) >> 6] |= std::uint64_t{1} << (n & 63);
    }
    constexpr void entferne(int n) {
        if (n >= 0 && n < 256)
            m_w[static_cast<unsigned>(n) >> 6] &= ~(std::uint64_t{1} << (n & 63));
    }
    constexpr int anzahl() const {
        return std::popcount(m_w[0]) + std::popcount(m_w[1]) + std::popcount(m_w[2]) + std::popcount(m_w[3]);
    }
    constexpr bool leer() const { return (m_w[0] | m_w[1] | m_w[2] | m_w[3]) == 0; }
    constexpr void leeren() { m_w = {}; }

    constexpr ZahlenMenge schnitt(const ZahlenMenge& o) const {
        ZahlenMenge r;
        for (int i = 0; i < 4; ++i)
            r.m_w[i] = m_w[i] & o.m_w[i];
        return r;
    }
    constexpr ZahlenMenge vereinigung(const ZahlenMenge& o) const {
        ZahlenMenge r;
        for (int i = 0; i < 4; ++i)
            r.m_w[i] = m_w[i] | o.m_w[i];
        return r;
    }
    // Number of members of the intersection: the hits of a row on a draw.
    constexpr int treffer(const ZahlenMenge& o) const {
        return std::popcount(m_w[0] & o.m_w[0]) + std::popcount(m_w[1] & o.m_w[1]) +
               std::popcount(m_w[2] & o.m_w[2]) + std::popcount(m_w[3] & o.m_w[3]);
    }

    // Members 0..63 as a bit mask; the lottery numbers 1..49 all live here.
    constexpr std::uint64_t maske64() const { return m_w[0]; }
    constexpr bool nurBis63() const { return (m_w[1] | m_w[2] | m_w[3]) == 0; }

    constexpr bool operator==(const ZahlenMenge&) const = default;

    QByteArray zuBytes() const;
    static ZahlenMenge ausBytes(const char* bytes32);

    template <class It> static constexpr ZahlenMenge aus(It begin, It end) {
        ZahlenMenge m;
        for (; begin != end; ++begin)
            m.hinzu(static_cast<int>(*begin));
        return m;
    }
    static ZahlenMenge aus(std::initializer_list<int> zahlen) { return aus(zahlen.begin(), zahlen.end()); }

private:
    std::array<std::uint64_t, 4> m_w{};
};

using TZBm = ZahlenMenge;

// Members of s among 1..m in ascending order, at most k of them; missing places stay 0.
QByteArray MengeZuZahlen(const ZahlenMenge& s, int k, int m = MaxZahl);

} // namespace kb
