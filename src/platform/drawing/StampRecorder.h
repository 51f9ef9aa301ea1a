#pragma once

#include "PatternPool.h"
#include "ShapePainter.h"

#include <QImage>
#include <QPainter>

#include <cstdlib>
#include <memory>
#include <vector>

// Records what the painter covers for a new shape: it paints the shape on
// a scratch image in two marks, outline and inside, and reads the marks
// back as the stores that lay the same pixels down on the board's image.
// The scratch is laid out row for row like that image, so that offsets
// taken on one hold on the other.
class StampRecorder
{
public:
    StampRecorder(const ShapePainter& shapes, QSize size, qsizetype bytesPerLine);

    // The stores of the shape, from its first pixel covered: the pixel's
    // place in the image; nothing, and no stores, where it covers no pixel.
    std::optional<std::int32_t> Record(const Shape& shape, Stores& stores);

private:
    void PaintMarks(const Shape& shape);
    // A run's stores, added to a part's lists.
    static void AddStores(std::vector<std::int32_t>* lists, std::int32_t offset,
                          std::int32_t length);

    ShapePainter shapes;
    QSize size;
    qsizetype pixelsPerLine;
    struct Free
    {
        void operator()(QRgb* pixels) const { std::free(pixels); }
    };
    std::unique_ptr<QRgb[], Free> pixels;
    QImage scratch;
    // Kept open from one shape to the next: opening a painter costs more
    // than painting a short line, and the grid drawn back around a large
    // capture is thousands of new shapes at once (a painter a shape makes
    // the first click on 99 by 99 at ratio 2 39% slower).
    std::unique_ptr<QPainter> painter;
};
