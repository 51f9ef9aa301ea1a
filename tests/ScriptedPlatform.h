#pragma once

#include "platform/FixedStartRandom.h"
#include "platform/Platform.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <stdexcept>

// Answers prompts from a script and records what the game shows.
struct ScriptedPlatform : Platform
{
    std::optional<QString> InputBox(const QString& prompt, const QString& title,
                                    const QString& defaultAnswer) override
    {
        Prompts << prompt << title << defaultAnswer;
        if (Answers.empty())
            throw std::logic_error("a prompt the script did not expect");
        const std::optional<QString> answer = Answers.front();
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
