#include "core/exercises/columns/division/division_exercise.h"

#include "support/scripted_random.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace quillo {
namespace {

constexpr int Q = DivisionExercise::kQuotientRow;
using V = VerdictWord;
using Mark = CellMark;

// Forces dividend : divisor through the real drawing code.
DivisionExercise forced(int dividend, int divisor)
{
    DivisionExercise exercise;
    exercise.selectDividendDigits(static_cast<int>(std::to_string(dividend).size()));
    const int low = exercise.minDividend();
    ScriptedRandom random{drawing(dividend, low, low + exercise.maxDividend() - 1), drawing(divisor, 11, 109)};
    exercise.newDivision(random);
    EXPECT_EQ(std::pair(exercise.dividend(), exercise.divisor()), std::pair(dividend, divisor));
    return exercise;
}

// Every row in index order (the quotient from its first digit, a step row
// from the units column): the digit expected, "_" for an open empty cell,
// "#" for a locked one.
std::string layout(const DivisionExercise& d)
{
    std::string text;
    for (int row : {Q, 1, 2, 3, 4, 5}) {
        text += row == Q ? "" : " ";
        for (int index = 1; index <= DivisionExercise::cellsInRow(row); ++index)
            text += d.isLocked(row, index) ? "#" : d.expectedText(row, index).empty() ? "_" : d.expectedText(row, index);
    }
    return text;
}

std::string& cellOf(DivisionAnswer& answer, int row, int index)
{
    return row == Q ? answer.quotient[index - 1] : answer.steps[row - 1][index - 1];
}
Mark markOf(const DivisionMarks& marks, int row, int index)
{
    return row == Q ? marks.quotient[index - 1] : marks.steps[row - 1][index - 1];
}

// Every cell filled exactly as expected.
DivisionAnswer rightAnswer(const DivisionExercise& d)
{
    DivisionAnswer answer;
    for (int row : {Q, 1, 2, 3, 4, 5})
        for (int index = 1; index <= DivisionExercise::cellsInRow(row); ++index)
            cellOf(answer, row, index) = d.expectedText(row, index);
    return answer;
}

// Each row: the lock map, then the cells as a pupil writes them, the
// quotient digit first and then the partial dividend left to right.
TEST(DivisionExercise, WorkedExamplesLockMapsAndWritingOrder)
{
    const std::tuple<int, int, const char*, const char*> examples[] = {
        // Row 1 holds the remainder 6 and the brought-down 6; the 8 is not brought down yet.
        {7568, 23, "329## #66___ 802__ 1___ ### ##", "3 66 2 208 9 1"},
        {1203, 12, "100## #_____ 3____ 3___ ### ##", "1 0 3 0 3"},
        {1200, 12, "100## #_____ 0____ 0___ ### ##", "1 0 0 0 0"},  // a final remainder 0 is one "0"
        {97, 12, "8#### 1_____ ##### #### ### ##", "8 1"},                  // L = 1
        {999999, 11, "90909 ###9__ ##99_ #9__ 99_ 0_", "9 9 0 99 9 9 0 99 9 0"}, // L = 5
        {11, 11, "1#### 0_____ ##### #### ### ##", "1 0"},
    };
    for (const auto& [dividend, divisor, rows, written] : examples) {
        const DivisionExercise d = forced(dividend, divisor);
        EXPECT_EQ(layout(d), rows) << dividend << " : " << divisor;
        std::string text;
        int lastRow = -1;
        for (const auto& [row, index] : d.writingOrder()) {
            if (!text.empty() && (row == Q || lastRow == Q))
                text += ' ';
            text += d.expectedText(row, index);
            lastRow = row;
        }
        EXPECT_EQ(text, written) << dividend << " : " << divisor;
    }
    EXPECT_TRUE(DivisionExercise().writingOrder().empty()) << "no division, nothing to write";
}

TEST(DivisionExercise, MarkingComparesTextsAndCountingComparesValues)
{
    struct Case {
        int dividend, divisor;
        std::vector<std::tuple<int, int, const char*, Mark>> cells;  // row, index, written, mark
        int errors;
        const char* why;
    };
    const Case cases[] = {
        {7568, 23, {{1, 4, "0", Mark::Right}}, 0, "a leading 0 is neither red nor counted"},
        {7568, 23, {{1, 1, "5", Mark::RedText}, {4, 1, "5", Mark::RedText}}, 0, "locked cells are marked, never counted"},
        {7568, 23, {{1, 2, "", Mark::Counted}, {3, 2, "4", Mark::Counted}, {Q, 2, "7", Mark::Counted}}, 3,
         "an empty cell where 6 is expected, a digit where nothing is"},
        {7580, 23, {{3, 1, "", Mark::Counted}}, 1, "a two-digit remainder half written"},
        {1200, 12, {{3, 1, "", Mark::Counted}}, 1, "an empty cell where 0 is expected"},
        {1200, 12, {{Q, 2, "/", Mark::Counted}}, 1, "a sign for 0 is wrong, though both are worth nothing"},
        {1200, 12, {{Q, 3, ":", Mark::Counted}, {3, 1, ":", Mark::Counted}}, 2, "a division written with : for 0"},
        {1203, 12, {{1, 3, "/", Mark::Counted}}, 1, "a sign where nothing is expected"},
        {1203, 12, {{1, 2, "0", Mark::Right}, {1, 3, "0", Mark::Right}, {2, 2, "0", Mark::Right}}, 0,
         "a zero remainder written out"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        DivisionExercise d = forced(c.dividend, c.divisor);
        DivisionAnswer answer = rightAnswer(d);
        for (const auto& [row, index, written, mark] : c.cells)
            cellOf(answer, row, index) = written;
        const DivisionMarks marks = d.check(answer);
        for (const auto& [row, index, written, mark] : c.cells)
            EXPECT_EQ(markOf(marks, row, index), mark) << row << ", " << index;
        EXPECT_EQ(d.checks().errorCount(), c.errors);
        EXPECT_EQ(d.verdict(), c.errors == 0 ? V::VeryGood : c.errors == 1 ? V::BeCareful : V::NotGood);
    }

    // A second press marks again, but neither counts nor changes the verdict.
    DivisionExercise d = forced(7568, 23);
    DivisionAnswer answer = rightAnswer(d);
    d.check(answer);
    cellOf(answer, Q, 3) = "1";
    EXPECT_EQ(d.check(answer).quotient[2], Mark::RedText);
    EXPECT_EQ(d.checks().errorCount(), 0);
    EXPECT_EQ(d.verdict(), V::VeryGood);
}

TEST(DivisionExercise, TheDividendLengthStaysWithinItsSelectors)
{
    DivisionExercise d;
    for (const auto& [asked, kept] : {std::pair{4, 4}, {9, 6}, {0, 2}, {-3, 2}}) {
        d.selectDividendDigits(asked);
        EXPECT_EQ(d.dividendDigits(), kept) << asked;
        EXPECT_EQ(static_cast<int>(std::to_string(d.minDividend()).size()), kept) << asked;
        EXPECT_EQ(static_cast<int>(std::to_string(d.maxDividend()).size()), kept) << asked;
    }
}

// The step rows' digits are checked against a division worked by hand on
// every sheet's key; here the quotient, the running remainders and the locks.
TEST(DivisionExercise, EveryDrawRebuildsTheLongDivision)
{
    const V faultless[] = {V::Sufficient, V::Good, V::VeryGood, V::Excellent, V::WellDone};
    const int faultlessGrades[] = {7, 8, 9, 10, 10};
    ClockRandom random;
    std::set<int> lengths;
    DivisionExercise d;
    for (int digits = 2; digits <= 6; ++digits) {
        for (int draw = 0; draw < 1500; ++draw) {
            d.selectDividendDigits(digits);
            d.newDivision(random);
            const int dividend = d.dividend(), divisor = d.divisor(), L = d.quotientLength();
            const std::string label = std::to_string(dividend) + " : " + std::to_string(divisor);
            const std::string quotient = std::to_string(dividend / divisor);
            ASSERT_EQ(static_cast<int>(std::to_string(dividend).size()), digits) << label;
            ASSERT_TRUE(divisor >= 11 && divisor <= std::min(99, dividend)) << label;
            ASSERT_EQ(static_cast<int>(quotient.size()), L) << label;
            lengths.insert(L);
            int previous = dividend, scale = 1;
            for (int k = 1; k < L; ++k)
                scale *= 10;
            for (int k = 1; k <= 5; ++k, scale /= 10) {
                ASSERT_EQ(d.expectedText(Q, k), k <= L ? quotient.substr(k - 1, 1) : "") << label;
                for (int j = 1; j <= DivisionExercise::cellsInRow(k); ++j) {
                    const bool empty = d.expectedText(k, j).empty();
                    ASSERT_TRUE(empty || !d.isLocked(k, j)) << label << " row " << k << " index " << j;
                    ASSERT_TRUE(k <= L || (empty && d.isLocked(k, j))) << label << " unused row " << k;
                }
                if (k > L)
                    continue;
                ASSERT_EQ(d.runningRemainder(k), previous - (quotient[k - 1] - '0') * divisor * scale) << label;
                previous = d.runningRemainder(k);
            }
            ASSERT_EQ(d.runningRemainder(L), dividend % divisor) << label;
            ASSERT_TRUE(d.isRemainderLead(L, static_cast<int>(std::to_string(dividend % divisor).size()))) << label;
            d.check(rightAnswer(d));
            ASSERT_EQ(d.checks().errorCount(), 0) << label;
            ASSERT_EQ(d.verdict(), faultless[L - 1]) << label;
            ASSERT_EQ(d.evaluate()->grade, faultlessGrades[L - 1]) << label;
        }
    }
    EXPECT_EQ(lengths, (std::set<int>{1, 2, 3, 4, 5}));
}

}  // namespace
}  // namespace quillo
