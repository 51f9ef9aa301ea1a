#pragma once

#include "platform/Color.h"
#include "platform/drawing/Surface.h"

#include <array>

// Intersection (c, r) lies at the point (c, r) of the board's scale.

constexpr int GridPenWidth = 2;
constexpr float StoneRadius = 0.3f;
constexpr float StarPointRadius = 0.1f;
// Half the way to the next intersection: the grid drawn back around a
// cleared point.
constexpr float ArmLength = 0.5f;

// Inside a stone, off both grid lines through the intersection and outside
// a star dot, so it shows a stone's colour or the background.
constexpr double ProbeOffset = 0.2;

struct Intersection
{
    int Col;
    int Row;
};

constexpr Intersection operator+(Intersection point, Intersection step)
{
    return {point.Col + step.Col, point.Row + step.Row};
}

// The steps to a point's four neighbours, and the two orders in which the
// rules read them: the capture check's and the computer's neighbour test's.
constexpr Intersection Left{-1, 0};
constexpr Intersection Right{1, 0};
constexpr Intersection Up{0, -1};
constexpr Intersection Down{0, 1};
constexpr std::array<Intersection, 4> LeftRightUpDown{{Left, Right, Up, Down}};
constexpr std::array<Intersection, 4> LeftUpRightDown{{Left, Up, Right, Down}};

inline bool OnBoard(Intersection point, int cols, int rows)
{
    return point.Col >= 1 && point.Col <= cols && point.Row >= 1 && point.Row <= rows;
}

constexpr std::array<Intersection, 9> StarPoints{{
    {4, 4}, {4, 10}, {4, 16}, {10, 4}, {16, 4}, {10, 10}, {10, 16}, {16, 10}, {16, 16},
}};

inline Color ProbeColorAt(const Surface& board, int column, int row)
{
    return board.ColorAt(float(column + ProbeOffset), float(row + ProbeOffset));
}

// Exactly on the intersection, where an empty point shows the grid's black.
inline Color CrossingColorAt(const Surface& board, int column, int row)
{
    return board.ColorAt(float(column), float(row));
}
