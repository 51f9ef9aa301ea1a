#include "GroupSearch.h"

#include "PointMarks.h"

#include <algorithm>
#include <iterator>

namespace {

// A point's place in a pass over the board: column first, then row. Both
// fit the list's 16 bits, so the key is the two side by side.
using ScanKey = std::uint32_t;

ScanKey KeyOf(int col, int row) { return ScanKey(col) << 16 | ScanKey(row); }
Intersection PointOf(ScanKey key) { return {int(key >> 16), int(key & 0xFFFF)}; }

// Points waiting to join, kept in scan order. A listed point's neighbours
// below it and to its right come later in the same pass; those above it
// and to its left were passed already and wait for the next pass. Points
// join in scan order, so each of these four streams is sorted by itself.
class GroupGrower
{
public:
    GroupGrower(const Surface& board, int cols, int rows, Intersection start, Color color,
                std::vector<std::int16_t>& xs, std::vector<std::int16_t>& ys)
        : board(board), cols(cols), rows(rows), color(color), xs(xs), ys(ys),
          marks(cols, rows, start)
    {
        xs.assign(1, std::int16_t(start.Col));
        ys.assign(1, std::int16_t(start.Row));
        // A start point off the board has no neighbour to join.
        if (!OnBoard(start.Col, start.Row))
            return;
        marks.At(start.Col, start.Row) = PointMarks::Listed;
        startEmpty = ProbeColorAt(board, start.Col, start.Row) == board.BackColor();
        // In the first pass every neighbour of the start point joins.
        Offer(start.Col - 1, start.Row, thisPass);
        Offer(start.Col, start.Row - 1, thisPass);
        Offer(start.Col + 1, start.Row, thisPass);
        Offer(start.Col, start.Row + 1, thisPass);
        std::sort(thisPass.begin(), thisPass.end());
    }

    // Whether a point read beside the group showed the background. An
    // empty start point is beside the others, if there are any.
    bool LibertyMet() const { return libertyMet || (startEmpty && xs.size() > 1); }

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
    bool OnBoard(int col, int row) const
    {
        return col >= 1 && col <= cols && row >= 1 && row <= rows;
    }

    // Whether a neighbour of a listed point becomes a candidate: it lies on
    // the board, shows the colour and was not met before. Each point is
    // read once, and the first pass it is queued for is the one it joins.
    // An empty one is a liberty; beyond the edge nothing is read, so
    // nothing there is a liberty, whatever it shows.
    bool Admit(int col, int row)
    {
        if (!OnBoard(col, row))
            return false;
        PointMarks::Mark& mark = marks.At(col, row);
        if (mark != PointMarks::Unseen)
            return false;
        const Color shown = ProbeColorAt(board, col, row);
        libertyMet |= shown == board.BackColor();
        const bool ofColor = shown == color;
        mark = ofColor ? PointMarks::Candidate : PointMarks::OtherColor;
        return ofColor;
    }

    void Offer(int col, int row, std::vector<ScanKey>& queue)
    {
        if (Admit(col, row))
            queue.push_back(KeyOf(col, row));
    }

    // Lists a point and, below it, the run of points that join right
    // after it in the same pass.
    void Join(ScanKey key)
    {
        const Intersection p = PointOf(key);
        for (int row = p.Row;; ++row) {
            marks.At(p.Col, row) = PointMarks::Listed;
            xs.push_back(std::int16_t(p.Col));
            ys.push_back(std::int16_t(row));
            Offer(p.Col - 1, row, leftForNext);
            Offer(p.Col, row - 1, aboveForNext);
            Offer(p.Col + 1, row, laterInPass);
            // The point below is the very next in the scan.
            if (!Admit(p.Col, row + 1))
                return;
        }
    }

    const Surface& board;
    int cols;
    int rows;
    Color color;
    std::vector<std::int16_t>& xs;
    std::vector<std::int16_t>& ys;
    PointMarks marks;
    bool libertyMet = false;
    bool startEmpty = false;
    std::vector<ScanKey> thisPass;
    std::vector<ScanKey> laterInPass;
    std::vector<ScanKey> leftForNext;
    std::vector<ScanKey> aboveForNext;
};

} // namespace

GroupFound ListGroup(const Surface& board, int cols, int rows, Intersection start, Color color,
                     std::vector<std::int16_t>& xs, std::vector<std::int16_t>& ys,
                     const std::function<void()>& startPass)
{
    GroupGrower grower(board, cols, rows, start, color, xs, ys);
    int passes = 0;
    bool added = true;
    while (added) {
        startPass();
        ++passes;
        added = grower.Pass();
    }
    return {passes, grower.LibertyMet()};
}
