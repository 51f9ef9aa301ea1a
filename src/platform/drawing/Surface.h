#pragma once

#include "OpenImage.h"
#include "Shape.h"
#include "platform/Color.h"

#include <QImage>
#include <QSize>

#include <functional>
#include <memory>
#include <optional>

class ShapePainter;
class StampCache;

// The persistent drawing area: one image that is the board. Coordinates are
// board units of a user scale whose origin is the top-left corner. The pen
// is always solid and paints over what lies beneath; shapes are filled
// solidly; nothing is antialiased, so colours read back exactly.
class Surface
{
public:
    // How many shapes the stamps remember: a bound on the memory for boards
    // far larger than the window. None paints every shape straight through
    // the painter, the stamps' reference.
    static constexpr std::size_t DefaultStamps = 1 << 16;

    // size is in layout pixels; the image holds size * devicePixelRatio
    // pixels, rounded up, and the pen keeps its width in layout pixels.
    Surface(QSize size, Color backColor, qreal devicePixelRatio = 1,
            std::size_t stamps = DefaultStamps);

    void SetScale(float width, float height);
    float ScaleWidth() const { return scaleWidth; }
    float ScaleHeight() const { return scaleHeight; }

    Color BackColor() const { return backColor; }
    void Clear();

    void SetPenWidth(int pixels) { penWidth = pixels; }
    void SetPenColor(Color color) { pen = ToQRgb(color); }
    void SetFillColor(Color color) { fill = ToQRgb(color); }

    void DrawLine(float x1, float y1, float x2, float y2);
    // A circle of the board's geometry: an ellipse in pixels when the two
    // units differ.
    void DrawCircle(float x, float y, float radius);
    // A circle in pixels; the radius is measured in the smaller unit.
    void DrawRoundDot(float x, float y, float radius);

    // The colour of the pixel that contains the point, NoColor outside.
    Color ColorAt(float x, float y) const
    {
        const double px = x * pixelsPerUnitX;
        const double py = y * pixelsPerUnitY;
        if (!(px >= 0 && py >= 0 && px < area.width() && py < area.height()))
            return NoColor;
        const QRgb rgb = reinterpret_cast<const QRgb*>(
            open.Image().constScanLine(int(py)))[int(px)];
        return Rgb(qRed(rgb), qGreen(rgb), qBlue(rgb));
    }

    // A position in layout pixels, in board units.
    QPointF BoardPoint(QPointF position) const
    {
        return {float(position.x() * devicePixelRatio / pixelsPerUnitX),
                float(position.y() * devicePixelRatio / pixelsPerUnitY)};
    }

    // The image as it is now: later drawing leaves this copy as it is.
    QImage Image() const { return open.Shared(); }
    QSize LayoutSize() const { return layoutSize; }
    qreal DevicePixelRatio() const { return devicePixelRatio; }

    // Called after every drawing step, so a view can show it.
    std::function<void()> Changed = [] {};
    // The device pixels that the last step may have drawn on.
    QRectF LastDrawn() const;

private:
    static QRgb ToQRgb(Color color)
    {
        return qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    }

    // Lays the shape down in the pen's and the fill's colours. The drawing
    // calls build the shape in lastShape itself: copied in here, it made
    // every shape a call to glibc's memmove in the checked build, and once
    // Qt's fill leaves the vector registers' upper halves in use each call
    // costs about 120 ns on this machine; the fuzz target's 177 saved inputs
    // took 3.00 s rather than 1.07 s (ten times each, medians of 5 rounds).
    void Paint(const Shape& shape);

    QSize layoutSize;
    // The area in device pixels, unrounded: the scale spans exactly the
    // layout, also where a fractional ratio leaves part of a pixel over.
    QSizeF area;
    OpenImage open;
    qreal devicePixelRatio;
    std::size_t stampCapacity;
    float scaleWidth;
    float scaleHeight;
    double pixelsPerUnitX;
    double pixelsPerUnitY;
    Color backColor;
    int penWidth = 1;
    // The last shape drawn; none once the image is cleared, which draws on
    // all of it. Its reach is worked out only when a view asks: worked out
    // for every shape, it made the covered 99 by 99 board's capture 13%
    // more instructions.
    std::optional<Shape> lastShape;
    // The pen's and the fill's colours as the image holds them.
    QRgb pen;
    QRgb fill;
    // Both shared by copies, which draw at the same scale on an image alike;
    // held apart so that the rules see the surface alone, not its stamps.
    std::shared_ptr<const ShapePainter> shapes;
    std::shared_ptr<StampCache> stamps;
};
