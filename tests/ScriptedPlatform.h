#pragma once

#include "platform/FixedStartRandom.h"
#include "platform/Platform.h"

#include <QString>

#include <deque>
#include <functional>
#include <stdexcept>
#include <vector>

// Answers prompts from a script and records what the game shows.
struct ScriptedPlatform : Platform
{
    struct Prompt
    {
        QString Text;
        QString Title;
        QString Default;
    };

    std::optional<QString> InputBox(const QString& prompt, const QString& title,
                                    const QString& defaultAnswer) override
    {
        Prompts.push_back({prompt, title, defaultAnswer});
        if (Answers.empty())
            throw std::logic_error("a prompt the script did not expect");
        const std::optional<QString> answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    void MsgBox(const QString& text) override { Messages.push_back(text); }
    void Beep() override { ++Beeps; }
    // Queued numbers first, then a generator that starts as the desktop's.
    float Rnd() override
    {
        ++RandomsDrawn;
        const float next = Randoms.empty() ? random.Next() : Randoms.front();
        if (!Randoms.empty())
            Randoms.pop_front();
        return next;
    }
    void YieldToEvents() override
    {
        ++Yields;
        OnYield();
    }

    std::deque<std::optional<QString>> Answers;
    std::vector<Prompt> Prompts;
    std::vector<QString> Messages;
    int Beeps = 0;
    std::deque<float> Randoms;
    int RandomsDrawn = 0;
    int Yields = 0;
    std::function<void()> OnYield = [] {};
    FixedStartRandom random;
};
