#include "Geometry.h"

#include "window/Game.h"

// Every star point without a stone gets its dot again: drawn over a dot
// still there, it changes no pixel. A probe beside the dot, 0.08 of a step
// off, cannot tell where a dot was painted over: in a window of 42 columns
// or more (50 at pixel ratio 1.5, 53 at 2) it falls on the grid line, and
// the dot never came back.
void Game::RedrawStarPoints()
{
    for (const Intersection& star : StarPoints) {
        if (ProbeColorAt(Board, star.Col, star.Row) == Board.BackColor()) {
            SetBoardPen();
            Board.DrawRoundDot(star.Col, star.Row, StarPointRadius);
        }
    }
}
