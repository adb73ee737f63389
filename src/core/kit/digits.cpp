#include "core/kit/digits.h"

namespace quillo {

std::vector<std::string> digitTexts(long long value)
{
    std::vector<std::string> digits;
    unsigned long long magnitude = value < 0 ? 0u : static_cast<unsigned long long>(value);
    do {
        digits.push_back(digitText(static_cast<long long>(magnitude % 10)));
        magnitude /= 10;
    } while (magnitude > 0);
    return digits;
}

int digitValue(const std::string& text)
{
    return text.size() == 1 && text[0] >= '0' && text[0] <= '9' ? text[0] - '0' : 0;
}

}  // namespace quillo
