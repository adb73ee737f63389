#include "core/exercises/columns/addition/addition_sheet.h"
#include "core/families/family_description.h"

namespace quillo {

const FamilyDescription kAdditionFamily{
    .caption = "vt-pb - Esercitazione di Aritmetica cl. V - Addizioni con due o più addendi",
    .instruction = "Esegui la seguente addizione in colonna",
    .menu = {.caption = "add", .description = "Addizioni con due o tre addendi", .colour = 0xFBEEDF},
    .reportCaption = "Addizioni:",
    .cellColour = colour::PaleSky,
    .buttonColours = {.newExercise = colour::Green, .check = colour::Green, .exit = colour::Green},
    .texts = {.newExerciseTooltip = "Presenta una nuova addizione",
              .checkTooltip = "Evidenzia eventuali errori.Usare il controllo ad operazione ultimata"},
    .sheet = sheets::additionSheet,
};

}  // namespace quillo
