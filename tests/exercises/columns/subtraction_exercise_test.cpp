#include "app/evaluation_tally.h"
#include "app/score_board.h"
#include "exercises/columns/subtraction_exercise.h"
#include "kit/random_source.h"

#include <gtest/gtest.h>

#include <string>

namespace quillo {
namespace {

using V = VerdictWord;

double pick(int value) { return drawing(value, 1, SubtractionExercise::kLargest); }

// What the pupil wrote, left to right as on the page.
ColumnTexts written(const std::string& leftToRight)
{
    ColumnTexts cells;
    for (std::size_t i = 0; i < leftToRight.size() && i < cells.size(); ++i)
        cells[i] = std::string(1, leftToRight[leftToRight.size() - 1 - i]);
    return cells;
}

SubtractionExercise forced(std::initializer_list<int> draws)
{
    ScriptedRandom random;
    for (int value : draws)
        random.push(pick(value));
    SubtractionExercise subtraction;
    subtraction.present(random);
    return subtraction;
}

TEST(SubtractionExercise, LeadingZerosFillTheMinuendsColumns)
{
    SubtractionExercise subtraction = forced({5'000, 4'999});
    EXPECT_EQ(subtraction.difference(), 1);
    EXPECT_EQ(subtraction.differenceDigits(), written("0001"));
    EXPECT_EQ(subtraction.minuendDigits(), written("5000"));
    EXPECT_EQ(subtraction.subtrahendDigits(), written("4999"));
    EXPECT_EQ(subtraction.borrowCount(), 3);

    // Only "1" in the units cell: three empty cells are three errors.
    ColumnMarks wrong{};
    wrong[1] = wrong[2] = wrong[3] = true;
    EXPECT_EQ(subtraction.check(written("1")), wrong);
    EXPECT_EQ(subtraction.checks().errorCount(), 3);
    const Evaluation evaluation = subtraction.evaluate();
    EXPECT_EQ(evaluation.verdict, V::NotGood);
    EXPECT_EQ(evaluation.grade, 5);
    EXPECT_TRUE(evaluation.negative);

    SubtractionExercise same = forced({4'321, 4'321});
    EXPECT_EQ(same.differenceDigits(), written("0000")) << "equal numbers leave a zero in every column";
    EXPECT_EQ(same.borrowCount(), 0);
}

TEST(SubtractionExercise, WorkedExamplesWithTheirBorrows)
{
    struct Row {
        int minuend;
        int subtrahend;
        std::string difference;
        int borrows;
        V verdict;
        int grade;
    };
    for (const Row& row : {Row{54'321, 12'345, "41976", 2, V::Good, 8}, Row{100, 1, "099", 1, V::Sufficient, 7},
                           Row{734, 512, "222", 0, V::Sufficient, 7}, Row{100'000, 99'999, "000001", 5, V::WellDone, 10},
                           Row{5'432, 1'987, "3445", 3, V::VeryGood, 9}, Row{61'000, 5'432, "55568", 4, V::Excellent, 10}}) {
        SCOPED_TRACE(::testing::Message() << row.minuend << " - " << row.subtrahend);
        SubtractionExercise subtraction = forced({row.minuend, row.subtrahend});
        EXPECT_EQ(subtraction.differenceDigits(), written(row.difference));
        EXPECT_EQ(subtraction.borrowCount(), row.borrows);
        EXPECT_EQ(subtraction.check(written(row.difference)), ColumnMarks{});
        const Evaluation evaluation = subtraction.evaluate();
        EXPECT_EQ(evaluation.verdict, row.verdict);
        EXPECT_EQ(evaluation.grade, row.grade);
        EXPECT_FALSE(evaluation.negative);
        EXPECT_TRUE(evaluation.counts);
    }
}

TEST(SubtractionExercise, RedrawsOnlyTheSubtrahendUntilItIsNotLarger)
{
    ScriptedRandom random{pick(500), pick(900), pick(501), pick(500)};
    SubtractionExercise subtraction;
    subtraction.present(random);
    EXPECT_EQ(random.seeds(), 1);
    EXPECT_EQ(subtraction.minuend(), 500);
    EXPECT_EQ(subtraction.subtrahend(), 500);
    EXPECT_TRUE(random.exhausted());
}

TEST(SubtractionExercise, VerdictByBorrowsAndErrors)
{
    const V clean[] = {V::Sufficient, V::Sufficient, V::Good, V::VeryGood, V::Excellent, V::WellDone};
    const int grades[] = {7, 7, 8, 9, 10, 10};
    for (int borrows = 0; borrows <= 5; ++borrows) {
        EXPECT_EQ(SubtractionExercise::verdictFor(borrows, 0), clean[borrows]) << borrows;
        EXPECT_EQ(SubtractionExercise::gradeFor(clean[borrows]), grades[borrows]) << borrows;
        EXPECT_EQ(SubtractionExercise::verdictFor(borrows, 1), V::BeCareful) << borrows;
        EXPECT_EQ(SubtractionExercise::verdictFor(borrows, 2), V::NotGood) << borrows;
        EXPECT_EQ(SubtractionExercise::verdictFor(borrows, 6), V::NotGood) << borrows;
    }
    EXPECT_EQ(SubtractionExercise::gradeFor(V::BeCareful), 6);
    EXPECT_EQ(SubtractionExercise::gradeFor(V::NotGood), 5);
    EXPECT_TRUE(SubtractionExercise::isNegative(V::BeCareful)) << "one error is shown in red here";
    EXPECT_TRUE(SubtractionExercise::isNegative(V::NotGood));
    EXPECT_FALSE(SubtractionExercise::isNegative(V::Sufficient));
}

TEST(SubtractionExercise, TheFirstCheckDecidesAndASecondOneLeavesItUncounted)
{
    SubtractionExercise subtraction = forced({54'321, 12'345});
    ColumnTexts oneSlip = written("41976");
    oneSlip[2] = "8";
    subtraction.check(oneSlip);
    EXPECT_EQ(subtraction.checks().errorCount(), 1);
    EXPECT_EQ(subtraction.check(written("41976")), ColumnMarks{});
    EXPECT_EQ(subtraction.checks().errorCount(), 1) << "the correction does not count";
    const Evaluation evaluation = subtraction.evaluate();
    EXPECT_EQ(evaluation.verdict, V::BeCareful);
    EXPECT_EQ(evaluation.grade, 6);
    EXPECT_FALSE(evaluation.counts) << "checked twice before its evaluation";
    EXPECT_FALSE(subtraction.canEvaluate());
}

TEST(SubtractionExercise, AnUncountedSubtractionDoesNotFreezeTheFamily)
{
    ScoreBoard board;
    EvaluationTally tally;
    auto run = [&](int minuend, int subtrahend, const std::string& answer, int checks) {
        recordPresented(board, ExerciseFamily::Subtraction, tally);
        SubtractionExercise subtraction = forced({minuend, subtrahend});
        for (int i = 0; i < checks; ++i)
            subtraction.check(written(answer));
        const Evaluation evaluation = subtraction.evaluate();
        return evaluation.counts &&
               recordEvaluation(board, ExerciseFamily::Subtraction, tally, evaluation.grade);
    };
    EXPECT_TRUE(run(54'321, 12'345, "41976", 1));  // 8
    EXPECT_FALSE(run(734, 512, "222", 2));
    EXPECT_EQ(board.grade(ExerciseFamily::Subtraction), 8);
    EXPECT_EQ(tally.evaluations(), 1);
    EXPECT_TRUE(run(100, 1, "099", 1)) << "the next subtraction is graded as usual";  // 7
    EXPECT_EQ(tally.evaluations(), 2);
    EXPECT_EQ(board.grade(ExerciseFamily::Subtraction), 7);  // 15 / 2
}

TEST(SubtractionExercise, ManyDrawsKeepTheSubtrahendWithinTheMinuend)
{
    ClockRandom random;
    random.seedFromClock();
    SubtractionExercise subtraction;
    for (int draw = 0; draw < 4000; ++draw) {
        subtraction.present(random);
        const int minuend = subtraction.minuend();
        const int subtrahend = subtraction.subtrahend();
        ASSERT_GE(subtrahend, 1);
        ASSERT_LE(subtrahend, minuend);
        ASSERT_LE(minuend, 999'999);

        // The expected row, left to right, is the difference padded with
        // zeros to the minuend's width.
        const std::string top = std::to_string(minuend);
        std::string expected = std::to_string(minuend - subtrahend);
        expected.insert(0, top.size() - expected.size(), '0');
        std::string shown;
        for (int column = kPlaceColumns; column >= 1; --column)
            shown += subtraction.differenceDigits()[column - 1];
        ASSERT_EQ(shown, expected);

        // Borrows, column by column on the written numbers.
        const std::string bottom = std::string(top.size() - std::to_string(subtrahend).size(), '0') +
                                   std::to_string(subtrahend);
        int borrows = 0;
        for (std::size_t i = 0; i < top.size(); ++i)
            borrows += top[i] < bottom[i] ? 1 : 0;
        ASSERT_EQ(subtraction.borrowCount(), borrows);
        ASSERT_LE(borrows, 5);

        ASSERT_EQ(subtraction.check(written(expected)), ColumnMarks{});
        ASSERT_FALSE(SubtractionExercise::isNegative(subtraction.verdict()));
    }
}

}  // namespace
}  // namespace quillo
