#include "Game.h"

Game::Game(Surface& board, Platform& desktop) : Board(board), Desktop(desktop) {}
