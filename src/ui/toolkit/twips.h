#pragma once

namespace quillo {

// Every screen is drawn in twips (1/1440 inch); the page alone turns them
// into pixels, so resizing the window scales everything at once.
struct TwipPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const TwipPoint&, const TwipPoint&) = default;
};

struct TwipRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const TwipRect&, const TwipRect&) = default;
};

// The squared paper: a square every 600 twips from (240; 480), and a cell is
// a 612 × 612 square on one of them.
inline constexpr int kSquare = 600;
inline constexpr int kCellSize = 612;
inline constexpr int kPaperLeft = 240;
inline constexpr int kPaperTop = 480;
inline constexpr int kPaperRight = 9240;
inline constexpr int kPaperBottom = 6480;
inline constexpr int kPageWidth = 9510;
inline constexpr int kPageHeight = 6870;

constexpr TwipRect cellAt(int x, int y) { return {x, y, kCellSize, kCellSize}; }

}  // namespace quillo
