#pragma once

#include <QByteArray>

#include <bit>
#include <cstdint>
#include <cstring>

namespace kb::bytes {

// Explicit little-endian field access, independent of the host's byte order.
inline std::uint64_t leseU64(const char* p) {
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(p[i]);
    return v;
}
inline void schreibeU64(char* p, std::uint64_t v) {
    for (int i = 0; i < 8; ++i) {
        p[i] = static_cast<char>(v & 0xFFu);
        v >>= 8;
    }
}
inline std::int64_t leseI64(const char* p) { return static_cast<std::int64_t>(leseU64(p)); }
inline void schreibeI64(char* p, std::int64_t v) { schreibeU64(p, static_cast<std::uint64_t>(v)); }
inline double leseDouble(const char* p) { return std::bit_cast<double>(leseU64(p)); }
inline void schreibeDouble(char* p, double v) { schreibeU64(p, std::bit_cast<std::uint64_t>(v)); }
inline std::uint8_t leseU8(const char* p) { return static_cast<std::uint8_t>(*p); }
inline std::int8_t leseI8(const char* p) { return static_cast<std::int8_t>(*p); }

} // namespace kb::bytes
