#pragma once

#include <QImage>

#include <cstdint>
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

    // A stretch of one row of pixels in the pen's colour or the fill's.
    struct Run
    {
        int X;
        int Y;
        int Length;
        bool Outline;
    };

    ShapeStamps(QSize imageSize, double pixelsPerUnitX, double pixelsPerUnitY);

    // The stamp of the shape, valid until the next call.
    std::span<const Run> Find(const Shape& shape);

private:
    // Where a shape's runs lie among all of them.
    struct Entry
    {
        Shape Key;
        std::uint32_t First;
        std::uint32_t Count;
    };

    std::size_t PlaceOf(const Shape& shape) const;
    void Rehash();
    void Record(const Shape& shape);
    void PaintMarks(const Shape& shape);

    QSize imageSize;
    double pixelsPerUnitX;
    double pixelsPerUnitY;
    // An open-addressed table of the entries: a stamp is found with a
    // couple of reads, where a node per shape cost a cache miss at each
    // step of the way.
    std::vector<std::uint32_t> index;
    std::vector<Entry> entries;
    std::vector<Run> runs;
    QImage scratch;
};
