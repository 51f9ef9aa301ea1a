#include "ReleaseOver.h"
#include "ScriptedPlatform.h"
#include "board/Geometry.h"
#include "window/VorOdAra.h"

#include <QAction>
#include <QTest>

#include <initializer_list>

namespace {

constexpr Color Background = Rgb(192, 192, 255);

// The real window with scripted prompts, played by mouse releases.
struct Match
{
    Match(const QString& boardAnswer, const QString& mode = QStringLiteral("2"),
          const QString& windowAnswer = QStringLiteral("1919"))
        : window(desktop)
    {
        desktop.Answers = {windowAnswer, boardAnswer, mode};
        window.Load();
    }

    void ReleaseAt(double x, double y, Qt::MouseButton button = Qt::LeftButton,
                   Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        ReleaseOver(window, x, y, button, modifiers);
    }

    void Click(int column, int row) { ReleaseAt(column, row); }

    void Clicks(std::initializer_list<Intersection> points)
    {
        for (const Intersection& p : points)
            Click(p.Col, p.Row);
    }

    // Stones drawn as a move draws them, without the rules after it.
    void Put(Color stone, std::initializer_list<Intersection> points)
    {
        for (const Intersection& p : points) {
            State().WhiteToMove = stone == White;
            window.Play().PlaceStone(p.Col, p.Row);
        }
        State().WhiteToMove = false;
    }

    // Random numbers that make the computer choose the given points.
    void ComputerAnswers(int stones, std::initializer_list<Intersection> points)
    {
        desktop.Randoms.push_back((stones - 1 + 0.5f) / 3);
        for (const Intersection& p : points) {
            desktop.Randoms.push_back((p.Col - 1 + 0.5f) / State().BoardCols);
            desktop.Randoms.push_back((p.Row - 1 + 0.5f) / State().BoardRows);
        }
    }

    Color Probe(int column, int row) const { return ProbeColorAt(window.Board(), column, row); }
    GameState& State() { return window.Play().State; }
    QAction* Command(const char* name) { return window.findChild<QAction*>(QString::fromUtf8(name)); }

    QString Count()
    {
        Command("计数")->trigger();
        return desktop.Messages.back();
    }

    ScriptedPlatform desktop;
    VorOdAra window;
};

// The mode answers of the two kinds of game, as test data.
void BothModes()
{
    QTest::addColumn<QString>("mode");
    QTest::newRow("two players") << "2";
    QTest::newRow("against the computer") << "1";
}

} // namespace

class PlayTest : public QObject
{
    Q_OBJECT

private slots:
    void twoPlayersAlternateAndCapture()
    {
        Match match(QStringLiteral("0909"));
        match.Clicks({{1, 1}, {1, 2}, {5, 5}});
        QCOMPARE(match.Probe(1, 1), Black);
        QCOMPARE(match.Probe(1, 2), White);
        QCOMPARE(match.Probe(5, 5), Black);
        // White takes the corner stone.
        match.Click(2, 1);
        QCOMPARE(match.Probe(1, 1), Background);
        // Black takes (2, 1) back by playing into the corner, which has no
        // liberty until the capture frees one.
        match.Clicks({{3, 1}, {9, 9}, {2, 2}, {9, 8}, {1, 1}});
        QCOMPARE(match.Probe(1, 1), Black);
        QCOMPARE(match.Probe(2, 1), Background);
        QCOMPARE(match.Probe(1, 2), White);
        QCOMPARE(match.Count(), QStringLiteral("黑子4  白子3"));
        QVERIFY(match.State().WhiteToMove);
    }

    void oneStoneTakesSeveralGroups()
    {
        Match match(QStringLiteral("0909"));
        match.Put(White, {{4, 5}, {6, 5}, {5, 4}});
        match.Put(Black, {{3, 5}, {4, 4}, {4, 6}, {7, 5}, {6, 4}, {6, 6}, {5, 3}});
        match.Click(5, 5);
        QCOMPARE(match.Probe(4, 5), Background);
        QCOMPARE(match.Probe(6, 5), Background);
        QCOMPARE(match.Probe(5, 4), Background);
        QCOMPARE(match.Probe(5, 5), Black);
        QVERIFY(match.State().WhiteToMove);
    }

    void aMoveWithoutALibertyIsRefused_data() { BothModes(); }
    void aMoveWithoutALibertyIsRefused()
    {
        QFETCH(QString, mode);
        Match match(QStringLiteral("0909"), mode);
        match.Put(White, {{1, 2}, {2, 1}});
        const QString before = match.Count();
        match.Click(1, 1);
        QCOMPARE(match.Probe(1, 1), Background);
        QCOMPARE(match.State().CaptureState, 2);
        QVERIFY(!match.State().WhiteToMove);
        QCOMPARE(match.Count(), before);
        // No answer from the computer.
        QCOMPARE(match.desktop.Beeps, 0);
        QCOMPARE(match.desktop.RandomsDrawn, 0);
    }

