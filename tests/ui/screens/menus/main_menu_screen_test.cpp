#include "support/harness.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace quillo::testing {
namespace {

const QString kNameBox = QStringLiteral("nameBox");

// How many of the seven ways out of the main menu are open.
int enabledNavigation(const Harness& app)
{
    int enabled = 0;
    for (const char* name : {"divisionButton", "reportButton", "multiplicationButton", "additionButton",
                             "subtractionButton", "fractionsMenuButton", "decimalsMenuButton"})
        enabled += app.find<Button>(QString::fromLatin1(name))->isEnabled() ? 1 : 0;
    return enabled;
}

// The name box of the first visit against the caption of a return visit.
QString shown(const Harness& app)
{
    QString visible;
    for (const char* name : {"nameBox", "namePrompt", "pupilCaption", "pupilName"})
        visible += app.find(QString::fromLatin1(name))->isVisible() ? u'1' : u'0';
    return visible;
}

TEST(MainMenuScreen, FirstVisitWaitsForAKeyInTheNameBoxAndAReturnVisitShowsTheName)
{
    Harness app;
    EXPECT_EQ(enabledNavigation(app), 0);
    EXPECT_EQ(shown(app), QStringLiteral("1100"));
    EXPECT_EQ(QApplication::focusWidget(), app.find(kNameBox));
    app.key(kNameBox, Qt::Key_Backspace);
    EXPECT_EQ(enabledNavigation(app), 7) << "any key enables them, Backspace included";
    EXPECT_EQ(app.board.pupilName(), "");

    app.enterName(QStringLiteral("Marco"));
    app.click(QStringLiteral("fractionsMenuButton"));
    app.click(QStringLiteral("mainMenuButton"));
    ASSERT_EQ(app.registry.current(), ScreenId::MainMenu);
    EXPECT_EQ(shown(app), QStringLiteral("0011"));
    EXPECT_EQ(app.find<Label>(QStringLiteral("pupilName"))->text(), QStringLiteral("Marco"));
    EXPECT_EQ(enabledNavigation(app), 7);
}

// At forty characters the next key starts a new name.
TEST(MainMenuScreen, TheFortyFirstCharacterStartsANewName)
{
    Harness app;
    app.type(kNameBox, QString(40, QLatin1Char('a')));
    EXPECT_EQ(app.board.pupilName(), std::string(40, 'a'));
    app.type(kNameBox, QStringLiteral("Z"));
    EXPECT_EQ(app.find<TextBox>(kNameBox)->text(), QStringLiteral("Z"));
    EXPECT_EQ(app.board.pupilName(), "Z");
}

}  // namespace
}  // namespace quillo::testing
