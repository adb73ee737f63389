#pragma once

#include "core/families/exercise_family.h"
#include "core/sheets/exercise_block.h"

#include <optional>
#include <string_view>
#include <vector>

namespace quillo {
class RandomSource;
}

namespace quillo::sheets {

// The one choice a family's screen offers before "OK" (how many addends,
// which multiplier, how many digits in the dividend), as the command line
// spells it. A sheet's choice is an index into `values`.
struct SheetChoice {
    std::string_view option;               // "--cifre"
    std::vector<std::string_view> values;  // in the screen's order: "2" to "6"
};

// Everything a sheet needs to know of a family.
struct FamilySheet {
    std::string_view name;   // the family's word on the command line: "divisione"
    std::string_view title;  // what the footer calls it
    std::optional<SheetChoice> choice;  // none where the screen offers none
    BlockSize (*size)(int choice);
    // Draws one exercise through the family's own generator and lays it out,
    // blank and with the family's own solution.
    ExerciseBlock (*draw)(RandomSource& random, int choice);
};

const FamilySheet& familySheet(ExerciseFamily family);

}  // namespace quillo::sheets
