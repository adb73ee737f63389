#include "ui/toolkit/accessible.h"

#include "ui/toolkit/controls.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace quillo {

namespace {
// What the widget is called on the bus: its own accessible name, or else the
// text it shows, as a screen reader would take it from the page.
QString nameOf(const QWidget& widget, const QString& shown)
{
    const QString name = widget.accessibleName();
    return name.isEmpty() ? shown : name;
}

// A label's name says what it is ("Dividendo, cifra 1", "Divisioni") and
// its value what it shows ("7", "Distinto"); a caption has no value beside
// its name. A label the pupil presses, such as a part of a whole to colour,
// is heard as a button.
//
// The value is also offered as read-only text: that is what the desktop's
// accessibility bus hands a screen reader of a label, as it does the text
// of a box.
class LabelAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit LabelAccessible(Label* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface && label()->isReadAsValue())
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(int start, int end) const override { return shown().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(shown().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    int selectionCount() const override { return 0; }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint&) const override { return 0; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

    QAccessible::Role role() const override
    {
        return pressable() ? QAccessible::Button : QAccessible::StaticText;
    }

    QString text(QAccessible::Text kind) const override
    {
        switch (kind) {
        case QAccessible::Name: return nameOf(*label(), label()->text());
        case QAccessible::Value: return label()->isReadAsValue() ? label()->text() : QString();
        default: return QAccessibleWidget::text(kind);
        }
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (pressable() && label()->isEnabled())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && pressable() && label()->isEnabled())
            Q_EMIT label()->clicked();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    Label* label() const { return static_cast<Label*>(widget()); }
    QString shown() const { return label()->text(); }
    bool pressable() const { return label()->focusPolicy() != Qt::NoFocus; }
};

// A selector is pressed like a button; one of a set of choices is a radio
// button, checked while it is the one chosen, never a field to write in.
class ChoiceBoxAccessible final : public QAccessibleWidget {
public:
    explicit ChoiceBoxAccessible(ChoiceBox* box) : QAccessibleWidget(box, QAccessible::Button) {}

    QAccessible::Role role() const override
    {
        return box()->isCheckable() ? QAccessible::RadioButton : QAccessible::Button;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = box()->isCheckable();
        state.checked = box()->isChecked();
        return state;
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return nameOf(*box(), box()->text());
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (box()->isEnabled())
            names.prepend(ownAction());
        return names;
    }

    void doAction(const QString& action) override
    {
        if (action == ownAction() && box()->isEnabled())
            box()->press();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    ChoiceBox* box() const { return static_cast<ChoiceBox*>(widget()); }
    const QString& ownAction() const { return box()->isCheckable() ? toggleAction() : pressAction(); }
};

QAccessibleInterface* programControls(const QString&, QObject* object)
{
    if (auto* box = qobject_cast<ChoiceBox*>(object))
        return new ChoiceBoxAccessible(box);
    if (auto* label = qobject_cast<Label*>(object))
        return new LabelAccessible(label);
    return nullptr;
}
}  // namespace

void installAccessibility()
{
    // Asked before Qt's own, which would take a label for a caption alone
    // and a selector for a field to write in.
    QAccessible::installFactory(programControls);
}

}  // namespace quillo
