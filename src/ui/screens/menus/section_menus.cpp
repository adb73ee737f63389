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
        .entries = {{"Command1", "fraz com", "Concetto di frazione e frazione complementare",
                     screenOf(F::FractionConcept), familyColour(F::FractionConcept)},
                    {"Command2", "pia", "Frazioni proprie, improprie, apparenti", screenOf(F::FractionKinds),
                     familyColour(F::FractionKinds)},
                    {"Command3", "fraz dec", "Frazioni decimali", screenOf(F::DecimalFractions), colour::PaleIvory},
                    {"Command4", "con fraz", "Confronto tra frazioni", screenOf(F::FractionComparison),
                     colour::PaleSky}},
        .exit = {"Command5", cellAt(240, 5880), "", colour::Green},
        .mainMenu = MenuCorner{"Command6", cellAt(8640, 5880), "", colour::MenuButton},
    };
}

MenuDesign decimalsMenu()
{
    return {
        .caption = QStringLiteral("vt-pb - Aritmetica cl. V - Menu numeri decimali"),
        .title = QStringLiteral("Menu numeri decimali"),
        .entries = {{"Command1", "Val pos", "Valore di posizione delle cifre", screenOf(F::PlaceValue),
                     colour::LightCyan},
                    {"Command2", "Confr dec", "Confronto di numeri decimali", screenOf(F::DecimalComparison),
                     colour::PaleIvory}},
        .exit = {"Command3", cellAt(240, 5880), "", colour::Green},
        .mainMenu = MenuCorner{"Command4", cellAt(8640, 5880), "Apre il menu principale", colour::MenuButton},
    };
}

}  // namespace quillo
