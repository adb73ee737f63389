#pragma once

namespace quillo {

// Teaches the accessibility bus what the program's own controls are: a label
// says what it is and shows its text as its value, so a pupil who cannot see
// the page still reads every given digit, sign and word; a selector is a
// choice that says whether it is the chosen one. Installed once, right after
// the application is made, before the first page is built.
void installAccessibility();

}  // namespace quillo
