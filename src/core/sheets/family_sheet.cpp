#include "core/sheets/family_sheet.h"

#include "core/families/family_description.h"

namespace quillo::sheets {

const FamilySheet& familySheet(ExerciseFamily family)
{
    return describe(family).sheet();
}

}  // namespace quillo::sheets
