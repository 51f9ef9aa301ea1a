#pragma once

#include <cstdint>

// A uniform generator that starts from the same state in every run, so the
// same clicks meet the same answers.
class FixedStartRandom
{
public:
    // 24 random bits over 2^24: every value is exact in single precision,
    // and 1.0 never occurs.
    float Next()
    {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return float(state >> 40) / float(1 << 24);
    }

private:
    std::uint64_t state = 0x9E3779B97F4A7C15u;
};
