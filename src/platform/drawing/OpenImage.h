#pragma once

#include <QImage>
#include <QPainter>

#include <memory>

// What the surface keeps open on its image for writing: the pixels the
// stamps are laid down on, or a painter for painting shapes straight. Both
// are kept while the image is the surface's alone, so that a shape does not
// ask the image whether it is shared (asking makes the covered 99 by 99
// board's capture a tenth slower); copying the surface or handing out its
// image starts the sharing and closes them.
class OpenImage
{
public:
    OpenImage() = default;
    // Both sides of a copy share the image from then on.
    OpenImage(const OpenImage& other) { other.Close(); }
    OpenImage& operator=(const OpenImage& other)
    {
        other.Close();
        Close();
        return *this;
    }

    void Close() const
    {
        pixels = nullptr;
        painter.reset();
    }

    // bits() and a painter's begin() detach a shared image first.
    QRgb* Pixels(QImage& image)
    {
        if (!pixels)
            pixels = reinterpret_cast<QRgb*>(image.bits());
        return pixels;
    }
    QPainter& Painter(QImage& image)
    {
        if (!painter)
            painter = std::make_unique<QPainter>(&image);
        return *painter;
    }

private:
    mutable QRgb* pixels = nullptr;
    mutable std::unique_ptr<QPainter> painter;
};
