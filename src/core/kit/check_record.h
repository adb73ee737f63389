#pragma once

namespace quillo {

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
    // Some families grade an exercise only when it was checked exactly once.
    bool checkedOnce() const { return checksDone_ == 1; }

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
