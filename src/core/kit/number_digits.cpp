#include "core/kit/number_digits.h"

namespace quillo {

std::vector<std::string> digitTexts(int value)
{
    std::vector<std::string> digits;
    unsigned magnitude = value < 0 ? 0u : static_cast<unsigned>(value);
    do {
        digits.emplace_back(1, static_cast<char>('0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude > 0);
    return digits;
}

}  // namespace quillo
