#pragma once

#include "core/sheets/sheet.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

// Reads an exercise off a page the way a teacher reads the paper: by the
// squares its characters stand in, not by how the code placed them.
namespace quillo::sheets::reading {

// Characters of one square row, left to right, with their columns; columns
// and rows count squares from the exercise's top-left corner.
struct Run {
    std::string text;
    int first = 0;  // column of the first character
    int last = -1;  // column of the last one
    bool empty() const { return text.empty(); }
};

class ExerciseOnPaper {
public:
    ExerciseOnPaper(const Page& page, const Placement& placement) : area_(placement.area)
    {
        for (const Glyph& glyph : page.drawing.glyphs)
            if (area_.contains({glyph.corner.x, glyph.corner.y, kSquare, kSquare}))
                glyphs_.push_back(glyph);
        for (const Box& box : page.drawing.boxes)
            if (area_.contains(box.rect))
                boxes_.push_back(box);
        for (const Text& text : page.drawing.texts)
            if (area_.contains(text.box))
                texts_.push_back(text);
        for (const Rule& rule : page.drawing.rules)
            if (rule.from.y == rule.to.y && area_.contains({rule.from.x, rule.from.y, rule.to.x - rule.from.x, 0}))
                rules_.push_back(rule);
        std::sort(glyphs_.begin(), glyphs_.end(), [](const Glyph& a, const Glyph& b) {
            return a.corner.y != b.corner.y ? a.corner.y < b.corner.y : a.corner.x < b.corner.x;
        });
    }

    int column(int x) const { return (x - area_.left) / kSquare; }
    int row(int y) const { return (y - area_.top) / kSquare; }
    bool onGrid(const Glyph& glyph) const { return (glyph.corner.y - area_.top) % kSquare == 0; }

    // The characters of one ink in a square row, split where a square is empty.
    std::vector<Run> runs(int row, Ink ink) const
    {
        std::vector<Run> found;
        for (const Glyph& glyph : glyphs_) {
            if (glyph.ink != ink || !onGrid(glyph) || this->row(glyph.corner.y) != row)
                continue;
            const int at = column(glyph.corner.x);
            if (found.empty() || at != found.back().last + 1)
                found.push_back({"", at, at - 1});
            found.back().text += glyph.text;
            found.back().last = at;
        }
        return found;
    }
    // The whole row as one run; fails the reading when it has a gap.
    Run line(int row, Ink ink) const
    {
        const std::vector<Run> found = runs(row, ink);
        return found.size() == 1 ? found.front() : Run{found.empty() ? "" : "<gap>", 0, -1};
    }

    // Glyphs standing across a grid line, as signs on a fraction bar, in
    // reading order.
    std::vector<Glyph> onBars(Ink ink) const
    {
        std::vector<Glyph> found;
        for (const Glyph& glyph : glyphs_)
            if (glyph.ink == ink && !onGrid(glyph))
                found.push_back(glyph);
        return found;
    }

    // The columns a horizontal rule spans along the grid line above `row`
    // (or `below` tenths of a millimetre under it): from its first column to
    // the grid line where it ends.
    std::vector<std::pair<int, int>> rulesOn(int row, int below = 0) const
    {
        std::vector<std::pair<int, int>> spans;
        for (const Rule& rule : rules_)
            if (rule.from.y == area_.top + row * kSquare + below)
                spans.emplace_back(column(rule.from.x), column(rule.to.x));
        return spans;
    }
    bool ruled(int row, int from, int to, int below = 0) const
    {
        const auto spans = rulesOn(row, below);
        return std::find(spans.begin(), spans.end(), std::pair(from, to)) != spans.end();
    }

    const std::vector<Glyph>& glyphs() const { return glyphs_; }
    const std::vector<Box>& boxes() const { return boxes_; }
    const std::vector<Text>& texts() const { return texts_; }
private:
    Rect area_;
    std::vector<Glyph> glyphs_;
    std::vector<Box> boxes_;
    std::vector<Text> texts_;
    std::vector<Rule> rules_;
};

inline long long number(const std::string& digits)
{
    return digits.empty() ? -1 : std::stoll(digits);
}

}  // namespace quillo::sheets::reading
