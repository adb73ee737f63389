#pragma once

#include "core/kit/verdict_word.h"

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
class FractionKindsExercise {
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
    // The left of the tens column of fraction i; the units column is 600 on.
    static int columnLeft(int index) { return 240 + 1800 * columnOf(index); }
    // The left end of fraction i's bar, which spans only the columns in use.
    static int barStart(int index, int digitWidth);
    static int barEnd(int index) { return columnLeft(index) + 1200; }

    // Draws the ten numerators, then the ten denominators, 1 to 99 each.
    void newExercise(RandomSource& random);
    bool presented() const { return presented_; }
    const std::array<Fraction, kCount>& fractions() const { return fractions_; }

    struct CheckResult {
        std::array<bool, kCount> wrong{};
        bool firstCheck = false;  // locks the cells and "Controllo"
        std::optional<VerdictWord> word;
    };
    // Right answers are counted at the first check only; later checks mark
    // again against the same expected letters.
    CheckResult check(const std::array<std::string, kCount>& letters);

    int checks() const { return checks_; }
    int rightAnswers() const { return rightAnswers_; }
    std::optional<VerdictWord> gradeWord() const { return gradeWord_; }

    struct Evaluation {
        bool countable = false;  // exactly one check: the result may be graded
        int grade = 0;           // right answers, 0 to 10
        std::optional<VerdictWord> word;
        bool negative = false;
    };
    Evaluation evaluate() const;

    static VerdictWord wordFor(int rightAnswers);

private:
    std::array<Fraction, kCount> fractions_{};
    std::array<std::string, kCount> expected_{};
    bool presented_ = false;
    int checks_ = 0;
    int rightAnswers_ = 0;
    std::optional<VerdictWord> gradeWord_;
};

}  // namespace quillo
