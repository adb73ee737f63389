#include "ui/kit/verdict_box.h"

#include "ui/toolkit/look.h"

namespace quillo {

VerdictBox::VerdictBox(QWidget* parent) : TextBox(parent)
{
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    setAlignment(Qt::AlignCenter);
    setColours(colour::LightYellow, colour::Blue);
}

void VerdictBox::showVerdict(VerdictWord word, bool negative)
{
    showText(toQString(verdictText(word)), negative);
}

void VerdictBox::showText(const QString& text, bool negative)
{
    setColours(backgroundColour_, negative ? colour::Red : colour::Blue);
    setText(text);
}

void VerdictBox::setBackgroundColour(Colour colour)
{
    backgroundColour_ = colour;
    setColours(colour, textColour());
}

}  // namespace quillo
