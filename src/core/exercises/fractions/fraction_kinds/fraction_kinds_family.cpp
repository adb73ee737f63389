#include "core/exercises/fractions/fraction_kinds/fraction_kinds_sheet.h"
#include "core/families/family_description.h"

namespace quillo {

const FamilyDescription kFractionKindsFamily{
    .caption = "vt-pb  Esercitazione di Aritmetica cl.V - Frazioni proprie,improprie,apparenti",
    .instruction = "Distingui le seguenti frazioni ",
    .legend = "( proprie = p; improprie = i, apparenti = a",
    .section = Section::Fractions,
    .menu = {.caption = "pia", .description = "Frazioni proprie, improprie, apparenti", .colour = colour::LightCyan},
    .paperColour = 0xE0E8FC,
    .texts = {.newExerciseTooltip = "Presenta un nuovo gruppo di frazioni",
              .sectionMenuTooltip = "Apre il menu delle frazioni"},
    .sheet = sheets::fractionKindsSheet,
};

}  // namespace quillo
