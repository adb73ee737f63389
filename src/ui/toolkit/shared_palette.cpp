#include "ui/toolkit/shared_palette.h"

#include <list>
#include <unordered_map>

namespace quillo {

namespace {
// Far more than the colour combinations of all the pages; the bound only
// guards against a caller that makes up new colours without end.
constexpr std::size_t kPalettesKept = 256;

// The colours of every role in every group, folded into one number. Every
// paint of a button or a box asks for its palette, and comparing palettes
// brush by brush against every one kept cost more than the rest of the
// lookup; equal palettes fold to equal numbers, and only a palette with the
// same number is compared in full.
std::size_t fold(const QPalette& palette)
{
    std::size_t folded = 1469598103934665603ULL;
    const auto mix = [&folded](quint64 value) {
        folded ^= static_cast<std::size_t>(value);
        folded *= 1099511628211ULL;
    };
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const QBrush& brush =
                palette.brush(static_cast<QPalette::ColorGroup>(group), static_cast<QPalette::ColorRole>(role));
            mix(static_cast<quint64>(brush.color().rgba64()));
            mix(static_cast<quint64>(brush.style()));
        }
    }
    return folded;
}

struct Kept {
    std::size_t folded;
    QPalette palette;
};
}  // namespace

const QPalette& sharedPalette(const QPalette& colours)
{
    // Newest first; the index finds them by their folded colours.
    static std::list<Kept> kept;
    static std::unordered_multimap<std::size_t, std::list<Kept>::iterator> index;
    const std::size_t folded = fold(colours);
    const auto [first, last] = index.equal_range(folded);
    for (auto it = first; it != last; ++it) {
        if (it->second->palette == colours)
            return it->second->palette;
    }
    if (kept.size() == kPalettesKept) {
        const auto oldest = std::prev(kept.end());
        const auto [from, to] = index.equal_range(oldest->folded);
        for (auto it = from; it != to; ++it) {
            if (it->second == oldest) {
                index.erase(it);
                break;
            }
        }
        kept.erase(oldest);
    }
    kept.push_front({folded, colours});
    index.emplace(folded, kept.begin());
    return kept.front().palette;
}

}  // namespace quillo
