#include "ui/toolkit/controls.h"

#include "ui/toolkit/look.h"
#include "ui/toolkit/plain_text.h"
#include "ui/toolkit/shared_palette.h"

#include <QAccessible>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QValidator>

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
    // A page recorded for paper shows no keyboard.
    if (painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Picture)
        return;
    const int thickness = std::max(2, static_cast<int>(std::lround(std::min(widget.width(), widget.height()) / 14.0)));
    painter.setPen(QPen(QColor(0xFF, 0x80, 0x00), thickness, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    const double inset = thickness / 2.0;
    painter.drawRect(QRectF(widget.rect()).adjusted(inset, inset, -inset, -inset));
}

bool pressesControl(const QKeyEvent& event)
{
    const int key = event.key();
    const bool pressKey = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    return pressKey && !(event.modifiers() & ~Qt::KeypadModifier);
}
}  // namespace

// A label's ink is the window's black until it is given a colour.
Label::Label(QWidget* parent) : QLabel(parent)
{
    setTransparent();
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

void Label::setPressable()
{
    // Tab reaches it; a click presses it without leaving the focus there,
    // so a pupil with a mouse keeps the keyboard where it was.
    setFocusPolicy(Qt::TabFocus);
}

void Label::keyPressEvent(QKeyEvent* event)
{
    if (focusPolicy() == Qt::NoFocus || !pressesControl(*event)) {
        QLabel::keyPressEvent(event);
        return;
    }
    // Held down, the key presses once: one part painted, not a flicker.
    if (!event->isAutoRepeat())
        Q_EMIT clicked();
    event->accept();
}

void Label::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (hasFocus())
        paintFocusOutline(*this);
}

Button::Button(QWidget* parent) : QPushButton(parent)
{
    setAutoDefault(false);
    setBackground(background_);
}

void Button::setBackground(Colour colour)
{
    background_ = colour;
    update();
}

void Button::initStyleOption(QStyleOptionButton* option) const
{
    QPushButton::initStyleOption(option);
    // The colours go to the style alone, in a palette shared by every button
    // of this colour, so its cached bevels serve every page.
    QPalette colours = option->palette;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        colours.setColor(group, QPalette::Button, toQColor(background_));
    colours.setColor(QPalette::Active, QPalette::ButtonText, Qt::black);
    colours.setColor(QPalette::Inactive, QPalette::ButtonText, Qt::black);
    // A disabled button must look it, or a pupil keeps pressing it.
    colours.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x9A, 0x9A, 0x9A));
    option->palette = sharedPalette(colours);
    option->palette.setCurrentColorGroup(colours.currentColorGroup());
}

void Button::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || (event->modifiers() & ~Qt::KeypadModifier)) {
        QPushButton::keyPressEvent(event);
        return;
    }
    // A held Enter presses once, as a held Space does: one "OK", one exercise.
    if (!event->isAutoRepeat())
        click();
    event->accept();
}

namespace {
struct Caption {
    QString text;
    QFont font;
};

// The largest pixel size, down to a floor, at which every line fits the room.
int fittingSize(const QStringList& lines, QFont font, QSize room)
{
    for (; font.pixelSize() > 6; font.setPixelSize(font.pixelSize() - 1)) {
        const QFontMetrics metrics(font);
        const bool narrow = std::all_of(lines.begin(), lines.end(),
                                        [&](const QString& line) { return metrics.horizontalAdvance(line) <= room.width(); });
        if (narrow && metrics.height() * lines.size() <= room.height())
            break;
    }
    return font.pixelSize();
}

// The caption on one line if it fits; otherwise on the two lines, broken at a
// space, that let it be largest, or else on one line made smaller.
Caption fitCaption(const QString& text, const QFont& font, QSize room)
{
    if (QFontMetrics(font).horizontalAdvance(text) <= room.width())
        return {text, font};
    Caption best{text, font};
    best.font.setPixelSize(fittingSize({text}, font, room));
    const QString words = text.trimmed();
    for (qsizetype at = words.indexOf(QLatin1Char(' ')); at > 0; at = words.indexOf(QLatin1Char(' '), at + 1)) {
        const QStringList lines{words.left(at).trimmed(), words.mid(at + 1).trimmed()};
        const int size = fittingSize(lines, font, room);
        if (size > best.font.pixelSize()) {
            best.text = lines.join(QLatin1Char('\n'));
            best.font.setPixelSize(size);
        }
    }
    return best;
}

// Every page build brings the same few captions at the same sizes: each is
// fitted once. Only texts and sizes are kept, no font outlives the program's
// fonts, and the store is bounded for a window resized again and again.
Caption fittedCaption(const QString& text, const QFont& font, QSize room)
{
    struct Fitted {
        QString text;
        int pixelSize;
    };
    static QHash<QString, Fitted> fitted;
    const QString key = QStringLiteral("%1|%2|%3x%4").arg(text, font.key()).arg(room.width()).arg(room.height());
    auto it = fitted.constFind(key);
    if (it == fitted.constEnd()) {
        if (fitted.size() >= 512)
            fitted.clear();
        const Caption caption = fitCaption(text, font, room);
        it = fitted.insert(key, {caption.text, caption.font.pixelSize()});
    }
    Caption caption{it->text, font};
    if (it->pixelSize > 0)
        caption.font.setPixelSize(it->pixelSize);
    return caption;
}
}  // namespace

