#pragma once

#include "core/kit/exercise_protocol.h"
#include "core/kit/place_value.h"
#include "core/kit/verdict_word.h"

namespace quillo {

class RandomSource;

// A column subtraction with a minuend up to 999,999 and a subtrahend not
// larger than it. The pupil fills every column of the minuend, leading
// zeros included; the more columns need a borrow, the higher the grade of a
// subtraction done without errors.
class SubtractionExercise final : public ExerciseProtocol {
public:
    static constexpr int kLargest = 999'999;

    // Seeds the source from the clock and draws a new subtraction: the
    // minuend, then the subtrahend again and again until it is not larger.
    void present(RandomSource& random);

    int minuend() const { return minuend_; }
    int subtrahend() const { return subtrahend_; }
    int difference() const { return minuend_ - subtrahend_; }
    int minuendLength() const { return digitCount(minuend_); }
    const ColumnTexts& minuendDigits() const { return minuendDigits_; }
    const ColumnTexts& subtrahendDigits() const { return subtrahendDigits_; }
    // The difference's digits from the right, with "0" up to the minuend's
    // length: 5,000 − 4,999 expects "0001".
    const ColumnTexts& differenceDigits() const { return differenceDigits_; }
    // The columns whose minuend digit is smaller than the subtrahend's; a
    // borrow passed on to the next column is not counted again.
    int borrowCount() const { return borrowCount_; }

    // "Controllo": the difference cells (units first) that differ from the
    // expected digits. The first check settles the error count and verdict.
    ColumnMarks check(const ColumnTexts& answer);
    VerdictWord verdict() const { return verdictFor(borrowCount_, checks_.errorCount()); }
    // "Valutazione": the verdict to show, its grade, and whether the tally
    // takes it. A subtraction checked more than once before its evaluation
    // is shown but not counted: the pupil has had a second look.
    std::optional<Evaluation> evaluate() override;

    // A key in the difference's leading cell opens "Controllo".
    bool opensCheck(int column) const { return onPage_ && column == minuendLength(); }

    const ButtonCycle& cycle() const override;

    static VerdictWord verdictFor(int borrowCount, int errors);
    static bool isNegative(VerdictWord verdict) { return isWarning(verdict); }

private:
    int minuend_ = 0;
    int subtrahend_ = 0;
    ColumnTexts minuendDigits_{};
    ColumnTexts subtrahendDigits_{};
    ColumnTexts differenceDigits_{};
    int borrowCount_ = 0;
};

}  // namespace quillo
