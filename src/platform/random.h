#pragma once

#include <cstdint>

namespace kb {

// Source of random numbers; the program's generators seed their own engines from it.
class Random {
public:
    virtual ~Random() = default;
    virtual std::uint64_t saat() = 0;
    // Uniform in [0, grenze); grenze > 0.
    virtual std::uint32_t zahl(std::uint32_t grenze) = 0;
};

} // namespace kb