void Button::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const Caption caption = fittedCaption(text(), font(), size() - QSize(4, 4));
    option.text = caption.text;
    option.fontMetrics = QFontMetrics(caption.font);
    painter.setFont(caption.font);
    painter.drawControl(QStyle::CE_PushButton, option);
    if (hasFocus()) {
        painter.end();
        paintFocusOutline(*this);
    }
}

namespace {
// Every way into a box (a typed key, a paste, a drop, a middle click, setText)
// ends in this check, so none of them can bring in what plainText leaves out
// or more characters than the box holds. What does not fit is cut from the
// end of what just came in, which ends at the cursor.
class PlainTextValidator : public QValidator {
public:
    explicit PlainTextValidator(TextBox* box) : QValidator(box), box_(*box) {}

    State validate(QString& input, int& cursor) const override
    {
        QString before = plainText(input.left(cursor));
        QString after = plainText(input.mid(cursor));
        const int limit = box_.maxLength();
        after = firstCharacters(after, limit);
        before = firstCharacters(before, limit - characterCount(after));
        input = before + after;
        cursor = static_cast<int>(before.size());
        return Acceptable;
    }

private:
    const TextBox& box_;
};
}  // namespace

TextBox::TextBox(QWidget* parent) : QLineEdit(parent)
{
    setValidator(new PlainTextValidator(this));
    setAcceptsPaste(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void TextBox::setColours(Colour background, Colour text)
{
    // A new exercise resets every cell to the colours most already have;
    // setting an equal palette again costs a style pass per cell.
    if (coloured_ && background == background_ && text == textColour_)
        return;
    background_ = background;
    textColour_ = text;
    applyColours();
}

void TextBox::applyColours()
{
    coloured_ = true;
    QPalette palette = this->palette();
    const QColor base = background_ == seeThrough_ ? QColor(Qt::transparent) : toQColor(background_);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, base);
        palette.setColor(group, QPalette::Text, toQColor(textColour_));
    }
    setPalette(palette);
}

void TextBox::initStyleOption(QStyleOptionFrame* option) const
{
    QLineEdit::initStyleOption(option);
    const QPalette::ColorGroup state = option->palette.currentColorGroup();
    option->palette = sharedPalette(option->palette);
    option->palette.setCurrentColorGroup(state);
}

void TextBox::setSeeThrough(Colour paper)
{
    seeThrough_ = paper;
    applyColours();
}

void TextBox::setAcceptsPaste(bool accepts)
{
    acceptsPaste_ = accepts;
    setAcceptDrops(accepts);
    setDragEnabled(false);
    setContextMenuPolicy(accepts ? Qt::DefaultContextMenu : Qt::NoContextMenu);
}

void TextBox::setMaxLength(int characters)
{
    maxCharacters_ = characters;
    // QLineEdit's own limit stays at its widest; the validator counts.
    if (characterCount(text()) > maxCharacters_)
        setText(text());
}

int TextBox::characterCode(const QKeyEvent& event)
{
    const int key = event.key();
    if ((event.modifiers() & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
        return key - Qt::Key_A + 1;
    // A character beyond the basic plane comes as two halves; its code is
    // the whole character's.
    const QList<uint> text = event.text().toUcs4();
    if (!text.isEmpty() && text.first() != 0 && text.first() != 127)
        return static_cast<int>(text.first());
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
        case Qt::Key_Delete:
            if (!isReadOnly() && !(event->modifiers() & ~Qt::KeypadModifier))
                del();
            event->accept();
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
    const auto character = static_cast<char32_t>(code);
    insert(QString::fromUcs4(&character, 1));
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
    // A read-only box that takes the focus is pressed like a button, and
    // shows it has the keyboard as any other control does.
    if (hasFocus())
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

ChoiceBox::ChoiceBox(QWidget* parent) : TextBox(parent)
{
    setReadOnly(true);
}

void ChoiceBox::setChecked(bool checked)
{
    if (checked == checked_)
        return;
    checked_ = checked;
    // A screen reader following the pupil says at once which one is chosen.
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void ChoiceBox::press()
{
    Q_EMIT clicked();
}

}  // namespace quillo
