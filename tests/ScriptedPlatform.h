#pragma once

#include "platform/FixedStartRandom.h"
#include "platform/Platform.h"

#include <QString>

#include <deque>
#include <functional>
#include <stdexcept>
#include <vector>

// Answers prompts from a script and records what the game shows.
class ScriptedPlatform : public Platform
{
public:
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

    float Rnd() override
    {
        ++RandomsDrawn;
        if (Randoms.empty())
            return random.Next();
        const float next = Randoms.front();
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
    // Drawn first; the fixed-start generator takes over when they run out.
    std::deque<float> Randoms;
    int RandomsDrawn = 0;
    int Yields = 0;
    std::function<void()> OnYield = [] {};

private:
    FixedStartRandom random;
};
