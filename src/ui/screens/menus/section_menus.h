#pragma once

#include "core/families/family_description.h"
#include "ui/screens/menus/menu_screen.h"

#include <vector>

namespace quillo {

// A line for each family of the section, in the families' order.
std::vector<MenuEntry> familyEntries(Section section);

// The menus of the fraction exercises and of the decimal-number exercises,
// opened from the main menu.
MenuDesign fractionsMenu();
MenuDesign decimalsMenu();

}  // namespace quillo
