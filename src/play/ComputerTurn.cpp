#include "board/Geometry.h"
#include "platform/Platform.h"
#include "window/Game.h"

#include <algorithm>
#include <cmath>

namespace {

// Failed draws after which the computer looks whether any point is left.
constexpr int AttemptsBeforeLooking = 1024;

} // namespace

void Game::ComputerTurn()
{
    State.ComputerBusy = 1;
    const float stones = std::floor(Desktop.Rnd() * 3.0f + 1.0f);
    for (int i = 1; i <= stones; ++i) {
        State.MovePlaced = 0;
        State.CaptureState = Capture::WholeGroups;
        int column = 0;
        int row = 0;
        if (!PlaceComputerStone(column, row)) {
            // No point left to play: this stone is skipped.
            State.WhiteToMove = false;
            continue;
        }
        // A stone taken back still counts.
        SettleStone(column, row);
        if (Is19By19())
            RedrawStarPoints();
        if (i < stones)
            State.WhiteToMove = !State.WhiteToMove;
    }
    Desktop.Beep();
    State.ComputerBusy = 0;
}

// Draws random points until one is empty and not ringed by white; false
// when the board has no such point.
bool Game::PlaceComputerStone(int& column, int& row)
{
    bool looked = false;
    for (int attempt = 1;; ++attempt) {
        column = int(std::floor(double(Desktop.Rnd()) * State.BoardCols + 1));
        row = int(std::floor(double(Desktop.Rnd()) * State.BoardRows + 1));
        State.WhiteToMove = true;
        if (ComputerCanPlayAt(column, row)) {
            PlaceStone(column, row);
            if (State.MovePlaced == 1)
                return true;
        }
        if (attempt % AttemptsBeforeLooking == 0 && !looked) {
            if (!ComputerHasAnyPoint())
                return false;
            looked = true;
        }
    }
}

// The neighbour test: read on the crossings, where only a white stone
// shows white; a neighbour off the board counts as white. On a full board
// thousands of points are drawn before one passes, so the reading stops at
// the first neighbour that is not white.
bool Game::ComputerCanPlayAt(int column, int row) const
{
    return std::ranges::any_of(LeftUpRightDown, [&](Intersection step) {
        const Intersection neighbour = Intersection{column, row} + step;
        return OnBoard(neighbour, State.BoardCols, State.BoardRows)
               && CrossingColorAt(Board, neighbour.Col, neighbour.Row) != White;
    });
}

// On a full board only the empty points are worth the neighbour test: one
// read a point instead of up to four, about a fifth off the computer's
// answer on a 99 by 99 board full but for one point.
bool Game::ComputerHasAnyPoint() const
{
    for (int column = 1; column <= State.BoardCols; ++column)
        for (int row = 1; row <= State.BoardRows; ++row)
            if (ProbeColorAt(Board, column, row) == Board.BackColor()
                && ComputerCanPlayAt(column, row))
                return true;
    return false;
}
