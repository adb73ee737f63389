#include "core/scoring/evaluation_tally.h"
#include "core/scoring/score_board.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace quillo {
namespace {

using F = ExerciseFamily;

TEST(ScoreBoard, SaturatesInsteadOfWrapping)
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

// A family's grade is the whole part of the mean of its evaluations; an
// exercise counts at most once, and one left on screen adds nothing, unless
// the family divides by every exercise presented.
TEST(EvaluationTally, GradeIsTheWholePartOfTheMeanOfTheCountedExercises)
{
    struct Row {
        const char* steps;  // "p" presents an exercise, a number evaluates it
        GradeDivisor divisor;
        int grade, evaluations, total, presented;
    };
    const auto E = GradeDivisor::Evaluations;
    const Row rows[] = {
        {"p 9", E, 9, 1, 9, 1},
        {"p 9 p 6", E, 7, 2, 15, 2},  // 15 / 2 = 7.5
        {"p 10 p 10 p 9", E, 9, 3, 29, 3},  // 29 / 3
        {"p 0 p 1", E, 0, 2, 1, 2},  // a grade of 0 is an evaluation too
        {"p p p", E, 0, 0, 0, 3},
        {"10 p 6 10", E, 6, 1, 6, 1},  // nothing presented yet, then a second evaluation
        {"p p 9", E, 9, 1, 9, 2},  // not 0, nor a stale grade
        {"p 6 p p 10 p 10", E, 8, 3, 26, 4},  // 26 / 3
        {"p 10 p p 5", GradeDivisor::PresentedCount, 5, 2, 15, 3},  // the skipped one weighs 0: 15 / 3
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.steps);
        ScoreBoard board;
        EvaluationTally tally;
        int accepted = 0;
        std::string step;
        for (std::istringstream steps(row.steps); steps >> step;) {
            if (step == "p")
                recordPresented(board, F::Addition, tally);
            else
                accepted += recordEvaluation(board, F::Addition, tally, std::stoi(step), row.divisor) ? 1 : 0;
        }
        EXPECT_EQ(board.grade(F::Addition), row.grade);
        EXPECT_EQ(tally.evaluations(), row.evaluations);
        EXPECT_EQ(tally.gradeTotal(), row.total);
        EXPECT_EQ(accepted, row.evaluations);
        EXPECT_EQ(board.presentedCount(F::Addition), row.presented);
        EXPECT_EQ(tally.awaitingEvaluation(), step == "p");
    }
}

}  // namespace
}  // namespace quillo
