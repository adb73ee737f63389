#include "core/exercises/fractions/decimal_fractions/decimal_fractions_sheet.h"
#include "core/families/family_description.h"

namespace quillo {

const FamilyDescription kDecimalFractionsFamily{
    .caption = "vt-pb - Esercitazione di Aritmetica cl. V - Trasformazione di frazioni decimali in numeri decimali",
    .instruction = "Trasforma le seguenti frazioni decimali in numeri decimali",
    .section = Section::Fractions,
    .menu = {.caption = "fraz dec", .description = "Frazioni decimali", .colour = colour::PaleIvory},
    .paperColour = 0xECFDDD,
    .texts = {.newExerciseTooltip = "Presenta una nuova serie di frazioni",
              .checkCaption = "controllo",
              .evaluateTooltip = "Valuta,in base al grado di difficoltà, l'operazione eseguita",
              .sectionMenuTooltip = "Apre il menu delle frazioni"},
    .sheet = sheets::decimalFractionsSheet,
};

}  // namespace quillo
