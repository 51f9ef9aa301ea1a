#pragma once

struct ca_context;

// The sound theme's bell, played through whatever sound server runs at the
// moment of the beep.
class ThemeBell
{
public:
    ThemeBell() = default;
    ThemeBell(const ThemeBell&) = delete;
    ThemeBell& operator=(const ThemeBell&) = delete;
    ~ThemeBell();

    // Starts the bell and returns without waiting for it to end; false
    // where it cannot be played. Blocks while the sound server stalls.
    bool Ring();

private:
    // Null, or one that has played.
    ca_context* context = nullptr;
};
