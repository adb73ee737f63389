#pragma once

#include "core/sheets/family_sheet.h"

namespace quillo::sheets {

// Four decimal fractions two by two, each followed by "=" and a box for
// the decimal number.
const FamilySheet& decimalFractionsSheet();

}  // namespace quillo::sheets
