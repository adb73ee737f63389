#pragma once

#include "core/exercises/fractions/series_cycle.h"

#include <array>
#include <string>

namespace quillo {

class RandomSource;

struct Fraction {
    int numerator = 0;
    int denominator = 1;
};

// Four pairs of fractions sharing their denominator or their numerator; the
// pupil puts "<", "=" or ">" between the two fractions of each pair.
//
// Fraction i (0 to 7) stands in row i / 4 and slot i % 4; pair p (0 to 3) is
// fraction 2p on the left against fraction 2p + 1 on the right. Each number
// is written right-aligned into three digit columns (hundreds, tens, units);
// the bar spans the columns of the longer number of the fraction.
class FractionComparisonExercise final : public ExerciseProtocol {
public:
    static constexpr int kFractions = 8;
    static constexpr int kPairs = 4;

    enum class Mode {
        CommonDenominator = 1,  // n(i) / c: compare the numerators
        CommonNumerator = 2,    // c / n(i): the larger denominator is the smaller fraction
    };

    using Columns = std::array<std::string, 3>;
    using Answers = std::array<std::string, kPairs>;
    using Marks = std::array<bool, kPairs>;

    // Seeds the source from the clock and draws four new pairs. The draw
    // order is part of the exercise: length L, the eight numbers, range D,
    // the common value c, the mode E.
    void newExercise(RandomSource& random);
    bool presented() const { return presented_; }

    int length() const { return length_; }
    int range() const { return range_; }
    int common() const { return common_; }
    Mode mode() const { return mode_; }
    const Fraction& fraction(int index) const { return fractions_.at(static_cast<std::size_t>(index)); }
    // Digit counts shared by every fraction of the exercise; the bars span
    // the columns of the wider number.
    int numeratorDigits() const;
    int denominatorDigits() const;
    int widerDigits() const;

    // The digits in their hundreds, tens and units columns.
    Columns numeratorColumns(int index) const;
    Columns denominatorColumns(int index) const;
    // The column (0 hundreds, 2 units) where the units digit stands: its own,
    // except a lone digit over or under three digits, which moves to the
    // middle column.
    int numeratorUnitsColumn() const;
    int denominatorUnitsColumn() const;

    static int row(int index) { return index / 4; }

    // "<", "=" or ">", as the pupil should type it.
    std::string expected(int pair) const;

    // "Controllo": which answers differ from the expected relations (an
    // empty cell is wrong). The first check of an exercise counts them.
    Marks check(const Answers& answers);
    // "Valutazione" grades only an exercise checked exactly once; the verdict
    // shows red whenever a sign was wrong.
    std::optional<Evaluation> evaluate() override;

    // Any key in the last cell, refused or not, ends the series.
    static bool opensCheck(int pair) { return pair == kPairs - 1; }

    const ButtonCycle& cycle() const override { return fractionSeriesCycle(); }
    bool canCheck() const override { return presented_; }

private:

    std::array<Fraction, kFractions> fractions_{};
    int length_ = 1;
    int range_ = 1;
    int common_ = 2;
    Mode mode_ = Mode::CommonDenominator;
    bool presented_ = false;
};

}  // namespace quillo
