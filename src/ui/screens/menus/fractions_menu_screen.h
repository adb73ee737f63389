#pragma once

#include "ui/screens/menus/menu_screen.h"

namespace quillo {

// The four fraction exercises.
class FractionsMenuScreen final : public MenuScreen {
public:
    using MenuScreen::MenuScreen;

protected:
    QString caption() const override;
    QString title() const override;
    std::vector<MenuEntry> entries() const override;
    MenuCorner exitCorner() const override;
    MenuCorner mainMenuCorner() const override;
};

}  // namespace quillo
