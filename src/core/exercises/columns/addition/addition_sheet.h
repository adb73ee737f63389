#pragma once

#include "core/sheets/family_sheet.h"

namespace quillo::sheets {

// Two or three addends under the place headings, the sum under the rule.
const FamilySheet& additionSheet();

}  // namespace quillo::sheets
