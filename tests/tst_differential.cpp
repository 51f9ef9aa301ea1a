#include "ReferenceModel.h"
#include "ReleaseOver.h"
#include "ScriptedPlatform.h"
#include "window/VorOdAra.h"

#include <QAction>
#include <QTest>

#include <random>

// Long random games through the real window, held after every release
// against the reference model at every point the board can show.
namespace {

constexpr Color Background = Rgb(192, 192, 255);
const QSize DrawingArea(794, 748);
constexpr Color BlackStone = Rgb(0, 0, 0);
constexpr Color WhiteStone = Rgb(255, 255, 255);
// Where a point's stone, or the background of an empty point, shows.
constexpr double ProbeOffset = 0.2;
// Inside a star dot, off the grid lines.
constexpr float StarDotOffset = 0.04f;
// Releases land this far from their intersection at most, well inside
// the half step that still rounds to it.
constexpr double Jitter = 0.45;
// Numbers queued for the computer ahead of each release: more than any
// one turn draws.
constexpr std::size_t RandomReserve = 1 << 17;
// Out of a hundred releases, those aimed beyond the board's edge, and
// those aimed at any intersection rather than at an empty one.
constexpr int OffBoardPercent = 10;
constexpr int AnywherePercent = 40;
constexpr int RightButtonPercent = 15;
// The most columns and rows a window may span: the finest grid steps that
// the board still reads right.
const QSize FinestWindow(105, 99);
constexpr int FinestWindowReleases = 2000;
// Every release costs several times as much under the sanitizers; there
// a share of them still takes every path.
#ifdef VORODARA_SANITIZED
constexpr int ReleaseShare = 4;
#else
constexpr int ReleaseShare = 1;
#endif

QString SizeAnswer(int cols, int rows)
{
    return QStringLiteral("%1").arg(cols * 100 + rows, 4, 10, QChar(u'0'));
}

QString Describe(Color color)
{
    switch (color) {
    case Background: return QStringLiteral("background");
    case BlackStone: return QStringLiteral("black");
    case WhiteStone: return QStringLiteral("white");
    default: return QStringLiteral("#%1").arg(color, 6, 16, QChar(u'0'));
    }
}

// The computer's numbers: uniform in [0, 1) with 24 bits, kept so the model
// draws exactly the numbers the game drew.
class RandomTape
{
public:
    explicit RandomTape(unsigned seed) : source(seed) {}

    float At(std::size_t i)
    {
        while (numbers.size() <= i)
            numbers.push_back(float(source() >> 8) / float(1 << 24));
        return numbers[i];
    }

private:
    std::mt19937 source;
    std::vector<float> numbers;
};

struct Setup
{
    int WindowCols;
    int WindowRows;
    int BoardCols;
    int BoardRows;
    bool AgainstComputer;
    int Games;
    int ReleasesPerGame;
    bool StarDots;
};

class Match
{
public:
    Match(const Setup& setup, unsigned seed)
        : setup(setup), window(desktop), model(setup.WindowCols, setup.WindowRows), tape(seed),
          aim(seed)
    {
        desktop.Answers = {SizeAnswer(setup.WindowCols, setup.WindowRows)};
        QueueNewGame();
        window.Load();
        model.NewGame(setup.BoardCols, setup.BoardRows, setup.AgainstComputer);
    }

    void NewGame()
    {
        QueueNewGame();
        window.findChild<QAction*>(QStringLiteral("Start"))->trigger();
        model.NewGame(setup.BoardCols, setup.BoardRows, setup.AgainstComputer);
    }

    // A release near a random intersection, mostly an empty one, now and
    // then one beyond the edge; returns the intersection aimed at.
    QPoint ReleaseSomewhere()
    {
        std::uniform_int_distribution<int> percent(0, 99);
        int column = std::uniform_int_distribution<int>(1, setup.BoardCols)(aim);
        int row = std::uniform_int_distribution<int>(1, setup.BoardRows)(aim);
        const int kind = percent(aim);
        if (kind >= OffBoardPercent + AnywherePercent) {
            std::vector<QPoint> empty;
            for (int c = 1; c <= setup.BoardCols; ++c)
                for (int r = 1; r <= setup.BoardRows; ++r)
                    if (model.Visible(c, r) && model.At(c, r) == ReferenceModel::Empty)
                        empty.push_back({c, r});
            if (!empty.empty()) {
                const QPoint p = empty[std::uniform_int_distribution<std::size_t>(
                    0, empty.size() - 1)(aim)];
                column = p.x();
                row = p.y();
            }
        } else if (kind < OffBoardPercent) {
            const int side = percent(aim) % 4;
            if (side == 0)
                column = 0;
            else if (side == 1)
                column = setup.BoardCols + 1;
            else if (side == 2)
                row = 0;
            else
                row = setup.BoardRows + 1;
        }
        const Qt::MouseButton button =
            percent(aim) < RightButtonPercent ? Qt::RightButton : Qt::LeftButton;
        std::uniform_real_distribution<double> jitter(-Jitter, Jitter);
        Release(column + jitter(aim), row + jitter(aim), button);
        model.Release(column, row, [this] { return tape.At(modelDrawn++); });
        if (model.ComputerGaveUp())
            modelDrawn = std::size_t(desktop.RandomsDrawn);
        return {column, row};
    }

