#include "PlayedWindow.h"

#include <QDir>

#include <array>

// Answers, one a line, at the window's size prompt and then at the board's:
// nothing crashes or hangs, a refused answer is asked again, and nothing is
// drawn but the grid of the answer taken. Without libFuzzer the seeds are
// replayed and known answers held to what they make.
namespace {

void Require(bool holds, const QString& what)
{
    if (!holds)
        qFatal("broken: %s", qPrintable(what));
}

// The window's columns and rows and the board's that the answers make; the
// prompts take 0909 after them.
std::array<int, 4> Ask(const QStringList& answers)
{
    // One drawing area for every run: a new one would cost more than the
    // run. It paints each shape itself: recording every new scale's grid as
    // stamps would take most of the run, and the stamps are the game test's.
    static Surface board(DrawingArea, Background, 1, 0);
    ScriptedPlatform desktop;
    Game game(board, desktop);
    desktop.Answers.assign(answers.begin(), answers.end());
    desktop.Answers.push_back("0909");
    Require(game.AskWindowSize(), "no window size taken");
    desktop.Answers.assign(answers.begin(), answers.end());
    desktop.Answers.insert(desktop.Answers.end(), {"0909", "2"});
    int drawings = 0;
    board.Changed = [&] { ++drawings; };
    game.NewGame();
    board.Changed = [] {};
    const int cols = game.State.BoardCols;
    const int rows = game.State.BoardRows;
    // The clearing, a line a column and a row, and nine star points on 19 by 19.
    Require(drawings == 1 + std::max(cols, 0) + std::max(rows, 0) + 9 * (cols == 19 && rows == 19),
            "drawn other than the grid taken");
    return {int(board.ScaleWidth()) - 1, int(board.ScaleHeight()) - 1, cols, rows};
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
    Ask(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)).split(u'\n'));
    return 0;
}

#ifndef VORODARA_LIBFUZZER
const std::pair<QString, std::array<int, 4>> KnownAnswers[] = {
    {"7", {0, 7, 0, 7}},
    // A part of 0 is taken: one unit of scale on its axis, no lines of its own.
    {"0", {0, 0, 0, 0}},
    {"1900", {19, 0, 19, 0}},
    {"0019", {0, 19, 0, 19}},
    {"0100", {1, 0, 1, 0}},
    // Columns round down, rows to the nearer whole number, halfway to even.
    {"1919.5", {19, 20, 19, 20}},
    {" +1918.5E0\t", {19, 18, 19, 18}},
    {"-0.3", {9, 9, -1, 0}},
    // The finest grid the window still reads right.
    {"10599", {105, 99, 105, 99}},
    {"10600", {9, 9, 106, 0}},
    // The grid's column loop counts in 16 bits.
    {"3276699", {9, 9, 32766, 99}},
    {"-3276800", {9, 9, -32768, 0}},
    {"3276700", {9, 9, 9, 9}},
    {"1e", {9, 9, 9, 9}},
};

int main(int argc, char* argv[])
{
    LLVMFuzzerInitialize(&argc, &argv);
    for (const QFileInfo& seed : QDir(argv[1]).entryInfoList(QDir::Files)) {
        QFile file(seed.filePath());
        file.open(QIODevice::ReadOnly);
        Ask(QString::fromUtf8(file.readAll()).split(u'\n'));
    }
    for (const auto& [answer, made] : KnownAnswers)
        Require(Ask({answer}) == made, "what " + answer + " made");
}
#endif
