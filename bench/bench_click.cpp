#include "BoardBench.h"
#include "window/VorOdAra.h"

#include <QMouseEvent>

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <utility>

// One click on the real window, shown: the move, the computer's answer and
// the board's paint.

namespace {

// Counts the paints of a widget.
class PaintCounter : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        Paints += event->type() == QEvent::Paint;
        return false;
    }

    int Paints = 0;
};

// The real window shown on the offscreen platform, against the computer,
// with a board drawn to a picture. After each click the points that
// changed are taken off and put back through the game's own drawing,
// which gives the very image again.
class ShownGame
{
public:
    ShownGame(int side, Picture picture) : picture(std::move(picture)), window(desktop)
    {
        desktop.Answers = {SizeAnswer(side, side), SizeAnswer(side, side), QStringLiteral("1")};
        if (!window.Load())
            qFatal("the window did not open");
        window.centralWidget()->installEventFilter(&paints);
        Game& game = window.Play();
        for (int c = 1; c <= side; ++c)
            for (int r = 1; r <= side; ++r)
                if (this->picture(c, r) != Empty)
                    Put(c, r);
        game.State.WhiteToMove = false;
        state = game.State;
        QCoreApplication::processEvents();
        // A copy of its own: the board's image shared with it would be
        // copied whole at the next drawing.
        image = window.Board().Image().copy();
        stonesDrawn = ::StonesOn(window.Board(), state);
    }

    // One release at the point, the turn it starts and the board view
    // painted, timed; the board is put back first.
    void Click(benchmark::State& timer, std::deque<float> randoms, Intersection at)
    {
        Restore(std::move(randoms));
        QWidget* view = window.centralWidget();
        const Surface& board = window.Board();
        const QPointF position(at.Col * view->width() / board.ScaleWidth(),
                               at.Row * view->height() / board.ScaleHeight());
        paints.Paints = 0;
        const auto begin = Clock::now();
        QMouseEvent release(QEvent::MouseButtonRelease, position, view->mapToGlobal(position),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view, &release);
        // The paint the window system asks for next.
        QCoreApplication::processEvents();
        const double seconds = Seconds(Clock::now() - begin);
        timer.SetIterationTime(seconds);
        if (first == 0)
            first = seconds;
    }

    int Paints() const { return paints.Paints; }
    int Yields() const { return desktop.Yields; }
    int Beeps() const { return desktop.Beeps; }
    // The first click of all: every shape the removal draws is new to the
    // surface then.
    double FirstSeconds() const { return first; }
    int StonesDrawn() const { return stonesDrawn; }
    int StonesOn() const { return ::StonesOn(window.Board(), state); }

private:
    void Put(int c, int r)
    {
        Game& game = window.Play();
        game.State.WhiteToMove = picture(c, r) == White;
        game.PlaceStone(c, r);
    }

    void Restore(std::deque<float> randoms)
    {
        Game& game = window.Play();
        const Surface& board = window.Board();
        GameState& now = game.State;
        now.GroupX.clear();
        now.GroupY.clear();
        for (int c = 1; c <= state.BoardCols; ++c) {
            for (int r = 1; r <= state.BoardRows; ++r) {
                const Color shown = ProbeColorAt(board, c, r);
                if (shown != picture(c, r) && shown != Empty) {
                    now.GroupX.push_back(std::int16_t(c));
                    now.GroupY.push_back(std::int16_t(r));
                }
            }
        }
        now.CaptureState = 0;
        if (!now.GroupX.empty())
            game.RemoveGroup();
        for (int c = 1; c <= state.BoardCols; ++c)
            for (int r = 1; r <= state.BoardRows; ++r)
                if (ProbeColorAt(board, c, r) != picture(c, r))
                    Put(c, r);
        now = state;
        desktop = BenchPlatform();
        desktop.Randoms = std::move(randoms);
        desktop.OnYield = DesktopYield();
        QCoreApplication::processEvents();
        if (board.Image() != image)
            qFatal("the board was not put back as it was drawn");
    }

    Picture picture;
    BenchPlatform desktop;
    VorOdAra window;
    PaintCounter paints;
    GameState state;
    QImage image;
    int stonesDrawn = 0;
    double first = 0;
};

// One click against the computer on the shown window: black captures a
// white serpentine between black walls at its end in the bottom right
// corner, then the computer answers with three stones.
void RegisterClick(int side)
{
    const Intersection corner{side, side};
    const auto shown = std::make_shared<ShownGame>(side, SnakeBlackCaptures(side));
    const std::string name = "Click/captures snake, computer answers " + Dimensions(side, side);
    Repeated(benchmark::RegisterBenchmark(name.c_str(), [shown, corner](benchmark::State& timer) {
        for (auto _ : timer)
            shown->Click(timer, {ThreeStones}, corner);
        timer.counters["paints"] = shown->Paints();
        timer.counters["yields"] = shown->Yields();
        timer.counters["beeps"] = shown->Beeps();
        timer.counters["stones before"] = shown->StonesDrawn();
        timer.counters["stones after"] = shown->StonesOn();
        timer.counters["first click ms"] = shown->FirstSeconds() * 1e3;
    }))->UseManualTime()->Iterations(20);
}

// The first stone on a new board, against the computer: a new window for
// every click, whose surface has met no shape but the grid's lines.
void RegisterFirstStone(int side)
{
    const Intersection centre{(side + 1) / 2, (side + 1) / 2};
    const std::string name = "Click/first stone on a new board " + Dimensions(side, side);
    Repeated(benchmark::RegisterBenchmark(name.c_str(), [side, centre](benchmark::State& timer) {
        for (auto _ : timer) {
            ShownGame fresh(side, [](int, int) { return Empty; });
            fresh.Click(timer, {ThreeStones}, centre);
        }
    }))->UseManualTime()->Iterations(5);
}

} // namespace

int main(int argc, char** argv)
{
    return RunOffscreen(argc, argv, [] {
        RegisterClick(99);
        RegisterFirstStone(99);
    });
}
