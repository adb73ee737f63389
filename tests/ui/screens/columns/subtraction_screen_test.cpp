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

TEST(SubtractionScreen, LeadingZerosAreExpectedWrongCellsMarkedAndTheTallyOutlivesAVisit)
{
    SubtractionApp app;
    EXPECT_EQ(app.buttons(), QStringLiteral("O--"));
    app.present(1'000, 1);
    app.answer(QStringLiteral("0999"));
    ASSERT_EQ(app.grade(), 7);

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
    for (int column = 1; column <= 4; ++column)
        EXPECT_EQ(app.cell(cellName("difference", column))->isMarkedWrong(), column > 1) << column;
    app.type(cellName("difference", 2), QStringLiteral("0"));
    EXPECT_EQ(app.cell(cellName("difference", 2))->background(), 0xE2F7DBu) << "the next key restores the cell";
    EXPECT_EQ(app.cell(cellName("difference", 2))->textColour(), colour::Blue);
    EXPECT_EQ(app.buttons(), QStringLiteral("--V")) << "only the leftmost cell brings the check back";
    app.type(cellName("difference", 4), QStringLiteral("0"));
    EXPECT_EQ(app.buttons(), QStringLiteral("-CV"));
    app.click(kCheck);
    app.click(kEvaluate);
    EXPECT_EQ(app.verdict()->text(), QStringLiteral("Così non va bene!!!")) << "the first check's verdict";
    EXPECT_EQ(app.verdict()->textColour(), colour::Red);
    EXPECT_EQ(app.grade(), 7) << "checked twice: not counted";
    EXPECT_EQ(app.buttons(), QStringLiteral("OC-"));

    // One left checked on the page is withdrawn with it and never graded.
    app.present(20, 15);
    writeRow(app, "difference", QStringLiteral("05"));
    app.click(kCheck);
    app.leaveAndReturn();
    EXPECT_EQ(app.buttons(), QStringLiteral("O--"));
    EXPECT_EQ(app.row("minuend"), QStringLiteral("______"));
    app.type(cellName("difference", 2), QStringLiteral("0"));
    EXPECT_EQ(app.buttons(), QStringLiteral("O--")) << "the subtraction left behind cannot be checked";

    app.present(5'000, 4'999);
    app.answer(QStringLiteral("0001"));
    EXPECT_EQ(app.board.presentedCount(ExerciseFamily::Subtraction), 4);
    EXPECT_EQ(app.grade(), 8) << "(7 + 9) / 2, the tally kept across visits";
}

}  // namespace
}  // namespace quillo::testing
