#include "PlayedWindow.h"
#include "ReferenceModel.h"
#include "board/GroupSearch.h"

#include <QPainter>
#include <QTest>

#include <random>

// The game held against references written afresh: random games against a
// model of the rules on a plain array, their boards against a painter that
// draws the model's position fresh, and the group search against plain
// whole-board scans.
namespace {

struct Setup
{
    int WindowCols;
    int WindowRows;
    int BoardCols;
    int BoardRows;
    int Games;
    int Releases;
};

// Releases land this far from their intersection at most, well inside the
// half step that still rounds to it.
constexpr double Jitter = 0.45;
// Out of a hundred releases: beyond the board's edge, exactly halfway
// between two lines, and aimed at any point rather than an empty one.
constexpr int OffBoardPercent = 8;
constexpr int HalfwayPercent = 12;
constexpr int AnywherePercent = 35;

QString SizeAnswer(int cols, int rows) { return QString::asprintf("%02d%02d", cols, rows); }
QColor ToQColor(Color color) { return QColor(color & 0xFF, (color >> 8) & 0xFF, color >> 16); }

// Near a random point, mostly an empty one, now and then beyond the edge
// or exactly halfway between two lines, where the even one is the nearer:
// where the release lands and the intersection it names.
std::pair<QPointF, Intersection> Aim(std::mt19937& random, ReferenceModel& model)
{
    const auto below = [&](int n) { return int(random() % unsigned(n)); };
    const auto anywhere = [&] {
        return Intersection{1 + below(model.Cols), 1 + below(model.Rows)};
    };
    Intersection p = anywhere();
    const int kind = below(100);
    for (int tries = 0; kind >= OffBoardPercent + HalfwayPercent + AnywherePercent && tries < 30
                        && !(model.Visible(p) && model.At(p) == model.Empty);
         ++tries)
        p = anywhere();
    if (kind < OffBoardPercent) {
        const bool across = below(2);
        (across ? p.Col : p.Row) = below(2) ? 0 : (across ? model.Cols : model.Rows) + 1;
    }
    std::uniform_real_distribution<double> jitter(-Jitter, Jitter);
    QPointF at(p.Col + jitter(random), p.Row + jitter(random));
    if (kind >= OffBoardPercent && kind < OffBoardPercent + HalfwayPercent) {
        at = {below(3) ? p.Col + 0.5 : at.x(), below(3) ? p.Row + 0.5 : at.y()};
        p.Col += at.x() == p.Col + 0.5 && p.Col % 2;
        p.Row += at.y() == p.Row + 0.5 && p.Row % 2;
    }
    return {at, p};
}

// The model's board drawn fresh: the grid, the star dots it shows, then
// the stones. Lines are laid in device pixels, shapes in board units.
QImage Fresh(ReferenceModel& model, const Surface& board)
{
    QImage image(board.Image().size(), QImage::Format_RGB32);
    image.fill(ToQColor(Background));
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const double unitX = image.width() / board.ScaleWidth();
    const double unitY = image.height() / board.ScaleHeight();
    const auto useColor = [&](Color color) {
        QPen pen(ToQColor(color), GridPenWidth * board.DevicePixelRatio());
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.setBrush(ToQColor(color));
    };
    useColor(Black);
    for (int c = 1; c <= model.Cols; ++c)
        painter.drawLine(QPointF(c * unitX, unitY), QPointF(c * unitX, model.Rows * unitY));
    for (int r = 1; r <= model.Rows; ++r)
        painter.drawLine(QPointF(unitX, r * unitY), QPointF(model.Cols * unitX, r * unitY));
    painter.scale(unitX, unitY);
    const double dot = StarPointRadius * std::min(unitX, unitY);
    for (int c = 1; c <= model.Cols; ++c) {
        for (int r = 1; r <= model.Rows; ++r) {
            const ReferenceModel::Point stone =
                model.Visible({c, r}) ? model.At({c, r}) : model.Empty;
            useColor(stone == model.White ? White : Black);
            if (stone != model.Empty)
                painter.drawEllipse(QPointF(c, r), StoneRadius, StoneRadius);
            else if (model.DotShown({c, r}))
                painter.drawEllipse(QPointF(c, r), dot / unitX, dot / unitY);
        }
    }
    return image;
}

QString Count(ReferenceModel& model)
{
    int stones[3] = {};
    for (const ReferenceModel::Point point : model.Points)
        ++stones[point];
    return QStringLiteral("黑子%1  白子%2").arg(stones[model.Black]).arg(stones[model.White]);
}

} // namespace

