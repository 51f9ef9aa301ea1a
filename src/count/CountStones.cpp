#include "board/Geometry.h"
#include "platform/Platform.h"
#include "window/Game.h"

void Game::CountStones()
{
    long long black = 0;
    long long white = 0;
    for (int column = 1; column <= State.BoardCols; ++column) {
        for (int row = 1; row <= State.BoardRows; ++row) {
            const Color stone = ProbeColorAt(Board, column, row);
            black += stone == Black;
            white += stone == White;
        }
    }
    Desktop.MsgBox(QStringLiteral("黑子") + QString::number(black) + QStringLiteral("  白子")
                   + QString::number(white));
}
