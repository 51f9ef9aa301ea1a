#include "BoardShapes.h"
#include "ScanningGroupSearch.h"
#include "Table.h"
#include "board/GroupSearch.h"

#include <QTest>

#include <algorithm>
#include <random>
#include <vector>

// Fails with the text of a problem when there is one.
#define VERIFY_NO_PROBLEM(problem)                                                                 \
    do {                                                                                           \
        const QString text = (problem);                                                            \
        QVERIFY2(text.isEmpty(), qPrintable(text));                                                \
    } while (false)

namespace {

constexpr Color Empty = Table::Background;

// What a board is to show: a colour for every point, Empty where there is
// no stone.
struct Layout
{
    Layout(int cols, int rows, Color fill) : Cols(cols), Rows(rows), points(cols * rows, fill) {}

    Color At(int col, int row) const { return points[(col - 1) * Rows + row - 1]; }
    void Set(int col, int row, Color color) { points[(col - 1) * Rows + row - 1] = color; }

    // Mirrored left to right, top to bottom, and across the diagonal.
    Layout Turned(bool mirrorCols, bool mirrorRows, bool transpose) const
    {
        Layout turned(transpose ? Rows : Cols, transpose ? Cols : Rows, Empty);
        for (int c = 1; c <= Cols; ++c) {
            for (int r = 1; r <= Rows; ++r) {
                const Intersection p = Turn({c, r}, mirrorCols, mirrorRows, transpose);
                turned.Set(p.Col, p.Row, At(c, r));
            }
        }
        return turned;
    }
    Intersection Turn(Intersection p, bool mirrorCols, bool mirrorRows, bool transpose) const
    {
        const int c = mirrorCols ? Cols + 1 - p.Col : p.Col;
        const int r = mirrorRows ? Rows + 1 - p.Row : p.Row;
        return transpose ? Intersection{r, c} : Intersection{c, r};
    }

    QString SizeAnswer() const { return QString::asprintf("%02d%02d", Cols, Rows); }

    // Row by row from the top: X black, O white, . empty.
    QString Picture() const
    {
        QString picture;
        for (int r = 1; r <= Rows; ++r) {
            picture += u'\n';
            for (int c = 1; c <= Cols; ++c)
                picture += At(c, r) == Black ? u'X' : At(c, r) == White ? u'O' : u'.';
        }
        return picture;
    }

    int Cols;
    int Rows;

private:
    std::vector<Color> points;
};

// A chain of one colour along a path, everything else in another colour.
struct Snake
{
    Layout Board;
    std::vector<Intersection> Path;
};

Snake SnakeAlong(int cols, int rows, const std::vector<Intersection>& path, Color stone,
                 Color rest)
{
    Snake snake{Layout(cols, rows, rest), path};
    for (const Intersection& p : path)
        snake.Board.Set(p.Col, p.Row, stone);
    return snake;
}

// Boards of one size drawn with the game's own stones, and the two
// searches run side by side on the board last drawn.
class DrawnBoard
{
public:
    explicit DrawnBoard(const QString& windowAnswer) : layout(0, 0, Empty), table(windowAnswer) {}

    // Empty when every point reads back as drawn.
    QString Draw(const Layout& drawn)
    {
        layout = drawn;
        table.NewGame(layout.SizeAnswer());
        for (int c = 1; c <= layout.Cols; ++c)
            for (int r = 1; r <= layout.Rows; ++r)
                if (layout.At(c, r) != Empty)
                    table.Put(layout.At(c, r), {{c, r}});
        for (int c = 1; c <= layout.Cols; ++c)
            for (int r = 1; r <= layout.Rows; ++r)
                if (table.Probe(c, r) != layout.At(c, r))
                    return QString::asprintf("(%d, %d) misdrawn on", c, r) + layout.Picture();
        return {};
    }

    // Empty when the fast search gives the reference's list and passes.
    QString Difference(Intersection start, Color color) const
    {
        const ScannedGroup expected = Reference(start, color);
        std::vector<std::int16_t> xs;
        std::vector<std::int16_t> ys;
        int passesStarted = 0;
        const int passes = ListGroup(table.board, layout.Cols, layout.Rows, start, color, xs, ys,
                                     [&] { ++passesStarted; });
        QString difference;
        if (xs != expected.Xs || ys != expected.Ys)
            difference = FirstDifference(expected, xs, ys);
        else if (passes != expected.Passes || passesStarted != expected.Passes)
            difference = QString::asprintf("%d passes (%d started) instead of %d", passes,
                                           passesStarted, expected.Passes);
        if (difference.isEmpty())
            return {};
        return difference
               + QString::asprintf(" searching %s from (%d, %d) on", color == Black ? "X" : "O",
                                   start.Col, start.Row)
               + layout.Picture();
    }

