#include "core/exercises/columns/multiplication/multiplication_sheet.h"
#include "core/families/family_description.h"

namespace quillo {

const FamilyDescription kMultiplicationFamily{
    .caption = "vt-pb - Esercitazione di Aritmetica cl. V - Moltiplicazioni col moltiplicatore di due o tre cifre",
    .instruction = "Esegui la seguente moltiplicazione in colonna:",
    .menu = {.caption = "mol", .description = "Moltiplicazioni col moltiplicatore di due o tre cifre",
             .colour = 0xCCECEE},
    .reportCaption = "Moltiplicazioni:",
    .cellColour = 0xCCECEE,
    .buttonColours = {.newExercise = colour::Green, .exit = colour::Green},
    .texts = {.newExerciseTooltip = "Presenta una nuova moltiplicazione",
              .checkTooltip = "Evidenzia eventuali errori.Usare il controllo ad operazione ultimata"},
    .sheet = sheets::multiplicationSheet,
};

}  // namespace quillo