    // The first way in which the window differs from the model, or nothing.
    QString Difference()
    {
        const Surface& board = window.Board();
        const GameState& state = window.Play().State;
        if (state.WhiteToMove != model.WhiteToMove())
            return QStringLiteral("%1 to move, the model says %2")
                .arg(state.WhiteToMove ? "white" : "black", model.WhiteToMove() ? "white" : "black");
        if (state.ComputerBusy != 0)
            return QStringLiteral("the computer is still busy");
        if (desktop.Beeps != model.Beeps())
            return QStringLiteral("%1 beeps, the model says %2").arg(desktop.Beeps).arg(model.Beeps());
        if (std::size_t(desktop.RandomsDrawn) != modelDrawn)
            return QStringLiteral("%1 random numbers drawn, the model drew %2")
                .arg(desktop.RandomsDrawn).arg(modelDrawn);
        for (int c = 1; c <= setup.BoardCols; ++c) {
            for (int r = 1; r <= setup.BoardRows; ++r) {
                if (!model.Visible(c, r))
                    continue;
                const ReferenceModel::Point stone = model.At(c, r);
                const Color shown = stone == ReferenceModel::Black   ? BlackStone
                                    : stone == ReferenceModel::White ? WhiteStone
                                                                     : Background;
                const QString place = QStringLiteral("(%1, %2)").arg(c).arg(r);
                const Color probe = board.ColorAt(float(c + ProbeOffset), float(r + ProbeOffset));
                if (probe != shown)
                    return place + QStringLiteral(" reads %1, the model has %2")
                                       .arg(Describe(probe), Describe(shown));
                const Color crossing = board.ColorAt(float(c), float(r));
                const Color expectedCrossing = shown == Background ? BlackStone : shown;
                if (crossing != expectedCrossing)
                    return place + QStringLiteral(" crossing shows %1, not %2")
                                       .arg(Describe(crossing), Describe(expectedCrossing));
                // The grid runs on between neighbouring intersections.
                if (c < setup.BoardCols && model.Visible(c + 1, r)
                    && board.ColorAt(c + 0.5f, float(r)) != BlackStone)
                    return place + QStringLiteral(" has no grid line to the right");
                if (r < setup.BoardRows && model.Visible(c, r + 1)
                    && board.ColorAt(float(c), r + 0.5f) != BlackStone)
                    return place + QStringLiteral(" has no grid line below");
                if (setup.StarDots && stone == ReferenceModel::Empty && model.IsStarPoint(c, r)) {
                    const bool dot =
                        board.ColorAt(c + StarDotOffset, r + StarDotOffset) == BlackStone;
                    if (dot != model.DotShown(c, r))
                        return place + (dot ? QStringLiteral(" shows a star dot the model has not")
                                            : QStringLiteral(" lacks its star dot"));
                }
            }
        }
        return {};
    }

private:
    void QueueNewGame()
    {
        desktop.Answers.push_back(SizeAnswer(setup.BoardCols, setup.BoardRows));
        desktop.Answers.push_back(setup.AgainstComputer ? QStringLiteral("1") : QStringLiteral("2"));
    }

    // A release, with the computer's numbers queued ahead of it.
    void Release(double x, double y, Qt::MouseButton button)
    {
        while (desktop.Randoms.size() < RandomReserve)
            desktop.Randoms.push_back(tape.At(queued++));
        ReleaseOver(window, x, y, button);
    }

    Setup setup;
    ScriptedPlatform desktop;
    VorOdAra window;
    ReferenceModel model;
    RandomTape tape;
    std::mt19937 aim;
    std::size_t queued = 0;
    std::size_t modelDrawn = 0;
};

} // namespace

Q_DECLARE_METATYPE(Setup)

