#include "ScriptedPlatform.h"
#include "platform/LooseNumber.h"
#include "platform/Surface.h"
#include "window/Game.h"
#include "window/SizeAnswer.h"

#include <QGuiApplication>
#include <QStringList>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Arbitrary answers, one a line, for the conversions and both size
// prompts: nothing may crash or hang, a refused answer is asked again,
// and no grid is drawn but that of the answer taken.
namespace {

constexpr Color Background = Rgb(192, 192, 255);
const QSize DrawingArea(794, 748);
// Taken by both prompts, so every run ends.
const QString SoundAnswer = QStringLiteral("0303");
const QString ModeAnswer = QStringLiteral("2");
constexpr int StarPointCount = 9;

void Require(bool holds, const char* what)
{
    if (holds)
        return;
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
}

// One drawing area for every run: a new image each run would cost more
// than the run. Each prompt sets all the area's state that it reads.
Surface& Board()
{
    static Surface board(DrawingArea, Background);
    return board;
}

// The answer that a prompt asked `asked` times has taken.
QString Taken(const QStringList& answers, std::size_t asked)
{
    return asked <= std::size_t(answers.size()) ? answers[qsizetype(asked - 1)] : SoundAnswer;
}

void Conversions(const QString& answer)
{
    const std::optional<double> number = ToNumber(answer);
    const std::optional<GridSize> size = GridSizeFromAnswer(answer);
    Require(number || !size, "a size from text that is no number");
    if (size) {
        Require(std::isfinite(*number), "a size from a number beyond doubles");
        Require(size->Rows > -100 && size->Rows < 100, "rows beyond two digits");
    }
}

void WindowSizePrompt(const QStringList& answers)
{
    ScriptedPlatform desktop;
    for (const QString& answer : answers)
        desktop.Answers.push_back(answer);
    desktop.Answers.push_back(SoundAnswer);
    Surface& board = Board();
    board.Changed = [] {};
    Game game(board, desktop);
    Require(game.AskWindowSize(), "the window-size prompt gave up");
    const GameState& state = game.State;
    Require(state.SizeAnswer == Taken(answers, desktop.Prompts.size()),
            "the window took another answer than the last one asked");
    Require(state.BoardCols >= 0 && state.BoardRows >= 0, "a window of negative size");
    Require(board.ScaleWidth() == float(state.BoardCols + 1)
                && board.ScaleHeight() == float(state.BoardRows + 1),
            "a scale other than the answer's");
}

void BoardSizePrompt(const QStringList& answers)
{
    ScriptedPlatform desktop;
    Surface& board = Board();
    board.Changed = [] {};
    Game game(board, desktop);
    desktop.Answers = {QStringLiteral("1919")};
    game.AskWindowSize();
    for (const QString& answer : answers)
        desktop.Answers.push_back(answer);
    desktop.Answers.push_back(SoundAnswer);
    desktop.Answers.push_back(ModeAnswer);
    long long drawings = 0;
    board.Changed = [&] { ++drawings; };
    const std::size_t promptsBefore = desktop.Prompts.size();
    game.NewGame();
    board.Changed = [] {};
    const GameState& state = game.State;
    // Every prompt of the new game but the mode prompt asked the board size.
    const std::size_t boardPrompts = desktop.Prompts.size() - promptsBefore - 1;
    Require(state.SizeAnswer == Taken(answers, boardPrompts),
            "the board took another answer than the last one asked");
    // The clearing, one line a column and a row, and the star points.
    const bool starPoints = state.BoardCols == 19 && state.BoardRows == 19;
    const long long expected = 1 + std::max(state.BoardCols, 0) + std::max(state.BoardRows, 0)
                               + (starPoints ? StarPointCount : 0);
    Require(drawings == expected, "drawn more or less than the board taken");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QStringList answers =
        QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)).split(u'\n');
    for (const QString& answer : answers)
        Conversions(answer);
    WindowSizePrompt(answers);
    BoardSizePrompt(answers);
    return 0;
}
