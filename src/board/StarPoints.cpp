#include "Geometry.h"

#include "window/Game.h"

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
