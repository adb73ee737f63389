#pragma once

#include "core/sheets/family_sheet.h"

namespace quillo::sheets {

// Four pairs of fractions sharing a numerator or a denominator, in two rows,
// a box for the sign between the two fractions of each pair.
const FamilySheet& fractionComparisonSheet();

}  // namespace quillo::sheets
