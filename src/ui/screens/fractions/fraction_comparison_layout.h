#pragma once

#include "ui/toolkit/twips.h"

#include <array>
#include <cstddef>

namespace quillo::fraction_comparison_layout {

// Fraction i stands in slot i % 4 of its row: three digit columns from its
// base, the bar ending where the columns end.
constexpr int baseLeft(int index) { return kPaperLeft + 2400 * (index % 4); }
constexpr int digitLeft(int index, int column) { return baseLeft(index) + kSquare * column; }
constexpr int barRight(int index) { return baseLeft(index) + 3 * kSquare; }
// The bar starts over the first column of the wider number.
constexpr int barLeft(int index, int widerDigits) { return digitLeft(index, 3 - widerDigits); }

constexpr int cellTop(int pair) { return pair < 2 ? 1920 : 3720; }
// The relation cell of a pair stands centred in the gap before its right
// fraction: the narrower the numbers, the further right that bar begins.
constexpr int cellLeft(int pair, int widerDigits)
{
    constexpr std::array<int, 4> kBeforeBar{0, 1200, 900, 600};
    return barLeft(2 * pair + 1, widerDigits) - kBeforeBar[static_cast<std::size_t>(widerDigits)];
}

}  // namespace quillo::fraction_comparison_layout
