#include "core/exercises/columns/subtraction/subtraction_exercise.h"

#include "core/exercises/columns/column_texts.h"
#include "support/scripted_random.h"

#include <gtest/gtest.h>

namespace quillo {
namespace {

using V = VerdictWord;

SubtractionExercise forced(std::initializer_list<int> draws)
{
    ScriptedRandom random;
    for (int value : draws)
        random.push(pick(value));
    SubtractionExercise subtraction;
    subtraction.present(random);
    EXPECT_TRUE(random.exhausted());
    return subtraction;
}

TEST(SubtractionExercise, WorkedExamples)
{
    struct Row {
        int minuend, subtrahend;
        std::string difference;
        int borrows;
        V verdict;
        int grade;
    };
    for (const Row& row : {Row{5'000, 4'999, "0001", 3, V::VeryGood, 9}, Row{54'321, 12'345, "41976", 2, V::Good, 8},
                           Row{100, 1, "099", 1, V::Sufficient, 7}, Row{4'321, 4'321, "0000", 0, V::Sufficient, 7},
                           Row{61'000, 5'432, "55568", 4, V::Excellent, 10},
                           Row{100'000, 99'999, "000001", 5, V::WellDone, 10}}) {
        SCOPED_TRACE(::testing::Message() << row.minuend << " - " << row.subtrahend);
        SubtractionExercise subtraction = forced({row.minuend, row.subtrahend});
        EXPECT_EQ(shown(subtraction.differenceDigits()), row.difference);
        EXPECT_EQ(subtraction.borrowCount(), row.borrows);
        EXPECT_EQ(subtraction.check(written(row.difference)), ColumnMarks{});
        const Evaluation evaluation = subtraction.evaluate().value();
        EXPECT_EQ(evaluation.verdict, row.verdict);
        EXPECT_EQ(evaluation.grade, row.grade);
        EXPECT_FALSE(evaluation.negative);
        EXPECT_EQ(SubtractionExercise::verdictFor(row.borrows, 1), V::BeCareful) << "any error outweighs the borrows";
        EXPECT_EQ(SubtractionExercise::verdictFor(row.borrows, 2), V::NotGood);
    }
    // Only the units of 5,000 − 4,999 written: three empty cells, three errors.
    SubtractionExercise subtraction = forced({5'000, 4'999});
    EXPECT_EQ(countMarked(subtraction.check(written("1"))), 3);
    EXPECT_EQ(subtraction.evaluate()->grade, 5);
    EXPECT_TRUE(SubtractionExercise::isNegative(V::BeCareful)) << "one error is shown in red here";
    // A subtrahend above the minuend is drawn again, the minuend kept.
    EXPECT_EQ(forced({500, 900, 501, 500}).subtrahend(), 500);
}

TEST(SubtractionExercise, TheFirstCheckDecidesAndASecondLeavesItUncounted)
{
    SubtractionExercise subtraction = forced({734, 512});
    subtraction.check(written("223"));
    subtraction.check(written("222"));
    const Evaluation evaluation = subtraction.evaluate().value();
    EXPECT_EQ(evaluation.verdict, V::BeCareful);
    EXPECT_FALSE(evaluation.counts);
    subtraction = forced({734, 512});
    subtraction.check(written("223"));
    EXPECT_TRUE(subtraction.evaluate()->counts);
}

}  // namespace
}  // namespace quillo
