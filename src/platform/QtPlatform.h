#pragma once

#include "BellThread.h"
#include "FixedStartRandom.h"
#include "Platform.h"

#include <chrono>

class QWidget;

// The platform on a real desktop: Qt dialogs, the system beep and the
// event loop.
class QtPlatform : public Platform
{
public:
    QtPlatform();

    // Dialogs are centred on the window once it exists.
    void SetDialogParent(QWidget* parent) { dialogParent = parent; }

    std::optional<QString> InputBox(const QString& prompt, const QString& title,
                                    const QString& defaultAnswer) override;
    void MsgBox(const QString& text) override;
    void Beep() override { bell.Ring(); }
    float Rnd() override { return random.Next(); }
    void YieldToEvents() override;

private:
    QWidget* Owner() const;

    QWidget* dialogParent = nullptr;
    BellThread bell;
    FixedStartRandom random;
    std::chrono::steady_clock::time_point eventsLastRan;
};