class DifferentialTest : public QObject
{
    Q_OBJECT

private slots:
    void windowAgreesWithTheModel_data()
    {
        QTest::addColumn<Setup>("setup");
        struct Row
        {
            const char* name;
            Setup setup;
        };
        const Row rows[] = {
            {"1x1", {19, 19, 1, 1, false, 1, 300, false}},
            {"1x19", {19, 19, 1, 19, false, 40, 100, false}},
            {"19x1", {19, 19, 19, 1, false, 40, 100, false}},
            {"9x9", {19, 19, 9, 9, false, 150, 200, false}},
            {"13x13", {19, 19, 13, 13, false, 50, 400, false}},
            {"19x19", {19, 19, 19, 19, false, 30, 1000, true}},
            {"8x10", {19, 19, 8, 10, false, 75, 200, false}},
            {"25x25 cut off by a 19x19 window", {19, 19, 25, 25, false, 10, 1000, false}},
            {"13x13 cut off by a 9x9 window", {9, 9, 13, 13, false, 40, 250, false}},
            {"8x10 filling its window", {8, 10, 8, 10, false, 50, 200, false}},
            {"30x19 filling its window", {30, 19, 30, 19, false, 12, 1000, false}},
            {"19x9 filling its window", {19, 9, 19, 9, false, 25, 400, false}},
        };
        for (bool computer : {false, true}) {
            for (const Row& row : rows) {
                Setup setup = row.setup;
                setup.AgainstComputer = computer;
                QTest::addRow("%s, %s", row.name, computer ? "computer" : "two players") << setup;
            }
        }
    }
    void windowAgreesWithTheModel()
    {
        QFETCH(Setup, setup);
        const QString difference = Play(setup, QTest::currentDataTag());
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    // Every grid step that the window-size prompt accepts, across and down,
    // and the finest window in both directions at once.
    void theFinestAcceptedWindowsReadThemselvesRight()
    {
        for (int cols = 1; cols <= FinestWindow.width(); ++cols) {
            const QString difference = Play({cols, 1, cols, 1, false, 1, 3 * cols, false},
                                            QStringLiteral("%1 across").arg(cols));
            QVERIFY2(difference.isEmpty(), qPrintable(difference));
        }
        for (int rows = 1; rows <= FinestWindow.height(); ++rows) {
            const QString difference = Play({1, rows, 1, rows, false, 1, 3 * rows, false},
                                            QStringLiteral("%1 down").arg(rows));
            QVERIFY2(difference.isEmpty(), qPrintable(difference));
        }
        const int cols = FinestWindow.width();
        const int rows = FinestWindow.height();
        const QString difference =
            Play({cols, rows, cols, rows, false, 1, FinestWindowReleases, false},
                 QStringLiteral("finest"));
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void windowsTooFineToReadAreAskedAgain()
    {
        ScriptedPlatform desktop;
        const QString finest = SizeAnswer(FinestWindow.width(), FinestWindow.height());
        desktop.Answers = {SizeAnswer(FinestWindow.width() + 1, 1), QStringLiteral("21474836"),
                           finest};
        Surface board(DrawingArea, Background);
        Game game(board, desktop);
        QVERIFY(game.AskWindowSize());
        QCOMPARE(desktop.Prompts.size(), 3u);
        QCOMPARE(game.State.SizeAnswer, finest);
        QCOMPARE(board.ScaleWidth(), float(FinestWindow.width() + 1));
        QCOMPARE(board.ScaleHeight(), float(FinestWindow.height() + 1));
    }

    void cleanupTestCase() { qInfo("%lld releases held against the model", releases); }

private:
    // Plays a setup through, seeded by its name; the first difference from
    // the model, or nothing.
    QString Play(const Setup& setup, const QString& name)
    {
        Match match(setup, unsigned(qHash(name, 0)));
        QString difference = match.Difference();
        if (!difference.isEmpty())
            return name + QStringLiteral(", fresh board: ") + difference;
        for (int game = 1; game <= setup.Games; ++game) {
            if (game > 1)
                match.NewGame();
            for (int release = 1; release <= setup.ReleasesPerGame / ReleaseShare; ++release) {
                const QPoint aimed = match.ReleaseSomewhere();
                ++releases;
                difference = match.Difference();
                if (!difference.isEmpty())
                    return QStringLiteral("%1, game %2, release %3 at (%4, %5): %6")
                        .arg(name).arg(game).arg(release).arg(aimed.x()).arg(aimed.y())
                        .arg(difference);
            }
        }
        return {};
    }

    long long releases = 0;
};

QTEST_MAIN(DifferentialTest)
#include "tst_differential.moc"