    ScannedGroup Reference(Intersection start, Color color) const
    {
        return ScanningGroupSearch(table.board, layout.Cols, layout.Rows, start, color);
    }

private:
    static QString FirstDifference(const ScannedGroup& expected,
                                   const std::vector<std::int16_t>& xs,
                                   const std::vector<std::int16_t>& ys)
    {
        std::size_t i = 0;
        while (i < xs.size() && i < expected.Xs.size() && xs[i] == expected.Xs[i]
               && ys[i] == expected.Ys[i])
            ++i;
        const auto entry = [i](const std::vector<std::int16_t>& x,
                               const std::vector<std::int16_t>& y) {
            return i < x.size() ? QString::asprintf("(%d, %d)", x[i], y[i]) : QStringLiteral("end");
        };
        return QString::asprintf("entry %zu of %zu is ", i, xs.size()) + entry(xs, ys)
               + QString::asprintf(" instead of the reference's (%zu entries) ",
                                   expected.Xs.size())
               + entry(expected.Xs, expected.Ys);
    }

    Layout layout;
    Table table;
};

Color Other(Color stone) { return stone == Black ? White : Black; }

std::vector<Intersection> OffBoardBeside(Intersection p, int cols, int rows)
{
    return {{0, p.Row}, {cols + 1, p.Row}, {p.Col, 0}, {p.Col, rows + 1}};
}

} // namespace

class GroupSearchTest : public QObject
{
    Q_OBJECT

private slots:
    // The reference itself where the passes are known: a chain that runs
    // left or up joins a stone a pass, one that runs right or down joins
    // whole in the first pass, diagonal contact does not join and a start
    // off the board gathers nothing.
    void theReferenceJoinsChainsAsTheScanMeetsThem()
    {
        Layout row(9, 7, Empty);
        for (int c = 1; c <= 5; ++c)
            row.Set(c, 4, Black);
        row.Set(6, 3, Black);
        for (const bool transpose : {false, true}) {
            const auto turn = [&](Intersection p) { return row.Turn(p, false, false, transpose); };
            const Layout layout = row.Turned(false, false, transpose);
            DrawnBoard board(layout.SizeAnswer());
            VERIFY_NO_PROBLEM(board.Draw(layout));
            const auto along = [&](const ScannedGroup& group) {
                return transpose ? group.Ys : group.Xs;
            };

            const ScannedGroup leftOrUp = board.Reference(turn({5, 4}), Black);
            QCOMPARE(leftOrUp.Passes, 5);
            QCOMPARE(along(leftOrUp), (std::vector<std::int16_t>{5, 4, 3, 2, 1}));
            const ScannedGroup rightOrDown = board.Reference(turn({1, 4}), Black);
            QCOMPARE(rightOrDown.Passes, 2);
            QCOMPARE(along(rightOrDown), (std::vector<std::int16_t>{1, 2, 3, 4, 5}));
            const ScannedGroup offBoard = board.Reference(turn({0, 4}), Black);
            QCOMPARE(offBoard.Passes, 1);
            QCOMPARE(offBoard.Xs.size(), 1u);
            for (const Intersection start : {turn({5, 4}), turn({1, 4}), turn({0, 4})})
                VERIFY_NO_PROBLEM(board.Difference(start, Black));
        }
    }

