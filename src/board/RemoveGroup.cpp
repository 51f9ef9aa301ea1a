#include "Geometry.h"

#include "window/Game.h"

#include <utility>

namespace {

// The part of a grid line within half a step of the point `at`; the line
// ends at the first and the last point, where only the inward half is drawn.
// The first-point rule wins on a line of one point.
std::pair<float, float> Arm(int at, int last)
{
    const float point = float(at);
    if (at == 1)
        return {point, point + ArmLength};
    if (at == last)
        return {point - ArmLength, point};
    return {point - ArmLength, point + ArmLength};
}

} // namespace

void Game::RemoveGroup()
{
    Board.SetFillColor(Board.BackColor());
    if (State.CaptureState == Capture::OwnGroup) {
        State.CaptureState = Capture::StoneTakenBack;
        ClearPoint(State.GroupX[0], State.GroupY[0]);
        return;
    }
    for (std::size_t i = 0; i < State.GroupX.size(); ++i)
        ClearPoint(State.GroupX[i], State.GroupY[i]);
}

// Paints the stone over and draws back the grid it covered.
void Game::ClearPoint(int x, int y)
{
    Board.SetPenColor(Board.BackColor());
    Board.DrawCircle(x, y, StoneRadius);
    Board.SetPenColor(Black);
    const auto [left, right] = Arm(x, State.BoardCols);
    Board.DrawLine(left, y, right, y);
    const auto [top, bottom] = Arm(y, State.BoardRows);
    Board.DrawLine(x, top, x, bottom);
}
