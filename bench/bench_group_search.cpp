#include "BoardShapes.h"
#include "FloodFill.h"
#include "ReferenceModel.h"
#include "Table.h"
#include "board/GroupSearch.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGuiApplication>

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// Group searches and whole moves on boards drawn by the game itself on a
// surface of the window's size. The searches run side by side: (a) the
// whole-board scans, (b) the game's ListGroup, (c) a breadth-first flood
// fill with a visited flag per point, the floor.

namespace {

constexpr Color Empty = Background;
// The first number of the computer's turn: three stones.
constexpr float ThreeStones = 0.9f;

// Medians of five runs.
benchmark::internal::Benchmark* Repeated(benchmark::internal::Benchmark* benchmark)
{
    return benchmark->Repetitions(5)->ReportAggregatesOnly(true);
}

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
    for (int c = 1; c <= cols; ++c)
        for (int r = 1; r <= rows; ++r)
            if (table->Probe(c, r) != picture(c, r))
                qFatal("(%d, %d) of a %d by %d board reads back wrong", c, r, cols, rows);
    table->game.State.WhiteToMove = false;
    return table;
}

// Stones on the board, as counting reads them.
int StonesOn(const Surface& board, const GameState& state)
{
    int stones = 0;
    for (int c = 1; c <= state.BoardCols; ++c)
        for (int r = 1; r <= state.BoardRows; ++r)
            stones += ProbeColorAt(board, c, r) != Empty;
    return stones;
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

// One group search: the board, its size, where it starts and the colour.
struct Search
{
    std::shared_ptr<const Surface> Board;
    int Cols;
    int Rows;
    Intersection Start;
    Color Stone;
};

Search SearchOf(const Position& position)
{
    const GameState& state = position.Drawn->game.State;
    return {std::shared_ptr<const Surface>(position.Drawn, &position.Drawn->board),
            state.BoardCols, state.BoardRows, position.Start, position.Stone};
}

// What one search found: its stones and its passes.
struct Found
{
    std::size_t Stones;
    int Passes;
};

// One contender, timed over all the searches of a position per iteration.
template <typename SearchOnce>
benchmark::internal::Benchmark* RegisterContender(const std::string& name,
                                                  const std::vector<Search>& searches,
                                                  SearchOnce search)
{
    return Repeated(benchmark::RegisterBenchmark(
        name.c_str(), [searches, search](benchmark::State& state) mutable {
            Found total{0, 0};
            for (auto _ : state) {
                total = {0, 0};
                for (const Search& s : searches) {
                    const Found found = search(s);
                    total.Stones += found.Stones;
                    total.Passes += found.Passes;
                }
            }
            state.counters["stones"] = double(total.Stones);
            state.counters["passes"] = total.Passes;
        }));
}

// (a), (b) and (c) over the same searches.
void RegisterSearches(const std::string& position, const std::vector<Search>& searches,
                      bool slowScans)
{
    const std::string name = "Search/" + position;
    auto* scans = RegisterContender(name + "/a:scans", searches, [](const Search& s) {
        const ScannedGroup group = ScanningGroupSearch(s.Cols, s.Rows, s.Start, [&](int c, int r) {
            return ProbeColorAt(*s.Board, c, r) == s.Stone;
        });
        return Found{group.Xs.size(), group.Passes};
    });
    // Seconds a run on the large boards.
    if (slowScans)
        scans->Iterations(1)->Repetitions(1);

    RegisterContender(name + "/b:ListGroup", searches,
                      [xs = std::vector<std::int16_t>(), ys = std::vector<std::int16_t>()](
                          const Search& s) mutable {
                          const int passes =
                              ListGroup(*s.Board, s.Cols, s.Rows, s.Start, s.Stone, xs, ys, [] {});
                          return Found{xs.size(), passes};
                      });

    RegisterContender(name + "/c:flood", searches,
                      [group = std::vector<Intersection>()](const Search& s) mutable {
                          FloodFill(s.Cols, s.Rows, s.Start,
                                    [&](int c, int r) {
                                        return ProbeColorAt(*s.Board, c, r) == s.Stone;
                                    },
                                    group);
                          return Found{group.size(), 0};
                      });
}

// The platform's yield as the real window has it, or one that does nothing.
std::function<void()> YieldOf(bool processEvents)
{
    if (processEvents)
        return [] { QCoreApplication::processEvents(); };
    return [] {};
}

// One TestGroup on a snake whose far end is left empty: the whole group is
// listed, its liberty is found only at the last stones, and nothing is
// drawn, so every iteration sees the same board.
void RegisterTestGroup(int cols, int rows, bool processEvents)
{
    const std::vector<Intersection> path = SerpentinePath(cols, rows);
    auto table = DrawBoard(cols, rows, Without(Along(cols, rows, path, White, Black), path.back()));
    const std::string name = "TestGroup/snake " + std::to_string(cols) + "x" + std::to_string(rows)
                             + (processEvents ? "/yield:processEvents" : "/yield:none");
    Repeated(benchmark::RegisterBenchmark(name.c_str(), [=](benchmark::State& state) {
        table->desktop.OnYield = YieldOf(processEvents);
        const Intersection start = path.front();
        for (auto _ : state) {
            table->desktop.Yields = 0;
            table->game.State.CaptureState = 0;
            table->game.TestGroup(start.Col, start.Row, White);
        }
        state.counters["stones"] = double(table->game.State.GroupX.size());
        state.counters["passes"] = table->desktop.Yields;
    }));
}

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
            const auto begin = std::chrono::steady_clock::now();
            turn(drawn->game);
            const auto end = std::chrono::steady_clock::now();
            timer.SetIterationTime(std::chrono::duration<double>(end - begin).count());
            yields = drawn->desktop.Yields;
            beeps = drawn->desktop.Beeps;
        }
        timer.counters["yields"] = yields;
        timer.counters["beeps"] = beeps;
        timer.counters["stones before"] = StonesOn(board, state);
        timer.counters["stones after"] = StonesOn(drawn->board, state);
    }