    void snakesStaircasesAndSpiralsListAsTheReferenceDoes_data()
    {
        QTest::addColumn<int>("cols");
        QTest::addColumn<int>("rows");
        QTest::newRow("1x1") << 1 << 1;
        QTest::newRow("1x9") << 1 << 9;
        QTest::newRow("9x1") << 9 << 1;
        QTest::newRow("1x60") << 1 << 60;
        QTest::newRow("60x1") << 60 << 1;
        QTest::newRow("2x7") << 2 << 7;
        QTest::newRow("7x2") << 7 << 2;
        QTest::newRow("5x5") << 5 << 5;
        QTest::newRow("8x13") << 8 << 13;
        QTest::newRow("24x11") << 24 << 11;
        QTest::newRow("19x19") << 19 << 19;
        QTest::newRow("23x23") << 23 << 23;
    }
    void snakesStaircasesAndSpiralsListAsTheReferenceDoes()
    {
        QFETCH(int, cols);
        QFETCH(int, rows);
        const Snake shapes[] = {
            SnakeAlong(cols, rows, SerpentinePath(cols, rows), White, Black),
            SnakeAlong(cols, rows, StaircasePath(cols, rows), Black, Empty),
            SnakeAlong(cols, rows, SpiralPath(cols, rows), Black, White),
        };
        for (const Snake& shape : shapes) {
            for (int turn = 0; turn < 8; ++turn) {
                const bool mirrorCols = turn & 1;
                const bool mirrorRows = turn & 2;
                const bool transpose = turn & 4;
                const Layout layout = shape.Board.Turned(mirrorCols, mirrorRows, transpose);
                DrawnBoard board(layout.SizeAnswer());
                VERIFY_NO_PROBLEM(board.Draw(layout));
                const auto turned = [&](Intersection p) {
                    return shape.Board.Turn(p, mirrorCols, mirrorRows, transpose);
                };
                const Intersection head = turned(shape.Path.front());
                const Intersection tail = turned(shape.Path.back());
                const Intersection middle = turned(shape.Path[shape.Path.size() / 2]);
                const Color stone = layout.At(head.Col, head.Row);
                std::vector<Intersection> starts{head, tail, middle};
                for (const Intersection& end : {head, tail})
                    for (const Intersection& outside : OffBoardBeside(end, layout.Cols, layout.Rows))
                        starts.push_back(outside);
                for (const Intersection& start : starts)
                    VERIFY_NO_PROBLEM(board.Difference(start, stone));
                // The walls or the empty points around the snake.
                VERIFY_NO_PROBLEM(board.Difference(middle, Other(stone)));
            }
        }
    }

    // The list has no fixed room: a group of far more than 381 stones is
    // listed whole, from a corner of the board and from the end of a snake.
    void groupsOfManyHundredStonesListAsTheReferenceDoes()
    {
        const std::vector<Intersection> path = SerpentinePath(30, 30);
        Layout covered(30, 30, White);
        covered.Set(1, 1, Empty);
        for (const Snake& shape : {SnakeAlong(30, 30, path, Black, White), Snake{covered, {{30, 30}}}}) {
            DrawnBoard board(shape.Board.SizeAnswer());
            VERIFY_NO_PROBLEM(board.Draw(shape.Board));
            const Intersection start = shape.Path.front();
            const Color stone = shape.Board.At(start.Col, start.Row);
            QVERIFY(board.Reference(start, stone).Xs.size() > 460);
            VERIFY_NO_PROBLEM(board.Difference(start, stone));
        }
    }

    // Boards of every shape up to 13 by 13 at every density, searched from
    // stones of either colour, empty points and points off the board.
    void randomBoardsListAsTheReferenceDoes()
    {
        constexpr int Boards = 3000;
        constexpr int MaxSide = 13;
        std::mt19937 random(20261206);
        const auto below = [&](int n) { return int(random() % unsigned(n)); };
        DrawnBoard board(QStringLiteral("1919"));
        for (int i = 0; i < Boards; ++i) {
            // One board in eight is a single column or row.
            const int cols = below(8) == 0 ? 1 : 1 + below(MaxSide);
            const int rows = below(8) == 0 ? 1 : 1 + below(MaxSide);
            const int emptyPercent = below(70);
            const int blackPercent = below(101);
            Layout layout(cols, rows, Empty);
            for (int c = 1; c <= cols; ++c)
                for (int r = 1; r <= rows; ++r)
                    if (below(100) >= emptyPercent)
                        layout.Set(c, r, below(100) < blackPercent ? Black : White);
            VERIFY_NO_PROBLEM(board.Draw(layout));

            const Intersection inside{1 + below(cols), 1 + below(rows)};
            std::vector<Intersection> starts{
                inside, {1 + below(cols), 1 + below(rows)}, {1 + below(cols), 1 + below(rows)}};
            starts.push_back(OffBoardBeside(inside, cols, rows)[below(4)]);
            for (const Intersection& start : starts) {
                const Color color = below(2) == 0 ? Black : White;
                VERIFY_NO_PROBLEM(board.Difference(start, color));
            }
        }
    }
};

QTEST_MAIN(GroupSearchTest)
#include "tst_group_search.moc"
