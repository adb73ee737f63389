#include "ui/screens/columns/division_screen.h"

#include "column_driving.h"

#include <gtest/gtest.h>

#include <QTest>

namespace quillo::testing {
namespace {

// Step row k starts in column k; every row ends in column 6, the units.
QString stepCell(int row, int column) { return QStringLiteral("stepRow%1Digit%2").arg(row).arg(7 - column); }
QString remainderMark(int row) { return QStringLiteral("remainderMark%1").arg(row); }
QString selector(int digits) { return QStringLiteral("dividendLength%1").arg(digits); }

struct DivisionApp : ColumnApp {
    DivisionApp() : ColumnApp("divisionButton") {}

    void present(int dividend, int divisor)
    {
        forceDivision(*this, dividend, divisor);
        click(kOk);
    }
    QString textOf(const QString& name) const
    {
        if (auto* box = page().findChild<TextBox*>(name))
            return box->text();
        return find<Label>(name)->text();
    }
    int grade() const { return board.grade(ExerciseFamily::Division); }
};

TEST(DivisionScreen, DivisionsFromTheSelectorToTheGrade)
{
    DivisionApp app;
    EXPECT_EQ(app.find(selector(4))->accessibleName(), QStringLiteral("4")) << "its caption; the range is its tooltip";
    EXPECT_EQ(app.buttons(), QStringLiteral("---"));
    app.present(7568, 23);
    QString operands;
    for (int index = 5; index >= 1; --index)
        operands += app.textOf(cellName("dividend", index));
    for (int index = 2; index >= 1; --index)
        operands += app.textOf(cellName("divisor", index));
    EXPECT_EQ(operands, QStringLiteral("756823")) << "the dividend right-aligned, then the divisor";
    EXPECT_EQ(app.buttons(), QStringLiteral("---")) << "OK cannot be pressed twice in a row";
    EXPECT_FALSE(app.enabled(selector(3)));

    // 329 r 1, written out as in the exercise book.
    for (const auto& [name, digit] : {std::pair{cellName("quotient", 1), "3"}, {cellName("quotient", 2), "2"}, {cellName("quotient", 3), "9"}, {stepCell(1, 4), "6"},
                                      {stepCell(1, 5), "6"}, {stepCell(2, 4), "2"}, {stepCell(2, 5), "0"},
                                      {stepCell(2, 6), "8"}, {stepCell(3, 6), "1"}})
        app.type(name, QString::fromLatin1(digit));
    EXPECT_EQ(app.textOf(remainderMark(3)) + app.textOf(remainderMark(2)), QStringLiteral("r"));
    app.click(kCheck);
    app.click(kEvaluate);
    EXPECT_EQ(app.verdict()->text(), QStringLiteral("Distinto"));
    EXPECT_EQ(app.verdict()->textColour(), colour::Blue);
    EXPECT_EQ(app.grade(), 9);
    EXPECT_EQ(app.buttons(), QStringLiteral("-C-"));
    EXPECT_TRUE(app.enabled(selector(2)));

    // A selector empties the page; 97 : 12 = 8 r 1, written with two errors.
    app.present(97, 12);
    EXPECT_EQ(app.verdict()->text(), QString());
    EXPECT_EQ(app.textOf(remainderMark(3)), QString());
    EXPECT_TRUE(app.cell(cellName("quotient", 2))->isReadOnly()) << "quotient cells past L are locked";
    EXPECT_TRUE(app.cell(stepCell(2, 6))->isReadOnly()) << "unused step rows are locked";
    app.type(cellName("quotient", 1), QStringLiteral("7"));
    app.type(stepCell(1, 5), QStringLiteral("5"));
    app.type(stepCell(1, 6), QStringLiteral("1"));
    app.click(kCheck);
    EXPECT_TRUE(app.cell(cellName("quotient", 1))->isMarkedWrong());
    EXPECT_TRUE(app.cell(stepCell(1, 5))->isMarkedWrong());
    EXPECT_FALSE(app.cell(stepCell(1, 6))->isMarkedWrong());
    app.click(kEvaluate);
    EXPECT_EQ(app.verdict()->text(), QStringLiteral("Così non va bene!!!"));
    EXPECT_EQ(app.verdict()->textColour(), colour::Red);

    // A division left on the page is withdrawn and never graded.
    app.present(97, 12);
    app.leaveAndReturn();
    app.type(stepCell(1, 6), QStringLiteral("1"));
    EXPECT_EQ(app.textOf(remainderMark(1)), QString()) << "the division left behind is gone";
    EXPECT_EQ(app.buttons(), QStringLiteral("---"));
    EXPECT_EQ(app.board.presentedCount(ExerciseFamily::Division), 3);
    EXPECT_EQ(app.grade(), 7) << "(9 + 5) / 2: the one left behind is never graded";
}

TEST(DivisionScreen, TheFinalRemainderShowsItsMarkAndAllowsTheCheck)
{
    struct Case {
        int dividend, divisor, row, lead, other;
    };
    const Case cases[] = {
        {7568, 23, 3, 6, 5},    // 329 r 1: the mark comes from column 6
        {7580, 23, 3, 5, 6},    // 329 r 13: from column 5
        {97, 12, 1, 6, 5},      // 8 r 1
        {95, 12, 1, 5, 6},      // 7 r 11
        {999999, 11, 5, 6, 5},  // 90909 r 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dividend);
        DivisionApp app;
        app.present(c.dividend, c.divisor);
        app.type(stepCell(c.row, c.other), QStringLiteral("1"));
        EXPECT_EQ(app.textOf(remainderMark(c.row)), QString()) << "not from the other column";
        EXPECT_FALSE(app.enabled(kCheck));
        // A refused key still shows the mark but leaves nothing to check.
        app.type(stepCell(c.row, c.lead), QStringLiteral("x"));
        EXPECT_EQ(app.textOf(remainderMark(c.row)), QStringLiteral("r"));
        EXPECT_FALSE(app.enabled(kCheck));
        app.type(stepCell(c.row, c.lead), QStringLiteral("0"));
        EXPECT_TRUE(app.enabled(kCheck));
    }
}

TEST(DivisionScreen, ThePenDrawsInItsStripAndStopsOutsideIt)
{
    DivisionApp app;
    Page& page = app.page();
    const auto px = [&](int x, int y) { return page.toPixels({x, y}).toPoint(); };

    QTest::mousePress(&page, Qt::LeftButton, {}, px(400, 900));
    QTest::mouseMove(&page, px(1000, 900));
    QTest::mouseMove(&page, px(1600, 900));
    EXPECT_EQ(page.strokeCount(), 2);
    EXPECT_EQ(fromQColor(page.grab().toImage().pixelColor(px(1300, 900))), colour::Blue);
    QTest::mouseMove(&page, px(2000, 1300));  // below the strip: the stroke ends
    QTest::mouseMove(&page, px(2200, 900));
    EXPECT_EQ(page.strokeCount(), 2) << "coming back does not resume the stroke";
    QTest::mouseRelease(&page, Qt::LeftButton, {}, px(2200, 900));
}

}  // namespace
}  // namespace quillo::testing
