#pragma once

#include "platform/Color.h"

#include <QString>

#include <cstdint>
#include <vector>

// CaptureState's values: the group test's mode, and its answer.
namespace Capture {
// Dead groups go whole.
constexpr int WholeGroups = 0;
// A new stone's own group is under test: if it is dead, that stone alone goes.
constexpr int OwnGroup = 1;
// That test took the stone back: the move is refused.
constexpr int StoneTakenBack = 2;
} // namespace Capture

// The fields through which the game's operations share their data. The
// board itself is not here: it is the drawing.
struct GameState
{
    // Once a stone is down, WhiteToMove names the side to move next.
    Color JustPlacedColor() const { return WhiteToMove ? Black : White; }
    Color ColorToCapture() const { return WhiteToMove ? White : Black; }

    bool WhiteToMove = false;
    // The window's grid until the first game, then the board's.
    int BoardCols = 0;
    int BoardRows = 0;
    int MovePlaced = 0;
    // The mode answer as typed; 1 means the game against the computer.
    QString GameMode;
    // One of Capture's values.
    int CaptureState = Capture::WholeGroups;
    // The last accepted size answer, offered by the next board-size prompt.
    QString SizeAnswer;
    int ComputerBusy = 0;
    Color ProbeColor = NoColor;
    // The group under test, start point first, in joining order.
    std::vector<std::int16_t> GroupX;
    std::vector<std::int16_t> GroupY;
    Color CaptureColor = NoColor;
};
