#include "ui/kit/selector.h"

#include "core/kit/key_filter.h"
#include "ui/toolkit/page.h"

namespace quillo {

TextBox* addSelector(Page& page, const SelectorDesign& design, std::function<void()> press)
{
    auto* box = page.add<TextBox>(design.name, design.place, design.font);
    box->setText(design.text);
    box->setReadOnly(true);
    box->setFrame(design.framed);
    box->setAlignment(Qt::AlignCenter);
    box->setColours(design.background, colour::Blue);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x9A, 0x9A, 0x9A));
    box->setPalette(palette);
    box->setToolTip(design.tooltip);
    box->setAccessibleName(design.tooltip);
    box->setCursor(Qt::PointingHandCursor);
    QObject::connect(box, &TextBox::clicked, box, press);
    box->onKeyPress = [press](int code) {
        if (code == keycode::Enter || code == ' ')
            press();
        return true;
    };
    return box;
}

}  // namespace quillo
