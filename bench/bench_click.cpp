#include "BoardBench.h"
#include "window/VorOdAra.h"

#include <QMouseEvent>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>

// One click on the real window, shown: the move, the computer's answer and
// the board's paint.

namespace {

constexpr int Side = 99;

// The real window shown on the offscreen platform, against the computer,
// with a board drawn to a picture. Before each click the points that
// changed are taken off and put back through the game's own drawing, which
// gives the very image again.
class ShownGame
{
public:
    explicit ShownGame(Picture drawn) : picture(std::move(drawn)), window(desktop)
    {
        desktop.Answers = {SizeAnswer(Side), SizeAnswer(Side), QStringLiteral("1")};
        if (!window.Load())
            qFatal("the window did not open");
        Draw(window.Play(), window.Board(), Side, picture);
        state = window.Play().State;
        QCoreApplication::processEvents();
        // A copy of its own: the board's image shared with it would be
        // copied whole at the next drawing.
        image = window.Board().Image().copy();
        Restore();
    }

    void Restore()
    {
        Game& game = window.Play();
        GameState& now = game.State;
        now.GroupX.clear();
        now.GroupY.clear();
        for (int c = 1; c <= Side; ++c) {
            for (int r = 1; r <= Side; ++r) {
                const Color shown = ProbeColorAt(window.Board(), c, r);
                if (shown != picture(c, r) && shown != Empty) {
                    now.GroupX.push_back(std::int16_t(c));
                    now.GroupY.push_back(std::int16_t(r));
                }
            }
        }
        now.CaptureState = Capture::WholeGroups;
        if (!now.GroupX.empty())
            game.RemoveGroup();
        Draw(game, window.Board(), Side, picture);
        now = state;
        desktop = BenchPlatform();
        desktop.OnYield = DesktopYield();
        QCoreApplication::processEvents();
        if (window.Board().Image() != image)
            qFatal("the board was not put back as it was drawn");
    }

    // One release at the point, the turn it starts and the paint the
    // window system asks for next.
    void Click(Intersection at)
    {
        QWidget* view = window.centralWidget();
        const QPointF position(at.Col * view->width() / window.Board().ScaleWidth(),
                               at.Row * view->height() / window.Board().ScaleHeight());
        QMouseEvent release(QEvent::MouseButtonRelease, position, view->mapToGlobal(position),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view, &release);
        QCoreApplication::processEvents();
    }

    int Stones() const { return StonesOn(window.Board(), Side); }

private:
    Picture picture;
    BenchPlatform desktop;
    VorOdAra window;
    GameState state;
    QImage image;
};

// Black captures a white serpentine between black walls at its end in the
// bottom right corner, then the computer answers with three stones. The
// first click of all stands apart: every shape the removal draws is new to
// the surface then.
void RegisterClick()
{
    const Intersection corner{Side, Side};
    const auto shown = std::make_shared<ShownGame>(Without(Snake(Side, White), corner));
    const auto click = [shown, corner](benchmark::State& timer) {
        TimeTurns(timer, [&] { shown->Restore(); }, [&] { shown->Click(corner); });
        timer.counters["stones after"] = shown->Stones();
    };
    const std::string name = "captures snake, computer answers " + Dimensions(Side);
    benchmark::RegisterBenchmark(("Click/first of the process, " + name).c_str(), click)
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(1);
    Repeated(benchmark::RegisterBenchmark(("Click/" + name).c_str(), click))
        ->UseManualTime()
        ->Iterations(20);
}

// The first stone on a new board: a new window for every click, whose
// surface has met no shape but the grid's lines.
void RegisterFirstStone()
{
    const std::string name = "Click/first stone on a new board " + Dimensions(Side);
    Repeated(benchmark::RegisterBenchmark(name.c_str(), [](benchmark::State& timer) {
        std::optional<ShownGame> fresh;
        TimeTurns(timer, [&] { fresh.emplace([](int, int) { return Empty; }); },
                  [&] { fresh->Click({(Side + 1) / 2, (Side + 1) / 2}); });
    }))->UseManualTime()->Iterations(5);
}

} // namespace

int main(int argc, char** argv)
{
    return RunOffscreen(argc, argv, [] {
        RegisterClick();
        RegisterFirstStone();
    });
}
