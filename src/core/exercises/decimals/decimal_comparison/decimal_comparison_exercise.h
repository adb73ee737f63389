#pragma once

#include "core/kit/exercise_protocol.h"

#include <array>
#include <string>
#include <string_view>

namespace quillo {

class RandomSource;

// A decimal number as the comparison draws it: a whole mantissa and how many
// of its digits stand after the comma, so 457 with 2 decimals is 4,57.
struct DecimalNumber {
    long long mantissa = 0;
    int decimals = 0;
};

// The shortest text of the value, with the decimal comma whatever the
// system's regional settings: no trailing zeros, "0" before the comma below
// one, no comma at all for a whole value ("4,57", "4,5", "4", "0,007").
std::string decimalText(DecimalNumber number);

// Compares the exact values, never the texts: -1, 0 or 1.
int compareValues(DecimalNumber left, DecimalNumber right);

// Three pairs of decimal numbers; the pupil types "<", "=" or ">" between the
// numbers of each pair.
class DecimalComparisonExercise final : public ExerciseProtocol {
public:
    static constexpr int kPairs = 3;
    // No drawn number needs more characters than this (999999 with one
    // decimal, or 999999 with three).
    static constexpr int kLongestText = 7;

    using Answers = std::array<std::string, kPairs>;
    using Marking = std::array<bool, kPairs>;

    // Reseeds the source from the clock, then draws the six numbers, left
    // then right of each pair.
    void newExercise(RandomSource& random);
    // One number: W digits 1..6, decimals 1..3, then a mantissa of W digits
    // (never a power of ten).
    static DecimalNumber drawNumber(RandomSource& random);

    bool presented() const { return presented_; }
    DecimalNumber left(int pair) const { return left_[static_cast<std::size_t>(pair)]; }
    DecimalNumber right(int pair) const { return right_[static_cast<std::size_t>(pair)]; }
    // "<", "=" or ">": how the left value stands to the right one.
    std::string_view expected(int pair) const;

    // Which answers differ from their relation. Only the first check of an
    // exercise counts the errors and settles the verdict.
    Marking check(const Answers& answers);
    int errorCount() const { return checks_.errorCount(); }
    VerdictWord verdict() const { return verdictByErrors(errorCount(), VerdictWord::AllRight); }
    int grade() const { return usualGrade(verdict()); }
    // "Valutazione" grades only an exercise checked exactly once; the verdict
    // shows red for any error.
    std::optional<Evaluation> evaluate() override;

    // Any key in the last box opens the check.
    static bool opensCheck(int pair) { return pair == kPairs - 1; }

    const ButtonCycle& cycle() const override;
    bool canCheck() const override { return presented_; }

private:
    std::array<DecimalNumber, kPairs> left_{};
    std::array<DecimalNumber, kPairs> right_{};
    bool presented_ = false;
};

}  // namespace quillo
