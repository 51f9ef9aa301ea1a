#pragma once

#include "ScriptedPlatform.h"
#include "board/Geometry.h"
#include "window/VorOdAra.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>

// What the tests know of the window without asking it: the colour of an
// empty point and the size of the drawing area.
constexpr Color Background = Rgb(192, 192, 255);
inline const QSize DrawingArea(794, 748);

// The real window with scripted prompts, played by mouse releases.
struct PlayedWindow
{
    explicit PlayedWindow(std::initializer_list<std::optional<QString>> answers)
        : window(desktop)
    {
        desktop.Answers = answers;
        window.Load();
    }

    // A release at a point in board units, as the window system reports it.
    void Release(double x, double y, int button = Qt::LeftButton, int modifiers = 0)
    {
        QWidget* view = window.centralWidget();
        const QPointF at(x * view->width() / window.Board().ScaleWidth(),
                         y * view->height() / window.Board().ScaleHeight());
        QMouseEvent release(QEvent::MouseButtonRelease, at, view->mapToGlobal(at),
                            Qt::MouseButton(button), {}, Qt::KeyboardModifiers(modifiers));
        QApplication::sendEvent(view, &release);
    }
    QAction* Command(const char* name) { return window.findChild<QAction*>(name); }
    GameState& State() { return window.Play().State; }
    Color Probe(int column, int row) const { return ProbeColorAt(window.Board(), column, row); }

    ScriptedPlatform desktop;
    VorOdAra window;
};
