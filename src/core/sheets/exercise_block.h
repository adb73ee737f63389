#pragma once

#include "core/sheets/sheet.h"

#include <string>
#include <string_view>

// How a family puts one exercise on squared paper. A block is laid out on
// its own squares, column 0 and row 0 at its top-left corner; the sheet then
// moves it into place and numbers it.
namespace quillo::sheets {

// One exercise as the pupil gets it, and what the key writes in.
struct ExerciseBlock {
    Drawing given;
    Drawing answers;
};

// The squares an exercise takes: the same for every exercise of a sheet, so
// the exercises line up on the page as in a column of an exercise book.
struct BlockSize {
    int columns = 0;
    int rows = 0;
};

constexpr Point square(int column, int row)
{
    return {column * kSquare, row * kSquare};
}
constexpr Rect squares(int column, int row, int columns, int rows)
{
    return {column * kSquare, row * kSquare, columns * kSquare, rows * kSquare};
}
// Half a square up or left: where a sign or a box stands on a fraction bar.
inline constexpr int kHalfSquare = kSquare / 2;

// One character in a square.
void put(Drawing& drawing, Point corner, std::string text, Ink ink);
void put(Drawing& drawing, int column, int row, std::string text, Ink ink);

// One text per column, units first, written leftwards from the units column;
// an empty text leaves its square empty.
template <typename UnitsFirst>
void putUnitsFirst(Drawing& drawing, const UnitsFirst& texts, int unitsColumn, int row, Ink ink)
{
    int column = unitsColumn;
    for (const auto& text : texts) {
        if (!std::string_view(text).empty())
            put(drawing, column, row, std::string(text), ink);
        --column;
    }
}

// One text per column, the highest place first, written rightwards from the
// first column; an empty text leaves its square empty.
template <typename HighestFirst>
void putColumns(Drawing& drawing, const HighestFirst& texts, int firstColumn, int row, Ink ink)
{
    int column = firstColumn;
    for (const auto& text : texts) {
        if (!std::string_view(text).empty())
            put(drawing, column, row, std::string(text), ink);
        ++column;
    }
}

// The characters of a text, one per square, from a square rightwards.
void putText(Drawing& drawing, Point first, std::string_view text, Ink ink);

// A thick rule along the grid line at `row`, from column `from` to `to`
// (grid points, so `to` is the right edge of the last square it spans).
void rule(Drawing& drawing, int from, int to, int row);
void rule(Drawing& drawing, Point from, Point to);

// The double rule under a result: the grid line and one a millimetre below.
void doubleRule(Drawing& drawing, int from, int to, int row);

void box(Drawing& drawing, Rect rect, Fill fill = Fill::None);

// Small words in a square or a box: place headings, the marks of places.
inline constexpr int kSmallSize = 22;
void smallText(Drawing& drawing, Rect box, std::string text, Ink ink);

}  // namespace quillo::sheets
