#pragma once

#include "core/exercises/fractions/series_cycle.h"

#include <array>
#include <string>
#include <string_view>

namespace quillo {

class RandomSource;

// One fraction of the series and the decimal number it should become.
struct DecimalFraction {
    int numerator = 1;     // 1 to 999, never a multiple of the denominator
    int denominator = 10;  // 10, 100 or 1000
    std::string expectedText;  // "0,07" for 7/100
    int expectedLength() const { return static_cast<int>(expectedText.size()); }
};

// A series of four decimal fractions that the pupil writes as decimal
// numbers with a comma. Item i (0 to 3) stands in row i / 2 and column i % 2.
class DecimalFractionsExercise final : public ExerciseProtocol {
public:
    static constexpr int kItems = 4;

    using Answers = std::array<std::string, kItems>;
    using Marks = std::array<bool, kItems>;

    // Seeds the source from the clock and draws a series; one holding a
    // whole quotient (20/10, 300/100) is drawn again whole.
    void newExercise(RandomSource& random);
    bool presented() const { return presented_; }
    const DecimalFraction& item(int index) const { return items_.at(static_cast<std::size_t>(index)); }

    // The decimal form of numerator / denominator (a power of ten), built
    // from the integers so that no rounding can creep in: the whole part
    // (at least "0"), a comma, the decimals without trailing zeros. A whole
    // quotient has no comma at all.
    static std::string decimalText(int numerator, int denominator);

    // Hundreds, tens, units of the numerator; thousands to units of the
    // denominator.
    std::array<std::string, 3> numeratorColumns(int index) const;
    std::array<std::string, 4> denominatorColumns(int index) const;
    // The columns the bar spans, counted back from the units: it starts over
    // the longer number.
    int barColumns(int index) const;

    // An answer longer than the expected one cannot be right, and the cell
    // is emptied as soon as it gets there.
    bool tooLong(int index, std::string_view answer) const;

    // "controllo": which answers differ from the expected texts. The first
    // check of a series counts them.
    Marks check(const Answers& answers);
    // "Valutazione" grades only a series checked exactly once, and its verdict
    // appears only when the tally takes the grade; only the lowest grade
    // shows red.
    std::optional<Evaluation> evaluate() override;

    // Any key in the last cell, accepted or not, ends the series.
    static bool opensCheck(int index) { return index == kItems - 1; }

    const ButtonCycle& cycle() const override { return fractionSeriesCycle(); }
    bool canCheck() const override { return presented_; }

private:
    std::array<DecimalFraction, kItems> items_{};
    bool presented_ = false;
};

}  // namespace quillo
