#include "ReleaseOver.h"
#include "ScriptedPlatform.h"
#include "board/Geometry.h"
#include "platform/Surface.h"
#include "window/Game.h"
#include "window/BoardView.h"
#include "window/VorOdAra.h"

#include <QTest>

namespace {

constexpr Color Background = Rgb(192, 192, 255);
const QSize LayoutSize(794, 748);

// A game on a board drawn at a given device pixel ratio.
struct Side
{
    Side(qreal ratio, const QString& windowAnswer, const QString& boardAnswer)
        : board(LayoutSize, Background, ratio), game(board, desktop)
    {
        desktop.Answers = {windowAnswer, boardAnswer, QStringLiteral("1")};
        game.AskWindowSize();
        game.NewGame();
    }

    ScriptedPlatform desktop;
    Surface board;
    Game game;
};

// The width of the black run that crosses the image's row y around x.
int BlackRun(const QImage& image, int x, int y)
{
    int left = x;
    int right = x;
    while (left > 0 && image.pixel(left - 1, y) == qRgb(0, 0, 0))
        --left;
    while (right + 1 < image.width() && image.pixel(right + 1, y) == qRgb(0, 0, 0))
        ++right;
    return image.pixel(x, y) == qRgb(0, 0, 0) ? right - left + 1 : 0;
}

} // namespace

class HiDpiTest : public QObject
{
    Q_OBJECT

private slots:
    void theScreenRatioReachesTheBoard()
    {
        const qreal ratio = qGuiApp->devicePixelRatio();
        const QByteArray scaleFactor = qgetenv("QT_SCALE_FACTOR");
        if (!scaleFactor.isEmpty())
            QCOMPARE(ratio, scaleFactor.toDouble());
        ScriptedPlatform desktop;
        VorOdAra window(desktop);
        QCOMPARE(window.Board().DevicePixelRatio(), ratio);
        // Whole device pixels over the layout, less than one of them left over.
        const QSizeF exact = QSizeF(LayoutSize) * ratio;
        const QSize pixels = window.Board().Image().size();
        QVERIFY(pixels.width() >= exact.width() && pixels.width() < exact.width() + 1);
        QVERIFY(pixels.height() >= exact.height() && pixels.height() < exact.height() + 1);
        QCOMPARE(window.centralWidget()->size(), LayoutSize);
    }

    // Crisp: every device pixel of the view is the image's own pixel, and a
    // release lands on the intersection under the pointer.
    void theViewShowsTheBoardPixelForPixel()
    {
        ScriptedPlatform desktop;
        desktop.Answers = {QStringLiteral("1919"), QStringLiteral("1919"), QStringLiteral("2")};
        VorOdAra window(desktop);
        QVERIFY(window.Load());
        QWidget* view = window.centralWidget();
        // Near the intersections, not on them.
        for (const QPoint& point : {QPoint(4, 4), QPoint(5, 4), QPoint(17, 3)})
            ReleaseOver(window, point.x() + 0.08, point.y() - 0.08);
        QCOMPARE(ProbeColorAt(window.Board(), 4, 4), Black);
        QCOMPARE(ProbeColorAt(window.Board(), 5, 4), White);
        QCOMPARE(ProbeColorAt(window.Board(), 17, 3), Black);

        const QImage shown = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage& board = window.Board().Image();
        QVERIFY(shown.width() >= int(LayoutSize.width() * qGuiApp->devicePixelRatio()));
        QVERIFY(shown == board.copy(QRect(QPoint(), shown.size())));
    }

    // The pen keeps 2 pixels of the layout, so 2 per layout pixel of the
    // device.
    void theGridPenScalesWithTheRatio_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("1") << 1.0;
        QTest::newRow("2") << 2.0;
        QTest::newRow("3") << 3.0;
    }
    void theGridPenScalesWithTheRatio()
    {
        QFETCH(qreal, ratio);
        Side side(ratio, QStringLiteral("1919"), QStringLiteral("1919"));
        const QImage& image = side.board.Image();
        const int between = int(2.5 * image.height() / 20.0);
        QCOMPARE(BlackRun(image, int(3 * image.width() / 20.0), between), int(2 * ratio));
    }

    // Where the layout's pixels do not fall on whole device pixels, a
    // release still names the board point it names at ratio 1, and the
    // window keeps its size.
    void fractionalRatiosKeepTheLayoutsGeometry_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("1.25") << 1.25;
        QTest::newRow("1.3") << 1.3;
        QTest::newRow("1.75") << 1.75;
    }
    void fractionalRatiosKeepTheLayoutsGeometry()
    {
        QFETCH(qreal, ratio);
        Surface reference(LayoutSize, Background, 1);
        Surface board(LayoutSize, Background, ratio);
        reference.SetScale(20, 20);
        board.SetScale(20, 20);
        for (int step = 0; step <= 40; ++step) {
            // Halfway between intersections, where rounding decides.
            const QPointF position(step * LayoutSize.width() / 40.0,
                                   step * LayoutSize.height() / 40.0);
            QCOMPARE(board.BoardPoint(position), reference.BoardPoint(position));
        }
        QCOMPARE(BoardView(board).size(), LayoutSize);
        // The whole area reads back, and nothing beyond it.
        QCOMPARE(board.ColorAt(19.999f, 19.999f), Background);
        QCOMPARE(board.ColorAt(20, 10), NoColor);
        QCOMPARE(board.ColorAt(10, 20), NoColor);
    }
};

QTEST_MAIN(HiDpiTest)
#include "tst_hidpi.moc"
