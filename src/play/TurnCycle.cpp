#include "platform/LooseNumber.h"
#include "window/Game.h"

#include <cmath>

bool Game::AgainstComputer() const { return ToNumber(State.GameMode) == 1.0; }

void Game::MouseRelease(float x, float y)
{
    if (State.ComputerBusy == 1)
        return;
    State.MovePlaced = 0;
    State.CaptureState = Capture::WholeGroups;
    if (AgainstComputer())
        State.WhiteToMove = false;
    // Halfway goes to the even neighbour.
    const int column = int(std::nearbyint(x));
    const int row = int(std::nearbyint(y));
    PlaceStone(column, row);
    if (State.MovePlaced == 0)
        return;
    SettleStone(column, row);
    if (State.CaptureState == Capture::StoneTakenBack) {
        // Refused: the stone is gone again and the same side moves.
        State.WhiteToMove = !State.WhiteToMove;
        return;
    }
    if (Is19By19())
        RedrawStarPoints();
    if (AgainstComputer())
        ComputerTurn();
}
