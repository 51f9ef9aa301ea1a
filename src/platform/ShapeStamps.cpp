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
// A point's disc, its two arms and a star dot.
constexpr std::size_t PlacesPerPoint = 4;
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

} // namespace

ShapeStamps::ShapeStamps(QSize imageSize, double pixelsPerUnitX, double pixelsPerUnitY,
                         qreal devicePixelRatio)
    : imageSize(imageSize), pixelsPerUnitX(pixelsPerUnitX), pixelsPerUnitY(pixelsPerUnitY),
      devicePixelRatio(devicePixelRatio),
      pointsAcross(int(imageSize.width() / pixelsPerUnitX) + 2),
      pointsDown(int(imageSize.height() / pixelsPerUnitY) + 2)
{
    Forget();
}

// Shapes on the image are placed by the point they lie at (a line's
// middle, a round shape's centre), column after column, PlacesPerPoint to
// a point: the disc and the two arms of a cleared point sit side by side,
// and a removal that walks its group down a column reads on through the
// table. Beyond the image, where a board larger than the window has its
// points, a hash spreads them.
inline std::size_t ShapeStamps::Home(const Shape& shape) const
{
    const bool line = shape.Is == Shape::Line;
    const float x = line ? (shape.X1 + shape.X2) / 2 : shape.X1;
    const float y = line ? (shape.Y1 + shape.Y2) / 2 : shape.Y1;
    // Rounded to the nearest point; the test keeps out NaN too.
    const float col = x + 0.5f;
    const float row = y + 0.5f;
    if (col >= 0 && col < float(pointsAcross) && row >= 0 && row < float(pointsDown))
        return (std::size_t(int(col)) * pointsDown + std::size_t(int(row))) * PlacesPerPoint;
    return Mix(Mix(0, std::bit_cast<std::uint32_t>(x)), std::bit_cast<std::uint32_t>(y));
}

// The place that holds the shape, or the unused one where it belongs.
inline std::size_t ShapeStamps::PlaceOf(const Shape& shape) const
{
    const std::size_t mask = table.size() - 1;
    std::size_t place = Home(shape) & mask;
    // A point's places span two cache lines. The arms drawn back around a
    // cleared point follow its disc, so the second line is fetched while
    // the disc is laid down.
    __builtin_prefetch(&table[(place + PlacesPerPoint / 2) & mask]);
    while (table[place].Pattern != Unused && !Same(table[place].Key, shape))
        place = (place + 1) & mask;
    return place;
}

// The entry of the shape, recorded if it is new.
inline const ShapeStamps::Entry& ShapeStamps::Find(const Shape& shape)
{
    const std::size_t place = PlaceOf(shape);
    if (table[place].Pattern != Unused) [[likely]]
        return table[place];
    return Add(shape, place);
}

// Records a new shape at its place.
const ShapeStamps::Entry& ShapeStamps::Add(const Shape& shape, std::size_t place)
{
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
    return table[place];
}

void ShapeStamps::LayDown(const Shape& shape, QRgb* pixels, QRgb outline, QRgb inside)
{
    const Entry& entry = Find(shape);
    const Pattern& pattern = patterns[entry.Pattern];
    const std::int32_t* const offsets = patternStores.data() + pattern.First;
    QRgb* const first = pixels + entry.Pixel;
    const auto layDown = [&](QRgb color, Part pairs) {
        const std::uint64_t pair = std::uint64_t(color) << 32 | color;
        const std::int32_t* offset = offsets + (pairs == 0 ? 0 : pattern.Ends[pairs - 1]);
        for (const std::int32_t* end = offsets + pattern.Ends[pairs]; offset != end; ++offset)
            std::memcpy(first + *offset, &pair, sizeof pair);
        for (const std::int32_t* end = offsets + pattern.Ends[pairs + 1]; offset != end; ++offset)
            first[*offset] = color;
    };
    layDown(outline, OutlinePairs);
    layDown(inside, InsidePairs);
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
    patterns.assign(1, Pattern{0, {}});
    patternStores.clear();
    patternsByStores.clear();
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
    for (std::vector<std::int32_t>& part : recorded)
        part.clear();
    // The stores count from the first pixel covered.
    bool covered = false;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        QRgb* const line = marks + y * pixelsPerLine;
        for (int x = box.left(); x <= box.right();) {
            const QRgb mark = line[x];
            int end = x + 1;
            while (end <= box.right() && line[end] == mark)
                ++end;
            if (mark != Blank) {
                if (!covered) {
                    entry.Pixel = y * pixelsPerLine + x;
                    covered = true;
                }
                AddStores(mark == OutlineMark ? OutlinePairs : InsidePairs,
                          y * pixelsPerLine + x - entry.Pixel, end - x);
                std::fill(line + x, line + end, Blank);
            }
            x = end;
        }
    }
    if (covered)
        entry.Pattern = PatternOf();
}

// The stores that cover a run of pixels, in the part for pairs or, for a
// run of one, the part after it for singles.
void ShapeStamps::AddStores(Part pairs, std::int32_t offset, std::int32_t length)
{
    if (length == 1) {
        recorded[pairs + 1].push_back(offset);
        return;
    }
    for (std::int32_t at = 0; at + 2 < length; at += 2)
        recorded[pairs].push_back(offset + at);
    recorded[pairs].push_back(offset + length - 2);
}

// The pattern of the stores just recorded, shared with the shapes that had
// the same.
std::uint32_t ShapeStamps::PatternOf()
{
    std::uint64_t hash = 0;
    for (const std::vector<std::int32_t>& part : recorded) {
        hash = Mix(hash, part.size());
        for (const std::int32_t offset : part)
            hash = Mix(hash, std::uint32_t(offset));
    }
    const auto sameStores = [&](const Pattern& pattern) {
        const std::int32_t* const known = patternStores.data() + pattern.First;
        std::uint32_t begin = 0;
        for (int p = 0; p < Parts; ++p) {
            if (pattern.Ends[p] - begin != recorded[p].size()
                || !std::equal(recorded[p].begin(), recorded[p].end(), known + begin))
                return false;
            begin = pattern.Ends[p];
        }
        return true;
    };
    const auto [begin, end] = patternsByStores.equal_range(std::size_t(hash));
    for (auto known = begin; known != end; ++known)
        if (sameStores(patterns[known->second]))
            return known->second;
    const auto id = std::uint32_t(patterns.size());
    Pattern pattern{std::uint32_t(patternStores.size()), {}};
    for (int p = 0; p < Parts; ++p) {
        patternStores.insert(patternStores.end(), recorded[p].begin(), recorded[p].end());
        pattern.Ends[p] = std::uint32_t(patternStores.size()) - pattern.First;
    }
    patterns.push_back(pattern);
    patternsByStores.emplace(std::size_t(hash), id);
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
