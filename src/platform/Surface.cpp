#include "Surface.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <unordered_map>
#include <vector>

namespace {

QColor ToQColor(Color color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QRgb ToQRgb(Color color) { return qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF); }

// Solid, not antialiased, painting over what lies beneath, in device pixels.
void Prepare(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
}

// The pen keeps its width in pixels whatever the scale.
QPen PenOf(QColor color, qreal pixels)
{
    QPen pen(color, pixels);
    pen.setCosmetic(true);
    return pen;
}

// The whole device pixels that cover an area.
QSize Covering(QSizeF area)
{
    return QSize(int(std::ceil(area.width())), int(std::ceil(area.height())));
}

} // namespace

// What a shape is, as far as the painter's pixels go: a line from one end
// to the other, or a point where the two ends meet, in device pixels; or
// an ellipse in board units, its centre and then its radii.
struct Surface::Shape
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

// The pixels the painter covers for a shape, its outline apart from its
// inside. They depend only on the shape, the pen's width and the scale,
// never on the colours or on what lies beneath, so the painter paints a
// shape once, on a scratch image of the board's size, and after that a
// stamp of its work is laid down in the colours of the moment.
class Surface::ShapeStamps
{
public:
    // A stretch of one row of pixels in the pen's colour or the fill's.
    struct Run
    {
        int X;
        int Y;
        int Length;
        bool Outline;
    };
    using Stamp = std::vector<Run>;

    const Stamp& Find(const Shape& shape, QSize imageSize, double pixelsPerUnitX,
                      double pixelsPerUnitY)
    {
        const auto known = stamps.find(shape);
        if (known != stamps.end())
            return known->second;
        // A bound on the memory for boards far larger than the window.
        if (stamps.size() >= MaxStamps)
            stamps.clear();
        return stamps.emplace(shape, Record(shape, imageSize, pixelsPerUnitX, pixelsPerUnitY))
            .first->second;
    }

private:
    static constexpr std::size_t MaxStamps = 1 << 16;
    static constexpr QRgb Blank = 0xFF000000;
    static constexpr QRgb InsideMark = 0xFF000001;
    static constexpr QRgb OutlineMark = 0xFF000002;

    struct ShapeHash
    {
        std::size_t operator()(const Shape& shape) const
        {
            std::size_t hash = shape.Is;
            for (const qreal value : {shape.X1, shape.Y1, shape.X2, shape.Y2, shape.PenPixels})
                hash = hash * 1000003 ^ std::hash<qreal>()(value);
            return hash;
        }
    };

    // The device pixels the shape may touch: the pen reaches half its
    // width beyond the outline, twice that is ample.
    static QRectF Reach(const Shape& shape, double pixelsPerUnitX, double pixelsPerUnitY)
    {
        const qreal margin = shape.PenPixels + 2;
        if (shape.Is != Shape::Ellipse)
            return QRectF(QPointF(shape.X1, shape.Y1), QPointF(shape.X2, shape.Y2))
                .normalized()
                .adjusted(-margin, -margin, margin, margin);
        const qreal reachX = shape.X2 * pixelsPerUnitX + margin;
        const qreal reachY = shape.Y2 * pixelsPerUnitY + margin;
        return QRectF(shape.X1 * pixelsPerUnitX - reachX, shape.Y1 * pixelsPerUnitY - reachY,
                      2 * reachX, 2 * reachY);
    }

