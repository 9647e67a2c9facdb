#pragma once

#include <cstdint>

namespace kb::reihen {

// Small, fast generator with a fixed output on every platform (xoshiro256**, seeded by splitmix64),
// so that a seed reproduces the same rows everywhere.
class Zufall {
public:
    explicit Zufall(std::uint64_t seed) {
        for (auto& s : m_s) {
            seed += 0x9e3779b97f4a7c15ull;
            std::uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
            z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
            s = z ^ (z >> 31);
        }
    }

    std::uint64_t naechste() {
        const std::uint64_t r = rotl(m_s[1] * 5, 7) * 9;
        const std::uint64_t t = m_s[1] << 17;
        m_s[2] ^= m_s[0];
        m_s[3] ^= m_s[1];
        m_s[1] ^= m_s[2];
        m_s[0] ^= m_s[3];
        m_s[2] ^= t;
        m_s[3] = rotl(m_s[3], 45);
        return r;
    }

    // Uniform in 0..n-1 (multiply-shift; the bias is far below anything a search notices).
    std::uint32_t unter(std::uint32_t n) {
        return static_cast<std::uint32_t>(((naechste() >> 32) * static_cast<std::uint64_t>(n)) >> 32);
    }

    // Uniform in [0, 2^53) as a fraction of 1.
    double bruch() { return static_cast<double>(naechste() >> 11) * 0x1.0p-53; }

private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::uint64_t m_s[4]{};
};

} // namespace kb::reihen
