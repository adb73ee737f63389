#include "ui/toolkit/controls.h"

#include "ui/toolkit/look.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>
#include <cmath>

namespace quillo {

namespace {
void setRoleColour(QWidget& widget, QPalette::ColorRole role, Colour colour)
{
    QPalette palette = widget.palette();
    const QColor qcolour = toQColor(colour);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, role, qcolour);
    widget.setPalette(palette);
}

// The control that takes the next key wears one thick outline on every
// screen, in proportion to its size, so a class can see it from its desks.
void paintFocusOutline(QWidget& widget)
{
    QPainter painter(&widget);
    const int thickness = std::max(2, static_cast<int>(std::lround(std::min(widget.width(), widget.height()) / 14.0)));
    painter.setPen(QPen(QColor(0xFF, 0x80, 0x00), thickness, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    const double inset = thickness / 2.0;
    painter.drawRect(QRectF(widget.rect()).adjusted(inset, inset, -inset, -inset));
}
}  // namespace

Label::Label(QWidget* parent) : QLabel(parent)
{
    setTransparent();
    setTextColour(colour::Black);
}

void Label::setTextColour(Colour colour)
{
    textColour_ = colour;
    setRoleColour(*this, QPalette::WindowText, colour);
}

void Label::setBackground(Colour colour)
{
    setAutoFillBackground(true);
    setRoleColour(*this, QPalette::Window, colour);
}

void Label::setTransparent()
{
    setAutoFillBackground(false);
}

void Label::mousePressEvent(QMouseEvent* event)
{
    QLabel::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT clicked();
}

Button::Button(QWidget* parent) : QPushButton(parent)
{
    setAutoDefault(false);
    setBackground(background_);
}

void Button::setBackground(Colour colour)
{
    background_ = colour;
    setRoleColour(*this, QPalette::Button, colour);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Active, QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Inactive, QPalette::ButtonText, Qt::black);
    // A disabled button must look it, or a pupil keeps pressing it.
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x9A, 0x9A, 0x9A));
    setPalette(palette);
}

void Button::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    QFont fitted = font();
    const int room = width() - 4;
    while (fitted.pixelSize() > 6 && QFontMetrics(fitted).horizontalAdvance(text()) > room)
        fitted.setPixelSize(fitted.pixelSize() - 1);
    painter.setFont(fitted);
    option.fontMetrics = QFontMetrics(fitted);
    painter.drawControl(QStyle::CE_PushButton, option);
    if (hasFocus()) {
        painter.end();
        paintFocusOutline(*this);
    }
}

TextBox::TextBox(QWidget* parent) : QLineEdit(parent)
{
    setAcceptsPaste(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setColours(background_, textColour_);
}

void TextBox::setColours(Colour background, Colour text)
{
    background_ = background;
    textColour_ = text;
    QPalette palette = this->palette();
    const QColor base = background == seeThrough_ ? QColor(Qt::transparent) : toQColor(background);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, base);
        palette.setColor(group, QPalette::Text, toQColor(text));
    }
    setPalette(palette);
}

void TextBox::setSeeThrough(Colour paper)
{
    seeThrough_ = paper;
    setColours(background_, textColour_);
}

void TextBox::setAcceptsPaste(bool accepts)
{
    acceptsPaste_ = accepts;
    setAcceptDrops(accepts);
    setDragEnabled(false);
    setContextMenuPolicy(accepts ? Qt::DefaultContextMenu : Qt::NoContextMenu);
}

int TextBox::characterCode(const QKeyEvent& event)
{
    const int key = event.key();
    if ((event.modifiers() & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
        return key - Qt::Key_A + 1;
    const QString text = event.text();
    if (!text.isEmpty() && text.at(0).unicode() != 0 && text.at(0).unicode() != 127)
        return text.at(0).unicode();
    switch (key) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    default: return -1;
    }
}

bool TextBox::event(QEvent* event)
{
    // Keep the box's own shortcuts (paste, undo, select all) from being
    // claimed ahead of the key handler.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (characterCode(*key) >= 0) {
            event->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void TextBox::keyPressEvent(QKeyEvent* event)
{
    const int code = characterCode(*event);
    if (code < 0) {
        // Keys that produce no character only move the cursor.
        switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End:
            QLineEdit::keyPressEvent(event);
            return;
        default:
            event->ignore();
            return;
        }
    }
    if (onKeyPress && onKeyPress(code)) {
        event->accept();
        return;
    }
    if (acceptsPaste_ && event->matches(QKeySequence::Paste)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (!isReadOnly())
        typeCharacter(code);
    event->accept();
}

void TextBox::typeCharacter(int code)
{
    if (code == 8) {
        backspace();
        return;
    }
    if (code < 32)
        return;
    insert(QString(QChar(code)));
}

void TextBox::keyReleaseEvent(QKeyEvent* event)
{
    QLineEdit::keyReleaseEvent(event);
    if (event->isAutoRepeat())
        return;
    const int code = characterCode(*event);
    if (code >= 0 && onKeyRelease)
        onKeyRelease(code);
}

void TextBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::MiddleButton && !acceptsPaste_)
        return;
    QLineEdit::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT clicked();
}

void TextBox::mouseReleaseEvent(QMouseEvent* event)
{
    // Middle click pastes the selection on X11.
    if (event->button() == Qt::MiddleButton && !acceptsPaste_)
        return;
    QLineEdit::mouseReleaseEvent(event);
}

void TextBox::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    if (hasFocus() && !isReadOnly())
        paintFocusOutline(*this);
}

void TextBox::contextMenuEvent(QContextMenuEvent* event)
{
    if (acceptsPaste_)
        QLineEdit::contextMenuEvent(event);
}

void TextBox::dragEnterEvent(QDragEnterEvent* event)
{
    if (acceptsPaste_)
        QLineEdit::dragEnterEvent(event);
}

void TextBox::dropEvent(QDropEvent* event)
{
    if (acceptsPaste_)
        QLineEdit::dropEvent(event);
}

void TextBox::inputMethodEvent(QInputMethodEvent* event)
{
    event->ignore();
}

}  // namespace quillo
