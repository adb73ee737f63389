#pragma once

#include "core/kit/place_value.h"
#include "ui/kit/cell_series.h"
#include "ui/toolkit/look.h"
#include "ui/toolkit/twips.h"

namespace quillo {

class Label;
class Page;

// The column operations put the units at x = 5,640 and every higher place
// one square further left.
inline constexpr int kUnitsColumnLeft = 5640;
constexpr int columnLeft(int column) { return kUnitsColumnLeft - kSquare * (column - 1); }
// The signs stand in the square right of the units.
inline constexpr int kSignColumnLeft = columnLeft(0);
// A rule runs from one square left of a number's leading digit to the end
// of the square past the signs.
constexpr int ruleLeft(int digits) { return columnLeft(digits + 1); }
inline constexpr int kRuleRight = columnLeft(-1);

// The place-value headers "us" to "hk", each in its colour, centred above
// the six columns and standing on the line 240 twips below `top`.
void addPlaceValueHeaders(Page& page, int top, FontSpec font = {Face::Arial, 11, true});

// A sign ("+", "-", "=") in the square right of the units of the row whose
// top is `rowTop`, centred on that row's digits.
Label* addRowSign(Page& page, const QString& name, int rowTop, const QString& sign);

// Six one-character cells of a column operation, one per place, index 0 the
// units.
using ColumnRow = CellSeries<kPlaceColumns>;

}  // namespace quillo
