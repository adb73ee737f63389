#include "exercises/columns/subtraction_screen.h"
#include "kit/widgets/verdict_box.h"
#include "support/harness.h"

#include <gtest/gtest.h>

namespace quillo::testing {
namespace {

constexpr Colour kSubtractionColour = 0xE2F7DB;
const QString kOk = QStringLiteral("NewExerciseButton");
const QString kCheck = QStringLiteral("CheckButton");
const QString kEvaluate = QStringLiteral("EvaluateButton");

QString cell(int row, int column) { return QStringLiteral("Text%1").arg(6 * (row - 1) + column); }

void openSubtraction(Harness& app)
{
    app.enterName();
    app.click(QStringLiteral("Command5"));
    ASSERT_EQ(app.registry.current(), ScreenId::Subtraction);
}

// Presents exactly this subtraction through the real "OK".
void present(Harness& app, int minuend, int subtrahend)
{
    app.random.push(drawing(minuend, 1, 999'999));
    app.random.push(drawing(subtrahend, 1, 999'999));
    app.click(kOk);
}

// Types the difference, units first.
void writeDifference(Harness& app, const QString& leftToRight)
{
    for (int column = 1; column <= leftToRight.size(); ++column)
        app.type(cell(3, column), leftToRight.at(leftToRight.size() - column));
}

QString rowText(Harness& app, int row)
{
    QString text;
    for (int column = 6; column >= 1; --column) {
        auto* box = app.find<DigitCell>(cell(row, column));
        text += box->isVisibleTo(&app.page()) ? (box->text().isEmpty() ? QStringLiteral("_") : box->text())
                                              : QStringLiteral(".");
    }
    return text;
}

QString states(Harness& app)
{
    QString text;
    for (const QString& name : {kOk, kCheck, kEvaluate})
        text += app.find(name)->isEnabled() ? name.at(0) : QLatin1Char('-');
    return text;
}

VerdictBox* verdict(Harness& app) { return app.find<VerdictBox>(QStringLiteral("VerdictBox")); }

// Where the rules under the subtrahend and the difference start, or -1
// when they do not start together.
int rulesLeft(Harness& app)
{
    const auto lines = app.page().lines();
    if (lines.size() != 3)
        return -1;
    const int left = lines.front()->from().x;
    for (const LineShape* line : lines)
        if (line->from().x != left || line->to().x != 6840 || !line->isVisible())
            return -1;
    return left;
}

TEST(SubtractionScreen, LeadingZerosAreExpectedInEveryColumnOfTheMinuend)
{
    Harness app;
    openSubtraction(app);
    EXPECT_EQ(app.window.windowTitle(),
              QStringLiteral("vt-pb - Esercitazione di Aritmetica cl. V - Sottrazioni con minuendo entro 999.999"));
    EXPECT_EQ(app.find<Label>(QStringLiteral("Instruction"))->text(),
              QStringLiteral("Esegui la seguente sottrazione in colonna"));
    EXPECT_EQ(app.find<Button>(QStringLiteral("MainMenuButton"))->toolTip(), QStringLiteral("Apre il meni principale"));
    EXPECT_EQ(app.find<Button>(kOk)->toolTip(), QStringLiteral("Presenta una nuova sottrazione"));
    EXPECT_EQ(states(app), QStringLiteral("N--"));
    for (int row = 1; row <= 3; ++row)
        EXPECT_EQ(rowText(app, row), QStringLiteral("______")) << row;
    EXPECT_EQ(rulesLeft(app), 2040);

    present(app, 5'000, 4'999);
    EXPECT_EQ(rulesLeft(app), 3240) << "one square left of the minuend's first digit";
    EXPECT_EQ(app.board.presentedCount(ExerciseFamily::Subtraction), 1);
    EXPECT_EQ(states(app), QStringLiteral("---"));
    EXPECT_EQ(rowText(app, 1), QStringLiteral("..5000"));
    EXPECT_EQ(rowText(app, 2), QStringLiteral("..4999"));
    EXPECT_EQ(rowText(app, 3), QStringLiteral("..____")) << "as many cells as the minuend has digits";

    // Only the units written; a refused key in the leftmost cell still makes
    // the check available.
    writeDifference(app, QStringLiteral("1"));
    EXPECT_EQ(states(app), QStringLiteral("---"));
    app.type(cell(3, 4), QStringLiteral("x"));
    EXPECT_EQ(states(app), QStringLiteral("-C-"));
    app.click(kCheck);
    EXPECT_EQ(states(app), QStringLiteral("--E"));
    EXPECT_FALSE(app.find<DigitCell>(cell(3, 1))->isMarkedWrong());
    for (int column = 2; column <= 4; ++column) {
        auto* wrong = app.find<DigitCell>(cell(3, column));
        EXPECT_EQ(wrong->background(), colour::White) << column;
        EXPECT_EQ(wrong->textColour(), colour::Red) << column;
    }
    app.type(cell(3, 2), QStringLiteral("0"));
    EXPECT_EQ(app.find<DigitCell>(cell(3, 2))->background(), kSubtractionColour);
    EXPECT_EQ(app.find<DigitCell>(cell(3, 2))->textColour(), colour::Blue);

    app.click(kEvaluate);
    EXPECT_EQ(verdict(app)->text(), QString::fromUtf8("Così non va bene!!!"));
    EXPECT_EQ(verdict(app)->textColour(), colour::Red);
    EXPECT_EQ(app.board.grade(ExerciseFamily::Subtraction), 5);
    EXPECT_EQ(states(app), QStringLiteral("NC-"));
}

TEST(SubtractionScreen, GradesFollowTheBorrows)
{
    Harness app;
    openSubtraction(app);
    present(app, 54'321, 12'345);
    EXPECT_EQ(rowText(app, 3), QStringLiteral("._____"));
    EXPECT_EQ(rulesLeft(app), 2640);
    writeDifference(app, QStringLiteral("41976"));
    app.click(kCheck);
    app.click(kEvaluate);
    EXPECT_EQ(verdict(app)->text(), QStringLiteral("Buono"));
    EXPECT_EQ(verdict(app)->textColour(), colour::Blue);
    EXPECT_EQ(app.board.grade(ExerciseFamily::Subtraction), 8);

    present(app, 100, 1);
    EXPECT_EQ(verdict(app)->text(), QString()) << "a new subtraction clears the old verdict";
    writeDifference(app, QStringLiteral("199"));
    app.click(kCheck);
    app.click(kEvaluate);
    EXPECT_EQ(verdict(app)->text(), QString::fromUtf8("Sta' più attento!!!"));
    EXPECT_EQ(verdict(app)->textColour(), colour::Red) << "one error is shown in red on this screen";
    EXPECT_EQ(app.board.grade(ExerciseFamily::Subtraction), 7);  // (8 + 6) / 2
}

TEST(SubtractionScreen, ASecondCheckLeavesTheEvaluationUncountedButNotTheNextOne)
{
    Harness app;
    openSubtraction(app);
    present(app, 734, 512);
    writeDifference(app, QStringLiteral("223"));
    app.click(kCheck);
    EXPECT_EQ(states(app), QStringLiteral("--E"));
    app.type(cell(3, 3), QStringLiteral("2"));
    EXPECT_EQ(states(app), QStringLiteral("-CE"));
    app.type(cell(3, 1), QStringLiteral("2"));
    app.click(kCheck);
    EXPECT_EQ(states(app), QStringLiteral("-CE"));
    EXPECT_FALSE(app.find<DigitCell>(cell(3, 1))->isMarkedWrong());
    app.click(kEvaluate);
    EXPECT_EQ(verdict(app)->text(), QString::fromUtf8("Sta' più attento!!!")) << "the first check's verdict";
    EXPECT_EQ(app.board.grade(ExerciseFamily::Subtraction), 0);
    EXPECT_EQ(states(app), QStringLiteral("NC-"));
    app.click(kCheck);
    EXPECT_EQ(states(app), QStringLiteral("NC-")) << "after the verdict, checks only mark";

    present(app, 734, 512);
    writeDifference(app, QStringLiteral("222"));
    app.click(kCheck);
    app.click(kEvaluate);
    EXPECT_EQ(verdict(app)->text(), QStringLiteral("Sufficiente"));
    EXPECT_EQ(app.board.grade(ExerciseFamily::Subtraction), 7) << "the family goes on grading";
    EXPECT_EQ(app.board.presentedCount(ExerciseFamily::Subtraction), 2);
}

TEST(SubtractionScreen, LeavingAndReturningKeepsTheTally)
{
    Harness app;
    openSubtraction(app);
    present(app, 999'999, 1);
    writeDifference(app, QStringLiteral("999998"));
    app.click(kCheck);
    app.click(kEvaluate);
    ASSERT_EQ(app.board.grade(ExerciseFamily::Subtraction), 7);

    present(app, 20, 15);
    writeDifference(app, QStringLiteral("05"));
    app.click(kCheck);
    app.click(QStringLiteral("MainMenuButton"));
    app.click(QStringLiteral("Command5"));
    ASSERT_EQ(app.registry.current(), ScreenId::Subtraction);
    EXPECT_EQ(states(app), QStringLiteral("N--"));
    for (int row = 1; row <= 3; ++row)
        EXPECT_EQ(rowText(app, row), QStringLiteral("______")) << row;
    EXPECT_EQ(rulesLeft(app), 2040);
    app.type(cell(3, 2), QStringLiteral("0"));
    EXPECT_EQ(states(app), QStringLiteral("N--")) << "the subtraction left behind cannot be checked";

    present(app, 1'000, 1);
    writeDifference(app, QStringLiteral("0999"));
    app.click(kCheck);
    app.click(kEvaluate);
    EXPECT_EQ(verdict(app)->text(), QStringLiteral("Sufficiente"));
    EXPECT_EQ(app.board.grade(ExerciseFamily::Subtraction), 7);
    EXPECT_EQ(app.board.presentedCount(ExerciseFamily::Subtraction), 3);
    auto* screen = static_cast<SubtractionScreen*>(app.registry.instance(ScreenId::Subtraction));
    EXPECT_EQ(screen->tally().evaluations(), 2);
    EXPECT_EQ(screen->tally().gradeTotal(), 14);
}

}  // namespace
}  // namespace quillo::testing
