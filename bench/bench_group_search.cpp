#include "BoardBench.h"
#include "FloodFill.h"
#include "board/GroupSearch.h"

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// Group searches on boards drawn by the game itself on a surface of the
// window's size: (b) the game's ListGroup against (c) a breadth-first flood
// fill with a visited flag per point, the floor, in alternating rounds over
// the same image, so that their ratio holds on a shared machine.

namespace {

// A game whose board was drawn with its own stones, and a group on it.
struct Position
{
    std::string Name;
    std::shared_ptr<Table> Drawn;
    Intersection Start;
    Color Stone;
};

// A white serpentine between black walls, searched from its end at the
// bottom right, where it runs up and to the left.
Position Snake(int cols, int rows)
{
    const std::vector<Intersection> path = SerpentinePath(cols, rows);
    return {"snake " + Dimensions(cols, rows),
            DrawBoard(cols, rows, Along(cols, rows, path, White, Black)), path.front(), White};
}

Position Staircase(int side)
{
    const std::vector<Intersection> path = StaircasePath(side, side);
    return {"staircase " + Dimensions(side, side),
            DrawBoard(side, side, Along(side, side, path, Black, Empty)), path.front(), Black};
}

// Black everywhere but the top left corner, searched from the opposite one.
Position Covered(int side)
{
    return {"covered " + Dimensions(side, side),
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

} // namespace

int main(int argc, char** argv)
{
    return RunOffscreen(argc, argv, [] {
        static const std::vector<Position> positions{Snake(19, 19), Snake(50, 50), Snake(99, 99),
                                                     Staircase(99), Covered(99)};
        for (const Position& position : positions)
            RegisterRace("Search/" + position.Name + "/b:ListGroup vs c:flood", {SearchOf(position)});
        const auto answered = DrawBoard(99, 99, SnakeTheComputerCaptures(99), "1");
        RegisterRace("Search/computer answer " + Dimensions(99, 99) + "/b:ListGroup vs c:flood",
                     SearchesOfComputerAnswer(answered));
    });
}
