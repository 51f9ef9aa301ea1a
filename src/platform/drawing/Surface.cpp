#include "Surface.h"

#include "Shape.h"
#include "ShapePainter.h"
#include "StampCache.h"

#include <cmath>

namespace {

// The whole device pixels that cover an area.
QSize Covering(QSizeF area)
{
    return QSize(int(std::ceil(area.width())), int(std::ceil(area.height())));
}

} // namespace

Surface::Surface(QSize size, Color backColor, qreal devicePixelRatio, std::size_t stamps)
    : layoutSize(size)
    , area(QSizeF(size) * devicePixelRatio)
    , open(QImage(Covering(area), QImage::Format_RGB32))
    , devicePixelRatio(devicePixelRatio)
    , stampCapacity(stamps)
    , backColor(backColor)
{
    SetScale(size.width(), size.height());
    SetPenColor(Black);
    SetFillColor(Black);
    open.Fill(ToQRgb(backColor));
}

void Surface::SetScale(float width, float height)
{
    scaleWidth = width;
    scaleHeight = height;
    pixelsPerUnitX = area.width() / double(width);
    pixelsPerUnitY = area.height() / double(height);
    shapes = std::make_shared<const ShapePainter>(pixelsPerUnitX, pixelsPerUnitY, devicePixelRatio);
    stamps.reset();
    lastShape.reset();
    const QImage& image = open.Image();
    if (stampCapacity > 0)
        stamps = std::make_shared<StampCache>(*shapes, image.size(), image.bytesPerLine(),
                                              stampCapacity);
}

void Surface::Clear()
{
    open.Fill(ToQRgb(backColor));
    lastShape.reset();
    Changed();
}

void Surface::DrawLine(float x1, float y1, float x2, float y2)
{
    Paint(lastShape.emplace(Shape{Shape::Line, penWidth, x1, y1, x2, y2}));
}

void Surface::DrawCircle(float x, float y, float radius)
{
    Paint(lastShape.emplace(Shape{Shape::Circle, penWidth, x, y, radius, radius}));
}

void Surface::DrawRoundDot(float x, float y, float radius)
{
    Paint(lastShape.emplace(Shape{Shape::RoundDot, penWidth, x, y, radius, radius}));
}

void Surface::Paint(const Shape& shape)
{
    const bool stamped = stamps && stamps->LayDown(shape, open.Pixels(), pen, fill);
    if (!stamped && shapes->Reach(shape).intersects(QRectF(open.Image().rect())))
        shapes->Paint(open.Painter(), shape, pen, fill);
    Changed();
}

QRectF Surface::LastDrawn() const
{
    return lastShape ? shapes->Reach(*lastShape) : QRectF(open.Image().rect());
}
