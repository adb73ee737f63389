#include "core/exercises/fractions/fraction_comparison/fraction_comparison_sheet.h"
#include "core/families/family_description.h"

namespace quillo {

// Its buttons have no tooltips at all.
const FamilyDescription kFractionComparisonFamily{
    .caption = "vt-pb - Esercitazione di Aritmetica cl. V - Confronto tra frazioni",
    .instruction = "Confronta le seguenti coppie di frazioni, usando il segno  < , = , >",
    .section = Section::Fractions,
    .menu = {.caption = "con fraz", .description = "Confronto tra frazioni", .colour = colour::PaleSky},
    .paperColour = colour::PaleSky,
    .texts = {.checkTooltip = "", .evaluateTooltip = "", .mainMenuTooltip = ""},
    .sheet = sheets::fractionComparisonSheet,
};

}  // namespace quillo
