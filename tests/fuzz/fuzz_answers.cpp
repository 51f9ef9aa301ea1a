#include "PlayedWindow.h"
#include "platform/LooseNumber.h"
#include "window/SizeAnswer.h"

#include <QDir>

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

// Answers, one a line, at both size prompts: whatever they are, nothing
// crashes or hangs, a refused answer is asked again, and nothing is drawn
// but the grid of the answer taken. Without libFuzzer the seeds are
// replayed, and known answers are held to what they must make.
namespace {

// Taken by both prompts after the answers, so every run ends.
const QString Sound = QStringLiteral("0909");

void Require(bool holds, const QString& what)
{
    if (holds)
        return;
    std::fprintf(stderr, "broken: %s\n", qPrintable(what));
    std::abort();
}

// What the window's prompt and then the board's made of the same answers.
struct Outcome
{
    std::size_t WindowAsked;
    QSizeF Scale;
    std::size_t BoardAsked;
    int Cols;
    int Rows;
    int Drawings;
};

Outcome Ask(const QStringList& answers)
{
    // One drawing area for every run: a new image would cost more than the run.
    static Surface board(DrawingArea, Background);
    ScriptedPlatform desktop;
    Game game(board, desktop);
    desktop.Answers.assign(answers.begin(), answers.end());
    desktop.Answers.push_back(Sound);
    Require(game.AskWindowSize(), "the window's prompt gave up");
    Outcome outcome{desktop.Prompts.size(), {board.ScaleWidth(), board.ScaleHeight()}, 0, 0, 0, 0};
    desktop.Prompts.clear();
    desktop.Answers.assign(answers.begin(), answers.end());
    desktop.Answers.push_back(Sound);
    desktop.Answers.push_back(QStringLiteral("2"));
    board.Changed = [&] { ++outcome.Drawings; };
    game.NewGame();
    board.Changed = [] {};
    outcome.BoardAsked = desktop.Prompts.size() - 1;
    outcome.Cols = game.State.BoardCols;
    outcome.Rows = game.State.BoardRows;
    // The answer taken is the last one asked.
    Require(game.State.SizeAnswer == answers.value(qsizetype(outcome.BoardAsked) - 1, Sound),
            "the board took another answer than the last one asked");
    const std::optional<GridSize> window =
        GridSizeFromAnswer(answers.value(qsizetype(outcome.WindowAsked) - 1, Sound));
    Require(window && outcome.Scale == QSizeF(window->Cols + 1, window->Rows + 1),
            "the window took another answer than the last one asked");
    return outcome;
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
    const Outcome outcome =
        Ask(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)).split(u'\n'));
    Require(outcome.Scale.width() >= 1 && outcome.Scale.height() >= 1, "a window without a grid");
    Require(outcome.Rows > -100 && outcome.Rows < 100, "rows beyond two digits");
    const int starPoints = outcome.Cols == 19 && outcome.Rows == 19 ? 9 : 0;
    Require(outcome.Drawings
                == 1 + std::max(outcome.Cols, 0) + std::max(outcome.Rows, 0) + starPoints,
            "drawn more or less than the clearing and the grid taken");
    return 0;
}

#ifndef VORODARA_LIBFUZZER
namespace {

constexpr int Refused = INT_MIN;

// An answer, the window's grid and the board's that it makes, or Refused.
struct Known
{
    const char* Text;
    int WindowCols;
    int WindowRows;
    int BoardCols;
    int BoardRows;
};

const Known KnownAnswers[] = {
    {"1919", 19, 19, 19, 19},
    {"0810", 8, 10, 8, 10},
    {"7", 0, 7, 0, 7},
    {"0", 0, 0, 0, 0},
    // Columns round down, rows round half to even.
    {"1919.5", 19, 20, 19, 20},
    {"1918.5", 19, 18, 19, 18},
    {" +25E-1\t", 0, 2, 0, 2},
    {".5", 0, 0, 0, 0},
    // The finest grid the window still reads right.
    {"10599", 105, 99, 105, 99},
    {"10600", Refused, Refused, 106, 0},
    {"-1234", Refused, Refused, -13, -34},
    {"-0.3", Refused, Refused, -1, 0},
    // The grid's column loop counts in 16 bits.
    {"3276699", Refused, Refused, 32766, 99},
    {"-3276800", Refused, Refused, -32768, 0},
    {"3276700", Refused, Refused, Refused, Refused},
    {"2147483648", Refused, Refused, Refused, Refused},
    {"1e400", Refused, Refused, Refused, Refused},
    {"", Refused, Refused, Refused, Refused},
    {"0x1919", Refused, Refused, Refused, Refused},
    {"1e", Refused, Refused, Refused, Refused},
    {"１９１９", Refused, Refused, Refused, Refused},
};

} // namespace

int main(int argc, char* argv[])
{
    LLVMFuzzerInitialize(&argc, &argv);
    int replayed = 0;
    for (const QFileInfo& seed : QDir(QString::fromLocal8Bit(argv[1])).entryInfoList(QDir::Files)) {
        QFile file(seed.filePath());
        Require(file.open(QIODevice::ReadOnly), "an unreadable seed");
        const QByteArray bytes = file.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                               std::size_t(bytes.size()));
        ++replayed;
    }
    for (const Known& known : KnownAnswers) {
        const Outcome outcome = Ask({QString::fromUtf8(known.Text)});
        const bool window = known.WindowCols != Refused;
        const bool board = known.BoardCols != Refused;
        Require(outcome.WindowAsked == (window ? 1u : 2u) && outcome.BoardAsked == (board ? 1u : 2u)
                    && outcome.Scale
                           == (window ? QSizeF(known.WindowCols + 1, known.WindowRows + 1)
                                      : QSizeF(10, 10))
                    && outcome.Cols == (board ? known.BoardCols : 9)
                    && outcome.Rows == (board ? known.BoardRows : 9),
                QStringLiteral("what the answer \"%1\" made").arg(known.Text));
        ++replayed;
    }
    std::printf("%d passed, 0 failed\n", replayed);
    return replayed > int(std::size(KnownAnswers)) ? 0 : 1;
}
#endif
