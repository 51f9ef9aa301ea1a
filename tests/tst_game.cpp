#include "PlayedWindow.h"
#include "ReferenceModel.h"

#include <QMenuBar>
#include <QTest>

#include <algorithm>
#include <random>

// Random games through the real window held against a model of the rules
// written afresh, and what random play rarely reaches: start-up's texts,
// cancelled sizes and a computer without a point to play.
namespace {

// The answers to the size prompts, and how many games of how many
// releases to play.
struct Setup
{
    const char* Window;
    const char* Board;
    int Games;
    int Releases;
};

const Setup Setups[] = {
    {"1919", "0119", 8, 60},
    {"1919", "1901", 4, 60},
    {"1919", "0909", 20, 150},
    {"1919", "1919", 4, 600},
    // A board cut off by a smaller window.
    {"1919", "2525", 2, 600},
    // Windows whose units differ, and the finest the game reads right.
    {"0810", "0810", 10, 150},
    {"10599", "10599", 1, 600},
};

// Releases land this far from their point at most, well inside the half
// step that still rounds to it, or exactly halfway, one in this many.
constexpr double Jitter = 0.45;
constexpr unsigned HalfwayOneIn = 6;
// Few enough stamps that a game forgets them all many times over.
constexpr std::size_t FewStamps = 64;

// Near a random point of the board or just beyond its edge, or halfway
// between two lines, where the even one is the nearer: where the release
// lands and the point it names.
std::pair<QPointF, Intersection> Aim(std::mt19937& random, const ReferenceModel& model)
{
    Intersection p{int(random() % (model.Cols + 2)), int(random() % (model.Rows + 2))};
    std::uniform_real_distribution<double> jitter(-Jitter, Jitter);
    const bool halfway[] = {random() % HalfwayOneIn == 0, random() % HalfwayOneIn == 0};
    const QPointF at(p.Col + (halfway[0] ? 0.5 : jitter(random)),
                     p.Row + (halfway[1] ? 0.5 : jitter(random)));
    p.Col += halfway[0] && p.Col % 2;
    p.Row += halfway[1] && p.Row % 2;
    return {at, p};
}

// The first pixel in which an image differs from the one expected, or
// nothing.
QString Difference(const QImage& image, const QImage& expected)
{
    if (image != expected)
        for (int i = 0;; ++i) {
            const QPoint p(i % image.width(), i / image.width());
            if (image.pixel(p) != expected.pixel(p))
                return QString("pixel (%1, %2) is %3, not %4")
                    .arg(p.x()).arg(p.y()).arg(image.pixel(p), 0, 16).arg(expected.pixel(p), 0, 16);
        }
    return {};
}

} // namespace

