#pragma once

#include <QImage>
#include <QPainter>

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

// The pixels the painter covers for a shape, its outline apart from its
// inside. They depend only on the shape, the pen's width and the scale,
// never on the colours or on what lies beneath, so the painter paints a
// shape once, on a scratch image of the board's size, and after that a
// stamp of its work is laid down in the colours of the moment.
class ShapeStamps
{
public:
    // A line from one end to the other, or a point where the two ends
    // meet, in device pixels; or an ellipse in board units, its centre and
    // then its radii.
    struct Shape
    {
        enum Kind : std::uint8_t { Line, Point, Ellipse };

        Kind Is;
        qreal X1;
        qreal Y1;
        qreal X2;
        qreal Y2;
        qreal PenPixels;
        bool operator==(const Shape&) const = default;
    };

    // A stretch of one row of pixels, from the start of the image.
    struct Run
    {
        std::int32_t Pixel;
        std::int32_t Length;
    };

    // What the painter covers in the pen's colour and in the fill's.
    struct Stamp
    {
        std::span<const Run> Outline;
        std::span<const Run> Inside;
    };

    ShapeStamps(QSize imageSize, double pixelsPerUnitX, double pixelsPerUnitY);

    // The stamp of the shape, valid until the next call.
    Stamp Find(const Shape& shape);

private:
    // A shape and where its runs lie among all of them: the outline's
    // first, then the inside's.
    struct Entry
    {
        Shape Key;
        std::uint32_t First;
        std::uint32_t Outlines;
        std::uint32_t Count;
    };

    std::size_t Hash(const Shape& shape) const;
    std::size_t PlaceOf(const Shape& shape) const;
    void Rehash();
    void Record(Entry& entry);
    void PaintMarks(const Shape& shape);

    QSize imageSize;
    double pixelsPerUnitX;
    double pixelsPerUnitY;
    // Open addressing over the entries themselves: a stamp is found with
    // one read where it belongs and one of its runs. A node per shape, or
    // an index beside the entries, cost a cache miss at each step.
    std::vector<Entry> table;
    std::size_t entries = 0;
    std::vector<Run> runs;
    std::vector<Run> insideRuns;
    QImage scratch;
    // Kept open on the scratch image from one shape to the next: opening a
    // painter costs more than painting a short line, and the grid drawn
    // back around a large capture is thousands of new lines at once.
    std::unique_ptr<QPainter> painter;
    qreal painterPenPixels = -1;
};
