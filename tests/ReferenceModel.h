#pragma once

#include "PlayedWindow.h"

#include <QPainter>

#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
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

// The game's rules written afresh on a plain array, to hold the drawn board
// against. It knows the window only as the grid it spans: a point beyond
// that grid cannot be seen, so it holds no stone and gives no liberty.
struct ReferenceModel
{
    enum Point : char { Empty, Black, White };

    void NewGame(int cols, int rows, bool againstComputer)
    {
        Cols = cols;
        Rows = rows;
        Computer = againstComputer;
        Points.assign(std::size_t(cols) * rows, Empty);
        Dots.assign(Points.size(), true);
        WhiteToMove = false;
    }

    // A release that rounds to the point p.
    void Release(Intersection p)
    {
        GaveUp = false;
        WhiteToMove = WhiteToMove && !Computer;
        if (!Playable(p))
            return;
        WhiteToMove = !WhiteToMove;
        if (!Settle(p, WhiteToMove ? Black : White)) {
            WhiteToMove = !WhiteToMove;
            return;
        }
        RestoreDots();
        for (int stones = Computer ? int(std::floor(Random() * 3.0f + 1.0f)) : 0; stones > 0;
             --stones) {
            GaveUp = !ComputerHasAPoint();
            if (GaveUp)
                break;
            do
                p = {int(std::floor(double(Random()) * Cols + 1)),
                     int(std::floor(double(Random()) * Rows + 1))};
            while (!ComputerMayPlay(p));
            Settle(p, White);
            RestoreDots();
        }
        WhiteToMove = WhiteToMove && !Computer;
        Beeps += Computer;
    }

    bool OnBoard(Intersection p) const
    {
        return p.Col >= 1 && p.Col <= Cols && p.Row >= 1 && p.Row <= Rows;
    }
    bool Visible(Intersection p) const
    {
        return OnBoard(p) && p.Col <= WindowCols && p.Row <= WindowRows;
    }
    std::size_t Index(Intersection p) const { return std::size_t(p.Col - 1) * Rows + p.Row - 1; }
    Point& At(Intersection p) { return Points[Index(p)]; }
    // Whether a star point's dot is drawn.
    bool DotShown(Intersection p)
    {
        return Cols == 19 && Rows == 19 && p.Col % 6 == 4 && p.Row % 6 == 4 && Dots[Index(p)];
    }

    // The board drawn fresh: the grid in device pixels, then the star
    // dots shown and the stones in board units, on the background that the
    // margin shows (the game's probes hold its colour to the test's own).
    QImage Drawn(const Surface& board)
    {
        QImage image(board.Image().size(), QImage::Format_RGB32);
        image.fill(board.Image().pixel(0, 0));
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        const double unitX = image.width() / board.ScaleWidth();
        const double unitY = image.height() / board.ScaleHeight();
        const auto paintIn = [&](Qt::GlobalColor color) {
            QPen pen(color, GridPenWidth * board.DevicePixelRatio());
            pen.setCosmetic(true);
            painter.setPen(pen);
            painter.setBrush(color);
        };
        paintIn(Qt::black);
        for (int c = 1; c <= Cols; ++c)
            painter.drawLine(QPointF(c * unitX, unitY), QPointF(c * unitX, Rows * unitY));
        for (int r = 1; r <= Rows; ++r)
            painter.drawLine(QPointF(unitX, r * unitY), QPointF(Cols * unitX, r * unitY));
        painter.scale(unitX, unitY);
        const double dot = StarPointRadius * std::min(unitX, unitY);
        for (int c = 1; c <= Cols; ++c) {
            for (int r = 1; r <= Rows && Visible({c, r}); ++r) {
                paintIn(At({c, r}) == White ? Qt::white : Qt::black);
                if (At({c, r}) != Empty)
                    painter.drawEllipse(QPointF(c, r), StoneRadius, StoneRadius);
                else if (DotShown({c, r}))
                    painter.drawEllipse(QPointF(c, r), dot / unitX, dot / unitY);
            }
        }
        return image;
    }

    int WindowCols = 0;
    int WindowRows = 0;
    // The computer's numbers.
    std::function<float()> Random;
    int Cols = 0;
    int Rows = 0;
    bool Computer = false;
    std::vector<Point> Points{};
    std::vector<char> Dots{};
    bool WhiteToMove = false;
    int Beeps = 0;
    // A yield a pass of every group search, and the last group listed.
    int Yields = 0;
    ScannedGroup LastGroup{};
    // The computer found no point for a stone: how many numbers the game
    // drew before it saw that is its own affair.
    bool GaveUp = false;

private:
    bool Playable(Intersection p) { return Visible(p) && At(p) == Empty; }
    static std::array<Intersection, 4> Neighbours(Intersection p)
    {
        return {{{p.Col - 1, p.Row}, {p.Col + 1, p.Row}, {p.Col, p.Row - 1}, {p.Col, p.Row + 1}}};
    }

    // Lists the group of the colour that holds the start; without a liberty
    // it goes, whole or the start point alone, and false.
    bool TestGroup(Intersection start, Point colour, bool alone)
    {
        LastGroup = ScanningGroupSearch(Cols, Rows, start, [&](int c, int r) {
            return Visible({c, r}) && At({c, r}) == colour;
        });
        Yields += LastGroup.Passes;
        for (std::size_t i = 0; i < LastGroup.Xs.size(); ++i)
            for (const Intersection n : Neighbours({LastGroup.Xs[i], LastGroup.Ys[i]}))
                if (Playable(n))
                    return true;
        for (std::size_t i = 0; i < (alone ? 1 : LastGroup.Xs.size()); ++i) {
            const std::size_t cleared = Index({LastGroup.Xs[i], LastGroup.Ys[i]});
            Points[cleared] = Empty;
            Dots[cleared] = false;
        }
        return false;
    }

    // The other colour's groups that a new stone leaves without a liberty
    // go, then the stone itself if its own group has none: false then.
    bool Settle(Intersection p, Point stone)
    {
        At(p) = stone;
        const Point other = stone == Black ? White : Black;
        // Exactly on its crossing an empty point shows the grid's black.
        for (const Intersection n : Neighbours(p))
            if (Visible(n) && (At(n) == other || (other == Black && At(n) == Empty)))
                TestGroup(n, other, false);
        return TestGroup(p, stone, true);
    }
    void RestoreDots()
    {
        for (std::size_t i = 0; i < Points.size(); ++i)
            Dots[i] = Dots[i] || Points[i] == Empty;
    }

    // Empty, and not ringed by white stones and the edge.
    bool ComputerMayPlay(Intersection p)
    {
        for (const Intersection n : Neighbours(p))
            if (OnBoard(n) && !(Visible(n) && At(n) == White))
                return Playable(p);
        return false;
    }
    bool ComputerHasAPoint()
    {
        for (int c = 1; c <= Cols; ++c)
            for (int r = 1; r <= Rows; ++r)
                if (ComputerMayPlay({c, r}))
                    return true;
        return false;
    }
};
