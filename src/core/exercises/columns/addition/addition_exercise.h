#pragma once

#include "core/kit/exercise_protocol.h"
#include "core/kit/place_value.h"
#include "core/kit/verdict_word.h"

#include <array>

namespace quillo {

class RandomSource;

// A column addition of two or three whole numbers whose sum stays within
// 999,999. The pupil writes the sum one digit per cell, without carries;
// the grade follows the errors of the first check.
class AdditionExercise final : public ExerciseProtocol {
public:
    static constexpr int kLargest = 999'999;
    static constexpr int kMostAddends = 3;

    // Seeds the source from the clock and draws a new addition. Three addends
    // are drawn every time, so both layouts take the same draws; the third
    // only bounds the draw when it is in play.
    void present(RandomSource& random, int addendCount);

    int addendCount() const { return addendCount_; }
    // Addends 0, 1 and 2; the third one exists even when two are in play.
    int addend(int index) const { return addends_.at(static_cast<std::size_t>(index)); }
    const ColumnTexts& addendDigits(int index) const { return addendDigits_.at(static_cast<std::size_t>(index)); }
    // The sum of the addends in play, and its digits from the right.
    int sum() const { return sum_; }
    int sumLength() const { return digitCount(sum_); }
    const ColumnTexts& sumDigits() const { return sumDigits_; }

    // "Controllo": the sum cells (units first) that differ from the sum's
    // digits. The first check settles the error count and the verdict.
    ColumnMarks check(const ColumnTexts& answer);
    VerdictWord verdict() const { return verdictFor(addendCount_, checks_.errorCount()); }
    // "Valutazione": the verdict to show and the grade it is worth.
    std::optional<Evaluation> evaluate() override;

    // A key in the sum's leading cell, of the layout on the page, opens "Controllo".
    bool opensCheck(int addendCount, int column) const
    {
        return onPage_ && addendCount == addendCount_ && column == sumLength();
    }

    const ButtonCycle& cycle() const override;

    static VerdictWord verdictFor(int addendCount, int errors);
    static bool isNegative(VerdictWord verdict) { return verdict == VerdictWord::NotGood; }

private:
    int addendCount_ = 2;
    std::array<int, kMostAddends> addends_{};
    std::array<ColumnTexts, kMostAddends> addendDigits_{};
    int sum_ = 0;
    ColumnTexts sumDigits_{};
};

}  // namespace quillo
