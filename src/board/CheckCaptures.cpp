#include "Geometry.h"

#include "window/Game.h"

void Game::CheckCaptures(int column, int row)
{
    State.CaptureColor = State.ColorToCapture();
    // Each neighbour is read after the tests before it may have cleared it.
    // An empty crossing shows the grid's black, so a black test can start
    // from an empty point.
    for (const Intersection step : LeftRightUpDown) {
        const Intersection neighbour = Intersection{column, row} + step;
        if (CrossingColorAt(Board, neighbour.Col, neighbour.Row) == State.CaptureColor)
            TestGroup(neighbour.Col, neighbour.Row, State.CaptureColor);
    }
}

// Takes off the other colour's groups that the new stone left without a
// liberty, then the new stone itself if its own group has none.
void Game::SettleStone(int column, int row)
{
    CheckCaptures(column, row);
    State.CaptureState = Capture::OwnGroup;
    TestGroup(column, row, State.JustPlacedColor());
}