    void PaintMarks(const Shape& shape, double pixelsPerUnitX, double pixelsPerUnitY)
    {
        QPainter painter(&scratch);
        Prepare(painter);
        painter.setPen(PenOf(QColor::fromRgb(OutlineMark), shape.PenPixels));
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

    Stamp Record(const Shape& shape, QSize imageSize, double pixelsPerUnitX, double pixelsPerUnitY)
    {
        const QRect box = Reach(shape, pixelsPerUnitX, pixelsPerUnitY).toAlignedRect()
                          & QRect(QPoint(0, 0), imageSize);
        Stamp stamp;
        if (box.isEmpty())
            return stamp;
        if (scratch.size() != imageSize) {
            scratch = QImage(imageSize, QImage::Format_RGB32);
            scratch.fill(Blank);
        }
        PaintMarks(shape, pixelsPerUnitX, pixelsPerUnitY);
        for (int y = box.top(); y <= box.bottom(); ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(scratch.scanLine(y));
            for (int x = box.left(); x <= box.right();) {
                const QRgb mark = line[x];
                int end = x + 1;
                while (end <= box.right() && line[end] == mark)
                    ++end;
                if (mark != Blank) {
                    stamp.push_back({x, y, end - x, mark == OutlineMark});
                    std::fill(line + x, line + end, Blank);
                }
                x = end;
            }
        }
        return stamp;
    }

    std::unordered_map<Shape, Stamp, ShapeHash> stamps;
    QImage scratch;
};

Surface::Surface(QSize size, Color backColor, qreal devicePixelRatio)
    : layoutSize(size)
    , area(QSizeF(size) * devicePixelRatio)
    , image(Covering(area), QImage::Format_RGB32)
    , devicePixelRatio(devicePixelRatio)
    , backColor(backColor)
{
    SetScale(size.width(), size.height());
    image.fill(ToQColor(backColor));
}

void Surface::SetScale(float width, float height)
{
    stamps = std::make_shared<ShapeStamps>();
    scaleWidth = width;
    scaleHeight = height;
    pixelsPerUnitX = area.width() / double(width);
    pixelsPerUnitY = area.height() / double(height);
}

void Surface::Clear()
{
    image.fill(ToQColor(backColor));
    Changed();
}

void Surface::SetPenWidth(int pixels) { penWidth = pixels; }
void Surface::SetPenColor(Color color) { penColor = color; }
void Surface::SetFillColor(Color color) { fillColor = color; }

// Lines are mapped to device pixels here rather than by the painter: with
// no scale of its own the painter rasterises a wide pen's line directly,
// several times faster than by stroking its outline. A line of no length
// still shows as a point of the pen's width, as the grid of a board of one
// point needs.
void Surface::DrawLine(float x1, float y1, float x2, float y2)
{
    const bool point = x1 == x2 && y1 == y2;
    Paint({point ? Shape::Point : Shape::Line, x1 * pixelsPerUnitX, y1 * pixelsPerUnitY,
           x2 * pixelsPerUnitX, y2 * pixelsPerUnitY, penWidth * devicePixelRatio});
}

void Surface::DrawCircle(float x, float y, float radius) { DrawEllipse(QPointF(x, y), radius, radius); }

void Surface::DrawRoundDot(float x, float y, float radius)
{
    const double pixels = radius * std::min(pixelsPerUnitX, pixelsPerUnitY);
    DrawEllipse(QPointF(x, y), pixels / pixelsPerUnitX, pixels / pixelsPerUnitY);
}

void Surface::DrawEllipse(QPointF centre, qreal radiusX, qreal radiusY)
{
    Paint({Shape::Ellipse, centre.x(), centre.y(), radiusX, radiusY, penWidth * devicePixelRatio});
}

void Surface::Paint(const Shape& shape)
{
    const QRgb outline = ToQRgb(penColor);
    const QRgb inside = ToQRgb(fillColor);
    const ShapeStamps::Stamp& stamp =
        stamps->Find(shape, image.size(), pixelsPerUnitX, pixelsPerUnitY);
    if (!stamp.empty()) {
        // The image may be shared with a copy: bits() detaches it.
        uchar* const bits = image.bits();
        const qsizetype stride = image.bytesPerLine();
        for (const ShapeStamps::Run& run : stamp) {
            QRgb* const line = reinterpret_cast<QRgb*>(bits + run.Y * stride);
            std::fill_n(line + run.X, run.Length, run.Outline ? outline : inside);
        }
    }
    Changed();
}
