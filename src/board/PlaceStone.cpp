#include "Geometry.h"

#include "window/Game.h"

void Game::PlaceStone(int column, int row)
{
    State.ProbeColor = ProbeColorAt(Board, column, row);
    if (State.ProbeColor != Board.BackColor())
        return;
    if (!OnBoard({column, row}, State.BoardCols, State.BoardRows))
        return;
    // The turn passes before the stone is drawn.
    State.WhiteToMove = !State.WhiteToMove;
    State.MovePlaced = 1;
    const Color stone = State.JustPlacedColor();
    Board.SetFillColor(stone);
    Board.SetPenColor(stone);
    Board.DrawCircle(column, row, StoneRadius);
}
