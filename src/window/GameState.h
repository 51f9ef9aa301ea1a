#pragma once

#include "platform/Color.h"

#include <QString>

#include <cstdint>
#include <vector>

// The fields through which the game's operations share their data. The
// board itself is not here: it is the drawing.
struct GameState
{
    bool WhiteToMove = false;
    // The window's grid until the first game, then the board's.
    int BoardCols = 0;
    int BoardRows = 0;
    int MovePlaced = 0;
    // The mode answer as typed; 1 means the game against the computer.
    QString GameMode;
    // 0: dead groups go whole; 1: a new stone's own group is under test;
    // 2: that test took the stone back.
    int CaptureState = 0;
    // The last accepted size answer, offered by the next board-size prompt.
    QString SizeAnswer;
    int ComputerBusy = 0;
    Color ProbeColor = NoColor;
    // The group under test, start point first, in joining order.
    std::vector<std::int16_t> GroupX;
    std::vector<std::int16_t> GroupY;
    Color CaptureColor = NoColor;
};
