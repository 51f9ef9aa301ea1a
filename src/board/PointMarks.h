#pragma once

#include <cstdint>
#include <vector>

// What one group search knows of the points it has looked at, keyed by
// scan position. It grows with the points marked, not with the board.
class PointMarks
{
public:
    enum Mark : std::uint8_t { Unseen, OtherColor, Candidate, Listed };

    PointMarks() : keys(InitialCapacity, EmptyKey), marks(InitialCapacity, Unseen) {}

    Mark Get(std::int64_t key) const { return marks[Find(key)]; }

    void Set(std::int64_t key, Mark mark)
    {
        std::size_t slot = Find(key);
        if (keys[slot] == EmptyKey) {
            if (2 * (used + 1) > keys.size()) {
                Grow();
                slot = Find(key);
            }
            keys[slot] = key;
            ++used;
        }
        marks[slot] = mark;
    }

private:
    static constexpr std::size_t InitialCapacity = 64;
    static constexpr std::int64_t EmptyKey = -1;

    std::size_t Find(std::int64_t key) const
    {
        const std::size_t mask = keys.size() - 1;
        std::size_t slot = std::size_t(std::uint64_t(key) * 0x9E3779B97F4A7C15u >> 32) & mask;
        while (keys[slot] != EmptyKey && keys[slot] != key)
            slot = (slot + 1) & mask;
        return slot;
    }

    void Grow()
    {
        std::vector<std::int64_t> oldKeys(keys.size() * 2, EmptyKey);
        std::vector<Mark> oldMarks(marks.size() * 2, Unseen);
        oldKeys.swap(keys);
        oldMarks.swap(marks);
        for (std::size_t i = 0; i < oldKeys.size(); ++i) {
            if (oldKeys[i] == EmptyKey)
                continue;
            const std::size_t slot = Find(oldKeys[i]);
            keys[slot] = oldKeys[i];
            marks[slot] = oldMarks[i];
        }
    }

    std::vector<std::int64_t> keys;
    std::vector<Mark> marks;
    std::size_t used = 0;
};
