#include "BoardShapes.h"
#include "FloodFill.h"
#include "ScanningGroupSearch.h"
#include "Table.h"
#include "board/GroupSearch.h"
#include "platform/QtPlatform.h"
#include "window/VorOdAra.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>

#include <algorithm>
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
// fill with a visited flag per point, the floor. (b) and (c) run in
// alternating rounds over the same image, so that their ratio holds on a
// shared machine.

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

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration duration) { return std::chrono::duration<double>(duration).count(); }

// The middle value; the values are reordered.
double Median(std::vector<double>& values)
{
    const auto middle = values.begin() + std::ptrdiff_t(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// One search of each of a position's searches, and its time.
template <typename SearchOnce> Found TimeAll(const std::vector<Search>& searches, SearchOnce& search,
                                             double& seconds)
{
    Found total{0, 0};
    const auto begin = Clock::now();
    for (const Search& s : searches) {
        const Found found = search(s);
        total.Stones += found.Stones;
        total.Passes += found.Passes;
    }
    seconds = Seconds(Clock::now() - begin);
    return total;
}

// (b) against (c): each iteration is a round of b, c, c, b, so that
// whichever profits from running second does so as often as the other,
// and each round gives a ratio. The medians of the rounds are reported,
// in microseconds a search and as b/c.
void RegisterRace(const std::string& name, const std::vector<Search>& searches)
{
    Repeated(benchmark::RegisterBenchmark(name.c_str(), [searches](benchmark::State& state) {
        std::vector<std::int16_t> xs;
        std::vector<std::int16_t> ys;
        std::vector<Intersection> group;
        auto listGroup = [&](const Search& s) {
            const int passes =
                ListGroup(*s.Board, s.Cols, s.Rows, s.Start, s.Stone, xs, ys, [] {}).Passes;
            return Found{xs.size(), passes};
        };
        auto flood = [&](const Search& s) {
            FloodFill(
                s.Cols, s.Rows, s.Start,
                [&](int c, int r) { return ProbeColorAt(*s.Board, c, r) == s.Stone; }, group);
            return Found{group.size(), 0};
        };
        std::vector<double> bs;
        std::vector<double> cs;
        std::vector<double> ratios;
        Found found{0, 0};
        for (auto _ : state) {
            double b1 = 0;
            double c1 = 0;
            double c2 = 0;
            double b2 = 0;
            found = TimeAll(searches, listGroup, b1);
            const Found flooded = TimeAll(searches, flood, c1);
            TimeAll(searches, flood, c2);
            TimeAll(searches, listGroup, b2);
            if (flooded.Stones != found.Stones)
                state.SkipWithError("the two searches found different groups");
            state.SetIterationTime(b1 + c1 + c2 + b2);
            bs.push_back((b1 + b2) / 2);
            cs.push_back((c1 + c2) / 2);
            ratios.push_back((b1 + b2) / (c1 + c2));
        }
        state.counters["b us"] = Median(bs) * 1e6;
        state.counters["c us"] = Median(cs) * 1e6;
        state.counters["b/c"] = Median(ratios);
        state.counters["stones"] = double(found.Stones);
        state.counters["passes"] = found.Passes;
    }))->UseManualTime();
}

// (a) by itself, then (b) against (c), over the same searches.
void RegisterSearches(const std::string& position, const std::vector<Search>& searches,
                      bool slowScans)
{
    const std::string name = "Search/" + position;
    auto* scans = Repeated(benchmark::RegisterBenchmark(
        (name + "/a:scans").c_str(), [searches](benchmark::State& state) {
            Found total{0, 0};
            for (auto _ : state) {
                total = {0, 0};
                for (const Search& s : searches) {
                    const ScannedGroup group =
                        ScanningGroupSearch(s.Cols, s.Rows, s.Start, [&](int c, int r) {
                            return ProbeColorAt(*s.Board, c, r) == s.Stone;
                        });
                    total.Stones += group.Xs.size();
                    total.Passes += group.Passes;
                }
            }
            state.counters["stones"] = double(total.Stones);
            state.counters["passes"] = total.Passes;
        }));
    // Seconds a run on the large boards.
    if (slowScans)
        scans->Iterations(1)->Repetitions(1);
    RegisterRace(name + "/b:ListGroup vs c:flood", searches);
}

// The yield of the desktop the real window runs on, or one that does
// nothing.
std::function<void()> YieldOf(bool desktop)
{
    if (desktop)
        return [platform = std::make_shared<QtPlatform>()] { platform->YieldToEvents(); };
    return [] {};
}

// One TestGroup on a snake whose far end is left empty: the whole group is
// listed, its liberty is found only at the last stones, and nothing is
// drawn, so every iteration sees the same board.
void RegisterTestGroup(int cols, int rows, bool desktopYield)
{
    const std::vector<Intersection> path = SerpentinePath(cols, rows);
    auto table = DrawBoard(cols, rows, Without(Along(cols, rows, path, White, Black), path.back()));
    const std::string name = "TestGroup/snake " + std::to_string(cols) + "x" + std::to_string(rows)
                             + (desktopYield ? "/yield:desktop" : "/yield:none");
    Repeated(benchmark::RegisterBenchmark(name.c_str(), [=](benchmark::State& state) {
        table->desktop.OnYield = YieldOf(desktopYield);
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
        // the copying out of the timed turn with a point of background in
        // the margin. Every turn sets the pen before it draws.
        drawn->board.SetPenColor(Empty);
        drawn->board.DrawLine(0.5f, 0.5f, 0.5f, 0.5f);
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
        passes += ListGroup(*s.Board, s.Cols, s.Rows, s.Start, s.Stone, xs, ys, [] {}).Passes;
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
        image = window.Board().Image();
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
        view->repaint();
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
        desktop.OnYield = YieldOf(true);
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
    const std::vector<Intersection> path = SerpentinePath(side, side);
    const auto shown = std::make_shared<ShownGame>(
        side, Without(Along(side, side, path, White, Black), corner));
    const std::string name = "Click/captures snake, computer answers " + std::to_string(side)
                             + "x" + std::to_string(side);
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

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    static const std::vector<Position> positions{Snake(19, 19), Snake(50, 50), Snake(99, 99),
                                                 Staircase(99), Covered(99)};
    for (const Position& position : positions)
        RegisterSearches(position.Name, {SearchOf(position)}, position.Name != "snake 19x19");
    // The largest board the window shows with a grid step of 8 pixels or
    // more is 98 by 92.
    for (const auto& [cols, rows] : {std::pair{19, 19}, std::pair{98, 92}, std::pair{99, 99}})
        for (const bool desktopYield : {false, true})
            RegisterTestGroup(cols, rows, desktopYield);
    RegisterHumanMoves(99);
    RegisterComputerAnswer(99);
    RegisterClick(99);

    benchmark::RunSpecifiedBenchmarks();
    // The shown window goes before the application.
    benchmark::ClearRegisteredBenchmarks();
    benchmark::Shutdown();
    return 0;
}
