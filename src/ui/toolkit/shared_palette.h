#pragma once

#include <QPalette>

namespace quillo {

// One palette object for every control with the same colours. Styles key
// their cached bevels by the palette's cache key, which Qt renews with each
// palette a control is given: handing the style a shared palette lets the
// bevel drawn for one page serve every later page, and keeps the cache from
// filling with keys that will never be asked for again.
// The shared palette's current colour group is whichever it was made with:
// set the one wanted on the copy.
const QPalette& sharedPalette(const QPalette& colours);

}  // namespace quillo
