#pragma once

#include "ui/screens/menus/menu_screen.h"

namespace quillo {

// The menus of the four fraction exercises and of the two decimal-number
// exercises, opened from the main menu.
MenuDesign fractionsMenu();
MenuDesign decimalsMenu();

}  // namespace quillo
