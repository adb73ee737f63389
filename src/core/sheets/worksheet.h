#pragma once

#include "core/sheets/sheet.h"
#include "core/sheets/sheet_request.h"

#include <string>

namespace quillo::sheets {

// How many exercises of a family, with a choice, one page holds.
int exercisesPerPage(ExerciseFamily family, int choice);

// Draws the exercises from the request's seed through the family's own
// generator and places them: the sheet's pages, then the key's when asked
// for, with the same exercises in the same places. The same request always
// gives the same pages. Throws std::invalid_argument for a request outside
// its ranges (a choice the family does not offer, a count outside 1 to 60, a
// seed too large to be printed).
Sheet makeSheet(const SheetRequest& request);

// What the footer says of the request, in the command line's words, so the
// same sheet can be asked for again: "Divisioni col divisore di due cifre ·
// cifre 4 · esercizi 12 · seme 4711".
std::string describe(const SheetRequest& request);

}  // namespace quillo::sheets
