#include "BoardView.h"

#include "platform/drawing/Surface.h"

#include <QMouseEvent>
#include <QPainter>

BoardView::BoardView(const Surface& board, QWidget* parent) : QWidget(parent), board(board)
{
    setFixedSize(board.LayoutSize());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardView::BoardChanged()
{
    if (updateAsked)
        return;
    updateAsked = true;
    update();
}

void BoardView::paintEvent(QPaintEvent* event)
{
    updateAsked = false;
    QPainter painter(this);
    const QRect area = event->rect();
    const qreal ratio = board.DevicePixelRatio();
    painter.drawImage(area, board.Image(),
                      QRectF(area.topLeft() * ratio, area.size() * ratio));
}

void BoardView::mouseReleaseEvent(QMouseEvent* event)
{
    if (rect().contains(event->position().toPoint()))
        Released(event->position());
}
