#include "PlayedWindow.h"
#include "ReferenceModel.h"

#include <QBackingStore>
#include <QMenuBar>
#include <QTest>
#include <qpa/qplatformbackingstore.h>

#include <algorithm>
#include <cstring>
#include <random>

// Random games through the real window held against a model of the rules
// and of their drawing written afresh, and what random play does not reach:
// start-up's texts, cancelled sizes, a search from beyond the edge and the
// board's images.
namespace {

// One window and the boards played in it in turn, first all against the
// computer, then all by two players, and so on, each mode answer in turn;
// how many games of how many releases. A full board is filled with white,
// but for pairs of dead black stones and the last two points of its last
// row, and black plays beside the corner: the computer's only point.
struct Setup
{
    const char* Window;
    QStringList Boards;
    int Games;
    int Releases;
    bool Full = false;
};

const Setup Setups[] = {
    // A board cut off by a smaller window, and one of a single point after it.
    {"1919", {"2525", "1919", "0101"}, 6, 400},
    // Boards of one column, one row and one point, and small ones filled up
    // by the computer.
    {"1919", {"0101", "0119", "1901", "0909", "0303", "0402", "0105"}, 21, 80},
    // Star points beyond the edge of a small window.
    {"0505", {"1919", "0505"}, 4, 100},
    // The finest grid the window reads right.
    {"10599", {"10599", "0101"}, 4, 300},
    // Star dots too small to be told apart by a pixel beside them.
    {"5555", {"1919"}, 2, 800},
    // A board of 10000 columns in a window of 3: the computer looks for
    // its point mostly beyond the window.
    {"0303", {"1000003", "0202"}, 4, 60},
    // Rows far further apart than columns, and the reverse, each with a
    // board larger than the window, in both ways of painting.
    {"1910", {"1910", "2512"}, 4, 200},
    {"1910", {"2512", "1910"}, 4, 200},
    {"0519", {"0519", "0925"}, 4, 200},
    {"0519", {"0925", "0519"}, 4, 200},
    // The computer takes the black stone, then finds no point left while
    // black stones stand; black takes every white stone at once.
    {"10599", {"10599"}, 1, 2, true},
};

// Mode answers that choose the game against the computer, and two players.
const QStringList Computer = {"1", "1.0", "+1", " 1 ", "1e0", "01"};
const QStringList TwoPlayers = {"1.5", "2", "", "one", "1x"};

// Releases land this far from their point at most, well inside the half
// step that still rounds to it, or exactly halfway, one in this many.
constexpr double Jitter = 0.45;
constexpr unsigned HalfwayOneIn = 6;
// Few enough stamps that a game forgets them all many times over.
constexpr std::size_t FewStamps = 64;

// Near a random point that the window shows or just beyond its edge, or
// halfway between two lines.
QPointF Aim(std::mt19937& random, const ReferenceModel& model)
{
    std::uniform_real_distribution jitter(-Jitter, Jitter);
    const auto near = [&](int last) {
        return random() % (last + 2) + (random() % HalfwayOneIn ? jitter(random) : 0.5);
    };
    return {near(std::min(model.Cols, model.WindowCols)),
            near(std::min(model.Rows, model.WindowRows))};
}

// The first row of the area in which the image differs from the picture,
// which lies at `at` in it, or -1.
int Difference(const QImage& image, const QImage& picture, const QRegion& area, QPoint at = {})
{
    for (const QRect& rect : area & picture.rect())
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            if (std::memcmp(image.constScanLine(y + at.y()) + (at.x() + rect.x()) * 4,
                            picture.constScanLine(y) + rect.x() * 4, rect.width() * 4))
                return y;
    return -1;
}

} // namespace

