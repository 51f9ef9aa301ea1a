#include "Table.h"

#include <QRandomGenerator>
#include <QTest>

#include <vector>

namespace {

std::vector<Intersection> AllPoints(int cols, int rows)
{
    std::vector<Intersection> points;
    for (int c = 1; c <= cols; ++c)
        for (int r = 1; r <= rows; ++r)
            points.push_back({c, r});
    return points;
}

// On a board of one column or one row the repair leaves a stub of line
// that the fresh board lacks, half a step long, away from every probe point
// and crossing: there the two boards are compared where the rules read.
void CompareBoards(const Table& repaired, const Table& fresh, int cols, int rows)
{
    if (cols > 1 && rows > 1) {
        QCOMPARE(repaired.board.Image(), fresh.board.Image());
        return;
    }
    for (int c = 0; c <= cols + 1; ++c) {
        for (int r = 0; r <= rows + 1; ++r) {
            QCOMPARE(repaired.Probe(c, r), fresh.Probe(c, r));
            QCOMPARE(repaired.Crossing(c, r), fresh.Crossing(c, r));
        }
    }
}

void PutAll(Table& table, Color stone, const std::vector<Intersection>& points)
{
    for (const Intersection& p : points)
        table.Put(stone, {p});
}

// The group list as (column, row) pairs, for comparing with a literal.
std::vector<std::pair<int, int>> Listed(const GameState& state)
{
    std::vector<std::pair<int, int>> entries;
    for (std::size_t i = 0; i < state.GroupX.size(); ++i)
        entries.emplace_back(state.GroupX[i], state.GroupY[i]);
    return entries;
}

} // namespace

class RulesTest : public QObject
{
    Q_OBJECT

private slots:
    void aStoneGoesDownOnAnEmptyPointOfTheBoard()
    {
        Table table;
        table.NewGame(QStringLiteral("0909"));
        GameState& state = table.game.State;
        state.MovePlaced = 0;
        table.game.PlaceStone(1, 1);
        QCOMPARE(state.MovePlaced, 1);
        QVERIFY(state.WhiteToMove);
        QCOMPARE(table.Probe(1, 1), Black);
        QCOMPARE(table.Crossing(1, 1), Black);

        table.game.PlaceStone(9, 9);
        QCOMPARE(table.Probe(9, 9), White);
        QVERIFY(!state.WhiteToMove);
    }

    void occupiedAndOffBoardPointsChangeNothing()
    {
        Table table;
        table.NewGame(QStringLiteral("0909"));
        table.Put(Black, {{5, 5}});
        GameState& state = table.game.State;
        const QImage before = table.board.Image();
        const bool side = state.WhiteToMove;
        for (const Intersection& p :
             std::vector<Intersection>{{5, 5}, {0, 5}, {5, 0}, {10, 5}, {5, 10}, {-3, 4}}) {
            state.MovePlaced = 7;
            table.game.PlaceStone(p.Col, p.Row);
            QCOMPARE(state.MovePlaced, 7);
        }
        QCOMPARE(state.WhiteToMove, side);
        QCOMPARE(table.board.Image(), before);
    }

    void aStarPointIsEmptyForPlacement()
    {
        Table table;
        table.NewGame(QStringLiteral("1919"));
        table.game.State.MovePlaced = 0;
        table.game.PlaceStone(4, 4);
        QCOMPARE(table.game.State.MovePlaced, 1);
        QCOMPARE(table.Probe(4, 4), Black);
    }

    void aMoveTakesOffTheGroupsItLeavesWithoutALiberty()
    {
        // Two white groups, each with its last liberty at (5, 5).
        Table table;
        table.NewGame(QStringLiteral("0909"));
        table.Put(White, {{4, 5}, {3, 5}, {5, 6}});
        table.Put(Black, {{2, 5}, {3, 4}, {4, 4}, {3, 6}, {4, 6}, {4, 7}, {6, 6}, {5, 7}});
        table.game.State.WhiteToMove = false;
        table.game.PlaceStone(5, 5);
        table.game.State.CaptureState = 0;
        table.game.CheckCaptures(5, 5);
        for (const Intersection& p : std::vector<Intersection>{{4, 5}, {3, 5}, {5, 6}})
            QCOMPARE(table.Probe(p.Col, p.Row), Table::Background);
        QCOMPARE(table.Probe(5, 5), Black);
        QCOMPARE(table.Probe(2, 5), Black);
    }

