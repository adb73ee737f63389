#include "core/kit/key_filter.h"

namespace quillo {

namespace {
bool isDigitCode(int code) { return code >= 47 && code <= 58; }
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
    case KeyFilter::None:
        return true;
    }
    return false;
}

}  // namespace quillo
