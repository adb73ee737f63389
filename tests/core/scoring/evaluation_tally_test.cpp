#include "core/scoring/evaluation_tally.h"
#include "core/scoring/score_board.h"

#include <gtest/gtest.h>

namespace quillo {
namespace {

using F = ExerciseFamily;

struct TallyRun {
    ScoreBoard board;
    EvaluationTally tally;
    F family = F::Addition;

    void present() { recordPresented(board, family, tally); }
    bool evaluate(int grade, GradeDivisor divisor = GradeDivisor::Evaluations)
    {
        return recordEvaluation(board, family, tally, grade, divisor);
    }
};

TEST(ScoreBoard, StartsEmptyAndZero)
{
    ScoreBoard board;
    EXPECT_TRUE(board.pupilName().empty());
    for (F family : kAllFamilies) {
        EXPECT_EQ(board.grade(family), 0);
        EXPECT_EQ(board.presentedCount(family), 0);
    }
}

TEST(ScoreBoard, CountsAndGradesSaturateInsteadOfWrapping)
{
    ScoreBoard board;
    for (int i = 0; i < 32770; ++i)
        board.notePresented(F::Division);
    EXPECT_EQ(board.presentedCount(F::Division), 32767);
    EXPECT_EQ(board.presentedCount(F::Multiplication), 0);
    board.setGrade(F::Addition, 40000);
    EXPECT_EQ(board.grade(F::Addition), 32767);
    board.setGrade(F::Addition, -40000);
    EXPECT_EQ(board.grade(F::Addition), -32768);
}

TEST(EvaluationTally, GradeIsTheWholePartOfTheMean)
{
    TallyRun run;
    run.present();
    ASSERT_TRUE(run.evaluate(9));
    EXPECT_EQ(run.board.grade(F::Addition), 9);
    run.present();
    ASSERT_TRUE(run.evaluate(6));
    EXPECT_EQ(run.board.grade(F::Addition), 7);  // 15 / 2 = 7.5

    TallyRun three;
    for (int grade : {10, 10, 9}) {
        three.present();
        three.evaluate(grade);
    }
    EXPECT_EQ(three.board.grade(F::Addition), 9);  // 29 / 3
    EXPECT_EQ(three.tally.evaluations(), 3);
    EXPECT_EQ(three.tally.gradeTotal(), 29);
    EXPECT_EQ(three.tally.lastGrade(), 9);
}

TEST(EvaluationTally, PresentingWithoutEvaluatingLeavesTheGrade)
{
    TallyRun run;
    for (int i = 0; i < 3; ++i)
        run.present();
    EXPECT_EQ(run.board.presentedCount(F::Addition), 3);
    EXPECT_EQ(run.board.grade(F::Addition), 0);
}

TEST(EvaluationTally, AnExerciseCountsAtMostOnce)
{
    TallyRun run;
    EXPECT_FALSE(run.evaluate(10)) << "nothing presented yet";
    run.present();
    EXPECT_TRUE(run.evaluate(6));
    EXPECT_FALSE(run.evaluate(10));
    EXPECT_FALSE(run.tally.awaitingEvaluation());
    EXPECT_EQ(run.tally.evaluations(), 1);
    EXPECT_EQ(run.board.grade(F::Addition), 6);
}

TEST(EvaluationTally, LeavingAnExerciseUnevaluatedNeverAddsAStaleGrade)
{
    // A faultless addition after one left on screen must give 9, not 0 or a
    // repeat of an older grade.
    TallyRun fresh;
    fresh.present();
    fresh.present();
    ASSERT_TRUE(fresh.evaluate(9));
    EXPECT_EQ(fresh.board.grade(F::Addition), 9);

    TallyRun graded;
    graded.present();
    graded.evaluate(6);
    graded.present();  // left unevaluated
    graded.present();
    graded.evaluate(10);
    graded.present();
    graded.evaluate(10);
    EXPECT_EQ(graded.tally.evaluations(), 3);
    EXPECT_EQ(graded.board.grade(F::Addition), 8);  // 26 / 3
    EXPECT_EQ(graded.board.presentedCount(F::Addition), 4);
}

TEST(EvaluationTally, FractionConceptDividesByEveryPresentedExercise)
{
    TallyRun run;
    run.family = F::FractionConcept;
    run.present();
    run.evaluate(10, GradeDivisor::PresentedCount);
    run.present();  // skipped: weighs 0
    run.present();
    run.evaluate(5, GradeDivisor::PresentedCount);
    EXPECT_EQ(run.board.grade(F::FractionConcept), 5);  // 15 / 3
}

}  // namespace
}  // namespace quillo
