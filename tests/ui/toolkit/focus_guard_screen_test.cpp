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

// The controls the keyboard can rest on, by design name. "Stampa" is left
// out: its dialogs would wait for a pupil who is not there.
QStringList focusableControls(const Page& page, const QWidget* exit)
{
    QStringList names;
    for (QWidget* widget : page.findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget);
        if (control && widget != exit && widget->objectName() != QStringLiteral("printButton") && widget->isVisible() && widget->isEnabled()
            && (widget->focusPolicy() & Qt::TabFocus))
            names << widget->objectName();
    }
    return names;
}

void pressSpaceAndEnter()
{
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
        if (QWidget* focus = QApplication::focusWidget())
            QTest::keyClick(focus, key);
        Harness::settle();
    }
}

TEST(FocusGuard, AControlGoingGreyNeverHandsTheKeyboardToExitOnAnyScreen)
{
    for (int id = 0; id < kScreenCount; ++id) {
        const auto screen = static_cast<ScreenId>(id);
        Harness app;
        app.enterName();
        app.registry.showScreen(screen);
        Harness::settle();
        const QStringList names = focusableControls(app.page(), exitOf(app.page()));
        for (const QString& name : names) {
            SCOPED_TRACE(::testing::Message() << "screen " << id << ", " << name.toStdString());
            app.registry.showScreen(screen);
            Harness::settle();
            QWidget* exit = exitOf(app.page());
            ASSERT_NE(exit, nullptr);
            QWidget* control = app.find(name);
            control->setFocus(Qt::MouseFocusReason);
            control->setEnabled(false);
            EXPECT_NE(QApplication::focusWidget(), exit);
            // On an exercise "Menu" would leave the work behind as well.
            if (familyOf(screen)) {
                for (const char* leaving : {"Menu", "Menu fraz", "Menu dec"}) {
                    if (QWidget* focus = QApplication::focusWidget()) {
                        EXPECT_NE(focus->property("text").toString(), QString::fromLatin1(leaving));
                    }
                }
            }
            pressSpaceAndEnter();
            ASSERT_FALSE(app.registry.hasEnded());
        }
    }
}

TEST(FocusGuard, AfterValutazioneByMouseTheKeysGoWhereThePupilNeedsThem)
{
    Harness app;
    app.enterName();
    app.registry.showScreen(screenOf(ExerciseFamily::Subtraction));
    Harness::settle();
    QTest::mouseClick(app.find(QStringLiteral("newExerciseButton")), Qt::LeftButton);
    auto* cell = app.find<QLineEdit>(QStringLiteral("differenceDigit1"));
    EXPECT_EQ(QApplication::focusWidget(), cell) << "\"OK\" went grey: the units cell takes the keys";
    app.find(QStringLiteral("checkButton"))->setEnabled(true);
    QTest::mouseClick(app.find(QStringLiteral("checkButton")), Qt::LeftButton);
    QTest::mouseClick(app.find(QStringLiteral("evaluateButton")), Qt::LeftButton);
    EXPECT_FALSE(app.find(QStringLiteral("evaluateButton"))->isEnabled());
    EXPECT_NE(QApplication::focusWidget(), exitOf(app.page()));
    pressSpaceAndEnter();
    EXPECT_FALSE(app.registry.hasEnded());

    // The pupil can still leave on purpose.
    QTest::mouseClick(exitOf(app.page()), Qt::LeftButton);
    EXPECT_TRUE(app.registry.hasEnded());
}

// The keyboard handed back to "exit" by no control of the page, as when a
// dialog closes, goes on to the first empty cell; once every cell is
// written, to "Controllo".
TEST(FocusGuard, HandedToExitTheKeysGoToTheNextEmptyCellOrOnceAllAreWrittenToControllo)
{
    Harness app;
    app.enterName();
    app.registry.showScreen(screenOf(ExerciseFamily::Subtraction));
    Harness::settle();
    app.random.push(drawing(5000, 1, 999999));
    app.random.push(drawing(4999, 1, 999999));
    QTest::mouseClick(app.find(QStringLiteral("newExerciseButton")), Qt::LeftButton);
    const auto handBack = [&] {
        QApplication::focusWidget()->clearFocus();
        exitOf(app.page())->setFocus(Qt::ActiveWindowFocusReason);
        return QApplication::focusWidget();
    };
    // 5000 - 4999: four cells, the units first.
    const QString cells[] = {QStringLiteral("differenceDigit1"), QStringLiteral("differenceDigit2"), QStringLiteral("differenceDigit3"),
                             QStringLiteral("differenceDigit4")};
    for (const QString& name : cells) {
        EXPECT_EQ(handBack(), app.find(name));
        app.type(name, QStringLiteral("1"));
    }
    ASSERT_TRUE(app.find(QStringLiteral("checkButton"))->isEnabled());
    EXPECT_EQ(handBack(), app.find(QStringLiteral("checkButton")));
}

}  // namespace
}  // namespace quillo::testing
