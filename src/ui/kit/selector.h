#pragma once

#include "core/kit/colours.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/look.h"
#include "ui/toolkit/twips.h"

#include <functional>

namespace quillo {

class Page;

// One length or kind selector: a small coloured square with a digit or
// letter that the pupil presses to lay out an empty exercise of that kind.
struct SelectorDesign {
    QString name;
    TwipRect place;
    QString text;
    QString tooltip;
    Colour background = colour::White;
    FontSpec font;
    bool framed = true;
};

// Builds a selector on the page. It is pressed by a click, or by Space or
// Enter when it has the keyboard, and greys its text while disabled so that
// the pupil sees it cannot be pressed during an exercise.
TextBox* addSelector(Page& page, const SelectorDesign& design, std::function<void()> press);

}  // namespace quillo
