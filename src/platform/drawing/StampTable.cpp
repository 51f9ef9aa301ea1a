#include "StampTable.h"

#include "Mix.h"

#include <algorithm>
#include <bit>

namespace {

// Small enough that the tests' small capacities grow the table too.
constexpr std::size_t InitialPlaces = 16;

} // namespace

StampTable::StampTable(QSize cells, std::size_t capacity)
    : cellsAcross(cells.width()), cellsDown(cells.height()), capacity(capacity)
{
    Clear();
}

void StampTable::Clear()
{
    table.assign(InitialPlaces, Entry{{}, 0, Unused});
    placesPerCell = 1;
    entries = 0;
}

// Cells are laid out column after column, each with the same share of
// the places: the shapes of one point lie together, and a removal that
// walks its group down a column reads on through the table (a hash for
// every shape makes the covered 99 by 99 board's capture at ratio 2 41%
// slower).
// Beyond the image, where a board larger than the window has its points, a
// hash spreads the shapes.
std::size_t StampTable::Home(const Shape& shape) const
{
    // Rounded to the nearest point; the test keeps out NaN too.
    const float col = shape.MiddleX() + 0.5f;
    const float row = shape.MiddleY() + 0.5f;
    if (col >= 0 && col < float(cellsAcross) && row >= 0 && row < float(cellsDown))
        return (std::size_t(int(col)) * cellsDown + std::size_t(int(row))) * placesPerCell;
    return Mix(std::bit_cast<std::uint32_t>(col), std::bit_cast<std::uint32_t>(row));
}

const StampTable::Entry& StampTable::Add(const Shape& shape, std::int32_t pixel,
                                         std::uint32_t pattern)
{
    // At most half the places taken keeps the probes short.
    if (2 * (entries + 1) > table.size())
        Grow();
    Entry& entry = table[PlaceOf(shape)];
    entries += entry.Pattern == Unused;
    entry = {shape, pixel, pattern};
    return entry;
}

void StampTable::Grow()
{
    std::vector<Entry> old(2 * table.size(), Entry{{}, 0, Unused});
    old.swap(table);
    const std::size_t cells = std::size_t(cellsAcross) * cellsDown;
    placesPerCell = std::max<std::size_t>(1, table.size() / cells);
    for (const Entry& entry : old)
        if (entry.Pattern != Unused)
            table[PlaceOf(entry.Key)] = entry;
}
