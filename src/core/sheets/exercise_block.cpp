#include "core/sheets/exercise_block.h"

namespace quillo::sheets {

namespace {
constexpr int kDoubleRuleGap = 10;  // 1 mm, as the screens draw it
}  // namespace

void put(Drawing& drawing, Point corner, std::string text, Ink ink)
{
    drawing.glyphs.push_back({corner, std::move(text), ink});
}

void put(Drawing& drawing, int column, int row, std::string text, Ink ink)
{
    put(drawing, square(column, row), std::move(text), ink);
}

void putText(Drawing& drawing, Point first, std::string_view text, Ink ink)
{
    for (std::size_t i = 0; i < text.size(); ++i)
        put(drawing, {first.x + static_cast<int>(i) * kSquare, first.y}, std::string(1, text[i]), ink);
}

void rule(Drawing& drawing, int from, int to, int row)
{
    rule(drawing, square(from, row), square(to, row));
}

void rule(Drawing& drawing, Point from, Point to)
{
    drawing.rules.push_back({from, to, kBarWidth, Ink::Given});
}

void doubleRule(Drawing& drawing, int from, int to, int row)
{
    rule(drawing, from, to, row);
    const int below = row * kSquare + kDoubleRuleGap;
    rule(drawing, {from * kSquare, below}, {to * kSquare, below});
}

void box(Drawing& drawing, Rect rect, Fill fill)
{
    drawing.boxes.push_back({rect, fill});
}

void smallText(Drawing& drawing, Rect box, std::string text, Ink ink)
{
    drawing.texts.push_back({box, std::move(text), kSmallSize, ink, Align::Centre});
}

}  // namespace quillo::sheets
