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
    stamps = std::make_shared<ShapeStamps>(image.size(), pixelsPerUnitX, pixelsPerUnitY,
                                           devicePixelRatio);
}

void Surface::Clear()
{
    image.fill(ToQColor(backColor));
    Changed();
}

void Surface::SetPenWidth(int pixels) { penWidth = pixels; }
void Surface::SetPenColor(Color color) { penColor = color; }
void Surface::SetFillColor(Color color) { fillColor = color; }

void Surface::DrawLine(float x1, float y1, float x2, float y2)
{
    const bool point = x1 == x2 && y1 == y2;
    using Shape = ShapeStamps::Shape;
    Paint({point ? Shape::Point : Shape::Line, penWidth, x1, y1, x2, y2});
}

void Surface::DrawCircle(float x, float y, float radius)
{
    Paint({ShapeStamps::Shape::Circle, penWidth, x, y, radius, radius});
}

void Surface::DrawRoundDot(float x, float y, float radius)
{
    Paint({ShapeStamps::Shape::RoundDot, penWidth, x, y, radius, radius});
}

void Surface::Paint(const ShapeStamps::Shape& shape)
{
    const QRgb outline = ToQRgb(penColor);
    const QRgb inside = ToQRgb(fillColor);
    const ShapeStamps::Stamp stamp = stamps->Find(shape);
    if (!stamp.Outline.empty() || !stamp.Inside.empty()) {
        // The image may be shared with a copy: bits() detaches it.
        QRgb* const first = reinterpret_cast<QRgb*>(image.bits()) + stamp.Pixel;
        for (const ShapeStamps::Run& run : stamp.Outline)
            std::fill_n(first + run.Offset, run.Length, outline);
        for (const ShapeStamps::Run& run : stamp.Inside)
            std::fill_n(first + run.Offset, run.Length, inside);
    }
    Changed();
}
