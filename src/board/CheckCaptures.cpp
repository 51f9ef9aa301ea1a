#include "Geometry.h"

#include "window/Game.h"

namespace {

// Left, right, above, below.
constexpr std::array<Intersection, 4> NeighbourSteps{{{-1, 0}, {1, 0}, {0, -1}, {0, 1}}};

} // namespace

void Game::CheckCaptures(int column, int row)
{
    State.CaptureColor = State.ColorToCapture();
    // Each neighbour is read after the tests before it may have cleared it.
    // An empty crossing shows the grid's black, so a black test can start
    // from an empty point.
    for (const Intersection& step : NeighbourSteps) {
        const int x = column + step.Col;
        const int y = row + step.Row;
        if (CrossingColorAt(Board, x, y) == State.CaptureColor)
            TestGroup(x, y, State.CaptureColor);
    }
}
