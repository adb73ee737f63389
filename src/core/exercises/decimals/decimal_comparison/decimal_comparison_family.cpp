#include "core/exercises/decimals/decimal_comparison/decimal_comparison_sheet.h"
#include "core/families/family_description.h"

namespace quillo {

const FamilyDescription kDecimalComparisonFamily{
    .caption = "vt-pb - Esercitazione di Aritmetica cl. V - Confronto di numeri decimali",
    .instruction = "Confronta le seguenti coppie di numeri decimali, usando i segni <, =, >",
    .section = Section::Decimals,
    .menu = {.caption = "Confr dec", .description = "Confronto di numeri decimali", .colour = colour::PaleIvory},
    .texts = {.newExerciseTooltip = "Presenta una nuova operazione",
              .sectionMenuTooltip = "Apre il menu dei numeri decimali"},
    .sheet = sheets::decimalComparisonSheet,
};

}  // namespace quillo
