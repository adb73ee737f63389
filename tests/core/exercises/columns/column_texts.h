#pragma once

#include "core/kit/place_value.h"
#include "core/kit/random_source.h"

#include <string>

namespace quillo {

// The value that makes a column operation draw this number.
inline double pick(int value) { return drawing(value, 1, 999'999); }

// A row of cells written left to right, as the page shows it.
inline ColumnTexts written(const std::string& leftToRight)
{
    ColumnTexts cells;
    for (std::size_t i = 0; i < leftToRight.size() && i < cells.size(); ++i)
        cells[i] = std::string(1, leftToRight[leftToRight.size() - 1 - i]);
    return cells;
}

// The same row read back, left to right.
inline std::string shown(const ColumnTexts& cells)
{
    std::string text;
    for (auto it = cells.rbegin(); it != cells.rend(); ++it)
        text += *it;
    return text;
}

}  // namespace quillo
