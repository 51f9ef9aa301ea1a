#pragma once

#include <functional>
#include <memory>

// A bell rung on a thread of its own: a sound server that stalls, or accepts
// and never answers, holds up only that thread. While a bell is playing, or
// stuck, at most one more waits; further rings are dropped.
class BellThread
{
public:
    // ring plays a bell and says whether it could; where it could not,
    // silent is called. Both are called on the bell's thread alone, and ring
    // is destroyed with the thread's state, which may outlive this.
    BellThread(std::function<bool()> ring, std::function<void()> silent);
    BellThread(const BellThread&) = delete;
    BellThread& operator=(const BellThread&) = delete;
    // Returns at once, also while a bell is stuck.
    ~BellThread();

    // Asks for a bell and returns without waiting for it.
    void Ring();

private:
    struct Shared;
    static void RingWhenWanted(const std::shared_ptr<Shared>& shared);

    // Also held by the thread, which is never joined: it may outlive this.
    std::shared_ptr<Shared> shared;
};
