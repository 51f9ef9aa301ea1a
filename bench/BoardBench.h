#pragma once

#include "BoardShapes.h"
#include "Table.h"
#include "platform/QtPlatform.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <chrono>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// What the benchmarks of the board share: boards the game draws to a
// picture, the desktop's yield, and how a run is timed and repeated.

constexpr Color Empty = Background;
// The first number of the computer's turn: three stones.
constexpr float ThreeStones = 0.9f;

// Medians of five runs.
inline benchmark::internal::Benchmark* Repeated(benchmark::internal::Benchmark* benchmark)
{
    return benchmark->Repetitions(5)->ReportAggregatesOnly(true);
}

// What a board shows at each point.
using Picture = std::function<Color(int col, int row)>;

inline QString SizeAnswer(int cols, int rows) { return QString::asprintf("%02d%02d", cols, rows); }

// The size as the benchmarks' names give it.
inline std::string Dimensions(int cols, int rows)
{
    return std::to_string(cols) + "x" + std::to_string(rows);
}

// The window spans exactly the board, black is to move.
inline std::shared_ptr<Table> DrawBoard(int cols, int rows, const Picture& picture,
                                        const QString& mode = QString())
{
    auto table = std::make_shared<Table>(SizeAnswer(cols, rows));
    table->NewGame(SizeAnswer(cols, rows), mode);
    for (int c = 1; c <= cols; ++c)
        for (int r = 1; r <= rows; ++r)
            if (picture(c, r) != Empty)
                table->Put(picture(c, r), {{c, r}});
    for (int c = 1; c <= cols; ++c)
        for (int r = 1; r <= rows; ++r)
            if (table->Probe(c, r) != picture(c, r))
                qFatal("(%d, %d) of a %d by %d board reads back wrong", c, r, cols, rows);
    table->game.State.WhiteToMove = false;
    return table;
}

// Stones on the board, as counting reads them.
inline int StonesOn(const Surface& board, const GameState& state)
{
    int stones = 0;
    for (int c = 1; c <= state.BoardCols; ++c)
        for (int r = 1; r <= state.BoardRows; ++r)
            stones += ProbeColorAt(board, c, r) != Empty;
    return stones;
}

// The path in one colour, every other point in another.
inline Picture Along(int cols, int rows, const std::vector<Intersection>& path, Color stone,
                     Color rest)
{
    std::vector<bool> onPath(std::size_t(cols) * rows);
    for (const Intersection& p : path)
        onPath[std::size_t(p.Col - 1) * rows + p.Row - 1] = true;
    return [=](int c, int r) { return onPath[std::size_t(c - 1) * rows + r - 1] ? stone : rest; };
}

// The same picture with one point left empty.
inline Picture Without(const Picture& picture, Intersection hole)
{
    return [=](int c, int r) { return c == hole.Col && r == hole.Row ? Empty : picture(c, r); };
}

// A white serpentine between black walls, its end at the bottom right
// left empty: black captures the snake there.
inline Picture SnakeBlackCaptures(int side)
{
    const std::vector<Intersection> path = SerpentinePath(side, side);
    return Without(Along(side, side, path, White, Black), path.front());
}

// A board full but for one point: the end of a black serpentine between
// white walls. The computer's first stone has to be drawn at random until
// it lands there, and captures the snake.
inline Picture SnakeTheComputerCaptures(int side)
{
    const std::vector<Intersection> path = SerpentinePath(side, side);
    return Without(Along(side, side, path, Black, White), path.front());
}

// The processor time of the thread that plays: the machine is shared, and
// the wall clock counts the other programs' turns too.
struct Clock
{
    using duration = std::chrono::nanoseconds;
    using rep = duration::rep;
    using period = duration::period;
    using time_point = std::chrono::time_point<Clock>;
    static constexpr bool is_steady = true;

    static time_point now()
    {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return time_point(std::chrono::seconds(now.tv_sec) + duration(now.tv_nsec));
    }
};

inline double Seconds(Clock::duration duration)
{
    return std::chrono::duration<double>(duration).count();
}

// The yield of the desktop the real window runs on.
inline std::function<void()> DesktopYield()
{
    return [platform = std::make_shared<QtPlatform>()] { platform->YieldToEvents(); };
}

// Runs what registerAll registers on the offscreen platform.
inline int RunOffscreen(int argc, char** argv, const std::function<void()>& registerAll)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    registerAll();
    benchmark::RunSpecifiedBenchmarks();
    // What the benchmarks hold of windows goes before the application.
    benchmark::ClearRegisteredBenchmarks();
    benchmark::Shutdown();
    return 0;
}
