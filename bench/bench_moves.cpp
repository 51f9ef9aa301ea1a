#include "BoardBench.h"

#include <algorithm>
#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// Whole moves on a 99 by 99 board drawn by the game itself on a surface of
// the window's size, each replayed from the same board: a human's that
// captures, and the computer's answer. A move costs at least the writing
// of the pixels it changes: after each, a plain fill of as many pixels,
// the floor.

namespace {

// A game to play one turn on, put back as it was drawn before every
// iteration; only the turn is timed.
class Replay
{
public:
    explicit Replay(std::shared_ptr<Table> drawn)
        : drawn(std::move(drawn)), board(this->drawn->board), state(this->drawn->game.State)
    {
    }

    template <typename Turn> void Run(benchmark::State& timer, std::deque<float> randoms, Turn turn)
    {
        int yields = 0;
        int beeps = 0;
        for (auto _ : timer) {
            Restore(randoms);
            const auto begin = Clock::now();
            turn(drawn->game);
            const auto end = Clock::now();
            timer.SetIterationTime(Seconds(end - begin));
            yields = drawn->desktop.Yields;
            beeps = drawn->desktop.Beeps;
        }
        timer.counters["yields"] = yields;
        timer.counters["beeps"] = beeps;
        timer.counters["stones before"] = StonesOn(board, state);
        timer.counters["stones after"] = StonesOn(drawn->board, state);
        timer.counters["pixels changed"] = PixelsChanged();
    }

    // The pixels the last turn changed.
    int PixelsChanged() const
    {
        const QImage before = board.Image();
        const QImage after = drawn->board.Image();
        int changed = 0;
        for (int y = 0; y < before.height(); ++y)
            for (int x = 0; x < before.width(); ++x)
                changed += before.pixel(x, y) != after.pixel(x, y);
        return changed;
    }

private:
    void Restore(const std::deque<float>& randoms)
    {
        drawn->board = board;
        drawn->game.State = state;
        drawn->desktop = BenchPlatform();
        drawn->desktop.Randoms = randoms;
        drawn->desktop.OnYield = DesktopYield();
        // The image is shared with the copy until the next drawing: take
        // the copying out of the timed turn with a point of background in
        // the margin. Every turn sets the pen before it draws.
        drawn->board.SetPenColor(Empty);
        drawn->board.DrawLine(0.5f, 0.5f, 0.5f, 0.5f);
    }

    std::shared_ptr<Table> drawn;
    Surface board;
    GameState state;
};

// A plain fill of as many pixels as the replay's last turn changed.
void RegisterFloor(const std::string& name, std::shared_ptr<const Replay> replay)
{
    Repeated(benchmark::RegisterBenchmark(("Floor/fill as " + name).c_str(),
                                          [replay](benchmark::State& timer) {
        std::vector<QRgb> pixels(std::size_t(replay->PixelsChanged()));
        QRgb color = 0;
        for (auto _ : timer) {
            const auto begin = Clock::now();
            std::fill(pixels.begin(), pixels.end(), ++color);
            benchmark::DoNotOptimize(pixels.data());
            benchmark::ClobberMemory();
            timer.SetIterationTime(Seconds(Clock::now() - begin));
        }
        timer.counters["pixels"] = double(pixels.size());
    }))->UseManualTime();
}

// A click by black that captures a huge white group, with the window's
// yields: a serpentine between black walls whose end at the bottom right
// is the last liberty, or the whole board but that point.
void RegisterHumanMoves(int side)
{
    const Intersection corner{side, side};
    const std::string size = Dimensions(side, side);
    const auto snake = std::make_shared<Replay>(DrawBoard(side, side, SnakeBlackCaptures(side)));
    const auto covered = std::make_shared<Replay>(
        DrawBoard(side, side, Without([](int, int) { return White; }, corner)));
    for (const auto& [name, replay] : {std::pair{"HumanMove/captures snake " + size, snake},
                                       std::pair{"HumanMove/captures covered " + size, covered}}) {
        Repeated(benchmark::RegisterBenchmark(name.c_str(), [replay, corner](benchmark::State& timer) {
            replay->Run(timer, {}, [corner](Game& game) {
                game.MouseRelease(float(corner.Col), float(corner.Row));
            });
        }))->UseManualTime()->Iterations(20);
        RegisterFloor(name, replay);
    }
}

// A whole answer of the computer, three stones, that captures a snake.
void RegisterComputerAnswer(int side)
{
    const auto replay =
        std::make_shared<Replay>(DrawBoard(side, side, SnakeTheComputerCaptures(side), "1"));
    const std::string name = "ComputerAnswer/captures snake " + Dimensions(side, side);
    Repeated(benchmark::RegisterBenchmark(name.c_str(), [replay](benchmark::State& timer) {
        replay->Run(timer, {ThreeStones}, [](Game& game) { game.ComputerTurn(); });
    }))->UseManualTime()->Iterations(20);
    RegisterFloor(name, replay);
}

} // namespace

int main(int argc, char** argv)
{
    return RunOffscreen(argc, argv, [] {
        RegisterHumanMoves(99);
        RegisterComputerAnswer(99);
    });
}
