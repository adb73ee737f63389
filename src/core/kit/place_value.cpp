#include "core/kit/place_value.h"

#include <algorithm>

namespace quillo {

int digitCount(long long value)
{
    int count = 1;
    while (value >= 10) {
        value /= 10;
        ++count;
    }
    return count;
}

ColumnTexts columnDigits(long long value)
{
    ColumnTexts digits;
    const int length = std::min(digitCount(value), kPlaceColumns);
    for (int i = 0; i < length; ++i) {
        digits[i] = std::string(1, static_cast<char>('0' + value % 10));
        value /= 10;
    }
    return digits;
}

int digitValue(const std::string& text)
{
    return text.size() == 1 && text[0] >= '0' && text[0] <= '9' ? text[0] - '0' : 0;
}

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
