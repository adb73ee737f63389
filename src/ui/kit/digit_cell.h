#pragma once

#include "core/kit/colours.h"
#include "core/kit/key_filter.h"
#include "ui/toolkit/controls.h"

#include <QLineF>

#include <functional>
#include <optional>
#include <vector>

namespace quillo {

// The one-character input cell of every exercise. Each key press runs the
// family's own step, restores the typing colours, empties the cell and lets
// through only what the filter accepts, so the cell holds at most the one
// character of the latest accepted key. Multi-character cells keep their
// text and edit it like a text box, never past their length.
class DigitCell : public TextBox {
    Q_OBJECT

public:
    explicit DigitCell(QWidget* parent = nullptr);

    // The typing colours are the family's background with blue text, unless
    // a cell is given a text colour of its own.
    void configure(KeyFilter filter, Colour familyColour, int maxCharacters = 1,
                   Colour textColour = colour::Blue);
    KeyFilter filter() const { return filter_; }

    // The family's own step, run first at every key press.
    std::function<void(int code)> familyStep;
    // Run after the filter has decided, for families that act on what entered.
    std::function<void(int code, bool accepted)> afterFilter;

    void markWrong();
    void resetColours();
    bool isMarkedWrong() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void initStyleOption(QStyleOptionFrame* option) const override;

private:
    bool handleKey(int code);
    // The ruled lines of the page that run across the cell rather than along
    // its edges, in the cell's own pixels.
    std::vector<QLineF> ruledLinesAcross() const;

    bool paintingTextOnly_ = false;

    KeyFilter filter_ = KeyFilter::Digit;
    Colour familyColour_ = colour::LightCyan;
    Colour typingTextColour_ = colour::Blue;
};

// What the on-screen keypad reads from the box that has the focus: the
// filter its keys pass. A cell carries its own; a plain box (the name box)
// is given one. Nothing is read from a box the pupil cannot type in now.
void setKeypadFilter(TextBox& box, KeyFilter filter);
std::optional<KeyFilter> keypadFilter(const QWidget* widget);

}  // namespace quillo
