#include "ui/kit/exercise_screen.h"
#include "ui/screens/menus/main_menu_screen.h"
#include "support/harness.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace quillo::testing {
namespace {

TEST(Navigation, MenusReachEachOtherThroughOneWindow)
{
    Harness app;
    app.enterName();
    struct Step {
        const char* button;
        ScreenId expected;
        const char* caption;
    };
    const Step walk[] = {
        {"Command7", ScreenId::FractionsMenu, "vt-pb - Menu frazioni"},
        {"Command6", ScreenId::MainMenu, "tv-pb - Esercitazione di Aritmetica cl. V - Menu principale"},
        {"Command8", ScreenId::DecimalsMenu, "vt-pb - Aritmetica cl. V - Menu numeri decimali"},
        {"Command4", ScreenId::MainMenu, "tv-pb - Esercitazione di Aritmetica cl. V - Menu principale"},
    };
    for (const Step& step : walk) {
        Page* before = &app.page();
        app.click(QString::fromLatin1(step.button));
        EXPECT_EQ(app.registry.current(), step.expected) << step.button;
        EXPECT_EQ(app.window.windowTitle(), QString::fromUtf8(step.caption));
        EXPECT_NE(&app.page(), before) << "every opening builds a fresh page";
        EXPECT_EQ(app.window.findChildren<Page*>().size(), 1) << "exactly one page is shown";
    }
    auto* menu = dynamic_cast<MainMenuScreen*>(app.registry.instance(ScreenId::MainMenu));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->menuVisits(), 3);
    EXPECT_EQ(app.window.size(), QSize(951, 687)) << "the window keeps its geometry";
}

TEST(Navigation, EveryFamilyHasItsOwnScreenAndNothingElseDoes)
{
    Harness app;
    for (ExerciseFamily family : kAllFamilies) {
        auto* screen = dynamic_cast<ExerciseScreen*>(app.registry.instance(screenOf(family)));
        ASSERT_NE(screen, nullptr);
        EXPECT_EQ(screen->family(), family);
        EXPECT_EQ(familyOf(screenOf(family)), family);
    }
    EXPECT_EQ(familyOf(ScreenId::GlobalEvaluation), std::nullopt);
    EXPECT_EQ(app.registry.instance(static_cast<ScreenId>(kScreenCount)), nullptr) << "past the last screen";
    EXPECT_EQ(app.registry.instance(static_cast<ScreenId>(-1)), nullptr);
}

TEST(Navigation, SectionMenusListTheirExercises)
{
    Harness app;
    app.enterName();
    app.click(QStringLiteral("Command7"));
    EXPECT_EQ(app.find<Button>(QStringLiteral("Command1"))->text(), QStringLiteral("fraz com"));
    EXPECT_EQ(app.find<Label>(QStringLiteral("Command2Description"))->text(),
              QStringLiteral("Frazioni proprie, improprie, apparenti"));
    EXPECT_EQ(app.find<Button>(QStringLiteral("Command4"))->text(), QStringLiteral("con fraz"));
    EXPECT_EQ(app.find<Label>(QStringLiteral("Footer"))->text(), QStringLiteral("vt-pb - Aritmetica V"));
    app.click(QStringLiteral("Command6"));
    app.click(QStringLiteral("Command8"));
    EXPECT_EQ(app.find<Button>(QStringLiteral("Command1"))->text(), QStringLiteral("Val pos"));
    EXPECT_EQ(app.find<Button>(QStringLiteral("Command4"))->toolTip(), QStringLiteral("Apre il menu principale"));
    EXPECT_EQ(app.find<Button>(QStringLiteral("Command3"))->text(), QStringLiteral("exit"));
    EXPECT_NE(QApplication::focusWidget(), app.find(QStringLiteral("Command3"))) << "a stray Space must not end the run";
}

TEST(Navigation, StandardControlsCarryTheirScreensDesignNames)
{
    Harness app;
    app.enterName();
    app.click(QStringLiteral("Command4"));
    EXPECT_EQ(app.find<Button>(QStringLiteral("Command3"))->text(), QStringLiteral("OK"));
    EXPECT_EQ(app.find<Button>(QStringLiteral("Command1"))->text(), QStringLiteral("exit"));
    EXPECT_EQ(app.find(QStringLiteral("Text33")), app.find(QStringLiteral("VerdictBox"))) << "found by role too";
    app.click(QStringLiteral("Command2"));
    app.click(QStringLiteral("Command7"));
    app.click(QStringLiteral("Command2"));
    EXPECT_EQ(app.find<Button>(QStringLiteral("Command5"))->text(), QStringLiteral("Menu fraz"));
    EXPECT_EQ(app.find<Button>(QStringLiteral("Command6"))->text(), QStringLiteral("exit"));
    EXPECT_TRUE(app.has(QStringLiteral("Text11")));
}

TEST(Navigation, ExitEndsTheProgramFromAnyMenu)
{
    for (const char* menu : {"", "Command7", "Command8"}) {
        Harness app;
        app.enterName();
        QString exit = QStringLiteral("Command6");
        if (*menu) {
            app.click(QString::fromLatin1(menu));
            exit = QString::fromLatin1(menu) == QStringLiteral("Command7") ? QStringLiteral("Command5")
                                                                           : QStringLiteral("Command3");
        }
        app.click(exit);
        EXPECT_TRUE(app.registry.hasEnded()) << menu;
        EXPECT_FALSE(app.window.isVisible());
    }
}

TEST(Navigation, ExitWorksBeforeAnyNameAndClosingTheWindowEnds)
{
    Harness first;
    first.click(QStringLiteral("Command6"));
    EXPECT_TRUE(first.registry.hasEnded());

    Harness closing;
    closing.window.close();
    EXPECT_TRUE(closing.registry.hasEnded());
}

}  // namespace
}  // namespace quillo::testing
