#pragma once

#include "core/sheets/exercise_block.h"

// The column operations are written as on their screens: six place columns
// under their headings, units on the right, a sign column after the units
// and a lead column before the highest place, where the rules begin.
namespace quillo::sheets::column_paper {

inline constexpr int kHeadingRow = 0;
inline constexpr int kUnitsColumn = 6;  // "us"
inline constexpr int kSignColumn = 7;
inline constexpr int kWidth = 8;  // lead, six places, sign: the rules end here

// The column of the place (1 the units, up to 6).
constexpr int columnOf(int place)
{
    return kUnitsColumn + 1 - place;
}

// "hk" to "us" above the six place columns.
void placeHeadings(Drawing& drawing);

// A given number, units in the units column, with its sign after it.
template <typename UnitsFirst>
void operand(Drawing& drawing, const UnitsFirst& digits, int row, const char* sign)
{
    putUnitsFirst(drawing, digits, kUnitsColumn, row, Ink::Given);
    put(drawing, kSignColumn, row, sign, Ink::Given);
}

// The rule over a result's row and the double rule under it, from the lead
// column `from` to the end of the sign column.
void resultRules(Drawing& drawing, int from, int resultRow);

}  // namespace quillo::sheets::column_paper
