#pragma once

#include "support/scripted_random.h"

#include <array>

namespace quillo::testing {

// Comparing fractions: length L, the eight numbers, range D, common value c,
// mode E (1 common denominator, 2 common numerator).
inline void scriptComparison(ScriptedRandom& random, int length, const std::array<int, 8>& numbers, int range,
                             int common, int mode)
{
    constexpr std::array<int, 4> smallest{0, 1, 10, 100};
    constexpr std::array<int, 4> largest{0, 9, 99, 999};
    random.push(drawing(length, 1, 3));
    for (int number : numbers)
        random.push(drawing(number, smallest[length], smallest[length] + largest[length] - 1));
    random.push(drawing(range, 1, 3));
    random.push(drawing(common, 2, largest[range] + 1));
    random.push(drawing(mode, 1, 2));
}

// Decimal fractions: four numerators, then three draws of the power of ten
// per item, the last one kept (the first two are scripted as 1000).
inline void scriptDecimalSeries(ScriptedRandom& random, const std::array<int, 4>& numerators,
                                const std::array<int, 4>& denominators)
{
    for (int numerator : numerators)
        random.push(drawing(numerator, 1, 999));
    for (int denominator : denominators) {
        random.push(drawing(3, 1, 3));
        random.push(drawing(3, 1, 3));
        random.push(drawing(denominator == 10 ? 1 : denominator == 100 ? 2 : 3, 1, 3));
    }
}

}  // namespace quillo::testing
