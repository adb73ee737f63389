#include "core/sheets/family_sheet.h"

#include "core/sheets/families/addition_sheet.h"
#include "core/sheets/families/decimal_comparison_sheet.h"
#include "core/sheets/families/decimal_fractions_sheet.h"
#include "core/sheets/families/division_sheet.h"
#include "core/sheets/families/fraction_comparison_sheet.h"
#include "core/sheets/families/fraction_concept_sheet.h"
#include "core/sheets/families/fraction_kinds_sheet.h"
#include "core/sheets/families/multiplication_sheet.h"
#include "core/sheets/families/place_value_sheet.h"
#include "core/sheets/families/subtraction_sheet.h"

namespace quillo::sheets {

const FamilySheet& familySheet(ExerciseFamily family)
{
    switch (family) {
    case ExerciseFamily::Division: return divisionSheet();
    case ExerciseFamily::Multiplication: return multiplicationSheet();
    case ExerciseFamily::Addition: return additionSheet();
    case ExerciseFamily::Subtraction: return subtractionSheet();
    case ExerciseFamily::FractionConcept: return fractionConceptSheet();
    case ExerciseFamily::FractionKinds: return fractionKindsSheet();
    case ExerciseFamily::DecimalFractions: return decimalFractionsSheet();
    case ExerciseFamily::FractionComparison: return fractionComparisonSheet();
    case ExerciseFamily::PlaceValue: return placeValueSheet();
    case ExerciseFamily::DecimalComparison: return decimalComparisonSheet();
    }
    return additionSheet();
}

}  // namespace quillo::sheets
