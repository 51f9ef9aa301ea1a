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

    // Paints the shape onto the image, its outline and its inside in their
    // colours.
    void Paint(QImage& image, const Shape& shape, QRgb outline, QRgb inside) const;

    // For a painter kept open: its settings, the pen for a shape, and the
    // shape drawn with the pen and brush it has.
    static void Prepare(QPainter& painter);
    qreal PenPixels(const Shape& shape) const { return shape.PenWidth * devicePixelRatio; }
    QPen PenFor(const Shape& shape, QRgb outline) const;
    void Trace(QPainter& painter, const Shape& shape) const;

    // The device pixels the shape may touch.
    QRect Reach(const Shape& shape) const;

    // The board units that a span of device pixels covers.
    QSizeF UnitsOf(QSize pixels) const
    {
        return {pixels.width() / pixelsPerUnitX, pixels.height() / pixelsPerUnitY};
    }

private:
    QPointF Device(float x, float y) const { return {x * pixelsPerUnitX, y * pixelsPerUnitY}; }

    double pixelsPerUnitX;
    double pixelsPerUnitY;
    qreal devicePixelRatio;
};
