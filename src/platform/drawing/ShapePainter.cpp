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

void ShapePainter::Paint(QPainter& painter, const Shape& shape, QRgb outline, QRgb inside) const
{
    // What lies beneath never shows through; nothing is antialiased, as a
    // new painter has it.
    if (painter.compositionMode() != QPainter::CompositionMode_Source)
        painter.setCompositionMode(QPainter::CompositionMode_Source);
    const qreal penPixels = shape.PenWidth * devicePixelRatio;
    const QPen& pen = painter.pen();
    if (pen.color().rgb() != outline || pen.widthF() != penPixels || !pen.isCosmetic()) {
        QPen cosmetic(QColor::fromRgb(outline), penPixels);
        cosmetic.setCosmetic(true);
        painter.setPen(cosmetic);
    }
    const QBrush& brush = painter.brush();
    if (brush.style() != Qt::SolidPattern || brush.color().rgb() != inside)
        painter.setBrush(QColor::fromRgb(inside));
    Trace(painter, shape);
}

// A transform set, even the one the painter has, makes it set its pen up
// anew for the next shape: without this check the first click on 99 by 99
// at ratio 2, which paints ten thousand new arms between the stones it
// records, takes 15% longer.
void ShapePainter::UseTransform(QPainter& painter, const QTransform& transform)
{
    if (painter.transform() == transform)
        return;
    if (transform.isIdentity())
        painter.resetTransform();
    else
        painter.setTransform(transform);
}

// Lines are mapped to device pixels here rather than by the painter: with
// no scale of its own the painter rasterises a wide pen's line directly,
// several times faster than by stroking its outline. A line of no length
// still shows as a square of the pen's width, as the grid of a board of one
// point needs; drawn as a point it is a pixel wider at some places.
void ShapePainter::Trace(QPainter& painter, const Shape& shape) const
{
    const QPointF centre(shape.X1, shape.Y1);
    switch (shape.Is) {
    case Shape::Line:
        UseTransform(painter, QTransform());
        painter.drawLine(Device(shape.X1, shape.Y1), Device(shape.X2, shape.Y2));
        break;
    case Shape::Circle:
        UseTransform(painter, QTransform::fromScale(pixelsPerUnitX, pixelsPerUnitY));
        painter.drawEllipse(centre, shape.X2, shape.X2);
        break;
    case Shape::RoundDot: {
        // A circle in pixels, its radius measured in the smaller unit.
        const double pixels = shape.X2 * std::min(pixelsPerUnitX, pixelsPerUnitY);
        UseTransform(painter, QTransform::fromScale(pixelsPerUnitX, pixelsPerUnitY));
        painter.drawEllipse(centre, pixels / pixelsPerUnitX, pixels / pixelsPerUnitY);
        break;
    }
    }
}

// The pen reaches half its width beyond the outline; twice that is ample.
QRectF ShapePainter::Reach(const Shape& shape) const
{
    const qreal margin = shape.PenWidth * devicePixelRatio + 2;
    const bool line = shape.Is == Shape::Line;
    // A round dot's radius is no larger than a circle's of the same size.
    const qreal radiusX = line ? 0 : std::abs(shape.X2) * pixelsPerUnitX;
    const qreal radiusY = line ? 0 : std::abs(shape.X2) * pixelsPerUnitY;
    const QPointF from = Device(shape.X1, shape.Y1);
    const QPointF to = line ? Device(shape.X2, shape.Y2) : from;
    return QRectF(QPointF(std::min(from.x(), to.x()) - radiusX - margin,
                          std::min(from.y(), to.y()) - radiusY - margin),
                  QPointF(std::max(from.x(), to.x()) + radiusX + margin,
                          std::max(from.y(), to.y()) + radiusY + margin));
}