// QCOMPARE that says where the values were compared: the data tag names the
// setup, `at` the game and the release.
#define COMPARE_AT(actual, expected)                                                              \
    if (!QTest::qCompare(actual, expected, qPrintable(at + #actual), #expected, __FILE__,        \
                         __LINE__))                                                               \
    return

class GameTest : public QObject
{
    Q_OBJECT

private slots:
    // After every release what the game did, after every game the count and
    // the board pixel for pixel.
    void gamesAgreeWithTheModel_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("computer");
        for (const bool computer : {false, true})
            for (int i = 0; i < int(std::size(Setups)); ++i)
                QTest::addRow("window %s, board %s, %s", Setups[i].Window, Setups[i].Board,
                              computer ? "against the computer" : "two players")
                    << i << computer;
    }

    // The game against the computer forgets its stamps again and again; a
    // twin that paints every shape itself must show the very same pixels.
    void gamesAgreeWithTheModel()
    {
        QFETCH(int, row);
        QFETCH(bool, computer);
        const Setup& setup = Setups[row];
        const QString mode = computer ? "1" : "2";
        PlayedWindow played({setup.Window, setup.Board, mode},
                            computer ? FewStamps : Surface::DefaultStamps);
        PlayedWindow painted({setup.Window, setup.Board, mode}, 0);
        const GameState& state = played.State();
        const ScriptedPlatform& desktop = played.desktop;
        const Surface& board = played.window.Board();
        // The model draws from a generator that starts as the game's.
        FixedStartRandom random;
        int drawn = 0;
        ReferenceModel model{int(board.ScaleWidth()) - 1, int(board.ScaleHeight()) - 1, [&] {
                                 ++drawn;
                                 return random.Next();
                             }};
        std::mt19937 aim(qHash(QByteArray(QTest::currentDataTag())));
        // The model's position painted fresh matches only where the grid
        // drawn back around a cleared point falls on the pixels of the long
        // lines and ends short of the next stone: whole pixel ratios, 10
        // pixels a step or more, and a grid of lines in both directions.
        const bool freshMatches = board.DevicePixelRatio() == std::floor(board.DevicePixelRatio())
                                  && DrawingArea.width() >= 10 * board.ScaleWidth();
        for (int game = 1; game <= setup.Games; ++game) {
            for (PlayedWindow* window : {&played, &painted}) {
                window->desktop.Answers = {setup.Board, mode};
                if (game > 1)
                    window->Command("Start")->trigger();
            }
            model.NewGame(state.BoardCols, state.BoardRows, computer);
            QString at;
            for (int release = 1; release <= setup.Releases; ++release) {
                at = QString("game %1, release %2: ").arg(game).arg(release);
                const auto [position, point] = Aim(aim, model);
                const int button = Qt::LeftButton << aim() % 3;
                const int modifiers = Qt::ShiftModifier << aim() % 3;
                played.Release(position.x(), position.y(), button, modifiers);
                painted.Release(position.x(), position.y(), button, modifiers);
                model.Release(point);
                for (; model.GaveUp && drawn < desktop.RandomsDrawn; ++drawn)
                    random.Next();
                COMPARE_AT(state.WhiteToMove, model.WhiteToMove);
                COMPARE_AT(desktop.Beeps, model.Beeps);
                COMPARE_AT(desktop.RandomsDrawn, drawn);
                COMPARE_AT(desktop.Yields, model.Yields);
                COMPARE_AT(state.GroupX, model.LastGroup.Xs);
                COMPARE_AT(state.GroupY, model.LastGroup.Ys);
                // Star dots come and go with single moves: beside their
                // point, within the dot, black shows a black stone or a dot.
                for (const Intersection star : StarPoints) {
                    if (model.Cols != 19 || model.Rows != 19)
                        break;
                    const auto stone = model.At(star);
                    COMPARE_AT(board.ColorAt(star.Col + 0.06f, star.Row + 0.06f) == Black,
                               stone == model.Black || (!stone && model.DotShown(star)));
                }
            }
            COMPARE_AT(Difference(board.Image(), painted.window.Board().Image()), QString());
            if (freshMatches && model.Cols > 1 && model.Rows > 1)
                COMPARE_AT(Difference(board.Image(), model.Drawn(board)), QString());
            played.Command("计数")->trigger();
            COMPARE_AT(desktop.Messages.value(game - 1),
                       QString("黑子%1  白子%2")
                           .arg(std::ranges::count(model.Points, model.Black))
                           .arg(std::ranges::count(model.Points, model.White)));
        }
    }

    void startUpAsksItsQuestionsAndShowsTheWindow()
    {
        const QString caption = "Varnek围棋1.0，棋盘可以任意大小";
        PlayedWindow played({"1919", "0810", "2"});
        QCOMPARE(played.desktop.Prompts,
                 QStringList({"输入窗口横纵宽度（各两位数）\r如1919表示横向19格纵向19格",
                              "Varnek围棋1.0，窗口可以任意大小", "1919",
                              "输入棋盘横纵宽度（各两位数）\r如0810表示横向8格纵向10格",
                              "Varnek围棋1.0，棋盘可以任意大小，但要小于窗口大小", "1919",
                              "与Varnek电脑下输入1，电脑每次可下1-3子\n输入其他为双人对局", caption,
                              ""}));
        QStringList window{played.window.windowTitle()};
        for (const QAction* command : played.window.menuBar()->actions())
            window << command->objectName() + command->text();
        QCOMPARE(window, QStringList({caption, "Start&开始", "end&退出", "计数&计数"}));
        QCOMPARE(played.window.windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
        // A new game offers the last board answer.
        played.desktop.Answers = {"0505", "1"};
        played.Command("Start")->trigger();
        QCOMPARE(played.desktop.Prompts[11], "0810");
    }

    // Cancel ends the program at the window's size and is asked again at
    // the board's; a board of one point shows its crossing, the drawing area
    // ends where its scale does, and a search for a group from beyond the
    // edge lists its start point alone.
    void cancelledSizesAndTheEdges()
    {
        QVERIFY(!PlayedWindow({std::nullopt}).window.isVisible());
        PlayedWindow played({"1919", std::nullopt, "0101", "2"});
        QCOMPARE(CrossingColorAt(played.window.Board(), 1, 1), Black);
        QCOMPARE(played.window.Board().ColorAt(20, 1), NoColor);
        played.window.Play().PlaceStone(1, 1);
        played.window.Play().TestGroup(2, 1, Black);
        QCOMPARE(played.State().GroupX.size(), 1u);
    }

    // The view shows every device pixel of the board as it is. Neither an
    // image the surface handed out nor a copy of the surface changes when
    // the other is drawn on; nor does a surface assigned over another, in
    // either mode and over itself.
    void theBoardsImages()
    {
        for (const std::size_t stamps : {std::size_t(0), Surface::DefaultStamps}) {
            Surface a(QSize(90, 90), Background, 1.5, stamps), b = a;
            Surface& same = a;
            a.DrawCircle(10, 10, 5);
            b.DrawCircle(30, 30, 5);
            a = b;
            a = same;
            b.DrawCircle(70, 70, 5);
            a.DrawCircle(50, 50, 5);
            QCOMPARE((std::vector{a.ColorAt(10, 10), a.ColorAt(30, 30), a.ColorAt(50, 50),
                                  a.ColorAt(70, 70), b.ColorAt(50, 50), b.ColorAt(70, 70)}),
                     (std::vector{Background, Black, Black, Background, Background, Black}));
        }
        PlayedWindow played({"1919", "0909", "2"});
        Surface copy = played.window.Board();
        played.Release(5, 5);
        const QImage shown = played.window.centralWidget()->grab().toImage();
        const QImage before = played.window.Board().Image();
        QVERIFY(shown.convertToFormat(QImage::Format_RGB32) == before.copy(shown.rect()));
        const QImage kept = before.copy();
        played.Release(7, 7);
        copy.DrawCircle(3, 3, StoneRadius);
        QVERIFY(before == kept && played.Probe(3, 3) == Background);
        QCOMPARE(ProbeColorAt(copy, 5, 5), Background);
    }

    // A release that reaches the game itself while the computer places its
    // stones is ignored there too, not only by the window.
    void aReleaseInTheComputersTurn()
    {
        PlayedWindow played({"1919", "0909", "1"});
        played.desktop.OnYield = [&] {
            if (played.State().ComputerBusy)
                played.window.Play().MouseRelease(1, 1);
        };
        played.Release(5, 5);
        int black = 0;
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                black += played.Probe(c, r) == Black;
        QCOMPARE(black, 1);
    }

    // On a full board the computer's turn still ends, with a beep and black
    // to move.
    void theComputerWithoutAPointToPlay()
    {
        PlayedWindow played({"1919", "0102", "1"});
        played.Release(1, 1);
        played.State().WhiteToMove = true;
        played.window.Play().PlaceStone(1, 1);
        played.window.Play().ComputerTurn();
        QCOMPARE(played.desktop.Beeps, 2);
        QVERIFY(!played.State().WhiteToMove && !played.State().ComputerBusy);
    }
};

QTEST_MAIN(GameTest)
#include "tst_game.moc"
