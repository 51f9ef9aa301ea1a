#pragma once

#include "board/Geometry.h"

#include <vector>

// Paths of adjacent points that make long groups, each point one step from
// the one before. Drawn in one colour with the points between them in
// another, they make groups that the scan meets as late as it can.

// Up the last column, across the top, down the column two to the left,
// across the bottom, ... with the columns between as walls.
inline std::vector<Intersection> SerpentinePath(int cols, int rows)
{
    std::vector<Intersection> path;
    for (int c = cols, k = 0; c >= 1; c -= 2, ++k) {
        const bool up = k % 2 == 0;
        for (int i = 0; i < rows; ++i)
            path.push_back({c, up ? rows - i : 1 + i});
        if (c > 2)
            path.push_back({c - 1, up ? 1 : rows});
    }
    return path;
}

// From the bottom right corner, a step left, a step up, and so on.
inline std::vector<Intersection> StaircasePath(int cols, int rows)
{
    std::vector<Intersection> path{{cols, rows}};
    for (Intersection p{cols, rows}; p.Col > 1 && p.Row > 1;) {
        --p.Col;
        path.push_back(p);
        --p.Row;
        path.push_back(p);
    }
    return path;
}
