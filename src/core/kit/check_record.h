#pragma once

#include "core/kit/verdict_word.h"

namespace quillo {

// What "Valutazione" shows, and what it hands to the tally.
struct Evaluation {
    VerdictWord verdict;
    bool negative;  // shown in red
    bool counts;    // the tally takes this exercise with its grade
    int grade;
};

// How the checks of one exercise went. Only the first check counts the
// errors, so correcting after a check cannot raise the grade; the ones after
// it only mark the cells again. An exercise is evaluated at most once.
class CheckRecord {
public:
    void reset() { *this = CheckRecord{}; }

    // One more check with the errors it found. Returns whether it was the
    // first, whose errors are kept.
    bool noteCheck(int errors);

    int checksDone() const { return checksDone_; }
    int errorCount() const { return errorCount_; }
    bool isChecked() const { return checksDone_ > 0; }

    void noteEvaluated() { evaluated_ = true; }
    bool isEvaluated() const { return evaluated_; }
    // "Valutazione" has something to show once the exercise has been checked,
    // and only until it has shown it.
    bool canEvaluate() const { return isChecked() && !evaluated_; }

private:
    int checksDone_ = 0;
    int errorCount_ = 0;
    bool evaluated_ = false;
};

}  // namespace quillo
