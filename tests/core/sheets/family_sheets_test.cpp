#include "core/sheets/family_sheet.h"
#include "core/sheets/worksheet.h"
#include "family_checks.h"

#include <gtest/gtest.h>

namespace quillo::sheets {
namespace {

using checks::families;
using checks::FamilyRow;
using reading::ExerciseOnPaper;

TEST(FamilySheets, EveryAnswerInTheKeyIsTheOneWorkedOutFromTheGivenNumbers)
{
    for (const FamilyRow& row : families()) {
        const FamilySheet& family = familySheet(row.family);
        const int choices = family.choice ? static_cast<int>(family.choice->values.size()) : 1;
        for (int choice = 0; choice < choices; ++choice) {
            for (Seed seed : {1u, 4711u, 999999999u}) {
                const Sheet sheet = makeSheet({row.family, choice, kMostExercises, seed, true});
                for (const Page& page : sheet.pages) {
                    if (!page.key)
                        continue;
                    for (const Placement& placement : page.exercises) {
                        SCOPED_TRACE(std::string(family.name) + " choice " + std::to_string(choice) + " seed " +
                                     std::to_string(seed) + " exercise " + std::to_string(placement.number));
                        row.check(ExerciseOnPaper(page, placement), choice);
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace quillo::sheets
