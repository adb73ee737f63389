#include "exercises/columns/division_exercise.h"

#include "kit/random_source.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace quillo {
namespace {

using Row = std::vector<std::string>;  // from the right: Row[0] is the units column
constexpr int Q = DivisionExercise::kQuotientRow;

// Forces dividend : divisor through the real drawing code.
DivisionExercise forced(int dividend, int divisor)
{
    DivisionExercise exercise;
    exercise.selectDividendDigits(static_cast<int>(std::to_string(dividend).size()));
    const int low = exercise.minDividend();
    ScriptedRandom random{drawing(dividend, low, low + exercise.maxDividend() - 1), drawing(divisor, 11, 109)};
    exercise.newDivision(random);
    EXPECT_TRUE(random.exhausted());
    EXPECT_EQ(exercise.dividend(), dividend);
    EXPECT_EQ(exercise.divisor(), divisor);
    return exercise;
}

Row expectedRow(const DivisionExercise& exercise, int row)
{
    Row texts;
    for (int index = 1; index <= DivisionExercise::cellsInRow(row); ++index)
        texts.push_back(exercise.expectedText(row, index));
    return texts;
}

std::vector<bool> lockedRow(const DivisionExercise& exercise, int row)
{
    std::vector<bool> locks;
    for (int index = 1; index <= DivisionExercise::cellsInRow(row); ++index)
        locks.push_back(exercise.isLocked(row, index));
    return locks;
}

// Every cell filled exactly as expected.
DivisionAnswer rightAnswer(const DivisionExercise& exercise)
{
    DivisionAnswer answer;
    for (int i = 1; i <= 5; ++i)
        answer.quotient[i - 1] = exercise.expectedText(Q, i);
    for (int k = 1; k <= 5; ++k)
        for (int j = 1; j <= DivisionExercise::cellsInRow(k); ++j)
            answer.steps[k - 1][j - 1] = exercise.expectedText(k, j);
    return answer;
}

TEST(DivisionExercise, WorkedExample7568By23)
{
    const DivisionExercise d = forced(7568, 23);
    EXPECT_EQ(d.quotient(), 329);
    ASSERT_EQ(d.quotientLength(), 3);
    EXPECT_EQ(expectedRow(d, Q), (Row{"3", "2", "9", "", ""}));
    EXPECT_EQ(d.runningRemainder(1), 668);
    EXPECT_EQ(d.runningRemainder(2), 208);
    EXPECT_EQ(d.runningRemainder(3), 1);
    EXPECT_EQ(d.remainderWidth(1), 1);
    EXPECT_EQ(d.remainderWidth(2), 2);
    EXPECT_EQ(d.remainderWidth(3), 1);
    // Columns 4 and 5 hold the remainder 6 and the brought-down 6; the 8 of
    // column 6 is not brought down yet, and its cell is locked.
    EXPECT_EQ(expectedRow(d, 1), (Row{"", "6", "6", "", "", ""}));
    EXPECT_EQ(expectedRow(d, 2), (Row{"8", "0", "2", "", ""}));
    EXPECT_EQ(expectedRow(d, 3), (Row{"1", "", "", ""}));
    EXPECT_EQ(expectedRow(d, 4), (Row{"", "", ""}));
    EXPECT_EQ(expectedRow(d, 5), (Row{"", ""}));
    EXPECT_EQ(lockedRow(d, Q), (std::vector<bool>{false, false, false, true, true}));
    EXPECT_EQ(lockedRow(d, 1), (std::vector<bool>{true, false, false, false, false, false}));
    EXPECT_EQ(lockedRow(d, 2), (std::vector<bool>(5, false)));
    EXPECT_EQ(lockedRow(d, 4), (std::vector<bool>(3, true)));
    EXPECT_EQ(lockedRow(d, 5), (std::vector<bool>(2, true)));
    EXPECT_EQ(d.dividendText(1), "8");
    EXPECT_EQ(d.dividendText(4), "7");
    EXPECT_EQ(d.dividendText(5), "");
    EXPECT_EQ(d.divisorText(1), "3");
    EXPECT_EQ(d.divisorText(2), "2");
    EXPECT_TRUE(d.isRemainderLead(3, 1));
    EXPECT_FALSE(d.isRemainderLead(3, 2));
    EXPECT_FALSE(d.isRemainderLead(2, 1));
}

TEST(DivisionExercise, ZerosInTheQuotientAndInTheRemainders)
{
    const DivisionExercise d = forced(1203, 12);
    EXPECT_EQ(d.quotient(), 100);
    ASSERT_EQ(d.quotientLength(), 3);
    EXPECT_EQ(expectedRow(d, Q), (Row{"1", "0", "0", "", ""}));
    for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(d.runningRemainder(k), 3) << k;
    EXPECT_EQ(expectedRow(d, 1), (Row(6, ""))) << "step row 1 expects nothing in its open cells";
    EXPECT_TRUE(d.isLocked(1, 1));
    EXPECT_EQ(expectedRow(d, 2), (Row{"3", "", "", "", ""}));
    EXPECT_EQ(expectedRow(d, 3), (Row{"3", "", "", ""}));

    // A final remainder 0 is written as one "0", width 1.
    const DivisionExercise exact = forced(1200, 12);
    EXPECT_EQ(exact.runningRemainder(3), 0);
    EXPECT_EQ(exact.remainderWidth(3), 1);
    EXPECT_EQ(expectedRow(exact, 2), (Row{"0", "", "", "", ""}));
    EXPECT_EQ(expectedRow(exact, 3), (Row{"0", "", "", ""}));
    EXPECT_TRUE(exact.isRemainderLead(3, 1));
    EXPECT_EQ(forced(11, 11).quotient(), 1);
    EXPECT_EQ(expectedRow(forced(11, 11), 1), (Row{"0", "", "", "", "", ""}));
}

TEST(DivisionExercise, LockMapForOneAndFiveQuotientDigits)
{
    const DivisionExercise one = forced(97, 12);  // 8 r 1
    ASSERT_EQ(one.quotientLength(), 1);
    EXPECT_EQ(lockedRow(one, Q), (std::vector<bool>{false, true, true, true, true}));
    EXPECT_EQ(lockedRow(one, 1), (std::vector<bool>(6, false)));
    for (int k = 2; k <= 5; ++k)
        EXPECT_EQ(lockedRow(one, k), (std::vector<bool>(7 - k, true))) << k;
    EXPECT_EQ(expectedRow(one, 1), (Row{"1", "", "", "", "", ""}));

    const DivisionExercise five = forced(999999, 11);  // 90909 r 0
    ASSERT_EQ(five.quotientLength(), 5);
    EXPECT_EQ(expectedRow(five, Q), (Row{"9", "0", "9", "0", "9"}));
    EXPECT_EQ(lockedRow(five, Q), (std::vector<bool>(5, false)));
    EXPECT_EQ(lockedRow(five, 1), (std::vector<bool>{true, true, true, false, false, false}));
    EXPECT_EQ(lockedRow(five, 2), (std::vector<bool>{true, true, false, false, false}));
    EXPECT_EQ(lockedRow(five, 3), (std::vector<bool>{true, false, false, false}));
    EXPECT_EQ(lockedRow(five, 4), (std::vector<bool>(3, false)));
    EXPECT_EQ(lockedRow(five, 5), (std::vector<bool>(2, false)));
    EXPECT_EQ(expectedRow(five, 1), (Row{"", "", "", "9", "", ""}));
    EXPECT_EQ(expectedRow(five, 2), (Row{"", "", "9", "9", ""}));
    EXPECT_EQ(expectedRow(five, 3), (Row{"", "9", "", ""}));
    EXPECT_EQ(expectedRow(five, 4), (Row{"9", "9", ""}));
    EXPECT_EQ(expectedRow(five, 5), (Row{"0", ""}));
    EXPECT_EQ(five.remainderWidth(1), 0) << "a zero remainder has no digit of its own";
    EXPECT_TRUE(five.isRemainderLead(5, 1));
}

TEST(DivisionExercise, DrawsAreRedrawnOutOfRangeAndWhenTheDivisorIsLarger)
{
    DivisionExercise d;
    d.selectDividendDigits(2);
    EXPECT_EQ(d.minDividend(), 11);
    EXPECT_EQ(d.maxDividend(), 99);
    // 105 overshoots the range, 104 is no divisor, and 40 > 15 redraws both.
    ScriptedRandom random{drawing(105, 11, 109), drawing(15, 11, 109), drawing(104, 11, 109),
                          drawing(40, 11, 109), drawing(77, 11, 109), drawing(11, 11, 109)};
    d.newDivision(random);
    EXPECT_EQ(random.seeds(), 1) << "every new division reseeds from the clock";
    EXPECT_EQ(d.dividend(), 77);
    EXPECT_EQ(d.divisor(), 11);
    EXPECT_EQ(d.quotient(), 7);

    d.selectDividendDigits(6);
    EXPECT_EQ(d.minDividend(), 100001);
    EXPECT_EQ(d.maxDividend(), 999999);
    EXPECT_FALSE(d.hasDivision()) << "a selector wipes the division on the page";
}

TEST(DivisionExercise, MarkingComparesTextsAndCountingComparesValues)
{
    DivisionExercise d = forced(7568, 23);
    DivisionAnswer answer = rightAnswer(d);
    answer.steps[0][3] = "0";  // step row 1, column 3: a leading zero
    DivisionMarks marks = d.check(answer);
    EXPECT_EQ(marks.steps[0][3], CellMark::Right) << "a leading 0 is neither red nor counted";
    EXPECT_EQ(d.errorCount(), 0);
    EXPECT_EQ(d.verdict(), VerdictWord::VeryGood);

    // Locked cells and unused rows are marked but never counted.
    d = forced(7568, 23);
    answer = rightAnswer(d);
    answer.steps[0][0] = "5";
    answer.steps[3][0] = "5";
    marks = d.check(answer);
    EXPECT_EQ(marks.steps[0][0], CellMark::RedText);
    EXPECT_EQ(marks.steps[3][0], CellMark::RedText);
    EXPECT_EQ(d.errorCount(), 0);

    d = forced(7568, 23);
    answer = rightAnswer(d);
    answer.steps[0][1] = "";   // an empty cell where 6 is expected
    answer.steps[2][1] = "4";  // a digit where nothing is expected
    answer.quotient[1] = "7";
    marks = d.check(answer);
    EXPECT_EQ(marks.steps[0][1], CellMark::Counted);
    EXPECT_EQ(marks.steps[2][1], CellMark::Counted);
    EXPECT_EQ(marks.quotient[1], CellMark::Counted);
    EXPECT_EQ(marks.quotient[0], CellMark::Right);
    EXPECT_EQ(d.errorCount(), 3);
    EXPECT_EQ(d.verdict(), VerdictWord::NotGood);

    // A second press marks again, but neither counts nor changes the verdict.
    answer = rightAnswer(d);
    answer.quotient[2] = "1";
    marks = d.check(answer);
    EXPECT_EQ(d.checksDone(), 2);
    EXPECT_EQ(marks.quotient[2], CellMark::RedText);
    EXPECT_EQ(d.errorCount(), 3);
    EXPECT_EQ(d.verdict(), VerdictWord::NotGood);

    // Two-digit final remainder with its second cell left empty.
    d = forced(7580, 23);  // 329 r 13
    ASSERT_EQ(d.remainderWidth(3), 2);
    answer = rightAnswer(d);
    answer.steps[2][0] = "";
    d.check(answer);
    EXPECT_EQ(d.errorCount(), 1);
    EXPECT_EQ(d.verdict(), VerdictWord::BeCareful);
}

TEST(DivisionExercise, ARequiredZeroAndSignsAreCountedWrong)
{
    // 1200 : 12 = 100 r 0: quotient zeros and a final 0.
    DivisionExercise d = forced(1200, 12);
    DivisionAnswer answer = rightAnswer(d);
    answer.steps[2][0] = "";
    DivisionMarks marks = d.check(answer);
    EXPECT_EQ(marks.steps[2][0], CellMark::Counted) << "an empty cell where 0 is expected";
    EXPECT_EQ(d.verdict(), VerdictWord::BeCareful);

    // A sign in place of a 0 is wrong, though both are worth nothing.
    for (const char* sign : {"/", ":"}) {
        d = forced(1200, 12);
        answer = rightAnswer(d);
        answer.quotient[1] = sign;
        marks = d.check(answer);
        EXPECT_EQ(marks.quotient[1], CellMark::Counted) << sign;
        EXPECT_EQ(d.verdict(), VerdictWord::BeCareful) << sign;

        d = forced(1200, 12);
        answer = rightAnswer(d);
        answer.quotient[2] = sign;
        answer.steps[2][0] = sign;
        d.check(answer);
        EXPECT_EQ(d.errorCount(), 2) << sign;
        EXPECT_EQ(d.verdict(), VerdictWord::NotGood) << "a division written with " << sign << " for 0";

        // Where nothing is expected, a sign in a counted cell is an error too.
        d = forced(1203, 12);
        answer = rightAnswer(d);
        answer.steps[0][2] = sign;
        marks = d.check(answer);
        EXPECT_EQ(marks.steps[0][2], CellMark::Counted) << sign;
        EXPECT_EQ(d.errorCount(), 1) << sign;
    }

    // A zero remainder written out, or left blank, is fine.
    d = forced(1203, 12);
    answer = rightAnswer(d);
    answer.steps[0][1] = "0";
    answer.steps[0][2] = "0";
    answer.steps[1][1] = "0";
    marks = d.check(answer);
    EXPECT_EQ(d.errorCount(), 0);
    EXPECT_EQ(marks.steps[0][1], CellMark::Right);
    EXPECT_EQ(d.verdict(), VerdictWord::VeryGood);
}

TEST(DivisionExercise, VerdictsAndGradesByQuotientLength)
{
    const std::vector<std::pair<int, int>> byLength{{97, 12}, {975, 12}, {7568, 23}, {75680, 23}, {756800, 23}};
    const std::vector<VerdictWord> faultless{VerdictWord::Sufficient, VerdictWord::Good, VerdictWord::VeryGood,
                                             VerdictWord::Excellent, VerdictWord::WellDone};
    const std::vector<int> grades{7, 8, 9, 10, 10};
    for (std::size_t l = 0; l < byLength.size(); ++l) {
        DivisionExercise d = forced(byLength[l].first, byLength[l].second);
        ASSERT_EQ(d.quotientLength(), static_cast<int>(l) + 1);
        DivisionAnswer answer = rightAnswer(d);
        d.check(answer);
        EXPECT_EQ(d.verdict(), faultless[l]) << "L = " << l + 1;
        EXPECT_EQ(DivisionExercise::gradeOf(*d.verdict()), grades[l]);
        EXPECT_FALSE(DivisionExercise::isNegative(*d.verdict()));

        d = forced(byLength[l].first, byLength[l].second);
        answer.quotient[0] = answer.quotient[0] == "1" ? "2" : "1";
        d.check(answer);
        EXPECT_EQ(d.verdict(), VerdictWord::BeCareful) << "one wrong quotient digit, L = " << l + 1;
        EXPECT_EQ(DivisionExercise::gradeOf(*d.verdict()), 6);
        EXPECT_TRUE(DivisionExercise::isNegative(*d.verdict()));
    }
    EXPECT_EQ(DivisionExercise::verdictFor(4, 2), VerdictWord::NotGood);
    EXPECT_EQ(DivisionExercise::gradeOf(VerdictWord::NotGood), 5);
}

TEST(DivisionExercise, AWithdrawnDivisionCanNoLongerBeAnsweredOrChecked)
{
    DivisionExercise d = forced(7568, 23);
    d.withdraw();
    EXPECT_FALSE(d.hasDivision());
    EXPECT_FALSE(d.isLocked(4, 1)) << "an empty page is open everywhere";
    EXPECT_FALSE(d.isRemainderLead(3, 1));
    EXPECT_EQ(d.dividendText(1), "");
    DivisionAnswer answer;
    answer.steps[2][0] = "1";
    const DivisionMarks marks = d.check(answer);
    EXPECT_EQ(marks.steps[2][0], CellMark::Right);
    EXPECT_EQ(d.checksDone(), 0);
    EXPECT_FALSE(d.verdict().has_value());
}

// The division as a pupil writes it: the first partial dividend is the
// shortest head of the dividend that holds the divisor; every step writes
// its remainder with the next digit brought down under that digit's column.
struct Written {
    std::string quotient;
    std::vector<std::map<int, char>> rows;  // per step: index from the right -> digit
};

Written writeOut(int dividend, int divisor)
{
    const std::string digits = std::to_string(dividend);
    const int n = static_cast<int>(digits.size());
    Written out;
    int partial = 0;
    int used = 0;
    while (partial < divisor)
        partial = partial * 10 + (digits[static_cast<std::size_t>(used++)] - '0');
    for (;;) {
        const int q = partial / divisor;
        const int remainder = partial - q * divisor;
        out.quotient += static_cast<char>('0' + q);
        std::map<int, char> row;
        const int next = used < n ? remainder * 10 + (digits[static_cast<std::size_t>(used)] - '0') : remainder;
        const std::string text = std::to_string(next);
        const int units = n - used + (used < n ? 0 : 1);  // index of the column the row ends in
        for (int j = 0; j < static_cast<int>(text.size()); ++j)
            row[units + j] = text[text.size() - 1 - static_cast<std::size_t>(j)];
        out.rows.push_back(row);
        if (used == n)
            break;
        partial = next;
        ++used;
    }
    return out;
}

TEST(DivisionExercise, EveryDrawRebuildsTheLongDivision)
{
    ClockRandom random;
    std::set<int> lengths;
    for (int digits = 2; digits <= 6; ++digits) {
        DivisionExercise d;
        for (int draw = 0; draw < 1500; ++draw) {
            d.selectDividendDigits(digits);
            d.newDivision(random);
            const int dividend = d.dividend();
            const int divisor = d.divisor();
            ASSERT_GE(dividend, d.minDividend());
            ASSERT_LE(dividend, d.maxDividend());
            ASSERT_GE(divisor, 11);
            ASSERT_LE(divisor, std::min(99, dividend));
            const int L = d.quotientLength();
            lengths.insert(L);
            const std::string label = std::to_string(dividend) + " : " + std::to_string(divisor);

            const Written pupil = writeOut(dividend, divisor);
            ASSERT_EQ(static_cast<int>(pupil.quotient.size()), L) << label;
            for (int i = 1; i <= 5; ++i)
                ASSERT_EQ(d.expectedText(Q, i), i <= L ? std::string(1, pupil.quotient[i - 1]) : "") << label;

            int previous = dividend;
            for (int k = 1; k <= L; ++k) {
                int scale = 1;
                for (int e = 0; e < L - k; ++e)
                    scale *= 10;
                ASSERT_EQ(d.runningRemainder(k), previous - (pupil.quotient[k - 1] - '0') * divisor * scale) << label;
                previous = d.runningRemainder(k);
                ASSERT_LE(pupil.rows[k - 1].rbegin()->first, 7 - k) << label << " fits its row";
                for (int j = 1; j <= 7 - k; ++j) {
                    const auto written = pupil.rows[k - 1].find(j);
                    const std::string want = written == pupil.rows[k - 1].end() ? "" : std::string(1, written->second);
                    const std::string got = d.expectedText(k, j);
                    // The program may leave blank a zero remainder that the pupil writes out.
                    ASSERT_TRUE(got == want || (want == "0" && got.empty() && k < L - 1))
                        << label << " row " << k << " index " << j << ": " << got << " vs " << want;
                    if (!got.empty()) {
                        ASSERT_FALSE(d.isLocked(k, j)) << label;
                    }
                }
            }
            ASSERT_EQ(d.runningRemainder(L), dividend % divisor) << label;
            for (int k = L + 1; k <= 5; ++k)
                for (int j = 1; j <= 7 - k; ++j)
                    ASSERT_TRUE(d.isLocked(k, j) && d.expectedText(k, j).empty()) << label;
            const int lead = d.remainderWidth(L);
            ASSERT_EQ(lead, static_cast<int>(std::to_string(dividend % divisor).size())) << label;
            ASSERT_TRUE(d.isRemainderLead(L, lead) && !d.isLocked(L, lead)) << label;

            // The pupil's own writing, zeros and all, is a faultless division.
            DivisionAnswer answer;
            for (int i = 0; i < L; ++i)
                answer.quotient[static_cast<std::size_t>(i)] = std::string(1, pupil.quotient[static_cast<std::size_t>(i)]);
            for (int k = 1; k <= L; ++k) {
                for (const auto& [index, digit] : pupil.rows[static_cast<std::size_t>(k - 1)]) {
                    if (!d.isLocked(k, index))
                        answer.steps[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(index - 1)] =
                            std::string(1, digit);
                }
            }
            const DivisionMarks marks = d.check(answer);
            ASSERT_EQ(d.errorCount(), 0) << label;
            ASSERT_EQ(d.verdict(), DivisionExercise::verdictFor(L, 0)) << label;
            for (const auto& row : marks.steps)
                for (CellMark mark : row)
                    ASSERT_EQ(mark, CellMark::Right) << label;
        }
    }
    EXPECT_EQ(lengths, (std::set<int>{1, 2, 3, 4, 5}));
}

}  // namespace
}  // namespace quillo
