#include "exercises/columns/addition_exercise.h"
#include "kit/random_source.h"

#include <gtest/gtest.h>

#include <string>

namespace quillo {
namespace {

using V = VerdictWord;

double pick(int value) { return drawing(value, 1, AdditionExercise::kLargest); }

// What the pupil wrote, left to right as on the page.
ColumnTexts written(const std::string& leftToRight)
{
    ColumnTexts cells;
    for (std::size_t i = 0; i < leftToRight.size() && i < cells.size(); ++i)
        cells[i] = std::string(1, leftToRight[leftToRight.size() - 1 - i]);
    return cells;
}

AdditionExercise forced(int addendCount, std::initializer_list<int> draws)
{
    ScriptedRandom random;
    for (int value : draws)
        random.push(pick(value));
    AdditionExercise addition;
    addition.present(random, addendCount);
    return addition;
}

TEST(AdditionExercise, SixNinesFillEverySumColumn)
{
    ScriptedRandom random{pick(999'990), pick(9), pick(7)};
    AdditionExercise addition;
    addition.present(random, 2);
    EXPECT_EQ(random.seeds(), 1) << "every new addition is seeded from the clock";
    EXPECT_EQ(addition.addend(0), 999'990);
    EXPECT_EQ(addition.addend(1), 9);
    EXPECT_EQ(addition.sum(), 999'999);
    EXPECT_EQ(addition.sumLength(), 6);
    EXPECT_EQ(addition.sumDigits(), written("999999"));
    EXPECT_EQ(addition.addendDigits(0), written("999990"));
    EXPECT_EQ(addition.addendDigits(1), written("9")) << "a short addend keeps to the units column";

    EXPECT_EQ(addition.check(written("999999")), ColumnMarks{});
    EXPECT_EQ(addition.verdict(), V::VeryGood);
}

TEST(AdditionExercise, RedrawsTheAddendsUntilTheSumInPlayFits)
{
    // Two addends: 600,000 + 400,000 is too much, the third one does not matter.
    AdditionExercise two = forced(2, {600'000, 400'000, 1, 700'000, 299'999, 500'000});
    EXPECT_EQ(two.addend(0), 700'000);
    EXPECT_EQ(two.addend(1), 299'999);
    EXPECT_EQ(two.sum(), 999'999);

    // Three addends: all three are drawn again together.
    AdditionExercise three = forced(3, {300'000, 300'000, 400'000, 123'456, 654'321, 222'222});
    EXPECT_EQ(three.addend(0), 123'456);
    EXPECT_EQ(three.addend(1), 654'321);
    EXPECT_EQ(three.addend(2), 222'222);
    EXPECT_EQ(three.sum(), 999'999);
    EXPECT_EQ(three.sumDigits(), written("999999"));

    AdditionExercise small = forced(3, {5, 17, 2});
    EXPECT_EQ(small.sum(), 24);
    EXPECT_EQ(small.sumLength(), 2);
    EXPECT_EQ(small.addendDigits(2), written("2"));
}

TEST(AdditionExercise, VerdictAndGradeByErrorsAndAddends)
{
    struct Row {
        int addends;
        int errors;
        V verdict;
        int grade;
        bool negative;
    };
    for (const Row& row : {Row{2, 0, V::VeryGood, 9, false}, Row{2, 1, V::BeCareful, 6, false},
                           Row{2, 2, V::NotGood, 5, true}, Row{2, 6, V::NotGood, 5, true},
                           Row{3, 0, V::WellDone, 10, false}, Row{3, 1, V::BeCareful, 6, false},
                           Row{3, 3, V::NotGood, 5, true}}) {
        SCOPED_TRACE(::testing::Message() << row.addends << " addends, " << row.errors << " errors");
        const V verdict = AdditionExercise::verdictFor(row.addends, row.errors);
        EXPECT_EQ(verdict, row.verdict);
        EXPECT_EQ(AdditionExercise::gradeFor(verdict), row.grade);
        EXPECT_EQ(AdditionExercise::isNegative(verdict), row.negative) << "only the worst verdict is red";
    }
}

TEST(AdditionExercise, EmptySlashAndColonCellsAreWrongAndColumnsBeyondTheSumAreNot)
{
    AdditionExercise addition = forced(2, {1'234, 4'321, 1});  // 5,555
    ColumnTexts answer = written("5/:5");
    answer[4] = "7";  // beyond the sum: never checked
    ColumnMarks wrong{};
    wrong[1] = wrong[2] = true;
    EXPECT_EQ(addition.check(answer), wrong);
    EXPECT_EQ(addition.checks().errorCount(), 2);

    AdditionExercise empty = forced(2, {1'234, 4'321, 1});
    const ColumnMarks marks = empty.check(written("555"));  // the leftmost cell left empty
    EXPECT_TRUE(marks[3]);
    EXPECT_EQ(empty.checks().errorCount(), 1);
    EXPECT_EQ(empty.verdict(), V::BeCareful);
}

TEST(AdditionExercise, OnlyTheFirstCheckCountsAndOnlyOneEvaluation)
{
    AdditionExercise addition = forced(3, {100, 200, 300});  // 600
    EXPECT_FALSE(addition.canEvaluate()) << "nothing to evaluate before a check";
    addition.check(written("501"));
    EXPECT_EQ(addition.checks().errorCount(), 2);
    EXPECT_TRUE(addition.canEvaluate());

    EXPECT_EQ(addition.check(written("600")), ColumnMarks{}) << "the marks follow the cells as they are";
    EXPECT_EQ(addition.checks().checksDone(), 2);
    EXPECT_EQ(addition.checks().errorCount(), 2) << "corrections after the first check do not count";

    const Evaluation first = addition.evaluate();
    EXPECT_EQ(first.verdict, V::NotGood);
    EXPECT_EQ(first.grade, 5);
    EXPECT_TRUE(first.negative);
    EXPECT_TRUE(first.counts) << "an addition checked twice still counts";
    EXPECT_FALSE(addition.canEvaluate());
    EXPECT_FALSE(addition.evaluate().counts) << "an addition is graded once";

    ScriptedRandom next{pick(1), pick(2), pick(3)};
    addition.present(next, 2);
    EXPECT_EQ(addition.checks().checksDone(), 0) << "a new addition starts unchecked";
    EXPECT_FALSE(addition.canEvaluate());
}

TEST(AdditionExercise, ManyDrawsStayInRangeAndTheirDigitsRebuildTheNumbers)
{
    ClockRandom random;
    random.seedFromClock();
    AdditionExercise addition;
    for (int draw = 0; draw < 4000; ++draw) {
        const int count = 2 + draw % 2;
        addition.present(random, count);
        long long total = 0;
        for (int i = 0; i < count; ++i) {
            const int addend = addition.addend(i);
            ASSERT_GE(addend, 1);
            ASSERT_LE(addend, 999'999);
            total += addend;
            // Read the digits back as the page shows them, left to right.
            std::string shown;
            for (int column = kPlaceColumns; column >= 1; --column)
                shown += addition.addendDigits(i)[column - 1];
            ASSERT_EQ(shown, std::to_string(addend));
        }
        ASSERT_LE(total, 999'999);
        ASSERT_EQ(addition.sum(), total);
        std::string sum;
        for (int column = kPlaceColumns; column >= 1; --column)
            sum += addition.sumDigits()[column - 1];
        ASSERT_EQ(sum, std::to_string(total));
        ASSERT_EQ(addition.sumLength(), static_cast<int>(sum.size()));

        ASSERT_EQ(addition.check(written(std::to_string(total))), ColumnMarks{});
        ASSERT_EQ(addition.verdict(), count == 3 ? V::WellDone : V::VeryGood);
    }
}

}  // namespace
}  // namespace quillo
