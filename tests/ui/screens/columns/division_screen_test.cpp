#include "ui/screens/columns/division_screen.h"

#include "column_driving.h"

#include <gtest/gtest.h>

#include <QApplication>
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

// 7568 : 23 = 329 r 1 by the keyboard alone: Tab runs from each quotient
// digit to the partial dividend it leaves, never to an empty square; the
// final remainder opens "Controllo", and Space carries the pupil round the
// whole cycle.
TEST(DivisionScreen, DivisionsFromTheSelectorToTheGrade)
{
    DivisionApp app;
    const auto focused = [] { return QApplication::focusWidget(); };
    EXPECT_EQ(app.find(selector(4))->accessibleName(), QStringLiteral("4")) << "its caption; the range is its tooltip";
    EXPECT_EQ(app.buttons(), QStringLiteral("---"));
    ASSERT_TRUE(qobject_cast<ChoiceBox*>(focused())) << "a division page opens on a length to choose";
    app.key(selector(4), Qt::Key_Space);
    EXPECT_EQ(focused(), app.find(kOk)) << "a length chosen, OK comes next";
    app.random.push(drawing(7568, 1001, 1001 + 9999 - 1));
    app.random.push(drawing(23, 11, 109));
    QTest::keyClick(focused(), Qt::Key_Space);
    Harness::settle();
    QString operands;
    for (int index = 5; index >= 1; --index)
        operands += app.textOf(cellName("dividend", index));
    for (int index = 2; index >= 1; --index)
        operands += app.textOf(cellName("divisor", index));
    EXPECT_EQ(operands, QStringLiteral("756823")) << "the dividend right-aligned, then the divisor";
    EXPECT_EQ(app.buttons(), QStringLiteral("---")) << "OK cannot be pressed twice in a row";
    EXPECT_FALSE(app.enabled(selector(3)));

    // Each cell as a screen reader names it, in the order a pupil writes.
    const char* const written[][2] = {
        {"Quoziente, cifra 1", "3"},         {"Resto parziale 1, cifra 3", "6"}, {"Resto parziale 1, cifra 2", "6"},
        {"Quoziente, cifra 2", "2"},         {"Resto parziale 2, cifra 3", "2"}, {"Resto parziale 2, cifra 2", "0"},
        {"Resto parziale 2, cifra 1", "8"},  {"Quoziente, cifra 3", "9"},        {"Resto parziale 3, cifra 1", "1"},
    };
    // The orange outline goes with the keyboard.
    const auto outlined = [](QWidget* widget) {
        return widget->grab().toImage().pixelColor(2, widget->height() / 2) == QColor(0xFF, 0x80, 0x00);
    };
    QWidget* first = focused();
    for (const auto& [cell, digit] : written) {
        ASSERT_EQ(focused()->accessibleName(), QString::fromUtf8(cell));
        EXPECT_TRUE(outlined(focused()));
        QTest::keyClicks(focused(), QString::fromLatin1(digit));
        QTest::keyClick(focused(), Qt::Key_Tab);
    }
    EXPECT_FALSE(outlined(first));
    EXPECT_EQ(app.textOf(remainderMark(3)) + app.textOf(remainderMark(2)), QStringLiteral("r"));
    EXPECT_EQ(focused(), app.find(kCheck)) << "after the last digit, Controllo";
    QTest::keyClick(focused(), Qt::Key_Space);
    EXPECT_EQ(focused(), app.find(kEvaluate)) << "nothing wrong: Valutazione";
    QTest::keyClick(focused(), Qt::Key_Space);
    EXPECT_EQ(app.verdict()->text(), QStringLiteral("Distinto"));
    EXPECT_EQ(app.verdict()->textColour(), colour::Blue);
    EXPECT_EQ(app.grade(), 9);
    EXPECT_EQ(app.buttons(), QStringLiteral("-C-"));
    EXPECT_TRUE(app.enabled(selector(2)));
    EXPECT_EQ(focused(), app.find(selector(4))) << "OK waits for a length: the one chosen";

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

    // A division left on the page is withdrawn with it.
    app.present(97, 12);
    app.leaveAndReturn();
    app.type(stepCell(1, 6), QStringLiteral("1"));
    EXPECT_EQ(app.textOf(remainderMark(1)), QString()) << "the division left behind is gone";
    EXPECT_EQ(app.buttons(), QStringLiteral("---"));
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

}  // namespace
}  // namespace quillo::testing
