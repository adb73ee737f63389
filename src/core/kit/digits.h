#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace quillo {

// How every screen splits a whole number into one-character cell texts.

// Number of decimal digits of a non-negative whole number (1 for 0).
constexpr int digitCount(long long value)
{
    int count = 1;
    while (value >= 10) {
        value /= 10;
        ++count;
    }
    return count;
}

// The text of one digit, 0 to 9.
inline std::string digitText(long long digit) { return std::string(1, static_cast<char>('0' + digit % 10)); }

// The digits of a non-negative number, units first; a negative one reads as 0.
std::vector<std::string> digitTexts(long long value);

// The digits of a non-negative number in N columns, index 0 the units; a
// column without a digit stays empty, and a number too long for the columns
// keeps its lowest digits.
template <std::size_t N>
std::array<std::string, N> unitsFirst(long long value)
{
    std::array<std::string, N> columns{};
    const std::vector<std::string> digits = digitTexts(value);
    for (std::size_t i = 0; i < N && i < digits.size(); ++i)
        columns[i] = digits[i];
    return columns;
}

// The same columns read the other way, the highest place first, so that the
// units land in the last column.
template <std::size_t N>
std::array<std::string, N> rightAligned(long long value)
{
    std::array<std::string, N> columns = unitsFirst<N>(value);
    std::array<std::string, N> reversed{};
    for (std::size_t i = 0; i < N; ++i)
        reversed[N - 1 - i] = std::move(columns[i]);
    return reversed;
}

// The numeric value of a one-digit text, 0 for anything else.
int digitValue(const std::string& text);

}  // namespace quillo
