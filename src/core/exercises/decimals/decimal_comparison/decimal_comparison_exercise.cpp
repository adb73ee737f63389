#include "core/exercises/decimals/decimal_comparison/decimal_comparison_exercise.h"

#include "core/kit/random_source.h"

namespace quillo {

namespace {
long long powerOfTen(int exponent)
{
    long long value = 1;
    for (int i = 0; i < exponent; ++i)
        value *= 10;
    return value;
}
}  // namespace

std::string decimalText(DecimalNumber number)
{
    const long long scale = powerOfTen(number.decimals);
    std::string text = std::to_string(number.mantissa / scale);
    std::string fraction = std::to_string(number.mantissa % scale);
    fraction.insert(0, static_cast<std::size_t>(number.decimals) - fraction.size(), '0');
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (!fraction.empty())
        text += ',' + fraction;
    return text;
}

int compareValues(DecimalNumber left, DecimalNumber right)
{
    // Bring both to the same number of decimals; the mantissas stay far
    // below the range of long long.
    const long long a = left.mantissa * powerOfTen(right.decimals);
    const long long b = right.mantissa * powerOfTen(left.decimals);
    return a < b ? -1 : (a > b ? 1 : 0);
}

DecimalNumber DecimalComparisonExercise::drawNumber(RandomSource& random)
{
    const int digits = random.between(1, 6);
    const int decimals = random.between(1, 3);
    const long long top = powerOfTen(digits) - 1;
    const long long bottom = digits == 1 ? 1 : powerOfTen(digits - 1) + 1;
    return {random.between(static_cast<int>(bottom), static_cast<int>(top)), decimals};
}

void DecimalComparisonExercise::newExercise(RandomSource& random)
{
    random.seedFromClock();
    for (int pair = 0; pair < kPairs; ++pair) {
        left_[static_cast<std::size_t>(pair)] = drawNumber(random);
        right_[static_cast<std::size_t>(pair)] = drawNumber(random);
    }
    presented_ = true;
    checks_.reset();
}

std::string_view DecimalComparisonExercise::expected(int pair) const
{
    switch (compareValues(left(pair), right(pair))) {
    case -1: return "<";
    case 0: return "=";
    default: return ">";
    }
}

DecimalComparisonExercise::Marking DecimalComparisonExercise::check(const Answers& answers)
{
    Marking wrong{};
    int errors = 0;
    for (int pair = 0; pair < kPairs; ++pair) {
        const bool differs = answers[static_cast<std::size_t>(pair)] != expected(pair);
        wrong[static_cast<std::size_t>(pair)] = differs;
        errors += differs ? 1 : 0;
    }
    checks_.noteCheck(errors);
    return wrong;
}

const ButtonCycle& DecimalComparisonExercise::cycle() const
{
    static const ButtonCycle cycle{
        .opened = {.newExercise = true, .check = false, .evaluate = false, .answers = false},
        .presented = {.newExercise = false, .answers = true},
        .evaluateOpens = EvaluateOpens::AtFirstCheck,
        .locksAnswersAtFirstCheck = true,
        .evaluated = {.newExercise = true, .check = true, .evaluate = false, .answers = true},
    };
    return cycle;
}

std::optional<Evaluation> DecimalComparisonExercise::evaluate()
{
    if (!checks_.checkedOnce())
        return Evaluation{};
    return Evaluation{.verdict = verdict(), .negative = errorCount() > 0, .counts = true, .grade = grade()};
}

}  // namespace quillo
