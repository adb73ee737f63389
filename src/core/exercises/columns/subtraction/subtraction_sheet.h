#pragma once

#include "core/sheets/family_sheet.h"

namespace quillo::sheets {

// Minuend over subtrahend under the place headings, the difference under the
// rule with its leading zeros.
const FamilySheet& subtractionSheet();

}  // namespace quillo::sheets
