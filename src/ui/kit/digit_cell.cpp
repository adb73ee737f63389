#include "ui/kit/digit_cell.h"

namespace quillo {

DigitCell::DigitCell(QWidget* parent) : TextBox(parent)
{
    setAlignment(Qt::AlignCenter);
    setFrame(false);
    onKeyPress = [this](int code) { return handleKey(code); };
    configure(filter_, familyColour_);
}

void DigitCell::configure(KeyFilter filter, Colour familyColour, int maxCharacters, Colour textColour)
{
    filter_ = filter;
    familyColour_ = familyColour;
    typingTextColour_ = textColour;
    setMaxLength(maxCharacters);
    resetColours();
}

void DigitCell::markWrong()
{
    setColours(colour::White, colour::Red);
}

void DigitCell::resetColours()
{
    setColours(familyColour_, typingTextColour_);
}

bool DigitCell::isMarkedWrong() const
{
    return background() == colour::White && textColour() == colour::Red;
}

bool DigitCell::handleKey(int code)
{
    if (familyStep)
        familyStep(code);
    resetColours();
    if (maxLength() == 1)
        clear();
    const bool accepted = accepts(filter_, code);
    if (afterFilter)
        afterFilter(code, accepted);
    return !accepted;
}

}  // namespace quillo
