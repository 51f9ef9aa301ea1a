#include "GroupSearch.h"

#include "platform/Platform.h"
#include "window/Game.h"

void Game::TestGroup(int column, int row, Color color)
{
    Board.SetPenColor(Board.BackColor());
    const GroupFound found =
        ListGroup(Board, State.BoardCols, State.BoardRows, {column, row}, color, State.GroupX,
                  State.GroupY, [this] { YieldToEvents(); });
    if (!found.Liberty)
        RemoveGroup();
}

void Game::YieldToEvents()
{
    Desktop.YieldToEvents();
    if (abandoned)
        throw TurnAbandoned{};
}
