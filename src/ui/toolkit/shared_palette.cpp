#include "ui/toolkit/shared_palette.h"

#include <deque>

namespace quillo {

namespace {
// Far more than the colour combinations of all the pages; the bound only
// guards against a caller that makes up new colours without end.
constexpr std::size_t kPalettesKept = 256;
}  // namespace

const QPalette& sharedPalette(const QPalette& colours)
{
    static std::deque<QPalette> shared;
    for (const QPalette& palette : shared) {
        if (palette == colours)
            return palette;
    }
    if (shared.size() == kPalettesKept)
        shared.pop_back();
    shared.push_front(colours);
    return shared.front();
}

}  // namespace quillo