    void aGroupTouchingTheStoneTwiceIsTestedFromTheFirstSideOnly()
    {
        // White (4,5)-(4,4)-(5,4) touches (5,5) on the left and above.
        Table table;
        table.NewGame(QStringLiteral("0909"));
        table.Put(White, {{4, 5}, {4, 4}, {5, 4}});
        table.Put(Black, {{3, 5}, {4, 6}, {3, 4}, {4, 3}, {5, 3}, {6, 4}});
        table.game.State.WhiteToMove = false;
        table.game.PlaceStone(5, 5);
        table.game.State.CaptureState = 0;
        table.desktop.Yields = 0;
        table.game.CheckCaptures(5, 5);
        QCOMPARE(table.Probe(4, 4), Table::Background);
        QCOMPARE(table.Probe(5, 4), Table::Background);
        // The left test lists the group in two passes and takes it off;
        // the point above then no longer shows white.
        QCOMPARE(table.desktop.Yields, 2);
        QCOMPARE(Listed(table.game.State).front(), std::make_pair(4, 5));
    }

    void anEmptyPointRingedByWhiteIsClearedAfterAWhiteMove()
    {
        Table table;
        table.NewGame(QStringLiteral("1919"));
        table.Put(White, {{3, 4}, {4, 3}, {4, 5}});
        table.game.State.WhiteToMove = true;
        table.game.PlaceStone(5, 4);
        table.game.State.CaptureState = 0;
        table.game.CheckCaptures(5, 4);
        // The capture check started from the empty star point (4, 4), found
        // no liberty and cleared it: the dot is gone, the crossing stays.
        QCOMPARE(table.board.ColorAt(4.04f, 4.04f), Table::Background);
        QCOMPARE(table.Crossing(4, 4), Black);
        QCOMPARE(table.Probe(4, 4), Table::Background);
        table.game.RedrawStarPoints();
        QCOMPARE(table.board.ColorAt(4.04f, 4.04f), Black);
    }

    void anEmptyPointWithABlackNeighbourLives()
    {
        Table table;
        table.NewGame(QStringLiteral("1919"));
        table.Put(White, {{3, 4}, {4, 3}, {5, 4}});
        table.Put(Black, {{4, 5}, {3, 5}, {5, 5}, {4, 6}});
        table.game.State.CaptureState = 0;
        table.game.TestGroup(4, 4, Black);
        // The black stone joins through the empty start point, whose probe
        // shows the background: a liberty, and the dot stays.
        QCOMPARE(Listed(table.game.State),
                 (std::vector<std::pair<int, int>>{{4, 4}, {4, 5}, {4, 6}, {5, 5}, {3, 5}}));
        QCOMPARE(table.board.ColorAt(4.04f, 4.04f), Black);
        QCOMPARE(table.Probe(4, 5), Black);
    }

    void chainsRunningLeftAndUpTakeAPassAStone_data()
    {
        QTest::addColumn<bool>("backwards");
        QTest::addColumn<bool>("vertical");
        QTest::newRow("left") << true << false;
        QTest::newRow("up") << true << true;
        QTest::newRow("right") << false << false;
        QTest::newRow("down") << false << true;
    }
    void chainsRunningLeftAndUpTakeAPassAStone()
    {
        QFETCH(bool, backwards);
        QFETCH(bool, vertical);
        Table table;
        table.NewGame(QStringLiteral("1919"));
        const int length = 12;
        std::vector<std::pair<int, int>> chain;
        for (int i = 0; i < length; ++i) {
            const int along = backwards ? 15 - i : 3 + i;
            chain.push_back(vertical ? std::make_pair(7, along) : std::make_pair(along, 7));
            table.Put(Black, {{chain.back().first, chain.back().second}});
        }
        table.desktop.Yields = 0;
        table.game.TestGroup(chain[0].first, chain[0].second, Black);
        QCOMPARE(Listed(table.game.State), chain);
        QCOMPARE(table.desktop.Yields, backwards ? length : 2);
    }

    void diagonalContactDoesNotJoin()
    {
        Table table;
        table.NewGame(QStringLiteral("0909"));
        table.Put(Black, {{3, 3}, {4, 4}, {5, 5}, {4, 2}});
        table.game.TestGroup(4, 4, Black);
        QCOMPARE(Listed(table.game.State), (std::vector<std::pair<int, int>>{{4, 4}}));
    }

    void edgesAreNoLiberties()
    {
        Table table;
        table.NewGame(QStringLiteral("0909"));
        table.Put(Black, {{1, 1}, {9, 5}});
        table.Put(White, {{2, 1}, {1, 2}, {8, 5}, {9, 4}, {9, 6}});
        table.game.State.CaptureState = 0;
        table.game.TestGroup(1, 1, Black);
        table.game.TestGroup(9, 5, Black);
        QCOMPARE(table.Probe(1, 1), Table::Background);
        QCOMPARE(table.Probe(9, 5), Table::Background);
        QCOMPARE(table.Probe(2, 1), White);
    }

