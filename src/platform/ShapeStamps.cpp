#include "ShapeStamps.h"

#include <QPen>
#include <QTransform>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

namespace {

// A bound on the memory for boards far larger than the window.
constexpr std::size_t MaxStamps = 1 << 16;
constexpr std::size_t InitialPlaces = 1 << 10;
// The pattern of a place that holds no shape.
constexpr std::uint32_t Unused = UINT32_MAX;
// The pattern of a shape that covers no pixel of the image.
constexpr std::uint32_t NoPixels = 0;

constexpr QRgb Blank = 0xFF000000;
constexpr QRgb InsideMark = 0xFF000001;
constexpr QRgb OutlineMark = 0xFF000002;

constexpr std::uint64_t Mixer = 0x9E3779B97F4A7C15u;

std::uint64_t Mix(std::uint64_t hash, std::uint64_t value)
{
    hash = (hash ^ value) * Mixer;
    return hash ^ hash >> 32;
}

// The same inputs paint the same pixels: shapes are told apart by their
// bits, without the floating-point comparisons' branches. The fields fill
// the shape without padding.
bool Same(const ShapeStamps::Shape& a, const ShapeStamps::Shape& b)
{
    static_assert(sizeof(ShapeStamps::Shape) == 6 * 4);
    return std::memcmp(&a, &b, sizeof(ShapeStamps::Shape)) == 0;
}

// The middle of the shape picks its place. The disc and the two arms drawn
// at one point share it, so a removal finds all three side by side.
std::size_t Hash(const ShapeStamps::Shape& shape)
{
    const bool line = shape.Is == ShapeStamps::Shape::Line;
    const float x = line ? (shape.X1 + shape.X2) / 2 : shape.X1;
    const float y = line ? (shape.Y1 + shape.Y2) / 2 : shape.Y1;
    return std::size_t(Mix(Mix(0, std::bit_cast<std::uint32_t>(x)), std::bit_cast<std::uint32_t>(y)));
}

} // namespace

ShapeStamps::ShapeStamps(QSize imageSize, double pixelsPerUnitX, double pixelsPerUnitY,
                         qreal devicePixelRatio)
    : imageSize(imageSize), pixelsPerUnitX(pixelsPerUnitX), pixelsPerUnitY(pixelsPerUnitY),
      devicePixelRatio(devicePixelRatio)
{
    Forget();
}

