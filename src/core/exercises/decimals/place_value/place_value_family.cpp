#include "core/exercises/decimals/place_value/place_value_sheet.h"
#include "core/families/family_description.h"

namespace quillo {

const FamilyDescription kPlaceValueFamily{
    .caption = "vt-pb - Esercitazione di Aritmetica cl. V - Valore di posiszione delle cifre",
    .instruction = "Sistema opportunamente le marche sulle cifre indicate. Usa us, das, hs , uk, dak, hk "
                   "per la parte intera; d, c, m per la parte decimale.",
    .section = Section::Decimals,
    .menu = {.caption = "Val pos", .description = "Valore di posizione delle cifre", .colour = colour::LightCyan},
    .texts = {.newExerciseTooltip = "Presenta una nuova operazione",
              .sectionMenuTooltip = "Apre il menu dei numeri decimali"},
    .sheet = sheets::placeValueSheet,
};

}  // namespace quillo
