#include "GroupSearch.h"

#include "window/Game.h"

void Game::TestGroup(int column, int row, Color color)
{
    Board.SetPenColor(Board.BackColor());
    ListGroup(Board, State.BoardCols, State.BoardRows, {column, row}, color, State.GroupX,
              State.GroupY, [this] { YieldToEvents(); });

    // A neighbour beyond the edge is never a liberty, whatever it shows.
    const Color empty = Board.BackColor();
    for (std::size_t i = 0; i < State.GroupX.size(); ++i) {
        const int x = State.GroupX[i];
        const int y = State.GroupY[i];
        if ((x != State.BoardCols && ProbeColorAt(Board, x + 1, y) == empty)
            || (x != 1 && ProbeColorAt(Board, x - 1, y) == empty)
            || (y != State.BoardRows && ProbeColorAt(Board, x, y + 1) == empty)
            || (y != 1 && ProbeColorAt(Board, x, y - 1) == empty))
            return;
    }
    RemoveGroup();
}
