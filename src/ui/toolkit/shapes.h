#pragma once

#include "core/kit/colours.h"
#include "ui/toolkit/twips.h"

#include <functional>

namespace quillo {

// Shapes the page paints itself, in twips. Each setter asks the page to
// repaint, so a moved or recoloured shape shows at once.
class Shape {
public:
    explicit Shape(std::function<void()> changed) : changed_(std::move(changed)) {}
    virtual ~Shape() = default;
    Shape(const Shape&) = delete;
    Shape& operator=(const Shape&) = delete;

    bool isVisible() const { return visible_; }
    void setVisible(bool visible) { assign(visible_, visible); }

protected:
    template <typename T>
    void assign(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        changed_();
    }

private:
    std::function<void()> changed_;
    bool visible_ = true;
};

// A page at its natural size shows 15 twips per pixel.
inline constexpr int kTwipsPerLineWidth = 15;

// A straight line with round ends; its width is in pixels of a page at its
// natural size and scales with the page.
class LineShape final : public Shape {
public:
    using Shape::Shape;
    TwipPoint from() const { return from_; }
    TwipPoint to() const { return to_; }
    int width() const { return width_; }
    // How thick it is drawn, and how far its round ends reach past its end
    // points: half of that.
    int thickness() const { return width_ * kTwipsPerLineWidth; }
    int reach() const { return (thickness() + 1) / 2; }
    Colour colour() const { return colour_; }
    void setEnds(TwipPoint from, TwipPoint to) { assign(from_, from), assign(to_, to); }
    void setFrom(TwipPoint from) { assign(from_, from); }
    // Lays it across the squares from x = left to x = right at height y with
    // its round ends inside them: a fraction bar that keeps off the paper's
    // edge and off a box in the next square.
    void setSpan(int left, int right, int y) { setEnds({left + reach(), y}, {right - reach(), y}); }
    void setWidth(int width) { assign(width_, width); }
    void setColour(Colour colour) { assign(colour_, colour); }

private:
    TwipPoint from_;
    TwipPoint to_;
    int width_ = 1;
    Colour colour_ = colour::Black;
};

// A filled rectangle with a black border.
class RectShape final : public Shape {
public:
    using Shape::Shape;
    TwipRect rect() const { return rect_; }
    Colour fill() const { return fill_; }
    int borderWidth() const { return borderWidth_; }
    void setRect(TwipRect rect) { assign(rect_, rect); }
    void setFill(Colour fill) { assign(fill_, fill); }
    void setBorderWidth(int width) { assign(borderWidth_, width); }

private:
    TwipRect rect_;
    Colour fill_ = colour::White;
    int borderWidth_ = 1;
};

}  // namespace quillo
