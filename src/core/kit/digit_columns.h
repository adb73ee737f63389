#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace quillo {

// Number of decimal digits of a non-negative whole number (1 for 0).
constexpr int digitCount(int value)
{
    int count = 1;
    while (value >= 10) {
        value /= 10;
        ++count;
    }
    return count;
}

// The digits of a non-negative number right-aligned into N columns, the
// highest place first: the units land in the last column and a column
// without a digit stays empty. A number too long for the columns keeps its
// lowest digits.
template <std::size_t N>
std::array<std::string, N> rightAligned(int value)
{
    std::array<std::string, N> columns{};
    const int digits = digitCount(value);
    for (std::size_t i = 0; i < N && static_cast<int>(i) < digits; ++i) {
        columns[N - 1 - i] = std::string(1, static_cast<char>('0' + value % 10));
        value /= 10;
    }
    return columns;
}

}  // namespace quillo
