#pragma once

#include <functional>

struct ca_context;

// The sound theme's bell, played through whatever sound server runs at the
// moment of the beep; where it cannot be played, the fallback rings instead.
class ThemeBell
{
public:
    explicit ThemeBell(std::function<void()> fallback);
    ThemeBell(const ThemeBell&) = delete;
    ThemeBell& operator=(const ThemeBell&) = delete;
    ~ThemeBell();

    // Starts the bell and returns without waiting for it.
    void Ring();

private:
    std::function<void()> fallback;
    // Null, or one that has played.
    ca_context* context = nullptr;
};
