#pragma once

class QPicture;
class QPrinter;
class QSize;

namespace quillo {

// Plays a page recorded at the given size onto the printer, centred on its
// printable area and scaled to fill it without distortion, so text and
// lines stay text and lines. Returns false when there is nothing to print or
// the printer cannot be painted on.
//
// The recording is in the window's pixels, its fonts already sized in them.
// A printer painted at its own resolution would size those fonts once more
// for its dots on top of the scale that fits the page to the paper, and
// the card would print as one giant word; so the printer is set to the
// recording's resolution first. Text and lines stay vectors, which the
// printer still draws with all its dots.
bool printPicture(const QPicture& page, const QSize& size, QPrinter& printer);

}  // namespace quillo
