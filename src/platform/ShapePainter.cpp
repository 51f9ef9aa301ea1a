#include "ShapePainter.h"

#include <QPen>
#include <QTransform>

#include <algorithm>
#include <cmath>

ShapePainter::ShapePainter(double pixelsPerUnitX, double pixelsPerUnitY, qreal devicePixelRatio)
    : pixelsPerUnitX(pixelsPerUnitX), pixelsPerUnitY(pixelsPerUnitY),
      devicePixelRatio(devicePixelRatio)
{
}

void ShapePainter::Paint(QImage& image, const Shape& shape, QRgb outline, QRgb inside) const
{
    QPainter painter(&image);
    Prepare(painter);
    painter.setPen(PenFor(shape, outline));
    painter.setBrush(QColor::fromRgb(inside));
    Trace(painter, shape);
}

// What lies beneath never shows through.
void ShapePainter::Prepare(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
}

QPen ShapePainter::PenFor(const Shape& shape, QRgb outline) const
{
    QPen pen(QColor::fromRgb(outline), PenPixels(shape));
    pen.setCosmetic(true);
    return pen;
}

// Lines are mapped to device pixels here rather than by the painter: with
// no scale of its own the painter rasterises a wide pen's line directly,
// several times faster than by stroking its outline. A line of no length
// still shows as a point of the pen's width, as the grid of a board of one
// point needs.
void ShapePainter::Trace(QPainter& painter, const Shape& shape) const
{
    const QPointF centre(shape.X1, shape.Y1);
    switch (shape.Is) {
    case Shape::Line:
        painter.resetTransform();
        painter.drawLine(Device(shape.X1, shape.Y1), Device(shape.X2, shape.Y2));
        break;
    case Shape::Point:
        painter.resetTransform();
        painter.drawPoint(Device(shape.X1, shape.Y1));
        break;
    case Shape::Circle:
        painter.setTransform(QTransform::fromScale(pixelsPerUnitX, pixelsPerUnitY));
        painter.drawEllipse(centre, shape.X2, shape.X2);
        break;
    case Shape::RoundDot: {
        // A circle in pixels, its radius measured in the smaller unit.
        const double pixels = shape.X2 * std::min(pixelsPerUnitX, pixelsPerUnitY);
        painter.setTransform(QTransform::fromScale(pixelsPerUnitX, pixelsPerUnitY));
        painter.drawEllipse(centre, pixels / pixelsPerUnitX, pixels / pixelsPerUnitY);
        break;
    }
    }
}

// The pen reaches half its width beyond the outline; twice that is ample.
QRect ShapePainter::Reach(const Shape& shape) const
{
    const qreal margin = shape.PenWidth * devicePixelRatio + 2;
    QRectF reach;
    if (shape.Is == Shape::Line || shape.Is == Shape::Point) {
        reach = QRectF(Device(shape.X1, shape.Y1), Device(shape.X2, shape.Y2)).normalized();
    } else {
        // A round dot's radius is no larger than a circle's of the same size.
        const qreal radius = std::abs(shape.X2);
        const QPointF centre = Device(shape.X1, shape.Y1);
        reach = QRectF(centre, centre).adjusted(-radius * pixelsPerUnitX, -radius * pixelsPerUnitY,
                                                radius * pixelsPerUnitX, radius * pixelsPerUnitY);
    }
    return reach.adjusted(-margin, -margin, margin, margin).toAlignedRect();
}
