#include "PatternPool.h"

#include "Mix.h"

#include <algorithm>

std::uint32_t PatternPool::Share(const Stores& stores)
{
    std::uint64_t hash = 0;
    for (const std::vector<std::int32_t>& list : stores) {
        hash = Mix(hash, list.size());
        for (const std::int32_t offset : list)
            hash = Mix(hash, std::uint32_t(offset));
    }
    const auto [begin, end] = byStores.equal_range(hash);
    for (auto known = begin; known != end; ++known)
        if (Holds(patterns[known->second], stores))
            return known->second;
    const auto id = std::uint32_t(patterns.size());
    Pattern pattern{std::uint32_t(offsets.size()), {}};
    for (int list = 0; list < StoreLists; ++list) {
        offsets.insert(offsets.end(), stores[list].begin(), stores[list].end());
        pattern.Ends[list] = std::uint32_t(offsets.size()) - pattern.First;
    }
    patterns.push_back(pattern);
    byStores.emplace(hash, id);
    return id;
}

void PatternPool::Clear()
{
    patterns.assign(1, Pattern{0, {}});
    offsets.clear();
    byStores.clear();
}

bool PatternPool::Holds(const Pattern& pattern, const Stores& stores) const
{
    const std::int32_t* const known = StoresOf(pattern);
    std::uint32_t begin = 0;
    for (int list = 0; list < StoreLists; ++list) {
        if (pattern.Ends[list] - begin != stores[list].size()
            || !std::equal(stores[list].begin(), stores[list].end(), known + begin))
            return false;
        begin = pattern.Ends[list];
    }
    return true;
}
