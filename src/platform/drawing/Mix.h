#pragma once

#include <cstdint>

// One step of a hash over 64-bit values.
inline std::uint64_t Mix(std::uint64_t hash, std::uint64_t value)
{
    constexpr std::uint64_t Multiplier = 0x9E3779B97F4A7C15u;
    hash = (hash ^ value) * Multiplier;
    return hash ^ hash >> 32;
}
