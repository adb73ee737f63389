#pragma once

#include "core/sheets/family_sheet.h"

namespace quillo::sheets {

// The Italian long division: dividend : divisor = quotient on one line, and
// under the dividend one step row per quotient digit down to the remainder.
const FamilySheet& divisionSheet();

}  // namespace quillo::sheets