    void aMoveThatCapturesIsNeverRefused()
    {
        Match match(QStringLiteral("0909"));
        // White (1, 1) has its last liberty at (2, 1), where black has none.
        match.Put(White, {{1, 1}, {3, 1}, {2, 2}});
        match.Put(Black, {{1, 2}, {4, 1}, {3, 2}});
        match.Click(2, 1);
        QCOMPARE(match.Probe(2, 1), Black);
        QCOMPARE(match.Probe(1, 1), Background);
        QCOMPARE(match.Probe(3, 1), Background);
        QVERIFY(match.State().WhiteToMove);
    }

    void starDotsComeBackAfterACaptureOnlyOn19By19_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("dotBack");
        QTest::newRow("19 by 19") << "1919" << true;
        QTest::newRow("13 by 13") << "1313" << false;
    }
    void starDotsComeBackAfterACaptureOnlyOn19By19()
    {
        QFETCH(QString, answer);
        QFETCH(bool, dotBack);
        Match match(answer);
        match.Put(White, {{4, 4}});
        match.Put(Black, {{3, 4}, {5, 4}, {4, 3}});
        match.Click(4, 5);
        QCOMPARE(match.Probe(4, 4), Background);
        QCOMPARE(match.window.Board().ColorAt(4.04f, 4.04f) == Black, dotBack);
    }

    // The nearest intersection, halfway to the even one; any button with
    // any modifier; off the board nothing.
    void releasesPlayTheNearestIntersection()
    {
        Match match(QStringLiteral("0909"));
        match.ReleaseAt(3.5, 2.5, Qt::RightButton, Qt::ShiftModifier);
        match.ReleaseAt(2.49, 7.2, Qt::MiddleButton, Qt::ControlModifier);
        match.ReleaseAt(2.51, 7.5);
        QCOMPARE(match.Probe(4, 2), Black);
        QCOMPARE(match.Probe(2, 7), White);
        QCOMPARE(match.Probe(3, 8), Black);

        const QImage before = match.window.Board().Image();
        for (const QPointF& off : {QPointF(0.4, 5), QPointF(9.6, 5), QPointF(5, 0.3), QPointF(5, 9.5)})
            match.ReleaseAt(off.x(), off.y());
        QCOMPARE(match.window.Board().Image(), before);
        QCOMPARE(match.State().MovePlaced, 0);
        QVERIFY(match.State().WhiteToMove);
    }

    void theComputerAnswersWithOneToThreeStones_data()
    {
        QTest::addColumn<int>("stones");
        QTest::newRow("one") << 1;
        QTest::newRow("two") << 2;
        QTest::newRow("three") << 3;
    }
    void theComputerAnswersWithOneToThreeStones()
    {
        QFETCH(int, stones);
        Match match(QStringLiteral("0909"), QStringLiteral("01"));
        match.ComputerAnswers(stones, {{7, 7}, {8, 8}, {9, 9}});
        match.Click(1, 9);
        QCOMPARE(match.Count(), QStringLiteral("黑子1  白子%1").arg(stones));
        for (int i = 0; i < stones; ++i)
            QCOMPARE(match.Probe(7 + i, 7 + i), White);
        QCOMPARE(match.desktop.Beeps, 1);
        QCOMPARE(match.State().ComputerBusy, 0);
        QVERIFY(!match.State().WhiteToMove);
        match.Click(2, 9);
        QCOMPARE(match.Probe(2, 9), Black);
    }

    void theSameClicksMeetTheSameAnswers()
    {
        Match first(QStringLiteral("0909"), QStringLiteral("1"));
        Match second(QStringLiteral("0909"), QStringLiteral("1"));
        for (Match* match : {&first, &second})
            match->Clicks({{3, 3}, {7, 7}, {3, 7}, {7, 3}, {5, 5}});
        QCOMPARE(first.window.Board().Image(), second.window.Board().Image());
        QCOMPARE(first.desktop.RandomsDrawn, second.desktop.RandomsDrawn);
        QVERIFY(first.desktop.RandomsDrawn >= 5 * 3);
    }

    void theComputerNeverPlaysIntoAPointRingedByWhite()
    {
        Match match(QStringLiteral("0909"), QStringLiteral("1"));
        match.Put(White, {{1, 2}, {2, 1}});
        // The first draw is the corner, the second (5, 5).
        match.ComputerAnswers(1, {{1, 1}, {5, 5}});
        match.Click(9, 9);
        QCOMPARE(match.Probe(1, 1), Background);
        QCOMPARE(match.Probe(5, 5), White);
        QCOMPARE(match.desktop.RandomsDrawn, 5);
    }

    void aRefusedComputerStoneStillCounts()
    {
        Match match(QStringLiteral("0909"), QStringLiteral("1"));
        match.Put(Black, {{4, 5}, {6, 5}, {5, 4}});
        // (5, 5) is ringed by black: the white stone there is taken back
        // and the turn goes on with the second stone only.
        match.ComputerAnswers(2, {{5, 5}, {8, 8}});
        match.Click(5, 6);
        QCOMPARE(match.Probe(5, 5), Background);
        QCOMPARE(match.Probe(8, 8), White);
        QCOMPARE(match.Count(), QStringLiteral("黑子4  白子1"));
        QCOMPARE(match.desktop.Beeps, 1);
    }

    void theComputerEndsItsTurnWhenNoPointIsLeft()
    {
        // After the first white stone takes black's only stone, the one
        // empty point is ringed by white and the edge.
        Match ringed(QStringLiteral("0102"), QStringLiteral("1"));
        ringed.ComputerAnswers(3, {{1, 2}});
        ringed.Click(1, 1);
        QCOMPARE(ringed.Probe(1, 1), Background);
        QCOMPARE(ringed.Probe(1, 2), White);
        QCOMPARE(ringed.desktop.Beeps, 1);
        QCOMPARE(ringed.State().ComputerBusy, 0);
        QVERIFY(!ringed.State().WhiteToMove);

        Match full(QStringLiteral("0303"), QStringLiteral("1"));
        full.Put(Black, {{1, 1}, {2, 1}, {3, 1}, {1, 2}, {2, 2}});
        full.Put(White, {{3, 2}, {1, 3}, {2, 3}, {3, 3}});
        full.State().ComputerBusy = 0;
        full.window.Play().ComputerTurn();
        QCOMPARE(full.desktop.Beeps, 1);
        QCOMPARE(full.State().ComputerBusy, 0);
        QVERIFY(!full.State().WhiteToMove);

        // On a board of one point no stone has a liberty.
        Match onePoint(QStringLiteral("0101"), QStringLiteral("1"));
        onePoint.Click(1, 1);
        QCOMPARE(onePoint.Probe(1, 1), Background);
        QCOMPARE(onePoint.desktop.Beeps, 0);
    }

    void releasesDuringATurnChangeNothing_data() { BothModes(); }
    void releasesDuringATurnChangeNothing()
    {
        QFETCH(QString, mode);
        Match match(QStringLiteral("0909"), mode);
        match.ComputerAnswers(1, {{9, 9}});
        int nested = 0;
        match.desktop.OnYield = [&] {
            QVERIFY(!match.Command("Start")->isEnabled());
            QVERIFY(!match.Command("计数")->isEnabled());
            QVERIFY(match.Command("end")->isEnabled());
            if (nested++ == 0)
                match.Click(3, 3);
        };
        match.Click(5, 5);
        QVERIFY(nested > 0);
        QCOMPARE(match.Probe(3, 3), Background);
        QVERIFY(match.Command("Start")->isEnabled());
        QVERIFY(match.Command("计数")->isEnabled());
        match.desktop.OnYield = [] {};
        match.Click(3, 3);
        QCOMPARE(match.Probe(3, 3), mode == QStringLiteral("1") ? Black : White);
    }

    void quittingDuringATurnStopsIt()
    {
        Match match(QStringLiteral("0909"), QStringLiteral("1"));
        match.ComputerAnswers(3, {{7, 7}, {8, 8}, {9, 9}});
        match.desktop.OnYield = [&] { match.Command("end")->trigger(); };
        match.Click(5, 5);
        QVERIFY(!match.window.isVisible());
        QCOMPARE(match.desktop.Yields, 1);
        QCOMPARE(match.desktop.Beeps, 0);
        QCOMPARE(match.Probe(7, 7), Background);
    }

    void startBeginsANewBoardWithTheSameScale()
    {
        Match match(QStringLiteral("0909"), QStringLiteral("2"), QStringLiteral("1010"));
        match.Clicks({{1, 1}, {2, 2}});
        match.desktop.Answers = {QStringLiteral("0505"), QStringLiteral("1")};
        match.Command("Start")->trigger();
        QCOMPARE(match.desktop.Prompts[3].Default, QStringLiteral("0909"));
        QCOMPARE(match.window.Board().ScaleWidth(), 11.0f);
        QCOMPARE(match.Probe(1, 1), Background);
        QCOMPARE(match.Count(), QStringLiteral("黑子0  白子0"));
    }

    void countingReadsOnlyTheBoardInTheWindow()
    {
        Match match(QStringLiteral("2525"));
        match.Clicks({{19, 19}, {18, 19}});
        QCOMPARE(match.Count(), QStringLiteral("黑子1  白子1"));
        match.window.Play().PlaceStone(22, 22);
        QCOMPARE(match.Count(), QStringLiteral("黑子1  白子1"));
    }
};

QTEST_MAIN(PlayTest)
#include "tst_play.moc"
