#pragma once

#include "GameState.h"
#include "SizeAnswer.h"
#include "platform/Color.h"

class Platform;
class Surface;

// Thrown at a yield once the program is ending, so a turn in progress
// draws nothing more.
struct TurnAbandoned
{
};

// The game's operations. They share the state record and the board, which
// is the drawing on the surface; none of them returns a result.
class Game
{
public:
    Game(Surface& board, Platform& desktop);

    // Start-up: asks how many grid steps the drawing area spans and sets
    // its scale. False when the prompt was cancelled.
    bool AskWindowSize();

    void NewGame();
    void RedrawStarPoints();
    void PlaceStone(int column, int row);
    void CheckCaptures(int column, int row);
    void TestGroup(int column, int row, Color color);
    void RemoveGroup();
    void ClearPoint(int x, int y);
    // A mouse-button release at a point in board units: one turn.
    void MouseRelease(float x, float y);
    void ComputerTurn();
    void CountStones();

    // The program is ending: a turn in progress stops at its next yield.
    void Abandon() { abandoned = true; }

    GameState State;

private:
    bool AgainstComputer() const;
    bool Is19By19() const;
    void SetBoardPen();
    void DrawGrid();
    void DrawStarPoints();
    GridSize AskBoardSize();
    void SettleStone(int column, int row);
    bool PlaceComputerStone(int& column, int& row);
    bool ComputerCanPlayAt(int column, int row) const;
    bool ComputerHasAnyPoint() const;
    void YieldToEvents();

    Surface& Board;
    Platform& Desktop;
    bool abandoned = false;
};
