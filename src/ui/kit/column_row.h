#pragma once

#include "core/kit/place_value.h"
#include "ui/toolkit/look.h"
#include "ui/toolkit/twips.h"

#include <array>

namespace quillo {

class DigitCell;
class Page;

// The column operations put the units at x = 5,640 and every higher place
// one square further left.
inline constexpr int kUnitsColumnLeft = 5640;
constexpr int columnLeft(int column) { return kUnitsColumnLeft - kSquare * (column - 1); }

// The place-value headers "us" to "hk", each in its colour, centred above
// the six columns with their top at `top`.
void addPlaceValueHeaders(Page& page, int top, FontSpec font = {Face::Arial, 11, true});

// Six one-character cells of a column operation, one per place, index 0 the
// units. The row only handles cells the screen has placed; it does not own
// them, and lives no longer than their page.
class ColumnRow {
public:
    using Cells = std::array<DigitCell*, kPlaceColumns>;

    ColumnRow() = default;
    explicit ColumnRow(const Cells& cells) : cells_(cells) {}

    // Column 1 (units) to 6.
    DigitCell& cell(int column) const { return *cells_.at(static_cast<std::size_t>(column - 1)); }

    // Cells that show a given number: read only, out of the Tab order, and
    // deaf to keys, so a stray key can never clear a given digit.
    void makeGiven() const;

    void setVisible(bool visible) const;
    void clear() const;
    void resetColours() const;
    // Writes the digits and shows exactly the cells that have one.
    void showDigits(const ColumnTexts& digits) const;
    // Shows an empty cell where the expected row has a digit, hides the rest.
    void showAnswerCells(const ColumnTexts& expected) const;
    // What the pupil wrote, units first.
    ColumnTexts texts() const;
    // Marks the cells a check found wrong; the others keep their colours.
    void mark(const ColumnMarks& wrong) const;

private:
    Cells cells_{};
};

}  // namespace quillo
