#include "core/exercises/fractions/decimal_fractions/decimal_fractions_exercise.h"

#include "core/kit/digits.h"
#include "core/kit/random_source.h"

#include <algorithm>

namespace quillo {

namespace {
constexpr std::array<int, 4> kPowersOfTen{1, 10, 100, 1000};

bool holdsWholeQuotient(const std::array<DecimalFraction, DecimalFractionsExercise::kItems>& items)
{
    return std::any_of(items.begin(), items.end(),
                       [](const DecimalFraction& item) { return item.numerator % item.denominator == 0; });
}
}  // namespace

void DecimalFractionsExercise::newExercise(RandomSource& random)
{
    random.seedFromClock();
    do {
        for (DecimalFraction& item : items_)
            item.numerator = random.between(1, 999);
        for (DecimalFraction& item : items_) {
            // The last of three draws is kept; the two before it only move
            // the generator on. A series takes its values in this order on
            // the screen and on a worksheet alike, so a seed gives the same
            // series wherever it is drawn.
            int power = 1;
            for (int draw = 0; draw < 3; ++draw)
                power = random.between(1, 3);
            item.denominator = kPowersOfTen[static_cast<std::size_t>(power)];
        }
    } while (holdsWholeQuotient(items_));
    for (DecimalFraction& item : items_)
        item.expectedText = decimalText(item.numerator, item.denominator);
    presented_ = true;
    checks_.reset();
}

std::string DecimalFractionsExercise::decimalText(int numerator, int denominator)
{
    std::string text = std::to_string(numerator / denominator);
    std::string decimals;
    int remainder = numerator % denominator;
    for (int place = denominator / 10; place > 0; place /= 10) {
        decimals += static_cast<char>('0' + remainder / place);
        remainder %= place;
    }
    while (!decimals.empty() && decimals.back() == '0')
        decimals.pop_back();
    if (!decimals.empty())
        text += ',' + decimals;
    return text;
}

std::array<std::string, 3> DecimalFractionsExercise::numeratorColumns(int index) const
{
    return rightAligned<3>(item(index).numerator);
}

std::array<std::string, 4> DecimalFractionsExercise::denominatorColumns(int index) const
{
    return rightAligned<4>(item(index).denominator);
}

int DecimalFractionsExercise::barColumns(int index) const
{
    const DecimalFraction& fraction = item(index);
    // Columns the bar spans, counted from the units: it covers the longer
    // of the two numbers, over 1000 all four and over 100 three. Over 10 it
    // covers two under a one-digit numerator, and three under a longer one,
    // as over 100, so that a fraction of two or three digits reads alike
    // whatever its denominator.
    int columns = digitCount(fraction.denominator);
    if (columns == 2 && digitCount(fraction.numerator) > 1)
        columns = 3;
    return columns;
}

bool DecimalFractionsExercise::tooLong(int index, std::string_view answer) const
{
    return static_cast<int>(answer.size()) > item(index).expectedLength();
}

DecimalFractionsExercise::Marks DecimalFractionsExercise::check(const Answers& answers)
{
    Marks wrong{};
    int count = 0;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        wrong[i] = answers[i] != items_[i].expectedText;
        count += wrong[i] ? 1 : 0;
    }
    checks_.noteCheck(count);
    return wrong;
}

std::optional<Evaluation> DecimalFractionsExercise::evaluate()
{
    const VerdictWord word = verdictByErrors(checks_.errorCount(), VerdictWord::AllRight);
    const int grade = usualGrade(word);
    return Evaluation{.verdict = word,
                      .negative = grade <= 5,
                      .counts = checks_.checkedOnce(),
                      .grade = grade,
                      .shownOnlyWhenCounted = true};
}

}  // namespace quillo
