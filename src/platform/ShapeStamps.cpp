#include "ShapeStamps.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <bit>

namespace {

// A bound on the memory for boards far larger than the window.
constexpr std::size_t MaxStamps = 1 << 16;
constexpr std::size_t InitialPlaces = 1 << 10;
constexpr std::uint32_t NoEntry = UINT32_MAX;

constexpr QRgb Blank = 0xFF000000;
constexpr QRgb InsideMark = 0xFF000001;
constexpr QRgb OutlineMark = 0xFF000002;

// Every bit of the coordinates reaches the low bits that pick a place.
std::size_t Hash(const ShapeStamps::Shape& shape)
{
    std::uint64_t hash = shape.Is;
    for (const qreal value : {shape.X1, shape.Y1, shape.X2, shape.Y2, shape.PenPixels}) {
        hash = (hash ^ std::bit_cast<std::uint64_t>(value)) * 0x9E3779B97F4A7C15u;
        hash ^= hash >> 32;
    }
    return std::size_t(hash);
}

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
      index(InitialPlaces, NoEntry)
{
}

std::span<const ShapeStamps::Run> ShapeStamps::Find(const Shape& shape)
{
    std::size_t place = PlaceOf(shape);
    if (index[place] != NoEntry) {
        const Entry& known = entries[index[place]];
        return {runs.data() + known.First, known.Count};
    }
    if (entries.size() >= MaxStamps) {
        index.assign(InitialPlaces, NoEntry);
        entries.clear();
        runs.clear();
        place = PlaceOf(shape);
    }
    index[place] = std::uint32_t(entries.size());
    const auto first = std::uint32_t(runs.size());
    Record(shape);
    entries.push_back({shape, first, std::uint32_t(runs.size()) - first});
    // At most half the places taken keeps the probes short.
    if (2 * entries.size() > index.size())
        Rehash();
    return {runs.data() + first, runs.size() - first};
}

// The place that holds the shape, or the empty one where it belongs.
std::size_t ShapeStamps::PlaceOf(const Shape& shape) const
{
    const std::size_t mask = index.size() - 1;
    std::size_t place = Hash(shape) & mask;
    while (index[place] != NoEntry && !(entries[index[place]].Key == shape))
        place = (place + 1) & mask;
    return place;
}

void ShapeStamps::Rehash()
{
    index.assign(2 * index.size(), NoEntry);
    for (std::uint32_t i = 0; i < entries.size(); ++i)
        index[PlaceOf(entries[i].Key)] = i;
}

void ShapeStamps::Record(const Shape& shape)
{
    const QRect box = Reach(shape, pixelsPerUnitX, pixelsPerUnitY).toAlignedRect()
                      & QRect(QPoint(0, 0), imageSize);
    if (box.isEmpty())
        return;
    if (scratch.isNull()) {
        scratch = QImage(imageSize, QImage::Format_RGB32);
        scratch.fill(Blank);
    }
    PaintMarks(shape);
    for (int y = box.top(); y <= box.bottom(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(scratch.scanLine(y));
        for (int x = box.left(); x <= box.right();) {
            const QRgb mark = line[x];
            int end = x + 1;
            while (end <= box.right() && line[end] == mark)
                ++end;
            if (mark != Blank) {
                runs.push_back({x, y, end - x, mark == OutlineMark});
                std::fill(line + x, line + end, Blank);
            }
            x = end;
        }
    }
}

// Solid, not antialiased, with a pen that keeps its width in pixels
// whatever the scale.
void ShapeStamps::PaintMarks(const Shape& shape)
{
    QPainter painter(&scratch);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    QPen pen(QColor::fromRgb(OutlineMark), shape.PenPixels);
    pen.setCosmetic(true);
    painter.setPen(pen);
    switch (shape.Is) {
    case Shape::Line:
        painter.drawLine(QPointF(shape.X1, shape.Y1), QPointF(shape.X2, shape.Y2));
        break;
    case Shape::Point:
        painter.drawPoint(QPointF(shape.X1, shape.Y1));
        break;
    case Shape::Ellipse:
        painter.scale(pixelsPerUnitX, pixelsPerUnitY);
        painter.setBrush(QColor::fromRgb(InsideMark));
        painter.drawEllipse(QPointF(shape.X1, shape.Y1), shape.X2, shape.Y2);
        break;
    }
}
