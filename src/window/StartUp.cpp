#include "Game.h"

#include "platform/Platform.h"
#include "platform/drawing/Surface.h"

namespace {

const QString WindowSizePrompt = QStringLiteral("输入窗口横纵宽度（各两位数）") + QChar(13)
                                 + QStringLiteral("如1919表示横向19格纵向19格");
const QString WindowSizeTitle = QStringLiteral("Varnek围棋1.0，窗口可以任意大小");
const QString WindowSizeDefault = QStringLiteral("1919");
// Finer than this, in pixels of the window, the point that tells a stone
// from an empty intersection falls on the grid line: the board would
// misread itself. Measured: 7.49 pixels (105 columns) reads right, 7.42
// (106 columns) does not.
constexpr double MinGridStep = 7.45;

// Whether both grid steps of a window of this grid leave the board legible.
bool Legible(const Surface& board, const GridSize& size)
{
    const QSize area = board.LayoutSize();
    return area.width() / (size.Cols + 1.0) >= MinGridStep
           && area.height() / (size.Rows + 1.0) >= MinGridStep;
}

} // namespace

bool Game::AskWindowSize()
{
    for (;;) {
        const std::optional<QString> answer =
            Desktop.InputBox(WindowSizePrompt, WindowSizeTitle, WindowSizeDefault);
        if (!answer)
            return false;
        const std::optional<GridSize> size = GridSizeFromAnswer(*answer);
        // A negative part would give the drawing area a scale of 0 or less.
        if (size && size->Cols >= 0 && size->Rows >= 0 && Legible(Board, *size)) {
            State.SizeAnswer = *answer;
            State.BoardCols = size->Cols;
            State.BoardRows = size->Rows;
            Board.SetScale(float(State.BoardCols + 1), float(State.BoardRows + 1));
            return true;
        }
    }
}
