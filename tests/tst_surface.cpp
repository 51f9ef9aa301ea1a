#include "platform/Surface.h"

#include <QPainter>
#include <QTest>

#include <cmath>
#include <random>

namespace {

constexpr Color Background = Rgb(192, 192, 255);
const QSize WindowSize(794, 748);

QColor ToQColor(Color color) { return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF); }

// Every shape painted by a painter of its own, straight onto the image:
// what the surface must paint, pixel for pixel.
class PlainSurface
{
public:
    PlainSurface(QSize size, qreal ratio, float scaleWidth, float scaleHeight)
        : area(QSizeF(size) * ratio)
        , image(int(std::ceil(area.width())), int(std::ceil(area.height())), QImage::Format_RGB32)
        , ratio(ratio)
        , pixelsPerUnitX(area.width() / double(scaleWidth))
        , pixelsPerUnitY(area.height() / double(scaleHeight))
    {
        image.fill(ToQColor(Background));
    }

    // In device pixels, as the surface draws lines.
    void DrawLine(float x1, float y1, float x2, float y2)
    {
        Paint([&](QPainter& painter) {
            painter.resetTransform();
            const QPointF from(x1 * pixelsPerUnitX, y1 * pixelsPerUnitY);
            const QPointF to(x2 * pixelsPerUnitX, y2 * pixelsPerUnitY);
            if (x1 == x2 && y1 == y2)
                painter.drawPoint(from);
            else
                painter.drawLine(from, to);
        });
    }
    void DrawCircle(float x, float y, float radius)
    {
        Paint([&](QPainter& painter) { painter.drawEllipse(QPointF(x, y), radius, radius); });
    }
    void DrawRoundDot(float x, float y, float radius)
    {
        const double pixels = radius * std::min(pixelsPerUnitX, pixelsPerUnitY);
        Paint([&](QPainter& painter) {
            painter.drawEllipse(QPointF(x, y), pixels / pixelsPerUnitX, pixels / pixelsPerUnitY);
        });
    }

    int PenWidth = 1;
    Color PenColor = Black;
    Color FillColor = Black;
    QSizeF area;
    QImage image;

private:
    template <typename Shape> void Paint(Shape shape)
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        QPen pen(ToQColor(PenColor), PenWidth * ratio);
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.setBrush(ToQColor(FillColor));
        painter.scale(pixelsPerUnitX, pixelsPerUnitY);
        shape(painter);
    }

    qreal ratio;
    double pixelsPerUnitX;
    double pixelsPerUnitY;
};

} // namespace

class SurfaceTest : public QObject
{
    Q_OBJECT

private slots:
    // Stones put down and taken off again, grid arms, star dots and stray
    // shapes, in changing colours and pen widths, at several scales and
    // device pixel ratios: the surface paints exactly what a painter of
    // its own for every shape would.
    void paintsWhatAPlainPainterPaints_data()
    {
        QTest::addColumn<float>("scaleWidth");
        QTest::addColumn<float>("scaleHeight");
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("20x20") << 20.0f << 20.0f << qreal(1);
        QTest::newRow("100x100") << 100.0f << 100.0f << qreal(1);
        QTest::newRow("99x93") << 99.0f << 93.0f << qreal(1);
        QTest::newRow("9x11") << 9.0f << 11.0f << qreal(1);
        QTest::newRow("20x20 at 2") << 20.0f << 20.0f << qreal(2);
        QTest::newRow("100x100 at 1.5") << 100.0f << 100.0f << qreal(1.5);
        QTest::newRow("31x17 at 1.25") << 31.0f << 17.0f << qreal(1.25);
    }
    void paintsWhatAPlainPainterPaints()
    {
        QFETCH(float, scaleWidth);
        QFETCH(float, scaleHeight);
        QFETCH(qreal, ratio);
        Surface surface(WindowSize, Background, ratio);
        surface.SetScale(scaleWidth, scaleHeight);
        PlainSurface plain(WindowSize, ratio, scaleWidth, scaleHeight);
        QCOMPARE(surface.Image(), plain.image);

        std::mt19937 random(7);
        const auto below = [&](int n) { return int(random() % unsigned(n)); };
        const Color colors[] = {Black, White, Background, Rgb(10, 200, 30)};
        // Points of the board and a little beyond, so that shapes recur.
        const auto coordinate = [&](float scale) { return float(below(int(scale) + 2)); };
        for (int step = 0; step < 3000; ++step) {
            const float x = coordinate(scaleWidth);
            const float y = coordinate(scaleHeight);
            switch (below(8)) {
            case 0:
                surface.SetPenColor(plain.PenColor = colors[below(4)]);
                break;
            case 1:
                surface.SetFillColor(plain.FillColor = colors[below(4)]);
                break;
            case 2:
                surface.SetPenWidth(plain.PenWidth = 1 + below(3));
                break;
            case 3:
            case 4:
                surface.DrawCircle(x, y, 0.3f);
                plain.DrawCircle(x, y, 0.3f);
                break;
            case 5: {
                const float radius = 0.05f * float(1 + below(12));
                surface.DrawRoundDot(x, y, radius);
                plain.DrawRoundDot(x, y, radius);
                break;
            }
            case 6: {
                const bool across = below(2) == 0;
                const float half = 0.5f * float(below(3));
                surface.DrawLine(x - across * half, y - !across * half, x + across * half,
                                 y + !across * half);
                plain.DrawLine(x - across * half, y - !across * half, x + across * half,
                               y + !across * half);
                break;
            }
            default: {
                // Off the points of the board.
                const float dx = float(below(100)) / 37;
                surface.DrawCircle(x + dx, y - dx, 0.3f);
                plain.DrawCircle(x + dx, y - dx, 0.3f);
                break;
            }
            }
            if (step % 100 == 99)
                QVERIFY2(surface.Image() == plain.image, qPrintable(QString::number(step)));
        }
    }

    // A copy of the surface, or of its image, keeps what it showed when it
    // was taken, whatever is painted after.
    void copiesKeepWhatTheyShowed()
    {
        Surface surface(WindowSize, Background);
        surface.SetScale(20, 20);
        surface.SetPenWidth(2);
        surface.DrawLine(1, 1, 19, 1);
        const Surface copy = surface;
        surface.DrawLine(1, 2, 19, 2);
        QCOMPARE(copy.ColorAt(10, 2), Background);
        QCOMPARE(surface.ColorAt(10, 2), Black);

        const QImage held = surface.Image();
        surface.DrawLine(1, 3, 19, 3);
        surface.DrawCircle(5, 5, 0.3f);
        QCOMPARE(held.pixelColor(int(10 * 794 / 20.0), int(3 * 748 / 20.0)), ToQColor(Background));
        QCOMPARE(surface.ColorAt(10, 3), Black);

        Surface assigned(WindowSize, Background);
        assigned.SetScale(20, 20);
        assigned.DrawLine(2, 2, 3, 3);
        assigned = surface;
        surface.DrawLine(1, 4, 19, 4);
        QCOMPARE(assigned.ColorAt(10, 4), Background);
        assigned.DrawLine(1, 5, 19, 5);
        QCOMPARE(surface.ColorAt(10, 5), Background);
        QCOMPARE(assigned.ColorAt(10, 3), Black);
        QCOMPARE(copy.ColorAt(10, 1), Black);
    }
};

QTEST_MAIN(SurfaceTest)
#include "tst_surface.moc"
