#pragma once

#include <cstdint>
#include <limits>

namespace quillo {

// Scoreboard values are 16-bit; past the top they stay at the top instead of
// wrapping to a negative count.
constexpr std::int16_t saturate16(long long value)
{
    constexpr long long top = std::numeric_limits<std::int16_t>::max();
    constexpr long long bottom = std::numeric_limits<std::int16_t>::min();
    return static_cast<std::int16_t>(value > top ? top : (value < bottom ? bottom : value));
}

}  // namespace quillo
