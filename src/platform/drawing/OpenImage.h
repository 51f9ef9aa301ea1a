#pragma once

#include <QImage>
#include <QPainter>

#include <memory>

// The surface's image with what it keeps open on it for writing: the pixels
// the stamps are laid down on, and a painter for the shapes painted straight.
// Both are kept while the image is the surface's alone, so that a shape does
// not ask the image whether it is shared (asking makes the covered 99 by 99
// board's capture a tenth slower); copying the surface or handing out its
// image starts the sharing and closes them. The image lives here so that no
// painter is ever left on an image that is replaced.
class OpenImage
{
public:
    explicit OpenImage(QImage image) : image(std::move(image)) {}
    // Both sides of a copy share the image from then on.
    OpenImage(const OpenImage& other) : image(other.Shared()) {}
    OpenImage& operator=(const OpenImage& other)
    {
        if (this != &other) {
            Close();
            image = other.Shared();
        }
        return *this;
    }

    void Close() const
    {
        pixels = nullptr;
        painter.reset();
    }

    // For reading only: it neither detaches nor closes.
    const QImage& Image() const { return image; }
    // A copy that later drawing leaves as it is.
    QImage Shared() const
    {
        Close();
        return image;
    }
    void Fill(QRgb color) { image.fill(color); }

    // bits() and a painter's begin() detach a shared image first.
    QRgb* Pixels()
    {
        if (!pixels)
            pixels = reinterpret_cast<QRgb*>(image.bits());
        return pixels;
    }
    QPainter& Painter()
    {
        if (!painter)
            painter = std::make_unique<QPainter>(&image);
        return *painter;
    }

private:
    QImage image;
    mutable QRgb* pixels = nullptr;
    mutable std::unique_ptr<QPainter> painter;
};
