#include "core/exercises/columns/subtraction/subtraction_sheet.h"
#include "core/families/family_description.h"

namespace quillo {

const FamilyDescription kSubtractionFamily{
    .caption = "vt-pb - Esercitazione di Aritmetica cl. V - Sottrazioni con minuendo entro 999.999",
    .instruction = "Esegui la seguente sottrazione in colonna",
    .menu = {.caption = "sot", .description = "Sottrazioni", .colour = 0xE2F7D8},
    .reportCaption = "Sottrazioni:",
    .cellColour = 0xE2F7DB,
    .buttonColours = {.newExercise = colour::Green, .check = colour::Green, .exit = colour::Green},
    .texts = {.newExerciseTooltip = "Presenta una nuova sottrazione", .mainMenuTooltip = "Apre il meni principale"},
    .sheet = sheets::subtractionSheet,
};

}  // namespace quillo
