#pragma once

#include "core/exercises/fractions/series_cycle.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace quillo {

class RandomSource;

enum class FractionKind { Proper, Improper, Apparent };

// Apparent when the fraction is a whole number (d divides n, d = 1 and
// n = d included), else proper below one and improper above.
FractionKind classify(int numerator, int denominator);
// The letter the pupil types for a kind: "p", "i" or "a".
std::string kindLetter(FractionKind kind);

// Ten random fractions to classify, one letter each. The grade is the number
// of right answers out of ten.
class FractionKindsExercise final : public ExerciseProtocol {
public:
    static constexpr int kCount = 10;
    static constexpr int kHighest = 99;

    struct Fraction {
        int numerator = 0;
        int denominator = 0;
        std::vector<std::string> numeratorDigits;  // units first
        std::vector<std::string> denominatorDigits;
        // Columns the bar spans: 2 when either number has two digits.
        int digitWidth() const;
    };

    // Where fraction i (0 to 9) stands: its column from the left, its row.
    static int columnOf(int index) { return index % 5; }
    static int rowOf(int index) { return index / 5; }

    // Draws the ten numerators, then the ten denominators, 1 to 99 each.
    void newExercise(RandomSource& random);
    bool presented() const { return presented_; }
    const std::array<Fraction, kCount>& fractions() const { return fractions_; }
    // The letter the kind of fraction i calls for: "p", "i" or "a".
    std::string expectedLetter(int index) const;

    using Marks = std::array<bool, kCount>;
    // The letters that differ from the kinds. Right answers are counted at
    // the first check only; later checks mark again against the same
    // expected letters.
    Marks check(const std::array<std::string, kCount>& letters);

    int rightAnswers() const { return rightAnswers_; }

    // "Valutazione": the word of the latest first check (kept from an earlier
    // group until the next check) and the right answers as the grade, which
    // counts only for a group checked exactly once.
    std::optional<Evaluation> evaluate() override;

    // Any key in the last cell opens the check, even one the cell refuses.
    static bool opensCheck(int index) { return index == kCount - 1; }

    const ButtonCycle& cycle() const override { return fractionSeriesCycle(); }
    bool canCheck() const override { return presented_; }

    static VerdictWord wordFor(int rightAnswers);

private:
    std::array<Fraction, kCount> fractions_{};
    std::array<std::string, kCount> expected_{};
    bool presented_ = false;
    int rightAnswers_ = 0;
    std::optional<VerdictWord> gradeWord_;
};

}  // namespace quillo