ShapeStamps::Stamp ShapeStamps::Find(const Shape& shape)
{
    std::size_t place = PlaceOf(shape);
    if (table[place].Pattern == Unused) {
        if (entries >= MaxStamps) {
            Forget();
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
    const Pattern& pattern = patterns[entry.Pattern];
    const Run* const first = patternRuns.data() + pattern.First;
    return {entry.Pixel,
            {first, pattern.Outlines},
            {first + pattern.Outlines, pattern.Count - pattern.Outlines}};
}

// The place that holds the shape, or the unused one where it belongs.
std::size_t ShapeStamps::PlaceOf(const Shape& shape) const
{
    const std::size_t mask = table.size() - 1;
    std::size_t place = Hash(shape) & mask;
    while (table[place].Pattern != Unused && !Same(table[place].Key, shape))
        place = (place + 1) & mask;
    return place;
}

void ShapeStamps::Rehash()
{
    std::vector<Entry> used(2 * table.size(), Entry{{}, 0, Unused});
    used.swap(table);
    for (const Entry& entry : used)
        if (entry.Pattern != Unused)
            table[PlaceOf(entry.Key)] = entry;
}

void ShapeStamps::Forget()
{
    table.assign(InitialPlaces, Entry{{}, 0, Unused});
    entries = 0;
    patterns.assign(1, Pattern{0, 0, 0});
    patternRuns.clear();
    patternsByRuns.clear();
}

void ShapeStamps::Record(Entry& entry)
{
    entry.Pixel = 0;
    entry.Pattern = NoPixels;
    const QRect box = Reach(entry.Key).toAlignedRect() & QRect(QPoint(0, 0), imageSize);
    if (box.isEmpty())
        return;
    if (scratch.isNull()) {
        scratch = QImage(imageSize, QImage::Format_RGB32);
        scratch.fill(Blank);
    }
    PaintMarks(entry.Key);
    const std::int32_t pixelsPerLine = std::int32_t(scratch.bytesPerLine() / sizeof(QRgb));
    QRgb* const marks = reinterpret_cast<QRgb*>(scratch.bits());
    recorded.clear();
    recordedInside.clear();
    for (int y = box.top(); y <= box.bottom(); ++y) {
        QRgb* const line = marks + y * pixelsPerLine;
        for (int x = box.left(); x <= box.right();) {
            const QRgb mark = line[x];
            int end = x + 1;
            while (end <= box.right() && line[end] == mark)
                ++end;
            if (mark != Blank) {
                const Run run{y * pixelsPerLine + x, end - x};
                (mark == OutlineMark ? recorded : recordedInside).push_back(run);
                std::fill(line + x, line + end, Blank);
            }
            x = end;
        }
    }
    if (recorded.empty() && recordedInside.empty())
        return;
    const std::size_t outlines = recorded.size();
    recorded.insert(recorded.end(), recordedInside.begin(), recordedInside.end());
    entry.Pixel = recorded.front().Offset;
    for (Run& run : recorded)
        run.Offset -= entry.Pixel;
    entry.Pattern = PatternOf(outlines);
}

// The pattern of the runs just recorded, shared with the shapes that had
// the same.
std::uint32_t ShapeStamps::PatternOf(std::size_t outlines)
{
    std::uint64_t hash = outlines;
    for (const Run& run : recorded)
        hash = Mix(Mix(hash, std::uint32_t(run.Offset)), std::uint32_t(run.Length));
    const auto sameRuns = [&](const Pattern& pattern) {
        return pattern.Outlines == outlines && pattern.Count == recorded.size()
               && std::equal(recorded.begin(), recorded.end(),
                             patternRuns.begin() + pattern.First, [](const Run& a, const Run& b) {
                                 return a.Offset == b.Offset && a.Length == b.Length;
                             });
    };
    const auto [begin, end] = patternsByRuns.equal_range(std::size_t(hash));
    for (auto known = begin; known != end; ++known)
        if (sameRuns(patterns[known->second]))
            return known->second;
    const auto id = std::uint32_t(patterns.size());
    patterns.push_back({std::uint32_t(patternRuns.size()), std::uint32_t(outlines),
                        std::uint32_t(recorded.size())});
    patternRuns.insert(patternRuns.end(), recorded.begin(), recorded.end());
    patternsByRuns.emplace(std::size_t(hash), id);
    return id;
}

// Lines are mapped to device pixels here rather than by the painter: with
// no scale of its own the painter rasterises a wide pen's line directly,
// several times faster than by stroking its outline. A line of no length
// still shows as a point of the pen's width, as the grid of a board of one
// point needs. Painting is solid, not antialiased, with a pen that keeps
// its width in pixels whatever the scale.
void ShapeStamps::PaintMarks(const Shape& shape)
{
    if (!painter) {
        painter = std::make_unique<QPainter>(&scratch);
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setCompositionMode(QPainter::CompositionMode_Source);
        painter->setBrush(QColor::fromRgb(InsideMark));
    }
    const qreal penPixels = shape.PenWidth * devicePixelRatio;
    if (painterPenPixels != penPixels) {
        QPen pen(QColor::fromRgb(OutlineMark), penPixels);
        pen.setCosmetic(true);
        painter->setPen(pen);
        painterPenPixels = penPixels;
    }
    const QPointF centre(shape.X1, shape.Y1);
    switch (shape.Is) {
    case Shape::Line:
        painter->resetTransform();
        painter->drawLine(Device(shape.X1, shape.Y1), Device(shape.X2, shape.Y2));
        break;
    case Shape::Point:
        painter->resetTransform();
        painter->drawPoint(Device(shape.X1, shape.Y1));
        break;
    case Shape::Circle:
        painter->setTransform(QTransform::fromScale(pixelsPerUnitX, pixelsPerUnitY));
        painter->drawEllipse(centre, shape.X2, shape.X2);
        break;
    case Shape::RoundDot: {
        // A circle in pixels, its radius measured in the smaller unit.
        const double pixels = shape.X2 * std::min(pixelsPerUnitX, pixelsPerUnitY);
        painter->setTransform(QTransform::fromScale(pixelsPerUnitX, pixelsPerUnitY));
        painter->drawEllipse(centre, pixels / pixelsPerUnitX, pixels / pixelsPerUnitY);
        break;
    }
    }
}

// The device pixels the shape may touch: the pen reaches half its width
// beyond the outline, twice that is ample.
QRectF ShapeStamps::Reach(const Shape& shape) const
{
    const qreal margin = shape.PenWidth * devicePixelRatio + 2;
    if (shape.Is == Shape::Line || shape.Is == Shape::Point)
        return QRectF(Device(shape.X1, shape.Y1), Device(shape.X2, shape.Y2))
            .normalized()
            .adjusted(-margin, -margin, margin, margin);
    // A round dot's radius is no larger than a circle's of the same size.
    const qreal radius = std::abs(shape.X2);
    const qreal reachX = radius * pixelsPerUnitX + margin;
    const qreal reachY = radius * pixelsPerUnitY + margin;
    const QPointF centre = Device(shape.X1, shape.Y1);
    return QRectF(centre.x() - reachX, centre.y() - reachY, 2 * reachX, 2 * reachY);
}
