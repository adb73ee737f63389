#include "ui/kit/standard_button.h"

#include "ui/toolkit/page.h"

namespace quillo {

Button* addButton(Page& page, const ButtonDesign& design)
{
    auto* button = page.add<Button>(design.name, design.place, design.font);
    button->setText(design.caption);
    button->setAccessibleDescription(design.description);
    button->setToolTip(design.tooltip);
    button->setBackground(design.background);
    return button;
}

}  // namespace quillo
