#pragma once

#include "core/kit/colours.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/look.h"
#include "ui/toolkit/twips.h"

#include <QPointer>

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

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
// the pupil sees it cannot be pressed during an exercise. A screen reader
// hears its digit or letter, and its tooltip as what it does.
ChoiceBox* addSelector(Page& page, const SelectorDesign& design, std::function<void()> press);

// The selectors of one screen, one of which is the pupil's latest choice.
// The choice belongs to the screen, not to the page: a page built anew shows
// the same one chosen, and before the first press none is.
class SelectorSet {
public:
    // A new page: the boxes of the one before are gone with it.
    void startPage() { boxes_.clear(); }
    // Adds the next selector of the page, always in the same order.
    ChoiceBox* add(Page& page, const SelectorDesign& design, std::function<void()> press);
    void setEnabled(bool enabled) const;
    // The selector the pupil needs next: the latest choice while it can be
    // pressed, else the first that can; none while all are grey.
    ChoiceBox* next() const;

private:
    void choose(std::size_t index);

    std::vector<QPointer<ChoiceBox>> boxes_;
    std::optional<std::size_t> chosen_;
};

}  // namespace quillo