Q_DECLARE_METATYPE(Setup)

class DifferentialTest : public QObject
{
    Q_OBJECT

private slots:
    void gamesAgreeWithTheModel_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<bool>("computer");
        const std::pair<const char*, Setup> setups[] = {
            {"1x1", {19, 19, 1, 1, 2, 30}},
            {"1x19", {19, 19, 1, 19, 8, 60}},
            {"19x1", {19, 19, 19, 1, 8, 60}},
            {"9x9", {19, 19, 9, 9, 20, 150}},
            {"19x19", {19, 19, 19, 19, 4, 600}},
            {"25x25 cut off by a 19x19 window", {19, 19, 25, 25, 2, 600}},
            {"13x13 cut off by a 9x9 window", {9, 9, 13, 13, 6, 200}},
            {"8x10 filling its window", {8, 10, 8, 10, 10, 150}},
            {"30x19 filling its window", {30, 19, 30, 19, 2, 600}},
            {"105x99, the finest window", {105, 99, 105, 99, 1, 600}},
        };
        for (const bool computer : {false, true})
            for (const auto& [name, setup] : setups)
                QTest::addRow("%s, %s", name, computer ? "computer" : "two players")
                    << setup << computer;
    }
    // After every release: whose move it is, the beeps, the computer's
    // numbers and the group searches; after every game: the count, and the
    // board pixel for pixel where lines are longer than a point.
    void gamesAgreeWithTheModel()
    {
        QFETCH(Setup, setup);
        QFETCH(bool, computer);
        const QString mode = QString::number(computer ? 1 : 2);
        const QString board = SizeAnswer(setup.BoardCols, setup.BoardRows);
        PlayedWindow played({SizeAnswer(setup.WindowCols, setup.WindowRows), board, mode});
        const GameState& state = played.State();
        const ScriptedPlatform& desktop = played.desktop;
        // The model draws from a generator that starts as the game's.
        FixedStartRandom random;
        int drawn = 0;
        ReferenceModel model;
        model.WindowCols = setup.WindowCols;
        model.WindowRows = setup.WindowRows;
        model.Random = [&] {
            ++drawn;
            return random.Next();
        };
        std::mt19937 aim(qHash(QString::fromLatin1(QTest::currentDataTag())));
        // Under 10 pixels a step, a line drawn back around a cleared point
        // reaches into the outline of a stone on the next point.
        const bool tooFine = DrawingArea.width() < 10 * (setup.WindowCols + 1)
                             || DrawingArea.height() < 10 * (setup.WindowRows + 1);
        for (int game = 1; game <= setup.Games; ++game) {
            if (game > 1) {
                played.desktop.Answers = {board, mode};
                played.Command("Start")->trigger();
            }
            model.NewGame(setup.BoardCols, setup.BoardRows, computer);
            for (int release = 1; release <= setup.Releases; ++release) {
                const auto [at, point] = Aim(aim, model);
                played.Release(at.x(), at.y(), Qt::MouseButton(Qt::LeftButton << aim() % 3),
                               Qt::KeyboardModifier(Qt::ShiftModifier << aim() % 3));
                model.Release(point.Col, point.Row);
                for (; model.GaveUp && drawn < desktop.RandomsDrawn; ++drawn)
                    random.Next();
                QVERIFY2(state.WhiteToMove == model.WhiteToMove && state.ComputerBusy == 0
                             && desktop.Beeps == model.Beeps && desktop.RandomsDrawn == drawn
                             && desktop.Yields == model.Yields && state.GroupX == model.LastGroup.Xs
                             && state.GroupY == model.LastGroup.Ys,
                         qPrintable(QStringLiteral("game %1, release %2 at (%3, %4)")
                                        .arg(game)
                                        .arg(release)
                                        .arg(at.x())
                                        .arg(at.y())));
            }
            if (model.Cols > 1 && model.Rows > 1 && !tooFine)
                QVERIFY2(played.window.Board().Image() == Fresh(model, played.window.Board()),
                         qPrintable(QStringLiteral("game %1 drawn otherwise").arg(game)));
            played.Command("计数")->trigger();
            QCOMPARE(desktop.Messages.back(), Count(model));
        }
    }

    // Random boards up to 13 by 13 at every density, and serpentines turned
    // every way, whose chains run left and up a stone a pass; searched from
    // stones of either colour, empty points and points beyond the edge.
    void groupSearchesAgreeWithWholeBoardScans()
    {
        std::mt19937 random(20261207);
        const auto below = [&](int n) { return int(random() % unsigned(n)); };
        Surface board(DrawingArea, Background);
        board.SetScale(14, 14);
        for (int drawing = 0; drawing < 1500; ++drawing) {
            const int cols = below(8) ? 1 + below(13) : 1;
            const int rows = below(8) ? 1 + below(13) : 1;
            const int emptyPercent = below(70);
            const int blackPercent = below(101);
            const bool serpentine = below(4) == 0;
            const bool turned[] = {bool(below(2)), bool(below(2)), bool(below(2))};
            board.Clear();
            for (int c = 1; c <= cols; ++c) {
                for (int r = 1; r <= rows; ++r) {
                    // Columns two apart from the right, joined at the top
                    // and the bottom in turn, with walls between.
                    const int x = turned[0] ? cols + 1 - c : c;
                    const int y = turned[1] ? rows + 1 - r : r;
                    const int fromEnd = turned[2] ? rows - y : cols - x;
                    const int across = turned[2] ? x : y;
                    const int last = turned[2] ? cols : rows;
                    const bool path = fromEnd % 2 == 0 || across == (fromEnd / 2 % 2 ? last : 1);
                    const Color stone = serpentine                  ? (path ? White : Black)
                                        : below(100) < emptyPercent ? Background
                                        : below(100) < blackPercent ? Black
                                                                    : White;
                    board.SetPenColor(stone);
                    board.SetFillColor(stone);
                    board.DrawCircle(c, r, StoneRadius);
                }
            }
            const Intersection inside{1 + below(cols), 1 + below(rows)};
            const Intersection corner{turned[0] ? 1 : cols, turned[1] ? 1 : rows};
            const Intersection beyond[] = {
                {0, inside.Row}, {cols + 1, inside.Row}, {inside.Col, 0}, {inside.Col, rows + 1}};
            for (const Intersection start : {inside, corner, beyond[below(4)]}) {
                for (const Color color : {Black, White}) {
                    const ScannedGroup scanned =
                        ScanningGroupSearch(cols, rows, start, [&](int c, int r) {
                            return ProbeColorAt(board, c, r) == color;
                        });
                    std::vector<std::int16_t> xs;
                    std::vector<std::int16_t> ys;
                    int yields = 0;
                    const int passes =
                        ListGroup(board, cols, rows, start, color, xs, ys, [&] { ++yields; });
                    QVERIFY2(xs == scanned.Xs && ys == scanned.Ys && passes == scanned.Passes
                                 && yields == passes,
                             qPrintable(QStringLiteral("drawing %1 from (%2, %3)")
                                            .arg(drawing)
                                            .arg(start.Col)
                                            .arg(start.Row)));
                }
            }
        }
    }

    // A group far larger than any list of fixed room, taken off whole: the
    // board is then as it was drawn fresh.
    void aWholeBoardIsTakenOff()
    {
        PlayedWindow played({"5050", "5050", "2"});
        ReferenceModel empty;
        empty.WindowCols = empty.WindowRows = 50;
        empty.NewGame(50, 50, false);
        for (int c = 1; c <= 50; ++c) {
            for (int r = 1; r <= 50; ++r) {
                played.State().WhiteToMove = true;
                played.window.Play().PlaceStone(c, r);
            }
        }
        played.window.Play().TestGroup(50, 50, White);
        QCOMPARE(played.State().GroupX.size(), 2500u);
        QVERIFY(played.window.Board().Image() == Fresh(empty, played.window.Board()));
    }
};

QTEST_MAIN(DifferentialTest)
#include "tst_differential.moc"
