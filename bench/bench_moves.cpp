#include "BoardBench.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

// Whole moves on a 99 by 99 board drawn by the game itself on a surface of
// the window's size, each replayed from the same board: a human's that
// captures, and the computer's answer. A move costs at least the writing
// of the pixels it changes: after each, a plain fill of as many pixels,
// the floor.

namespace {

constexpr int Side = 99;

// A game to play one turn on, put back as it was drawn before every turn.
struct Replay : Table
{
    explicit Replay(const Picture& picture, const QString& mode = QString())
        : Table(Side, picture, mode), drawn(board), drawnState(game.State)
    {
    }

    void Restore()
    {
        board = drawn;
        game.State = drawnState;
        desktop = BenchPlatform();
        desktop.OnYield = DesktopYield();
        // The image is shared with the copy until the next drawing: take
        // the copying out of the timed turn with a point of background in
        // the margin. Every turn sets the pen before it draws.
        board.SetPenColor(Empty);
        board.DrawLine(0.5f, 0.5f, 0.5f, 0.5f);
    }

    // The pixels the last turn changed.
    int PixelsChanged() const
    {
        const QImage before = drawn.Image();
        const QImage after = board.Image();
        int changed = 0;
        for (int y = 0; y < before.height(); ++y)
            for (int x = 0; x < before.width(); ++x)
                changed += before.pixel(x, y) != after.pixel(x, y);
        return changed;
    }

    Surface drawn;
    GameState drawnState;
};

// The turn, replayed, then a plain fill of as many pixels as it changed.
void RegisterTurn(const std::string& name, std::shared_ptr<Replay> replay,
                  std::function<void(Game&)> turn)
{
    Repeated(benchmark::RegisterBenchmark(name.c_str(), [=](benchmark::State& timer) {
        TimeTurns(timer, [&] { replay->Restore(); }, [&] { turn(replay->game); });
        timer.counters["stones after"] = StonesOn(replay->board, Side);
        timer.counters["pixels changed"] = replay->PixelsChanged();
    }))->UseManualTime()->Iterations(20);
    Repeated(benchmark::RegisterBenchmark(("Floor/fill as " + name).c_str(),
                                          [replay](benchmark::State& timer) {
        std::vector<QRgb> pixels(std::size_t(replay->PixelsChanged()));
        QRgb color = 0;
        TimeTurns(timer, [] {}, [&] {
            std::fill(pixels.begin(), pixels.end(), ++color);
            benchmark::DoNotOptimize(pixels.data());
            benchmark::ClobberMemory();
        });
        timer.counters["pixels"] = double(pixels.size());
    }))->UseManualTime();
}

} // namespace

// Black captures a huge white group at the bottom right corner, its last
// liberty: a serpentine between black walls, or the whole board but that
// point. The computer's first stone, one of three, has to be drawn at
// random until it lands on the one empty point of the board, and captures
// a black serpentine there.
int main(int argc, char** argv)
{
    return RunOffscreen(argc, argv, [] {
        const Intersection corner{Side, Side};
        const auto click = [](Game& game) { game.MouseRelease(float(Side), float(Side)); };
        const std::string size = " " + Dimensions(Side);
        RegisterTurn("HumanMove/captures snake" + size,
                     std::make_shared<Replay>(Without(Snake(Side, White), corner)), click);
        RegisterTurn("HumanMove/captures covered" + size,
                     std::make_shared<Replay>(Without([](int, int) { return White; }, corner)),
                     click);
        RegisterTurn("ComputerAnswer/captures snake" + size,
                     std::make_shared<Replay>(Without(Snake(Side, Black), corner), "1"),
                     [](Game& game) { game.ComputerTurn(); });
    });
}
