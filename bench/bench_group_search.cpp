#include "BoardShapes.h"
#include "FloodFill.h"
#include "ScanningGroupSearch.h"
#include "Table.h"
#include "board/GroupSearch.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGuiApplication>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Group searches and whole moves on boards drawn by the game itself on a
// surface of the window's size. The searches run side by side: (a) the
// whole-board scans, (b) the game's ListGroup, (c) a breadth-first flood
// fill with a visited flag per point, the floor.

namespace {

constexpr Color Empty = Table::Background;

// What a board shows at each point.
using Picture = std::function<Color(int col, int row)>;

// A game whose board was drawn with its own stones, and a group on it.
struct Position
{
    std::string Name;
    std::shared_ptr<Table> Drawn;
    Intersection Start;
    Color Stone;
};

QString SizeAnswer(int cols, int rows) { return QString::asprintf("%02d%02d", cols, rows); }

// The window spans exactly the board, black is to move.
std::shared_ptr<Table> DrawBoard(int cols, int rows, const Picture& picture,
                                 const QString& mode = QString())
{
    auto table = std::make_shared<Table>(SizeAnswer(cols, rows));
    table->NewGame(SizeAnswer(cols, rows), mode);
    for (int c = 1; c <= cols; ++c)
        for (int r = 1; r <= rows; ++r)
            if (picture(c, r) != Empty)
                table->Put(picture(c, r), {{c, r}});
    table->game.State.WhiteToMove = false;
    return table;
}

// The path in one colour, every other point in another.
Picture Along(int cols, int rows, const std::vector<Intersection>& path, Color stone, Color rest)
{
    std::vector<bool> onPath(std::size_t(cols) * rows);
    for (const Intersection& p : path)
        onPath[std::size_t(p.Col - 1) * rows + p.Row - 1] = true;
    return [=](int c, int r) { return onPath[std::size_t(c - 1) * rows + r - 1] ? stone : rest; };
}

// The same picture with one point left empty.
Picture Without(const Picture& picture, Intersection hole)
{
    return [=](int c, int r) { return c == hole.Col && r == hole.Row ? Empty : picture(c, r); };
}

// A white serpentine between black walls, searched from its end at the
// bottom right, where it runs up and to the left.
Position Snake(int cols, int rows)
{
    const std::vector<Intersection> path = SerpentinePath(cols, rows);
    return {"snake " + std::to_string(cols) + "x" + std::to_string(rows),
            DrawBoard(cols, rows, Along(cols, rows, path, White, Black)), path.front(), White};
}

Position Staircase(int side)
{
    const std::vector<Intersection> path = StaircasePath(side, side);
    return {"staircase " + std::to_string(side) + "x" + std::to_string(side),
            DrawBoard(side, side, Along(side, side, path, Black, Empty)), path.front(), Black};
}

// Black everywhere but the top left corner, searched from the opposite one.
Position Covered(int side)
{
    return {"covered " + std::to_string(side) + "x" + std::to_string(side),
            DrawBoard(side, side, Without([](int, int) { return Black; }, {1, 1})),
            {side, side}, Black};
}

const GameState& StateOf(const Position& position) { return position.Drawn->game.State; }

// (a), (b) and (c) on one position.
void RegisterSearches(const Position& position, bool slowScans)
{
    const Surface& board = position.Drawn->board;
    const int cols = StateOf(position).BoardCols;
    const int rows = StateOf(position).BoardRows;
    const std::string name = "Search/" + position.Name;

    auto* scans = benchmark::RegisterBenchmark(
        (name + "/a:scans").c_str(), [=, &board](benchmark::State& state) {
            ScannedGroup group;
            for (auto _ : state) {
                group = ScanningGroupSearch(board, cols, rows, position.Start, position.Stone);
                benchmark::DoNotOptimize(group.Xs.data());
            }
            state.counters["stones"] = double(group.Xs.size());
            state.counters["passes"] = group.Passes;
        });
    if (slowScans)
        scans->Iterations(1)->Repetitions(1);

    benchmark::RegisterBenchmark(
        (name + "/b:ListGroup").c_str(), [=, &board](benchmark::State& state) {
            std::vector<std::int16_t> xs;
            std::vector<std::int16_t> ys;
            int passes = 0;
            for (auto _ : state) {
                passes = ListGroup(board, cols, rows, position.Start, position.Stone, xs, ys, [] {});
                benchmark::DoNotOptimize(xs.data());
            }
            state.counters["stones"] = double(xs.size());
            state.counters["passes"] = passes;
        });

    benchmark::RegisterBenchmark(
        (name + "/c:flood").c_str(), [=, &board](benchmark::State& state) {
            std::vector<Intersection> group;
            for (auto _ : state) {
                FloodFill(board, cols, rows, position.Start, position.Stone, group);
                benchmark::DoNotOptimize(group.data());
            }
            state.counters["stones"] = double(group.size());
        });
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    static const std::vector<Position> positions{Snake(19, 19), Snake(50, 50), Snake(99, 99),
                                                 Staircase(99), Covered(99)};
    for (const Position& position : positions)
        RegisterSearches(position, StateOf(position).BoardCols > 19);

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