private:
    void Restore(const std::deque<float>& randoms)
    {
        drawn->board = board;
        drawn->game.State = state;
        drawn->desktop = BenchPlatform();
        drawn->desktop.Randoms = randoms;
        drawn->desktop.OnYield = YieldOf(true);
        // The image is shared with the copy until the next drawing: take
        // the copying out of the timed turn with a point off the image.
        drawn->board.DrawLine(-1, -1, -1, -1);
    }

    std::shared_ptr<Table> drawn;
    Surface board;
    GameState state;
};

// A click by black that captures a huge white group, with the window's
// yields: a serpentine between black walls whose end at the bottom right
// is the last liberty, or the whole board but that point.
void RegisterHumanMoves(int side)
{
    const Intersection corner{side, side};
    const std::vector<Intersection> path = SerpentinePath(side, side);
    const std::string size = std::to_string(side) + "x" + std::to_string(side);
    const auto snake =
        std::make_shared<Replay>(DrawBoard(side, side, Without(Along(side, side, path, White, Black), corner)));
    const auto covered = std::make_shared<Replay>(
        DrawBoard(side, side, Without([](int, int) { return White; }, corner)));
    for (const auto& [name, replay] : {std::pair{"HumanMove/captures snake " + size, snake},
                                       std::pair{"HumanMove/captures covered " + size, covered}}) {
        Repeated(benchmark::RegisterBenchmark(name.c_str(), [replay, corner](benchmark::State& timer) {
            replay->Run(timer, {}, [corner](Game& game) {
                game.MouseRelease(float(corner.Col), float(corner.Row));
            });
        }))->UseManualTime()->Iterations(20);
    }
}

// The searches of the computer's three stones, each with the board as it
// stood then. A search lists its start point alone when its first pass
// begins; the colour is white for a stone's own group and the capture
// colour for the groups around it. The passes of (b) must add up to the
// yields of the turn.
std::vector<Search> SearchesOfComputerAnswer(std::shared_ptr<Table> table)
{
    std::vector<Search> searches;
    const GameState& state = table->game.State;
    table->desktop.Randoms = {ThreeStones};
    table->desktop.OnYield = [&] {
        if (state.GroupX.size() == 1)
            searches.push_back({std::make_shared<const Surface>(table->board), state.BoardCols,
                                state.BoardRows, {state.GroupX[0], state.GroupY[0]},
                                state.CaptureState == 1 ? White : state.CaptureColor});
    };
    table->game.ComputerTurn();
    int passes = 0;
    std::vector<std::int16_t> xs;
    std::vector<std::int16_t> ys;
    for (const Search& s : searches)
        passes += ListGroup(*s.Board, s.Cols, s.Rows, s.Start, s.Stone, xs, ys, [] {});
    if (passes != table->desktop.Yields)
        qFatal("the searches of the computer's answer were not all recorded");
    return searches;
}

// A whole answer of the computer, three stones, on a board full but for
// one point: the end of a black serpentine between white walls. The first
// stone has to be drawn at random until it lands there, and captures the
// snake.
void RegisterComputerAnswer(int side)
{
    const std::vector<Intersection> path = SerpentinePath(side, side);
    const Picture picture = Without(Along(side, side, path, Black, White), path.front());
    const std::string position =
        "computer answer " + std::to_string(side) + "x" + std::to_string(side);
    RegisterSearches(position, SearchesOfComputerAnswer(DrawBoard(side, side, picture, "1")), true);

    const auto replay = std::make_shared<Replay>(DrawBoard(side, side, picture, "1"));
    const std::string name = "ComputerAnswer/captures snake " + std::to_string(side) + "x"
                             + std::to_string(side);
    Repeated(benchmark::RegisterBenchmark(name.c_str(), [replay](benchmark::State& timer) {
        replay->Run(timer, {ThreeStones}, [](Game& game) { game.ComputerTurn(); });
    }))->UseManualTime()->Iterations(20);
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
        RegisterSearches(position.Name, {SearchOf(position)}, position.Name != "snake 19x19");
    // The largest board the window shows with a grid step of 8 pixels or
    // more is 98 by 92.
    for (const auto& [cols, rows] : {std::pair{19, 19}, std::pair{98, 92}, std::pair{99, 99}})
        for (const bool processEvents : {false, true})
            RegisterTestGroup(cols, rows, processEvents);
    RegisterHumanMoves(99);
    RegisterComputerAnswer(99);

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
