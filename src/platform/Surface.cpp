#include "Surface.h"

#include <QColor>

#include <algorithm>
#include <cmath>

namespace {

QColor ToQColor(Color color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QRgb ToQRgb(Color color) { return qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF); }

// The whole device pixels that cover an area.
QSize Covering(QSizeF area)
{
    return QSize(int(std::ceil(area.width())), int(std::ceil(area.height())));
}

} // namespace

Surface::Surface(QSize size, Color backColor, qreal devicePixelRatio)
    : layoutSize(size)
    , area(QSizeF(size) * devicePixelRatio)
    , image(Covering(area), QImage::Format_RGB32)
    , devicePixelRatio(devicePixelRatio)
    , backColor(backColor)
{
    SetScale(size.width(), size.height());
    image.fill(ToQColor(backColor));
}

void Surface::SetScale(float width, float height)
{
    scaleWidth = width;
    scaleHeight = height;
    pixelsPerUnitX = area.width() / double(width);
    pixelsPerUnitY = area.height() / double(height);
    stamps = std::make_shared<ShapeStamps>(image.size(), pixelsPerUnitX, pixelsPerUnitY);
}

void Surface::Clear()
{
    image.fill(ToQColor(backColor));
    Changed();
}

void Surface::SetPenWidth(int pixels) { penWidth = pixels; }
void Surface::SetPenColor(Color color) { penColor = color; }
void Surface::SetFillColor(Color color) { fillColor = color; }

// Lines are mapped to device pixels here rather than by the painter: with
// no scale of its own the painter rasterises a wide pen's line directly,
// several times faster than by stroking its outline. A line of no length
// still shows as a point of the pen's width, as the grid of a board of one
// point needs.
void Surface::DrawLine(float x1, float y1, float x2, float y2)
{
    const bool point = x1 == x2 && y1 == y2;
    using Shape = ShapeStamps::Shape;
    Paint({point ? Shape::Point : Shape::Line, x1 * pixelsPerUnitX, y1 * pixelsPerUnitY,
           x2 * pixelsPerUnitX, y2 * pixelsPerUnitY, penWidth * devicePixelRatio});
}

void Surface::DrawCircle(float x, float y, float radius) { DrawEllipse(QPointF(x, y), radius, radius); }

void Surface::DrawRoundDot(float x, float y, float radius)
{
    const double pixels = radius * std::min(pixelsPerUnitX, pixelsPerUnitY);
    DrawEllipse(QPointF(x, y), pixels / pixelsPerUnitX, pixels / pixelsPerUnitY);
}

void Surface::DrawEllipse(QPointF centre, qreal radiusX, qreal radiusY)
{
    Paint({ShapeStamps::Shape::Ellipse, centre.x(), centre.y(), radiusX, radiusY,
           penWidth * devicePixelRatio});
}

void Surface::Paint(const ShapeStamps::Shape& shape)
{
    const QRgb outline = ToQRgb(penColor);
    const QRgb inside = ToQRgb(fillColor);
    const ShapeStamps::Stamp stamp = stamps->Find(shape);
    if (!stamp.Outline.empty() || !stamp.Inside.empty()) {
        // The image may be shared with a copy: bits() detaches it.
        QRgb* const pixels = reinterpret_cast<QRgb*>(image.bits());
        for (const ShapeStamps::Run& run : stamp.Outline)
            std::fill_n(pixels + run.Pixel, run.Length, outline);
        for (const ShapeStamps::Run& run : stamp.Inside)
            std::fill_n(pixels + run.Pixel, run.Length, inside);
    }
    Changed();
}