// QCOMPARE that says where the values were compared: `at` names the setup,
// the game and the release.
#define COMPARE_AT(actual, expected)                                                              \
    if (!QTest::qCompare(actual, expected, qPrintable(at + #actual), #expected, __FILE__,        \
                         __LINE__))                                                               \
    return

class GameTest : public QObject
{
    Q_OBJECT

private slots:
    // After every release what the game did, and where the model painted
    // the board and the screen; after every new game and every game the
    // whole board and screen pixel for pixel, and the count. Every other
    // setup paints each shape straight through the painter, the others keep
    // only a few stamps, so that they are forgotten and the table grown
    // again and again. A release at every yield of the computer's turn must
    // change nothing. A new game offers the last board answer.
    void gamesAgreeWithTheModel()
    {
        for (int row = 0; row < int(std::size(Setups)) && !QTest::currentTestFailed(); ++row)
            PlayGames(Setups[row], row, row % 2 ? FewStamps : 0);
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
    }

    // Cancel ends the program at the window's size and is asked again at
    // the board's; a search for a group from beyond the edge lists its start
    // point alone.
    void cancelledSizesAndTheEdges()
    {
        QVERIFY(!PlayedWindow({std::nullopt}).window.isVisible());
        PlayedWindow played({"1919", std::nullopt, "0101", "2"});
        played.window.Play().PlaceStone(1, 1);
        played.window.Play().TestGroup(2, 1, Black);
        QCOMPARE(played.State().GroupX.size(), 1u);
    }

    // Neither an image the surface handed out nor a copy of the surface
    // changes when the other is drawn on; nor does a surface assigned over
    // another, in either mode and over itself.
    void theBoardsImages()
    {
        for (const std::size_t stamps : {std::size_t(0), Surface::DefaultStamps}) {
            Surface a(QSize(90, 90), Background, 1.5, stamps);
            a.DrawCircle(10, 10, 5);
            Surface b = a, &same = a;
            a.DrawCircle(20, 20, 5);
            b.DrawCircle(30, 30, 5);
            a = b;
            a = same;
            b.DrawCircle(70, 70, 5);
            a.DrawCircle(50, 50, 5);
            const QImage before = a.Image();
            a.DrawCircle(60, 60, 5);
            QCOMPARE((std::vector{a.ColorAt(10, 10), a.ColorAt(20, 20), a.ColorAt(30, 30),
                                  a.ColorAt(50, 50), a.ColorAt(70, 70), b.ColorAt(20, 20),
                                  b.ColorAt(50, 50), b.ColorAt(70, 70)}),
                     (std::vector{Black, Background, Black, Black, Background, Background,
                                  Background, Black}));
            QCOMPARE(before.pixel(90, 90), before.pixel(0, 0));
        }
    }

private:
    // The row's setup with so many stamps, releases aimed from the row.
    void PlayGames(const Setup& setup, int row, std::size_t stamps)
    {
        PlayedWindow played({setup.Window, setup.Boards[0], "1"}, stamps);
        ScriptedPlatform& desktop = played.desktop;
        GameState& state = played.State();
        ReferenceModel model(QString(setup.Window).toInt());
        std::mt19937 aim(row);
        desktop.OnYield = [&] {
            if (state.ComputerBusy)
                played.window.Play().MouseRelease(aim() % 5, aim() % 5);
        };
        // Where the board first differs from the model's picture, and where
        // the window shows it otherwise once the updates the view asked for
        // are painted: in the pixels the window system keeps between paints.
        const auto differences = [&](const QRegion& area) {
            QCoreApplication::processEvents();
            const QImage shown = played.window.backingStore()->handle()->toImage();
            const QPointF view = played.window.centralWidget()->pos() * model.Ratio;
            return std::pair(Difference(played.window.Board().Image(), model.Picture, area),
                             Difference(shown, model.Picture, area, view.toPoint()));
        };
        const std::pair same(-1, -1);
        QString at;
        for (int game = 0; game < setup.Games; ++game) {
            const QString size = setup.Boards[game % setup.Boards.size()];
            const bool computer = game / setup.Boards.size() % 2 == 0;
            // Release 0 is the new game itself.
            const QString atGame =
                QString("setup %1 with %2 stamps, game %3, release ").arg(row).arg(stamps).arg(game);
            at = atGame + "0: ";
            if (game > 0) {
                const QStringList& modes = computer ? Computer : TwoPlayers;
                desktop.Answers = {size, modes[game % modes.size()]};
                played.Command("Start")->trigger();
                COMPARE_AT(desktop.Prompts.end()[-4], setup.Boards[(game - 1) % setup.Boards.size()]);
            }
            model.NewGame(size.toInt(), computer);
            COMPARE_AT(differences(model.Picture.rect()), same);
            // White all over but for pairs of black stones, dead.
            for (int c = 1; setup.Full && c <= model.Cols; ++c)
                for (int r = 1; r <= model.Rows - (c >= model.Cols - 1); ++r) {
                    const bool black = c % 4 == 2 && r % 4 > 1;
                    state.WhiteToMove = !black;
                    played.window.Play().PlaceStone(c, r);
                    model.Put({c, r}, black ? model.Black : model.White);
                }
            for (int release = 1; release <= setup.Releases; ++release) {
                at = atGame + QString::number(release) + ": ";
                const QPointF p = setup.Full ? QPointF(model.Cols - 1, model.Rows) : Aim(aim, model);
                played.Release(p.x(), p.y(), Qt::LeftButton << aim() % 3,
                               Qt::ShiftModifier << aim() % 3);
                model.Release(p.x(), p.y(), desktop.RandomsDrawn);
                COMPARE_AT(std::tuple(state.WhiteToMove, desktop.Beeps, desktop.RandomsDrawn,
                                      desktop.Yields, state.GroupX, state.GroupY),
                           std::tuple(model.WhiteToMove, model.Beeps, model.Drawn, model.Yields,
                                      model.Group.Xs, model.Group.Ys));
                COMPARE_AT(differences(model.Touched), same);
            }
            COMPARE_AT(differences(model.Picture.rect()), same);
            played.Command("计数")->trigger();
            COMPARE_AT(desktop.Messages.value(game),
                       QString("黑子%1  白子%2")
                           .arg(std::ranges::count(model.Points, model.Black))
                           .arg(std::ranges::count(model.Points, model.White)));
        }
    }
};

QTEST_MAIN(GameTest)
#include "tst_game.moc"
