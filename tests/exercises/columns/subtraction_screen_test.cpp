#include "exercises/columns/subtraction_screen.h"

#include "exercises/columns/column_driving.h"

#include <gtest/gtest.h>

namespace quillo::testing {
namespace {

const QString kOk = QStringLiteral("NewExerciseButton");
const QString kCheck = QStringLiteral("CheckButton");
const QString kEvaluate = QStringLiteral("EvaluateButton");

void openSubtraction(Harness& app)
{
    app.enterName();
    app.click(QStringLiteral("Command5"));
    ASSERT_EQ(app.registry.current(), ScreenId::Subtraction);
}

void present(Harness& app, int minuend, int subtrahend)
{
    force(app, {minuend, subtrahend});
    app.click(kOk);
}

// Where the three rules start, or -1 when they do not start together.
int rulesLeft(Harness& app)
{
    const auto lines = app.page().lines();
    for (const LineShape* line : lines)
        if (lines.size() != 3 || line->from().x != lines.front()->from().x || line->to().x != 6840)
            return -1;
    return lines.front()->from().x;
}

TEST(SubtractionScreen, LeadingZerosAreExpectedInEveryColumnOfTheMinuend)
{
    Harness app;
    openSubtraction(app);
    EXPECT_EQ(app.window.windowTitle(),
              QStringLiteral("vt-pb - Esercitazione di Aritmetica cl. V - Sottrazioni con minuendo entro 999.999"));
    EXPECT_EQ(app.find(QStringLiteral("MainMenuButton"))->toolTip(), QStringLiteral("Apre il meni principale"));
    EXPECT_EQ(buttonStates(app), QStringLiteral("O--"));
    EXPECT_EQ(rowText(app, 3), QStringLiteral("______"));
    EXPECT_EQ(rulesLeft(app), 2040);

    present(app, 5'000, 4'999);
    EXPECT_EQ(app.board.presentedCount(ExerciseFamily::Subtraction), 1);
    EXPECT_EQ(buttonStates(app), QStringLiteral("---"));
    EXPECT_EQ(rowText(app, 1), QStringLiteral("..5000"));
    EXPECT_EQ(rowText(app, 2), QStringLiteral("..4999"));
    EXPECT_EQ(rowText(app, 3), QStringLiteral("..____")) << "as many cells as the minuend has digits";
    EXPECT_EQ(rulesLeft(app), 3240) << "one square left of the minuend's first digit";

    // Only the units written; even a refused key in the leftmost cell makes
    // the check available.
    writeRow(app, 3, QStringLiteral("1"));
    EXPECT_EQ(buttonStates(app), QStringLiteral("---"));
    app.type(cellName(3, 4), QStringLiteral("x"));
    EXPECT_EQ(buttonStates(app), QStringLiteral("-C-"));
    app.click(kCheck);
    EXPECT_EQ(buttonStates(app), QStringLiteral("--V"));
    EXPECT_FALSE(app.find<DigitCell>(cellName(3, 1))->isMarkedWrong());
    for (int column = 2; column <= 4; ++column) {
        EXPECT_EQ(app.find<DigitCell>(cellName(3, column))->background(), colour::White) << column;
        EXPECT_EQ(app.find<DigitCell>(cellName(3, column))->textColour(), colour::Red) << column;
    }
    app.type(cellName(3, 2), QStringLiteral("0"));
    EXPECT_EQ(app.find<DigitCell>(cellName(3, 2))->background(), 0xE2F7DBu) << "the next key restores the cell";
    EXPECT_EQ(app.find<DigitCell>(cellName(3, 2))->textColour(), colour::Blue);

    app.click(kEvaluate);
    EXPECT_EQ(verdictBox(app)->text(), QStringLiteral("Così non va bene!!!"));
    EXPECT_EQ(verdictBox(app)->textColour(), colour::Red);
    EXPECT_EQ(app.board.grade(ExerciseFamily::Subtraction), 5);
    EXPECT_EQ(buttonStates(app), QStringLiteral("OC-"));
}

TEST(SubtractionScreen, ASecondCheckLeavesTheEvaluationUncountedButNotTheNextOne)
{
    Harness app;
    openSubtraction(app);
    present(app, 734, 512);
    writeRow(app, 3, QStringLiteral("223"));
    app.click(kCheck);
    app.type(cellName(3, 3), QStringLiteral("2"));
    EXPECT_EQ(buttonStates(app), QStringLiteral("-CV")) << "the leftmost cell brings the check back";
    app.type(cellName(3, 1), QStringLiteral("2"));
    app.click(kCheck);
    EXPECT_EQ(buttonStates(app), QStringLiteral("-CV"));
    EXPECT_FALSE(app.find<DigitCell>(cellName(3, 1))->isMarkedWrong());
    app.click(kEvaluate);
    EXPECT_EQ(verdictBox(app)->text(), QStringLiteral("Sta' più attento!!!")) << "the first check's verdict";
    EXPECT_EQ(verdictBox(app)->textColour(), colour::Red) << "one error is shown in red on this screen";
    EXPECT_EQ(app.board.grade(ExerciseFamily::Subtraction), 0);
    app.click(kCheck);
    EXPECT_EQ(buttonStates(app), QStringLiteral("OC-")) << "after the verdict, checks only mark";

    present(app, 54'321, 12'345);
    EXPECT_EQ(verdictBox(app)->text(), QString()) << "a new subtraction clears the old verdict";
    writeRow(app, 3, QStringLiteral("41976"));
    app.click(kCheck);
    app.click(kEvaluate);
    EXPECT_EQ(verdictBox(app)->text(), QStringLiteral("Buono"));
    EXPECT_EQ(app.board.grade(ExerciseFamily::Subtraction), 8) << "the family goes on grading";
}

TEST(SubtractionScreen, LeavingAndReturningKeepsTheTally)
{
    Harness app;
    openSubtraction(app);
    present(app, 999'999, 1);
    writeRow(app, 3, QStringLiteral("999998"));
    app.click(kCheck);
    app.click(kEvaluate);
    ASSERT_EQ(app.board.grade(ExerciseFamily::Subtraction), 7);

    present(app, 20, 15);
    writeRow(app, 3, QStringLiteral("05"));
    app.click(kCheck);
    app.click(QStringLiteral("MainMenuButton"));
    app.click(QStringLiteral("Command5"));
    ASSERT_EQ(app.registry.current(), ScreenId::Subtraction);
    EXPECT_EQ(buttonStates(app), QStringLiteral("O--"));
    for (int row = 1; row <= 3; ++row)
        EXPECT_EQ(rowText(app, row), QStringLiteral("______")) << row;
    EXPECT_EQ(rulesLeft(app), 2040);
    app.type(cellName(3, 2), QStringLiteral("0"));
    EXPECT_EQ(buttonStates(app), QStringLiteral("O--")) << "the subtraction left behind cannot be checked";

    present(app, 1'000, 1);
    writeRow(app, 3, QStringLiteral("0989"));
    app.click(kCheck);
    app.click(kEvaluate);
    EXPECT_EQ(app.board.presentedCount(ExerciseFamily::Subtraction), 3);
    EXPECT_EQ(app.board.grade(ExerciseFamily::Subtraction), 6) << "(7 + 6) / 2, the tally kept across visits";
    EXPECT_EQ(static_cast<SubtractionScreen*>(app.registry.instance(ScreenId::Subtraction))->tally().evaluations(), 2);
}

}  // namespace
}  // namespace quillo::testing
