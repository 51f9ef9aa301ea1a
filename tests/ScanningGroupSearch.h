#pragma once

#include "board/Geometry.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// A group as the scanning search lists it, and the number of its passes.
struct ScannedGroup
{
    std::vector<std::int16_t> Xs;
    std::vector<std::int16_t> Ys;
    int Passes = 0;
};

// The group search in its plainest form: whole-board passes, column by
// column and each column from the top row down, until a pass adds nothing.
// At its place in the scan a point that is not yet listed joins when it
// shows the colour and one of its four neighbours on the board is listed.
// Membership is a walk along the list. Slow, but obviously right: the
// reference for the fast search.
inline ScannedGroup ScanningGroupSearch(const Surface& board, int cols, int rows,
                                        Intersection start, Color color)
{
    ScannedGroup group;
    std::vector<std::int16_t>& xs = group.Xs;
    std::vector<std::int16_t>& ys = group.Ys;
    // The start point is listed whatever it shows and wherever it lies.
    xs.push_back(std::int16_t(start.Col));
    ys.push_back(std::int16_t(start.Row));

    const auto listed = [&](int col, int row) {
        for (std::size_t i = 0; i < xs.size(); ++i)
            if (xs[i] == col && ys[i] == row)
                return true;
        return false;
    };
    // The edge conditions keep a start point off the board from counting
    // as the neighbour of a point on it.
    const auto touchesListed = [&](int col, int row) {
        const std::size_t count = xs.size();
        for (std::size_t i = 0; i < count; ++i) {
            const int x = xs[i];
            const int y = ys[i];
            if ((x == col + 1 && y == row && col != cols) || (x == col - 1 && y == row && col != 1)
                || (x == col && y == row + 1 && row != rows)
                || (x == col && y == row - 1 && row != 1))
                return true;
        }
        return false;
    };

    for (;;) {
        ++group.Passes;
        const std::size_t passStartCount = xs.size();
        for (int col = 1; col <= cols; ++col) {
            for (int row = 1; row <= rows; ++row) {
                if (listed(col, row))
                    continue;
                // Nothing is drawn during a pass: one read serves every test.
                if (ProbeColorAt(board, col, row) == color && touchesListed(col, row)) {
                    xs.push_back(std::int16_t(col));
                    ys.push_back(std::int16_t(row));
                }
            }
        }
        if (xs.size() == passStartCount)
            return group;
    }
}
