#pragma once

#include <string>
#include <vector>

namespace quillo {

// The digits of a non-negative whole number as one-character texts, units
// first, the way screens fill their digit labels from the right.
std::vector<std::string> digitTexts(int value);

}  // namespace quillo
