#include "ui/screens/columns/addition_screen.h"

#include "column_driving.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace quillo::testing {
namespace {

const QString kTwo = QStringLiteral("twoAddends");
const QString kThree = QStringLiteral("threeAddends");

struct AdditionApp : ColumnApp {
    AdditionApp() : ColumnApp("additionButton") {}
    // The buttons, then the two choice boxes.
    QString states() const { return buttons() + (enabled(kTwo) ? QStringLiteral("23") : QStringLiteral("--")); }
};

TEST(AdditionScreen, TwoAndThreeAddendsShownWrittenAndMarked)
{
    AdditionApp app;
    app.click(kTwo);
    force(app, {999'990, 9, 5});
    app.click(kOk);
    EXPECT_EQ(app.row("addend1"), QStringLiteral("999990"));
    EXPECT_EQ(app.row("addend2"), QStringLiteral(".....9"));
    EXPECT_EQ(app.row("addend3"), QStringLiteral("......"));
    EXPECT_EQ(app.row("sumOfTwo"), QStringLiteral("______")) << "six empty cells for a six-digit sum";
    EXPECT_EQ(QApplication::focusWidget(), app.find(cellName("sumOfTwo", 1))) << "the pupil starts from the units";
    writeRow(app, "sumOfTwo", QStringLiteral("999999"));
    app.click(kCheck);
    app.click(kEvaluate);
    EXPECT_EQ(app.verdict()->text(), QStringLiteral("Distinto"));
    EXPECT_EQ(app.board.grade(ExerciseFamily::Addition), 9);

    app.click(kThree);
    force(app, {123, 45, 6});
    app.click(kOk);
    EXPECT_EQ(app.row("addend3"), QStringLiteral(".....6"));
    EXPECT_EQ(app.row("sumOfThree"), QStringLiteral("...___"));
    app.type(cellName("addend1", 1), QStringLiteral("7"));
    app.type(cellName("sumOfThree", 1), QStringLiteral("44"));
    EXPECT_EQ(app.row("addend1"), QStringLiteral("...123")) << "keys never reach the addends";
    EXPECT_EQ(app.row("sumOfThree"), QStringLiteral("...__4")) << "a sum cell keeps one character";
    writeRow(app, "sumOfThree", QStringLiteral("184"));
    app.click(kCheck);
    DigitCell* wrong = app.cell(cellName("sumOfThree", 2));
    EXPECT_TRUE(wrong->isMarkedWrong());
    EXPECT_FALSE(app.cell(cellName("sumOfThree", 1))->isMarkedWrong());
    app.type(cellName("sumOfThree", 2), QStringLiteral("7"));
    EXPECT_EQ(wrong->background(), 0xFBEEDFu) << "the next key restores the typing colours";
    EXPECT_EQ(wrong->textColour(), colour::Blue);
}

TEST(AdditionScreen, EnableCycle)
{
    AdditionApp app;
    EXPECT_EQ(app.states(), QStringLiteral("---23"));
    app.click(kTwo);
    EXPECT_EQ(app.states(), QStringLiteral("O--23"));
    force(app, {61, 39, 1});  // 100
    app.click(kOk);
    EXPECT_EQ(app.states(), QStringLiteral("-----"));
    writeRow(app, "sumOfTwo", QStringLiteral("10"));
    EXPECT_EQ(app.states(), QStringLiteral("-----")) << "only the sum's leftmost cell enables the check";
    writeRow(app, "sumOfTwo", QStringLiteral("110"));
    EXPECT_EQ(app.states(), QStringLiteral("-C---"));
    app.click(kCheck);
    EXPECT_EQ(app.states(), QStringLiteral("--V--"));
    app.type(cellName("sumOfTwo", 3), QStringLiteral("1"));
    EXPECT_EQ(app.states(), QStringLiteral("-CV--")) << "the leftmost cell brings the check back";
    app.click(kEvaluate);
    EXPECT_EQ(app.states(), QStringLiteral("-C-23"));
    app.click(kCheck);
    EXPECT_EQ(app.states(), QStringLiteral("-C-23")) << "an addition is evaluated once";
    app.click(kThree);
    EXPECT_EQ(app.states(), QStringLiteral("O--23"));
    app.type(cellName("sumOfThree", 3), QStringLiteral("1"));
    EXPECT_EQ(app.states(), QStringLiteral("O--23")) << "an empty grid has nothing to check";
}

}  // namespace
}  // namespace quillo::testing
