#pragma once

#include "core/sheets/family_sheet.h"

namespace quillo::sheets {

// A group of ten fractions in two rows of five, a box for a letter under each.
const FamilySheet& fractionKindsSheet();

}  // namespace quillo::sheets
