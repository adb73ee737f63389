#pragma once

#include "core/sheets/family_sheet.h"

namespace quillo::sheets {

// Three pairs of decimal numbers, one character per square, a box for the
// sign between the two numbers of each pair.
const FamilySheet& decimalComparisonSheet();

}  // namespace quillo::sheets
