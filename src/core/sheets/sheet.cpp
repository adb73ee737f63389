#include "core/sheets/sheet.h"

namespace quillo::sheets {

namespace {
Point moved(Point point, Point offset)
{
    return {point.x + offset.x, point.y + offset.y};
}
Rect moved(Rect rect, Point offset)
{
    return {rect.left + offset.x, rect.top + offset.y, rect.width, rect.height};
}
}  // namespace

Colour inkColour(Ink ink)
{
    switch (ink) {
    case Ink::Given: return colour::Black;
    case Ink::Answer: return colour::Red;
    case Ink::Heading: return 0x707070;
    }
    return colour::Black;
}

Colour fillColour(Fill fill)
{
    switch (fill) {
    case Fill::Red: return colour::Red;
    case Fill::Blue: return colour::Blue;
    case Fill::None: break;
    }
    return colour::White;
}

void Drawing::add(const Drawing& other, Point offset)
{
    for (Box box : other.boxes) {
        box.rect = moved(box.rect, offset);
        boxes.push_back(box);
    }
    for (Rule rule : other.rules) {
        rule.from = moved(rule.from, offset);
        rule.to = moved(rule.to, offset);
        rules.push_back(rule);
    }
    for (Text text : other.texts) {
        text.box = moved(text.box, offset);
        texts.push_back(std::move(text));
    }
    for (Glyph glyph : other.glyphs) {
        glyph.corner = moved(glyph.corner, offset);
        glyphs.push_back(std::move(glyph));
    }
}

}  // namespace quillo::sheets
