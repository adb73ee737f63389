#include "support/harness.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace quillo::testing {
namespace {

QAbstractButton* exitOf(const Page& page)
{
    for (auto* button : page.findChildren<QAbstractButton*>())
        if (button->text() == QStringLiteral("exit"))
            return button;
    return nullptr;
}

TEST(FocusGuard, AControlGoingGreyNeverHandsTheKeyboardToExitOnAnyScreen)
{
    for (int id = 0; id < kScreenCount; ++id) {
        const auto screen = static_cast<ScreenId>(id);
        Harness app;
        app.enterName();
        app.registry.showScreen(screen);
        Harness::settle();
        // The controls the keyboard can rest on. "Stampa" is left out: its
        // dialogs would wait for a pupil who is not there.
        QStringList names;
        for (QWidget* widget : app.page().findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget);
            if (control && widget != exitOf(app.page()) && widget->objectName() != QStringLiteral("printButton")
                && widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus))
                names << widget->objectName();
        }
        for (const QString& name : names) {
            SCOPED_TRACE(::testing::Message() << "screen " << id << ", " << name.toStdString());
            app.registry.showScreen(screen);
            Harness::settle();
            QWidget* control = app.find(name);
            control->setFocus(Qt::MouseFocusReason);
            control->setEnabled(false);
            QWidget* focus = QApplication::focusWidget();
            EXPECT_NE(focus, exitOf(app.page()));
            // On an exercise "Menu" would leave the work behind as well.
            for (const char* leaving : {"Menu", "Menu fraz", "Menu dec"})
                if (focus && familyOf(screen))
                    EXPECT_NE(focus->property("text").toString(), QString::fromLatin1(leaving));
            for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
                if (QWidget* focused = QApplication::focusWidget())
                    QTest::keyClick(focused, key);
                Harness::settle();
            }
            ASSERT_FALSE(app.registry.hasEnded());
        }
    }
}

// "OK" goes grey and hands the keys to the units; the keyboard handed back
// to "exit" by no control of the page, as when a dialog closes, goes on to
// the first empty cell; once every cell is written, to "Controllo".
TEST(FocusGuard, HandedToExitTheKeysGoToTheNextEmptyCellOrOnceAllAreWrittenToControllo)
{
    Harness app;
    app.enterName();
    app.registry.showScreen(screenOf(ExerciseFamily::Subtraction));
    Harness::settle();
    app.random.push(drawing(5000, 1, 999999));
    app.random.push(drawing(4999, 1, 999999));
    QTest::mouseClick(app.find(QStringLiteral("newExerciseButton")), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), app.find(QStringLiteral("differenceDigit1")));
    const auto handBack = [&] {
        QApplication::focusWidget()->clearFocus();
        exitOf(app.page())->setFocus(Qt::ActiveWindowFocusReason);
        return QApplication::focusWidget();
    };
    // 5000 - 4999: four cells, the units first.
    for (const char* name : {"differenceDigit1", "differenceDigit2", "differenceDigit3", "differenceDigit4"}) {
        EXPECT_EQ(handBack(), app.find(QString::fromLatin1(name)));
        app.type(QString::fromLatin1(name), QStringLiteral("1"));
    }
    ASSERT_TRUE(app.find(QStringLiteral("checkButton"))->isEnabled());
    EXPECT_EQ(handBack(), app.find(QStringLiteral("checkButton")));
}

}  // namespace
}  // namespace quillo::testing
