#include "BoardBench.h"
#include "FloodFill.h"
#include "board/GroupSearch.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

// Group searches on boards drawn by the game itself on a surface of the
// window's size: (b) the game's ListGroup against (c) a breadth-first flood
// fill with a visited flag per point, the floor, in alternating rounds over
// the same image, so that their ratio holds on a shared machine.

namespace {

// One group search: the board as it stood, where it starts and the colour.
struct Search
{
    Surface Board;
    int Side;
    Intersection Start;
    Color Stone;
};

// A search on a board drawn to the picture.
Search On(int side, const Picture& picture, Intersection start, Color stone)
{
    return {Table(side, picture).board, side, start, stone};
}

// The middle value; the values are reordered.
double Median(std::vector<double>& values)
{
    const auto middle = values.begin() + std::ptrdiff_t(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// (b) against (c): each iteration is a round of b, c, c, b, so that
// whichever profits from running second does so as often as the other,
// and each round gives a ratio. The medians of the rounds are reported,
// in microseconds a search and as b/c.
void RegisterRace(const std::string& position, const std::vector<Search>& searches)
{
    const std::string name = "Search/" + position + "/b:ListGroup vs c:flood";
    Repeated(benchmark::RegisterBenchmark(name.c_str(), [searches](benchmark::State& state) {
        std::vector<std::int16_t> xs;
        std::vector<std::int16_t> ys;
        std::vector<Intersection> group;
        std::size_t listed = 0;
        std::size_t flooded = 0;
        const auto b = [&] {
            listed = 0;
            for (const Search& s : searches) {
                ListGroup(s.Board, s.Side, s.Side, s.Start, s.Stone, xs, ys, [] {});
                listed += xs.size();
            }
        };
        const auto c = [&] {
            flooded = 0;
            for (const Search& s : searches) {
                FloodFill(s.Side, s.Side, s.Start,
                          [&](int col, int row) { return ProbeColorAt(s.Board, col, row) == s.Stone; },
                          group);
                flooded += group.size();
            }
        };
        std::vector<double> bs;
        std::vector<double> cs;
        std::vector<double> ratios;
        for (auto _ : state) {
            const double b1 = ProcessorSeconds(b);
            const double c1 = ProcessorSeconds(c);
            const double c2 = ProcessorSeconds(c);
            const double b2 = ProcessorSeconds(b);
            if (flooded != listed)
                state.SkipWithError("the two searches found different groups");
            state.SetIterationTime(b1 + c1 + c2 + b2);
            bs.push_back((b1 + b2) / 2);
            cs.push_back((c1 + c2) / 2);
            ratios.push_back((b1 + b2) / (c1 + c2));
        }
        state.counters["b us"] = Median(bs) * 1e6;
        state.counters["c us"] = Median(cs) * 1e6;
        state.counters["b/c"] = Median(ratios);
        state.counters["stones"] = double(listed);
    }))->UseManualTime();
}

// The searches of the computer's three stones, which capture a black
// serpentine, each with the board as it stood then. A search lists its
// start point alone when its first pass begins; the colour is white for a
// stone's own group and the capture colour for the groups around it. The
// passes of (b) must add up to the yields of the turn.
std::vector<Search> SearchesOfComputerAnswer(int side)
{
    Table table(side, Without(Snake(side, Black), {side, side}), QStringLiteral("1"));
    const GameState& state = table.game.State;
    std::vector<Search> searches;
    table.desktop.OnYield = [&] {
        if (state.GroupX.size() == 1)
            searches.push_back({table.board, side, {state.GroupX[0], state.GroupY[0]},
                                state.CaptureState == Capture::OwnGroup ? White : state.CaptureColor});
    };
    table.game.ComputerTurn();
    int passes = 0;
    std::vector<std::int16_t> xs;
    std::vector<std::int16_t> ys;
    for (const Search& s : searches)
        passes += ListGroup(s.Board, side, side, s.Start, s.Stone, xs, ys, [] {}).Passes;
    if (passes != table.desktop.Yields)
        qFatal("the searches of the computer's answer were not all recorded");
    return searches;
}

} // namespace

// Searched from the bottom right corner: a white serpentine between black
// walls, where it runs up and to the left, a black staircase, and black
// everywhere but the top left corner.
int main(int argc, char** argv)
{
    return RunOffscreen(argc, argv, [] {
        for (const int side : {19, 50, 99})
            RegisterRace("snake " + Dimensions(side),
                         {On(side, Snake(side, White), {side, side}, White)});
        const int side = 99;
        const Intersection corner{side, side};
        const std::string size = " " + Dimensions(side);
        RegisterRace("staircase" + size,
                     {On(side, Along(side, StaircasePath(side), Black, Empty), corner, Black)});
        RegisterRace("covered" + size,
                     {On(side, Without([](int, int) { return Black; }, {1, 1}), corner, Black)});
        RegisterRace("computer answer" + size, SearchesOfComputerAnswer(side));
    });
}
