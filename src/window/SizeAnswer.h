#pragma once

#include <QString>

#include <optional>

// The size prompts' answer: two digits of columns, then two of rows.
struct GridSize
{
    int Cols;
    int Rows;
};

// Columns are Int(answer / 100), rows answer Mod 100. Nothing for an answer
// that is not a number or lies outside the 32-bit signed range.
std::optional<GridSize> GridSizeFromAnswer(const QString& answer);
