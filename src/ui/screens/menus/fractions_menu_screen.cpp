#include "ui/screens/menus/fractions_menu_screen.h"

namespace quillo {

QString FractionsMenuScreen::caption() const
{
    return QStringLiteral("vt-pb - Menu frazioni");
}

QString FractionsMenuScreen::title() const
{
    return QStringLiteral("Menu frazioni");
}

std::vector<MenuEntry> FractionsMenuScreen::entries() const
{
    using F = ExerciseFamily;
    return {
        {"Command1", "fraz com", "Concetto di frazione e frazione complementare", ScreenId::FractionConcept,
         familyColour(F::FractionConcept)},
        {"Command2", "pia", "Frazioni proprie, improprie, apparenti", ScreenId::FractionKinds,
         familyColour(F::FractionKinds)},
        {"Command3", "fraz dec", "Frazioni decimali", ScreenId::DecimalFractions, colour::PaleIvory},
        {"Command4", "con fraz", "Confronto tra frazioni", ScreenId::FractionComparison,
         colour::PaleSky},
    };
}

MenuCorner FractionsMenuScreen::exitCorner() const
{
    return {"Command5", cellAt(240, 5880), "", colour::Green};
}

MenuCorner FractionsMenuScreen::mainMenuCorner() const
{
    return {"Command6", cellAt(8640, 5880), "", colour::MenuButton};
}

}  // namespace quillo