    void aStartPointOffTheBoardGathersNothing()
    {
        Table table;
        table.NewGame(QStringLiteral("0909"));
        table.Put(Black, {{1, 5}, {9, 5}, {5, 1}, {5, 9}});
        for (const Intersection& off :
             std::vector<Intersection>{{0, 5}, {10, 5}, {5, 0}, {5, 10}}) {
            table.game.TestGroup(off.Col, off.Row, Black);
            QCOMPARE(Listed(table.game.State),
                     (std::vector<std::pair<int, int>>{{off.Col, off.Row}}));
        }
    }

    void theOwnGroupTestTakesBackTheNewStoneAlone()
    {
        Table table;
        table.NewGame(QStringLiteral("0909"));
        // A black group of five with its last liberty at (3, 1).
        table.Put(Black, {{1, 1}, {2, 1}, {1, 2}, {1, 3}, {2, 2}});
        table.Put(White, {{4, 1}, {3, 2}, {2, 3}, {1, 4}});
        table.game.State.WhiteToMove = false;
        table.game.PlaceStone(3, 1);
        table.game.State.CaptureState = 1;
        table.game.TestGroup(3, 1, Black);
        QCOMPARE(table.game.State.CaptureState, 2);
        QCOMPARE(table.game.State.GroupX.size(), 6u);
        QCOMPARE(table.Probe(3, 1), Table::Background);
        for (const Intersection& p : std::vector<Intersection>{{1, 1}, {2, 1}, {1, 2}, {1, 3}, {2, 2}})
            QCOMPARE(table.Probe(p.Col, p.Row), Black);

        table.Put(White, {{3, 1}});
        table.game.State.CaptureState = 5;
        table.game.TestGroup(1, 1, Black);
        QCOMPARE(table.game.State.CaptureState, 5);
        QCOMPARE(table.Probe(2, 2), Table::Background);
    }

    void aGroupLargerThan381StonesGoesWhole()
    {
        Table table(QStringLiteral("3030"));
        table.NewGame(QStringLiteral("3030"));
        const std::vector<Intersection> points = AllPoints(30, 30);
        PutAll(table, White, points);
        table.game.State.CaptureState = 0;
        table.game.TestGroup(30, 30, White);
        QCOMPARE(table.game.State.GroupX.size(), 900u);
        for (const Intersection& p : points)
            QCOMPARE(table.Probe(p.Col, p.Row), Table::Background);
    }

    // Taking stones off must leave exactly the drawing of a board on which
    // they never stood.
    void theRepairRestoresTheFreshBoard_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("answer");
        QTest::newRow("19 by 19") << "1919" << "1919";
        QTest::newRow("8 by 10, units differ") << "0810" << "0810";
        QTest::newRow("one column") << "1919" << "0107";
        QTest::newRow("one row") << "1919" << "0701";
        QTest::newRow("one point") << "1919" << "0101";
        QTest::newRow("smaller than the window") << "1919" << "1213";
        QTest::newRow("fine grid") << "5050" << "5050";
    }
    void theRepairRestoresTheFreshBoard()
    {
        QFETCH(QString, window);
        QFETCH(QString, answer);
        Table fresh(window);
        fresh.NewGame(answer);
        const int cols = fresh.game.State.BoardCols;
        const int rows = fresh.game.State.BoardRows;

        Table whole(window);
        whole.NewGame(answer);
        PutAll(whole, White, AllPoints(cols, rows));
        whole.game.State.CaptureState = 0;
        whole.game.TestGroup(cols, rows, White);
        if (cols == 19 && rows == 19)
            whole.game.RedrawStarPoints();
        CompareBoards(whole, fresh, cols, rows);

        // Some stones taken off among others that stay.
        Table mixed(window);
        mixed.NewGame(answer);
        QRandomGenerator random(cols * 100 + rows);
        for (const Intersection& p : AllPoints(cols, rows)) {
            const Color stone = random.bounded(2) ? Black : White;
            mixed.Put(stone, {p});
            if (random.bounded(3) == 0) {
                mixed.board.SetFillColor(Table::Background);
                mixed.game.ClearPoint(p.Col, p.Row);
            } else {
                fresh.Put(stone, {p});
            }
        }
        if (cols == 19 && rows == 19)
            mixed.game.RedrawStarPoints();
        CompareBoards(mixed, fresh, cols, rows);
    }
};

QTEST_MAIN(RulesTest)
#include "tst_rules.moc"
