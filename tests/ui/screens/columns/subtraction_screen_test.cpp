#include "ui/screens/columns/subtraction_screen.h"

#include "column_driving.h"

#include <gtest/gtest.h>

namespace quillo::testing {
namespace {

struct SubtractionApp : ColumnApp {
    SubtractionApp() : ColumnApp("subtractionButton") {}
    void present(int minuend, int subtrahend)
    {
        force(*this, {minuend, subtrahend});
        click(kOk);
    }
    void answer(const QString& difference)
    {
        writeRow(*this, "difference", difference);
        click(kCheck);
        click(kEvaluate);
    }
    int grade() const { return board.grade(ExerciseFamily::Subtraction); }
};

TEST(SubtractionScreen, LeadingZerosAreExpectedAndWrongCellsMarked)
{
    SubtractionApp app;
    EXPECT_EQ(app.buttons(), QStringLiteral("O--"));
    app.present(5'000, 4'999);
    EXPECT_EQ(app.buttons(), QStringLiteral("---"));
    EXPECT_EQ(app.row("subtrahend"), QStringLiteral("..4999"));
    EXPECT_EQ(app.row("difference"), QStringLiteral("..____")) << "as many cells as the minuend has digits";

    // Only the units written; even a refused key in the leftmost cell makes
    // the check available.
    writeRow(app, "difference", QStringLiteral("1"));
    EXPECT_EQ(app.buttons(), QStringLiteral("---"));
    app.type(cellName("difference", 4), QStringLiteral("x"));
    EXPECT_EQ(app.buttons(), QStringLiteral("-C-"));
    app.click(kCheck);
    EXPECT_EQ(app.buttons(), QStringLiteral("--V"));
    EXPECT_FALSE(app.cell(cellName("difference", 1))->isMarkedWrong());
    for (int column = 2; column <= 4; ++column) {
        EXPECT_EQ(app.cell(cellName("difference", column))->background(), colour::White) << column;
        EXPECT_EQ(app.cell(cellName("difference", column))->textColour(), colour::Red) << column;
    }
    app.type(cellName("difference", 2), QStringLiteral("0"));
    EXPECT_EQ(app.cell(cellName("difference", 2))->background(), 0xE2F7DBu) << "the next key restores the cell";
    EXPECT_EQ(app.cell(cellName("difference", 2))->textColour(), colour::Blue);
    app.click(kEvaluate);
    EXPECT_EQ(app.verdict()->text(), QStringLiteral("Così non va bene!!!"));
    EXPECT_EQ(app.verdict()->textColour(), colour::Red);
    EXPECT_EQ(app.grade(), 5);
    EXPECT_EQ(app.buttons(), QStringLiteral("OC-"));
}

TEST(SubtractionScreen, ASecondCheckIsNotCountedAndTheTallyOutlivesAVisit)
{
    SubtractionApp app;
    app.present(999'999, 1);
    app.answer(QStringLiteral("999998"));
    ASSERT_EQ(app.grade(), 7);

    app.present(734, 512);
    writeRow(app, "difference", QStringLiteral("223"));
    app.click(kCheck);
    app.type(cellName("difference", 1), QStringLiteral("2"));
    app.type(cellName("difference", 3), QStringLiteral("2"));
    EXPECT_EQ(app.buttons(), QStringLiteral("-CV")) << "the leftmost cell brings the check back";
    app.click(kCheck);
    app.click(kEvaluate);
    EXPECT_EQ(app.verdict()->text(), QStringLiteral("Sta' più attento!!!")) << "the first check's verdict";
    EXPECT_EQ(app.verdict()->textColour(), colour::Red) << "one error is shown in red on this screen";
    EXPECT_EQ(app.grade(), 7) << "checked twice: not counted";

    app.present(20, 15);
    writeRow(app, "difference", QStringLiteral("05"));
    app.click(kCheck);
    app.leaveAndReturn();
    EXPECT_EQ(app.buttons(), QStringLiteral("O--"));
    EXPECT_EQ(app.row("minuend"), QStringLiteral("______"));
    app.type(cellName("difference", 2), QStringLiteral("0"));
    EXPECT_EQ(app.buttons(), QStringLiteral("O--")) << "the subtraction left behind cannot be checked";

    app.present(1'000, 1);
    app.answer(QStringLiteral("0989"));
    EXPECT_EQ(app.board.presentedCount(ExerciseFamily::Subtraction), 4);
    EXPECT_EQ(app.grade(), 6) << "(7 + 6) / 2, the tally kept across visits";
}

}  // namespace
}  // namespace quillo::testing
