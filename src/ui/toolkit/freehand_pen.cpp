#include "ui/toolkit/freehand_pen.h"

#include "ui/toolkit/page.h"

#include <QMouseEvent>

namespace quillo {

FreehandPen::FreehandPen(Page& page, TwipRect strip, int width, std::vector<Ink> inks)
    : QObject(&page), page_(page), strip_(strip), width_(width), inks_(std::move(inks))
{
    page.installEventFilter(this);
}

bool FreehandPen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &page_)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        press(page_.toTwips(static_cast<QMouseEvent*>(event)->position()));
        return true;
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        move(mouse->buttons(), page_.toTwips(mouse->position()));
        return true;
    }
    case QEvent::MouseButtonRelease:
        release();
        return true;
    default:
        return false;
    }
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
