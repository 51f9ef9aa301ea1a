#pragma once

#include <QWidget>

#include <functional>

class Surface;

// Shows the board's persistent image and reports button releases.
class BoardView : public QWidget
{
public:
    explicit BoardView(const Surface& board, QWidget* parent = nullptr);

    std::function<void(QPointF)> Released = [](QPointF) {};

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const Surface& board;
};
