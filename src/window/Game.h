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
// is the drawing on the surface; none of them returns a result. After the
// constructor they are grouped by the file that defines them, in the order
// a game meets them.
class Game
{
public:
    Game(Surface& board, Platform& desktop);

    // The program is ending: a turn in progress stops at its next yield.
    void Abandon() { abandoned = true; }

    GameState State;

    // window/StartUp.cpp
    // Start-up: asks how many grid steps the drawing area spans and sets
    // its scale. False when the prompt was cancelled.
    bool AskWindowSize();

    // board/NewGame.cpp
    void NewGame();
private:
    GridSize AskBoardSize();
    void SetBoardPen();
    void DrawGrid();
    bool Is19By19() const;
    void DrawStarPoints();

    // board/StarPoints.cpp
public:
    void RedrawStarPoints();

    // board/PlaceStone.cpp
    void PlaceStone(int column, int row);

    // board/CheckCaptures.cpp
    void CheckCaptures(int column, int row);
private:
    void SettleStone(int column, int row);

    // board/TestGroup.cpp
public:
    void TestGroup(int column, int row, Color color);
private:
    void YieldToEvents();

    // board/RemoveGroup.cpp
public:
    void RemoveGroup();
    void ClearPoint(int x, int y);

    // play/TurnCycle.cpp
    // A mouse-button release at a point in board units: one turn.
    void MouseRelease(float x, float y);
private:
    bool AgainstComputer() const;

    // play/ComputerTurn.cpp
public:
    void ComputerTurn();
private:
    bool PlaceComputerStone(int& column, int& row);
    bool ComputerCanPlayAt(int column, int row) const;
    bool ComputerHasAnyPoint() const;

    // count/CountStones.cpp
public:
    void CountStones();

private:
    Surface& Board;
    Platform& Desktop;
    bool abandoned = false;
};
