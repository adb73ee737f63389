#pragma once

#include "ui/toolkit/page.h"

#include <string>
#include <vector>

namespace quillo::testing {

// What keeps a page from being drawn whole, one sentence per fault: a text
// cut by its own box, something off the paper or across its edge, a control
// that covers another, a line or a filled rectangle. The page lists its lines
// but not its rectangles: a screen that fills some passes them here.
std::vector<std::string> drawnWholeFaults(const Page& page, const std::vector<const RectShape*>& rects = {});

}  // namespace quillo::testing
