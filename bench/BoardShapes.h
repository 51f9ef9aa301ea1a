#pragma once

#include "PlayedWindow.h"

#include <functional>
#include <vector>

// Boards the benchmarks draw, as what each point shows. Paths of adjacent
// points, each one step from the one before, drawn in one colour with the
// points between them in another, make groups that the scan meets as late
// as it can.

constexpr Color Empty = Background;

using Picture = std::function<Color(int col, int row)>;

// Up the last column, across the top, down the column two to the left,
// across the bottom, ... with the columns between as walls. It starts at
// the bottom right corner.
inline std::vector<Intersection> SerpentinePath(int side)
{
    std::vector<Intersection> path;
    for (int c = side, k = 0; c >= 1; c -= 2, ++k) {
        const bool up = k % 2 == 0;
        for (int i = 0; i < side; ++i)
            path.push_back({c, up ? side - i : 1 + i});
        if (c > 2)
            path.push_back({c - 1, up ? 1 : side});
    }
    return path;
}

// From the bottom right corner, a step left, a step up, and so on.
inline std::vector<Intersection> StaircasePath(int side)
{
    std::vector<Intersection> path{{side, side}};
    for (Intersection p{side, side}; p.Col > 1 && p.Row > 1;) {
        --p.Col;
        path.push_back(p);
        --p.Row;
        path.push_back(p);
    }
    return path;
}

// The path in one colour, every other point in another.
inline Picture Along(int side, const std::vector<Intersection>& path, Color stone, Color rest)
{
    std::vector<bool> onPath(std::size_t(side + 1) * (side + 1));
    for (const Intersection& p : path)
        onPath[std::size_t(p.Col) * (side + 1) + p.Row] = true;
    return [=](int c, int r) { return onPath[std::size_t(c) * (side + 1) + r] ? stone : rest; };
}

// A serpentine of one colour between walls of the other.
inline Picture Snake(int side, Color snake)
{
    return Along(side, SerpentinePath(side), snake, snake == White ? Black : White);
}

// The same picture with one point left empty.
inline Picture Without(const Picture& picture, Intersection hole)
{
    return [=](int c, int r) { return c == hole.Col && r == hole.Row ? Empty : picture(c, r); };
}
