#pragma once

#include "board/Geometry.h"

#include <cstdint>
#include <vector>

// A group as whole-board scans list it, and the number of their passes.
struct ScannedGroup
{
    std::vector<std::int16_t> Xs;
    std::vector<std::int16_t> Ys;
    int Passes = 0;
};

// The group search in its plainest form: passes over the whole board,
// column by column and each column from the top row down, until a pass adds
// nothing. At its place in the scan a point joins when shows(column, row)
// and one of its neighbours on the board is listed. The start point is
// listed first, whatever it shows and wherever it lies.
template <typename Shows>
ScannedGroup ScanningGroupSearch(int cols, int rows, Intersection start, Shows shows)
{
    ScannedGroup group{{std::int16_t(start.Col)}, {std::int16_t(start.Row)}};
    std::vector<char> listed(std::size_t(cols + 2) * (rows + 2));
    const auto mark = [&](int col, int row) -> char& { return listed[col * (rows + 2) + row]; };
    if (start.Col >= 1 && start.Col <= cols && start.Row >= 1 && start.Row <= rows)
        mark(start.Col, start.Row) = 1;
    for (std::size_t before = 0; before != group.Xs.size(); ++group.Passes) {
        before = group.Xs.size();
        for (int col = 1; col <= cols; ++col) {
            for (int row = 1; row <= rows; ++row) {
                if (!mark(col, row) && shows(col, row)
                    && (mark(col + 1, row) || mark(col - 1, row) || mark(col, row + 1)
                        || mark(col, row - 1))) {
                    mark(col, row) = 1;
                    group.Xs.push_back(std::int16_t(col));
                    group.Ys.push_back(std::int16_t(row));
                }
            }
        }
    }
    return group;
}
