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

// A faultless division earns the word of its quotient length, and the
// remainder's lead cell is as far left as it has digits.
TEST(DivisionExercise, AFaultlessDivisionEarnsTheWordOfItsQuotientLength)
{
    const std::tuple<int, int, V, int, int> rows[] = {
        // dividend, divisor, word, grade, digits of the remainder
        {97, 12, V::Sufficient, 7, 1},     // 8 r 1
        {999, 23, V::Good, 8, 2},          // 43 r 10
        {7568, 23, V::VeryGood, 9, 1},     // 329 r 1
        {99999, 11, V::Excellent, 10, 1},  // 9090 r 9
        {999999, 97, V::WellDone, 10, 2},  // 10309 r 26
    };
    for (const auto& [dividend, divisor, word, grade, remainderDigits] : rows) {
        DivisionExercise d = forced(dividend, divisor);
        const int L = d.quotientLength();
        EXPECT_TRUE(d.isRemainderLead(L, remainderDigits)) << dividend << " : " << divisor;
        EXPECT_FALSE(d.isRemainderLead(L, remainderDigits + 1)) << dividend << " : " << divisor;
        d.check(rightAnswer(d));
        EXPECT_EQ(d.checks().errorCount(), 0) << dividend << " : " << divisor;
        EXPECT_EQ(d.verdict(), word) << dividend << " : " << divisor;
        EXPECT_EQ(d.evaluate()->grade, grade) << dividend << " : " << divisor;
    }
}

// The quotients and step rows of the draws are worked again by hand on every
// sheet's key; the few sheets cannot show the divisor's range ends, nor that
// every quotient length turns up.
TEST(DivisionExercise, ManyDrawsReachBothEndsOfTheDivisorAndEveryQuotientLength)
{
    ClockRandom random;
    std::set<int> divisors;
    std::set<int> lengths;
    DivisionExercise d;
    for (int digits = 2; digits <= 6; ++digits) {
        d.selectDividendDigits(digits);
        for (int draw = 0; draw < 1500; ++draw) {
            d.newDivision(random);
            divisors.insert(d.divisor());
            lengths.insert(d.quotientLength());
        }
    }
    EXPECT_EQ(*divisors.begin(), 11);
    EXPECT_EQ(*divisors.rbegin(), 99);
    EXPECT_EQ(lengths, (std::set<int>{1, 2, 3, 4, 5}));
}

}  // namespace
}  // namespace quillo
