#pragma once

#include "core/kit/colours.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <functional>
#include <optional>

namespace quillo {

// A caption on the paper; transparent unless given a background. Labels can
// be clicked, which some screens use as click targets laid over shapes.
class Label : public QLabel {
    Q_OBJECT

public:
    explicit Label(QWidget* parent = nullptr);
    void setTextColour(Colour colour);
    Colour textColour() const { return textColour_; }
    void setBackground(Colour colour);
    void setTransparent();
    // Makes the label a control in its own right: Tab gives it the
    // keyboard, and then Space or Enter press it as a click does.
    void setPressable();
    // The label shows something the pupil must read, a given digit or sign:
    // a screen reader hears its text as its value. So is a label given a
    // name of its own ("Dividendo, cifra 1" showing "7"); a caption is
    // heard by its text alone.
    void setReadAsValue() { readAsValue_ = true; }
    bool isReadAsValue() const { return readAsValue_ || !accessibleName().isEmpty(); }

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Colour textColour_ = colour::Black;
    bool readAsValue_ = false;
};

// A command button with its own background colour. Space and Enter both
// press it when it has the focus, as on any desktop form. A caption too wide
// for the button is never cut off: one that holds a space is laid on two
// lines, as on the square "Menu fraz", and whatever still does not fit is
// drawn smaller.
class Button : public QPushButton {
    Q_OBJECT

public:
    explicit Button(QWidget* parent = nullptr);
    void setBackground(Colour colour);
    Colour background() const { return background_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void initStyleOption(QStyleOptionButton* option) const override;

private:
    Colour background_ = 0xF0F0F0;
};

// A text box whose keys go through the screen's handler before anything
// reaches the text. A key press is a key that produces a character, with
// that character's code (Backspace 8, Enter 13, Escape 27, Ctrl+letter 1 to
// 26). Only a key the handler lets through is typed, by the box itself: no
// paste, drop, middle click, input method or context menu can go around it,
// unless the box is told to accept pasting. Whatever way text comes in, the
// box keeps its maximum length, counted in whole characters, and nothing
// that plainText leaves out. Delete, like the arrows, edits without being a
// key press.
class TextBox : public QLineEdit {
    Q_OBJECT

public:
    explicit TextBox(QWidget* parent = nullptr);

    // Returns true to swallow the key.
    std::function<bool(int code)> onKeyPress;
    std::function<void(int code)> onKeyRelease;

    void setColours(Colour background, Colour text);
    // While its background is this colour, the box lets the paper under it
    // show through, ruling and all: for cells that rest on paper of their
    // own colour. Any other background is painted as usual.
    void setSeeThrough(Colour paper);
    Colour background() const { return background_; }
    Colour textColour() const { return textColour_; }
    void setAcceptsPaste(bool accepts);
    // Hide QLineEdit's own, which counts halves of characters beyond the
    // basic plane and would cut an emoji in two at the limit.
    void setMaxLength(int characters);
    int maxLength() const { return maxCharacters_; }

    // The character code a key event carries, or -1 for a key that produces
    // no character.
    static int characterCode(const QKeyEvent& event);

Q_SIGNALS:
    void clicked();

protected:
    void initStyleOption(QStyleOptionFrame* option) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    bool event(QEvent* event) override;

private:
    void typeCharacter(int code);
    void applyColours();

    Colour background_ = colour::White;
    Colour textColour_ = colour::Black;
    bool acceptsPaste_ = false;
    int maxCharacters_ = 32767;
    std::optional<Colour> seeThrough_;
    bool coloured_ = false;
};

// A read-only box pressed like a button: a length or kind selector, a colour
// swatch. Screen readers hear a button; one of a set of choices is heard as a
// radio button that says whether it is the one chosen.
class ChoiceBox : public TextBox {
    Q_OBJECT

public:
    explicit ChoiceBox(QWidget* parent = nullptr);
    void setCheckable(bool checkable) { checkable_ = checkable; }
    bool isCheckable() const { return checkable_; }
    void setChecked(bool checked);
    bool isChecked() const { return checked_; }
    // What a click does, for the keyboard and the screen reader.
    void press();

private:
    bool checkable_ = false;
    bool checked_ = false;
};

}  // namespace quillo
