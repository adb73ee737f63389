#include "core/scoring/evaluation_tally.h"

#include "core/scoring/score_board.h"

namespace quillo {

bool EvaluationTally::count(int grade)
{
    if (!awaitingEvaluation_)
        return false;
    awaitingEvaluation_ = false;
    ++evaluations_;
    lastGrade_ = grade;
    gradeTotal_ += grade;
    return true;
}

void recordPresented(ScoreBoard& board, ExerciseFamily family, EvaluationTally& tally)
{
    board.notePresented(family);
    tally.notePresented();
}

bool recordEvaluation(ScoreBoard& board, ExerciseFamily family, EvaluationTally& tally, int grade,
                      GradeDivisor divisor)
{
    if (!tally.count(grade))
        return false;
    const long long by =
        divisor == GradeDivisor::Evaluations ? tally.evaluations() : board.presentedCount(family);
    // Whole part of a non-negative quotient: integer division rounds it down.
    if (by > 0)
        board.setGrade(family, tally.gradeTotal() / by);
    return true;
}

}  // namespace quillo
