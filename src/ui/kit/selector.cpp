#include "ui/kit/selector.h"

#include "core/kit/key_filter.h"
#include "ui/toolkit/page.h"

#include <utility>

namespace quillo {

ChoiceBox* addSelector(Page& page, const SelectorDesign& design, std::function<void()> press)
{
    auto* box = page.add<ChoiceBox>(design.name, design.place, design.font);
    box->setText(design.text);
    box->setFrame(design.framed);
    box->setAlignment(Qt::AlignCenter);
    box->setColours(design.background, colour::Blue);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x9A, 0x9A, 0x9A));
    box->setPalette(palette);
    box->setToolTip(design.tooltip);
    // A colour swatch has no caption: its tooltip is all it says.
    box->setAccessibleName(design.text.isEmpty() ? design.tooltip : design.text);
    box->setCursor(Qt::PointingHandCursor);
    QObject::connect(box, &TextBox::clicked, box, std::move(press));
    box->onKeyPress = [box](int code) {
        if (code == keycode::Enter || code == ' ')
            box->press();
        return true;
    };
    return box;
}

ChoiceBox* SelectorSet::add(Page& page, const SelectorDesign& design, std::function<void()> press)
{
    const std::size_t index = boxes_.size();
    ChoiceBox* box = addSelector(page, design, [this, index, press = std::move(press)] {
        press();
        choose(index);
    });
    box->setCheckable(true);
    box->setChecked(chosen_ == index);
    boxes_.emplace_back(box);
    return box;
}

void SelectorSet::setEnabled(bool enabled) const
{
    for (ChoiceBox* box : boxes_) {
        if (box)
            box->setEnabled(enabled);
    }
}

ChoiceBox* SelectorSet::next() const
{
    if (chosen_ && *chosen_ < boxes_.size() && boxes_[*chosen_] && boxes_[*chosen_]->isEnabled())
        return boxes_[*chosen_];
    for (ChoiceBox* box : boxes_) {
        if (box && box->isEnabled())
            return box;
    }
    return nullptr;
}

void SelectorSet::choose(std::size_t index)
{
    chosen_ = index;
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        if (boxes_[i])
            boxes_[i]->setChecked(i == index);
    }
}

}  // namespace quillo
