#pragma once

#include "support/scripted_random.h"

#include <initializer_list>

namespace quillo::testing {

// The draws that make a decimal comparison number come out as the mantissa
// with that many decimals: its count of digits, its decimals, its mantissa.
inline void scriptDecimalNumber(ScriptedRandom& random, int mantissa, int decimals)
{
    int digits = 1;
    int power = 1;
    for (int rest = mantissa; rest >= 10; rest /= 10, power *= 10)
        ++digits;
    random.push(drawing(digits, 1, 6));
    random.push(drawing(decimals, 1, 3));
    random.push(drawing(mantissa, digits == 1 ? 1 : power + 1, power * 10 - 1));
}

// The draws of a place-value exercise: the sizes, then the digits of each
// number as drawn, decimals from the tenths on and whole digits from the units.
inline void scriptPlaceValue(ScriptedRandom& random, int decimals, int wholes,
                             std::initializer_list<std::initializer_list<int>> numbers)
{
    random.push(drawing(decimals, 1, 3));
    random.push(drawing(wholes, 1, 6));
    for (const auto& digits : numbers)
        for (int digit : digits)
            random.push(drawing(digit, 1, 9));
}

}  // namespace quillo::testing
