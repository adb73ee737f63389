#pragma once

#include "core/families/exercise_family.h"

namespace quillo {

class ScoreBoard;

// A family's running tally. Each counted evaluation belongs to the exercise
// on screen: an exercise is counted at most once, and one left unevaluated
// is simply never graded, so the mean can never pick up a stale grade.
class EvaluationTally {
public:
    // A new exercise is on screen and has not been counted yet.
    void notePresented() { awaitingEvaluation_ = true; }

    // True while the exercise on screen may still be counted.
    bool awaitingEvaluation() const { return awaitingEvaluation_; }

    // Counts the exercise on screen with its grade, if it is still waiting.
    // Returns whether it counted.
    bool count(int grade);

    long long evaluations() const { return evaluations_; }
    long long gradeTotal() const { return gradeTotal_; }
    int lastGrade() const { return lastGrade_; }

private:
    long long evaluations_ = 0;
    long long gradeTotal_ = 0;
    int lastGrade_ = 0;
    bool awaitingEvaluation_ = false;
};

// How a family divides its grade total.
enum class GradeDivisor {
    Evaluations,     // the mean of the counted evaluations
    PresentedCount,  // every presented exercise weighs, graded or not
};

// The write every family makes on "OK": one more exercise presented, both on
// the scoreboard and in the screen's own tally.
void recordPresented(ScoreBoard& board, ExerciseFamily family, EvaluationTally& tally);

// The write every family makes on "Valutazione" once its own preconditions
// hold: counts the exercise on screen with its grade and rewrites the
// family's grade on the scoreboard. Returns false, changing nothing, when
// the exercise was already counted or none was presented.
bool recordEvaluation(ScoreBoard& board, ExerciseFamily family, EvaluationTally& tally, int grade,
                      GradeDivisor divisor = GradeDivisor::Evaluations);

}  // namespace quillo
