#include "Game.h"

#include "platform/Platform.h"

Game::Game(Surface& board, Platform& desktop) : Board(board), Desktop(desktop) {}

void Game::YieldToEvents()
{
    Desktop.YieldToEvents();
    if (abandoned)
        throw TurnAbandoned{};
}
