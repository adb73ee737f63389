#include "core/exercises/fractions/fraction_comparison/fraction_comparison_exercise.h"

#include "core/kit/digits.h"
#include "core/kit/random_source.h"

#include <algorithm>

namespace quillo {

namespace {
// The largest number of 1, 2 and 3 digits, and the smallest of each.
constexpr std::array<int, 4> kLargest{0, 9, 99, 999};
constexpr std::array<int, 4> kSmallest{0, 1, 10, 100};

std::string compared(int left, int right)
{
    if (left > right)
        return ">";
    return left < right ? "<" : "=";
}
}  // namespace

void FractionComparisonExercise::newExercise(RandomSource& random)
{
    random.seedFromClock();
    length_ = random.between(1, 3);
    const int smallest = kSmallest[length_];
    const int largest = kLargest[length_];
    // Int(m + Rnd·M) can pass the largest number of L digits; the whole
    // series is then drawn again, which keeps every number uniform.
    std::array<int, kFractions> drawn{};
    bool fits = false;
    while (!fits) {
        fits = true;
        for (int& number : drawn) {
            number = random.between(smallest, smallest + largest - 1);
            fits = fits && number <= largest;
        }
    }

    range_ = random.between(1, 3);
    const int rangeLargest = kLargest[range_];
    do {
        common_ = random.between(2, rangeLargest + 1);
    } while (common_ > rangeLargest);

    mode_ = random.between(1, 2) == 1 ? Mode::CommonDenominator : Mode::CommonNumerator;
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        fractions_[i] = mode_ == Mode::CommonDenominator ? Fraction{drawn[i], common_}
                                                         : Fraction{common_, drawn[i]};
    }
    presented_ = true;
    checks_.reset();
}

int FractionComparisonExercise::numeratorDigits() const
{
    return digitCount(fractions_[0].numerator);
}

int FractionComparisonExercise::denominatorDigits() const
{
    return digitCount(fractions_[0].denominator);
}

int FractionComparisonExercise::widerDigits() const
{
    return std::max(numeratorDigits(), denominatorDigits());
}

FractionComparisonExercise::Columns FractionComparisonExercise::numeratorColumns(int index) const
{
    return rightAligned<3>(fraction(index).numerator);
}

FractionComparisonExercise::Columns FractionComparisonExercise::denominatorColumns(int index) const
{
    return rightAligned<3>(fraction(index).denominator);
}

int FractionComparisonExercise::numeratorUnitsColumn() const
{
    const bool lone = numeratorDigits() == 1 && denominatorDigits() == 3;
    return lone ? 1 : 2;
}

int FractionComparisonExercise::denominatorUnitsColumn() const
{
    const bool lone = numeratorDigits() == 3 && denominatorDigits() == 1;
    return lone ? 1 : 2;
}

std::string FractionComparisonExercise::expected(int pair) const
{
    const Fraction& left = fraction(2 * pair);
    const Fraction& right = fraction(2 * pair + 1);
    if (mode_ == Mode::CommonDenominator)
        return compared(left.numerator, right.numerator);
    return compared(right.denominator, left.denominator);
}

FractionComparisonExercise::Marks FractionComparisonExercise::check(const Answers& answers)
{
    Marks wrong{};
    int count = 0;
    for (int pair = 0; pair < kPairs; ++pair) {
        const auto p = static_cast<std::size_t>(pair);
        wrong[p] = answers[p] != expected(pair);
        count += wrong[p] ? 1 : 0;
    }
    checks_.noteCheck(count);
    return wrong;
}

std::optional<Evaluation> FractionComparisonExercise::evaluate()
{
    if (!checks_.checkedOnce())
        return Evaluation{};
    const int errors = checks_.errorCount();
    const VerdictWord word = verdictByErrors(errors, VerdictWord::AllRight);
    return Evaluation{.verdict = word, .negative = errors > 0, .counts = true, .grade = usualGrade(word)};
}

}  // namespace quillo
