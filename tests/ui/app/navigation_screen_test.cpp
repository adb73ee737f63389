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
        {"fractionsMenuButton", ScreenId::FractionsMenu, "vt-pb - Menu frazioni"},
        {"mainMenuButton", ScreenId::MainMenu, "tv-pb - Esercitazione di Aritmetica cl. V - Menu principale"},
        {"decimalsMenuButton", ScreenId::DecimalsMenu, "vt-pb - Aritmetica cl. V - Menu numeri decimali"},
        {"mainMenuButton", ScreenId::MainMenu, "tv-pb - Esercitazione di Aritmetica cl. V - Menu principale"},
    };
    for (const Step& step : walk) {
        Page* before = &app.page();
        app.click(QString::fromLatin1(step.button));
        EXPECT_EQ(app.registry.current(), step.expected) << step.button;
        EXPECT_EQ(app.window.windowTitle(), QString::fromUtf8(step.caption));
        EXPECT_NE(&app.page(), before) << "every opening builds a fresh page";
        EXPECT_EQ(app.window.findChildren<Page*>().size(), 1) << "exactly one page is shown";
        if (step.expected == ScreenId::FractionsMenu) {
            EXPECT_EQ(app.find<Label>(QStringLiteral("fractionKindsDescription"))->text(),
                      QStringLiteral("Frazioni proprie, improprie, apparenti"));
            EXPECT_EQ(app.find<Label>(QStringLiteral("footer"))->text(), QStringLiteral("vt-pb - Aritmetica V"));
        }
        if (step.expected == ScreenId::DecimalsMenu) {
            EXPECT_EQ(app.find<Button>(QStringLiteral("mainMenuButton"))->toolTip(),
                      QStringLiteral("Apre il menu principale"));
            EXPECT_NE(QApplication::focusWidget(), app.find(QStringLiteral("exitButton")))
                << "a stray Space must not end the run";
        }
    }
    auto* menu = dynamic_cast<MainMenuScreen*>(app.registry.instance(ScreenId::MainMenu));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->menuVisits(), 3);
    EXPECT_EQ(app.window.size(), QSize(951, 687)) << "the window keeps its geometry";
    EXPECT_EQ(app.registry.instance(static_cast<ScreenId>(kScreenCount)), nullptr) << "past the last screen";
    EXPECT_EQ(app.registry.instance(static_cast<ScreenId>(-1)), nullptr);
    EXPECT_EQ(familyOf(ScreenId::GlobalEvaluation), std::nullopt);
}

TEST(Navigation, ExitEndsTheProgramFromAnyMenuAndBeforeAnyNameAsClosingDoes)
{
    struct Way {
        bool named;
        const char* menu;  // empty for the main menu
        bool closed;       // the window closed instead of "exit" pressed
    };
    for (const Way way : {Way{false, "", false}, Way{true, "", false}, Way{true, "fractionsMenuButton", false},
                          Way{true, "decimalsMenuButton", false}, Way{false, "", true}}) {
        SCOPED_TRACE(way.menu);
        Harness app;
        if (way.named)
            app.enterName();
        if (*way.menu)
            app.click(QString::fromLatin1(way.menu));
        if (way.closed)
            app.window.close();
        else
            app.click(QStringLiteral("exitButton"));
        EXPECT_TRUE(app.registry.hasEnded());
        EXPECT_FALSE(app.window.isVisible());
    }
}

}  // namespace
}  // namespace quillo::testing
