#pragma once

namespace quillo {

// Which key codes (character codes of a key press) may enter a cell.
enum class KeyFilter {
    Digit,     // "/", "0" to "9", ":"
    Decimal,   // as Digit, plus "," and Backspace
    Relation,  // "<", "=", ">"
    Kind,      // "p", "i", "a", lower case only
    None,      // every key passes; the screen decides
};

bool accepts(KeyFilter filter, int code);

// Character codes of the keys that cells care about.
namespace keycode {
inline constexpr int Backspace = 8;
inline constexpr int Enter = 13;
inline constexpr int Escape = 27;
}  // namespace keycode

}  // namespace quillo
