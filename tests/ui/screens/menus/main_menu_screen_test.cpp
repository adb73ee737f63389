#include "support/harness.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

namespace quillo::testing {
namespace {

const QStringList kNavigation = {
    QStringLiteral("divisionButton"), QStringLiteral("reportButton"),        QStringLiteral("multiplicationButton"),
    QStringLiteral("additionButton"), QStringLiteral("subtractionButton"),   QStringLiteral("fractionsMenuButton"),
    QStringLiteral("decimalsMenuButton")};

int enabledNavigation(const Harness& app)
{
    int enabled = 0;
    for (const QString& name : kNavigation)
        enabled += app.find<Button>(name)->isEnabled() ? 1 : 0;
    return enabled;
}

TEST(MainMenuScreen, FirstVisitWaitsForAKeyInTheNameBox)
{
    Harness app;
    EXPECT_EQ(app.window.windowTitle(), QStringLiteral("tv-pb - Esercitazione di Aritmetica cl. V - Menu principale"));
    EXPECT_EQ(enabledNavigation(app), 0);
    EXPECT_TRUE(app.find<Button>(QStringLiteral("exitButton"))->isEnabled()) << "exit is always there";
    EXPECT_TRUE(app.find<TextBox>(QStringLiteral("nameBox"))->isVisible());
    EXPECT_TRUE(app.find<Label>(QStringLiteral("namePrompt"))->isVisible());
    EXPECT_FALSE(app.find<Label>(QStringLiteral("pupilCaption"))->isVisible());
    EXPECT_FALSE(app.find<Label>(QStringLiteral("pupilName"))->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), app.find(QStringLiteral("nameBox")));

    app.key(QStringLiteral("nameBox"), Qt::Key_Backspace);
    EXPECT_EQ(enabledNavigation(app), 7) << "any key enables them, Backspace included";
    EXPECT_EQ(app.board.pupilName(), "");
}

TEST(MainMenuScreen, NameIsStoredAtEveryKeyRelease)
{
    Harness app;
    app.enterName(QStringLiteral("Lucia Bianchi V B"));
    EXPECT_EQ(app.board.pupilName(), "Lucia Bianchi V B");
    for (int i = 0; i < 17; ++i)
        app.key(QStringLiteral("nameBox"), Qt::Key_Backspace);
    EXPECT_EQ(app.board.pupilName(), "");
    EXPECT_EQ(enabledNavigation(app), 7);
}

TEST(MainMenuScreen, TheFortyFirstCharacterStartsANewName)
{
    Harness app;
    app.enterName(QString(40, QLatin1Char('a')));
    EXPECT_EQ(app.board.pupilName(), std::string(40, 'a'));
    app.type(QStringLiteral("nameBox"), QStringLiteral("Z"));
    EXPECT_EQ(app.find<TextBox>(QStringLiteral("nameBox"))->text(), QStringLiteral("Z"));
    EXPECT_EQ(app.board.pupilName(), "Z");
}

TEST(MainMenuScreen, PastedNamesKeepToFortyCharacters)
{
    Harness app;
    QGuiApplication::clipboard()->setText(QString(100, QLatin1Char('x')));
    app.key(QStringLiteral("nameBox"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(app.find<TextBox>(QStringLiteral("nameBox"))->text().size(), 40);
    EXPECT_EQ(app.board.pupilName(), std::string(40, 'x'));
}

TEST(MainMenuScreen, ReturnVisitShowsTheNameAndOpensEverything)
{
    Harness app;
    app.enterName(QStringLiteral("Marco"));
    app.click(QStringLiteral("fractionsMenuButton"));
    ASSERT_EQ(app.registry.current(), ScreenId::FractionsMenu);
    app.click(QStringLiteral("mainMenuButton"));
    ASSERT_EQ(app.registry.current(), ScreenId::MainMenu);

    EXPECT_FALSE(app.find<TextBox>(QStringLiteral("nameBox"))->isVisible());
    EXPECT_FALSE(app.find<Label>(QStringLiteral("namePrompt"))->isVisible());
    EXPECT_TRUE(app.find<Label>(QStringLiteral("pupilCaption"))->isVisible());
    EXPECT_EQ(app.find<Label>(QStringLiteral("pupilName"))->text(), QStringLiteral("Marco"));
    EXPECT_EQ(enabledNavigation(app), 7);
}

}  // namespace
}  // namespace quillo::testing
