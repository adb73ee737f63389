#include "exercises/columns/addition_screen.h"

#include "exercises/columns/column_driving.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace quillo::testing {
namespace {

const QString kOk = QStringLiteral("NewExerciseButton");
const QString kCheck = QStringLiteral("CheckButton");
const QString kEvaluate = QStringLiteral("EvaluateButton");
const QString kTwo = QStringLiteral("Text31");
const QString kThree = QStringLiteral("Text32");

void openAddition(Harness& app)
{
    app.enterName();
    app.click(QStringLiteral("Command4"));
    ASSERT_EQ(app.registry.current(), ScreenId::Addition);
}

// The buttons, then the two choice boxes.
QString states(Harness& app)
{
    return buttonStates(app) + (app.find(kTwo)->isEnabled() ? QStringLiteral("23") : QStringLiteral("--"));
}

void checkAndEvaluate(Harness& app)
{
    app.click(kCheck);
    app.click(kEvaluate);
}

TEST(AdditionScreen, TwoAddendsFromOkToTheScoreboard)
{
    Harness app;
    openAddition(app);
    EXPECT_EQ(app.window.windowTitle(),
              QStringLiteral("vt-pb - Esercitazione di Aritmetica cl. V - Addizioni con due o più addendi"));
    EXPECT_EQ(app.find<Label>(QStringLiteral("Label1"))->text(), QStringLiteral("Numero addendi"));
    EXPECT_EQ(app.find(kThree)->toolTip(), QStringLiteral("Addizione con tre addendi"));

    app.click(kTwo);
    force(app, {999'990, 9, 5});
    app.click(kOk);
    EXPECT_EQ(app.board.presentedCount(ExerciseFamily::Addition), 1);
    EXPECT_EQ(rowText(app, 1), QStringLiteral("999990"));
    EXPECT_EQ(rowText(app, 2), QStringLiteral(".....9"));
    EXPECT_EQ(rowText(app, 3), QStringLiteral("......"));
    EXPECT_EQ(rowText(app, 4), QStringLiteral("______")) << "six empty cells for a six-digit sum";
    EXPECT_EQ(app.find<Label>(QStringLiteral("Label3"))->text(), QStringLiteral("="));
    EXPECT_EQ(QApplication::focusWidget(), app.find(cellName(4, 1))) << "the pupil starts from the units";

    writeRow(app, 4, QStringLiteral("999999"));
    checkAndEvaluate(app);
    EXPECT_EQ(verdictBox(app)->text(), QStringLiteral("Distinto"));
    EXPECT_EQ(verdictBox(app)->textColour(), colour::Blue);
    EXPECT_EQ(app.board.grade(ExerciseFamily::Addition), 9);
}

TEST(AdditionScreen, ThreeAddendsWithAWrongDigitMarkedAndRestored)
{
    Harness app;
    openAddition(app);
    app.click(kThree);
    force(app, {123, 45, 6});
    app.click(kOk);
    EXPECT_EQ(rowText(app, 1), QStringLiteral("...123"));
    EXPECT_EQ(rowText(app, 3), QStringLiteral(".....6"));
    EXPECT_EQ(rowText(app, 4), QStringLiteral("......"));
    EXPECT_EQ(rowText(app, 5), QStringLiteral("...___"));
    EXPECT_EQ(app.find<Label>(QStringLiteral("Label3"))->text(), QStringLiteral("+"));
    EXPECT_EQ(app.find<Label>(QStringLiteral("Label4"))->text(), QStringLiteral("="));

    // Keys never reach the addends, and a sum cell keeps one character.
    app.type(cellName(1, 1), QStringLiteral("7x"));
    app.type(cellName(5, 1), QStringLiteral("44"));
    EXPECT_EQ(rowText(app, 1), QStringLiteral("...123"));
    EXPECT_EQ(rowText(app, 5), QStringLiteral("...__4"));
    writeRow(app, 5, QStringLiteral("184"));
    app.click(kCheck);
    auto* wrong = app.find<DigitCell>(cellName(5, 2));
    EXPECT_EQ(wrong->background(), colour::White);
    EXPECT_EQ(wrong->textColour(), colour::Red);
    EXPECT_FALSE(app.find<DigitCell>(cellName(5, 1))->isMarkedWrong());

    app.type(cellName(5, 2), QStringLiteral("7"));
    EXPECT_EQ(wrong->background(), 0xFBEEDFu) << "the next key restores the typing colours";
    EXPECT_EQ(wrong->textColour(), colour::Blue);
    app.click(kEvaluate);
    EXPECT_EQ(verdictBox(app)->text(), QStringLiteral("Sta' più attento!!!"));
    EXPECT_EQ(verdictBox(app)->textColour(), colour::Blue) << "one error is not shown in red on this screen";
    EXPECT_EQ(app.board.grade(ExerciseFamily::Addition), 6) << "the correction came after the first check";
}

TEST(AdditionScreen, EnableCycle)
{
    Harness app;
    openAddition(app);
    EXPECT_EQ(states(app), QStringLiteral("---23"));
    for (int row = 1; row <= 5; ++row)
        EXPECT_EQ(rowText(app, row), QStringLiteral("......")) << row;
    app.click(kTwo);
    EXPECT_EQ(states(app), QStringLiteral("O--23"));
    force(app, {61, 39, 1});  // 100
    app.click(kOk);
    EXPECT_EQ(states(app), QStringLiteral("-----"));

    writeRow(app, 4, QStringLiteral("10"));
    EXPECT_EQ(states(app), QStringLiteral("-----")) << "only the sum's leftmost cell enables the check";
    writeRow(app, 4, QStringLiteral("110"));
    EXPECT_EQ(states(app), QStringLiteral("-C---"));
    app.click(kCheck);
    EXPECT_EQ(states(app), QStringLiteral("--V--"));
    app.type(cellName(4, 3), QStringLiteral("1"));
    EXPECT_EQ(states(app), QStringLiteral("-CV--")) << "the leftmost cell brings the check back";
    app.click(kCheck);
    EXPECT_EQ(states(app), QStringLiteral("-CV--"));
    app.click(kEvaluate);
    EXPECT_EQ(states(app), QStringLiteral("-C-23"));
    app.click(kCheck);
    EXPECT_EQ(states(app), QStringLiteral("-C-23")) << "an addition is evaluated once";

    app.click(kThree);
    EXPECT_EQ(states(app), QStringLiteral("O--23")) << "an empty grid has nothing to check";
    EXPECT_EQ(rowText(app, 1), QStringLiteral("______"));
    EXPECT_EQ(rowText(app, 4), QStringLiteral("......"));
    EXPECT_EQ(rowText(app, 5), QStringLiteral("______"));
    app.type(cellName(5, 3), QStringLiteral("1"));
    EXPECT_EQ(states(app), QStringLiteral("O--23"));
}

TEST(AdditionScreen, LeavingAndReturningKeepsTheTally)
{
    Harness app;
    openAddition(app);
    app.click(kTwo);
    force(app, {100, 200, 1});
    app.click(kOk);
    writeRow(app, 4, QStringLiteral("300"));
    checkAndEvaluate(app);
    ASSERT_EQ(app.board.grade(ExerciseFamily::Addition), 9);

    // An addition left on the page is never graded.
    app.click(kThree);
    force(app, {1, 2, 3});
    app.click(kOk);
    writeRow(app, 5, QStringLiteral("6"));
    app.click(kCheck);
    app.click(QStringLiteral("MainMenuButton"));
    app.click(QStringLiteral("Command4"));
    ASSERT_EQ(app.registry.current(), ScreenId::Addition);
    EXPECT_EQ(states(app), QStringLiteral("---23"));
    for (int row = 1; row <= 5; ++row)
        EXPECT_EQ(rowText(app, row), QStringLiteral("......")) << row;

    app.click(kTwo);
    force(app, {10, 20, 1});
    app.click(kOk);
    writeRow(app, 4, QStringLiteral("31"));
    checkAndEvaluate(app);
    EXPECT_EQ(app.board.presentedCount(ExerciseFamily::Addition), 3);
    EXPECT_EQ(app.board.grade(ExerciseFamily::Addition), 7) << "(9 + 6) / 2, the tally kept across visits";
    EXPECT_EQ(static_cast<AdditionScreen*>(app.registry.instance(ScreenId::Addition))->tally().evaluations(), 2);
}

}  // namespace
}  // namespace quillo::testing
