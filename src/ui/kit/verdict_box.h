#pragma once

#include "core/kit/verdict_word.h"
#include "ui/toolkit/controls.h"

namespace quillo {

// The read-only box that shows an evaluation's verdict: red when the verdict
// is negative, blue otherwise, on light yellow.
class VerdictBox : public TextBox {
    Q_OBJECT

public:
    explicit VerdictBox(QWidget* parent = nullptr);
    void showVerdict(VerdictWord word, bool negative);
    void showText(const QString& text, bool negative);
    // The light yellow of most families; a family may choose its own.
    void setBackgroundColour(Colour colour);

private:
    Colour backgroundColour_ = colour::LightYellow;
};

}  // namespace quillo
