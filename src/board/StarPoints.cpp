#include "Geometry.h"

#include "window/Game.h"

// Only the board of exactly 19 by 19 has star points.
bool Game::Is19By19() const { return State.BoardCols == 19 && State.BoardRows == 19; }

void Game::DrawStarPoints()
{
    for (const Intersection& star : StarPoints)
        Board.DrawRoundDot(star.Col, star.Row, StarPointRadius);
}

void Game::RedrawStarPoints()
{
    for (const Intersection& star : StarPoints) {
        const Color under = Board.ColorAt(star.Col + StarProbeOffset, star.Row + StarProbeOffset);
        if (under == Board.BackColor()) {
            SetBoardPen();
            Board.DrawRoundDot(star.Col, star.Row, StarPointRadius);
        }
    }
}
