#pragma once

#include "Shape.h"

#include <QSize>

#include <cstdint>
#include <cstring>
#include <vector>

// Finds the stamp of a shape met before: open addressing over the entries
// themselves, two to a cache line. A removal reads the table for thousands
// of shapes, and each read that leaves the cache costs more than laying
// the stamp down.
class StampTable
{
public:
    // A shape, the pixel its stamp starts from and its pattern.
    struct Entry
    {
        Shape Key;
        std::int32_t Pixel;
        std::uint32_t Pattern;
    };

    // Shapes are placed by the points of the board's scale nearest their
    // middle, of which the image spans cells. At capacity every entry is
    // forgotten.
    StampTable(QSize cells, std::size_t capacity);

    // The shape's entry, null if it has none.
    const Entry* Find(const Shape& shape) const
    {
        const Entry& entry = table[PlaceOf(shape)];
        return entry.Pattern == Unused ? nullptr : &entry;
    }

    // Whether an entry more would go beyond the capacity.
    bool Full() const { return entries == capacity; }
    void Clear();

    // Adds the shape, or sets its entry anew; the entry stays where it is
    // until the next one is added.
    const Entry& Add(const Shape& shape, std::int32_t pixel, std::uint32_t pattern);

private:
    // The pattern of a place that holds no shape.
    static constexpr std::uint32_t Unused = UINT32_MAX;

    std::size_t Home(const Shape& shape) const;
    // The place that holds the shape, or the unused one where it belongs.
    std::size_t PlaceOf(const Shape& shape) const
    {
        const std::size_t mask = table.size() - 1;
        std::size_t place = Home(shape) & mask;
        while (table[place].Pattern != Unused && !Same(table[place].Key, shape))
            place = (place + 1) & mask;
        return place;
    }
    // The same inputs paint the same pixels: shapes are told apart by
    // their bits, without the floating-point comparisons' branches.
    static bool Same(const Shape& a, const Shape& b)
    {
        static_assert(sizeof(Shape) == 6 * 4, "a shape's fields fill it without padding");
        return std::memcmp(&a, &b, sizeof(Shape)) == 0;
    }
    void Grow();

    int cellsAcross;
    int cellsDown;
    std::size_t capacity;
    std::size_t placesPerCell = 1;
    std::vector<Entry> table;
    std::size_t entries = 0;
};
