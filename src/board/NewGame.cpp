#include "Geometry.h"

#include "platform/Platform.h"
#include "window/Game.h"

#include <cstdint>

namespace {

const QString BoardSizePrompt = QStringLiteral("输入棋盘横纵宽度（各两位数）") + QChar(13)
                                + QStringLiteral("如0810表示横向8格纵向10格");
const QString BoardSizeTitle = QStringLiteral("Varnek围棋1.0，棋盘可以任意大小，但要小于窗口大小");
const QString ModePrompt = QStringLiteral("与Varnek电脑下输入1，电脑每次可下1-3子") + QChar(10)
                           + QStringLiteral("输入其他为双人对局");
const QString ModeTitle = QStringLiteral("Varnek围棋1.0，棋盘可以任意大小");

// The grid's column loop counts in 16 bits.
constexpr int MinBoardCols = -32768;
constexpr int MaxBoardCols = 32766;

} // namespace

void Game::NewGame()
{
    Board.Clear();
    State.WhiteToMove = false;
    SetBoardPen();
    const GridSize size = AskBoardSize();
    State.GameMode = Desktop.InputBox(ModePrompt, ModeTitle, QString()).value_or(QString());
    State.BoardCols = size.Cols;
    State.BoardRows = size.Rows;
    DrawGrid();
    if (Is19By19())
        DrawStarPoints();
}

GridSize Game::AskBoardSize()
{
    for (;;) {
        const QString answer =
            Desktop.InputBox(BoardSizePrompt, BoardSizeTitle, State.SizeAnswer).value_or(QString());
        const std::optional<GridSize> size = GridSizeFromAnswer(answer);
        if (size && size->Cols >= MinBoardCols && size->Cols <= MaxBoardCols) {
            State.SizeAnswer = answer;
            return *size;
        }
    }
}

void Game::SetBoardPen()
{
    Board.SetPenWidth(GridPenWidth);
    Board.SetPenColor(Black);
    Board.SetFillColor(Black);
}

void Game::DrawGrid()
{
    const std::int16_t columns = std::int16_t(State.BoardCols);
    for (std::int16_t i = 1; i <= columns; ++i)
        Board.DrawLine(i, 1, i, float(State.BoardRows));
    const std::int16_t rows = std::int16_t(State.BoardRows);
    for (std::int16_t j = 1; j <= rows; ++j)
        Board.DrawLine(1, j, float(State.BoardCols), j);
}

// Only the board of exactly 19 by 19 has star points.
bool Game::Is19By19() const { return State.BoardCols == 19 && State.BoardRows == 19; }

void Game::DrawStarPoints()
{
    for (const Intersection& star : StarPoints)
        Board.DrawRoundDot(star.Col, star.Row, StarPointRadius);
}
