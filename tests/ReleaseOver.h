#pragma once

#include "window/VorOdAra.h"

#include <QApplication>
#include <QMouseEvent>

// A mouse-button release over the board at a point in board units, as the
// window system reports it to the board's view.
inline void ReleaseOver(VorOdAra& window, double x, double y,
                        Qt::MouseButton button = Qt::LeftButton,
                        Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* view = window.centralWidget();
    const QPointF position(x * view->width() / window.Board().ScaleWidth(),
                           y * view->height() / window.Board().ScaleHeight());
    QMouseEvent release(QEvent::MouseButtonRelease, position, view->mapToGlobal(position), button,
                        Qt::NoButton, modifiers);
    QApplication::sendEvent(view, &release);
}
