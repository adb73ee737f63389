#pragma once

#include <vector>

namespace quillo {

// Which key codes (character codes of a key press) may enter a cell.
enum class KeyFilter {
    Digit,     // "/", "0" to "9", ":"
    Decimal,   // as Digit, plus "," and Backspace
    Relation,  // "<", "=", ">"
    Kind,      // "p", "i", "a", lower case only
    // The boxes below let every key through and leave the judging to their
    // screen; they differ only in the keys an on-screen keypad offers.
    Mark,      // a place-value mark: the letters of "us", "das", ... "m"
    Sign,      // a comparison sign: "<", "=", ">"
    Name,      // a pupil's name: letters, accented vowels, apostrophe, space, digits
    None,      // every key passes; nothing is offered
};

bool accepts(KeyFilter filter, int code);

// The keys an on-screen keypad offers for a box with this filter, in the
// order it shows them: only keys the filter accepts, and of those only the
// ones a pupil means to type ("/" and ":" pass a digit filter because a
// keyboard can type them, not because an answer needs them). Backspace is
// offered only to a box that edits its text rather than replacing it.
std::vector<int> offeredKeys(KeyFilter filter, bool editsText);
// Whether the keypad offers capitals beside the letters it shows.
bool offersCapitals(KeyFilter filter);

// Character codes of the keys that cells care about.
namespace keycode {
inline constexpr int Backspace = 8;
inline constexpr int Enter = 13;
inline constexpr int Escape = 27;
}  // namespace keycode

}  // namespace quillo
