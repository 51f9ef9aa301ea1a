#pragma once

#include <QImage>
#include <QPainter>

#include <array>
#include <cstdint>
#include <memory>
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

    ShapeStamps(QSize imageSize, double pixelsPerUnitX, double pixelsPerUnitY,
                qreal devicePixelRatio);

    // Lays the shape down on the pixels of an image of the size given,
    // its outline and its inside in their colours.
    void LayDown(const Shape& shape, QRgb* pixels, QRgb outline, QRgb inside);

private:
    // The pixels of one colour are laid down as stores of two pixels and
    // of one. A run of odd length ends on a pair that overlaps the one
    // before it, so only runs of a single pixel take a single store.
    // Shapes are small: stores of fixed width cost a fraction of filling
    // runs of varying length. A pattern holds the offsets of the outline's
    // pairs, its singles, the inside's pairs and its singles, in parts one
    // after the other.
    enum Part { OutlinePairs, OutlineSingles, InsidePairs, InsideSingles, Parts };

    // Stores alike from their first pixel, which many shapes share: where
    // they start among all patterns' and where each part ends.
    struct Pattern
    {
        std::uint32_t First;
        std::array<std::uint32_t, Parts> Ends;
    };

    // A shape, the pixel its stamp starts from and its pattern.
    struct Entry
    {
        Shape Key;
        std::int32_t Pixel;
        std::uint32_t Pattern;
    };

    const Entry& Find(const Shape& shape);
    const Entry& Add(const Shape& shape, std::size_t place);
    std::size_t Home(const Shape& shape) const;
    std::size_t PlaceOf(const Shape& shape) const;
    void Rehash();
    void Forget();
    void Record(Entry& entry);
    void AddStores(Part pairs, std::int32_t offset, std::int32_t length);
    std::uint32_t PatternOf();
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
    // The points of the board's scale that the image spans, and one more
    // on either side.
    int pointsAcross;
    int pointsDown;
    // Open addressing over the entries themselves, two to a cache line:
    // a removal reads the table for thousands of shapes, and each read
    // that leaves the cache costs more than laying the stamp down.
    std::vector<Entry> table;
    std::size_t entries = 0;
    std::vector<Pattern> patterns;
    std::vector<std::int32_t> patternStores;
    // Patterns by a hash of their stores, to find one met before.
    std::unordered_multimap<std::size_t, std::uint32_t> patternsByStores;
    // The stores of the shape just recorded, its parts apart.
    std::array<std::vector<std::int32_t>, Parts> recorded;
    QImage scratch;
    // Kept open on the scratch image from one shape to the next: opening a
    // painter costs more than painting a short line, and the grid drawn
    // back around a large capture is thousands of new lines at once.
    std::unique_ptr<QPainter> painter;
    qreal painterPenPixels = -1;
};
