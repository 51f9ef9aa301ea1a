#pragma once

#include <QRectF>
#include <QWidget>

#include <functional>

class Surface;

// Shows the board's persistent image and reports button releases.
class BoardView : public QWidget
{
public:
    explicit BoardView(const Surface& board, QWidget* parent = nullptr);

    // The board was drawn on: it is shown again at the next paint.
    void BoardChanged();

    std::function<void(QPointF)> Released = [](QPointF) {};

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const Surface& board;
    // The part asked to be painted since the last paint, in layout pixels.
    // A removal draws thousands of shapes, and asking for an update costs
    // more than drawing one of them: the view asks again only where the
    // board was drawn on beyond it, grown in blocks.
    QRectF asked;
};
