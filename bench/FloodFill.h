#pragma once

#include "board/Geometry.h"

#include <cstdint>
#include <vector>

// The plainest way to find a group: breadth first from the start point,
// every point read at most once, with a visited flag per point of the
// board. It lists the same points as the game's search, in another order.
inline void FloodFill(const Surface& board, int cols, int rows, Intersection start, Color color,
                      std::vector<Intersection>& group)
{
    group.assign(1, start);
    if (start.Col < 1 || start.Col > cols || start.Row < 1 || start.Row > rows)
        return;
    std::vector<std::uint8_t> visited(std::size_t(cols) * rows);
    const auto index = [rows](Intersection p) { return std::size_t(p.Col - 1) * rows + p.Row - 1; };
    visited[index(start)] = 1;
    for (std::size_t next = 0; next < group.size(); ++next) {
        const Intersection p = group[next];
        for (const Intersection n : {Intersection{p.Col - 1, p.Row}, Intersection{p.Col, p.Row - 1},
                                     Intersection{p.Col + 1, p.Row}, Intersection{p.Col, p.Row + 1}}) {
            if (n.Col < 1 || n.Col > cols || n.Row < 1 || n.Row > rows || visited[index(n)])
                continue;
            visited[index(n)] = 1;
            if (ProbeColorAt(board, n.Col, n.Row) == color)
                group.push_back(n);
        }
    }
}
