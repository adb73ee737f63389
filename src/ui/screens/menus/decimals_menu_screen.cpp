#include "ui/screens/menus/decimals_menu_screen.h"

namespace quillo {

QString DecimalsMenuScreen::caption() const
{
    return QStringLiteral("vt-pb - Aritmetica cl. V - Menu numeri decimali");
}

QString DecimalsMenuScreen::title() const
{
    return QStringLiteral("Menu numeri decimali");
}

std::vector<MenuEntry> DecimalsMenuScreen::entries() const
{
    return {
        {"Command1", "Val pos", "Valore di posizione delle cifre", ScreenId::PlaceValue, colour::LightCyan},
        {"Command2", "Confr dec", "Confronto di numeri decimali", ScreenId::DecimalComparison,
         colour::PaleIvory},
    };
}

MenuCorner DecimalsMenuScreen::exitCorner() const
{
    return {"Command3", cellAt(240, 5880), "", colour::Green};
}

MenuCorner DecimalsMenuScreen::mainMenuCorner() const
{
    return {"Command4", cellAt(8640, 5880), "Apre il menu principale", colour::MenuButton};
}

}  // namespace quillo
