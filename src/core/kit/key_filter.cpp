#include "core/kit/key_filter.h"

#include <string_view>

namespace quillo {

namespace {
bool isDigitCode(int code) { return code >= 47 && code <= 58; }

// Laid out as on a telephone, so the pad reads 1 2 3 from the top.
constexpr std::u32string_view kDigits = U"1234567890";
constexpr std::u32string_view kSigns = U"<=>";
constexpr std::u32string_view kKinds = U"pia";
// Every letter of the nine place-value marks, in alphabetical order.
constexpr std::u32string_view kMarkLetters = U"acdhkmsu";
// Italian names take the five foreign letters too (Jacopo, Kevin, Yuri).
constexpr std::u32string_view kNameKeys = U"abcdefghijklmnopqrstuvwxyz\u00E0\u00E8\u00E9\u00EC\u00F2\u00F9' 1234567890";

std::u32string_view offeredCharacters(KeyFilter filter)
{
    switch (filter) {
    case KeyFilter::Digit: return kDigits;
    case KeyFilter::Decimal: return U"1234567890,";
    case KeyFilter::Relation:
    case KeyFilter::Sign: return kSigns;
    case KeyFilter::Kind: return kKinds;
    case KeyFilter::Mark: return kMarkLetters;
    case KeyFilter::Name: return kNameKeys;
    case KeyFilter::None: return {};
    }
    return {};
}
}  // namespace

bool accepts(KeyFilter filter, int code)
{
    switch (filter) {
    case KeyFilter::Digit:
        return isDigitCode(code);
    case KeyFilter::Decimal:
        return isDigitCode(code) || code == ',' || code == keycode::Backspace;
    case KeyFilter::Relation:
        return code == '<' || code == '=' || code == '>';
    case KeyFilter::Kind:
        return code == 'p' || code == 'i' || code == 'a';
    case KeyFilter::Mark:
    case KeyFilter::Sign:
    case KeyFilter::Name:
    case KeyFilter::None:
        return true;
    }
    return false;
}

std::vector<int> offeredKeys(KeyFilter filter, bool editsText)
{
    std::vector<int> keys;
    for (char32_t c : offeredCharacters(filter))
        keys.push_back(static_cast<int>(c));
    if (editsText && !keys.empty() && accepts(filter, keycode::Backspace))
        keys.push_back(keycode::Backspace);
    return keys;
}

bool offersCapitals(KeyFilter filter)
{
    return filter == KeyFilter::Name;
}

}  // namespace quillo
