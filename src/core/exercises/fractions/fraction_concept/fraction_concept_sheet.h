#pragma once

#include "core/sheets/family_sheet.h"

namespace quillo::sheets {

// A whole cut into d parts to colour, the given fraction n/d and the boxes
// of the complementary fraction beside it.
const FamilySheet& fractionConceptSheet();

}  // namespace quillo::sheets
