#include "core/kit/place_value.h"

#include <algorithm>

namespace quillo {

ColumnMarks differences(const ColumnTexts& expected, const ColumnTexts& answer, int columns)
{
    ColumnMarks marks{};
    for (int i = 0; i < std::clamp(columns, 0, kPlaceColumns); ++i)
        marks[i] = answer[i] != expected[i];
    return marks;
}

int countMarked(const ColumnMarks& marks)
{
    return static_cast<int>(std::count(marks.begin(), marks.end(), true));
}

std::string_view placeHeader(int column)
{
    static constexpr std::array<std::string_view, kPlaceColumns> headers = {"us", "das", "hs", "uk", "dak", "hk"};
    return column >= 1 && column <= kPlaceColumns ? headers[column - 1] : std::string_view{};
}

Colour placeHeaderColour(int column)
{
    static constexpr std::array<Colour, kPlaceColumns> colours = {0xFF0000, 0x0000FF, 0x008000,
                                                                  0xFF8080, 0x0080FF, 0x00C000};
    return column >= 1 && column <= kPlaceColumns ? colours[column - 1] : colour::Black;
}

}  // namespace quillo
