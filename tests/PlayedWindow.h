#pragma once

#include "board/Geometry.h"
#include "platform/FixedStartRandom.h"
#include "platform/Platform.h"
#include "window/VorOdAra.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>

#include <deque>
#include <functional>

// What the tests know of the window without asking it: the colour of an
// empty point and the size of the drawing area.
constexpr Color Background = Rgb(192, 192, 255);
inline const QSize DrawingArea(794, 748);

// Answers prompts from a script and records what the game shows.
struct ScriptedPlatform : Platform
{
    std::optional<QString> InputBox(const QString& prompt, const QString& title,
                                    const QString& defaultAnswer) override
    {
        Prompts << prompt << title << defaultAnswer;
        const std::optional<QString> answer = Answers.at(0);
        Answers.pop_front();
        return answer;
    }
    void MsgBox(const QString& text) override { Messages << text; }
    void Beep() override { ++Beeps; }
    float Rnd() override
    {
        ++RandomsDrawn;
        return Random.Next();
    }
    void YieldToEvents() override
    {
        ++Yields;
        OnYield();
    }

    std::deque<std::optional<QString>> Answers;
    // The text, title and default answer of each prompt in turn.
    QStringList Prompts;
    QStringList Messages;
    int Beeps = 0;
    // Starts as the desktop's.
    FixedStartRandom Random;
    int RandomsDrawn = 0;
    int Yields = 0;
    std::function<void()> OnYield = [] {};
};

// The real window with scripted prompts, played by mouse releases.
struct PlayedWindow
{
    explicit PlayedWindow(std::initializer_list<std::optional<QString>> answers,
                          std::size_t stamps = Surface::DefaultStamps)
        : window(desktop, qGuiApp->devicePixelRatio(), stamps)
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
        QMouseEvent release(QEvent::MouseButtonRelease, at, at, Qt::MouseButton(button), {},
                            Qt::KeyboardModifiers(modifiers));
        QApplication::sendEvent(view, &release);
    }
    QAction* Command(const char* name) { return window.findChild<QAction*>(name); }
    GameState& State() { return window.Play().State; }
    Color Probe(int column, int row) const { return ProbeColorAt(window.Board(), column, row); }

    ScriptedPlatform desktop;
    VorOdAra window;
};
