#pragma once

#include <cstdint>

// A colour as the board stores it: 24-bit RGB, red in the lowest byte.
// -1 stands for "no colour", what a read outside the drawing area gives.
using Color = std::int32_t;

constexpr Color Rgb(int red, int green, int blue)
{
    return red | (green << 8) | (blue << 16);
}

constexpr Color NoColor = -1;
constexpr Color Black = Rgb(0, 0, 0);
constexpr Color White = Rgb(255, 255, 255);
