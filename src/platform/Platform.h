#pragma once

#include <QString>

#include <optional>

// What the game asks of the desktop besides the drawing area. Tests put a
// scripted stand-in here, so prompts are answered from a script and
// messages and beeps are recorded.
class Platform
{
public:
    virtual ~Platform() = default;

    // A modal prompt; nothing when it is cancelled.
    virtual std::optional<QString> InputBox(const QString& prompt, const QString& title,
                                            const QString& defaultAnswer) = 0;
    // A modal message box with an OK button alone.
    virtual void MsgBox(const QString& text) = 0;
    virtual void Beep() = 0;
    // Uniform in [0, 1).
    virtual float Rnd() = 0;
    // Lets pending window events run, then returns; a call soon after the
    // last one may return at once.
    virtual void YieldToEvents() = 0;
};
