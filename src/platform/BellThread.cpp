#include "BellThread.h"

#include <condition_variable>
#include <mutex>
#include <thread>

struct BellThread::Shared
{
    std::mutex mutex;
    std::condition_variable changed;
    bool wanted = false;
    bool closed = false;
    std::function<bool()> ring;
    std::function<void()> silent;
};

BellThread::BellThread(std::function<bool()> ring, std::function<void()> silent)
    : shared(std::make_shared<Shared>())
{
    shared->ring = std::move(ring);
    shared->silent = std::move(silent);
    std::thread(RingWhenWanted, shared).detach();
}

// Opening or playing through a stalled server blocks until the server goes
// on, which may be never: quitting must not wait for it.
BellThread::~BellThread()
{
    const std::lock_guard lock(shared->mutex);
    shared->closed = true;
    shared->changed.notify_one();
}

void BellThread::Ring()
{
    const std::lock_guard lock(shared->mutex);
    shared->wanted = true;
    shared->changed.notify_one();
}

// The thread's own copy keeps the bell alive until it returns.
void BellThread::RingWhenWanted(const std::shared_ptr<Shared>& shared)
{
    std::unique_lock lock(shared->mutex);
    while (true) {
        shared->changed.wait(lock, [&] { return shared->wanted || shared->closed; });
        if (shared->closed)
            return;
        shared->wanted = false;
        lock.unlock();
        const bool played = shared->ring();
        lock.lock();
        // Once closed, whatever silent reaches may be gone.
        if (!played && !shared->closed)
            shared->silent();
    }
}
