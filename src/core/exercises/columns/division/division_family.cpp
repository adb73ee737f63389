#include "core/exercises/columns/division/division_sheet.h"
#include "core/families/family_description.h"

namespace quillo {

const FamilyDescription kDivisionFamily{
    .caption = "vt-pb  - Esercitazione di Aritmetica cl. V - Divisione col divisore di due cifre",
    .instruction = "Esegui la seguente divisione in colonna:",
    .menu = {.caption = "div2", .description = "Divisioni col divisore di due cifre", .colour = 0xFFFFC0},
    .reportCaption = "Divisioni:",
    .paperColour = colour::LightCyan,
    .buttonColours = {.newExercise = colour::Green},
    .texts = {.newExerciseTooltip = "Presenta una nuova divisione",
              .checkTooltip = "Evidenzia gli eventuali errori. Usare il controllo ad operazione ultimata"},
    .footer = "vt-pb  - Aritmetica  V",
    .sheet = sheets::divisionSheet,
};

}  // namespace quillo
