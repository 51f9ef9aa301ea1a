#include "PatternPool.h"

std::uint32_t PatternPool::Share(const Stores& stores)
{
    const auto [known, added] = byStores.try_emplace(stores, std::uint32_t(patterns.size()));
    if (!added)
        return known->second;
    Pattern pattern{std::uint32_t(offsets.size()), {}};
    for (int list = 0; list < StoreLists; ++list) {
        offsets.insert(offsets.end(), stores[list].begin(), stores[list].end());
        pattern.Ends[list] = std::uint32_t(offsets.size()) - pattern.First;
    }
    patterns.push_back(pattern);
    return known->second;
}

void PatternPool::Clear()
{
    patterns.assign(1, Pattern{0, {}});
    offsets.clear();
    byStores.clear();
}
