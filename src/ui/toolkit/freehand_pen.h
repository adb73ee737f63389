#pragma once

#include "core/kit/colours.h"
#include "ui/toolkit/twips.h"

#include <QObject>

#include <optional>
#include <vector>

namespace quillo {

class Page;

// Freehand drawing on a page's paper within a strip: a press starts a
// stroke, each move draws a segment in the ink of the button held, and the
// stroke ends on release or as soon as the pointer leaves the strip. An ink
// the colour of the paper erases.
class FreehandPen final : public QObject {
public:
    struct Ink {
        Qt::MouseButton button;
        Colour colour;
    };

    // Takes the mouse events on the paper itself (not on a control); the
    // page owns the pen.
    FreehandPen(Page& page, TwipRect strip, int width, std::vector<Ink> inks);

    bool isDrawing() const { return position_.has_value(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

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
