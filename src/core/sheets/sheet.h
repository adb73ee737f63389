#pragma once

#include "core/kit/colours.h"

#include <string>
#include <vector>

// A worksheet as paper: A4 portrait pages ruled in 5 mm squares like a
// class-V exercise book, and on them, item by item, what is printed. Every
// length is a whole number of tenths of a millimetre from the page's top-left
// corner, so a page can be compared exactly and drawn 1:1 by any painter.
namespace quillo::sheets {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool contains(const Rect& inner) const
    {
        return inner.left >= left && inner.top >= top && inner.right() <= right() && inner.bottom() <= bottom();
    }
    bool overlaps(const Rect& other) const
    {
        return left < other.right() && other.left < right() && top < other.bottom() && other.top < bottom();
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

inline constexpr int kPageWidth = 2100;   // A4 portrait, 210 mm
inline constexpr int kPageHeight = 2970;  // 297 mm
inline constexpr int kSquare = 50;        // 5 mm

// The ruling: 38 × 55 squares, 190 × 275 mm, centred on the page. Its 10 mm
// side margins and 11 mm top and bottom margins lie outside the unprintable
// border of any office printer, so nothing is cut off.
inline constexpr int kRulingColumns = 38;
inline constexpr int kRulingRows = 55;
inline constexpr Point kRulingOrigin{(kPageWidth - kRulingColumns * kSquare) / 2,
                                     (kPageHeight - kRulingRows * kSquare) / 2};
inline constexpr Rect kRuling{kRulingOrigin.x, kRulingOrigin.y, kRulingColumns* kSquare, kRulingRows* kSquare};
inline constexpr int kRulingLineWidth = 1;         // 0.1 mm
inline constexpr Colour kRulingColour = 0xE0C8A0;  // the pale blue of exercise books

// Who writes an item, which decides its colour.
enum class Ink {
    Given,    // the exercise's own numbers, signs and shapes, and the sheet's texts: black
    Answer,   // the key's solution: the teacher's red
    Heading,  // place headings and captions that guide the eye: grey
};

// How the key colours a shape: the parts of a whole, red and blue as the
// pupil colours them.
enum class Fill { None, Red, Blue };

Colour inkColour(Ink ink);
Colour fillColour(Fill fill);

enum class Align { Left, Centre, Right };

// One digit, sign or letter, centred in the square whose top-left corner is
// given and about as high as the square (kGlyphSize). A corner off the grid
// puts the glyph across a grid line, as a sign stands on a fraction bar.
struct Glyph {
    Point corner;
    std::string text;  // one character, UTF-8
    Ink ink = Ink::Given;
    friend bool operator==(const Glyph&, const Glyph&) = default;
};
inline constexpr int kGlyphSize = 45;  // the font's em, 4.5 mm

// A line of text set in a box: vertically centred, aligned as asked, with the
// font's em `size` high. The texts are short enough to fit their boxes.
struct Text {
    Rect box;
    std::string text;  // UTF-8
    int size = 0;
    Ink ink = Ink::Given;
    Align align = Align::Left;
    friend bool operator==(const Text&, const Text&) = default;
};

// A straight line: fraction bars, rules under a sum, lines to write on.
struct Rule {
    Point from;
    Point to;
    int width = 0;
    Ink ink = Ink::Given;
    friend bool operator==(const Rule&, const Rule&) = default;
};
inline constexpr int kBarWidth = 5;   // fraction bars and column rules, 0.5 mm
inline constexpr int kLineWidth = 2;  // lines to write a name on, 0.2 mm

// A rectangle with a thin black border: a box to write an answer in, or a
// part of a whole to colour, filled only in the key.
struct Box {
    Rect rect;
    Fill fill = Fill::None;
    friend bool operator==(const Box&, const Box&) = default;
};
inline constexpr int kBoxBorderWidth = 3;  // 0.3 mm

// What is drawn on one page, or by one exercise before it is placed. A
// painter draws the boxes first, then the rules, the texts and the glyphs.
struct Drawing {
    std::vector<Box> boxes;
    std::vector<Rule> rules;
    std::vector<Text> texts;
    std::vector<Glyph> glyphs;

    // Everything of `other`, moved by `offset`.
    void add(const Drawing& other, Point offset);
    friend bool operator==(const Drawing&, const Drawing&) = default;
};

// One numbered exercise on a page: the area it and its number take.
struct Placement {
    int number = 0;  // 1..N, the same on a sheet page and on its key page
    Rect area;
    friend bool operator==(const Placement&, const Placement&) = default;
};

struct Page {
    bool key = false;  // a page of the answer key, "Soluzioni"
    Drawing drawing;   // everything printed on the page, over the ruling
    std::vector<Placement> exercises;
    friend bool operator==(const Page&, const Page&) = default;
};

// The pages of the exercises, then those of the key when it was asked for.
struct Sheet {
    std::vector<Page> pages;
    friend bool operator==(const Sheet&, const Sheet&) = default;
};

}  // namespace quillo::sheets
