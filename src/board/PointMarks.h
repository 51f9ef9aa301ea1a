#pragma once

#include "Geometry.h"

#include <algorithm>
#include <cstdint>
#include <vector>

// What one group search knows of the points it has looked at. The marks
// lie dense along the stretch of the scan, column after column, that the
// search has reached: it grows with the columns the group spans, not with
// the board.
class PointMarks
{
public:
    enum Mark : std::uint8_t { Unseen, OtherColor, Candidate, Listed };

    // Starts with a stretch around the start point that holds every point
    // of a board the window shows.
    PointMarks(int cols, int rows, Intersection start)
        : rows(rows), points(std::int64_t(cols) * rows)
    {
        const std::int64_t at = Position(start.Col, start.Row);
        first = std::max<std::int64_t>(0, at - InitialReach);
        const std::int64_t end = std::min(points, at + InitialReach);
        marks.assign(std::max<std::int64_t>(0, end - first), Unseen);
    }

    // The mark of a point on the board, Unseen until it is set.
    Mark& At(int col, int row)
    {
        const std::int64_t position = Position(col, row);
        if (position < first || position >= first + std::int64_t(marks.size())) [[unlikely]]
            Reach(position);
        return marks[position - first];
    }

private:
    static constexpr std::int64_t InitialReach = 16384;

    std::int64_t Position(int col, int row) const { return std::int64_t(col - 1) * rows + row - 1; }

    // Widens the stretch to take in the position, at least doubling it, so
    // that the copying adds up to no more than the stretch itself. Kept out
    // of line so that At stays small enough to inline.
    [[gnu::noinline]] void Reach(std::int64_t position)
    {
        const std::int64_t size = std::max<std::int64_t>(std::int64_t(marks.size()), rows);
        std::int64_t begin = first;
        std::int64_t end = first + std::int64_t(marks.size());
        if (position < begin)
            begin = std::max<std::int64_t>(0, std::min(position, begin - size));
        else
            end = std::min(points, std::max(position + 1, end + size));
        std::vector<Mark> wider(end - begin, Unseen);
        std::copy(marks.begin(), marks.end(), wider.begin() + (first - begin));
        marks.swap(wider);
        first = begin;
    }

    int rows;
    std::int64_t points;
    std::int64_t first;
    std::vector<Mark> marks;
};
