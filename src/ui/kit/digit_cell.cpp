#include "ui/kit/digit_cell.h"

#include "ui/toolkit/page.h"
#include "ui/toolkit/ruling.h"

#include <QPainter>
#include <QStyleOptionFrame>

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

std::vector<QLineF> DigitCell::ruledLinesAcross() const
{
    std::vector<QLineF> lines;
    const auto* page = qobject_cast<const Page*>(parentWidget());
    if (!page)
        return lines;
    // A cell on a square meets the ruling at its top and left edges and,
    // past its 12 twips of overhang, at its bottom and right edges: those
    // lines are not across it.
    const TwipRect box = page->placement(this);
    const auto across = [](int line, int start, int length) {
        constexpr int overhang = kCellSize - kSquare;
        return line > start + overhang && line < start + length - overhang;
    };
    // Where the page draws each line, moved by the cell's whole pixels, so
    // that it lights the very pixels the paper's line would.
    const double scale = page->pixelsPerTwip();
    const auto ruled = [&](int x1, int y1, int x2, int y2) {
        lines.push_back(QLineF(x1 * scale, y1 * scale, x2 * scale, y2 * scale).translated(-QPointF(pos())));
    };
    for (int y = kPaperTop; y <= kPaperBottom; y += kSquare) {
        if (across(y, box.y, box.height))
            ruled(kPaperLeft, y, kPaperRight, y);
    }
    // A box wider than a square holds a number of several characters,
    // which the columns' lines would cut through.
    if (box.width > kCellSize)
        return lines;
    for (int x = kPaperLeft; x <= kPaperRight; x += kSquare) {
        if (across(x, box.x, box.width))
            ruled(x, kPaperTop, x, kPaperBottom);
    }
    return lines;
}

// A cell that stands across the ruling, as a comparison's sign between
// numerators and denominators, would wipe the lines of the squares around
// it: they run on through its background, under its text.
void DigitCell::paintEvent(QPaintEvent* event)
{
    const std::vector<QLineF> across = ruledLinesAcross();
    if (across.empty()) {
        TextBox::paintEvent(event);
        return;
    }
    {
        QPainter painter(this);
        QStyleOptionFrame panel;
        initStyleOption(&panel);
        style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
        painter.setPen(QPen(Ruling::colour(), 1));
        for (const QLineF& line : across)
            painter.drawLine(line);
    }
    paintingTextOnly_ = true;
    TextBox::paintEvent(event);
    paintingTextOnly_ = false;
}

void DigitCell::initStyleOption(QStyleOptionFrame* option) const
{
    TextBox::initStyleOption(option);
    if (!paintingTextOnly_)
        return;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        option->palette.setColor(group, QPalette::Base, Qt::transparent);
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
