#include "Surface.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace {

QColor ToQColor(Color color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

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
}

void Surface::Clear()
{
    image.fill(ToQColor(backColor));
    Changed();
}

void Surface::SetPenWidth(int pixels) { penWidth = pixels; }
void Surface::SetPenColor(Color color) { penColor = color; }
void Surface::SetFillColor(Color color) { fillColor = color; }

template <typename Paint> void Surface::Draw(Paint paint)
{
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        QPen pen(ToQColor(penColor), penWidth * devicePixelRatio);
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.setBrush(ToQColor(fillColor));
        painter.scale(pixelsPerUnitX, pixelsPerUnitY);
        paint(painter);
    }
    Changed();
}

// A line of no length still shows as a point of the pen's width, as the
// grid of a board of one point needs.
void Surface::DrawLine(float x1, float y1, float x2, float y2)
{
    Draw([&](QPainter& painter) {
        if (x1 == x2 && y1 == y2)
            painter.drawPoint(QPointF(x1, y1));
        else
            painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    });
}

void Surface::DrawCircle(float x, float y, float radius)
{
    Draw([&](QPainter& painter) { painter.drawEllipse(QPointF(x, y), radius, radius); });
}

void Surface::DrawRoundDot(float x, float y, float radius)
{
    const double pixels = radius * std::min(pixelsPerUnitX, pixelsPerUnitY);
    Draw([&](QPainter& painter) {
        painter.drawEllipse(QPointF(x, y), pixels / pixelsPerUnitX, pixels / pixelsPerUnitY);
    });
}
