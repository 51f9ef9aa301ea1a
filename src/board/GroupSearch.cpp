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
        if (!OnBoard(start, cols, rows))
            return;
        marks.At(start.Col, start.Row) = PointMarks::Listed;
        startEmpty = ProbeColorAt(board, start.Col, start.Row) == board.BackColor();
        // In the first pass every neighbour of the start point joins.
        for (const Intersection step : LeftUpRightDown)
            Offer(start + step, thisPass);
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
    // Whether a neighbour of a listed point becomes a candidate: it lies on
    // the board, shows the colour and was not met before. Each point is
    // read once, and the first pass it is queued for is the one it joins.
    // An empty one is a liberty; beyond the edge nothing is read, so
    // nothing there is a liberty, whatever it shows.
    bool Admit(Intersection point)
    {
        if (!OnBoard(point, cols, rows))
            return false;
        PointMarks::Mark& mark = marks.At(point.Col, point.Row);
        if (mark != PointMarks::Unseen)
            return false;
        const Color shown = ProbeColorAt(board, point.Col, point.Row);
        libertyMet |= shown == board.BackColor();
        const bool ofColor = shown == color;
        mark = ofColor ? PointMarks::Candidate : PointMarks::OtherColor;
        return ofColor;
    }

    void Offer(Intersection point, std::vector<ScanKey>& queue)
    {
        if (Admit(point))
            queue.push_back(KeyOf(point.Col, point.Row));
    }

    // Lists a point and, below it, the run of points that join right
    // after it in the same pass.
    void Join(ScanKey key)
    {
        for (Intersection point = PointOf(key);; point = point + Down) {
            marks.At(point.Col, point.Row) = PointMarks::Listed;
            xs.push_back(std::int16_t(point.Col));
            ys.push_back(std::int16_t(point.Row));
            Offer(point + Left, leftForNext);
            Offer(point + Up, aboveForNext);
            Offer(point + Right, laterInPass);
            // The point below is the very next in the scan.
            if (!Admit(point + Down))
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
