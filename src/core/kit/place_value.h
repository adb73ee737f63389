#pragma once

#include "core/kit/colours.h"
#include "core/kit/digits.h"

#include <array>
#include <string>
#include <string_view>

namespace quillo {

// The column operations write whole numbers up to 999,999 one digit per
// column, the units on the right. Column 1 holds the units.
inline constexpr int kPlaceColumns = 6;

// One text per column, index 0 for the units: a digit, or empty where the
// number has no digit.
using ColumnTexts = std::array<std::string, kPlaceColumns>;
// Which columns a check found wrong, index 0 for the units.
using ColumnMarks = std::array<bool, kPlaceColumns>;

// The digits of a non-negative number of up to six digits, from the right.
inline ColumnTexts columnDigits(long long value) { return unitsFirst<kPlaceColumns>(value); }

// Compares the columns 1 to `columns` of an answer with the expected texts;
// an empty cell differs from any digit.
ColumnMarks differences(const ColumnTexts& expected, const ColumnTexts& answer, int columns = kPlaceColumns);
int countMarked(const ColumnMarks& marks);

// The place-value header above a column (1 to 6) and its colour.
std::string_view placeHeader(int column);
Colour placeHeaderColour(int column);

}  // namespace quillo
