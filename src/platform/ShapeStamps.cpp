#include "ShapeStamps.h"

#include <QPen>
#include <QTransform>

#include <algorithm>
#include <bit>
#include <cmath>

namespace {

// A bound on the memory for boards far larger than the window.
constexpr std::size_t MaxStamps = 1 << 16;
constexpr std::size_t InitialPlaces = 1 << 10;
// The first run of a place that holds no shape.
constexpr std::uint32_t Unused = UINT32_MAX;

constexpr QRgb Blank = 0xFF000000;
constexpr QRgb InsideMark = 0xFF000001;
constexpr QRgb OutlineMark = 0xFF000002;

// The device pixels the shape may touch: the pen reaches half its width
// beyond the outline, twice that is ample.
QRectF Reach(const ShapeStamps::Shape& shape, double pixelsPerUnitX, double pixelsPerUnitY)
{
    const qreal margin = shape.PenPixels + 2;
    if (shape.Is != ShapeStamps::Shape::Ellipse)
        return QRectF(QPointF(shape.X1, shape.Y1), QPointF(shape.X2, shape.Y2))
            .normalized()
            .adjusted(-margin, -margin, margin, margin);
    const qreal reachX = shape.X2 * pixelsPerUnitX + margin;
    const qreal reachY = shape.Y2 * pixelsPerUnitY + margin;
    return QRectF(shape.X1 * pixelsPerUnitX - reachX, shape.Y1 * pixelsPerUnitY - reachY,
                  2 * reachX, 2 * reachY);
}

} // namespace

ShapeStamps::ShapeStamps(QSize imageSize, double pixelsPerUnitX, double pixelsPerUnitY)
    : imageSize(imageSize), pixelsPerUnitX(pixelsPerUnitX), pixelsPerUnitY(pixelsPerUnitY),
      table(InitialPlaces, Entry{{}, Unused, 0, 0})
{
}

ShapeStamps::Stamp ShapeStamps::Find(const Shape& shape)
{
    std::size_t place = PlaceOf(shape);
    if (table[place].First == Unused) {
        if (entries >= MaxStamps) {
            table.assign(InitialPlaces, Entry{{}, Unused, 0, 0});
            entries = 0;
            runs.clear();
            place = PlaceOf(shape);
        }
        table[place].Key = shape;
        Record(table[place]);
        ++entries;
        // At most half the places taken keeps the probes short.
        if (2 * entries > table.size()) {
            Rehash();
            place = PlaceOf(shape);
        }
    }
    const Entry& entry = table[place];
    const Run* const first = runs.data() + entry.First;
    return {{first, entry.Outlines}, {first + entry.Outlines, entry.Count - entry.Outlines}};
}

// The pixel at the middle of the shape picks its place. The disc and the
// two arms drawn at one point share it, so they lie side by side and a
// removal finds all three with one read from memory rather than three.
std::size_t ShapeStamps::Hash(const Shape& shape) const
{
    const bool ellipse = shape.Is == Shape::Ellipse;
    const double x = ellipse ? shape.X1 * pixelsPerUnitX : (shape.X1 + shape.X2) / 2;
    const double y = ellipse ? shape.Y1 * pixelsPerUnitY : (shape.Y1 + shape.Y2) / 2;
    std::uint64_t hash = std::bit_cast<std::uint64_t>(std::floor(x)) * 0x9E3779B97F4A7C15u;
    hash = (hash ^ hash >> 32 ^ std::bit_cast<std::uint64_t>(std::floor(y))) * 0x9E3779B97F4A7C15u;
    return std::size_t(hash ^ hash >> 32);
}

// The place that holds the shape, or the unused one where it belongs.
std::size_t ShapeStamps::PlaceOf(const Shape& shape) const
{
    const std::size_t mask = table.size() - 1;
    std::size_t place = Hash(shape) & mask;
    while (table[place].First != Unused && !(table[place].Key == shape))
        place = (place + 1) & mask;
    return place;
}

void ShapeStamps::Rehash()
{
    std::vector<Entry> used(2 * table.size(), Entry{{}, Unused, 0, 0});
    used.swap(table);
    for (const Entry& entry : used)
        if (entry.First != Unused)
            table[PlaceOf(entry.Key)] = entry;
}

void ShapeStamps::Record(Entry& entry)
{
    entry.First = std::uint32_t(runs.size());
    entry.Outlines = 0;
    entry.Count = 0;
    const QRect box = Reach(entry.Key, pixelsPerUnitX, pixelsPerUnitY).toAlignedRect()
                      & QRect(QPoint(0, 0), imageSize);
    if (box.isEmpty())
        return;
    if (scratch.isNull()) {
        scratch = QImage(imageSize, QImage::Format_RGB32);
        scratch.fill(Blank);
    }
    PaintMarks(entry.Key);
    const std::int32_t pixelsPerLine = std::int32_t(scratch.bytesPerLine() / sizeof(QRgb));
    insideRuns.clear();
    for (int y = box.top(); y <= box.bottom(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(scratch.scanLine(y));
        for (int x = box.left(); x <= box.right();) {
            const QRgb mark = line[x];
            int end = x + 1;
            while (end <= box.right() && line[end] == mark)
                ++end;
            if (mark != Blank) {
                const Run run{y * pixelsPerLine + x, end - x};
                (mark == OutlineMark ? runs : insideRuns).push_back(run);
                std::fill(line + x, line + end, Blank);
            }
            x = end;
        }
    }
    entry.Outlines = std::uint32_t(runs.size()) - entry.First;
    runs.insert(runs.end(), insideRuns.begin(), insideRuns.end());
    entry.Count = std::uint32_t(runs.size()) - entry.First;
}

// Solid, not antialiased, with a pen that keeps its width in pixels
// whatever the scale.
void ShapeStamps::PaintMarks(const Shape& shape)
{
    if (!painter) {
        painter = std::make_unique<QPainter>(&scratch);
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setCompositionMode(QPainter::CompositionMode_Source);
        painter->setBrush(QColor::fromRgb(InsideMark));
    }
    if (painterPenPixels != shape.PenPixels) {
        QPen pen(QColor::fromRgb(OutlineMark), shape.PenPixels);
        pen.setCosmetic(true);
        painter->setPen(pen);
        painterPenPixels = shape.PenPixels;
    }
    switch (shape.Is) {
    case Shape::Line:
        painter->resetTransform();
        painter->drawLine(QPointF(shape.X1, shape.Y1), QPointF(shape.X2, shape.Y2));
        break;
    case Shape::Point:
        painter->resetTransform();
        painter->drawPoint(QPointF(shape.X1, shape.Y1));
        break;
    case Shape::Ellipse:
        painter->setTransform(QTransform::fromScale(pixelsPerUnitX, pixelsPerUnitY));
        painter->drawEllipse(QPointF(shape.X1, shape.Y1), shape.X2, shape.Y2);
        break;
    }
}
