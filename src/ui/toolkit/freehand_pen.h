#pragma once

#include "core/kit/colours.h"
#include "ui/toolkit/twips.h"

#include <Qt>

#include <optional>
#include <vector>

namespace quillo {

class Page;

// Freehand drawing on a page's paper within a strip: a press starts a
// stroke, each move draws a segment in the ink of the button held, and the
// stroke ends on release or as soon as the pointer leaves the strip. An ink
// the colour of the paper erases.
class FreehandPen {
public:
    struct Ink {
        Qt::MouseButton button;
        Colour colour;
    };

    // Binds itself to the page's mouse events; lives as long as the page.
    FreehandPen(Page& page, TwipRect strip, int width, std::vector<Ink> inks);

    bool isDrawing() const { return position_.has_value(); }

private:
    void press(TwipPoint at);
    void move(Qt::MouseButtons held, TwipPoint to);
    void release() { position_.reset(); }
    bool inStrip(TwipPoint at) const;

    Page& page_;
    TwipRect strip_;
    int width_;
    std::vector<Ink> inks_;
    std::optional<TwipPoint> position_;
};

}  // namespace quillo
