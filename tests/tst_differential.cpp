#include "PlayedWindow.h"
#include "ReferenceModel.h"

#include <QPainter>
#include <QTest>

#include <random>

// Random games through the real window, held against a model of the rules
// written afresh: after every release what the game did, after every game
// the count and the board pixel for pixel as a painter draws it fresh.
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

// Releases land this far from their point at most, well inside the half
// step that still rounds to it, or exactly halfway, one in this many.
constexpr double Jitter = 0.45;
constexpr unsigned HalfwayOneIn = 6;

QString SizeAnswer(int cols, int rows) { return QString::asprintf("%02d%02d", cols, rows); }

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

// The model's board drawn fresh: the grid in device pixels, then the star
// dots shown and the stones in board units.
QImage Fresh(ReferenceModel& model, const Surface& board)
{
    QImage image(board.Image().size(), QImage::Format_RGB32);
    image.fill(QColor(192, 192, 255));
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const double unitX = image.width() / board.ScaleWidth();
    const double unitY = image.height() / board.ScaleHeight();
    const auto paintIn = [&](Qt::GlobalColor color) {
        QPen pen(color, GridPenWidth * board.DevicePixelRatio());
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.setBrush(color);
    };
    paintIn(Qt::black);
    for (int c = 1; c <= model.Cols; ++c)
        painter.drawLine(QPointF(c * unitX, unitY), QPointF(c * unitX, model.Rows * unitY));
    for (int r = 1; r <= model.Rows; ++r)
        painter.drawLine(QPointF(unitX, r * unitY), QPointF(model.Cols * unitX, r * unitY));
    painter.scale(unitX, unitY);
    const double dot = StarPointRadius * std::min(unitX, unitY);
    for (int c = 1; c <= model.Cols; ++c) {
        for (int r = 1; r <= model.Rows && model.Visible({c, r}); ++r) {
            paintIn(model.At({c, r}) == model.White ? Qt::white : Qt::black);
            if (model.At({c, r}) != model.Empty)
                painter.drawEllipse(QPointF(c, r), StoneRadius, StoneRadius);
            else if (model.DotShown({c, r}))
                painter.drawEllipse(QPointF(c, r), dot / unitX, dot / unitY);
        }
    }
    return image;
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
    void gamesAgreeWithTheModel()
    {
        QFETCH(Setup, setup);
        QFETCH(bool, computer);
        const QString board = SizeAnswer(setup.BoardCols, setup.BoardRows);
        const QString mode = computer ? "1" : "2";
        PlayedWindow played({SizeAnswer(setup.WindowCols, setup.WindowRows), board, mode});
        const GameState& state = played.State();
        const ScriptedPlatform& desktop = played.desktop;
        // The model draws from a generator that starts as the game's.
        FixedStartRandom random;
        int drawn = 0;
        ReferenceModel model{setup.WindowCols, setup.WindowRows,
                             [&] { return ++drawn, random.Next(); }};
        std::mt19937 aim(qHash(QString(QTest::currentDataTag())));
        // Under 10 pixels a step, a line drawn back around a cleared point
        // reaches the outline of a stone on the next point.
        const bool fine = DrawingArea.width() < 10 * (setup.WindowCols + 1);
        for (int game = 1; game <= setup.Games; ++game) {
            if (game > 1) {
                played.desktop.Answers = {board, mode};
                played.Command("Start")->trigger();
            }
            model.NewGame(setup.BoardCols, setup.BoardRows, computer);
            for (int release = 1; release <= setup.Releases; ++release) {
                const auto [at, point] = Aim(aim, model);
                played.Release(at.x(), at.y(), Qt::LeftButton << aim() % 3,
                               Qt::ShiftModifier << aim() % 3);
                model.Release(point);
                for (; model.GaveUp && drawn < desktop.RandomsDrawn; ++drawn)
                    random.Next();
                QVERIFY2(state.WhiteToMove == model.WhiteToMove && !state.ComputerBusy
                             && desktop.Beeps == model.Beeps && desktop.RandomsDrawn == drawn
                             && desktop.Yields == model.Yields && state.GroupX == model.LastGroup.Xs
                             && state.GroupY == model.LastGroup.Ys,
                         qPrintable(QString("game %1, release %2 at (%3, %4)")
                                        .arg(game)
                                        .arg(release)
                                        .arg(at.x())
                                        .arg(at.y())));
            }
            if (!fine && model.Cols > 1 && model.Rows > 1)
                QVERIFY2(played.window.Board().Image() == Fresh(model, played.window.Board()),
                         qPrintable(QString("game %1 drawn otherwise").arg(game)));
            played.Command("计数")->trigger();
            QCOMPARE(desktop.Messages.back(),
                     QString("黑子%1  白子%2")
                         .arg(std::count(model.Points.begin(), model.Points.end(), model.Black))
                         .arg(std::count(model.Points.begin(), model.Points.end(), model.White)));
        }
    }
};

QTEST_MAIN(DifferentialTest)
#include "tst_differential.moc"
