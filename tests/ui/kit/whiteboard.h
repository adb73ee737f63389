#pragma once

#include "support/harness.h"
#include "core/families/exercise_family.h"
#include "ui/kit/keypad.h"

#include <QPointingDevice>
#include <QTest>
#include <QPushButton>
#include <QStringList>

#include <gtest/gtest.h>

namespace quillo::testing {

// How a pupil answers: at a keyboard with a mouse, at the whiteboard with
// the mouse and the on-screen keypad, or with a finger alone.
enum class Way { Typed, Keypad, Touch };

inline QPointingDevice* touchScreen()
{
    static QPointingDevice* device = QTest::createTouchDevice();
    return device;
}

// Drives a whole program one way; the same script then runs every way.
struct Whiteboard {
    Harness& app;
    Way way;

    Whiteboard(Harness& harness, Way how) : app(harness), way(how)
    {
        if (way != Way::Typed && !app.window.isSidePanelShown())
            app.window.toggleSidePanel();
    }
    Keypad& keypad() const { return *static_cast<Keypad*>(app.window.sidePanel()); }

    void tap(QWidget* widget) const
    {
        if (way == Way::Touch) {
            const QPoint at = widget->mapTo(&app.window, widget->rect().center());
            QTest::touchEvent(&app.window, touchScreen()).press(0, at, &app.window);
            QTest::touchEvent(&app.window, touchScreen()).release(0, at, &app.window);
        } else {
            QTest::mouseClick(widget, Qt::LeftButton);
        }
        Harness::settle();
    }
    void press(const QString& name) const { tap(app.find(name)); }
    // Writes into a box: typed at the keyboard, or the box tapped and then
    // each character tapped on the keypad (a capital after its key).
    void write(const QString& name, const QString& text) const
    {
        if (way == Way::Typed) {
            app.type(name, text);
            return;
        }
        press(name);
        for (QChar c : text) {
            if (c.isUpper())
                tap(keypad().capitalsKey());
            QPushButton* key = keypad().keyFor(c.toLower().unicode());
            ASSERT_NE(key, nullptr) << "no key for " << QString(c).toStdString();
            tap(key);
        }
    }
};

// Everything a pupil can see of a page's boxes and buttons, and the grades.
inline QStringList pageState(const Harness& app)
{
    QStringList state;
    for (const TextBox* box : app.page().findChildren<TextBox*>())
        state << QStringLiteral("%1 '%2' %3/%4 %5%6")
                     .arg(box->objectName(), box->text())
                     .arg(box->background(), 0, 16)
                     .arg(box->textColour(), 0, 16)
                     .arg(box->isEnabled() ? QLatin1Char('E') : QLatin1Char('-'))
                     .arg(box->isVisibleTo(&app.page()) ? QLatin1Char('V') : QLatin1Char('-'));
    for (const Button* button : app.page().findChildren<Button*>())
        state << button->objectName() + (button->isEnabled() ? QStringLiteral(" on") : QStringLiteral(" off"));
    for (ExerciseFamily family : kAllFamilies)
        state << QStringLiteral("grade %1: %2").arg(static_cast<int>(family)).arg(app.board.grade(family));
    state << QString::fromStdString(app.board.pupilName());
    state.sort();
    return state;
}

}  // namespace quillo::testing
