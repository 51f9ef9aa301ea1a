#pragma once

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

// A stamp lays its pixels down as stores of four pixels, of two and of one,
// outline and inside apart: each run in the widest that fits, its last
// store overlapping the one before it where the run is not a multiple of
// that width. Shapes are small: stores of a fixed width cost a fraction of
// filling runs of varying length (runs filled one by one make the moves on
// 99 by 99 an eighth to a third slower), and at ratio 2, where runs are
// longer, stores of four beat pairs (pairs alone make the snake's capture
// 62% slower at ratio 2, 1.80 against 1.12 ms).
enum StoreList {
    OutlineFours, OutlinePairs, OutlineSingles,
    InsideFours, InsidePairs, InsideSingles,
    StoreLists
};
// The widths of a part's lists, widest first.
constexpr int StoreWidths[] = {4, 2, 1};

// Each list holds offsets from the stamp's first pixel.
using Stores = std::array<std::vector<std::int32_t>, StoreLists>;

// Stores kept once for all the shapes that cover pixels alike from their
// first: every stone of a scale, every arm of one length. A large removal
// then reads a few patterns over and over rather than one for each shape,
// and a new shape adds no stores where its pattern is known: without the
// sharing the covered 99 by 99 board's capture at ratio 2 takes 46% longer.
class PatternPool
{
public:
    // Where a pattern's stores start among all patterns', and where each
    // of its lists ends, counted from that start.
    struct Pattern
    {
        std::uint32_t First;
        std::array<std::uint32_t, StoreLists> Ends;
    };

    // The pattern of a shape that covers no pixel, and of one met once and
    // not recorded yet.
    static constexpr std::uint32_t NoPixels = 0;
    static constexpr std::uint32_t Unrecorded = UINT32_MAX - 1;

    PatternPool() { Clear(); }

    // The pattern with these stores, added if it is new.
    std::uint32_t Share(const Stores& stores);
    void Clear();

    const Pattern& At(std::uint32_t pattern) const { return patterns[pattern]; }
    const std::int32_t* StoresOf(const Pattern& pattern) const
    {
        return offsets.data() + pattern.First;
    }

private:
    bool Holds(const Pattern& pattern, const Stores& stores) const;

    std::vector<Pattern> patterns;
    std::vector<std::int32_t> offsets;
    // Patterns by a hash of their stores.
    std::unordered_multimap<std::uint64_t, std::uint32_t> byStores;
};
