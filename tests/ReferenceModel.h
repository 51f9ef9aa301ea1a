#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

// The game as a plain array of points with its rules written afresh, to
// hold the drawn board against. It knows the window only as the grid it
// spans: a point beyond that grid cannot be seen and so holds no stone and
// gives no liberty.
class ReferenceModel
{
public:
    enum Point : std::uint8_t { Empty, Black, White };

    ReferenceModel(int windowCols, int windowRows) : windowCols(windowCols), windowRows(windowRows)
    {
    }

    void NewGame(int boardCols, int boardRows, bool againstComputer)
    {
        cols = boardCols;
        rows = boardRows;
        computer = againstComputer;
        points.assign(std::size_t(std::max(cols, 0)) * std::size_t(std::max(rows, 0)), Empty);
        whiteToMove = false;
        dots.fill(HasStarPoints());
    }

    // One mouse release that rounds to (column, row). The computer's
    // answer draws its numbers from `random`.
    void Release(int column, int row, const std::function<float()>& random)
    {
        computerGaveUp = false;
        if (computer)
            whiteToMove = false;
        if (!Playable(column, row))
            return;
        const Point stone = whiteToMove ? White : Black;
        whiteToMove = !whiteToMove;
        Settle(column, row, stone);
        if (At(column, row) == Empty) {
            // Refused: the same side moves again, and no repair follows.
            whiteToMove = !whiteToMove;
            return;
        }
        RestoreStarDots();
        if (computer)
            ComputerTurn(random);
    }

    bool OnBoard(int column, int row) const
    {
        return column >= 1 && column <= cols && row >= 1 && row <= rows;
    }
    bool Visible(int column, int row) const
    {
        return OnBoard(column, row) && column <= windowCols && row <= windowRows;
    }
    Point At(int column, int row) const { return points[Index(column, row)]; }

    // Whether an empty star point shows its dot; false off the star points.
    bool DotShown(int column, int row) const
    {
        const int star = StarIndex(column, row);
        return star >= 0 && dots[std::size_t(star)];
    }
    bool IsStarPoint(int column, int row) const { return StarIndex(column, row) >= 0; }

    bool WhiteToMove() const { return whiteToMove; }
    int Beeps() const { return beeps; }
    // The last computer turn found no point for a stone: how many numbers
    // the game drew before it gave up is its own affair.
    bool ComputerGaveUp() const { return computerGaveUp; }

private:
    static constexpr std::array<int, 3> StarLines{4, 10, 16};
    static constexpr int StarBoardSize = 19;

    std::size_t Index(int column, int row) const
    {
        return std::size_t(column - 1) * std::size_t(rows) + std::size_t(row - 1);
    }
    Point& Stone(int column, int row) { return points[Index(column, row)]; }

    bool HasStarPoints() const { return cols == StarBoardSize && rows == StarBoardSize; }
    int StarIndex(int column, int row) const
    {
        if (!HasStarPoints())
            return -1;
        int index = 0;
        for (int x : StarLines)
            for (int y : StarLines) {
                if (x == column && y == row)
                    return index;
                ++index;
            }
        return -1;
    }

    bool Playable(int column, int row) const
    {
        return Visible(column, row) && At(column, row) == Empty;
    }
    bool Liberty(int column, int row) const { return Playable(column, row); }

    std::array<std::array<int, 2>, 4> Neighbours(int column, int row) const
    {
        // Left, right, above, below: the order of the capture check.
        return {{{column - 1, row}, {column + 1, row}, {column, row - 1}, {column, row + 1}}};
    }

    // The start point and the stones of `colour` joined to it.
    std::vector<std::array<int, 2>> Group(int column, int row, Point colour) const
    {
        std::vector<std::array<int, 2>> group{{column, row}};
        std::vector<bool> listed(points.size(), false);
        if (!OnBoard(column, row))
            return group;
        listed[Index(column, row)] = true;
        for (std::size_t next = 0; next < group.size(); ++next) {
            for (const auto& [x, y] : Neighbours(group[next][0], group[next][1])) {
                if (Visible(x, y) && !listed[Index(x, y)] && At(x, y) == colour) {
                    listed[Index(x, y)] = true;
                    group.push_back({x, y});
                }
            }
        }
        return group;
    }

    bool GroupHasLiberty(const std::vector<std::array<int, 2>>& group) const
    {
        for (const auto& [column, row] : group)
            for (const auto& [x, y] : Neighbours(column, row))
                if (Liberty(x, y))
                    return true;
        return false;
    }

    void Clear(int column, int row)
    {
        Stone(column, row) = Empty;
        const int star = StarIndex(column, row);
        if (star >= 0)
            dots[std::size_t(star)] = false;
    }

    // What the capture check reads exactly on a neighbouring intersection:
    // an empty one shows the black of the grid crossing.
    bool CrossingShows(int column, int row, Point colour) const
    {
        if (!Visible(column, row))
            return false;
        const Point there = At(column, row);
        return there == colour || (colour == Black && there == Empty);
    }

    // The capture check around a new stone, then the test of its own group,
    // which takes back the new stone alone.
    void Settle(int column, int row, Point stone)
    {
        Stone(column, row) = stone;
        const Point other = stone == Black ? White : Black;
        for (const auto& [x, y] : Neighbours(column, row)) {
            if (!CrossingShows(x, y, other))
                continue;
            const auto group = Group(x, y, other);
            if (!GroupHasLiberty(group))
                for (const auto& [gx, gy] : group)
                    Clear(gx, gy);
        }
        if (!GroupHasLiberty(Group(column, row, stone)))
            Clear(column, row);
    }

    void RestoreStarDots()
    {
        if (!HasStarPoints())
            return;
        for (int column : StarLines)
            for (int row : StarLines)
                if (At(column, row) == Empty)
                    dots[std::size_t(StarIndex(column, row))] = true;
    }

    // The computer's neighbour test reads the crossings: only a white stone
    // shows white there, and a neighbour off the board counts as white.
    bool RingedByWhite(int column, int row) const
    {
        const auto whiteOrEdge = [this](int x, int y) {
            return !OnBoard(x, y) || (Visible(x, y) && At(x, y) == White);
        };
        return whiteOrEdge(column - 1, row) && whiteOrEdge(column, row - 1)
               && whiteOrEdge(column + 1, row) && whiteOrEdge(column, row + 1);
    }
    bool ComputerMayPlay(int column, int row) const
    {
        return !RingedByWhite(column, row) && Playable(column, row);
    }
    bool ComputerHasAPoint() const
    {
        for (int column = 1; column <= cols; ++column)
            for (int row = 1; row <= rows; ++row)
                if (ComputerMayPlay(column, row))
                    return true;
        return false;
    }

    void ComputerTurn(const std::function<float()>& random)
    {
        const int stones = int(std::floor(random() * 3.0f + 1.0f));
        for (int i = 1; i <= stones; ++i) {
            if (!ComputerHasAPoint()) {
                // Nothing changes, so no later stone of the turn finds one.
                computerGaveUp = true;
                break;
            }
            int column = 0;
            int row = 0;
            do {
                column = int(std::floor(double(random()) * cols + 1));
                row = int(std::floor(double(random()) * rows + 1));
            } while (!ComputerMayPlay(column, row));
            Settle(column, row, White);
            RestoreStarDots();
        }
        whiteToMove = false;
        ++beeps;
    }

    int windowCols;
    int windowRows;
    int cols = 0;
    int rows = 0;
    bool computer = false;
    bool whiteToMove = false;
    std::vector<Point> points;
    std::array<bool, 9> dots{};
    int beeps = 0;
    bool computerGaveUp = false;
};
