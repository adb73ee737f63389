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
class LabelAccessible final : public QAccessibleWidget {
public:
    explicit LabelAccessible(Label* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

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
