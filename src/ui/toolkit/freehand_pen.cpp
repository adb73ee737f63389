#include "ui/toolkit/freehand_pen.h"

#include "ui/toolkit/page.h"

namespace quillo {

FreehandPen::FreehandPen(Page& page, TwipRect strip, int width, std::vector<Ink> inks)
    : page_(page), strip_(strip), width_(width), inks_(std::move(inks))
{
    page.onMousePress = [this](Qt::MouseButton, TwipPoint at) { press(at); };
    page.onMouseMove = [this](Qt::MouseButtons held, TwipPoint to) { move(held, to); };
    page.onMouseRelease = [this](Qt::MouseButton, TwipPoint) { release(); };
}

bool FreehandPen::inStrip(TwipPoint at) const
{
    return at.x >= strip_.x && at.x <= strip_.x + strip_.width && at.y >= strip_.y &&
           at.y <= strip_.y + strip_.height;
}

void FreehandPen::press(TwipPoint at)
{
    position_ = at;
}

void FreehandPen::move(Qt::MouseButtons held, TwipPoint to)
{
    if (!position_)
        return;
    if (!inStrip(to)) {
        release();
        return;
    }
    for (const Ink& ink : inks_) {
        if (held & ink.button) {
            // Ink the colour of the paper is an eraser: it rubs what it
            // passes over back to the clean, ruled paper rather than
            // covering the ruling too.
            if (ink.colour == page_.paperColour())
                page_.eraseStroke(*position_, to, width_);
            else
                page_.addStroke(*position_, to, ink.colour, width_);
            break;
        }
    }
    position_ = to;
}

}  // namespace quillo
