#pragma once

#include "Shape.h"

#include <QImage>
#include <QPainter>
#include <QRect>

// How a shape becomes device pixels, for the stamps' recordings and for
// painting straight onto an image alike: solid, not antialiased, with a pen
// that keeps its width in layout pixels whatever the scale.
class ShapePainter
{
public:
    ShapePainter(double pixelsPerUnitX, double pixelsPerUnitY, qreal devicePixelRatio);

    // Paints the shape, its outline and its inside in their colours, with a
    // painter kept open from one shape to the next: opening a painter costs
    // more than painting a short line. Its pen and brush change only where
    // they differ from the shape's.
    void Paint(QPainter& painter, const Shape& shape, QRgb outline, QRgb inside) const;

    // The device pixels the shape may touch.
    QRectF Reach(const Shape& shape) const;

    // The board units that a span of device pixels covers.
    QSizeF UnitsOf(QSize pixels) const
    {
        return {pixels.width() / pixelsPerUnitX, pixels.height() / pixelsPerUnitY};
    }

private:
    static void UseTransform(QPainter& painter, const QTransform& transform);
    void Trace(QPainter& painter, const Shape& shape) const;
    QPointF Device(float x, float y) const { return {x * pixelsPerUnitX, y * pixelsPerUnitY}; }

    double pixelsPerUnitX;
    double pixelsPerUnitY;
    qreal devicePixelRatio;
};
