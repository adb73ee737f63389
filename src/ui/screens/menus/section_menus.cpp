#include "ui/screens/menus/section_menus.h"

#include "ui/toolkit/look.h"

namespace quillo {

std::vector<MenuEntry> familyEntries(Section section)
{
    std::vector<MenuEntry> entries;
    for (const ExerciseFamily family : kAllFamilies) {
        const FamilyDescription& description = describe(family);
        if (description.section != section)
            continue;
        QString name = toQString(kFamilyNames[slotOf(family)]);
        name[0] = name[0].toLower();
        entries.push_back(
            {name, description.menu.caption, description.menu.description, screenOf(family), description.menu.colour});
    }
    return entries;
}

MenuDesign fractionsMenu()
{
    return {
        .caption = QStringLiteral("vt-pb - Menu frazioni"),
        .title = QStringLiteral("Menu frazioni"),
        .entries = familyEntries(Section::Fractions),
        .exit = {cellAt(240, 5880), "", colour::Green},
        .mainMenu = MenuCorner{cellAt(8640, 5880), "", colour::MenuButton},
    };
}

MenuDesign decimalsMenu()
{
    return {
        .caption = QStringLiteral("vt-pb - Aritmetica cl. V - Menu numeri decimali"),
        .title = QStringLiteral("Menu numeri decimali"),
        .entries = familyEntries(Section::Decimals),
        .exit = {cellAt(240, 5880), "", colour::Green},
        .mainMenu = MenuCorner{cellAt(8640, 5880), "Apre il menu principale", colour::MenuButton},
    };
}

}  // namespace quillo
