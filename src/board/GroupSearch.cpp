#include "GroupSearch.h"

#include "PointMarks.h"

#include <algorithm>
#include <iterator>

namespace {

// A point's place in a pass over the board.
class ScanOrder
{
public:
    ScanOrder(int cols, int rows) : cols(cols), rows(rows) {}

    bool OnBoard(int col, int row) const
    {
        return col >= 1 && col <= cols && row >= 1 && row <= rows;
    }
    std::int64_t Position(int col, int row) const
    {
        return std::int64_t(col - 1) * rows + (row - 1);
    }
    Intersection At(std::int64_t position) const
    {
        return {int(position / rows) + 1, int(position % rows) + 1};
    }

private:
    int cols;
    int rows;
};

// Points waiting to join, kept in scan order. A listed point's neighbours
// below it and to its right come later in the same pass; those above it
// and to its left were passed already and wait for the next pass. Points
// join in scan order, so each of these four streams is sorted by itself.
class GroupGrower
{
public:
    GroupGrower(const Surface& board, int cols, int rows, Color color,
                std::vector<std::int16_t>& xs, std::vector<std::int16_t>& ys)
        : board(board), order(cols, rows), rows(rows), color(color), xs(xs), ys(ys)
    {
    }

    void ListStart(Intersection start)
    {
        xs.assign(1, std::int16_t(start.Col));
        ys.assign(1, std::int16_t(start.Row));
        // A start point off the board has no neighbour to join.
        if (!order.OnBoard(start.Col, start.Row))
            return;
        marks.Set(order.Position(start.Col, start.Row), PointMarks::Listed);
        // In the first pass every neighbour of the start point joins.
        for (const Intersection& n : Neighbours(start))
            Offer(n, thisPass);
        std::sort(thisPass.begin(), thisPass.end());
    }

    // One pass; false when it added nothing.
    bool Pass()
    {
        const std::size_t countBefore = xs.size();
        std::size_t nextCarried = 0;
        std::size_t nextRight = 0;
        for (;;) {
            const bool carried = nextCarried < thisPass.size();
            const bool right = nextRight < laterInPass.size();
            if (!carried && !right)
                break;
            const bool takeCarried =
                carried && (!right || thisPass[nextCarried] < laterInPass[nextRight]);
            Join(takeCarried ? thisPass[nextCarried++] : laterInPass[nextRight++]);
        }
        thisPass.clear();
        laterInPass.clear();
        std::merge(leftForNext.begin(), leftForNext.end(), aboveForNext.begin(),
                   aboveForNext.end(), std::back_inserter(thisPass));
        leftForNext.clear();
        aboveForNext.clear();
        return xs.size() != countBefore;
    }

private:
    std::array<Intersection, 4> Neighbours(Intersection p) const
    {
        return {{{p.Col - 1, p.Row}, {p.Col, p.Row - 1}, {p.Col + 1, p.Row}, {p.Col, p.Row + 1}}};
    }

    // Whether a neighbour of a listed point becomes a candidate: it lies on
    // the board, shows the colour and was not met before. Each point is
    // read once, and the first pass it is queued for is the one it joins.
    bool Admit(Intersection p)
    {
        if (!order.OnBoard(p.Col, p.Row))
            return false;
        const std::int64_t position = order.Position(p.Col, p.Row);
        if (marks.Get(position) != PointMarks::Unseen)
            return false;
        const bool ofColor = ProbeColorAt(board, p.Col, p.Row) == color;
        marks.Set(position, ofColor ? PointMarks::Candidate : PointMarks::OtherColor);
        return ofColor;
    }

    void Offer(Intersection p, std::vector<std::int64_t>& queue)
    {
        if (Admit(p))
            queue.push_back(order.Position(p.Col, p.Row));
    }

    // Lists a point and, below it, the run of points that join right
    // after it in the same pass.
    void Join(std::int64_t position)
    {
        for (bool joining = true; joining;) {
            const Intersection p = order.At(position);
            marks.Set(position, PointMarks::Listed);
            xs.push_back(std::int16_t(p.Col));
            ys.push_back(std::int16_t(p.Row));
            Offer({p.Col - 1, p.Row}, leftForNext);
            Offer({p.Col, p.Row - 1}, aboveForNext);
            Offer({p.Col + 1, p.Row}, laterInPass);
            // The point below is the very next in the scan.
            joining = p.Row < rows && Admit({p.Col, p.Row + 1});
            ++position;
        }
    }

    const Surface& board;
    ScanOrder order;
    int rows;
    Color color;
    std::vector<std::int16_t>& xs;
    std::vector<std::int16_t>& ys;
    PointMarks marks;
    std::vector<std::int64_t> thisPass;
    std::vector<std::int64_t> laterInPass;
    std::vector<std::int64_t> leftForNext;
    std::vector<std::int64_t> aboveForNext;
};

} // namespace

int ListGroup(const Surface& board, int cols, int rows, Intersection start, Color color,
              std::vector<std::int16_t>& xs, std::vector<std::int16_t>& ys,
              const std::function<void()>& startPass)
{
    GroupGrower grower(board, cols, rows, color, xs, ys);
    grower.ListStart(start);
    int passes = 0;
    bool added = true;
    while (added) {
        startPass();
        ++passes;
        added = grower.Pass();
    }
    return passes;
}
