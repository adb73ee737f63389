#include "support/harness.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

namespace quillo::testing {
namespace {

const QStringList kNavigation = {QStringLiteral("Command1"), QStringLiteral("Command2"), QStringLiteral("Command3"),
                                 QStringLiteral("Command4"), QStringLiteral("Command5"), QStringLiteral("Command7"),
                                 QStringLiteral("Command8")};

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
    EXPECT_TRUE(app.find<Button>(QStringLiteral("Command6"))->isEnabled()) << "exit is always there";
    EXPECT_TRUE(app.find<TextBox>(QStringLiteral("Text1"))->isVisible());
    EXPECT_TRUE(app.find<Label>(QStringLiteral("Label5"))->isVisible());
    EXPECT_FALSE(app.find<Label>(QStringLiteral("Label10"))->isVisible());
    EXPECT_FALSE(app.find<Label>(QStringLiteral("Label11"))->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), app.find(QStringLiteral("Text1")));

    app.key(QStringLiteral("Text1"), Qt::Key_Backspace);
    EXPECT_EQ(enabledNavigation(app), 7) << "any key enables them, Backspace included";
    EXPECT_EQ(app.board.pupilName(), "");
}

TEST(MainMenuScreen, NameIsStoredAtEveryKeyRelease)
{
    Harness app;
    app.enterName(QStringLiteral("Lucia Bianchi V B"));
    EXPECT_EQ(app.board.pupilName(), "Lucia Bianchi V B");
    for (int i = 0; i < 17; ++i)
        app.key(QStringLiteral("Text1"), Qt::Key_Backspace);
    EXPECT_EQ(app.board.pupilName(), "");
    EXPECT_EQ(enabledNavigation(app), 7);
}

TEST(MainMenuScreen, TheFortyFirstCharacterStartsANewName)
{
    Harness app;
    app.enterName(QString(40, QLatin1Char('a')));
    EXPECT_EQ(app.board.pupilName(), std::string(40, 'a'));
    app.type(QStringLiteral("Text1"), QStringLiteral("Z"));
    EXPECT_EQ(app.find<TextBox>(QStringLiteral("Text1"))->text(), QStringLiteral("Z"));
    EXPECT_EQ(app.board.pupilName(), "Z");
}

TEST(MainMenuScreen, PastedNamesKeepToFortyCharacters)
{
    Harness app;
    QGuiApplication::clipboard()->setText(QString(100, QLatin1Char('x')));
    app.key(QStringLiteral("Text1"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(app.find<TextBox>(QStringLiteral("Text1"))->text().size(), 40);
    EXPECT_EQ(app.board.pupilName(), std::string(40, 'x'));
}

TEST(MainMenuScreen, ReturnVisitShowsTheNameAndOpensEverything)
{
    Harness app;
    app.enterName(QStringLiteral("Marco"));
    app.click(QStringLiteral("Command7"));
    ASSERT_EQ(app.registry.current(), ScreenId::FractionsMenu);
    app.click(QStringLiteral("Command6"));
    ASSERT_EQ(app.registry.current(), ScreenId::MainMenu);

    EXPECT_FALSE(app.find<TextBox>(QStringLiteral("Text1"))->isVisible());
    EXPECT_FALSE(app.find<Label>(QStringLiteral("Label5"))->isVisible());
    EXPECT_TRUE(app.find<Label>(QStringLiteral("Label10"))->isVisible());
    EXPECT_EQ(app.find<Label>(QStringLiteral("Label11"))->text(), QStringLiteral("Marco"));
    EXPECT_EQ(enabledNavigation(app), 7);
}

}  // namespace
}  // namespace quillo::testing
