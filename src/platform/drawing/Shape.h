#pragma once

#include <cstdint>

// One drawing call of the surface as it was made: in board units, with the
// pen's width in layout pixels. At a fixed scale and pixel ratio it decides
// every pixel, so shapes are told apart by their bits.
struct Shape
{
    enum Kind : std::int32_t { Line, Circle, RoundDot };

    Kind Is;
    std::int32_t PenWidth;
    // The ends of a line; or the centre, then the radius twice.
    float X1;
    float Y1;
    float X2;
    float Y2;

    // A line's midpoint, a round shape's centre.
    float MiddleX() const { return Is == Line ? (X1 + X2) / 2 : X1; }
    float MiddleY() const { return Is == Line ? (Y1 + Y2) / 2 : Y1; }
};
