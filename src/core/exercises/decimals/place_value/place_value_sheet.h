#pragma once

#include "core/sheets/family_sheet.h"

namespace quillo::sheets {

// Two decimal numbers, a box over every digit that occurs in both parts for
// the mark of its place.
const FamilySheet& placeValueSheet();

}  // namespace quillo::sheets
