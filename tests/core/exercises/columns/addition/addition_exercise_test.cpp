#include "core/exercises/columns/addition/addition_exercise.h"

#include "core/exercises/columns/column_texts.h"
#include "support/scripted_random.h"

#include <gtest/gtest.h>

namespace quillo {
namespace {

using V = VerdictWord;

AdditionExercise forced(int addendCount, std::initializer_list<int> draws)
{
    ScriptedRandom random;
    for (int value : draws)
        random.push(pick(value));
    AdditionExercise addition;
    addition.present(random, addendCount);
    return addition;
}

TEST(AdditionExercise, WorkedExampleAndRedrawsUntilTheSumFits)
{
    const AdditionExercise addition = forced(2, {999'990, 9, 7});
    EXPECT_EQ(shown(addition.sumDigits()), "999999");
    EXPECT_EQ(addition.sumLength(), 6);
    EXPECT_EQ(addition.addendDigits(1), written("9")) << "a short addend keeps to the units column";
    // 600,000 + 400,000 is too much: both addends are drawn again.
    EXPECT_EQ(forced(2, {600'000, 400'000, 1, 700'000, 299'999, 5}).addend(0), 700'000);
    EXPECT_EQ(forced(3, {300'000, 300'000, 400'000, 1, 2, 3}).addend(2), 3);
}

TEST(AdditionExercise, VerdictByErrorsAndAddends)
{
    struct Row {
        int addends, errors;
        V verdict;
    };
    for (const Row& row : {Row{2, 0, V::VeryGood}, Row{2, 1, V::BeCareful}, Row{2, 2, V::NotGood},
                           Row{3, 0, V::WellDone}, Row{3, 1, V::BeCareful}, Row{3, 6, V::NotGood}}) {
        const V verdict = AdditionExercise::verdictFor(row.addends, row.errors);
        EXPECT_EQ(verdict, row.verdict) << row.addends << " addends, " << row.errors << " errors";
        EXPECT_EQ(AdditionExercise::isNegative(verdict), row.errors >= 2) << "only the worst verdict is red";
    }
}

TEST(AdditionExercise, OnlyTheFirstCheckCountsAndOnlyOneEvaluation)
{
    AdditionExercise addition = forced(2, {1'234, 4'321, 1});  // 5,555
    EXPECT_FALSE(addition.checks().canEvaluate()) << "nothing to evaluate before a check";
    ColumnTexts answer = written("5/:5");  // "/" and ":" pass the filter but are wrong
    answer[4] = "7";                      // beyond the sum: never checked
    ColumnMarks wrong{};
    wrong[1] = wrong[2] = true;
    EXPECT_EQ(addition.check(answer), wrong);
    wrong = {};
    wrong[3] = true;
    EXPECT_EQ(addition.check(written("555")), wrong) << "an empty cell is wrong";
    EXPECT_EQ(addition.checks().errorCount(), 2) << "corrections after the first check do not count";

    const Evaluation evaluation = addition.evaluate().value();
    EXPECT_EQ(evaluation.verdict, V::NotGood);
    EXPECT_TRUE(evaluation.counts) << "an addition checked twice still counts";
    EXPECT_FALSE(addition.evaluate()) << "an addition is graded once";
    ScriptedRandom next{pick(1'234), pick(4'321)};
    addition.present(next, 2);
    addition.check(written("5555"));
    EXPECT_EQ(addition.evaluate()->verdict, V::VeryGood) << "the next addition is graded afresh";
}

}  // namespace
}  // namespace quillo
