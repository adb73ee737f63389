#include "core/exercises/fractions/fraction_concept/fraction_concept_sheet.h"
#include "core/families/family_description.h"

namespace quillo {

const FamilyDescription kFractionConceptFamily{
    .caption = "vt-pb - Esercitazione di Aritmetica cl. V - Concetto di frazione e frazione complementare",
    .instruction = "Del seguente intero colora in rosso la parte indicata dalla frazione data,in blu la rimanenza. "
                   "Scrivi la frazione complementare.",
    .section = Section::Fractions,
    .menu = {.caption = "fraz com", .description = "Concetto di frazione e frazione complementare",
             .colour = colour::PaleAzure},
    .cellColour = colour::PaleAzure,
    .paperColour = 0xDDEDEE,
    .buttonColours = {.newExercise = colour::Green, .check = colour::Green, .exit = colour::Green},
    .texts = {.newExerciseTooltip = "Presenta una nuova operazione",
              .sectionMenuTooltip = "Apre il menu delle frazioni"},
    .sheet = sheets::fractionConceptSheet,
};

}  // namespace quillo
