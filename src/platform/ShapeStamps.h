#pragma once

#include <QImage>
#include <QPainter>

#include <cstdint>
#include <memory>
#include <span>
#include <unordered_map>
#include <vector>

// The pixels the painter covers for a shape, its outline apart from its
// inside. They depend only on the shape, the pen's width and the scale,
// never on the colours or on what lies beneath, so the painter paints a
// shape once, on a scratch image of the board's size, and after that a
// stamp of its work is laid down in the colours of the moment.
class ShapeStamps
{
public:
    // A shape as the surface is asked for it, in board units, with the
    // pen's width in layout pixels: at a fixed scale and pixel ratio that
    // decides every pixel.
    struct Shape
    {
        enum Kind : std::int32_t { Line, Point, Circle, RoundDot };

        Kind Is;
        std::int32_t PenWidth;
        // The ends of a line; or the centre, then the radius twice.
        float X1;
        float Y1;
        float X2;
        float Y2;
    };

    // A stretch of one row of pixels, from the stamp's first pixel.
    struct Run
    {
        std::int32_t Offset;
        std::int32_t Length;
    };

    // What the painter covers in the pen's colour and in the fill's, from
    // a pixel of the image counted from its start.
    struct Stamp
    {
        std::int32_t Pixel;
        std::span<const Run> Outline;
        std::span<const Run> Inside;
    };

    ShapeStamps(QSize imageSize, double pixelsPerUnitX, double pixelsPerUnitY,
                qreal devicePixelRatio);

    // The stamp of the shape, valid until the next call.
    Stamp Find(const Shape& shape);

private:
    // Runs alike from their first pixel, which many shapes share: their
    // outline's runs, then their inside's.
    struct Pattern
    {
        std::uint32_t First;
        std::uint32_t Outlines;
        std::uint32_t Count;
    };

    // A shape, the pixel its stamp starts from and its pattern.
    struct Entry
    {
        Shape Key;
        std::int32_t Pixel;
        std::uint32_t Pattern;
    };

    std::size_t PlaceOf(const Shape& shape) const;
    void Rehash();
    void Forget();
    void Record(Entry& entry);
    std::uint32_t PatternOf(std::size_t outlines);
    void PaintMarks(const Shape& shape);
    QPointF Device(float x, float y) const
    {
        return {x * pixelsPerUnitX, y * pixelsPerUnitY};
    }
    QRectF Reach(const Shape& shape) const;

    QSize imageSize;
    double pixelsPerUnitX;
    double pixelsPerUnitY;
    qreal devicePixelRatio;
    // Open addressing over the entries themselves, two to a cache line:
    // a removal reads the table for thousands of shapes, and each read
    // that leaves the cache costs more than laying the stamp down.
    std::vector<Entry> table;
    std::size_t entries = 0;
    std::vector<Pattern> patterns;
    std::vector<Run> patternRuns;
    // Patterns by a hash of their runs, to find one met before.
    std::unordered_multimap<std::size_t, std::uint32_t> patternsByRuns;
    std::vector<Run> recorded;
    std::vector<Run> recordedInside;
    QImage scratch;
    // Kept open on the scratch image from one shape to the next: opening a
    // painter costs more than painting a short line, and the grid drawn
    // back around a large capture is thousands of new lines at once.
    std::unique_ptr<QPainter> painter;
    qreal painterPenPixels = -1;
};
