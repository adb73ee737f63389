#pragma once

#include "core/kit/colours.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/look.h"
#include "ui/toolkit/twips.h"

#include <QString>

namespace quillo {

class Page;

// One command button of any screen: exercise screens, menus and the report
// card build theirs the same way.
struct ButtonDesign {
    QString name;  // the objectName, which says what the button is
    TwipRect place;
    QString caption;
    QString tooltip;
    Colour background = colour::Green;
    // The caption of the exercise screens' and the report card's buttons;
    // the menus write theirs larger.
    FontSpec font{Face::Arial, 9, false};
    // What the button does, in words. A screen reader names the button by
    // its caption, as the pupil sees it, and says this after it; without
    // one, it says the tooltip.
    QString description;
};

Button* addButton(Page& page, const ButtonDesign& design);

}  // namespace quillo
