#pragma once

#include "board/Geometry.h"

#include <cstdint>
#include <vector>

// The plainest way to find a group: breadth first from the start point,
// every point of the board looked at once at most. joins(column, row) tells
// whether a point of the board belongs to the group's colour.
template <typename Joins>
void FloodFill(int cols, int rows, Intersection start, Joins joins, std::vector<Intersection>& group)
{
    group.assign(1, start);
    const auto onBoard = [&](Intersection p) {
        return p.Col >= 1 && p.Col <= cols && p.Row >= 1 && p.Row <= rows;
    };
    if (!onBoard(start))
        return;
    std::vector<std::uint8_t> seen(std::size_t(cols) * rows);
    const auto mark = [&](Intersection p) -> std::uint8_t& {
        return seen[std::size_t(p.Col - 1) * rows + p.Row - 1];
    };
    mark(start) = 1;
    for (std::size_t next = 0; next < group.size(); ++next) {
        const Intersection p = group[next];
        for (const Intersection n : {Intersection{p.Col - 1, p.Row}, Intersection{p.Col, p.Row - 1},
                                     Intersection{p.Col + 1, p.Row}, Intersection{p.Col, p.Row + 1}}) {
            if (!onBoard(n) || mark(n))
                continue;
            mark(n) = 1;
            if (joins(n.Col, n.Row))
                group.push_back(n);
        }
    }
}
