#include "ui/screens/menus/section_menus.h"

namespace quillo {

MenuDesign fractionsMenu()
{
    using F = ExerciseFamily;
    return {
        .caption = QStringLiteral("vt-pb - Menu frazioni"),
        .title = QStringLiteral("Menu frazioni"),
        .entries = {{"Command1", "fraz com", "Concetto di frazione e frazione complementare",
                     ScreenId::FractionConcept, familyColour(F::FractionConcept)},
                    {"Command2", "pia", "Frazioni proprie, improprie, apparenti", ScreenId::FractionKinds,
                     familyColour(F::FractionKinds)},
                    {"Command3", "fraz dec", "Frazioni decimali", ScreenId::DecimalFractions, colour::PaleIvory},
                    {"Command4", "con fraz", "Confronto tra frazioni", ScreenId::FractionComparison,
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
        .entries = {{"Command1", "Val pos", "Valore di posizione delle cifre", ScreenId::PlaceValue,
                     colour::LightCyan},
                    {"Command2", "Confr dec", "Confronto di numeri decimali", ScreenId::DecimalComparison,
                     colour::PaleIvory}},
        .exit = {"Command3", cellAt(240, 5880), "", colour::Green},
        .mainMenu = MenuCorner{"Command4", cellAt(8640, 5880), "Apre il menu principale", colour::MenuButton},
    };
}

}  // namespace quillo
