#pragma once

#include "BoardShapes.h"
#include "PlayedWindow.h"
#include "platform/QtPlatform.h"
#include "window/Game.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <ctime>
#include <functional>
#include <memory>
#include <string>

// What the benchmarks of the board share: boards the game draws, the
// computer's numbers, and how a run is timed and repeated.

// Medians of five runs.
inline benchmark::internal::Benchmark* Repeated(benchmark::internal::Benchmark* benchmark)
{
    return benchmark->Repetitions(5)->ReportAggregatesOnly(true);
}

// The scripted desktop whose first number makes the computer's turn three
// stones.
struct BenchPlatform : ScriptedPlatform
{
    float Rnd() override
    {
        if (RandomsDrawn > 0)
            return ScriptedPlatform::Rnd();
        ++RandomsDrawn;
        return 0.9f;
    }
};

inline QString SizeAnswer(int side) { return QString::asprintf("%02d%02d", side, side); }

// The size as the benchmarks' names give it.
inline std::string Dimensions(int side) { return std::to_string(side) + "x" + std::to_string(side); }

// Puts down every stone of the picture that the board does not show, as
// PlaceStone does without the rules after it, and gives black the move.
inline void Draw(Game& game, const Surface& board, int side, const Picture& picture)
{
    for (int c = 1; c <= side; ++c) {
        for (int r = 1; r <= side; ++r) {
            if (picture(c, r) != Empty && ProbeColorAt(board, c, r) != picture(c, r)) {
                game.State.WhiteToMove = picture(c, r) == White;
                game.PlaceStone(c, r);
            }
        }
    }
    for (int c = 1; c <= side; ++c)
        for (int r = 1; r <= side; ++r)
            if (ProbeColorAt(board, c, r) != picture(c, r))
                qFatal("(%d, %d) of a %d by %d board reads back wrong", c, r, side, side);
    game.State.WhiteToMove = false;
}

// A game on a drawing area of the window's size, without the window, which
// spans exactly the board; two players unless mode says otherwise.
struct Table
{
    Table(int side, const Picture& picture, const QString& mode = QString())
        : board(DrawingArea, Background, qGuiApp->devicePixelRatio()), game(board, desktop)
    {
        desktop.Answers = {SizeAnswer(side), SizeAnswer(side), mode};
        game.AskWindowSize();
        game.NewGame();
        Draw(game, board, side, picture);
    }

    BenchPlatform desktop;
    Surface board;
    Game game;
};

// Stones on the board, as counting reads them.
inline int StonesOn(const Surface& board, int side)
{
    int stones = 0;
    for (int c = 1; c <= side; ++c)
        for (int r = 1; r <= side; ++r)
            stones += ProbeColorAt(board, c, r) != Empty;
    return stones;
}

// The yield of the desktop the real window runs on.
inline std::function<void()> DesktopYield()
{
    return [platform = std::make_shared<QtPlatform>()] { platform->YieldToEvents(); };
}

// The processor time, in seconds, that run takes on the thread that plays:
// the machine is shared, and the wall clock counts the other programs'
// turns too.
template <typename Run> double ProcessorSeconds(Run&& run)
{
    timespec begin{};
    timespec end{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &begin);
    run();
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &end);
    return double(end.tv_sec - begin.tv_sec) + double(end.tv_nsec - begin.tv_nsec) * 1e-9;
}

// Each iteration times turn alone, after restore.
template <typename Restore, typename Turn>
void TimeTurns(benchmark::State& timer, Restore&& restore, Turn&& turn)
{
    for (auto _ : timer) {
        restore();
        timer.SetIterationTime(ProcessorSeconds(turn));
    }
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
