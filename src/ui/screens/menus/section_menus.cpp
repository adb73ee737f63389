#include "ui/screens/menus/section_menus.h"

namespace quillo {

namespace {
using F = ExerciseFamily;
}  // namespace

MenuDesign fractionsMenu()
{
    return {
        .caption = QStringLiteral("vt-pb - Menu frazioni"),
        .title = QStringLiteral("Menu frazioni"),
        .entries = {{"fractionConcept", "fraz com", "Concetto di frazione e frazione complementare",
                     screenOf(F::FractionConcept), familyColour(F::FractionConcept)},
                    {"fractionKinds", "pia", "Frazioni proprie, improprie, apparenti", screenOf(F::FractionKinds),
                     familyColour(F::FractionKinds)},
                    {"decimalFractions", "fraz dec", "Frazioni decimali", screenOf(F::DecimalFractions), colour::PaleIvory},
                    {"fractionComparison", "con fraz", "Confronto tra frazioni", screenOf(F::FractionComparison),
                     colour::PaleSky}},
        .exit = {cellAt(240, 5880), "", colour::Green},
        .mainMenu = MenuCorner{cellAt(8640, 5880), "", colour::MenuButton},
    };
}

MenuDesign decimalsMenu()
{
    return {
        .caption = QStringLiteral("vt-pb - Aritmetica cl. V - Menu numeri decimali"),
        .title = QStringLiteral("Menu numeri decimali"),
        .entries = {{"placeValue", "Val pos", "Valore di posizione delle cifre", screenOf(F::PlaceValue),
                     colour::LightCyan},
                    {"decimalComparison", "Confr dec", "Confronto di numeri decimali", screenOf(F::DecimalComparison),
                     colour::PaleIvory}},
        .exit = {cellAt(240, 5880), "", colour::Green},
        .mainMenu = MenuCorner{cellAt(8640, 5880), "Apre il menu principale", colour::MenuButton},
    };
}

}  // namespace quillo
