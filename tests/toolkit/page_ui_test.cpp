#include "support/harness.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

namespace quillo::testing {
namespace {

TEST(Page, ResizingTheWindowScalesEverythingAlike)
{
    Harness app;
    auto* button = app.find<Button>(QStringLiteral("Command4"));
    const QRect small = button->geometry();
    const int smallFont = button->font().pixelSize();
    const double smallScale = app.page().pixelsPerTwip();

    app.window.resize(1902, 1374);
    Harness::settle();
    const double factor = app.page().pixelsPerTwip() / smallScale;
    EXPECT_NEAR(factor, 2.0, 0.01);
    const QRect large = button->geometry();
    EXPECT_NEAR(large.width(), small.width() * 2, 2);
    EXPECT_NEAR(large.height(), small.height() * 2, 2);
    EXPECT_NEAR(large.x(), small.x() * 2, 2);
    EXPECT_NEAR(button->font().pixelSize(), smallFont * 2, 1);
}

TEST(Page, KeepsItsAspectRatioInAnyWindow)
{
    Harness app(QSize(1600, 600));
    const QRect area = app.page().geometry();
    EXPECT_EQ(area.height(), 600);
    EXPECT_NEAR(area.width(), 600.0 * 9510 / 6870, 1);
    EXPECT_NEAR(area.x(), (1600 - area.width()) / 2, 1) << "centred";
}

TEST(Page, PutsControlsOnTheSquaresTheyWereDrawnOn)
{
    Page page(QStringLiteral("test"));
    page.resize(951, 687);
    auto* cell = page.add<TextBox>(QStringLiteral("cell"), cellAt(840, 1080));
    EXPECT_EQ(cell->geometry(), QRect(84, 108, 61, 61));
    page.moveTo(cell, cellAt(1440, 1080));
    EXPECT_EQ(cell->x(), 144);
    EXPECT_EQ(page.placement(cell), cellAt(1440, 1080));
}

TEST(Page, KeepsBlackInkUnderADarkDesktopTheme)
{
    const QPalette desktop = QApplication::palette();
    QPalette dark = desktop;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        dark.setColor(group, QPalette::WindowText, Qt::white);
        dark.setColor(group, QPalette::Base, QColor(0x20, 0x20, 0x20));
        dark.setColor(group, QPalette::Text, Qt::white);
    }
    QApplication::setPalette(dark);
    {
        Harness app;
        app.enterName();
        app.registry.showScreen(screenOf(ExerciseFamily::Addition));
        Harness::settle();
        // Labels given no colour of their own, in every state.
        for (const char* name : {"Footer", "Instruction"}) {
            auto* label = app.find<Label>(QString::fromLatin1(name));
            label->setEnabled(false);
            for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
                EXPECT_EQ(label->palette().color(group, QPalette::WindowText), QColor(Qt::black)) << name;
        }
    }
    QApplication::setPalette(desktop);
}

TEST(MainWindow, F11TogglesFullScreen)
{
    Harness app;
    QTest::keyClick(&app.window, Qt::Key_F11);
    EXPECT_TRUE(app.window.windowState() & Qt::WindowFullScreen);
    QTest::keyClick(&app.window, Qt::Key_F11);
    EXPECT_FALSE(app.window.windowState() & Qt::WindowFullScreen);
}

}  // namespace
}  // namespace quillo::testing
