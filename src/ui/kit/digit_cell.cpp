#include "ui/kit/digit_cell.h"

namespace quillo {

namespace {
constexpr const char* kFilterProperty = "keypadFilter";
}  // namespace

void setKeypadFilter(TextBox& box, KeyFilter filter)
{
    box.setProperty(kFilterProperty, static_cast<int>(filter));
}

std::optional<KeyFilter> keypadFilter(const QWidget* widget)
{
    const auto* box = qobject_cast<const TextBox*>(widget);
    if (!box || box->isReadOnly() || !box->isEnabled() || !box->isVisible())
        return std::nullopt;
    const QVariant filter = box->property(kFilterProperty);
    if (!filter.isValid())
        return std::nullopt;
    return static_cast<KeyFilter>(filter.toInt());
}

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
    setKeypadFilter(*this, filter);
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
