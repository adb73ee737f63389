#pragma once

#include "core/sheets/family_sheet.h"

namespace quillo::sheets {

// Multiplicand times multiplier under the place headings, the partial
// products with their placeholder zeros, and the product.
const FamilySheet& multiplicationSheet();

}  // namespace quillo::sheets
